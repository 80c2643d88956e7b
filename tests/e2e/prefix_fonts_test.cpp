// The Wine prefix the tool runs in (cmake/wine-prefix): the CJK faces the
// tool asks for draw Latin letters too, whatever fallback fonts the machine
// has. Run once as it is and once with a CJK font without Latin letters
// added through FONTCONFIG_FILE.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/win32_text.h"
#include "framework/win/gdi.h"
#include "tool_process.h"

namespace korvane::e2e {
namespace {

// The faces the stored layouts name, and their other names.
const wchar_t* const kSongFaces[] = {L"宋体", L"SimSun", L"新宋体", L"NSimSun"};
// What the main window writes in those faces: Latin letters, digits and Chinese.
const std::wstring kMixedText = L"源TXT文件：目标BMP文件：www.korvane.com.cn 0123456789";

struct FaceSeen {
    std::wstring family;           // the family the face was resolved to (an alias keeps its name)
    std::vector<WORD> glyphs;      // of kMixedText, 0xFFFF where missing
    std::vector<wchar_t> missing;  // characters it has no glyph for
};

FaceSeen resolve(const wchar_t* face, BYTE charset) {
    MemoryDC dc(nullptr);
    UniqueGdi<HFONT> font(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face));
    SelectGuard select(dc.get(), font.get());
    FaceSeen seen;
    if (UINT size = GetOutlineTextMetricsW(dc.get(), 0, nullptr)) {
        std::vector<char> buffer(size);
        auto* otm = reinterpret_cast<OUTLINETEXTMETRICW*>(buffer.data());
        if (GetOutlineTextMetricsW(dc.get(), size, otm))
            seen.family = reinterpret_cast<const wchar_t*>(buffer.data() + reinterpret_cast<UINT_PTR>(otm->otmpFamilyName));
    }
    seen.glyphs.resize(kMixedText.size());
    GetGlyphIndicesW(dc.get(), kMixedText.c_str(), int(kMixedText.size()), seen.glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    for (std::size_t i = 0; i < seen.glyphs.size(); ++i)
        if (seen.glyphs[i] == 0xFFFF) seen.missing.push_back(kMixedText[i]);
    return seen;
}

// Black pixels of a text drawn in the face, row by row.
std::vector<bool> ink_of(const wchar_t* face, const std::wstring& text) {
    constexpr int kWidth = 64, kHeight = 16;
    MemoryDC dc(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueGdi<HBITMAP> bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    SelectGuard select_bitmap(dc.get(), bitmap.get());
    UniqueGdi<HFONT> font(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                      DEFAULT_PITCH, face));
    SelectGuard select_font(dc.get(), font.get());
    RECT all{0, 0, kWidth, kHeight};
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    TextOutW(dc.get(), 0, 0, text.c_str(), int(text.size()));
    GdiFlush();
    std::vector<bool> ink;
    for (int i = 0; i < kWidth * kHeight; ++i) ink.push_back((static_cast<const DWORD*>(bits)[i] & 0xFFFFFF) == 0);
    return ink;
}

TEST(PrefixFonts, SongFacesHaveGlyphsForLatinLettersAndChinese) {
    for (const wchar_t* face : kSongFaces) {
        for (BYTE charset : {BYTE(GB2312_CHARSET), BYTE(DEFAULT_CHARSET)}) {
            FaceSeen seen = resolve(face, charset);
            EXPECT_TRUE(seen.missing.empty()) << narrow(face) << " (charset " << int(charset) << ") is "
                                              << narrow(seen.family) << ", without glyphs for "
                                              << narrow(std::wstring(seen.missing.begin(), seen.missing.end()));
        }
    }
}

TEST(PrefixFonts, LatinLettersInTheSongFaceAreNotTheMissingGlyphBox) {
    // Two different letters look different; two boxes would look alike.
    std::vector<bool> t = ink_of(L"宋体", L"T");
    std::vector<bool> x = ink_of(L"宋体", L"X");
    EXPECT_NE(t, x);
    EXPECT_NE(t, std::vector<bool>(t.size(), false)) << "T drew nothing";
}

// The set-up names the font it chose for the Song faces: it has the Latin
// letters, and the faces draw with its glyphs.
TEST(PrefixFonts, SongFacesResolveToTheFontTheSetUpChose) {
    const char* prefix = std::getenv("WINEPREFIX");
    ASSERT_NE(prefix, nullptr);
    std::ifstream chosen(std::filesystem::path(wine_path(prefix) + L"\\korvane-cjk-font"));
    std::string family;
    ASSERT_TRUE(std::getline(chosen, family)) << "the set-up wrote no korvane-cjk-font";
    FaceSeen font = resolve(widen(family).c_str(), GB2312_CHARSET);
    EXPECT_EQ(narrow(font.family), family);
    EXPECT_TRUE(font.missing.empty()) << family;
    for (const wchar_t* face : kSongFaces) EXPECT_EQ(resolve(face, GB2312_CHARSET).glyphs, font.glyphs) << narrow(face);
}

}  // namespace
}  // namespace korvane::e2e
