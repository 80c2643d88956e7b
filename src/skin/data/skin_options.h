#pragma once
// The choices a skin data component offers an application, and the rules that
// need no window: which kinds of controls are skinned, which windows a
// component skins, whether a window class is skinned at all, and the
// "SkinStream" bytes a component keeps in a stored layout.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/set.h"

namespace korvane {

enum TSkinControlType {
    xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton,
    xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcPanel, xcGroupBox,
    xcStatusBar, xcTab, xcFastReport
};
using TSkinControlTypes = Set<TSkinControlType>;

inline constexpr std::string_view kSkinControlTypeNames[] = {
    "xcMainMenu", "xcPopupMenu", "xcToolbar", "xcControlbar", "xcCombo", "xcCheckBox",
    "xcRadioButton", "xcProgress", "xcScrollbar", "xcEdit", "xcButton", "xcBitBtn",
    "xcSpeedButton", "xcPanel", "xcGroupBox", "xcStatusBar", "xcTab", "xcFastReport"};

// Every kind but xcFastReport.
inline constexpr TSkinControlTypes kDefaultSkinControls = TSkinControlTypes::from_mask(0x1FFFF);

enum TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog };
inline constexpr std::string_view kSkinFormTypeNames[] = {"sfMainform", "sfOnlyThisForm", "sfDialog"};

// Whether a window of this class is skinned when no application handler
// decides: month calendars never are, FastReport windows ("Tfr...") not
// while FastReport skinning is chosen.
bool IsFormClassSkinned(std::string_view class_name, TSkinControlTypes controls);

// "SkinStream": a 32-bit little-endian signed byte count, then that many
// bytes of skin package.
std::vector<std::uint8_t> WriteSkinStream(std::span<const std::uint8_t> package);

// The package bytes of a "SkinStream". Fails with Error when the count is
// missing, negative, or larger than the bytes that follow it.
std::span<const std::uint8_t> ReadSkinStream(std::span<const std::uint8_t> stream);

}  // namespace korvane
