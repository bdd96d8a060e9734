#include "render/u_map_display.hpp"

#include "app/u_context.hpp"
#include "app/u_display.hpp"
#include "model/u_data_teams.hpp"
#include "model/u_game_states.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_explosion.hpp"
#include "physics/u_physics_particles.hpp"
#include "physics/u_physics_projectile_manager.hpp"
#include "render/u_explosifs_display.hpp"
#include "render/u_explosion_display.hpp"
#include "render/u_map_moves.hpp"
#include "render/u_particles_display.hpp"
#include "render/u_projectile_display.hpp"
#include "render/u_tumbok_display.hpp"
#include "resources/u_image_loader.hpp"
#include "resources/u_key_modifiers.hpp"
#include "resources/u_numbers.hpp"
#include "sound/u_sound.hpp"

namespace {

SDL_Rect sdlMousePosition() {
    int x = 0;
    int y = 0;
    SDL_GetMouseState(&x, &y);
    return {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
}

TVector boxCentre(const TTumbok& t) {
    return {t.position.x + t.width / 2, t.position.y + t.height / 2};
}

// The background the setup panel checked when it is the chosen one, else the chosen one from its file.
SurfacePtr takeBackground(TContext& context) {
    TCheckedMaps& checked = context.checkedMaps;
    if (checked.background && checked.backgroundName == context.preferences.gameBackground) {
        checked.backgroundName.clear();
        return std::move(checked.background);
    }
    return loadMapImage(context.preferences.gameBackground, TImageConversion::ConversionOpaque);
}

} // namespace

TMapDisplay::TMapDisplay(TDisplay& display, TContext& context, TFont& font, TNoise& noise, TPhysics& physics)
    : display(display), context(context), font(font), noise(noise), background(takeBackground(context)),
      terrain(physics.terrainSurface()), gameStates(physics.gameStateStack()), physics(physics),
      world(physics.view()), mousePosition(sdlMousePosition) {
    // The background shows through the terrain's transparent pixels, whatever made the surface.
    if (terrain != nullptr && terrain->format->Amask != 0) {
        SDL_SetAlpha(terrain, SDL_SRCALPHA, SDL_ALPHA_OPAQUE);
    }
    moves = std::make_unique<TMoves>(display.screen, terrain, background.get());
    projectileDisplay = std::make_unique<TProjectileDisplay>(display, *moves);
    explosionDisplay = std::make_unique<TExplosionDisplay>(display, *moves);
    explosifsDisplay = std::make_unique<TExplosifsDisplay>(display, *moves);
    particlesDisplay = std::make_unique<TParticlesDisplay>(display, *moves);
    tumbokDisplay = std::make_unique<TTumbokDisplay>(display, *moves, world.teams);
    physics.attachStampers(tumbokDisplay.get(), projectileDisplay.get());
    if (const TTumbok* cur = world.teams.currentTumbok()) {
        moves->centerOn(false, cur->position.x, cur->position.y);
    }
    noise.playMusic(TTypeMusic::MusicGame, -1);
}

TMapDisplay::~TMapDisplay() {
    noise.stopMusic();
    physics.attachStampers(nullptr, nullptr);
}

void TMapDisplay::handleEvent(const SDL_Event& event) {
    const bool isKey = event.type == SDL_KEYDOWN || event.type == SDL_KEYUP;
    // Key repeat sends presses without releases: `c` acts on a fresh press only.
    bool freshRecentre = false;
    if (isKey && event.key.keysym.sym == recentreKey) {
        freshRecentre = event.type == SDL_KEYDOWN && !recentreKeyHeld_;
        recentreKeyHeld_ = event.type == SDL_KEYDOWN;
    }
    if (controlHeld()) {
        if (isKey) {
            switch (event.key.keysym.sym) {
            case SDLK_UP:
                moves->moveBy(0, -1);
                break;
            case SDLK_DOWN:
                moves->moveBy(0, 1);
                break;
            case SDLK_RIGHT:
                moves->moveBy(1, 0);
                break;
            case SDLK_LEFT:
                moves->moveBy(-1, 0);
                break;
            default:
                break;
            }
        }
        freeView = true;
        recentring_ = false;
        return;
    }
    if (gameStates.current() != TGameStateType::StateNormal || event.type != SDL_KEYDOWN) {
        return;
    }
    freeView = false;
    if (freshRecentre) {
        recentring_ = true;
        if (const TTumbok* cur = world.teams.currentTumbok()) {
            recentre(*cur);
        }
    }
}

void TMapDisplay::recentre(const TTumbok& cur) {
    const TVector centre = boxCentre(cur);
    // The quarter steps stop a pixel or two short; the last one snaps.
    if (!moves->centerOn(true, centre.x, centre.y)) {
        moves->centerOn(false, centre.x, centre.y);
        recentring_ = false;
    }
}

void TMapDisplay::draw() {
    if (stopped) {
        return;
    }
    const TTumbok* cur = world.teams.currentTumbok();
    if (gameStates.current() != TGameStateType::StateEscMenu) {
        if (!physics.step()) {
            stopped = true;
            return;
        }
        moveCamera(cur);
    }
    scrollWithMouse();
    drawScenery();
    drawObjects(cur);
}

void TMapDisplay::moveCamera(const TTumbok* cur) {
    const TGameStateType top = gameStates.current();
    if (top != TGameStateType::StateNormal) {
        recentring_ = false;
    }
    if (recentring_ && cur != nullptr) {
        recentre(*cur);
        return;
    }
    if (freeView) {
        return;
    }
    const TProjectileManager& shots = world.projectiles;
    if (top == TGameStateType::StateMotion) {
        const TVector target = shots.inFlight() ? shots.projectile->position : shots.lastPosition;
        moves->follow(false, target.x, target.y);
    } else if (top == TGameStateType::StateAfterMotion) {
        moves->follow(false, shots.lastPosition.x, shots.lastPosition.y);
    } else if (cur != nullptr) {
        moves->follow(true, cur->position.x, cur->position.y);
    }
}

void TMapDisplay::scrollWithMouse() {
    if (!context.preferences.scrolling || recentring_) {
        return;
    }
    freeView = true;
    const SDL_Rect mouse = mousePosition();
    moves->follow(true, moves->view.x + mouse.x, moves->view.y + mouse.y);
}

void TMapDisplay::drawScenery() const {
    SDL_Surface* screen = display.screen;
    SDL_Rect backPart = moves->backView;
    SDL_Rect origin = {0, 0, 0, 0};
    if (background->w > 0 && background->h > 0) {
        SDL_BlitSurface(background.get(), &backPart, screen, &origin);
    }
    if (terrain != nullptr && terrain->w > 0 && terrain->h > 0) {
        SDL_Rect mapPart = moves->view;
        origin = {0, 0, 0, 0};
        SDL_BlitSurface(terrain, &mapPart, screen, &origin);
    }
}

void TMapDisplay::drawObjects(const TTumbok* cur) {
    for (const auto& box : world.boxes.list) {
        explosifsDisplay->draw(*box);
    }
    for (const TTeam& team : world.teams.teams) {
        for (const TTumbok& t : team.tumboks) {
            if (!t.out) {
                tumbokDisplay->draw(t, &t == cur);
            }
        }
    }
    if (TProjectile* shot = physics.projectileInFlight()) {
        projectileDisplay->draw(*shot);
    } else if (gameStates.current() == TGameStateType::StateNormal && cur != nullptr) {
        tumbokDisplay->drawArrow(*cur);
    }
    for (const auto& explosion : world.explosions.list) {
        explosionDisplay->draw(*explosion);
    }
    particlesDisplay->draw(world.particles.fountains);
}

void TMapDisplay::selectAt(int sx, int sy) {
    const int wx = moves->view.x + sx;
    const int wy = moves->view.y + sy;
    const TTeam* team = world.teams.currentTeam();
    if (team == nullptr) {
        return;
    }
    for (int d = 0; d < team->count; ++d) {
        const TTumbok& t = team->tumboks[static_cast<std::size_t>(d)];
        if (t.out) {
            continue;
        }
        const int left = mapPixel(t.position.x);
        const int top = mapPixel(t.position.y);
        if (wx + selectMargin >= left && wx - selectMargin < left + TMoves::followWidth &&
            wy + selectMargin >= top && wy - selectMargin < top + TMoves::followHeight) {
            physics.selectTumbok(d);
            return;
        }
    }
}

bool TMapDisplay::rightClickAt(int sx, int sy) {
    if (context.preferences.scrolling) {
        return false;
    }
    moves->centerOn(true, moves->view.x + sx, moves->view.y + sy);
    freeView = true;
    recentring_ = false;
    return true;
}

void TMapDisplay::setWeapon(TWeapon weapon) {
    tumbokDisplay->setWeapon(weapon);
}

bool TMapDisplay::fire(int power) {
    const TTumbok* cur = world.teams.currentTumbok();
    if (cur == nullptr) {
        return false;
    }
    return physics.fire(power, tumbokDisplay->weapon, tumbokDisplay->firingAngle(*cur));
}
