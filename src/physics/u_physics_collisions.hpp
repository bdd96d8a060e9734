// Contact of one moving body with the terrain: detection, back-out, bounce, fall damage, leaving the map;
// and the box probes (support, overlap) used by walking, jumping, placement and the computer player.
#pragma once

#include "model/u_data_objects.hpp"
#include "resources/u_sdl_handles.hpp"

class TDamage;
class TMessageSink;
class TTeamsManager;
class TTerrainReader;

class TCollisions {
public:
    static constexpr double integrationStep = 0.05;   // s, one frame of motion retraced by the sweep
    static constexpr double bounceThreshold = 200.0;  // px/s; at or below it a body in contact stops dead
    static constexpr double grenadeRestitution = 0.6; // speed kept by a grenade (and its fragments)
    static constexpr double defaultRestitution = 0.3; // speed kept by anything else
    static constexpr double restThreshold = 3.0;      // px/s; a slower bounce stops
    static constexpr double hardLandingSpeed = 500.0; // px/s
    static constexpr double fallDamageDivisor = 20.0; // px/s per health point
    static constexpr int surfaceProbeDistance = 10;   // px on each side of the contact point

    TCollisions(SDL_Surface* terrain, TTeamsManager& teams, TDamage& damage, TMessageSink& messages);

    // True when no solid pixel lies in the row just under the body; foot is the last point tested.
    bool isInAir(const TObject& body, TVector& foot) const;
    bool isBelowMap(const TObject& body) const;
    // The first solid border point goes to contact (left as it was when there is none).
    bool overlaps(const TObject& body, TVector& contact) const;
    // One body's collision step for one frame. For tumboks and boxes: true after a hard landing or a fall out
    // of the map; for projectiles: that, or any contact.
    bool collide(TObject& body, bool sweep, bool& outOfMap, bool bounce);

    SDL_Surface* terrain;
    TTeamsManager& teams;
    TDamage& damage;
    TMessageSink& messages;

private:
    bool sweepContact(TObject& body, TVector& contact) const;
    // Steps the body back out along its path; false when it is still stuck after |speed| pixels.
    bool backOut(TObject& body, double length) const;
    bool landing(TObject& body, double length, TVector contact);
    TVector reflectOnTerrain(TVector speed, TVector contact) const;
    void leaveMap(TObject& body);
};
