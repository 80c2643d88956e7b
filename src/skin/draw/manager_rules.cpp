#include "skin/draw/manager_rules.h"

#include <utility>

#include "base/strings.h"

namespace korvane {

CreationVerdict creation_verdict(std::string_view class_name, bool parent_skinned) {
    if (parent_skinned && equals_ignore_case(class_name, "ScrollBar")) return CreationVerdict::Refuse;
    if (class_name == "#32768") return CreationVerdict::Popup;
    return CreationVerdict::Allow;
}

SkinRefusal skin_refusal(bool enabled, bool scanning, SkinCandidate& window) {
    if (!enabled) return SkinRefusal::Disabled;
    if (window.AnswersSkinQuery()) return SkinRefusal::AnswersSkinQuery;
    if (window.AlreadySkinned()) return SkinRefusal::AlreadySkinned;
    const bool has_form = window.HasForm();
    if (!scanning && window.IsMdiChild()) return SkinRefusal::MdiChild;
    if (!window.HasArea()) return SkinRefusal::NoArea;
    if (has_form && window.FormTag() == kNeverSkinFormTag) return SkinRefusal::NeverSkinTag;
    const std::string class_name = window.ClassName();
    if (class_name == "TApplication") return SkinRefusal::ApplicationWindow;
    if (!window.AskFormSkin(class_name)) return SkinRefusal::FormSkinRefused;
    if (!window.HasLoadedSkinData()) return SkinRefusal::NoSkinData;
    return SkinRefusal::None;
}

namespace {

// The window style bits the scan reads (their Win32 values).
constexpr std::uint32_t kVisible = 0x10000000;     // WS_VISIBLE
constexpr std::uint32_t kChild = 0x40000000;       // WS_CHILD
constexpr std::uint32_t kCaption = 0x00C00000;     // WS_CAPTION: border and title bar
constexpr std::uint32_t kNoActivate = 0x08000000;  // WS_EX_NOACTIVATE

int last_of(std::span<const SkinDataFacts> list, auto matches) {
    for (int i = int(list.size()) - 1; i >= 0; --i)
        if (matches(list[std::size_t(i)])) return i;
    return -1;
}

}  // namespace

bool scan_offers_window(std::uint32_t style, std::uint32_t ex_style) {
    return (style & kVisible) && !(style & kChild) && (style & kCaption) == kCaption && !(ex_style & kNoActivate);
}

int choose_skin_data(std::span<const SkinDataFacts> list, std::string_view class_name) {
    int found = last_of(list, [](const SkinDataFacts& d) { return d.form_type == sfOnlyThisForm && d.owns_window; });
    if (found < 0 && (equals_ignore_case(class_name, "TMessageForm") || class_name == "#32770"))
        found = last_of(list, [](const SkinDataFacts& d) { return d.form_type == sfDialog; });
    if (found < 0) found = last_of(list, [](const SkinDataFacts& d) { return d.form_type == sfMainform; });
    if (found < 0 && !list.empty()) found = 0;
    return found;
}

int form_skin_judge(std::span<const SkinDataFacts> list) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].form_type == sfMainform) return int(i);
    return -1;
}

bool SkinActionSchedule::Schedule(SkinAction action) {
    pending_ = action;
    if (activation_count_ != 0) return true;
    if (action == SkinAction::Activate) enabled_ = true;
    if (action == SkinAction::Deactivate) enabled_ = false;
    return false;
}

SkinAction SkinActionSchedule::TakePending() {
    const SkinAction action = std::exchange(pending_, SkinAction::None);
    if (action == SkinAction::Activate) enabled_ = true;
    if (action == SkinAction::Deactivate) enabled_ = false;
    return action;
}

}  // namespace korvane
