#include "framework/core/string_list.h"

#include "base/strings.h"
#include "framework/core/errors.h"

namespace korvane {

void TStringList::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TStringList*>(source);
    if (!other) return TPersistent::Assign(source);
    strings_ = other->strings_;
    changed();
}

void TStringList::check_index(int index, int count) const {
    if (index < 0 || index >= count) throw EListError(index);
}

const std::string& TStringList::Strings(int index) const {
    check_index(index, Count());
    return strings_[std::size_t(index)];
}

void TStringList::SetStrings(int index, std::string value) {
    check_index(index, Count());
    strings_[std::size_t(index)] = std::move(value);
    changed();
}

int TStringList::Add(std::string value) {
    strings_.push_back(std::move(value));
    changed();
    return Count() - 1;
}

void TStringList::Insert(int index, std::string value) {
    check_index(index, Count() + 1);
    strings_.insert(strings_.begin() + index, std::move(value));
    changed();
}

void TStringList::Delete(int index) {
    check_index(index, Count());
    strings_.erase(strings_.begin() + index);
    changed();
}

void TStringList::Clear() {
    if (strings_.empty()) return;
    strings_.clear();
    changed();
}

int TStringList::IndexOf(std::string_view value) const {
    for (std::size_t i = 0; i < strings_.size(); ++i)
        if (equals_ignore_case(strings_[i], value)) return int(i);
    return -1;
}

std::string TStringList::Text() const {
    std::string text;
    for (const std::string& s : strings_) text += s + "\r\n";
    return text;
}

void TStringList::SetText(std::string_view text) {
    strings_.clear();
    while (!text.empty()) {
        std::size_t end = text.find_first_of("\r\n");
        strings_.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        std::size_t next = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        text.remove_prefix(next);
    }
    changed();
}

void TStringList::changed() {
    if (OnChange) OnChange(*this);
}

}  // namespace korvane
