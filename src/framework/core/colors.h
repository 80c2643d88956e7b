#pragma once
// The framework's named colours and their names in stored layouts.
// Values are framework colours (see base/color.h): 0x00BBGGRR, or
// 0xFF000000 + the platform's system colour index.

#include <optional>
#include <string>
#include <string_view>

#include "base/color.h"

namespace korvane {

constexpr Color clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;
constexpr Color clNone = 0x1FFFFFFF, clDefault = 0x20000000;

constexpr Color clScrollBar = system_color(0), clBackground = system_color(1),
                clActiveCaption = system_color(2), clInactiveCaption = system_color(3),
                clMenu = system_color(4), clWindow = system_color(5), clWindowFrame = system_color(6),
                clMenuText = system_color(7), clWindowText = system_color(8), clCaptionText = system_color(9),
                clActiveBorder = system_color(10), clInactiveBorder = system_color(11),
                clAppWorkSpace = system_color(12), clHighlight = system_color(13),
                clHighlightText = system_color(14), clBtnFace = system_color(15), clBtnShadow = system_color(16),
                clGrayText = system_color(17), clBtnText = system_color(18),
                clInactiveCaptionText = system_color(19), clBtnHighlight = system_color(20),
                cl3DDkShadow = system_color(21), cl3DLight = system_color(22), clInfoText = system_color(23),
                clInfoBk = system_color(24), clHotLight = system_color(26),
                clGradientActiveCaption = system_color(27), clGradientInactiveCaption = system_color(28),
                clMenuHighlight = system_color(29), clMenuBar = system_color(30);

// The name of a named colour ("clBtnFace"); nullopt for others.
std::optional<std::string_view> ColorToIdent(Color color);
// The colour of a name, ignoring case; nullopt for unknown names.
std::optional<Color> IdentToColor(std::string_view ident);

}  // namespace korvane
