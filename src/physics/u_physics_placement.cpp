#include "physics/u_physics_placement.hpp"

#include "physics/u_physics_data.hpp"
#include "resources/u_random.hpp"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace {

using TWord = TSolidMask::TWord;
constexpr int wordBits = TSolidMask::wordBits;

// Bit x of out becomes bit x + by of in (by may be negative); bits from beyond the row are clear.
void shiftBits(const std::vector<TWord>& in, int by, std::vector<TWord>& out) {
    const auto words = static_cast<int>(in.size());
    const int whole = (by >= 0 ? by : -by) / wordBits;
    const int part = (by >= 0 ? by : -by) % wordBits;
    std::fill(out.begin(), out.end(), 0);
    if (whole >= words) {
        return;
    }
    const TWord* from = in.data();
    TWord* to = out.data();
    if (by >= 0) {
        // Towards lower bits: word k takes from words k + whole and the one after.
        for (int k = 0; k + whole < words; ++k) {
            to[k] = from[k + whole] >> part;
            if (part != 0 && k + whole + 1 < words) {
                to[k] |= from[k + whole + 1] << (wordBits - part);
            }
        }
    } else {
        // Towards higher bits: word k takes from words k - whole and the one before.
        for (int k = whole; k < words; ++k) {
            to[k] = from[k - whole] << part;
            if (part != 0 && k - whole - 1 >= 0) {
                to[k] |= from[k - whole - 1] >> (wordBits - part);
            }
        }
    }
}

// One row of corners as bits, bit x for the corner at x, and the steps that combine them.
class TCornerRow {
public:
    explicit TCornerRow(int words)
        : bits_(static_cast<std::size_t>(words)), shifted_(bits_.size()), original_(bits_.size()) {}

    void clear() { std::fill(bits_.begin(), bits_.end(), 0); }
    void orRow(const TWord* row) {
        for (std::size_t k = 0; k < bits_.size(); ++k) {
            bits_[k] |= row[k];
        }
    }
    void orWith(const std::vector<TWord>& other) {
        for (std::size_t k = 0; k < bits_.size(); ++k) {
            bits_[k] |= other[k];
        }
    }
    void andNot(const TCornerRow& other) {
        for (std::size_t k = 0; k < bits_.size(); ++k) {
            bits_[k] &= ~other.bits_[k];
        }
    }
    // Bit x becomes bit x + by.
    void shift(int by) {
        shiftBits(bits_, by, shifted_);
        bits_.swap(shifted_);
    }
    // Bit x becomes the OR of bits x + from .. x + to. The part from x on doubles the span it covers at each
    // step; a part left of x (from < 0) is added from the row as it was, since bits left of the row's start
    // are not kept.
    void spread(int from, int to) {
        original_ = bits_;
        const int start = std::max(from, 0);
        const int span = to - start + 1;
        for (int covered = 1; covered < span;) {
            const int step = std::min(covered, span - covered);
            shiftBits(bits_, step, shifted_);
            orWith(shifted_);
            covered += step;
        }
        shift(start);
        for (int left = from; left < 0; ++left) {
            shiftBits(original_, left, shifted_);
            orWith(shifted_);
        }
    }
    void keepBelow(int limit) {
        for (std::size_t k = 0; k < bits_.size(); ++k) {
            const int first = static_cast<int>(k) * wordBits;
            if (first >= limit) {
                bits_[k] = 0;
            } else if (limit - first < wordBits) {
                bits_[k] &= (TWord{1} << (limit - first)) - 1;
            }
        }
    }
    // Calls found(x) for every set bit from the left until it returns false; false when stopped.
    template <typename Found> bool visit(Found found) const {
        for (std::size_t k = 0; k < bits_.size(); ++k) {
            for (TWord word = bits_[k]; word != 0; word &= word - 1) {
                if (!found(static_cast<int>(k) * wordBits + std::countr_zero(word))) {
                    return false;
                }
            }
        }
        return true;
    }

private:
    std::vector<TWord> bits_;
    std::vector<TWord> shifted_;
    std::vector<TWord> original_;
};

// Calls found(x, y) for every corner in the placement range where the body stands, row by row, until it
// returns false. A corner holds the body when the row under its feet has solid ground from x - 1 to
// x + w + 1, and neither the row of its feet nor its top row from x to x + w, nor its two sides over the top
// w + 1 rows, hold any.
template <typename Found>
void visitStandingSpots(const TSolidMask& solid, int bodyWidth, int bodyHeight, int marginX, int marginY,
                        Found found) {
    const int w = bodyWidth;
    const int h = bodyHeight;
    const int rangeX = std::max(solid.width() - marginX, 1);
    const int rangeY = std::max(solid.height() - marginY, 1);
    const int words = solid.wordsPerRow();
    TCornerRow stands(words);
    TCornerRow blocked(words);
    TCornerRow sides(words);
    // Bit x: any solid pixel in row y from x + from to x + to.
    const auto rowOr = [&](TCornerRow& bits, int y, int from, int to) {
        bits.clear();
        if (y >= 0 && y < solid.height()) {
            bits.orRow(solid.row(y));
            bits.spread(from, to);
        }
    };
    for (int y = 0; y < rangeY; ++y) {
        const int feet = y + h + 1;
        // A row with nothing solid under the body cannot hold it anywhere.
        if (feet < 0 || feet >= solid.height() || !solid.rowHasSolid(feet)) {
            continue;
        }
        rowOr(stands, feet, -1, w + 1);
        rowOr(blocked, feet - 1, 0, w);
        stands.andNot(blocked);
        rowOr(blocked, y, 0, w);
        stands.andNot(blocked);
        sides.clear();
        for (int r = std::max(y, 0); r <= std::min(y + w, solid.height() - 1); ++r) {
            sides.orRow(solid.row(r));
        }
        stands.andNot(sides);
        sides.shift(w);
        stands.andNot(sides);
        stands.keepBelow(rangeX);
        if (!stands.visit([&](int x) { return found(x, y); })) {
            return;
        }
    }
}

} // namespace

TSolidMask solidMaskOf(SDL_Surface* terrain) {
    const TTerrainReader reader(terrain);
    TSolidMask solid(reader.width(), reader.height());
    if (reader.bytesPerPixel() != 4) {
        for (int y = 0; y < reader.height(); ++y) {
            for (int x = 0; x < reader.width(); ++x) {
                if (reader.solidAt(x, y)) {
                    solid.set(x, y);
                }
            }
        }
        return solid;
    }
    // Every pixel of the largest maps is read here, once per match: 32-bit pictures are read row by row and
    // packed 64 pixels to a word.
    for (int y = 0; y < reader.height(); ++y) {
        const Uint32* pixels = reader.width() > 0 ? reader.pixel32(0, y) : nullptr;
        for (int first = 0; first < reader.width(); first += TSolidMask::wordBits) {
            const int count = std::min(TSolidMask::wordBits, reader.width() - first);
            TWord word = 0;
            for (int i = 0; i < count; ++i) {
                word |= TWord{reader.isSolidPixel(pixels[first + i])} << i;
            }
            solid.setWord(first / TSolidMask::wordBits, y, word);
        }
    }
    return solid;
}

TStandingSpots::TStandingSpots(const TSolidMask& solid, int bodyWidth, int bodyHeight, int marginX,
                               int marginY) {
    visitStandingSpots(solid, bodyWidth, bodyHeight, marginX, marginY, [this](int x, int y) {
        spots_.push_back(TPixelPoint{x, y});
        return true;
    });
}

bool tumbokCanStand(const TSolidMask& solid) {
    bool found = false;
    visitStandingSpots(solid, TTumbok::tumbokWidth, TTumbok::tumbokHeight, tumbokMarginX, tumbokMarginY,
                       [&found](int, int) {
                           found = true;
                           return false;
                       });
    return found;
}

TPixelPoint TStandingSpots::pick() const {
    return spots_[static_cast<std::size_t>(Random(count()))];
}
