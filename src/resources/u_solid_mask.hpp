// A picture's solid pixels, one bit each, row by row: the ground of a terrain as the placement of bodies
// reads it, small enough to keep beside the largest pictures (4 MB for 8192 x 4096), and read 64 pixels at a
// time.
#pragma once

#include <cstdint>
#include <vector>

class TSolidMask {
public:
    using TWord = std::uint64_t;
    static constexpr int wordBits = 64;

    TSolidMask() = default;
    TSolidMask(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    // Words per row: bit i of word k is the pixel at x = 64 k + i; the bits past the width stay clear.
    int wordsPerRow() const { return wordsPerRow_; }

    void set(int x, int y) {
        words_[index(y) + static_cast<std::size_t>(x / wordBits)] |= TWord{1} << (x % wordBits);
    }
    // The 64 pixels from x = 64 k on, bit i for x = 64 k + i.
    void setWord(int k, int y, TWord word) { words_[index(y) + static_cast<std::size_t>(k)] = word; }
    // Outside the picture nothing is solid.
    bool at(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_ &&
               ((words_[index(y) + static_cast<std::size_t>(x / wordBits)] >> (x % wordBits)) & 1U) != 0;
    }
    // Row y's words; y must lie inside the picture.
    const TWord* row(int y) const { return &words_[index(y)]; }
    bool rowHasSolid(int y) const;

private:
    std::size_t index(int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(wordsPerRow_);
    }

    int width_ = 0;
    int height_ = 0;
    int wordsPerRow_ = 0;
    std::vector<TWord> words_;
};
