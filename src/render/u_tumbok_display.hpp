// Drawing a tumbok (flag, health, legs, body, hands or aimed weapon, sight, marker arrow), and stamping a
// dead one into the terrain.
#pragma once

#include "model/u_data_objects.hpp"
#include "physics/u_physics_stamps.hpp"
#include "render/u_basic_display.hpp"
#include "render/u_picture_cache.hpp"
#include "resources/u_sdl_handles.hpp"

#include <array>
#include <memory>
#include <unordered_map>
#include <vector>

class TTeamsManager;
class TWidgetProgressBar;

class TTumbokDisplay : public TBasicDisplay, public TDeadTumbokStamper {
public:
    static constexpr double aimStep = 6.0;
    static constexpr double aimLimit = 90.0;
    static constexpr int sightDistance = 60;
    static constexpr int legsWidth = 16;
    static constexpr int legsHeight = 24;

    TTumbokDisplay(TDisplay& display, TMoves& moves, const TTeamsManager& teams);
    ~TTumbokDisplay() override;
    TTumbokDisplay(const TTumbokDisplay&) = delete;
    TTumbokDisplay& operator=(const TTumbokDisplay&) = delete;

    void setWeapon(TWeapon newWeapon);
    // Clamped to -90 .. 90 degrees.
    void changeAim(double delta);
    // Degrees from the rightward horizontal, positive upward, for the tumbok's facing.
    double firingAngle(const TTumbok& t) const;

    void draw(const TTumbok& t, bool active);
    void drawArrow(const TTumbok& t);
    // Blends the grave and the team's small flag into the terrain, in map coordinates.
    TPixelRect stampDead(const TTumbok& t, SDL_Surface* terrain) override;

    // The drawing origin of a tumbok on the screen.
    TPixelPoint origin(const TTumbok& t) const;
    // Where the sight of the active tumbok stands relative to its hands.
    TPixelPoint sightOffset(const TTumbok& t) const;

    const TTeamsManager& teams;
    SurfacePtr arrowImage;
    SurfacePtr legsImage;
    SurfacePtr bodyImage;
    SurfacePtr handsLeft;
    SurfacePtr handsRight;
    SurfacePtr weaponLeft;
    SurfacePtr weaponRight;
    SurfacePtr deadImage;
    double aimAngle = 0.0;
    TWeapon weapon = TWeapon::WeaponBazooka;
    std::unique_ptr<TWidgetProgressBar> healthBar;

private:
    void drawFlag(const TTumbok& t, TPixelPoint o);
    void drawHealth(const TTumbok& t, TPixelPoint o);
    void drawLegs(const TTumbok& t, TPixelPoint o);
    void drawBody(const TTumbok& t, TPixelPoint o);
    void drawArms(const TTumbok& t, bool active, TPixelPoint o);
    void drawSight(const TTumbok& t, TPixelPoint hands);
    // The weapon turned to the aim, for the facing; made once per aim and kept.
    SDL_Surface* aimedWeapon(TDirection facing);
    SDL_Surface* flagOf(const TTumbok& t) const;

    // A tumbok that is not active looks the same for a given team, facing and step: its flag, legs, body
    // and hands are composed once into one picture, kept as the few parts that show something.
    struct TFigurePart {
        SurfacePtr picture;
        TPixelPoint offset; // of the part's top-left from the origin O
    };
    struct TFigure {
        std::array<const SDL_Surface*, 4> sources{};
        std::vector<TFigurePart> parts;
    };
    static std::vector<TFigurePart> visibleParts(SDL_Surface* picture, TPixelPoint offset);
    const TFigure* figureOf(const TTumbok& t);
    TFigure composeFigure(const TTumbok& t, const std::array<const SDL_Surface*, 4>& sources) const;
    SDL_Surface* healthPicture(int health);

    TPictureCache aimedLeft_;
    TPictureCache aimedRight_;
    std::unordered_map<int, TFigure> figures_;
    // The bar drawn once for every health value.
    std::array<SurfacePtr, TTumbok::fullHealth + 1> healthBars_;
};
