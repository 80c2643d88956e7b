#pragma once
// TStringList: an ordered list of strings (the lines of a text, the items of
// a list control). Lookups by IndexOf ignore ASCII case.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/persistent.h"

namespace korvane {

class TStringList : public TPersistent {
public:
    static constexpr std::string_view kClassName = "TStringList";

    std::string_view ClassName() const override { return kClassName; }
    void Assign(const TPersistent* source) override;

    int Count() const { return int(strings_.size()); }
    // Fail with EListError outside 0 .. Count() - 1 (Insert: 0 .. Count()).
    const std::string& Strings(int index) const;
    void SetStrings(int index, std::string value);
    int Add(std::string value);
    void Insert(int index, std::string value);
    void Delete(int index);
    void Clear();
    // -1 when absent.
    int IndexOf(std::string_view value) const;

    // Every string followed by CR LF.
    std::string Text() const;
    // One string per line; lines end at CR LF, LF or CR; a last line break adds no empty string.
    void SetText(std::string_view text);

    // Called after every change.
    std::function<void(TStringList&)> OnChange;

private:
    void check_index(int index, int count) const;
    void changed();

    std::vector<std::string> strings_;
};

}  // namespace korvane
