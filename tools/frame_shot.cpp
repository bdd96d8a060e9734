// Draws frames of a match on the game's own maps and saves the window as a BMP, to look at the battlefield
// without a display. Usage: frame_shot <out.bmp> [terrain] [background] [quiet | blast] [seed]
// Run from the build directory (the one holding data/).
#include "app/u_context.hpp"
#include "app/u_display.hpp"
#include "model/u_data_teams.hpp"
#include "model/u_game_states.hpp"
#include "physics/u_physics.hpp"
#include "physics/u_physics_explosion.hpp"
#include "physics/u_physics_messages.hpp"
#include "physics/u_physics_projectile_manager.hpp"
#include "render/u_map_display.hpp"
#include "render/u_tumbok_display.hpp"
#include "resources/u_font.hpp"
#include "resources/u_random.hpp"
#include "sound/u_sound.hpp"
#include "support/physics_peer.hpp"

#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace {

class TPrintedMessages final : public TMessageSink {
public:
    void add(const std::string& text) override { std::cout << "message: " << text << std::endl; }
};

bool blastShowing(const TPhysics& physics) {
    for (const auto& explosion : physics.view().explosions.list) {
        for (const TExplosionNode& node : explosion->nodes()) {
            if (node.age >= 3) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: frame_shot <out.bmp> [terrain] [background] [quiet | blast] [seed]" << std::endl;
        return 2;
    }
    const std::string out = argv[1];
    const std::string terrain = argc > 2 ? argv[2] : "fore_basic.png";
    const std::string background = argc > 3 ? argv[3] : "back_day.png";
    const bool blast = argc > 4 && std::string(argv[4]) == "blast";
    const std::uint32_t seed = argc > 5 ? static_cast<std::uint32_t>(std::strtoul(argv[5], nullptr, 10)) : 3;

    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    SDL_Init(SDL_INIT_VIDEO);
    int status = 0;
    {
        const std::string config =
            (std::filesystem::temp_directory_path() / "morvatek-frame-shot.txt").string();
        TContext context(config);
        context.preferences.gameMap = terrain;
        context.preferences.gameBackground = background;
        context.preferences.nbExplosifs = 8;
        TDisplay display(context.preferences);
        TFont font;
        TNoise noise(context.preferences);
        TPrintedMessages messages;
        seedRandom(seed);
        TPhysics physics(noise, messages, context, 4, 4, 0);
        {
            TMapDisplay map(display, context, font, noise, physics);
            const auto frame = [&] {
                SDL_FillRect(display.screen, nullptr, 0);
                map.draw();
                physics.takeNewTurn();
            };
            for (int i = 0; i < 60; ++i) {
                frame();
            }
            map.tumbokDisplay->changeAim(36);
            if (blast) {
                // A blast a little ahead of the active tumbok, shown once its fireballs have grown.
                const TTumbok& cur = *physics.view().teams.currentTumbok();
                const double ahead = cur.direction == TDirection::DirectionRight ? 120.0 : -120.0;
                peer(physics).explosions().add({cur.position.x + ahead, cur.position.y + 30.0});
                for (int i = 0; i < 40 && !blastShowing(physics); ++i) {
                    frame();
                }
            } else {
                map.setWeapon(TWeapon::WeaponGrenade);
                frame();
            }
            if (SDL_SaveBMP(display.screen, out.c_str()) != 0) {
                std::cerr << "cannot write " << out << ": " << SDL_GetError() << std::endl;
                status = 1;
            }
        }
        std::filesystem::remove(config);
    }
    SDL_Quit();
    return status;
}
