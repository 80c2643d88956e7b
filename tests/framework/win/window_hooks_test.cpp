#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/win/bitmap.h"
#include "framework/win/extctrls.h"
#include "framework/win/gdi.h"
#include "framework/win/stdctrls.h"
#include "framework/win/window_property.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

using WindowHooksTest = FrameworkTest;

class TOuterForm : public TForm {
public:
    static constexpr std::string_view kClassName = "TOuterForm";
    explicit TOuterForm(TComponent* owner) : TForm(owner) {}
    std::string_view ClassName() const override { return kClassName; }
};

// A computer-based-training hook of this thread that makes a framework form
// when it sees the creation of a window of class "TOuterForm".
struct FormMakingHook {
    static inline TForm* made = nullptr;
    static LRESULT CALLBACK Procedure(int code, WPARAM wparam, LPARAM lparam) {
        if (code == HCBT_CREATEWND && !made && ClassNameOf(reinterpret_cast<HWND>(wparam)) == L"TOuterForm") {
            made = new TForm(Application);
            made->SetCaption("Inner");
            made->HandleNeeded();
        }
        return CallNextHookEx(nullptr, code, wparam, lparam);
    }
};

TEST_F(WindowHooksTest, AFormCreatedByAHookWhileAnotherIsCreatedAttachesToItsOwnControl) {
    auto* outer = new TOuterForm(app_.get());
    outer->SetCaption("Outer");
    FormMakingHook::made = nullptr;
    {
        UniqueHook hook(SetWindowsHookExW(WH_CBT, FormMakingHook::Procedure, nullptr, GetCurrentThreadId()));
        ASSERT_TRUE(hook.get());
        outer->HandleNeeded();
    }
    TForm* inner = FormMakingHook::made;
    ASSERT_NE(inner, nullptr);
    ASSERT_TRUE(outer->HandleAllocated());
    ASSERT_TRUE(inner->HandleAllocated());
    EXPECT_NE(outer->Handle(), inner->Handle());
    EXPECT_EQ(ClassNameOf(outer->Handle()), L"TOuterForm");
    EXPECT_EQ(ClassNameOf(inner->Handle()), L"TForm");
    EXPECT_EQ(TWinControl::FindControl(outer->Handle()), outer);
    EXPECT_EQ(TWinControl::FindControl(inner->Handle()), inner);
    EXPECT_EQ(TextOf(outer->Handle()), "Outer");
    EXPECT_EQ(TextOf(inner->Handle()), "Inner");
    // Each window's messages reach its own control.
    SendMessageW(outer->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Outer 2"));
    SendMessageW(inner->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(TextOf(outer->Handle()), "Outer 2");
    EXPECT_FALSE(inner->Visible());
}

TEST_F(WindowHooksTest, AWindowFindsItsControlWithoutTheWindowProperty) {
    auto* form = new TForm(app_.get());
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetCaption("Button");
    HWND window = button->Handle();
    // The property marks the window for lookups from outside, with the one registered atom.
    EXPECT_EQ(GetPropW(window, MAKEINTATOM(ControlProperty().atom())), button);
    EXPECT_EQ(GlobalFindAtomW(L"Korvane.Control"), ControlProperty().atom());

    // The window's own procedure does not read it.
    ControlProperty().remove(window);
    std::vector<UINT> seen;
    WindowProcHook hook(*button, [&](TMessage& m, const TWndMethod& next) {
        seen.push_back(m.Msg);
        next(m);
    });
    SendMessageW(window, WM_USER + 3, 0, 0);
    EXPECT_EQ(seen, std::vector<UINT>{WM_USER + 3});
    EXPECT_EQ(TWinControl::FindControl(window), nullptr);
}

// A hook that notes the texts set on its control's window under a name.
WindowProcHook::Handler NotingTexts(std::vector<std::string>& log, std::string name) {
    return [&log, name](TMessage& m, const TWndMethod& next) {
        if (m.Msg == WM_SETTEXT) log.push_back(name);
        next(m);
    };
}

TEST_F(WindowHooksTest, HooksRunNewestFirstAndComeOffInAnyOrder) {
    auto* form = new TForm(app_.get());
    auto* button = new TButton(form);
    button->SetParent(form);
    HWND window = button->Handle();
    auto set_text = [&](const wchar_t* text) {
        SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    };
    std::vector<std::string> log;
    auto engine = std::make_unique<WindowProcHook>(*button, NotingTexts(log, "engine"));
    auto application = std::make_unique<WindowProcHook>(*button, NotingTexts(log, "application"));
    {
        WindowProcHook latest(*button, NotingTexts(log, "latest"));
        set_text(L"one");
        EXPECT_EQ(log, (std::vector<std::string>{"latest", "application", "engine"}));
        EXPECT_EQ(TextOf(window), "one");
    }
    // The older hook goes first: the newer one still passes messages on to the control.
    log.clear();
    engine.reset();
    set_text(L"two");
    EXPECT_EQ(log, std::vector<std::string>{"application"});
    EXPECT_EQ(TextOf(window), "two");

    // A hook that ends a message keeps it from the older hooks and the control.
    WindowProcHook refusing(*button, [&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == WM_SETTEXT) {
            log.push_back("refusing");
            m.Result = FALSE;
            return;
        }
        next(m);
    });
    log.clear();
    set_text(L"three");
    EXPECT_EQ(log, std::vector<std::string>{"refusing"});
    EXPECT_EQ(TextOf(window), "two");

    // The control goes before its hooks: they learn it and come off without touching it.
    application.reset();
    auto kept = std::make_unique<WindowProcHook>(*button, NotingTexts(log, "kept"));
    delete button;
    EXPECT_EQ(kept->Control(), nullptr);
    EXPECT_EQ(refusing.Control(), nullptr);
    kept.reset();
}

TEST_F(WindowHooksTest, AHookChangedWhileAMessageRunsChangesTheChainForLaterMessages) {
    auto* form = new TForm(app_.get());
    auto* button = new TButton(form);
    button->SetParent(form);
    HWND window = button->Handle();
    std::vector<std::string> log;
    std::optional<WindowProcHook> added;
    std::optional<WindowProcHook> once;
    // Takes itself off on its first text and puts on another hook, which that
    // same message does not reach.
    once.emplace(*button, [&](TMessage& m, const TWndMethod& next) {
        if (m.Msg == WM_SETTEXT) {
            log.push_back("once");
            once.reset();
            added.emplace(*button, NotingTexts(log, "added"));
        }
        next(m);
    });
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"first"));
    EXPECT_EQ(log, std::vector<std::string>{"once"});
    EXPECT_EQ(TextOf(window), "first");
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"second"));
    EXPECT_EQ(log, (std::vector<std::string>{"once", "added"}));
    EXPECT_EQ(TextOf(window), "second");
}

constexpr std::uint32_t kPanelRgb = 0x00800000;  // rgb(128, 0, 0)
constexpr std::uint32_t kLabelRgb = 0x000000C0;  // rgb(0, 0, 192)
constexpr std::uint32_t kImageRgb = 0x0000C000;  // rgb(0, 192, 0)
constexpr std::uint32_t kPainterRgb = 0x00E0E000; // rgb(224, 224, 0)

// A panel holding a label and an image, without bevels or caption, so that
// each pixel is the face or one of the two children.
struct PanelWithChildren {
    explicit PanelWithChildren(TComponent* owner, TWinControl* parent) {
        panel = new TPanel(owner);
        panel->SetParent(parent);
        panel->SetBounds(10, 10, 60, 40);
        panel->SetBevelOuter(bvNone);
        panel->SetCaption("");
        panel->SetColor(rgb(128, 0, 0));
        label = new TLabel(owner);
        label->SetParent(panel);
        label->SetAutoSize(false);
        label->SetBounds(5, 5, 20, 10);
        label->SetCaption("");
        label->SetColor(rgb(0, 0, 192));
        image = new TImage(owner);
        image->SetParent(panel);
        image->SetBounds(30, 20, 8, 6);
        TBitmap& picture = image->Picture().Bitmap();
        picture.SetSize(8, 6);
        picture.Canvas().Brush().SetColor(rgb(0, 192, 0));
        picture.Canvas().FillRect({0, 0, 8, 6});
        image->Picture().Changed();
    }
    // The face colour at a point outside the children, then each child's colour.
    void ExpectPixels(ImageView v, std::uint32_t face) const {
        EXPECT_EQ(rgb_of(v.at(1, 1)), face);
        EXPECT_EQ(rgb_of(v.at(59, 39)), face);
        EXPECT_EQ(rgb_of(v.at(5, 5)), kLabelRgb);
        EXPECT_EQ(rgb_of(v.at(24, 14)), kLabelRgb);
        EXPECT_EQ(rgb_of(v.at(25, 15)), face);
        EXPECT_EQ(rgb_of(v.at(30, 20)), kImageRgb);
        EXPECT_EQ(rgb_of(v.at(37, 25)), kImageRgb);
    }
    TPanel* panel;
    TLabel* label;
    TImage* image;
};

TEST_F(WindowHooksTest, PrintClientPaintsTheFaceAndTheWindowlessChildren) {
    auto* form = app_->CreateForm<TForm>();
    PanelWithChildren p(form, form);
    form->Show();
    for (bool buffered : {false, true}) {
        SCOPED_TRACE(buffered ? "double-buffered" : "direct");
        p.panel->SetDoubleBuffered(buffered);
        TBitmap target;
        target.SetSize(60, 40);
        SendMessageW(p.panel->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.Canvas().Handle()),
                     PRF_CLIENT);
        GdiFlush();
        p.ExpectPixels(target.View(), kPanelRgb);
    }
}

TEST_F(WindowHooksTest, AnOutsidePainterTakesOverTheFaceAndKeepsTheChildren) {
    auto* form = app_->CreateForm<TForm>();
    form->SetBounds(100, 100, 200, 150);
    PanelWithChildren p(form, form);
    std::vector<HDC> painted;
    WindowProcHook painter(*p.panel, [&](TMessage& m, const TWndMethod& next) {
        if (m.Msg != CM_PAINTFACE) return next(m);
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        painted.push_back(dc);
        UniqueGdi<HBRUSH> brush(CreateSolidBrush(RGB(224, 224, 0)));
        RECT r{0, 0, 60, 40};
        FillRect(dc, &r, brush.get());
    });
    form->Show();

    TBitmap printed;
    printed.SetSize(60, 40);
    SendMessageW(p.panel->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.Canvas().Handle()),
                 PRF_CLIENT);
    GdiFlush();
    ASSERT_FALSE(painted.empty());
    EXPECT_EQ(painted.back(), printed.Canvas().Handle());
    p.ExpectPixels(printed.View(), kPainterRgb);

    // On screen, through WM_PAINT.
    for (bool buffered : {false, true}) {
        SCOPED_TRACE(buffered ? "double-buffered" : "direct");
        p.panel->SetDoubleBuffered(buffered);
        RedrawWindow(p.panel->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        TBitmap screen;
        screen.SetSize(60, 40);
        WindowDC dc(p.panel->Handle());
        BitBlt(screen.Canvas().Handle(), 0, 0, 60, 40, dc.get(), 0, 0, SRCCOPY);
        GdiFlush();
        p.ExpectPixels(screen.View(), kPainterRgb);
    }
}

TEST_F(WindowHooksTest, VisibleChangesAreAnnouncedToTheControl) {
    auto* form = app_->CreateForm<TForm>();
    auto* label = new TLabel(form);
    label->SetParent(form);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    std::vector<std::string> log;
    auto noting = [&log](const char* name) {
        return [&log, name](TMessage& m, const TWndMethod& next) {
            if (m.Msg == CM_VISIBLECHANGED) log.push_back(name + std::string(m.WParam ? " shown" : " hidden"));
            next(m);
        };
    };
    WindowProcHook form_hook(*form, noting("form"));
    WindowProcHook label_hook(*label, noting("label"));
    WindowProcHook panel_hook(*panel, noting("panel"));
    form->Show();
    label->Hide();
    label->Hide();  // no change, no notice
    panel->Hide();
    label->Show();
    form->Hide();
    EXPECT_EQ(log, (std::vector<std::string>{"form shown", "label hidden", "panel hidden", "label shown",
                                             "form hidden"}));
    EXPECT_FALSE(IsWindowVisible(panel->Handle()));
}

// An owner-drawn list box: the standard control asks its parent for the item
// height while it is being created.
class TOwnerDrawList : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TOwnerDrawList";
    explicit TOwnerDrawList(TComponent* owner) : TWinControl(owner) {}
    std::string_view ClassName() const override { return kClassName; }
    int measured = 0;

protected:
    void CreateParams(TCreateParams& p) override {
        TWinControl::CreateParams(p);
        p.superclass = L"LISTBOX";
        p.style |= LBS_OWNERDRAWFIXED | LBS_NOTIFY;
    }
    void WndProc(TMessage& m) override {
        if (m.Msg == CN_MEASUREITEM) {
            ++measured;
            reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->itemHeight = 23;
            m.Result = TRUE;
            return;
        }
        TWinControl::WndProc(m);
    }
};

TEST_F(WindowHooksTest, MeasureItemReachesTheChildThatOwnsTheItems) {
    auto* form = app_->CreateForm<TForm>();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    // Siblings before it, so that it is not the only child with an id.
    for (int i = 0; i < 3; ++i) (new TButton(form))->SetParent(panel);
    auto* list = new TOwnerDrawList(form);
    list->SetParent(panel);
    list->SetBounds(0, 0, 100, 80);
    form->HandleNeeded();
    EXPECT_EQ(list->measured, 1);
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 23);
    // Each child window of the panel has an id of its own.
    std::vector<LONG_PTR> ids;
    for (HWND w : ChildrenOf(panel->Handle())) ids.push_back(GetWindowLongPtrW(w, GWLP_ID));
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<LONG_PTR>{1, 2, 3, 4}));
}

}  // namespace
}  // namespace korvane::testing
