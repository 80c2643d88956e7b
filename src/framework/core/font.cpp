#include "framework/core/font.h"

#include <array>

#include "framework/core/colors.h"
#include "framework/core/properties.h"

namespace korvane {

namespace {
constexpr std::array<std::string_view, 4> kStyleNames{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr std::array<std::string_view, 3> kPitchNames{"fpDefault", "fpVariable", "fpFixed"};
}  // namespace

TFont::TFont() : name_(kDefaultName), color_(clWindowText) {}

const PropertyTable& TFont::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TFont>(TPersistent::Properties())
            .integer("Charset", [](const TFont& f) { return std::int32_t(f.Charset()); },
                     [](TFont& f, std::int32_t v) { f.SetCharset(TFontCharset(v)); }, kDefaultCharset)
            .color("Color", &TFont::GetColor, &TFont::SetColor, clWindowText)
            .integer("Height", &TFont::Height, &TFont::SetHeight, kDefaultHeight)
            .string("Name", &TFont::Name, &TFont::SetName, std::string(kDefaultName))
            .enumeration("Pitch", kPitchNames, &TFont::Pitch, &TFont::SetPitch, fpDefault)
            .set("Style", kStyleNames, &TFont::Style, &TFont::SetStyle, TFontStyles{})
            .build();
    return table;
}

void TFont::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TFont*>(source);
    if (!other) return TPersistent::Assign(source);
    name_ = other->name_;
    height_ = other->height_;
    style_ = other->style_;
    color_ = other->color_;
    charset_ = other->charset_;
    pitch_ = other->pitch_;
    if (OnChange) OnChange(*this);
}

template <class T>
void TFont::change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    if (OnChange) OnChange(*this);
}

void TFont::SetName(const std::string& name) { change(name_, name); }
void TFont::SetHeight(int height) { change(height_, height); }
void TFont::SetStyle(TFontStyles style) { change(style_, style); }
void TFont::SetColor(Color color) { change(color_, color); }
void TFont::SetCharset(TFontCharset charset) { change(charset_, charset); }
void TFont::SetPitch(TFontPitch pitch) { change(pitch_, pitch); }

}  // namespace korvane
