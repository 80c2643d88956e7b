#pragma once
// TTabSet: a row of tabs along the bottom of a strip, drawn by the framework
// (the tabs hang from a line at the top; the selected one joins it). Tabs
// are placed by place_tabs; when they do not all fit, the tab set's scroller
// (the first component it owns, a horizontal up-down at the right end)
// moves the first tab shown.

#include <vector>

#include "framework/core/string_list.h"
#include "framework/win/tab_layout.h"
#include "framework/win/wincontrol.h"

namespace korvane {

class TTabSet;

// The arrows of a tab set whose tabs do not all fit.
class TTabScroller : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TTabScroller";
    explicit TTabScroller(TTabSet* tab_set);
    std::string_view ClassName() const override { return kClassName; }
    // Range 0 .. count - 1 and the position shown.
    void SetRange(int count, int position);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    TTabSet& tab_set_;
    int count_ = 0;
    int position_ = 0;
};

class TTabSet : public TCustomControl {
public:
    static constexpr std::string_view kClassName = "TTabSet";
    explicit TTabSet(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    TStringList& Tabs() { return tabs_; }
    const TStringList& Tabs() const { return tabs_; }
    // The selected tab; -1 for none.
    int TabIndex() const { return tab_index_; }
    void SetTabIndex(int index);
    // The first tab shown (the scroller moves it).
    int FirstIndex() const { return first_index_; }
    void SetFirstIndex(int index);
    int StartMargin() const { return start_margin_; }
    void SetStartMargin(int margin);
    int EndMargin() const { return end_margin_; }
    void SetEndMargin(int margin);
    Color SelectedColor() const { return selected_color_; }
    void SetSelectedColor(Color color);
    Color UnselectedColor() const { return unselected_color_; }
    void SetUnselectedColor(Color color);

    TTabScroller& Scroller() { return *scroller_; }
    // The tabs shown now, in the client area.
    std::vector<TabPlace> TabPlaces();
    // The tab at a client point; -1 for none.
    int ItemAtPos(Point p);

    // After the selected tab changed.
    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void WindowBoundsChanged() override;
    void CreateWnd() override;

private:
    std::vector<int> TextWidths();
    // Shows the scroller when the tabs do not all fit, at the right end.
    void UpdateScroller();
    void TabsChanged();

    TStringList tabs_;
    int tab_index_ = -1;
    int first_index_ = 0;
    int start_margin_ = 5;
    int end_margin_ = 5;
    Color selected_color_ = clBtnFace;
    Color unselected_color_ = clWindow;
    TTabScroller* scroller_;  // owned as the tab set's first component
};

}  // namespace korvane
