#pragma once

#include <cstdint>

namespace dvk {

// The options keep a colour as 0x00BBGGRR, the form of the settings file; Qt and most drawing
// code use 0xAARRGGBB. These two are the only crossing between them. A stored value's unused
// top byte is ignored, and every colour it gives is opaque.
constexpr std::uint32_t argb_from_stored_color(std::uint32_t stored) {
    return 0xFF000000U | ((stored & 0xFFU) << 16U) | (stored & 0xFF00U) | ((stored >> 16U) & 0xFFU);
}

constexpr std::uint32_t stored_color_from_argb(std::uint32_t argb) {
    return ((argb >> 16U) & 0xFFU) | (argb & 0xFF00U) | ((argb & 0xFFU) << 16U);
}

} // namespace dvk
