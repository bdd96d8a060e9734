// All explosions of a match with their effects (holes, pushes, damage, boxes set off), and the explosive
// boxes lying on the map.
#pragma once

#include "app/u_preferences.hpp"
#include "model/u_data_objects.hpp"
#include "physics/u_data_explosion.hpp"
#include "physics/u_physics_data.hpp"
#include "physics/u_physics_terrain_changes.hpp"
#include "resources/u_sdl_handles.hpp"

#include <memory>
#include <vector>

class TContext;
class TDamage;
class TExplosifsManager;
class TNoise;

using TExplosionList = std::vector<std::unique_ptr<TExplosion>>;

class TExplosionsPhy {
public:
    static constexpr int blastPush = 1500;
    static constexpr int blastDamage = 90;
    static constexpr int soundFrame = 6;

    // explosifsRef is the driver's slot for the boxes, filled after this component is made.
    TExplosionsPhy(SDL_Surface* terrain, TDamage& damage,
                   const std::unique_ptr<TExplosifsManager>& explosifsRef, TNoise& noise);

    // A new explosion at the rounded position; it gets its first update in the next step.
    void add(TVector position);
    // One update of every explosion: sound, then every blast that comes of age carves, pushes, hurts and
    // sets off boxes.
    void step();
    bool allFinished() const;
    // Drops the finished explosions; only while nothing is drawn from a stale index (between turns).
    void pruneFinished();

    SDL_Surface* terrain;
    // Where each blast carved is told here, when set.
    TTerrainChanges* terrainChanges = nullptr;
    TExplosionList list;
    TDamage& damage;
    const std::unique_ptr<TExplosifsManager>& explosifsRef;
    TNoise& noise;

private:
    void act(const TExplosionNode& node);

    TCarver carver_;
};

using TExplosifsList = std::vector<std::unique_ptr<TExplosif>>;

class TExplosifsManager {
public:
    static constexpr int maxExplosifs = settingOf(&TPreferences::nbExplosifs).high;
    static constexpr int halfSize = TExplosif::explosifSize / 2;

    // As many boxes as the preference asks for (0 .. 100), not yet placed.
    TExplosifsManager(const TContext& context, TExplosionsPhy& explosions);

    // Box i blows up at its top-left corner and leaves the list; the last box takes slot i.
    void explode(int i);
    // Removes box i without an explosion (a box that found no place on the map).
    void remove(int i);
    // Box i is within the blast's square reach: it explodes.
    bool blastHits(const TExplosionNode& node, int i);
    int count() const { return static_cast<int>(list.size()); }
    TExplosif& at(int i) { return *list[static_cast<std::size_t>(i)]; }

    const TContext& context;
    TExplosionsPhy& explosions;
    TExplosifsList list;
};
