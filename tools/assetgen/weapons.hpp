// Weapons held by the active tumbok (both facings, centred on its hands) and the projectiles in flight.
#pragma once

#include "picture_set.hpp"

// Pictures drawn facing right at the given scale; left ones are their mirror images.
TImage bazookaPicture(float scale);
TImage bowPicture(float scale);

void addWeaponPictures(TPictureSet& set);
