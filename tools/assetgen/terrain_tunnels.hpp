// Tunnels through a terrain: paths of round section wandering through the ground, cut out of its field.
#pragma once

#include <cstdint>
#include <vector>

struct TTunnelPath {
    std::vector<float> xs;
    std::vector<float> ys;
    float radius;
};

// A tunnel wandering from a start point with a given heading.
TTunnelPath wanderingTunnel(float x, float y, float heading, int steps, float radius, std::uint32_t seed);

// Deeper inside than this the exact value of the field does not matter. Capping it there lets a tunnel skip
// the pixels it is farther from than that, without leaving a jump in the field (which painted a seam).
constexpr float carveDepth = 64.0F;

// The tunnels of a picture, their pieces sorted into square tiles so that each pixel measures only the pieces
// near enough to cut it: a piece farther than its tunnel's radius plus carveDepth cannot lower a field that
// is capped at carveDepth.
class TTunnelCarver {
public:
    TTunnelCarver(const std::vector<TTunnelPath>& tunnels, int width, int height);

    // The field value of the pixel in (column, row), whose centre is (x, y), with the tunnels cut out; the
    // field must already hold distances roughly in pixels.
    float carve(float value, int column, int row, float x, float y) const;

private:
    static constexpr int tileShift = 5;

    struct TPiece {
        float ax, ay; // where the piece starts
        float vx, vy; // from its start to its end
        float length2;
        std::int32_t tunnel;
    };

    void addPiece(const TPiece& piece, float x0, float y0, float x1, float y1, float reach,
                  std::vector<std::vector<TPiece>>& tiles) const;

    int tilesAcross_ = 0;
    int tilesDown_ = 0;
    std::vector<float> radii_;
    std::vector<TPiece> pieces_;         // tile by tile, and in a tile tunnel by tunnel
    std::vector<std::size_t> tileFirst_; // the pieces of tile i are [tileFirst_[i], tileFirst_[i + 1])
};
