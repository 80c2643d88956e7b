#pragma once
// An INI text read from memory, answering as the platform's profile reader
// does for the texts skins are made of.
//
//  - Lines end at LF, CR LF or CR; a UTF-8 byte order mark at the start is
//    skipped. Blanks around names and values are cut.
//  - "[name]" opens a section (the name runs to the first ']', or to the end
//    of a line that has none). "key=value" adds a key to the open section.
//    Lines starting with ';', lines without '=', and keys before the first
//    section are ignored.
//  - A value enclosed in a matching pair of double or single quotes loses
//    them.
//  - Section and key names are matched without regard to ASCII case.
//  - Duplicates: sections() lists every section header, duplicates included,
//    in file order; a lookup sees only the first section of a name and, in
//    it, the first key of a name.
//  - Sections are found through an index sorted by name, so looking up every
//    section of a text of n sections takes time in proportion to n log n,
//    not n squared.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class IniFile {
public:
    IniFile() = default;
    explicit IniFile(std::string_view text);

    // Section names as written, in file order.
    std::vector<std::string> sections() const;

    std::string read_string(std::string_view section, std::string_view key,
                            std::string_view fallback) const;
    // A text longer than two characters beginning with "0x" or "0X" is
    // hexadecimal (at most eight digits, taken as 32 bits); any other is a
    // signed decimal number. Anything else, or a number out of range, gives
    // the fallback.
    std::int32_t read_integer(std::string_view section, std::string_view key,
                              std::int32_t fallback) const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    const Section* find_section(std::string_view name) const;
    const std::string* find_value(std::string_view section, std::string_view key) const;

    std::vector<Section> sections_;
    // Indexes into sections_, sorted by name without regard to ASCII case;
    // sections of one name stay in file order.
    std::vector<std::size_t> by_name_;
};

}  // namespace korvane
