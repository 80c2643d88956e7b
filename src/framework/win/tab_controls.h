#pragma once
// Tab controls: the system's tab control under the framework's class names.
// TTabControl is a strip of tabs over a display area the program fills; a
// TPageControl shows one TTabSheet (a page with controls of its own) per tab
// and shows the page of the chosen tab. The tabs can sit on any side; the
// user picks one with the mouse, or with the arrow keys once the strip has
// the focus. OnChanging may refuse a change; OnChange follows one.

#include <functional>
#include <vector>

#include "framework/core/string_list.h"
#include "framework/win/wincontrol.h"

namespace korvane {

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
using TTabChangingEvent = std::function<void(TObject* sender, bool& allow_change)>;

class TCustomTabControl : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TCustomTabControl";
    explicit TCustomTabControl(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    int TabIndex() const { return tab_index_; }
    // -1 or a tab's index; anything else is -1.
    void SetTabIndex(int value);
    TTabPosition TabPosition() const { return tab_position_; }
    void SetTabPosition(TTabPosition value);
    // Tabs on the left or the right always wrap.
    bool MultiLine() const { return multi_line_; }
    void SetMultiLine(bool value);
    // The client area less the tabs and the frame.
    Rect DisplayRect();

    TTabChangingEvent OnChanging;
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    // The tab texts the strip shows.
    TStringList& TabTexts() { return tabs_; }
    const TStringList& TabTexts() const { return tabs_; }
    // After the user chose another tab.
    virtual void Change();

private:
    void FillTabs();

    TStringList tabs_;
    int tab_index_ = -1;
    TTabPosition tab_position_ = tpTop;
    bool multi_line_ = false;
};

class TTabControl : public TCustomTabControl {
public:
    static constexpr std::string_view kClassName = "TTabControl";
    explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // Change the tabs through Tabs(); the strip follows.
    TStringList& Tabs() { return TabTexts(); }
};

class TPageControl;

// A page of a page control: its Caption is the tab's text. Placed on a page
// control (SetParent), it gets a tab at the end.
class TTabSheet : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TTabSheet";
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    std::string_view ClassName() const override { return kClassName; }

    TPageControl* PageControl() const;
    int PageIndex() const;
    void SetParent(TWinControl* parent) override;

protected:
    void TextChanged() override;
};

class TPageControl : public TCustomTabControl {
public:
    static constexpr std::string_view kClassName = "TPageControl";
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    int PageCount() const { return int(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(std::size_t(index)); }
    TTabSheet* ActivePage() const { return active_page_; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

protected:
    void Change() override;
    void CreateWnd() override;
    void WindowBoundsChanged() override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void PageTextChanged(TTabSheet* page);
    // The pages fill the display area; only the active one shows.
    void ArrangePages();

    std::vector<TTabSheet*> pages_;
    TTabSheet* active_page_ = nullptr;
};

}  // namespace korvane
