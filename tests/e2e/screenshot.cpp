#include "screenshot.h"

#include <cstdint>
#include <fstream>
#include <memory>
#include <type_traits>

namespace korvane::e2e {

namespace {

struct ScreenDC {
    HDC dc = GetDC(nullptr);
    ~ScreenDC() { if (dc) ReleaseDC(nullptr, dc); }
};
struct DeleteDC_ {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteObject_ {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using MemoryDC = std::unique_ptr<std::remove_pointer_t<HDC>, DeleteDC_>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, DeleteObject_>;

class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

template <class T>
void put(std::ofstream& out, T value) {
    out.write(reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace

bool save_screenshot(HWND window, const std::filesystem::path& path) {
    RECT r{};
    if (!GetWindowRect(window, &r)) return false;
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return false;

    ScreenDC screen;
    MemoryDC memory(CreateCompatibleDC(screen.dc));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    Bitmap dib(CreateDIBSection(screen.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!screen.dc || !memory || !dib) return false;
    {
        Selection selected(memory.get(), dib.get());
        if (!BitBlt(memory.get(), 0, 0, width, height, screen.dc, r.left, r.top, SRCCOPY | CAPTUREBLT))
            return false;
    }
    GdiFlush();

    const std::uint32_t image_size = std::uint32_t(width) * std::uint32_t(height) * 4;
    std::ofstream out(path, std::ios::binary);
    out.write("BM", 2);
    put<std::uint32_t>(out, 54 + image_size);
    put<std::uint32_t>(out, 0);
    put<std::uint32_t>(out, 54);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(BITMAPINFOHEADER));
    out.write(static_cast<const char*>(bits), image_size);
    return bool(out);
}

}  // namespace korvane::e2e
