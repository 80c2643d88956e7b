#pragma once
// TSkinReader opens a skin package: it expands the LZHUF stream, checks the
// archive header and keeps the member names, their sizes and the concatenated
// member bodies. Members are handed out by exact name or by a part of the name.
//
// Expanded archive: format mark (20000), L, two values not interpreted (all
// signed 32-bit little-endian); L bytes of names, one per line; one signed
// 32-bit size per name; then the bodies, concatenated in name order.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

inline constexpr const char* kOlderSkinMessage =
    "This is Older Skin File\rPlease update to new version !";

class TSkinReader {
public:
    static constexpr std::int32_t kFormatMark = 20000;
    static constexpr int kMaxMembers = 1001;
    static constexpr std::size_t kHeaderSize = 16;

    // Expands and parses a package. A package of an older format or a damaged
    // one is refused: its message goes to the skin notice sink, the result is
    // false and the members loaded before stay. Decoder failures
    // (ElzhException) pass through.
    bool LoadPackage(std::span<const std::uint8_t> package);

    // Clears target, then fills it with the member whose name equals name in
    // lower case. An empty or unknown name leaves target empty.
    void GetMember(std::string_view name, std::vector<std::uint8_t>& target) const;

    // Clears target, then fills it with the first member whose name contains
    // text as given (not lower-cased) and sets found_name. When none does,
    // target stays empty and found_name unchanged.
    void FindMember(std::string_view text, std::vector<std::uint8_t>& target,
                    std::string& found_name) const;

    // The lower-cased member names, in archive order.
    const std::vector<std::string>& names() const { return names_; }
    std::int32_t count() const { return count_; }
    std::span<const std::int32_t> sizes() const {
        return std::span(sizes_).first(std::size_t(count_));
    }
    const std::array<std::int32_t, 4>& header() const { return header_; }

private:
    // Calls take(index, offset) for each member in order until it returns true.
    template <class Take>
    void WalkMembers(Take&& take) const;
    void CopyMember(int index, std::int64_t offset, std::vector<std::uint8_t>& target) const;

    std::vector<std::string> names_;
    std::int32_t count_ = 0;
    std::array<std::int32_t, kMaxMembers> sizes_{};
    // May hold stale bytes past the current bodies after a smaller package; no member reaches them.
    std::vector<std::uint8_t> bodies_;
    std::array<std::int32_t, 4> header_{};
};

}  // namespace korvane
