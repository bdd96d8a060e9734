// Where the terrain picture has changed during a match: every square a blast carved and every rectangle a
// grave or a stuck shot was composed into, in order. Whatever shows the terrain in small redraws only those
// parts; each reader keeps how many of them it has seen.
#pragma once

#include "model/u_data_objects.hpp"

#include <vector>

class TTerrainChanges {
public:
    // An empty rectangle changed nothing and is not kept.
    void add(const TPixelRect& rect) {
        if (!rect.empty()) {
            rects_.push_back(rect);
        }
    }
    const std::vector<TPixelRect>& all() const { return rects_; }

private:
    std::vector<TPixelRect> rects_;
};
