#include "skinpack/open_package.h"

#include <algorithm>

#include "base/error.h"
#include "skin/data/skin_reader_notice.h"
#include "skinpack/file_io.h"

namespace korvane::skinpack {

namespace {

// Puts the reader's messages aside while it runs.
class NoticeCollector {
public:
    NoticeCollector()
        : previous_(SetSkinNoticeSink([this](const std::string& m) { text_ += m; })) {}
    ~NoticeCollector() { SetSkinNoticeSink(std::move(previous_)); }
    NoticeCollector(const NoticeCollector&) = delete;
    NoticeCollector& operator=(const NoticeCollector&) = delete;

    // Message box texts break lines with CR; a terminal wants LF.
    std::string text() const {
        std::string text = text_;
        std::replace(text.begin(), text.end(), '\r', '\n');
        return text;
    }

private:
    std::string text_;
    SkinNoticeSink previous_;
};

}  // namespace

TSkinReader OpenPackage(const std::string& path_utf8) {
    const auto package = ReadFile(path_utf8);
    TSkinReader reader;
    NoticeCollector notices;
    if (!reader.LoadPackage(package)) throw Error(path_utf8 + ": " + notices.text());
    return reader;
}

}  // namespace korvane::skinpack
