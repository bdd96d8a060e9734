#include "png_writer.hpp"

#include <png.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace {
void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

// How a filtered byte counts in libpng's choice of filter: its distance from zero, read as a signed byte.
std::uint32_t weight(int filtered) {
    const auto v = static_cast<std::uint32_t>(filtered) & 0xFFU;
    return std::min(v, 256U - v);
}

int paethPredictor(int a, int b, int c) {
    const int p = b - c;
    const int q = a - c;
    const int pa = std::abs(p);
    const int pb = std::abs(q);
    const int pc = std::abs(p + q);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

struct TFilterSums {
    std::uint32_t none = 0;
    std::uint32_t sub = 0;
    std::uint32_t up = 0;
    std::uint32_t average = 0;
    std::uint32_t paeth = 0;

    // The bytes and their neighbours to the left (a), above (b) and above left (c).
    void add(int raw, int a, int b, int c) {
        none += weight(raw);
        sub += weight(raw - a);
        up += weight(raw - b);
        average += weight(raw - (a + b) / 2);
        paeth += weight(raw - paethPredictor(a, b, c));
    }
};

#if defined(__SSE2__)
// The weights of 16 filtered bytes summed into the two halves of a register.
__m128i weights(__m128i filtered) {
    const __m128i distance = _mm_min_epu8(filtered, _mm_sub_epi8(_mm_setzero_si128(), filtered));
    return _mm_sad_epu8(distance, _mm_setzero_si128());
}

// The Paeth predictions of eight bytes widened to 16 bits: a left, b above, c above left.
__m128i paethPredictors(__m128i a, __m128i b, __m128i c) {
    const auto absolute = [](__m128i v) { return _mm_max_epi16(v, _mm_sub_epi16(_mm_setzero_si128(), v)); };
    const __m128i p = _mm_sub_epi16(b, c);
    const __m128i q = _mm_sub_epi16(a, c);
    const __m128i pa = absolute(p);
    const __m128i pb = absolute(q);
    const __m128i pc = absolute(_mm_add_epi16(p, q));
    // a where pa <= pb and pa <= pc, else b where pb <= pc, else c.
    const __m128i takeA =
        _mm_andnot_si128(_mm_or_si128(_mm_cmpgt_epi16(pa, pb), _mm_cmpgt_epi16(pa, pc)), _mm_set1_epi16(-1));
    const __m128i takeB = _mm_andnot_si128(_mm_cmpgt_epi16(pb, pc), _mm_set1_epi16(-1));
    const __m128i bOrC = _mm_or_si128(_mm_and_si128(takeB, b), _mm_andnot_si128(takeB, c));
    return _mm_or_si128(_mm_and_si128(takeA, a), _mm_andnot_si128(takeA, bOrC));
}

// The sums of 16 bytes at a time from byte `from`, as far as whole groups of 16 go; gives where it stopped.
std::size_t addSixteens(TFilterSums& sums, const std::uint8_t* row, const std::uint8_t* above,
                        std::size_t from, std::size_t bytes, std::size_t pixelBytes) {
    __m128i none = _mm_setzero_si128();
    __m128i sub = _mm_setzero_si128();
    __m128i up = _mm_setzero_si128();
    __m128i average = _mm_setzero_si128();
    __m128i paeth = _mm_setzero_si128();
    const __m128i zero = _mm_setzero_si128();
    const __m128i one = _mm_set1_epi8(1);
    std::size_t i = from;
    for (; i + 16 <= bytes; i += 16) {
        const auto load = [](const std::uint8_t* at) {
            return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        };
        const __m128i raw = load(row + i);
        const __m128i a = load(row + i - pixelBytes);
        const __m128i b = load(above + i);
        const __m128i c = load(above + i - pixelBytes);
        none = _mm_add_epi64(none, weights(raw));
        sub = _mm_add_epi64(sub, weights(_mm_sub_epi8(raw, a)));
        up = _mm_add_epi64(up, weights(_mm_sub_epi8(raw, b)));
        // The rounded-up mean less the bit that rounding added: the mean rounded down, as (a + b) / 2.
        const __m128i mean = _mm_sub_epi8(_mm_avg_epu8(a, b), _mm_and_si128(_mm_xor_si128(a, b), one));
        average = _mm_add_epi64(average, weights(_mm_sub_epi8(raw, mean)));
        const __m128i low = paethPredictors(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero),
                                            _mm_unpacklo_epi8(c, zero));
        const __m128i high = paethPredictors(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero),
                                             _mm_unpackhi_epi8(c, zero));
        paeth = _mm_add_epi64(paeth, weights(_mm_sub_epi8(raw, _mm_packus_epi16(low, high))));
    }
    const auto total = [](__m128i halves) {
        return static_cast<std::uint32_t>(_mm_cvtsi128_si32(halves) +
                                          _mm_cvtsi128_si32(_mm_srli_si128(halves, 8)));
    };
    sums.none += total(none);
    sums.sub += total(sub);
    sums.up += total(up);
    sums.average += total(average);
    sums.paeth += total(paeth);
    return i;
}
#endif

// The filter libpng's own heuristic picks for a row: the least sum of the filtered bytes' weights, the first
// of none, sub, up, average and Paeth on a tie. Worked out here in one pass over the row, instead of the
// five of libpng, and handed to libpng, which then filters the row once; the file is byte for byte the same.
int chosenFilter(const std::uint8_t* row, const std::uint8_t* above, std::size_t bytes,
                 std::size_t pixelBytes) {
    TFilterSums sums;
    const std::size_t first = std::min(pixelBytes, bytes);
    for (std::size_t i = 0; i < first; ++i) {
        sums.add(row[i], 0, above[i], 0);
    }
    std::size_t i = first;
#if defined(__SSE2__)
    i = addSixteens(sums, row, above, i, bytes, pixelBytes);
#endif
    for (; i < bytes; ++i) {
        sums.add(row[i], row[i - pixelBytes], above[i], above[i - pixelBytes]);
    }
    int filter = PNG_FILTER_NONE;
    std::uint32_t least = sums.none;
    for (const auto& [sum, candidate] :
         {std::pair{sums.sub, PNG_FILTER_SUB}, std::pair{sums.up, PNG_FILTER_UP},
          std::pair{sums.average, PNG_FILTER_AVG}, std::pair{sums.paeth, PNG_FILTER_PAETH}}) {
        if (sum < least) {
            least = sum;
            filter = candidate;
        }
    }
    return filter;
}

// Rounds halves away from zero, as lround does: a float plus one half is exact in double precision, so the
// truncation of that sum is the rounding, without a library call per channel.
std::uint8_t toByte(float v) {
    return static_cast<std::uint8_t>(static_cast<double>(clamp01(v) * 255.0F) + 0.5);
}
} // namespace

// Owns libpng's two structures for one encoding; each call that reaches libpng catches its errors itself.
class TPngRowWriter::TEncoder {
public:
    TEncoder() {
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        info_ = png_ != nullptr ? png_create_info_struct(png_) : nullptr;
        if (info_ == nullptr) {
            png_destroy_write_struct(&png_, nullptr);
            throw std::runtime_error("cannot start the PNG encoder");
        }
    }
    ~TEncoder() { png_destroy_write_struct(&png_, &info_); }
    TEncoder(const TEncoder&) = delete;
    TEncoder& operator=(const TEncoder&) = delete;

    void writeHeader(int width, int height, bool alpha) {
        if (setjmp(png_jmpbuf(png_)) != 0) {
            throw std::runtime_error("PNG encoding failed");
        }
        png_set_write_fn(png_, &out_, appendBytes, flushNothing);
        png_set_IHDR(png_, info_, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                     alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_compression_level(png_, 6);
        png_write_info(png_, info_);
    }

    // The first row is left to libpng's own choice of filter: libpng keeps the rows that the up, average
    // and Paeth filters read only when it starts with all filters allowed.
    void writeRow(std::vector<std::uint8_t>& row, std::vector<std::uint8_t>& above, std::size_t pixelBytes) {
        if (setjmp(png_jmpbuf(png_)) != 0) {
            throw std::runtime_error("PNG encoding failed");
        }
        if (rows_ > 0) {
            png_set_filter(png_, PNG_FILTER_TYPE_BASE,
                           chosenFilter(row.data(), above.data(), row.size(), pixelBytes));
        }
        png_write_row(png_, row.data());
        above.swap(row);
        ++rows_;
    }

    std::vector<std::uint8_t> finish() {
        if (setjmp(png_jmpbuf(png_)) != 0) {
            throw std::runtime_error("PNG encoding failed");
        }
        png_write_end(png_, nullptr);
        return std::move(out_);
    }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
    std::vector<std::uint8_t> out_;
    int rows_ = 0;
};

TPngRowWriter::TPngRowWriter(int width, int height, TPngKind kind)
    : encoder_(std::make_unique<TEncoder>()),
      row_(static_cast<std::size_t>(width) * (kind == TPngKind::PngAlpha ? 4 : 3)), above_(row_.size()),
      width_(width), alpha_(kind == TPngKind::PngAlpha) {
    encoder_->writeHeader(width, height, alpha_);
}

TPngRowWriter::~TPngRowWriter() = default;

void TPngRowWriter::writeRow(const TColour* pixels) {
    std::uint8_t* p = row_.data();
    for (int x = 0; x < width_; ++x) {
        const TColour& c = pixels[x];
        const float k = alpha_ ? 1.0F : clamp01(c.a);
        p[0] = toByte(c.r * k);
        p[1] = toByte(c.g * k);
        p[2] = toByte(c.b * k);
        if (alpha_) {
            p[3] = toByte(c.a);
            p += 4;
        } else {
            p += 3;
        }
    }
    encoder_->writeRow(row_, above_, alpha_ ? 4 : 3);
}

std::vector<std::uint8_t> TPngRowWriter::finish() {
    return encoder_->finish();
}

std::vector<std::uint8_t> encodePng(const TImage& image, TPngKind kind) {
    TPngRowWriter writer(image.width(), image.height(), kind);
    for (int y = 0; y < image.height(); ++y) {
        writer.writeRow(&image.at(0, y));
    }
    return writer.finish();
}
