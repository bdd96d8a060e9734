// Weapons held by the active tumbok (both facings, centred on its hands) and the projectiles in flight.
#pragma once

#include "picture_set.hpp"

// Pictures drawn facing right at the given scale; left ones are their mirror images.
TImage bazookaPicture(float scale);
TImage bowPicture(float scale);
TImage grenadePicture(float scale);
TImage arrowProjectile(float scale);
TImage rocketProjectile(float scale);
TImage grenadeProjectile(float scale);

void addWeaponPictures(TPictureSet& set);
