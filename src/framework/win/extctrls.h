#pragma once
// Panels and images.

#include <functional>
#include <memory>

#include "framework/win/bitmap.h"
#include "framework/win/wincontrol.h"

namespace korvane {

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// Draws a bevel of `width` lines inside r and returns the rectangle inside it.
Rect DrawBevel(TCanvas& canvas, Rect r, TBevelCut cut, int width);

// A container with bevels and a centred caption: the base of panels and of
// the containers built like them.
class TCustomPanel : public TCustomControl {
public:
    static constexpr std::string_view kClassName = "TCustomPanel";
    explicit TCustomPanel(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TBevelCut BevelInner() const { return bevel_inner_; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return bevel_outer_; }
    void SetBevelOuter(TBevelCut value);
    int BevelWidth() const { return bevel_width_; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return border_width_; }
    void SetBorderWidth(int value);

protected:
    void Paint() override;

private:
    TAlignment alignment_ = taCenter;
    TBevelCut bevel_inner_ = bvNone;
    TBevelCut bevel_outer_ = bvRaised;
    int bevel_width_ = 1;
    int border_width_ = 0;
};

class TPanel : public TCustomPanel {
public:
    static constexpr std::string_view kClassName = "TPanel";
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
    std::string_view ClassName() const override { return kClassName; }
};

// What an image control shows: a bitmap, or nothing.
class TPicture {
public:
    // The picture's bitmap, made empty on first use.
    TBitmap& Bitmap();
    bool Empty() const { return !bitmap_ || bitmap_->Empty(); }
    // Tells the owner that the bitmap's contents or size changed.
    void Changed() {
        if (OnChange) OnChange();
    }
    std::function<void()> OnChange;

private:
    std::unique_ptr<TBitmap> bitmap_;
};

// Shows a picture at 1:1 from its top-left corner (or stretched or centred).
// A monochrome picture is drawn with the control's font colour for ink and
// white for paper.
class TImage : public TGraphicControl {
public:
    static constexpr std::string_view kClassName = "TImage";
    explicit TImage(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    TPicture& Picture() { return picture_; }
    bool AutoSize() const { return auto_size_; }
    void SetAutoSize(bool value);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);

protected:
    void Paint() override;
    void AdjustSize() override;

private:
    TPicture picture_;
    bool auto_size_ = false;
    bool stretch_ = false;
    bool center_ = false;
};

}  // namespace korvane
