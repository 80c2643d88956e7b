// The focus as a keyboard user meets it: the form remembers the control that
// had it and gives it back, and the default-button look goes with it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/win/buttons.h"
#include "framework/win/dialogs.h"
#include "framework/win/edits.h"
#include "framework/win/stdctrls.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

// A form with a static text that takes the focus, a default button "OK", a
// button "Other" and a glyph button "Go", in this tab order.
class TFocusForm : public TForm {
public:
    static constexpr std::string_view kClassName = "TFocusForm";
    explicit TFocusForm(TComponent* owner) : TForm(owner) {
        SetBounds(60, 60, 360, 200);
        text = Make<TStaticText>("Text", 10, 10, 100, 20);
        text->SetTabStop(true);
        ok = Make<TButton>("OK", 10, 50, 75, 25);
        ok->SetDefault(true);
        other = Make<TButton>("Other", 100, 50, 75, 25);
        go = Make<TBitBtn>("Go", 190, 50, 90, 25);
        for (TButton* b : Buttons()) {
            b->SetCaption(b->Name());
            b->OnClick = [this](TObject* sender) { clicked.push_back(static_cast<TButton*>(sender)->Name()); };
        }
    }
    std::string_view ClassName() const override { return kClassName; }

    template <class C>
    C* Make(const char* name, int x, int y, int w, int h) {
        auto* c = new C(this);
        c->SetName(name);
        c->SetParent(this);
        c->SetBounds(x, y, w, h);
        return c;
    }

    // The names of the buttons that show the default look, as a dialog
    // manager asks them.
    std::vector<std::string> DefaultLooking() {
        std::vector<std::string> out;
        for (TButton* b : Buttons())
            if (SendMessageW(b->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) out.push_back(b->Name());
        return out;
    }

    std::vector<TButton*> Buttons() const { return {ok, other, go}; }

    TStaticText* text;
    TButton* ok;
    TButton* other;
    TBitBtn* go;
    std::vector<std::string> clicked;
};

class FocusTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        form_ = app_->CreateForm<TFocusForm>();
        form_->Show();
        Pump();
    }

    // A key as the message loop gets it from the keyboard.
    void Press(WPARAM key) {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
        Pump();
    }

    // The name of the control with the focus, or "(none)".
    std::string FocusName() {
        TWinControl* c = TWinControl::FindControl(GetFocus());
        return c ? c->Name() : "(none)";
    }

    TFocusForm* form_ = nullptr;
};

using Names = std::vector<std::string>;

TEST_F(FocusTest, TheDefaultLookFollowsTheFocusedButtonAndReturnsToTheDefaultOne) {
    EXPECT_EQ(FocusName(), "Text");
    EXPECT_EQ(form_->DefaultLooking(), Names{"OK"});
    Press(VK_TAB);
    EXPECT_EQ(FocusName(), "OK");
    EXPECT_EQ(form_->DefaultLooking(), Names{"OK"});
    Press(VK_TAB);
    EXPECT_EQ(FocusName(), "Other");
    EXPECT_EQ(form_->DefaultLooking(), Names{"Other"});
    EXPECT_EQ(GetWindowLongPtrW(form_->other->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongPtrW(form_->ok->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    Press(VK_RETURN);
    Press(VK_TAB);
    EXPECT_EQ(FocusName(), "Go");
    EXPECT_EQ(form_->DefaultLooking(), Names{"Go"});
    // The glyph button stays owner-drawn.
    EXPECT_EQ(GetWindowLongPtrW(form_->go->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    Press(VK_RETURN);
    Press(VK_TAB);  // round to the text: the default button has the look again
    EXPECT_EQ(FocusName(), "Text");
    EXPECT_EQ(form_->DefaultLooking(), Names{"OK"});
    Press(VK_RETURN);
    // Shift+Tab goes back; the mouse and code move the look as well.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    Press(VK_TAB);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(FocusName(), "Go");
    SendMessageW(form_->other->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(form_->other->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(FocusName(), "Other");
    EXPECT_EQ(form_->DefaultLooking(), Names{"Other"});
    form_->text->SetFocus();
    EXPECT_EQ(form_->DefaultLooking(), Names{"OK"});
    EXPECT_EQ(form_->clicked, (Names{"Other", "Go", "OK", "Other"}));
}

TEST_F(FocusTest, TheGlyphButtonDrawsTheDefaultLookAsAFrameLine) {
    auto corner = [&] {
        form_->go->Repaint();
        WindowDC dc(form_->go->Handle());
        return GetPixel(dc.get(), 0, 0);
    };
    COLORREF plain = corner();
    form_->go->SetFocus();
    Pump();
    EXPECT_EQ(corner(), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_NE(plain, GetSysColor(COLOR_WINDOWFRAME));
}

TEST_F(FocusTest, TheFormGivesTheFocusBackOnReactivationAndAfterMinimising) {
    form_->other->SetFocus();
    EXPECT_EQ(form_->ActiveControl(), form_->other);

    auto* elsewhere = app_->CreateForm<TForm>();
    elsewhere->SetBounds(400, 60, 200, 100);
    elsewhere->Show();
    Pump();
    EXPECT_EQ(GetActiveWindow(), elsewhere->Handle());
    SetActiveWindow(form_->Handle());
    Pump();
    EXPECT_EQ(FocusName(), "Other");

    SendMessageW(form_->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    Pump();
    EXPECT_TRUE(IsIconic(form_->Handle()));
    SendMessageW(form_->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    Pump();
    EXPECT_FALSE(IsIconic(form_->Handle()));
    EXPECT_EQ(FocusName(), "Other");
    EXPECT_EQ(form_->DefaultLooking(), Names{"Other"});
}

TEST_F(FocusTest, TheFocusComesBackAfterMessageBoxesModalFormsAndFileDialogs) {
    form_->other->SetFocus();
    auto closing = [](const wchar_t* window_class, WPARAM command) {
        return [window_class, command](DWORD ui) {
            HWND box = WaitForWindow(ui, [&](HWND w) { return ClassNameOf(w) == window_class; });
            if (box) PostMessageW(box, WM_COMMAND, command, 0);
        };
    };
    {
        UserDriver user(closing(L"#32770", IDOK));
        app_->MessageBox("Done", "Korvane", MB_OK);
    }
    Pump();
    EXPECT_EQ(FocusName(), "Other") << "after a message box";
    EXPECT_EQ(form_->DefaultLooking(), Names{"Other"});

    {
        UserDriver user([](DWORD ui) {
            HWND box = WaitForWindow(ui, [](HWND w) { return ClassNameOf(w) == L"TMessageForm"; });
            if (box) PostMessageW(box, WM_CLOSE, 0, 0);
        });
        MessageDlg("Preview it?", mtConfirmation, {mbYes, mbNo});
    }
    Pump();
    EXPECT_EQ(FocusName(), "Other") << "after a message dialog";

    form_->go->SetFocus();
    {
        UserDriver user(closing(L"#32770", IDCANCEL));
        TOpenDialog dialog(nullptr);
        EXPECT_FALSE(dialog.Execute());
    }
    Pump();
    EXPECT_EQ(FocusName(), "Go") << "after a file dialog";
    EXPECT_EQ(form_->DefaultLooking(), Names{"Go"});
}

TEST_F(FocusTest, AMessageDialogFocusesItsFirstButtonAndReturnPressesIt) {
    std::string focused_then;
    int result = 0;
    {
        UserDriver user([&](DWORD ui) {
            HWND box = WaitForWindow(ui, [](HWND w) { return ClassNameOf(w) == L"TMessageForm"; });
            if (!box) return;
            // The focus of the dialog's thread once it is on one of the dialog's
            // controls other than `before` (right after the box appears the focus
            // may still be on the window that opened it).
            auto focus_after = [ui, box](HWND before) {
                GUITHREADINFO info{};
                info.cbSize = sizeof(info);
                for (int i = 0; i < 200; ++i) {
                    if (GetGUIThreadInfo(ui, &info) && info.hwndFocus && info.hwndFocus != before &&
                        IsChild(box, info.hwndFocus))
                        break;
                    Sleep(10);
                }
                return info.hwndFocus;
            };
            HWND first = focus_after(nullptr);
            focused_then = TextOf(first);
            PostMessageW(first, WM_KEYDOWN, VK_TAB, 0);
            PostMessageW(focus_after(first), WM_KEYDOWN, VK_RETURN, 0);
        });
        result = MessageDlg("Overwrite it?", mtConfirmation, {mbYes, mbNo});
    }
    EXPECT_EQ(focused_then, "&Yes");
    EXPECT_EQ(result, mrNo) << "Return presses the button Tab moved the look to";
}

TEST_F(FocusTest, TabIntoAnEditSelectsItsWholeTextAndTheDefaultButtonKeepsTheLook) {
    auto* edit = form_->Make<TEdit>("Edit", 10, 100, 120, 22);
    edit->SetCaption("notes.txt");
    form_->go->SetFocus();
    Press(VK_TAB);
    EXPECT_EQ(FocusName(), "Edit");
    DWORD start = 1, end = 0;
    SendMessageW(edit->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 9u);
    EXPECT_EQ(form_->DefaultLooking(), Names{"OK"});
}

}  // namespace
}  // namespace korvane::testing
