// The whole battlefield in small inside the expanded information bar: background and terrain scaled down,
// a dot per tumbok, the camera's window in red; a click there moves the camera.
#pragma once

#include "model/u_data_objects.hpp"
#include "physics/u_physics_view.hpp"
#include "resources/u_sdl_handles.hpp"

#include <cstdint>
#include <optional>

class TDisplay;
class TMapDisplay;
class TMoves;

// What the minimap shows and steers, as the map display holds it.
struct TMinimapSources {
    SDL_Surface* background;
    SDL_Surface* terrain;
    TMoves& moves;
    // Set by a click so that the camera stays where it was sent.
    bool& freeView;
};

TMinimapSources minimapSourcesOf(TMapDisplay& mapDisplay);

struct TMapPoint {
    int x;
    int y;
    bool operator==(const TMapPoint&) const = default;
};

class TMinimap {
public:
    static constexpr Uint32 frameColour = 0xC0333333u;
    static constexpr Uint32 dotBlack = 0xC0000000u;
    static constexpr Uint32 outlineColour = 0xC0FF0000u;
    // The outline is kept this close to the minimap, whatever the camera's window is.
    static constexpr int outlineReach = 3;

    TMinimap(TDisplay& display, int x, int y, int maxWidth, int maxHeight, TMapDisplay& mapDisplay,
             const TPhysicsView& physics, int screenWidth, int screenHeight);
    TMinimap(TDisplay& display, int x, int y, int maxWidth, int maxHeight, const TMinimapSources& sources,
             const TPhysicsView& physics, int screenWidth, int screenHeight);
    TMinimap(const TMinimap&) = delete;
    TMinimap& operator=(const TMinimap&) = delete;

    void draw();
    // A mouse press within the minimap centres the camera there; true when it did.
    bool handleEvent(const SDL_Event& event);

    // The map point a press at (dx, dy) from the minimap's corner stands for; none outside it, or when
    // there is no map to show.
    std::optional<TMapPoint> mapPointAt(int dx, int dy) const;
    bool empty() const { return area.w == 0 || area.h == 0; }
    static Uint32 teamColour(int team);

    TPhysicsView physics;
    TDisplay& display;
    TMoves& moves;
    bool& freeView;
    SDL_Surface* background;
    SDL_Surface* terrain;
    const SDL_Rect& camera;
    double backScale = 0.0;
    double mapScale = 0.0;
    SDL_Rect area;
    SDL_Rect blitPos;
    SDL_Rect viewRect;

    // Each pixel of the small terrain averages up to 4 x 4 pixels spread evenly over the part of the terrain
    // it stands for.
    static constexpr int samplesAcross = 4;

private:
    // Brings the small picture up to date: all of it the first time, then only the parts where the terrain
    // changed since the last draw.
    void refreshPicture();
    // The part of the small picture that shows the given part of the terrain.
    SDL_Rect smallPartOf(const TPixelRect& changed) const;
    // Samples that part of the terrain again and composes it over the background.
    void redraw(const SDL_Rect& part);
    void sampleTerrain(const SDL_Rect& part);
    void drawTumboks() const;
    void drawView();
    void fillClipped(SDL_Rect box, int x, int y, int w, int h, Uint32 colour) const;

    SurfacePtr scaledBackground_;
    SurfacePtr scaledTerrain_;
    SurfacePtr picture_;
    bool pictureDrawn_ = false;
    // The terrain changes of the match already shown.
    std::size_t changesSeen_ = 0;
};
