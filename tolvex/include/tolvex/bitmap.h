#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tolvex/tolvex_export.h"

namespace tolvex {

// A picture to save: width × height pixels, the top row first, each pixel a
// 32-bit 0xAARRGGBB value whose alpha byte is ignored (the layout of a Qt
// image in Format_RGB32: QImage::constBits() of such an image, viewed as
// width × height std::uint32_t values).
struct RgbImage {
    int width = 0;
    int height = 0;
    std::span<const std::uint32_t> pixels;
};

// The bytes of a Windows BMP file of the image with 1, 4, 8, 16, 24 or 32
// bits per pixel: a 14-byte file header and a 40-byte info header (height
// positive: rows stored bottom-up, no compression, image size, resolutions
// and colour counts 0), for 1, 4 and 8 bits a colour table of 2^bpp entries
// stored B, G, R, 0, then the rows, each padded with zero bytes to a multiple
// of four. All fields are little-endian.
//
// Colour tables:
// - 1 bit: black, white.
// - 4 bits: the 16 standard colours as R,G,B: 000000, 800000, 008000,
//   808000, 000080, 800080, 008080, 808080, C0C0C0, FF0000, 00FF00, FFFF00,
//   0000FF, FF00FF, 00FFFF, FFFFFF.
// - 8 bits: indices 0–15 the 16 standard colours; 16–231 a 6 × 6 × 6 cube,
//   index 16 + 36 r + 6 g + b with levels 0, 51, 102, 153, 204, 255 for
//   r, g, b = 0…5; 232–255 greys of level 8 + 10 i for i = 0…23 (8…238).
// Each pixel takes the table colour nearest in R,G,B (squared distance),
// ties to the lowest index; several pixels in a byte fill it from the high
// bits down, the left pixel first.
// 16 bits: X1R5G5B5, the top five bits of each channel, the top bit 0.
// 24 bits: B, G, R. 32 bits: B, G, R, 0.
//
// Empty when the bit count is none of those, the width or height is not
// positive, fewer than width × height pixels are given or the file would
// exceed the 4 GiB a BMP header can describe.
TOLVEX_API std::vector<std::uint8_t> EncodeBitmap(const RgbImage& image, int bpp);

}  // namespace tolvex
