// Colours with straight alpha in 0..1, and the palette every picture draws from.
#pragma once

#include <algorithm>
#include <cstdint>

struct TColour {
    float r = 0.0F;
    float g = 0.0F;
    float b = 0.0F;
    float a = 0.0F;
};

constexpr TColour hexColour(std::uint32_t rgb, float alpha = 1.0F) {
    return {static_cast<float>((rgb >> 16) & 0xFFU) / 255.0F, static_cast<float>((rgb >> 8) & 0xFFU) / 255.0F,
            static_cast<float>(rgb & 0xFFU) / 255.0F, alpha};
}

inline float clamp01(float v) {
    return std::clamp(v, 0.0F, 1.0F);
}

// 0 below e0, 1 above e1, an S-curve between.
inline float smoothStep(float e0, float e1, float v) {
    const float t = clamp01((v - e0) / (e1 - e0));
    return t * t * (3.0F - 2.0F * t);
}

inline TColour mix(const TColour& from, const TColour& to, float t) {
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
            from.a + (to.a - from.a) * t};
}

inline TColour withAlpha(const TColour& c, float alpha) {
    return {c.r, c.g, c.b, alpha};
}

// The three tones of the style: shade about 25 % darker, highlight about 20 % lighter.
inline TColour shadeOf(const TColour& c) {
    return {c.r * 0.72F, c.g * 0.72F, c.b * 0.78F, c.a};
}
inline TColour highlightOf(const TColour& c) {
    return mix(c, {1.0F, 1.0F, 0.96F, c.a}, 0.32F);
}
inline TColour scaled(const TColour& c, float k) {
    return {c.r * k, c.g * k, c.b * k, c.a};
}

namespace palette {
constexpr TColour outline = hexColour(0x1d1a2b);
constexpr TColour sky = hexColour(0x5fa8ff);
constexpr TColour horizon = hexColour(0xd7ecff);
constexpr TColour grass = hexColour(0x5cbf3a);
constexpr TColour soil = hexColour(0x8a5a34);
constexpr TColour rock = hexColour(0x6e6a78);
constexpr TColour snow = hexColour(0xf4f8ff);
constexpr TColour snowShade = hexColour(0xb8c8e8);
constexpr TColour sand = hexColour(0xe8c27a);
constexpr TColour wood = hexColour(0xa86b3c);
constexpr TColour fireCore = hexColour(0xfff3b0);
constexpr TColour fireMid = hexColour(0xffb02e);
constexpr TColour fireRim = hexColour(0xe5482c);
constexpr TColour smoke = hexColour(0x4a4650);
constexpr TColour white = hexColour(0xffffff);
constexpr TColour glyph = hexColour(0xfff6e4);
constexpr TColour skin = hexColour(0xf3b583);
constexpr TColour metal = hexColour(0x8c93a8);
constexpr TColour hazard = hexColour(0xffcf33);
constexpr TColour transparent = {0.0F, 0.0F, 0.0F, 0.0F};
// Two bright accents of the menu icons.
constexpr TColour iconAccents[2] = {hexColour(0xe5484d), hexColour(0x3e7bfa)};
// The minimap's team colours: a team reads the same on its flag, its graves and its dots.
constexpr TColour teams[4] = {hexColour(0xea9225), hexColour(0xd73224), hexColour(0xffffff),
                              hexColour(0x3778fa)};
} // namespace palette
