#pragma once
// A portable font description: what a control asks of its text, without the
// platform's font object. The Windows side makes a font handle from it.
// Height follows the platform's rule: negative = character height in pixels
// without internal leading, positive = cell height.

#include <cstdint>
#include <functional>
#include <string>

#include "base/color.h"
#include "framework/core/persistent.h"
#include "framework/core/set.h"

namespace korvane {

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;

enum TFontPitch { fpDefault, fpVariable, fpFixed };

// The platform's character set numbers; DEFAULT_CHARSET is 1, GB2312_CHARSET 134.
using TFontCharset = std::uint8_t;

class TFont : public TPersistent {
public:
    static constexpr std::string_view kClassName = "TFont";
    static constexpr std::string_view kDefaultName = "MS Sans Serif";
    static constexpr int kDefaultHeight = -11;
    static constexpr TFontCharset kDefaultCharset = 1;

    TFont();

    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;
    void Assign(const TPersistent* source) override;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    int Height() const { return height_; }
    void SetHeight(int height);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    Color GetColor() const { return color_; }
    void SetColor(Color color);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(TFontCharset charset);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);

    // Called after every change (a control repaints or remakes its font handle).
    std::function<void(TFont&)> OnChange;

    friend bool operator==(const TFont& a, const TFont& b) {
        return a.name_ == b.name_ && a.height_ == b.height_ && a.style_ == b.style_ && a.color_ == b.color_ &&
               a.charset_ == b.charset_ && a.pitch_ == b.pitch_;
    }

private:
    template <class T>
    void change(T& field, const T& value);

    std::string name_;
    int height_ = kDefaultHeight;
    TFontStyles style_;
    Color color_;
    TFontCharset charset_ = kDefaultCharset;
    TFontPitch pitch_ = fpDefault;
};

}  // namespace korvane
