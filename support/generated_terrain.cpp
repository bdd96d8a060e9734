#include "support/generated_terrain.hpp"

#include "physics/u_physics_data.hpp"
#include "resources/u_random.hpp"
#include "resources/u_surface_utils.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr int waveCount = 3;

// Height of the ground's top edge in every column.
std::vector<int> hillOutline(int width, int height) {
    double phases[waveCount];
    double wavelengths[waveCount];
    for (int i = 0; i < waveCount; ++i) {
        phases[i] = RandomUnit() * 2.0 * std::numbers::pi;
        wavelengths[i] = (200.0 + Random(600)) / (i + 1);
    }
    std::vector<int> outline(static_cast<std::size_t>(std::max(width, 0)));
    for (int x = 0; x < width; ++x) {
        double top = height * 0.55;
        for (int i = 0; i < waveCount; ++i) {
            top +=
                height * 0.12 / (i + 1) * std::sin(2.0 * std::numbers::pi * x / wavelengths[i] + phases[i]);
        }
        outline[static_cast<std::size_t>(x)] = std::clamp(static_cast<int>(top), 0, height);
    }
    return outline;
}

} // namespace

SurfacePtr generateHillsTerrain(int width, int height) {
    SurfacePtr terrain = createSurface(width, height, true);
    SDL_FillRect(terrain.get(), nullptr, SDL_MapRGBA(terrain->format, 0, 0, 0, 0));
    const std::vector<int> outline = hillOutline(terrain->w, terrain->h);
    const TTerrainReader writer(terrain.get());
    for (int x = 0; x < writer.width(); ++x) {
        for (int y = outline[static_cast<std::size_t>(x)]; y < writer.height(); ++y) {
            // Grass on top, earth that darkens with depth below.
            const int depth = y - outline[static_cast<std::size_t>(x)];
            const Uint8 shade = static_cast<Uint8>(std::max(150 - depth / 6, 70));
            const Uint32 colour = depth < 6
                                      ? SDL_MapRGBA(terrain->format, 70, 150, 50, 255)
                                      : SDL_MapRGBA(terrain->format, shade, shade * 2 / 3, shade / 3, 255);
            writer.writeAt(x, y, colour);
        }
    }
    return terrain;
}
