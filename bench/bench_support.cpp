#include "bench/bench_support.hpp"

#include "resources/u_surface_utils.hpp"
#include "support/terrain_builder.hpp"

SurfacePtr floorTerrain() {
    return flatTerrain(1600, 1200, 600, {138, 90, 52, 255});
}

TFloorScene::TFloorScene()
    : background(createSurface(1600, 1200, false)), terrain(floorTerrain()), screen(SDL_GetVideoSurface()) {
    SDL_FillRect(background.get(), nullptr, SDL_MapRGB(background->format, 95, 168, 255));
}

void TFloorScene::drawFloor() {
    SDL_FillRect(screen, nullptr, 0);
    SDL_Rect view = {400, 300, 800, 600};
    SDL_BlitSurface(background.get(), &view, screen, nullptr);
    SDL_BlitSurface(terrain.get(), &view, screen, nullptr);
    SDL_UpdateRect(screen, 0, 0, 0, 0);
}
