#include "transcode.h"

#include <cerrno>
#include <iconv.h>

#include "base/strings.h"
#include "options.h"

namespace korvane::txt2bmp {
namespace {

class Converter {
public:
    Converter(const char* to, const std::string& from) : cd_(iconv_open(to, from.c_str())) {
        if (cd_ == iconv_t(-1)) throw UsageError("unknown encoding " + from);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of in to out. On a sequence it cannot take, returns
    // false with in at that sequence.
    bool convert(std::string_view& in, std::string& out) {
        while (!in.empty()) {
            std::size_t used = out.size();
            out.resize(used + in.size() * 2 + 16);
            char* in_at = const_cast<char*>(in.data());
            char* out_at = out.data() + used;
            std::size_t in_left = in.size(), out_left = out.size() - used;
            std::size_t result = iconv(cd_, &in_at, &in_left, &out_at, &out_left);
            int error = errno;
            out.resize(out.size() - out_left);
            in.remove_prefix(in.size() - in_left);
            if (result == std::size_t(-1) && error != E2BIG) return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

constexpr std::size_t kUtf32Unit = 4;

}  // namespace

Transcoded to_cp936(std::string_view text, const std::string& encoding) {
    // Through UTF-32 so that a character without a GBK form is one unit to skip.
    Converter decode("UTF-32LE", encoding);
    Converter encode("CP936", "UTF-32LE");
    std::string wide;
    std::string_view rest = text;
    if (!decode.convert(rest, wide))
        throw Error(format("The input is not valid %s text at byte offset %zu", encoding.c_str(),
                           text.size() - rest.size()));
    Transcoded out;
    out.bytes.reserve(wide.size() / 2);
    std::string_view units = wide;
    // A byte order mark is no part of the text.
    if (units.substr(0, kUtf32Unit) == std::string_view("\xFF\xFE\0\0", kUtf32Unit))
        units.remove_prefix(kUtf32Unit);
    while (!encode.convert(units, out.bytes)) {
        out.bytes += '?';
        ++out.replaced;
        units.remove_prefix(kUtf32Unit);
    }
    return out;
}

}  // namespace korvane::txt2bmp
