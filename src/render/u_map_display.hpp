// One frame of a match: the physics step, the camera, then background, terrain and every object drawn.
#pragma once

#include "model/u_data_objects.hpp"
#include "physics/u_physics_view.hpp"
#include "resources/u_sdl_handles.hpp"

#include <SDL.h>

#include <functional>
#include <memory>

class TContext;
class TDisplay;
class TExplosifsDisplay;
class TExplosionDisplay;
class TFont;
class TGameStateStack;
class TMoves;
class TNoise;
class TParticlesDisplay;
class TPhysics;
class TProjectileDisplay;
class TTumbokDisplay;

class TMapDisplay {
public:
    // A click this close to a tumbok's box still picks it.
    static constexpr int selectMargin = 10;
    static constexpr SDLKey recentreKey = SDLK_c;

    // Hands the tumbok and projectile displays to the physics and starts the game music.
    TMapDisplay(TDisplay& display, TContext& context, TFont& font, TNoise& noise, TPhysics& physics);
    // Stops the music and takes the displays back from the physics.
    ~TMapDisplay();
    TMapDisplay(const TMapDisplay&) = delete;
    TMapDisplay& operator=(const TMapDisplay&) = delete;

    // The camera's share of the player's input: Control + arrows, and `c` to recentre.
    void handleEvent(const SDL_Event& event);
    // Advances the physics one step (unless the escape menu is up), moves the camera and draws.
    void draw();
    // The click pick of a tumbok of the team on turn, at a window point.
    void selectAt(int sx, int sy);
    // With mouse scrolling off, a right click recentres on the clicked point and frees the camera; false
    // (nothing done) with scrolling on.
    bool rightClickAt(int sx, int sy);
    void setWeapon(TWeapon weapon);
    // False when the physics refused the shot.
    bool fire(int power);

    TDisplay& display;
    TContext& context;
    TFont& font;
    TNoise& noise;
    SurfacePtr background;
    // The physics driver's own surface; it stays the driver's to free.
    SDL_Surface* terrain;
    TGameStateStack& gameStates;
    // Commands and the displays it stamps with; everything drawn is read through the view.
    TPhysics& physics;
    TPhysicsView world;
    std::unique_ptr<TTumbokDisplay> tumbokDisplay;
    std::unique_ptr<TProjectileDisplay> projectileDisplay;
    std::unique_ptr<TParticlesDisplay> particlesDisplay;
    std::unique_ptr<TExplosionDisplay> explosionDisplay;
    std::unique_ptr<TExplosifsDisplay> explosifsDisplay;
    std::unique_ptr<TMoves> moves;
    bool freeView = false;
    bool stopped = false;
    // Where the mouse is in the window; tests replace the SDL reading.
    std::function<SDL_Rect()> mousePosition;

private:
    void moveCamera(const TTumbok* cur);
    // `c`: centre on the active tumbok over a few frames, to the last pixel.
    void recentre(const TTumbok& cur);
    void scrollWithMouse();
    void drawScenery() const;
    void drawObjects(const TTumbok* cur);

    bool recentring_ = false;
    bool recentreKeyHeld_ = false;
};
