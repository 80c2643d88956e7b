#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include <windows.h>
#include <dlgs.h>

#include "base/error.h"
#include "framework/win/dialogs.h"
#include "framework/win/stdctrls.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

using DialogsTest = FrameworkTest;

struct SeenBox {
    std::wstring window_class;
    std::string caption;
    std::vector<std::string> texts;  // the texts of its child windows, in order
};

SeenBox Inspect(HWND box) {
    SeenBox seen{ClassNameOf(box), TextOf(box), {}};
    for (HWND child : ChildrenOf(box))
        if (std::string text = TextOf(child); !text.empty()) seen.texts.push_back(text);
    return seen;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST_F(DialogsTest, AnExceptionEndingAHandlerReachesTheStandardErrorBox) {
    app_->SetTitle("Korvane");
    auto* form = app_->CreateForm<TForm>();
    auto* button = new TButton(form);
    button->SetParent(form);
    button->OnClick = [](TObject*) { throw Error("File not found"); };
    form->Show();

    SeenBox seen;
    bool form_enabled_meanwhile = true;
    {
        UserDriver user([&](DWORD ui) {
            HWND box = WaitForWindow(ui, [](HWND w) { return ClassNameOf(w) == L"#32770"; });
            if (!box) return;
            seen = Inspect(box);
            form_enabled_meanwhile = IsWindowEnabled(form->Handle());
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    }
    EXPECT_EQ(seen.caption, "Korvane");
    EXPECT_TRUE(Contains(seen.texts, "File not found.")) << ::testing::PrintToString(seen.texts);
    EXPECT_FALSE(form_enabled_meanwhile);  // modal to the whole application
    // The program goes on: the form is still there and answers.
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}

TEST_F(DialogsTest, ErrorBoxTextGoesToOnExceptionWhenSet) {
    std::vector<std::string> shown;
    app_->OnException = [&](const std::string& text) { shown.push_back(text); };
    try {
        throw std::runtime_error("Disk full");
    } catch (...) {
        app_->HandleException();
    }
    app_->ShowException("Done!");
    EXPECT_EQ(shown, (std::vector<std::string>{"Disk full.", "Done!"}));
}

TEST_F(DialogsTest, OnCanCloseKeepsTheSaveDialogOpen) {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "korvane-save-dialog";
    std::filesystem::create_directories(dir);
    TSaveDialog dialog(nullptr);
    dialog.SetFilter("Bmp files(*.bmp)|*.bmp");
    dialog.SetInitialDir(narrow(dir.wstring()));
    dialog.SetOptions({ofHideReadOnly, ofPathMustExist, ofEnableSizing});
    std::vector<std::string> asked;
    dialog.OnCanClose = [&](TObject* sender, bool& can_close) {
        EXPECT_EQ(sender, &dialog);
        asked.push_back(std::filesystem::path(widen(dialog.FileName())).filename().string());
        can_close = asked.size() > 1;  // the first name is refused
    };

    std::atomic<bool> still_open_after_refusal{false};
    bool confirmed = false;
    {
        UserDriver user([&](DWORD ui) {
            HWND box = WaitForWindow(ui, [](HWND w) { return ClassNameOf(w) == L"#32770"; });
            if (!box) return;
            auto type_and_confirm = [&](const wchar_t* name) {
                SendMessageW(box, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(name));
                SendMessageW(box, CDM_SETCONTROLTEXT, edt1, reinterpret_cast<LPARAM>(name));
                SendMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
            };
            type_and_confirm(L"first.bmp");
            Sleep(200);
            still_open_after_refusal = IsWindow(box) && IsWindowVisible(box);
            type_and_confirm(L"second.bmp");
        });
        confirmed = dialog.Execute();
    }
    EXPECT_TRUE(still_open_after_refusal);
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(asked, (std::vector<std::string>{"first.bmp", "second.bmp"}));
    EXPECT_EQ(std::filesystem::path(widen(dialog.FileName())), dir / "second.bmp");
}

TEST_F(DialogsTest, MessageDlgIsATMessageFormWithFixedCaptionsAndButtons) {
    SeenBox seen;
    int result = 0;
    {
        UserDriver user([&](DWORD ui) {
            HWND box = WaitForWindow(ui, [](HWND w) { return ClassNameOf(w) == L"TMessageForm"; });
            if (!box) return;
            seen = Inspect(box);
            for (HWND child : ChildrenOf(box))
                if (TextOf(child) == "&No") PostMessageW(child, BM_CLICK, 0, 0);
        });
        result = MessageDlg("Overwrite it?", mtConfirmation, {mbYes, mbNo});
    }
    EXPECT_EQ(seen.window_class, L"TMessageForm");
    EXPECT_EQ(seen.caption, "Confirm");
    EXPECT_EQ(seen.texts, (std::vector<std::string>{"&Yes", "&No"}));
    EXPECT_EQ(result, mrNo);
}

TEST_F(DialogsTest, MessageDlgWarningHasOneOkButton) {
    SeenBox seen;
    int result = 0;
    {
        UserDriver user([&](DWORD ui) {
            HWND box = WaitForWindow(ui, [](HWND w) { return ClassNameOf(w) == L"TMessageForm"; });
            if (!box) return;
            seen = Inspect(box);
            PostMessageW(box, WM_CLOSE, 0, 0);
        });
        result = MessageDlg("Choose a file!", mtWarning, {mbOK});
    }
    EXPECT_EQ(seen.caption, "Warning");
    EXPECT_EQ(seen.texts, (std::vector<std::string>{"OK"}));
    EXPECT_EQ(result, mrCancel);  // closed without a button
}

TEST_F(DialogsTest, MessageDlgAnswersReturnWithTheFirstButtonAndEscapeWithNo) {
    auto answer_with = [](WPARAM key) {
        UserDriver user([key](DWORD ui) {
            HWND box = WaitForWindow(ui, [](HWND w) { return ClassNameOf(w) == L"TMessageForm"; });
            if (!box) return;
            HWND first = ChildrenOf(box).back();  // any control of the dialog
            PostMessageW(first, WM_KEYDOWN, key, 0);
        });
        return MessageDlg("Preview it?", mtConfirmation, {mbYes, mbNo});
    };
    EXPECT_EQ(answer_with(VK_RETURN), mrYes);
    EXPECT_EQ(answer_with(VK_ESCAPE), mrNo);
}

}  // namespace
}  // namespace korvane::testing
