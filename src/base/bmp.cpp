#include "base/bmp.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "base/byte_reader.h"
#include "base/error.h"

namespace korvane {

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

[[noreturn]] void invalid(const std::string& why) {
    throw DecodeError("Bitmap image is not valid: " + why);
}

// One colour channel of a 16- or 32-bit pixel, widened to 8 bits by
// repeating its bits (5-bit 31 gives 255, 5-bit 16 gives 132).
class Channel {
public:
    Channel() = default;
    explicit Channel(std::uint32_t mask) : mask_(mask) {
        if (mask == 0) return;
        while (!(mask >> shift_ & 1)) ++shift_;
        int top = 31;
        while (!(mask >> top & 1)) --top;
        bits_ = top - shift_ + 1;
    }

    std::uint8_t extract(std::uint32_t value) const {
        if (bits_ == 0) return 0;
        std::uint32_t v = (value & mask_) >> shift_;
        if (bits_ >= 8) return std::uint8_t(v >> (bits_ - 8));
        std::uint32_t wide = 0;
        int filled = 0;
        for (; filled < 8; filled += bits_) wide = wide << bits_ | v;
        return std::uint8_t(wide >> (filled - 8));
    }

private:
    std::uint32_t mask_ = 0;
    int shift_ = 0;
    int bits_ = 0;
};

struct Layout {
    int width = 0;
    int height = 0;
    bool top_down = false;
    int bits = 0;
    std::uint32_t compression = kBiRgb;
    Channel red, green, blue;
    std::vector<Pixel> palette;
    std::size_t pixel_offset = 0;

    int image_row(std::int64_t file_row) const {
        return top_down ? int(file_row) : height - 1 - int(file_row);
    }
    Pixel colour(unsigned index) const {
        return index < palette.size() ? palette[index] : pixel_rgb(0, 0, 0);
    }
};

void read_palette(ByteReader& in, Layout& layout, std::uint32_t colours_used, bool core) {
    if (layout.bits > 8) return;
    std::uint32_t capacity = 1u << layout.bits;
    std::uint32_t count = colours_used == 0 || colours_used > capacity ? capacity : colours_used;
    for (std::uint32_t i = 0; i < count; ++i) {
        auto entry = in.bytes(core ? 3 : 4);
        layout.palette.push_back(pixel_rgb(entry[2], entry[1], entry[0]));
    }
}

void read_masks(ByteReader& in, Layout& layout) {
    layout.red = Channel(in.u32le());
    layout.green = Channel(in.u32le());
    layout.blue = Channel(in.u32le());
}

Layout read_headers(ByteReader& in, std::int64_t max_pixels) {
    if (in.u8() != 'B' || in.u8() != 'M') invalid("no BM signature");
    in.skip(8);
    Layout layout;
    layout.pixel_offset = in.u32le();

    const std::uint32_t header_size = in.u32le();
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t colours_used = 0;
    const bool core = header_size == kCoreHeaderSize;
    if (core) {
        width = in.u16le();
        height = in.u16le();
        in.skip(2);  // planes
        layout.bits = in.u16le();
    } else if (header_size == kInfoHeaderSize || header_size == 52 || header_size == 56 ||
               header_size == 108 || header_size == 124) {
        width = in.i32le();
        height = in.i32le();
        in.skip(2);
        layout.bits = in.u16le();
        layout.compression = in.u32le();
        in.skip(12);  // image size, resolution
        colours_used = in.u32le();
        in.skip(4);  // important colours
    } else {
        invalid("unsupported header size " + std::to_string(header_size));
    }

    layout.top_down = height < 0;
    height = std::llabs(height);
    if (width <= 0 || height <= 0) invalid("empty image");
    if (width * height > std::min(max_pixels, kMaxBmpPixels)) invalid("image too large");
    layout.width = int(width);
    layout.height = int(height);

    const int bits = layout.bits;
    const std::uint32_t c = layout.compression;
    const bool bitfields = c == kBiBitfields || c == kBiAlphaBitfields;
    const bool supported = (c == kBiRgb && (bits == 1 || bits == 4 || bits == 8 || bits == 16 ||
                                           bits == 24 || bits == 32)) ||
                           (bitfields && (bits == 16 || bits == 32)) ||
                           (c == kBiRle8 && bits == 8) || (c == kBiRle4 && bits == 4);
    if (!supported)
        invalid("unsupported format: " + std::to_string(bits) + " bits, compression " +
                std::to_string(c));

    if (bitfields) {
        // Right after the first 40 header bytes: beyond a plain info header,
        // or inside a longer one.
        read_masks(in, layout);
    } else if (bits == 16) {
        layout.red = Channel(0x7C00);
        layout.green = Channel(0x03E0);
        layout.blue = Channel(0x001F);
    } else if (bits == 32) {
        layout.red = Channel(0x00FF0000);
        layout.green = Channel(0x0000FF00);
        layout.blue = Channel(0x000000FF);
    }

    std::size_t palette_offset = kFileHeaderSize + header_size;
    if (header_size == kInfoHeaderSize && c == kBiBitfields) palette_offset += 12;
    if (header_size == kInfoHeaderSize && c == kBiAlphaBitfields) palette_offset += 16;
    in.seek(palette_offset);
    read_palette(in, layout, colours_used, core);
    return layout;
}

std::uint64_t row_stride(const Layout& layout) {
    return (std::uint64_t(layout.width) * std::uint64_t(layout.bits) + 31) / 32 * 4;
}

void check_rows(std::span<const std::uint8_t> file, const Layout& layout) {
    const std::uint64_t row_bytes = (std::uint64_t(layout.width) * std::uint64_t(layout.bits) + 7) / 8;
    // The padding of the last row may be missing; its pixels may not.
    const std::uint64_t needed = row_stride(layout) * std::uint64_t(layout.height - 1) + row_bytes;
    if (layout.pixel_offset > file.size() || file.size() - layout.pixel_offset < needed)
        invalid("pixel data cut short");
}

// Rows checked by check_rows.
void decode_rows(std::span<const std::uint8_t> file, const Layout& layout, Image& image) {
    const int bits = layout.bits;
    const std::uint64_t stride = row_stride(layout);
    for (int r = 0; r < layout.height; ++r) {
        const std::uint8_t* src = file.data() + layout.pixel_offset + stride * std::uint64_t(r);
        Pixel* dst = image.row(layout.image_row(r));
        for (int x = 0; x < layout.width; ++x) {
            switch (bits) {
            case 1: dst[x] = layout.colour(src[x / 8] >> (7 - x % 8) & 1); break;
            case 4: dst[x] = layout.colour(src[x / 2] >> (x % 2 ? 0 : 4) & 15); break;
            case 8: dst[x] = layout.colour(src[x]); break;
            case 16: {
                std::uint32_t v = src[2 * x] | src[2 * x + 1] << 8;
                dst[x] = pixel_rgb(layout.red.extract(v), layout.green.extract(v),
                                   layout.blue.extract(v));
                break;
            }
            case 24: dst[x] = pixel_rgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
            case 32: {
                const std::uint8_t* p = src + 4 * x;
                std::uint32_t v = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 |
                                  std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
                dst[x] = pixel_rgb(layout.red.extract(v), layout.green.extract(v),
                                   layout.blue.extract(v));
                break;
            }
            }
        }
    }
}

// Run-length coded data: pixels the code never reaches keep palette colour 0;
// pixels coded beyond the right or bottom edge are dropped. Calls run(value,
// count) for a run of count pixels of one byte value, literal(bytes, count)
// for count pixels packed in bytes, and move(dx, dy) for a delta; returns at
// the end-of-bitmap code. A code that runs past the file throws DecodeError.
template <class Run, class Literal, class Move>
void walk_runs(std::span<const std::uint8_t> file, const Layout& layout, Run&& run,
               Literal&& literal, Move&& move) {
    const bool rle4 = layout.compression == kBiRle4;
    ByteReader in(file);
    in.seek(layout.pixel_offset);
    for (;;) {
        const unsigned count = in.u8();
        const unsigned value = in.u8();
        if (count > 0) {
            run(value, count);
            continue;
        }
        switch (value) {
        case 0: move(-1, 1); break;  // end of line
        case 1: return;
        case 2: {
            const unsigned dx = in.u8();
            move(int(dx), int(in.u8()));
            break;
        }
        default: {
            const unsigned size = rle4 ? (value + 1) / 2 : value;
            literal(in.bytes(size + size % 2), value);
        }
        }
    }
}

void decode_runs(std::span<const std::uint8_t> file, const Layout& layout, Image& image) {
    const bool rle4 = layout.compression == kBiRle4;
    image.fill(layout.colour(0));
    std::int64_t x = 0;
    std::int64_t row = 0;
    auto put = [&](unsigned index) {
        if (x < layout.width && row < layout.height)
            image.at(int(x), layout.image_row(row)) = layout.colour(index);
        ++x;
    };
    walk_runs(
        file, layout,
        [&](unsigned value, unsigned count) {
            for (unsigned i = 0; i < count; ++i) put(rle4 ? (i % 2 ? value & 15 : value >> 4) : value);
        },
        [&](std::span<const std::uint8_t> bytes, unsigned count) {
            for (unsigned i = 0; i < count; ++i)
                put(rle4 ? (i % 2 ? bytes[i / 2] & 15 : bytes[i / 2] >> 4) : bytes[i]);
        },
        [&](int dx, int dy) {
            x = dx < 0 ? 0 : x + dx;  // dx -1: end of line
            row += dy;
        });
}

// The run-length code read through once without painting, so a code cut
// short is refused before the image is allocated.
void check_runs(std::span<const std::uint8_t> file, const Layout& layout) {
    walk_runs(file, layout, [](unsigned, unsigned) {},
              [](std::span<const std::uint8_t>, unsigned) {}, [](int, int) {});
}

void put_u16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}
void put_u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put_u16(out, v & 0xFFFF);
    put_u16(out, v >> 16);
}

}  // namespace

Image decode_bmp(std::span<const std::uint8_t> file, std::int64_t max_pixels) {
    ByteReader in(file);
    const Layout layout = read_headers(in, max_pixels);
    const bool runs = layout.compression == kBiRle8 || layout.compression == kBiRle4;
    if (runs)
        check_runs(file, layout);
    else
        check_rows(file, layout);
    Image image(layout.width, layout.height);
    if (runs)
        decode_runs(file, layout, image);
    else
        decode_rows(file, layout, image);
    return image;
}

std::vector<std::uint8_t> encode_bmp(ImageView image) {
    const int width = image.empty() ? 0 : image.width();
    const int height = image.empty() ? 0 : image.height();
    const std::uint32_t stride = (std::uint32_t(width) * 3 + 3) / 4 * 4;
    const std::uint32_t data_size = stride * std::uint32_t(height);
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

    std::vector<std::uint8_t> out;
    out.reserve(offset + data_size);
    out.push_back('B');
    out.push_back('M');
    put_u32(out, offset + data_size);
    put_u32(out, 0);
    put_u32(out, offset);
    put_u32(out, kInfoHeaderSize);
    put_u32(out, std::uint32_t(width));
    put_u32(out, std::uint32_t(height));
    put_u16(out, 1);   // planes
    put_u16(out, 24);  // bits per pixel
    put_u32(out, kBiRgb);
    put_u32(out, data_size);
    put_u32(out, 0);  // horizontal resolution: not given
    put_u32(out, 0);  // vertical resolution
    put_u32(out, 0);  // colours used
    put_u32(out, 0);  // important colours
    for (int y = height - 1; y >= 0; --y) {
        const Pixel* row = image.row(y);
        for (int x = 0; x < width; ++x) {
            out.push_back(std::uint8_t(row[x]));
            out.push_back(std::uint8_t(row[x] >> 8));
            out.push_back(std::uint8_t(row[x] >> 16));
        }
        out.resize(out.size() + (stride - std::uint32_t(width) * 3), 0);
    }
    return out;
}

}  // namespace korvane
