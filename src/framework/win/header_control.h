#pragma once
// THeaderControl: the system's header control under the framework's class
// name: a row of sections (column titles) the user clicks and resizes by
// dragging their dividers.

#include <functional>
#include <string>

#include "framework/core/collection.h"
#include "framework/win/wincontrol.h"

namespace korvane {

class THeaderSection : public TCollectionItem {
public:
    static constexpr std::string_view kClassName = "THeaderSection";
    explicit THeaderSection(TCollection& collection) : TCollectionItem(collection) {}
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    const std::string& Text() const { return text_; }
    void SetText(const std::string& value);
    int Width() const { return width_; }
    // Kept within MinWidth .. MaxWidth.
    void SetWidth(int value);
    int MinWidth() const { return min_width_; }
    void SetMinWidth(int value);
    int MaxWidth() const { return max_width_; }
    void SetMaxWidth(int value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    // Left edge within the header.
    int Left() const;

private:
    friend class THeaderControl;
    void Changed();

    std::string text_;
    int width_ = 50;
    int min_width_ = 0;
    int max_width_ = 10000;
    TAlignment alignment_ = taLeftJustify;
};

class THeaderControl;

class THeaderSections : public TOwnedCollection {
public:
    static constexpr std::string_view kClassName = "THeaderSections";
    explicit THeaderSections(THeaderControl* header);
    std::string_view ClassName() const override { return kClassName; }

    THeaderSection& Add() { return static_cast<THeaderSection&>(TCollection::Add()); }
    THeaderSection& Items(int index) const { return static_cast<THeaderSection&>(TCollection::Items(index)); }
    THeaderControl& Header() const { return *header_; }

protected:
    void Changed() override;

private:
    THeaderControl* header_;
};

using TSectionNotifyEvent = std::function<void(TObject* sender, THeaderSection& section)>;

class THeaderControl : public TWinControl {
public:
    static constexpr std::string_view kClassName = "THeaderControl";
    explicit THeaderControl(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    THeaderSections& Sections() { return sections_; }
    // Sections highlight under the mouse.
    bool HotTrack() const { return hot_track_; }
    void SetHotTrack(bool value);

    // Puts the sections onto the window (after any change of them).
    void UpdateSections();

    TSectionNotifyEvent OnSectionClick;
    // After the user dragged a section's divider.
    TSectionNotifyEvent OnSectionResize;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    THeaderSections sections_;
    bool hot_track_ = false;
};

}  // namespace korvane
