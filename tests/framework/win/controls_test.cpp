#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/win/buttons.h"
#include "framework/win/comctrls.h"
#include "framework/win/extctrls.h"
#include "framework/win/stdctrls.h"
#include "framework/win/timer.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

class TGalleryForm : public TForm {
public:
    static constexpr std::string_view kClassName = "TGalleryForm";
    explicit TGalleryForm(TComponent* owner) : TForm(owner) {
        SetBounds(50, 50, 400, 300);
        panel = Make<TPanel>("Panel1", this, 5, 5, 200, 100);
        label = Make<TLabel>("Label1", panel, 10, 10, 60, 15);
        label->SetCaption("Label");
        button = Make<TButton>("Button1", panel, 100, 10, 75, 25);
        button->SetCaption("&Press");
        text = Make<TStaticText>("StaticText1", this, 10, 120, 100, 17);
        text->SetBorderStyle(sbsSunken);
        bit_button = Make<TBitBtn>("BitBtn1", this, 10, 150, 120, 30);
        progress = Make<TProgressBar>("ProgressBar1", this, 10, 190, 150, 16);
        image = Make<TImage>("Image1", this, 200, 120, 50, 50);
    }
    std::string_view ClassName() const override { return kClassName; }

    template <class C>
    C* Make(const char* name, TWinControl* parent, int x, int y, int w, int h) {
        auto* c = new C(this);
        c->SetName(name);
        c->SetParent(parent);
        c->SetBounds(x, y, w, h);
        return c;
    }

    TPanel* panel;
    TLabel* label;
    TButton* button;
    TStaticText* text;
    TBitBtn* bit_button;
    TProgressBar* progress;
    TImage* image;
};

using ControlsTest = FrameworkTest;

TEST_F(ControlsTest, WindowClassesAreNamedAfterFrameworkClasses) {
    auto* form = app_->CreateForm<TGalleryForm>();
    form->Show();
    EXPECT_EQ(ClassNameOf(app_->Handle()), L"TApplication");
    EXPECT_EQ(ClassNameOf(form->Handle()), L"TGalleryForm");
    EXPECT_EQ(ClassNameOf(form->panel->Handle()), L"TPanel");
    EXPECT_EQ(ClassNameOf(form->button->Handle()), L"TButton");
    EXPECT_EQ(ClassNameOf(form->text->Handle()), L"TStaticText");
    EXPECT_EQ(ClassNameOf(form->bit_button->Handle()), L"TBitBtn");
    EXPECT_EQ(ClassNameOf(form->progress->Handle()), L"TProgressBar");
    // The form's window is owned by the application's; controls are children of their parents.
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), app_->Handle());
    EXPECT_EQ(GetParent(form->button->Handle()), form->panel->Handle());
    // Superclassed standard controls keep their behaviour: the button is a push button,
    // the static text has the sunken style, the progress bar takes a position.
    EXPECT_EQ(SendMessageW(form->button->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON,
              DLGC_UNDEFPUSHBUTTON);
    EXPECT_TRUE(GetWindowLongPtrW(form->text->Handle(), GWL_STYLE) & SS_SUNKEN);
    form->progress->SetPosition(40);
    EXPECT_EQ(SendMessageW(form->progress->Handle(), PBM_GETPOS, 0, 0), 40);
    EXPECT_EQ(TWinControl::FindControl(form->button->Handle()), form->button);
}

TEST_F(ControlsTest, ReplacedWindowProcSeesEveryMessageAndCanEndOne) {
    auto* form = app_->CreateForm<TGalleryForm>();
    form->Show();
    TButton* button = form->button;
    std::vector<UINT> seen;
    WindowProcHook hook(*button, [&](TMessage& m, const TWndMethod& next) {
        seen.push_back(m.Msg);
        if (m.Msg == WM_SETTEXT) {
            m.Result = TRUE;  // swallowed: the window keeps its text
            return;
        }
        next(m);
    });
    SendMessageW(button->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Changed"));
    EXPECT_EQ(TextOf(button->Handle()), "&Press");
    SendMessageW(button->Handle(), WM_USER + 7, 0, 0);
    EXPECT_EQ(button->Perform(WM_GETTEXTLENGTH), 6);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_SETTEXT, WM_GETTEXT, WM_USER + 7, WM_GETTEXTLENGTH}));

    // A windowless control has one too: its parent's mouse messages reach it.
    std::vector<UINT> label_seen;
    WindowProcHook label_hook(*form->label, [&](TMessage& m, const TWndMethod& next) {
        label_seen.push_back(m.Msg);
        next(m);
    });
    SendMessageW(form->panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(12, 12));
    ASSERT_FALSE(label_seen.empty());
    EXPECT_EQ(label_seen.back(), UINT(WM_MOUSEMOVE));
}

// Records the reflected notifications it receives.
class TNotifiedControl : public TWinControl {
public:
    explicit TNotifiedControl(TComponent* owner) : TWinControl(owner) {}
    std::vector<TMessage> received;

protected:
    void WndProc(TMessage& m) override {
        if (m.Msg >= CN_BASE && m.Msg < CN_BASE + 0x200) {
            received.push_back(m);
            m.Result = 77;
            return;
        }
        TWinControl::WndProc(m);
    }
};

TEST_F(ControlsTest, ParentNotificationsAreReflectedToTheChild) {
    auto* form = app_->CreateForm<TForm>();
    auto* child = new TNotifiedControl(form);
    child->SetParent(form);
    child->SetBounds(0, 0, 50, 50);
    HWND child_window = child->Handle();

    LRESULT r = SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(5, BN_CLICKED),
                             reinterpret_cast<LPARAM>(child_window));
    NMHDR header{child_window, 9, UINT(-12)};
    LRESULT n = SendMessageW(form->Handle(), WM_NOTIFY, 9, reinterpret_cast<LPARAM>(&header));
    SendMessageW(form->Handle(), WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(child_window));
    // A notification about a window that is not a framework control is the form's own.
    SendMessageW(form->Handle(), WM_COMMAND, 1, 0);

    ASSERT_EQ(child->received.size(), 3u);
    EXPECT_EQ(child->received[0].Msg, CN_COMMAND);
    EXPECT_EQ(child->received[0].WParam, MAKEWPARAM(5, BN_CLICKED));
    EXPECT_EQ(child->received[1].Msg, UINT(0xBC4E));
    EXPECT_EQ(child->received[1].LParam, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(child->received[2].Msg, CN_CTLCOLORSTATIC);
    EXPECT_EQ(r, 77);
    EXPECT_EQ(n, 77);
}

TEST_F(ControlsTest, ButtonClickRaisesOnClickAndSetsTheFormsModalResult) {
    auto* form = app_->CreateForm<TGalleryForm>();
    form->Show();
    int clicks = 0;
    form->button->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, form->button);
        ++clicks;
    };
    form->button->SetModalResult(mrYes);
    SendMessageW(form->button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form->ModalResult(), mrYes);
    // The skinning engine's way: WM_COMMAND with wParam 0 from the button.
    SendMessageW(form->panel->Handle(), WM_COMMAND, 0, reinterpret_cast<LPARAM>(form->button->Handle()));
    EXPECT_EQ(clicks, 2);
    // Alt+P: the accelerator reaches the button through CM_DIALOGCHAR.
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'p'), 1);
    EXPECT_EQ(clicks, 3);
}

TEST_F(ControlsTest, LabelClickFiresOnReleaseInsideOnlyAndBeforeMouseUp) {
    auto* form = app_->CreateForm<TGalleryForm>();
    form->Show();
    std::vector<std::string> events;
    form->label->OnClick = [&](TObject*) { events.push_back("click"); };
    form->label->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        events.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    };
    HWND panel = form->panel->Handle();
    SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 12));
    SendMessageW(panel, WM_LBUTTONUP, 0, MAKELPARAM(13, 12));
    // Pressed on the label, released outside it: the captured label gets the release, no click.
    SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 12));
    SendMessageW(panel, WM_LBUTTONUP, 0, MAKELPARAM(150, 90));
    EXPECT_EQ(events, (std::vector<std::string>{"click", "up 3,2", "up 140,80"}));
}

TEST_F(ControlsTest, FormsAreFreedWithTheirOwner) {
    auto* owner = app_->CreateForm<TForm>();
    auto* owned = NewForm<TForm>(owner);
    bool destroyed = false;
    owned->OnDestroy = [&](TObject*) { destroyed = true; };
    owned->Show();
    HWND owned_window = owned->Handle();
    ASSERT_EQ(Screen->FormCount(), 2);
    EXPECT_EQ(Screen->Forms(0), owner);
    EXPECT_EQ(Screen->Forms(1), owned);

    delete owner;
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(IsWindow(owned_window));
    EXPECT_EQ(Screen->FormCount(), 0);
    EXPECT_EQ(app_->MainForm(), nullptr);
}

TEST_F(ControlsTest, TimerTicksWhileEnabledOnly) {
    TTimer timer(nullptr);
    int ticks = 0;
    timer.OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        ++ticks;
    };
    timer.SetInterval(20);
    PumpUntil([&] { return ticks >= 3; });
    EXPECT_GE(ticks, 3);
    timer.SetEnabled(false);
    const int stopped_at = ticks;
    Sleep(100);
    Pump();
    EXPECT_EQ(ticks, stopped_at);
}

TEST_F(ControlsTest, NoGdiOrUserHandlesLeakOverAThousandCycles) {
    auto cycle = [&] {
        auto* form = app_->CreateForm<TGalleryForm>();
        form->bit_button->Glyph().SetSize(16, 16);
        form->image->Picture().Bitmap().SetSize(20, 20);
        form->image->Picture().Changed();
        form->label->Font().SetHeight(-13);
        form->panel->SetColor(clWindow);
        form->Show();
        UpdateWindow(form->Handle());
        form->Hide();
        delete form;
    };
    cycle();  // classes, stock objects and caches made once
    const int gdi_before = LiveGdiObjects();
    const int windows_before = WindowCountOfThread();
    ASSERT_GT(gdi_before, 0);
    for (int i = 0; i < 1000; ++i) cycle();
    EXPECT_EQ(WindowCountOfThread(), windows_before);
    EXPECT_EQ(LiveGdiObjects(), gdi_before);
}

}  // namespace
}  // namespace korvane::testing
