#include "png_output.h"

#include <png.h>

#include <csetjmp>
#include <exception>
#include <string>

#include "base/error.h"
#include "convert/page_strips.h"

namespace korvane::txt2bmp {
namespace {

// libpng reports its errors by a long jump back into the call that failed.
// Only run() jumps, and its frame holds nothing to destroy; the error (or the
// exception the sink threw) is thrown from there as a C++ exception.
class PngStream {
public:
    explicit PngStream(const ByteSink& out) : out_(out) {
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, this, on_error, on_warning);
        if (png_) info_ = png_create_info_struct(png_);
        if (!png_ || !info_) throw Error(kOutOfMemory);
        png_set_write_fn(png_, this, on_write, on_flush);
        // Pages are as tall as a BMP allows, far beyond libpng's default of a
        // million rows; the format itself allows 2^31 - 1 either way.
        png_set_user_limits(png_, 0x7FFFFFFF, 0x7FFFFFFF);
    }
    ~PngStream() { png_destroy_write_struct(&png_, &info_); }
    PngStream(const PngStream&) = delete;
    PngStream& operator=(const PngStream&) = delete;

    void begin(PageSize size) {
        run([&] {
            png_set_IHDR(png_, info_, png_uint_32(size.width), png_uint_32(size.height), 1, PNG_COLOR_TYPE_GRAY,
                         PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
            png_write_info(png_, info_);
        });
    }
    void rows(const PageImage& strip, int count) {
        // A stored row starts with the pixels' bytes, bit 7 leftmost, as PNG wants them.
        run([&] {
            for (int y = 0; y < count; ++y) png_write_row(png_, strip.row_bytes(y).data());
        });
    }
    void end() {
        run([&] { png_write_end(png_, info_); });
    }

private:
    template <class Calls>
    void run(const Calls& calls) {
        if (setjmp(png_jmpbuf(png_)) == 0) {
            calls();
            return;
        }
        if (failure_) std::rethrow_exception(failure_);
        throw Error("PNG: " + message_);
    }

    static PngStream& self(png_structp png) { return *static_cast<PngStream*>(png_get_error_ptr(png)); }

    [[noreturn]] static void on_error(png_structp png, png_const_charp message) {
        self(png).message_ = message;
        png_longjmp(png, 1);
    }
    static void on_warning(png_structp, png_const_charp) {}
    static void on_write(png_structp png, png_bytep data, png_size_t size) {
        PngStream& stream = self(png);
        try {
            stream.out_(std::span<const std::uint8_t>(data, size));
            return;
        } catch (...) {
            stream.failure_ = std::current_exception();
        }
        png_error(png, "write failed");
    }
    static void on_flush(png_structp) {}

    const ByteSink& out_;
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
    std::exception_ptr failure_;
    std::string message_;
};

}  // namespace

void write_text_png(const LineSpan& lines, const FontTables& fonts, const ByteSink& out,
                    const ProgressCallback& progress) {
    PageSize size = page_size_for(lines.longest(), lines.count());
    check_page_size(size);
    PngStream png(out);
    png.begin(size);
    render_text_strips(lines, fonts, RowOrder::top_down,
                       [&](const PageImage& strip, int count) { png.rows(strip, count); }, progress);
    png.end();
}

}  // namespace korvane::txt2bmp
