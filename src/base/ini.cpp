#include "base/ini.h"

#include <algorithm>
#include <optional>

#include "base/strings.h"

namespace korvane {

namespace {

std::string_view unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

int digit_value(char c, int base) {
    int v = c >= '0' && c <= '9'   ? c - '0'
            : c >= 'a' && c <= 'f' ? c - 'a' + 10
            : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                   : 99;
    return v < base ? v : -1;
}

std::optional<std::int32_t> parse_integer(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::string_view digits = text.substr(2);
        if (digits.size() > 8) return std::nullopt;
        std::uint32_t v = 0;
        for (char c : digits) {
            int d = digit_value(c, 16);
            if (d < 0) return std::nullopt;
            v = v << 4 | std::uint32_t(d);
        }
        return std::int32_t(v);
    }
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t v = 0;
    for (char c : text) {
        int d = digit_value(c, 10);
        if (d < 0) return std::nullopt;
        v = v * 10 + d;
        if (v > std::int64_t(INT32_MAX) + 1) return std::nullopt;
    }
    v = negative ? -v : v;
    if (v > INT32_MAX) return std::nullopt;
    return std::int32_t(v);
}

}  // namespace

IniFile::IniFile(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    while (!text.empty()) {
        std::size_t end = text.find_first_of("\r\n");
        std::string_view line = trim(text.substr(0, end));
        if (end == std::string_view::npos) {
            text = {};
        } else {
            bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
            text.remove_prefix(end + (crlf ? 2 : 1));
        }

        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            std::string_view name = line.substr(1);
            name = trim(name.substr(0, name.find(']')));
            sections_.push_back({std::string(name), {}});
            continue;
        }
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || sections_.empty()) continue;
        sections_.back().entries.push_back(
            {std::string(trim(line.substr(0, eq))), std::string(unquoted(trim(line.substr(eq + 1))))});
    }
    by_name_.resize(sections_.size());
    for (std::size_t i = 0; i < by_name_.size(); ++i) by_name_[i] = i;
    std::stable_sort(by_name_.begin(), by_name_.end(), [this](std::size_t a, std::size_t b) {
        return compare_ignore_case(sections_[a].name, sections_[b].name) < 0;
    });
}

std::vector<std::string> IniFile::sections() const {
    std::vector<std::string> names;
    for (const Section& s : sections_) names.push_back(s.name);
    return names;
}

const IniFile::Section* IniFile::find_section(std::string_view name) const {
    const auto found = std::lower_bound(by_name_.begin(), by_name_.end(), name,
                                        [this](std::size_t i, std::string_view wanted) {
                                            return compare_ignore_case(sections_[i].name, wanted) < 0;
                                        });
    if (found == by_name_.end() || !equals_ignore_case(sections_[*found].name, name)) return nullptr;
    return &sections_[*found];
}

const std::string* IniFile::find_value(std::string_view section, std::string_view key) const {
    const Section* s = find_section(section);
    if (!s) return nullptr;
    for (const Entry& e : s->entries)
        if (equals_ignore_case(e.key, key)) return &e.value;
    return nullptr;
}

std::string IniFile::read_string(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
    const std::string* value = find_value(section, key);
    return value ? *value : std::string(fallback);
}

std::int32_t IniFile::read_integer(std::string_view section, std::string_view key,
                                   std::int32_t fallback) const {
    const std::string* value = find_value(section, key);
    if (!value) return fallback;
    return parse_integer(*value).value_or(fallback);
}

}  // namespace korvane
