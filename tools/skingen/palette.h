#pragma once
// The themes a skin is drawn in. The art is drawn once in the indigo
// colours of theme.h; a theme then recolours every pixel and every colour
// of the definition, so all skins share their shapes and differ in colour.
// Magenta, the transparent key, is never recoloured and never made.

#include <optional>
#include <string_view>

#include "base/color.h"

namespace korvane::skingen {

enum class Theme {
    kIndigo,  // the default skin: the art's own colours
    kNight,   // dark: lightness turned over, hue kept
    kSilver,  // light: greyed and turned towards teal
};

struct ThemeInfo {
    Theme theme;
    std::string_view name;       // as given to skingen --theme
    std::string_view skin_name;  // the definition's SkinName
};

// Every theme, the default first.
constexpr ThemeInfo kThemes[] = {
    {Theme::kIndigo, "indigo", "Korvane Indigo"},
    {Theme::kNight, "night", "Korvane Night"},
    {Theme::kSilver, "silver", "Korvane Silver"},
};

std::optional<ThemeInfo> FindTheme(std::string_view name);
const ThemeInfo& InfoOf(Theme theme);

// The pixel as the theme shows it.
Pixel Recolour(Theme theme, Pixel p);

// Text colour `ink` written over `paper`, as the theme shows it: recoloured
// like any pixel, unless that leaves it with less contrast against the
// recoloured paper than it has in the art and turning its lightness over
// reads better: light text on a frame the theme lightens turns dark, dark
// text on one it darkens turns light.
Pixel RecolourText(Theme theme, Pixel ink, Pixel paper);

// Contrast ratio of two colours by their relative luminance, from 1 (none)
// to 21 (black on white).
double Contrast(Pixel a, Pixel b);

}  // namespace korvane::skingen
