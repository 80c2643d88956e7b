#pragma once
// TStatusBar: the system's status bar under the framework's class name. It
// shows its panels (each with a text, a width, a bevel and an alignment; the
// last one reaches the right edge), or with SimplePanel one simple text
// across the whole bar. Its bounds are the framework's like any control's
// (the bar does not place itself). With UseSystemFont the text is in the
// system's status-bar font instead of the bar's Font.

#include <string>

#include "framework/core/collection.h"
#include "framework/win/gdi.h"
#include "framework/win/wincontrol.h"

namespace korvane {

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

class TStatusPanel : public TCollectionItem {
public:
    static constexpr std::string_view kClassName = "TStatusPanel";
    explicit TStatusPanel(TCollection& collection) : TCollectionItem(collection) {}
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    const std::string& Text() const { return text_; }
    void SetText(const std::string& value);
    int Width() const { return width_; }
    void SetWidth(int value);
    TStatusPanelBevel Bevel() const { return bevel_; }
    void SetBevel(TStatusPanelBevel value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);

private:
    void Changed();

    std::string text_;
    int width_ = 50;
    TStatusPanelBevel bevel_ = pbLowered;
    TAlignment alignment_ = taLeftJustify;
};

class TStatusBar;

class TStatusPanels : public TOwnedCollection {
public:
    static constexpr std::string_view kClassName = "TStatusPanels";
    explicit TStatusPanels(TStatusBar* bar);
    std::string_view ClassName() const override { return kClassName; }

    TStatusPanel& Add() { return static_cast<TStatusPanel&>(TCollection::Add()); }
    TStatusPanel& Items(int index) const { return static_cast<TStatusPanel&>(TCollection::Items(index)); }
    TStatusBar& Bar() const { return *bar_; }

protected:
    void Changed() override;

private:
    TStatusBar* bar_;
};

class TStatusBar : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TStatusBar";
    explicit TStatusBar(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    TStatusPanels& Panels() { return panels_; }
    bool SimplePanel() const { return simple_panel_; }
    void SetSimplePanel(bool value);
    const std::string& SimpleText() const { return simple_text_; }
    void SetSimpleText(const std::string& value);
    bool SizeGrip() const { return size_grip_; }
    void SetSizeGrip(bool value);
    bool UseSystemFont() const { return use_system_font_; }
    void SetUseSystemFont(bool value);

    // Puts the panels onto the window (after any change of them).
    void UpdatePanels();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void FontChanged() override;

private:
    // The window gets the system's status-bar font while UseSystemFont holds.
    void ApplySystemFont();

    TStatusPanels panels_;
    bool simple_panel_ = false;
    std::string simple_text_;
    bool size_grip_ = true;
    bool use_system_font_ = false;
    UniqueGdi<HFONT> system_font_;
};

}  // namespace korvane
