#include "resources/u_solid_mask.hpp"

#include <algorithm>

TSolidMask::TSolidMask(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      wordsPerRow_((width_ + wordBits - 1) / wordBits),
      words_(static_cast<std::size_t>(wordsPerRow_) * static_cast<std::size_t>(height_), 0) {}

bool TSolidMask::rowHasSolid(int y) const {
    const TWord* words = row(y);
    return std::any_of(words, words + wordsPerRow_, [](TWord word) { return word != 0; });
}
