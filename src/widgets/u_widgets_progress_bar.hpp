// The gauge: a bar filled in proportion to a value, optionally coloured by level, with an optional red mark.
#pragma once

#include "widgets/u_widgets_basic.hpp"

#include <cstdint>

class TWidgetProgressBar : public TWidgetBasic {
public:
    TWidgetProgressBar(std::int32_t value, std::int32_t maxValue, int width, int height, std::int32_t margin,
                       bool levelColours);

    void draw() override;
    // Clamps into 0 .. maxValue, picks the level colour and redraws.
    void setValue(std::int32_t amount);
    void addValue(std::int32_t amount);
    // Keeps the current value as the mark, or removes it; the next draw shows it.
    void setMark(bool on);
    Uint32 lighterColour(Uint32 pixel) const;

    std::int32_t value = 0;
    std::int32_t maxValue;
    std::int32_t margin;
    std::int32_t mark = -1;
    bool levelColours;
    bool horizontal = true;
    Uint32 backColour;
    Uint32 barColour;
    Uint32 markColour;

private:
    // Raw pixel values of the 32-bit display format, read as 0xFF, red, green, blue.
    static constexpr Uint32 levelLow = 0xFFDC0000u;
    static constexpr Uint32 levelMedium = 0xFFDC6000u;
    static constexpr Uint32 levelHigh = 0xFF00DC00u;
    static constexpr Uint32 levelFull = 0xFF006EDCu;

    Uint32 levelColour() const;
    // The share of an extent that a quantity fills; nothing when the maximum is not positive.
    int portion(std::int64_t quantity, int extent) const;
};
