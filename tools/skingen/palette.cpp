#include "palette.h"

#include <algorithm>
#include <cmath>

namespace korvane::skingen {

namespace {

struct Hsl {
    double h, s, l;  // hue in turns [0, 1), saturation and lightness in [0, 1]
};

Hsl ToHsl(Pixel p) {
    const double r = ((p >> 16) & 0xFF) / 255.0, g = ((p >> 8) & 0xFF) / 255.0, b = (p & 0xFF) / 255.0;
    const double hi = std::max({r, g, b}), lo = std::min({r, g, b});
    const double l = (hi + lo) / 2, d = hi - lo;
    if (d == 0) return {0, 0, l};
    const double s = l > 0.5 ? d / (2 - hi - lo) : d / (hi + lo);
    double h = hi == r ? (g - b) / d + (g < b ? 6 : 0) : hi == g ? (b - r) / d + 2 : (r - g) / d + 4;
    return {h / 6, s, l};
}

double HueChannel(double p, double q, double t) {
    if (t < 0) t += 1;
    if (t > 1) t -= 1;
    if (t < 1.0 / 6) return p + (q - p) * 6 * t;
    if (t < 1.0 / 2) return q;
    if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
    return p;
}

std::uint8_t Byte(double v) {
    return std::uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

Pixel FromHsl(Hsl c) {
    if (c.s == 0) return pixel_rgb(Byte(c.l), Byte(c.l), Byte(c.l));
    const double q = c.l < 0.5 ? c.l * (1 + c.s) : c.l + c.s - c.l * c.s;
    const double p = 2 * c.l - q;
    return pixel_rgb(Byte(HueChannel(p, q, c.h + 1.0 / 3)), Byte(HueChannel(p, q, c.h)),
                     Byte(HueChannel(p, q, c.h - 1.0 / 3)));
}

Hsl Shade(Theme theme, Hsl c) {
    switch (theme) {
        case Theme::kIndigo:
            return c;
        case Theme::kNight:
            // Paper and faces go dark, ink goes light; the darkest dark stays
            // above black so edges still show against the desktop.
            return {c.h, c.s * 0.8, 0.08 + 0.84 * (1 - c.l)};
        case Theme::kSilver: {
            double h = c.h - 0.12;  // indigo to teal
            if (h < 0) h += 1;
            return {h, c.s * 0.45, c.l + (1 - c.l) * c.l * 0.2};
        }
    }
    return c;
}

double Luminance(Pixel p) {
    auto linear = [](unsigned channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear((p >> 16) & 0xFF) + 0.7152 * linear((p >> 8) & 0xFF) + 0.0722 * linear(p & 0xFF);
}

Pixel Shown(Hsl c) {
    const Pixel shown = FromHsl(c);
    // A recoloured pixel that lands on the key would turn transparent.
    return is_key(shown) ? pixel_rgb(254, 0, 255) : shown;
}

}  // namespace

std::optional<ThemeInfo> FindTheme(std::string_view name) {
    for (const ThemeInfo& info : kThemes)
        if (info.name == name) return info;
    return std::nullopt;
}

const ThemeInfo& InfoOf(Theme theme) {
    for (const ThemeInfo& info : kThemes)
        if (info.theme == theme) return info;
    return kThemes[0];
}

Pixel Recolour(Theme theme, Pixel p) {
    if (is_key(p) || theme == Theme::kIndigo) return p;
    return Shown(Shade(theme, ToHsl(p)));
}

Pixel RecolourText(Theme theme, Pixel ink, Pixel paper) {
    const Pixel shown = Recolour(theme, ink), under = Recolour(theme, paper);
    if (Contrast(shown, under) >= Contrast(ink, paper)) return shown;
    Hsl turned_over = ToHsl(shown);
    turned_over.l = 1 - turned_over.l;
    const Pixel turned = Shown(turned_over);
    return Contrast(turned, under) > Contrast(shown, under) ? turned : shown;
}

double Contrast(Pixel a, Pixel b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace korvane::skingen
