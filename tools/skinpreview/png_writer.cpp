#include "png_writer.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace korvane::skinpreview {

namespace {

// Writes bits least significant first, as deflate packs them.
class BitWriter {
public:
    void bits(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) bit((value >> i) & 1);
    }
    // Huffman codes go most significant bit first.
    void code(std::uint32_t value, int count) {
        for (int i = count - 1; i >= 0; --i) bit((value >> i) & 1);
    }
    std::vector<std::uint8_t> finish() {
        if (used_) bytes_.push_back(current_);
        return std::move(bytes_);
    }

private:
    void bit(std::uint32_t b) {
        current_ |= std::uint8_t(b << used_);
        if (++used_ == 8) {
            bytes_.push_back(current_);
            current_ = 0;
            used_ = 0;
        }
    }
    std::vector<std::uint8_t> bytes_;
    std::uint8_t current_ = 0;
    int used_ = 0;
};

void write_literal_or_length(BitWriter& out, int symbol) {
    if (symbol < 144) out.code(0x30 + symbol, 8);
    else if (symbol < 256) out.code(0x190 + (symbol - 144), 9);
    else if (symbol < 280) out.code(symbol - 256, 7);
    else out.code(0xC0 + (symbol - 280), 8);
}

constexpr int kLengthBase[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                               31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr int kLengthExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr int kDistanceBase[] = {1,    2,    3,    4,    5,    7,     9,     13,    17,  25,
                                 33,   49,   65,   97,   129,  193,   257,   385,   513, 769,
                                 1025, 1537, 2049, 3073, 4097, 6145,  8193,  12289, 16385, 24577};
constexpr int kDistanceExtra[] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                  6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void write_match(BitWriter& out, int length, int distance) {
    int l = 28;
    while (kLengthBase[l] > length) --l;
    write_literal_or_length(out, 257 + l);
    out.bits(std::uint32_t(length - kLengthBase[l]), kLengthExtra[l]);
    int d = 29;
    while (kDistanceBase[d] > distance) --d;
    out.code(std::uint32_t(d), 5);
    out.bits(std::uint32_t(distance - kDistanceBase[d]), kDistanceExtra[d]);
}

constexpr int kWindow = 32768;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr int kHashBits = 15;
constexpr int kMaxChain = 64;

std::uint32_t hash3(const std::uint8_t* p) {
    return ((std::uint32_t(p[0]) << 10) ^ (std::uint32_t(p[1]) << 5) ^ p[2]) & ((1u << kHashBits) - 1);
}

void append_u32_be(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(v >> shift));
}

void append_chunk(std::vector<std::uint8_t>& out, std::string_view type,
                  std::span<const std::uint8_t> data) {
    append_u32_be(out, std::uint32_t(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    append_u32_be(out, crc32(std::span(out).subspan(start)));
}

}  // namespace

std::uint32_t crc32(std::span<const std::uint8_t> bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes) c = table[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(std::span<const std::uint8_t> bytes) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

std::vector<std::uint8_t> deflate_fixed(std::span<const std::uint8_t> data) {
    BitWriter out;
    out.bits(1, 1);  // final block
    out.bits(1, 2);  // fixed Huffman codes
    std::vector<int> head(std::size_t(1) << kHashBits, -1);
    std::vector<int> previous(data.size(), -1);
    const int n = int(data.size());
    auto insert = [&](int pos) {
        if (pos + kMinMatch > n) return;
        const std::uint32_t h = hash3(&data[std::size_t(pos)]);
        previous[std::size_t(pos)] = head[h];
        head[h] = pos;
    };
    int pos = 0;
    while (pos < n) {
        int best_length = 0;
        int best_distance = 0;
        if (pos + kMinMatch <= n) {
            int candidate = head[hash3(&data[std::size_t(pos)])];
            const int limit = std::min(kMaxMatch, n - pos);
            for (int chain = 0; candidate >= 0 && pos - candidate <= kWindow && chain < kMaxChain;
                 ++chain, candidate = previous[std::size_t(candidate)]) {
                int length = 0;
                while (length < limit && data[std::size_t(candidate + length)] == data[std::size_t(pos + length)])
                    ++length;
                if (length > best_length) {
                    best_length = length;
                    best_distance = pos - candidate;
                    if (length == limit) break;
                }
            }
        }
        if (best_length >= kMinMatch) {
            write_match(out, best_length, best_distance);
            for (int i = 0; i < best_length; ++i) insert(pos + i);
            pos += best_length;
        } else {
            write_literal_or_length(out, data[std::size_t(pos)]);
            insert(pos);
            ++pos;
        }
    }
    write_literal_or_length(out, 256);
    return out.finish();
}

std::vector<std::uint8_t> encode_png(ImageView image) {
    // Each row: filter type 0, then R, G, B per pixel.
    std::vector<std::uint8_t> raw;
    raw.reserve(std::size_t(image.height()) * (1 + std::size_t(image.width()) * 3));
    for (int y = 0; y < image.height(); ++y) {
        raw.push_back(0);
        for (int x = 0; x < image.width(); ++x) {
            const Pixel p = image.at(x, y);
            raw.insert(raw.end(), {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)});
        }
    }
    std::vector<std::uint8_t> zlib = {0x78, 0x01};
    const std::vector<std::uint8_t> deflated = deflate_fixed(raw);
    zlib.insert(zlib.end(), deflated.begin(), deflated.end());
    append_u32_be(zlib, adler32(raw));

    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    append_u32_be(header, std::uint32_t(image.width()));
    append_u32_be(header, std::uint32_t(image.height()));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter set, no interlace
    append_chunk(png, "IHDR", header);
    append_chunk(png, "IDAT", zlib);
    append_chunk(png, "IEND", {});
    return png;
}

}  // namespace korvane::skinpreview
