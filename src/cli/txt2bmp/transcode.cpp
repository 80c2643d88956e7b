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

    // Converts all of in to out and returns 0, or stops at a sequence it
    // cannot take (EILSEQ) or that ends too soon (EINVAL), with in there.
    int convert(std::string_view& in, std::string& out) {
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
            if (result == std::size_t(-1) && error != E2BIG) return error;
        }
        return 0;
    }

private:
    iconv_t cd_;
};

constexpr std::size_t kUtf32Unit = 4;
constexpr std::string_view kByteOrderMark("\xFF\xFE\0\0", kUtf32Unit);

}  // namespace

// Through UTF-32 so that a character without a GBK form is one unit to skip.
struct Transcoder::Converters {
    explicit Converters(const std::string& encoding) : decode("UTF-32LE", encoding), encode("CP936", "UTF-32LE") {}
    Converter decode;
    Converter encode;
};

Transcoder::Transcoder(const std::string& encoding)
    : converters_(std::make_unique<Converters>(encoding)), encoding_(encoding) {}

Transcoder::~Transcoder() = default;

std::string Transcoder::convert(std::string_view piece, bool last) {
    std::string text = held_ + std::string(piece);
    std::string_view rest = text;
    std::string wide;
    int error = converters_->decode.convert(rest, wide);
    if (error != 0 && (error != EINVAL || last))  // EINVAL: a character goes on in the next piece
        throw Error(format("The input is not valid %s text at byte offset %llu", encoding_.c_str(),
                           static_cast<unsigned long long>(offset_ + (text.size() - rest.size()))));
    offset_ += text.size() - rest.size();
    held_ = std::string(rest);

    std::string_view units = wide;
    if (!started_ && !units.empty()) {
        started_ = true;
        if (units.substr(0, kUtf32Unit) == kByteOrderMark) units.remove_prefix(kUtf32Unit);
    }
    std::string out;
    out.reserve(wide.size() / 2);
    while (converters_->encode.convert(units, out) != 0) {
        out += '?';
        ++replaced_;
        units.remove_prefix(kUtf32Unit);
    }
    return out;
}

Transcoded to_cp936(std::string_view text, const std::string& encoding) {
    Transcoder transcoder(encoding);
    Transcoded out;
    out.bytes = transcoder.convert(text, true);
    out.replaced = transcoder.replaced();
    return out;
}

}  // namespace korvane::txt2bmp
