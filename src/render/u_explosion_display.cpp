#include "render/u_explosion_display.hpp"

#include "physics/u_data_explosion.hpp"
#include "resources/u_data_files.hpp"
#include "resources/u_image_loader.hpp"

namespace {

// Sizes stay below a blast's radius, a few hundred pixels: age and size make one key.
constexpr int sizeKeys = 1 << 16;
// Blasts reach 56 to 150 pixels and are drawn at five ages: at most 5 x 95 sizes, some 7 MB of pictures.
constexpr std::size_t zoomCacheCapacity = 512;

} // namespace

TExplosionDisplay::TExplosionDisplay(TDisplay& display, TMoves& moves)
    : TBasicDisplay(display, moves), zoomed_(zoomCacheCapacity) {
    const SurfacePtr sheet = loadGameImage(dataFile::explosionFrames);
    cutFrames(sheet.get());
    // Every size a blast can take, zoomed now: zoomed when first drawn, they made the busiest frames of a
    // chain slow.
    for (int radius = TExplosion::smallestRadius; radius <= TExplosion::baseRadius; ++radius) {
        for (int age = 1; age < static_cast<int>(frames.size()); ++age) {
            zoomedFrame(radius, age);
        }
    }
}

void TExplosionDisplay::cutFrames(SDL_Surface* sheet) {
    frames = cutFrameSheet(sheet, frameCount);
}

void TExplosionDisplay::draw(const TExplosion& explosion) {
    for (const TExplosionNode& node : explosion.nodes()) {
        drawNode(node.x, node.y, node.radius, node.age);
    }
}

int TExplosionDisplay::nodeSize(int radius, int age) {
    return radius * age / 6;
}

SDL_Surface* TExplosionDisplay::zoomedFrame(int radius, int age) {
    if (age < 0 || age >= static_cast<int>(frames.size())) {
        return nullptr;
    }
    const int size = nodeSize(radius, age);
    SDL_Surface* frame = frames[static_cast<std::size_t>(age)].get();
    // A blast of no size, or a frame of no width, has nothing to show (and nothing to divide by).
    if (size <= 0 || size >= sizeKeys || frame->w <= 0 || frame->h <= 0) {
        return nullptr;
    }
    // The frames never change, so the first stands for the whole set; the key holds the age as well.
    const int key = age * sizeKeys + size;
    return zoomed_.obtain(frames.front().get(), key,
                          [&] { return zoomPicture(frame, static_cast<double>(size) / frame->w); });
}

void TExplosionDisplay::drawNode(int x, int y, int radius, int age) {
    if (age < 0 || age >= static_cast<int>(frames.size())) {
        return;
    }
    const int size = nodeSize(radius, age);
    const SDL_Surface* frame = frames[static_cast<std::size_t>(age)].get();
    if (size <= 0 || size >= sizeKeys || frame->w <= 0 || frame->h <= 0) {
        return;
    }
    const double zoom = static_cast<double>(size) / frame->w;
    const int zoomedHeight = static_cast<int>(frame->h * zoom) + 2;
    if (!isVisible(screenX(x) - size / 2 - 1, screenY(y) - zoomedHeight / 2 - 1, size + 2,
                   zoomedHeight + 2)) {
        return;
    }
    SDL_Surface* zoomed = zoomedFrame(radius, age);
    if (zoomed == nullptr) {
        return;
    }
    blitToScreen(zoomed, nullptr, screenX(x) - zoomed->w / 2, screenY(y) - zoomed->h / 2);
}
