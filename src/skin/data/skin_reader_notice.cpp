#include "skin/data/skin_reader_notice.h"

#include <utility>

namespace korvane {

namespace {
SkinNoticeSink& CurrentSink() {
    static SkinNoticeSink sink;
    return sink;
}
}  // namespace

SkinNoticeSink SetSkinNoticeSink(SkinNoticeSink sink) {
    return std::exchange(CurrentSink(), std::move(sink));
}

void ShowSkinNotice(const std::string& message) {
    if (CurrentSink()) CurrentSink()(message);
}

}  // namespace korvane
