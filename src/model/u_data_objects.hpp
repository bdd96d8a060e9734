// The things on the battlefield: vectors, facings, weapons, and the bodies the physics moves and
// the displays draw (tumboks, projectiles with their fragments, explosive boxes).
#pragma once

#include "resources/u_sdl_handles.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Map pixels (y downwards) for positions, pixels per second for speeds.
struct TVector {
    double x = 0.0;
    double y = 0.0;

    bool operator==(const TVector&) const = default;
};
using PVector = TVector*;

// Small and called for every body in every frame: kept here so that they are inlined.
inline TVector vector(double x, double y) {
    return TVector{x, y};
}
inline TVector add(TVector a, TVector b) {
    return TVector{a.x + b.x, a.y + b.y};
}
inline TVector scale(TVector v, double k) {
    return TVector{k * v.x, k * v.y};
}
inline double norm(TVector v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}
// The zero vector stays zero: there is no direction to keep.
inline TVector normalize(TVector v) {
    const double length = norm(v);
    if (length == 0.0) {
        return TVector{};
    }
    return TVector{v.x / length, v.y / length};
}
inline double dot(TVector a, TVector b) {
    return a.x * b.x + a.y * b.y;
}
inline double distance(TVector a, TVector b) {
    return norm(add(a, scale(b, -1.0)));
}
// v mirrored about the line of axis. A zero axis has no line: the projection is taken as zero
// (as normalize does), which gives -v instead of a division by zero.
TVector reflect(TVector v, TVector axis);

// A position on the pixel grid, rounded halves to even.
struct TPixelPoint {
    int x = 0;
    int y = 0;

    bool operator==(const TPixelPoint&) const = default;
};
TPixelPoint toPixel(TVector v);

// A rectangle of pixels; empty when it has no width or no height.
struct TPixelRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    bool empty() const { return w <= 0 || h <= 0; }
    bool operator==(const TPixelRect&) const = default;
};
// The smallest rectangle holding both; an empty one adds nothing.
TPixelRect unite(const TPixelRect& a, const TPixelRect& b);

enum class TDirection : std::uint8_t { DirectionLeft = 0, DirectionRight = 1 };

enum class TWeapon : std::uint8_t {
    WeaponBow = 0,
    WeaponBazooka = 1,
    WeaponGrenade = 2,
    WeaponFragmentation = 3
};
inline constexpr std::array<TWeapon, 4> allWeapons{TWeapon::WeaponBow, TWeapon::WeaponBazooka,
                                                   TWeapon::WeaponGrenade, TWeapon::WeaponFragmentation};

enum class TWeaponType : std::uint8_t { WeaponTypeAngular = 0 };

// "Bow", "Bazooka", "Grenade", "Fragmentation bomb".
std::string weaponName(TWeapon w);
// The part of picture names that names the weapon; the fragmentation bomb borrows the grenade's.
std::string weaponFileName(TWeapon w);
// "weapons-<name>-left.png" / "weapons-<name>-right.png".
std::string weaponImageName(TWeapon w, bool facingRight);
// "projectiles-<name>.png".
std::string projectileImageName(TWeapon w);
SurfacePtr weaponImage(TWeapon w, bool facingRight);
SurfacePtr projectileImage(TWeapon w);

// What a body is, for the rules that differ by kind (wind, bounces, damage).
enum class TBodyKind : std::uint8_t { BodyPlain = 0, BodyTumbok = 1, BodyProjectile = 2, BodyExplosif = 3 };

// A box on the map: top-left corner, size, speed. A new object is all zeros.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject(TObject&&) = default;
    TObject& operator=(const TObject&) = default;
    TObject& operator=(TObject&&) = default;
    virtual ~TObject() = default;
    // Asked once per body and frame: far cheaper than a dynamic_cast, and right for a sliced copy too.
    virtual TBodyKind kind() const { return TBodyKind::BodyPlain; }

    std::int32_t width = 0;
    std::int32_t height = 0;
    TVector position;
    TVector speed;
};

class TTumbok final : public TObject {
public:
    static constexpr TBodyKind bodyKind = TBodyKind::BodyTumbok;
    static constexpr std::int32_t tumbokWidth = 6;
    static constexpr std::int32_t tumbokHeight = 40;
    static constexpr int fullHealth = 100;
    static constexpr int walkFrames = 8;

    TTumbok();
    TBodyKind kind() const override { return bodyKind; }

    void setPlace(int teamIndex, int numberInTeam);
    // Facing d already: one step of the walk animation; otherwise only turn round.
    void walk(TDirection d);
    bool isAlive() const { return health > 0; }

    TDirection direction = TDirection::DirectionLeft;
    // Left the map, or dead and stamped into the terrain: no longer simulated nor drawn.
    bool out = false;
    int frame = 0;
    int team = 0;
    int number = 0;
    int health = fullHealth;
};

struct TFragments;
using PFragments = TFragments*;

class TProjectile final : public TObject {
public:
    static constexpr TBodyKind bodyKind = TBodyKind::BodyProjectile;
    static constexpr std::int32_t projectileSize = 5;
    // Ticks before a grenade goes off, and between two splits of a fragmentation bomb.
    static constexpr int fuseTicks = 50;
    static constexpr int maxGenerations = 2;
    // Each split draws both speed components in 0 .. splitSpeedRange - 1.
    static constexpr int splitSpeedRange = 900;

    explicit TProjectile(TWeapon w);
    TProjectile(TProjectile&&) noexcept;
    TProjectile& operator=(TProjectile&&) noexcept;
    ~TProjectile() override;
    TBodyKind kind() const override { return bodyKind; }

    // Flight direction in degrees from the speed; unchanged while the projectile stands still.
    double updateAngle();
    // One frame of flight; true when the projectile must now explode or end.
    bool tick();
    // Fragmentation bomb only: splits every fragment once the fuse is out (twice in all);
    // true when every fragment is done and none split.
    bool splitFragments();

    double angle = 0.0;
    int ticks = 0;
    TWeapon weapon;
    bool done = false;
    // Only for WeaponFragmentation, null otherwise.
    std::unique_ptr<TFragments> fragments;
};

struct TFragments {
    int generation = 0;
    // Grenades, owned here; fragments are only appended, so indices stay valid.
    std::vector<TProjectile> projectiles;
};

class TExplosif final : public TObject {
public:
    static constexpr TBodyKind bodyKind = TBodyKind::BodyExplosif;
    static constexpr std::int32_t explosifSize = 28;

    TExplosif();
    TBodyKind kind() const override { return bodyKind; }
};

// The body as a tumbok, projectile or box when it is one, null otherwise.
template <typename Body> Body* bodyAs(TObject& body) {
    return body.kind() == Body::bodyKind ? static_cast<Body*>(&body) : nullptr;
}
template <typename Body> const Body* bodyAs(const TObject& body) {
    return body.kind() == Body::bodyKind ? static_cast<const Body*>(&body) : nullptr;
}

struct TTumbokLocation {
    int team = 0;
    int tumbok = 0;

    bool operator==(const TTumbokLocation&) const = default;
};
using PTumbokLocation = TTumbokLocation*;
