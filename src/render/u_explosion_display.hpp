// Drawing the blasts of an explosion: six frames of a fireball, each blast growing with its age.
#pragma once

#include "render/u_basic_display.hpp"
#include "render/u_picture_cache.hpp"
#include "resources/u_sdl_handles.hpp"

#include <vector>

class TExplosion;

class TExplosionDisplay : public TBasicDisplay {
public:
    static constexpr int frameCount = 6;

    TExplosionDisplay(TDisplay& display, TMoves& moves);

    // Every blast of the explosion, in creation order; drawing does not age them.
    void draw(const TExplosion& explosion);
    // One blast centred on map point (x, y); a negative age (still waiting) or an age past the frames
    // draws nothing.
    void drawNode(int x, int y, int radius, int age);
    // The width a blast of this radius is drawn at for its age.
    static int nodeSize(int radius, int age);

    // The six frames of the sheet, first on top; empty pictures when the sheet is missing.
    std::vector<SurfacePtr> frames;

private:
    void cutFrames(SDL_Surface* sheet);
    // The frame of that age zoomed to the blast's size; null when there is nothing to draw.
    SDL_Surface* zoomedFrame(int radius, int age);

    // Zoomed frames by age and size: explosions of a chain share them.
    TPictureCache zoomed_;
};
