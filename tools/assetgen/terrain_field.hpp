// The solid mask of a terrain as a field: positive inside matter, roughly in pixels of distance
// to the edge, so that painting can find edges and the alpha edge can be anti-aliased.
#pragma once

#include <cstdint>
#include <vector>

enum class TMaterial : std::uint8_t { Ground, Wood };

class TField {
public:
    TField(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    float& at(int x, int y) { return values_[static_cast<std::size_t>(y) * width_ + x]; }
    float at(int x, int y) const { return values_[static_cast<std::size_t>(y) * width_ + x]; }
    TMaterial& material(int x, int y) { return materials_[static_cast<std::size_t>(y) * width_ + x]; }
    TMaterial material(int x, int y) const { return materials_[static_cast<std::size_t>(y) * width_ + x]; }
    bool solid(int x, int y) const { return at(x, y) > 0.0F; }
    // The first solid row at or below y0 in column x (the last row when there is none).
    int surfaceBelow(int x, int y0) const;

    // Rescales the field by its gradient so that values near the edge are distances in pixels.
    void normaliseToDistance();

private:
    int width_;
    int height_;
    std::vector<float> values_;
    std::vector<TMaterial> materials_;
};
