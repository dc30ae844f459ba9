#include "tolvex/bitmap.h"

#include <array>
#include <unordered_map>

namespace tolvex {
namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr Rgb FromHex(std::uint32_t rgb) {
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
            static_cast<std::uint8_t>(rgb)};
}

// The 16 standard colours, in table order.
constexpr std::array<Rgb, 16> kStandard16 = {
    FromHex(0x000000), FromHex(0x800000), FromHex(0x008000), FromHex(0x808000),
    FromHex(0x000080), FromHex(0x800080), FromHex(0x008080), FromHex(0x808080),
    FromHex(0xC0C0C0), FromHex(0xFF0000), FromHex(0x00FF00), FromHex(0xFFFF00),
    FromHex(0x0000FF), FromHex(0xFF00FF), FromHex(0x00FFFF), FromHex(0xFFFFFF)};

std::vector<Rgb> ColourTable(int bpp) {
    switch (bpp) {
        case 1:
            return {FromHex(0x000000), FromHex(0xFFFFFF)};
        case 4:
            return {kStandard16.begin(), kStandard16.end()};
        case 8: {
            std::vector<Rgb> table(kStandard16.begin(), kStandard16.end());
            for (int r = 0; r < 6; ++r) {
                for (int g = 0; g < 6; ++g) {
                    for (int b = 0; b < 6; ++b) {
                        table.push_back({static_cast<std::uint8_t>(51 * r),
                                         static_cast<std::uint8_t>(51 * g),
                                         static_cast<std::uint8_t>(51 * b)});
                    }
                }
            }
            for (int i = 0; i < 24; ++i) {
                const auto level = static_cast<std::uint8_t>(8 + 10 * i);
                table.push_back({level, level, level});
            }
            return table;
        }
        default:
            return {};
    }
}

// The index of the table colour nearest to a pixel, remembered per colour:
// a chart holds few distinct colours among many pixels.
class NearestColour {
  public:
    explicit NearestColour(const std::vector<Rgb>& table) : m_table(table) {}

    std::uint8_t operator()(std::uint32_t pixel) {
        pixel &= 0xFFFFFFu;
        const auto known = m_cache.find(pixel);
        if (known != m_cache.end()) return known->second;
        const Rgb c = FromHex(pixel);
        std::size_t best = 0;
        long bestDistance = -1;
        for (std::size_t i = 0; i < m_table.size(); ++i) {
            const long dr = c.r - m_table[i].r;
            const long dg = c.g - m_table[i].g;
            const long db = c.b - m_table[i].b;
            const long distance = dr * dr + dg * dg + db * db;
            if (bestDistance < 0 || distance < bestDistance) {  // ties keep the lower index
                best = i;
                bestDistance = distance;
            }
        }
        const auto index = static_cast<std::uint8_t>(best);
        m_cache.emplace(pixel, index);
        return index;
    }

  private:
    const std::vector<Rgb>& m_table;
    std::unordered_map<std::uint32_t, std::uint8_t> m_cache;
};

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value);
    Put16(out, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBitmap(const RgbImage& image, int bpp) {
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return {};
    if (image.width <= 0 || image.height <= 0) return {};
    const auto width = static_cast<std::uint64_t>(image.width);
    const auto height = static_cast<std::uint64_t>(image.height);
    if (image.pixels.size() < width * height) return {};

    const std::vector<Rgb> table = ColourTable(bpp);
    const std::uint64_t rowSize = (static_cast<std::uint64_t>(bpp) * width + 31) / 32 * 4;
    const std::uint64_t offset = 14 + 40 + 4 * table.size();
    if (rowSize > (0xFFFFFFFFull - offset) / height) return {};
    const std::uint64_t fileSize = offset + rowSize * height;

    std::vector<std::uint8_t> out;
    out.reserve(fileSize);
    // File header.
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<std::uint32_t>(fileSize));
    Put16(out, 0);
    Put16(out, 0);
    Put32(out, static_cast<std::uint32_t>(offset));
    // Info header: size, width, height, planes, bit count, then compression,
    // image size, two resolutions and two colour counts, all 0.
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(image.width));
    Put32(out, static_cast<std::uint32_t>(image.height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bpp));
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    for (const Rgb& c : table) {
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }

    NearestColour nearest(table);
    for (std::uint64_t y = height; y-- > 0;) {
        const std::uint32_t* row = image.pixels.data() + y * width;
        const std::size_t start = out.size();
        out.resize(start + rowSize, 0);
        std::uint8_t* bytes = out.data() + start;
        for (std::uint64_t x = 0; x < width; ++x) {
            const std::uint32_t p = row[x];
            const auto r = static_cast<std::uint8_t>(p >> 16);
            const auto g = static_cast<std::uint8_t>(p >> 8);
            const auto b = static_cast<std::uint8_t>(p);
            switch (bpp) {
                case 16: {
                    const unsigned v = (r >> 3u) << 10u | (g >> 3u) << 5u | (b >> 3u);
                    bytes[2 * x] = static_cast<std::uint8_t>(v);
                    bytes[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
                    break;
                }
                case 24:
                    bytes[3 * x] = b;
                    bytes[3 * x + 1] = g;
                    bytes[3 * x + 2] = r;
                    break;
                case 32:
                    bytes[4 * x] = b;
                    bytes[4 * x + 1] = g;
                    bytes[4 * x + 2] = r;
                    break;
                default: {  // 1, 4, 8: the left pixel in the high bits
                    const std::uint64_t bit = x * static_cast<std::uint64_t>(bpp);
                    const unsigned shift = 8 - static_cast<unsigned>(bpp) - bit % 8;
                    bytes[bit / 8] |= static_cast<std::uint8_t>(nearest(p) << shift);
                    break;
                }
            }
        }
    }
    return out;
}

}  // namespace tolvex
