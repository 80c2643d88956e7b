#include "bdf_font.h"

#include <sstream>
#include <string>

#include "base/error.h"

namespace korvane::fontgen {
namespace {

[[noreturn]] void fail(int line, const std::string& what) {
    throw Error("BDF line " + std::to_string(line) + ": " + what);
}

}  // namespace

std::map<char32_t, Glyph> read_bdf(std::istream& in) {
    std::map<char32_t, Glyph> glyphs;
    int ascent = -1;
    long encoding = -1;
    int width = 0, height = 0, x_offset = 0, y_offset = 0;
    Glyph glyph;
    int bitmap_row = -1;  // >= 0 while reading BITMAP rows
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        std::istringstream line(text);
        std::string keyword;
        line >> keyword;
        if (bitmap_row >= 0) {
            if (keyword == "ENDCHAR") {
                if (encoding >= 0) glyphs[char32_t(encoding)] = glyph;
                bitmap_row = -1;
                continue;
            }
            unsigned long bits = std::stoul(keyword, nullptr, 16);
            int bytes = int(keyword.size() / 2);
            int y = ascent - (y_offset + height) + bitmap_row++;
            for (int x = 0; x < width; ++x) {
                bool ink = bits >> (bytes * 8 - 1 - x) & 1;
                int column = x_offset + x;
                if (!ink) continue;
                if (y < 0 || y >= 16 || column < 0 || column >= 16) fail(number, "glyph outside 16x16");
                glyph.rows[std::size_t(y)] |= std::uint16_t(0x8000 >> column);
            }
        } else if (keyword == "FONT_ASCENT") {
            line >> ascent;
        } else if (keyword == "STARTCHAR") {
            glyph = Glyph{};
            encoding = -1;
        } else if (keyword == "ENCODING") {
            line >> encoding;
        } else if (keyword == "DWIDTH") {
            line >> glyph.advance;
        } else if (keyword == "BBX") {
            line >> width >> height >> x_offset >> y_offset;
            if (!line || width > 16 || height > 16) fail(number, "unexpected bounding box");
        } else if (keyword == "BITMAP") {
            if (ascent < 0) fail(number, "FONT_ASCENT missing before the first glyph");
            bitmap_row = 0;
        }
    }
    if (glyphs.empty()) throw Error("no glyphs in the BDF input");
    return glyphs;
}

}  // namespace korvane::fontgen
