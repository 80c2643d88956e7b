#include "skin/data/skin_reader.h"

#include <algorithm>
#include <optional>

#include "base/byte_reader.h"
#include "base/strings.h"
#include "skin/data/lzh.h"
#include "skin/data/skin_reader_notice.h"

namespace korvane {

namespace {

// Lines end at CR LF, CR or LF; a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r') ++pos;
        if (pos < text.size() && text[pos] == '\n') ++pos;
    }
    return lines;
}

struct Archive {
    std::array<std::int32_t, 4> header{};
    std::vector<std::string> names;
    std::vector<std::int32_t> sizes;
    std::span<const std::uint8_t> bodies;
};

// The parsed archive, or the message that refuses it.
struct ParseResult {
    std::optional<Archive> archive;
    std::string refusal;
};

ParseResult Refuse(std::string message) { return {std::nullopt, std::move(message)}; }

ParseResult ParseArchive(std::span<const std::uint8_t> bytes) {
    const std::string damaged = "Skin package is damaged: ";
    if (bytes.size() < TSkinReader::kHeaderSize) return Refuse(damaged + "the header is incomplete");
    ByteReader in(bytes);
    Archive archive;
    for (auto& value : archive.header) value = in.i32le();
    if (archive.header[0] != TSkinReader::kFormatMark) return Refuse(kOlderSkinMessage);

    const std::int32_t list_length = archive.header[1];
    if (list_length < 0 || std::size_t(list_length) > in.remaining())
        return Refuse(damaged + "the name list runs past the end of the data");
    const auto list = in.bytes(std::size_t(list_length));
    archive.names = SplitLines(ascii_lower(std::string_view(
        reinterpret_cast<const char*>(list.data()), list.size())));

    if (archive.names.size() > std::size_t(TSkinReader::kMaxMembers))
        return Refuse(damaged + "it names " + std::to_string(archive.names.size()) +
                      " members, more than " + std::to_string(TSkinReader::kMaxMembers));
    if (archive.names.size() * 4 > in.remaining())
        return Refuse(damaged + "the size table runs past the end of the data");
    std::int64_t total = 0;
    for (const auto& name : archive.names) {
        const std::int32_t size = in.i32le();
        if (size < 0)
            return Refuse(damaged + "member \"" + name + "\" has a negative size");
        archive.sizes.push_back(size);
        total += size;
    }
    archive.bodies = in.bytes(in.remaining());
    if (total > std::int64_t(archive.bodies.size()))
        return Refuse(damaged + "the member sizes add up to more than the data holds");
    return {std::move(archive), {}};
}

}  // namespace

bool TSkinReader::LoadPackage(std::span<const std::uint8_t> package) {
    const std::vector<std::uint8_t> expanded = ExpandLzhStream(package);
    ParseResult parsed = ParseArchive(expanded);
    if (!parsed.archive) {
        ShowSkinNotice(parsed.refusal);
        return false;
    }
    Archive& archive = *parsed.archive;
    header_ = archive.header;
    names_ = std::move(archive.names);
    count_ = std::int32_t(names_.size());
    std::copy(archive.sizes.begin(), archive.sizes.end(), sizes_.begin());
    // Written over the old bodies from the start, without clearing them first.
    if (bodies_.size() < archive.bodies.size()) bodies_.resize(archive.bodies.size());
    std::copy(archive.bodies.begin(), archive.bodies.end(), bodies_.begin());
    return true;
}

template <class Take>
void TSkinReader::WalkMembers(Take&& take) const {
    std::int64_t offset = 0;
    for (int i = 0; i < count_; ++i) {
        if (take(i, offset)) return;
        offset += sizes_[std::size_t(i)];
    }
}

void TSkinReader::CopyMember(int index, std::int64_t offset,
                             std::vector<std::uint8_t>& target) const {
    const auto begin = bodies_.begin() + std::ptrdiff_t(offset);
    target.assign(begin, begin + sizes_[std::size_t(index)]);
}

void TSkinReader::GetMember(std::string_view name, std::vector<std::uint8_t>& target) const {
    target.clear();
    if (name.empty()) return;
    const std::string wanted = ascii_lower(name);
    WalkMembers([&](int i, std::int64_t offset) {
        if (names_[std::size_t(i)] != wanted) return false;
        CopyMember(i, offset, target);
        return true;
    });
}

void TSkinReader::FindMember(std::string_view text, std::vector<std::uint8_t>& target,
                             std::string& found_name) const {
    target.clear();
    if (text.empty()) return;
    WalkMembers([&](int i, std::int64_t offset) {
        const std::string& name = names_[std::size_t(i)];
        if (name.find(text) == std::string::npos) return false;
        CopyMember(i, offset, target);
        found_name = name;
        return true;
    });
}

}  // namespace korvane
