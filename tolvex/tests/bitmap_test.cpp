#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "tolvex/bitmap.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Field(const Bytes& b, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | b.at(at + i);
    return value;
}

// A small BMP reader, written from the file format rather than from the
// encoder: the pixels of an uncompressed bottom-up file, top row first.
std::vector<std::uint32_t> Decode(const Bytes& b) {
    const std::uint32_t offset = Field(b, 10, 4);
    const std::uint32_t w = Field(b, 18, 4), h = Field(b, 22, 4), bpp = Field(b, 28, 2);
    const std::uint32_t row = (bpp * w + 31) / 32 * 4;
    std::vector<std::uint32_t> pixels;
    for (std::uint32_t y = 0; y < h; ++y) {
        const std::size_t start = offset + (h - 1 - y) * row;
        for (std::uint32_t x = 0; x < w; ++x) {
            std::uint32_t p = 0;
            if (bpp <= 8) {
                const std::uint32_t bit = x * bpp;
                const std::uint32_t index =
                    b.at(start + bit / 8) >> (8 - bpp - bit % 8) & ((1u << bpp) - 1);
                p = Field(b, 54 + 4 * index, 3);
            } else if (bpp == 16) {
                const std::uint32_t v = Field(b, start + 2 * x, 2);
                p = (v >> 10 & 31) << 19 | (v >> 5 & 31) << 11 | (v & 31) << 3;
            } else {
                p = Field(b, start + bpp / 8 * x, 3);
            }
            pixels.push_back(p);
        }
    }
    return pixels;
}

// ---- Headers ---------------------------------------------------------------

struct HeaderRow {
    const char* name;
    int bpp, width, height;
    std::uint32_t fileSize, offset;
};
void PrintTo(const HeaderRow& row, std::ostream* os) {
    *os << row.name;
}

class BitmapHeader : public ::testing::TestWithParam<HeaderRow> {};

TEST_P(BitmapHeader, DescribesTheFile) {
    const HeaderRow& r = GetParam();
    const std::vector<std::uint32_t> pixels(r.width * r.height, 0xFFFFFF);
    const Bytes b = tolvex::EncodeBitmap({r.width, r.height, pixels}, r.bpp);
    ASSERT_EQ(b.size(), r.fileSize);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(Field(b, 2, 4), r.fileSize);
    EXPECT_EQ(Field(b, 6, 4), 0u);  // reserved
    EXPECT_EQ(Field(b, 10, 4), r.offset);
    EXPECT_EQ(Field(b, 14, 4), 40u);
    EXPECT_EQ(Field(b, 18, 4), static_cast<std::uint32_t>(r.width));
    EXPECT_EQ(Field(b, 22, 4), static_cast<std::uint32_t>(r.height));
    EXPECT_EQ(Field(b, 26, 2), 1u);
    EXPECT_EQ(Field(b, 28, 2), static_cast<std::uint32_t>(r.bpp));
    for (std::size_t at = 30; at < 54; at += 4) EXPECT_EQ(Field(b, at, 4), 0u) << "field at " << at;
}

INSTANTIATE_TEST_SUITE_P(Table, BitmapHeader,
                         ::testing::Values(
                             // Row bytes: 1 bit 10 wide 4, 4 bits 8, 8 bits 12; 16 bits 3 wide
                             // 8, 24 bits 12 (9 padded), 32 bits 12.
                             HeaderRow{"OneBit", 1, 10, 2, 62 + 8, 62},
                             HeaderRow{"FourBits", 4, 10, 2, 134, 118},
                             HeaderRow{"EightBits", 8, 10, 2, 1078 + 24, 1078},
                             HeaderRow{"SixteenBits", 16, 3, 2, 54 + 16, 54},
                             HeaderRow{"TwentyFourBits", 24, 3, 2, 54 + 24, 54},
                             HeaderRow{"ThirtyTwoBits", 32, 3, 2, 54 + 24, 54}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Pixels ----------------------------------------------------------------

TEST(Bitmap, FourBitsStoresTheStandardPaletteAndNibblesBottomUp) {
    std::vector<std::uint32_t> pixels(20, 0x0000FF);  // bottom row blue
    const std::uint32_t top[] = {0xFFFFFF, 0x000000, 0xFF0000, 0x969696};
    std::copy(std::begin(top), std::end(top), pixels.begin());
    std::fill(pixels.begin() + 4, pixels.begin() + 10, 0x000000);
    const Bytes b = tolvex::EncodeBitmap({10, 2, pixels}, 4);
    ASSERT_EQ(b.size(), 134u);
    const std::uint32_t palette[] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                     0x008080, 0x808080, 0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00,
                                     0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (std::size_t i = 0; i < 16; ++i) {
        const Bytes entry(b.begin() + 54 + 4 * i, b.begin() + 58 + 4 * i);
        const Bytes bgr0 = {static_cast<std::uint8_t>(palette[i]),
                            static_cast<std::uint8_t>(palette[i] >> 8),
                            static_cast<std::uint8_t>(palette[i] >> 16), 0};
        EXPECT_EQ(entry, bgr0) << "entry " << i;
    }
    // The blue row first; white, black, red, grey are 15, 0, 9, 7.
    const Bytes rows = {0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0, 0, 0, 0xF0, 0x97, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Bytes(b.begin() + 118, b.end()), rows);
}

struct PixelRow {
    const char* name;
    int bpp;
    std::uint32_t colour;
    Bytes row;  // the one row of a 1 × 1 image, padding included
};
void PrintTo(const PixelRow& row, std::ostream* os) {
    *os << row.name;
}

class BitmapPixel : public ::testing::TestWithParam<PixelRow> {};

TEST_P(BitmapPixel, IsStoredAs) {
    const PixelRow& r = GetParam();
    const std::uint32_t pixel[] = {r.colour};
    const Bytes b = tolvex::EncodeBitmap({1, 1, pixel}, r.bpp);
    ASSERT_GE(b.size(), 4u);
    EXPECT_EQ(Bytes(b.end() - 4, b.end()), r.row);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BitmapPixel,
    ::testing::Values(PixelRow{"OneBitDarkGreyIsBlack", 1, 0x7F7F7F, {0x00, 0, 0, 0}},
                      PixelRow{"OneBitMidGreyIsWhite", 1, 0x808080, {0x80, 0, 0, 0}},
                      PixelRow{"FourBitsTieTakesLowerIndex", 4, 0x400000, {0x00, 0, 0, 0}},
                      PixelRow{"FourBitsYellow", 4, 0xF0F010, {0xB0, 0, 0, 0}},
                      PixelRow{"EightBitsStandardBeforeCube", 8, 0xFF0000, {9, 0, 0, 0}},
                      PixelRow{"EightBitsCube", 8, 0xC86432, {16 + 36 * 4 + 6 * 2 + 1, 0, 0, 0}},
                      PixelRow{"EightBitsDarkGrey", 8, 0x090909, {232, 0, 0, 0}},
                      PixelRow{"EightBitsLightGrey", 8, 0xEEEEEE, {255, 0, 0, 0}},
                      PixelRow{"SixteenBitsX1R5G5B5", 16, 0xFF8008, {0x01, 0x7E, 0, 0}},
                      PixelRow{"TwentyFourBitsBGR", 24, 0x123456, {0x56, 0x34, 0x12, 0}},
                      PixelRow{"ThirtyTwoBitsDropsAlpha", 32, 0xAB123456, {0x56, 0x34, 0x12, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Bitmap, ReadsBackAtEveryDepth) {
    // Colours every depth holds exactly, on an odd width so rows are padded.
    const std::vector<std::uint32_t> colours = {0x000000, 0xFFFFFF, 0x800000, 0x00FFFF,
                                                0xC0C0C0, 0x808000, 0x0000FF, 0xFF00FF};
    const int width = 7, height = 3;
    for (int bpp : {1, 4, 8, 16, 24, 32}) {
        std::vector<std::uint32_t> pixels;
        for (int i = 0; i < width * height; ++i) {
            pixels.push_back(colours[(i * 5 + i / width) % (bpp == 1 ? 2 : colours.size())]);
        }
        std::vector<std::uint32_t> expected = pixels;
        if (bpp == 16) {  // five bits a channel: 0x80 and 0xC0 keep, 0xFF loses its low bits
            for (std::uint32_t& p : expected) p &= 0xF8F8F8;
        }
        EXPECT_EQ(Decode(tolvex::EncodeBitmap({width, height, pixels}, bpp)), expected)
            << bpp << " bits";
    }
}

TEST(Bitmap, RefusesWhatItCannotWrite) {
    const std::vector<std::uint32_t> pixels(6, 0);
    for (int bpp : {0, 2, 3, 7, 15, 64}) {
        EXPECT_TRUE(tolvex::EncodeBitmap({3, 2, pixels}, bpp).empty()) << bpp << " bits";
    }
    EXPECT_TRUE(tolvex::EncodeBitmap({0, 2, pixels}, 24).empty());
    EXPECT_TRUE(tolvex::EncodeBitmap({3, -2, pixels}, 24).empty());
    EXPECT_TRUE(tolvex::EncodeBitmap({4, 2, pixels}, 24).empty());  // too few pixels
}

}  // namespace
