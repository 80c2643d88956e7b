// The main window as its stored layout and its handlers make it, in process:
// a helper thread plays the user while a handler waits in a message box.

#include "app/main_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/pic_show.h"
#include "base/file_io_testing.h"
#include "convert/bmp_writer.h"
#include "convert/converter.h"
#include "convert/embedded_fonts.h"
#include "framework/core/class_registry.h"
#include "framework/win/window_test_support.h"
#include "skin/data/skin_reader_notice.h"
#include "skin/engine/registration.h"
#include "skin/engine/skin_manager.h"
#include "skin/engine/skinned_window.h"
#include "skin/controls/combo_face.h"
#include "skin/controls/control_skins.h"
#include "skin/controls/skin_control.h"
#include "framework/win/user_input.h"

namespace korvane {
namespace {

const std::string kTitle = "文本转图片工具V1.0";

struct Placement {
    const char* name;
    int left, top, width, height;
};

class MainFormTest : public testing::FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        RegisterComponentClass<THotLabel>();
        RegisterSkinClasses();
        form_ = app_->CreateForm<TMainForm>();
        Form1 = app_->CreateForm<TForm1>();
    }
    void TearDown() override {
        Form1 = nullptr;
        FrameworkTest::TearDown();
    }

    // Runs a conversion while a helper gives `answer` to the preview
    // question (no helper for a conversion that fails before it).
    std::vector<std::string> convert_logging_titles(const std::string& source, const std::string& target,
                                                    int answer = 0) {
        std::vector<std::string> titles;
        WindowProcHook hook(*form_, [&](TMessage& m, const TWndMethod& next) {
            if (m.Msg == WM_SETTEXT) titles.push_back(narrow(reinterpret_cast<const wchar_t*>(m.LParam)));
            next(m);
        });
        form_->HandleNeeded();
        form_->SourceFileName = source;
        form_->TargetFileName = target;
        // As the user's click comes: through the button's window, whose
        // procedure hands failures to the application's error box.
        auto click = [&] { SendMessageW(form_->BitBtn1->Handle(), BM_CLICK, 0, 0); };
        if (answer) {
            testing::UserDriver user([&](DWORD ui) {
                HWND box = testing::WaitForWindow(ui, [](HWND w) { return testing::TextOf(w) == "Confirm"; });
                if (box) PostMessageW(box, WM_COMMAND, answer, 0);
            });
            click();
        } else {
            click();
        }
        return titles;
    }

    TMainForm* form_ = nullptr;
};

TEST_F(MainFormTest, LayoutPlacesEveryControlAsDesigned) {
    EXPECT_EQ(form_->Caption(), kTitle);
    EXPECT_EQ(form_->ClientWidth(), 344);
    EXPECT_EQ(form_->ClientHeight(), 119);
    EXPECT_EQ(form_->BorderStyle(), bsSingle);
    EXPECT_EQ(form_->BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize}));
    EXPECT_EQ(form_->Font().Name(), "MS Sans Serif");
    EXPECT_EQ(form_->Font().Height(), -11);

    const Placement placements[] = {
        {"Panel1", 0, 0, 353, 121},   {"stSFile", 94, 16, 171, 17},  {"Button1", 280, 16, 46, 19},
        {"stDFile", 94, 43, 170, 17}, {"Button2", 280, 44, 46, 18},  {"BitBtn1", 15, 72, 315, 21},
        {"ProgressBar1", 112, 240, 121, 17}};
    for (const Placement& p : placements) {
        auto* control = dynamic_cast<TControl*>(form_->FindComponent(p.name));
        ASSERT_NE(control, nullptr) << p.name;
        EXPECT_EQ(control->BoundsRect(), Rect::from_size(p.left, p.top, p.width, p.height)) << p.name;
    }
    // Labels size themselves to their text in the font at hand; their places are fixed.
    const Placement labels[] = {
        {"Label1", 19, 18, 0, 0}, {"Label2", 8, 44, 0, 0}, {"HotLabel1", 56, 101, 0, 0}, {"HotLabel3", 272, 256, 0, 0}};
    for (const Placement& p : labels) {
        auto* label = dynamic_cast<TCustomLabel*>(form_->FindComponent(p.name));
        ASSERT_NE(label, nullptr) << p.name;
        EXPECT_TRUE(label->AutoSize()) << p.name;
        EXPECT_EQ(label->Left(), p.left) << p.name;
        EXPECT_EQ(label->Top(), p.top) << p.name;
    }
    EXPECT_GE(form_->ProgressBar1->Top(), form_->ClientHeight());
    EXPECT_GE(form_->HotLabel3->Top(), form_->ClientHeight());
    for (TControl* c : std::initializer_list<TControl*>{form_->Label1, form_->Label2, form_->Button1,
                                                       form_->Button2, form_->BitBtn1, form_->HotLabel1}) {
        EXPECT_EQ(c->Font().Name(), "宋体") << c->Name();
        EXPECT_EQ(c->Font().Height(), -12) << c->Name();
    }
    EXPECT_EQ(form_->Label1->Caption(), "源TXT文件：");
    EXPECT_EQ(form_->Label2->Caption(), "目标BMP文件：");
    EXPECT_EQ(form_->BitBtn1->Caption(), "开 始 转 换");
    EXPECT_EQ(form_->HotLabel3->Caption(), "Convert");
    EXPECT_EQ(form_->stSFile->Caption(), "");
    EXPECT_EQ(form_->stDFile->Caption(), "");
    EXPECT_EQ(form_->Panel1->BevelOuter(), bvNone);
    EXPECT_EQ(form_->stSFile->BorderStyle(), sbsSunken);
    EXPECT_FALSE(form_->stSFile->AutoSize());
    EXPECT_EQ(form_->HotLabel1->Font().GetColor(), rgb(0, 0, 255));
    EXPECT_TRUE(form_->HotLabel1->Font().Style().contains(fsUnderline));
    EXPECT_EQ(form_->HotLabel1->ClickColor(), rgb(255, 0, 0));

    const TWinControl* tab_order[] = {form_->ProgressBar1, form_->stSFile, form_->stDFile,
                                      form_->BitBtn1,      form_->Button1, form_->Button2};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(tab_order[i]->TabOrder(), i) << tab_order[i]->Name();
}

TEST_F(MainFormTest, CreationLoadsTheFontsAndPointsTheDialogsHere) {
    EXPECT_TRUE(form_->Fonts.complete());
    EXPECT_TRUE(std::equal(form_->Fonts.asc16.begin(), form_->Fonts.asc16.end(),
                           embedded_font_tables().asc16.begin()));
    const std::string here = narrow(std::filesystem::current_path().wstring());
    EXPECT_EQ(form_->OpenDlg->InitialDir(), here);
    EXPECT_EQ(form_->SaveDlg->InitialDir(), here);
    EXPECT_EQ(form_->OpenDlg->Filter(), "Txt files(*.txt)|*.txt|All files(*.*)|*.*");
    EXPECT_EQ(form_->OpenDlg->Options(), (TOpenOptions{ofHideReadOnly, ofFileMustExist, ofEnableSizing}));
    EXPECT_EQ(form_->SaveDlg->Filter(), "Bmp files(*.bmp)|*.bmp");
    EXPECT_EQ(form_->SaveDlg->Options(), (TOpenOptions{ofHideReadOnly, ofPathMustExist, ofEnableSizing}));
    EXPECT_EQ(form_->SourceFileName, "");
    EXPECT_EQ(form_->TargetFileName, "");
}

TEST_F(MainFormTest, TheLayoutCarriesTheToolsSkinAndCreationSwitchesItOn) {
    ASSERT_EQ(form_->SkinStore1->Store().Count(), 1);
    const TSkinCollectionItem& item = form_->SkinStore1->Store().Items(0);
    EXPECT_EQ(item.Name(), "SkinItem0");
    const auto stored = item.Data().Memory();
    EXPECT_EQ(std::string(stored.begin(), stored.end()),
              testing::read_bytes(KORVANE_TEST_DATA "/../../data/skins/default.skn"))
        << "refresh it with scripts/store-skin-in-layout.py src/app/main_form.layout SkinItem0 data/skins/default.skn";
    TSkinData& data = *form_->SkinData1;
    EXPECT_TRUE(data.Active());
    EXPECT_FALSE(data.Empty());
    EXPECT_EQ(data.DisableTag(), 99);
    EXPECT_EQ(data.SkinControls(), kDefaultSkinControls);
    EXPECT_EQ(data.SkinFormtype(), sfMainform);
    EXPECT_EQ(data.SkinStore(), "(none)");
    EXPECT_EQ(data.Package().Size(), item.DataSize());  // the store's package, not the empty SkinStream
    ASSERT_NE(SkinManager, nullptr);
    EXPECT_TRUE(SkinManager->HookInstalled());
    EXPECT_TRUE(SkinManager->Enabled());

    form_->Show();
    PumpUntil([&] { return SkinManager->IsSkinnedWindow(form_->Handle()); });
    EXPECT_EQ(SendMessageW(form_->Handle(), WM_SKINQUERY, 0, 0), 1);
    EXPECT_EQ(form_->GetColor(), data.Colours().ButtonFace);
}

TEST_F(MainFormTest, AMissingOrDamagedSkinPackageIsSaidOnceAndTheToolGoesOnPlain) {
    std::vector<std::string> notices;
    SkinNoticeSink previous = SetSkinNoticeSink([&](const std::string& m) { notices.push_back(m); });
    form_->Show();
    Pump();
    form_->SkinData1->SetActive(false);
    PumpUntil([&] { return SkinManager->SkinnedWindowCount() == 0; });
    ASSERT_EQ(SkinManager->SkinnedWindowCount(), 0);

    TSkinCollectionItem& item = form_->SkinStore1->Store().Items(0);
    item.Data().Clear();
    const std::uint8_t damaged[] = {0x10, 0, 0, 0, 1, 2, 3};
    item.Data().WriteBuffer(damaged);
    form_->SwitchSkinOn();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(form_->SkinData1->Empty());
    form_->SkinStore1->Store().Clear();
    form_->SwitchSkinOn();
    EXPECT_EQ(notices, (std::vector<std::string>{notices[0], kSkinMissingNotice}));

    Form1->Show();
    Pump();
    SetActiveWindow(form_->Handle());
    Pump();
    EXPECT_EQ(SkinManager->SkinnedWindowCount(), 0);
    EXPECT_EQ(SendMessageW(form_->Handle(), WM_SKINQUERY, 0, 0), 0);
    SetSkinNoticeSink(std::move(previous));
}

// --skin: another package is worn; one that cannot be used is said once, with
// its reason, and the stored skin is worn.
TEST_F(MainFormTest, ASkinFileReplacesTheStoredSkinAndABadOneIsSaidOnce) {
    std::vector<std::string> notices;
    SkinNoticeSink previous = SetSkinNoticeSink([&](const std::string& m) { notices.push_back(m); });
    const std::string night = KORVANE_TEST_DATA "/../../data/skins/night.skn";
    form_->SwitchSkinOn(night);
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(form_->SkinData1->SkinName(), "Korvane Night");
    EXPECT_TRUE(form_->SkinData1->Active());
    form_->Show();
    PumpUntil([&] { return SkinManager->IsSkinnedWindow(form_->Handle()); });
    EXPECT_EQ(form_->GetColor(), form_->SkinData1->Colours().ButtonFace);

    testing::TempDir dir;
    const std::string damaged = dir.file("damaged.skn"), missing = dir.file("missing.skn");
    const std::uint8_t bytes[] = {0x10, 0, 0, 0, 1, 2, 3};
    testing::write_bytes(damaged, std::string(std::begin(bytes), std::end(bytes)));
    for (const std::string& path : {damaged, missing}) {
        notices.clear();
        form_->SwitchSkinOn(path);
        ASSERT_EQ(notices.size(), 1u) << path;
        const std::string head = "The skin \"" + path + "\" cannot be used (";
        const std::string tail = "): the tool keeps its own skin";
        EXPECT_EQ(notices[0].substr(0, head.size()), head);
        ASSERT_GT(notices[0].size(), head.size() + tail.size()) << notices[0];
        EXPECT_EQ(notices[0].substr(notices[0].size() - tail.size()), tail);
        EXPECT_EQ(form_->SkinData1->SkinName(), "Korvane Indigo");
        EXPECT_FALSE(form_->SkinData1->Empty());
        EXPECT_TRUE(form_->SkinData1->Active());
    }
    SetSkinNoticeSink(std::move(previous));
}

TEST_F(MainFormTest, TenLinesShowTheirPercentagesThenTheTitle) {
    testing::TempDir dir;
    std::string text;
    for (int i = 0; i < 10; ++i) text += "line " + std::to_string(i) + "\r\n";
    testing::write_bytes(dir.file("ten.txt"), text);

    auto titles = convert_logging_titles(dir.file("ten.txt"), dir.file("ten.bmp"), IDNO);
    std::vector<std::string> expected;
    for (int p : {0, 11, 22, 33, 44, 56, 67, 78, 89, 100}) expected.push_back(kTitle + "(" + std::to_string(p) + "%)");
    expected.push_back(kTitle);
    EXPECT_EQ(titles, expected);
    EXPECT_FALSE(Form1->Visible());

    PageImage page = render_text_page(TextLines(text), embedded_font_tables());
    auto header = bmp_header(page);
    auto rows = page.bmp_rows();
    EXPECT_EQ(testing::read_bytes(dir.file("ten.bmp")),
              std::string(header.begin(), header.end()) + std::string(rows.begin(), rows.end()));
}

TEST_F(MainFormTest, OneLineNeverShowsAPercentageAndYesShowsThePreview) {
    testing::TempDir dir;
    testing::write_bytes(dir.file("one.txt"), "A");

    auto titles = convert_logging_titles(dir.file("one.txt"), dir.file("one.bmp"), IDYES);
    EXPECT_EQ(titles, std::vector<std::string>{}) << "the title must not change for one line";
    EXPECT_EQ(form_->Caption(), kTitle);
    EXPECT_TRUE(Form1->Visible());
    EXPECT_EQ(Form1->Caption(), "图片预览(" + dir.file("one.bmp") + ")");
    EXPECT_EQ(Form1->ClientWidth(), 68);
    EXPECT_EQ(Form1->ClientHeight(), 80);
    EXPECT_EQ(Form1->Image1->Picture().Bitmap().Width(), 68);
}

TEST_F(MainFormTest, FailedReadKeepsTheTitleAndReportsTheError) {
    testing::TempDir dir;
    std::vector<std::string> errors;
    app_->OnException = [&](const std::string& text) { errors.push_back(text); };

    auto titles = convert_logging_titles(dir.file("missing.txt"), dir.file("missing.bmp"));
    EXPECT_EQ(titles, std::vector<std::string>{});
    EXPECT_EQ(errors, std::vector<std::string>{"File not found."});
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing.bmp")));
}

// The save dialog of the tool, opened by its button as the user does: its
// file-name box and type list are skinned (their objects, and the skin's
// pixels on their borders), and a name typed with real keys reaches the
// target.
TEST_F(MainFormTest, TheSaveDialogsNameBoxAndTypeListWearTheSkinAndATypedNameBecomesTheTarget) {
    testing::TempDir dir;
    form_->SaveDlg->SetInitialDir(narrow(dir.path().wstring()));
    InstallControlSkinning();  // as the tool's start-up does
    form_->Show();
    PumpUntil([&] { return SkinManager->IsSkinnedWindow(form_->Handle()); });

    struct Box {
        HWND window = nullptr;
        std::string kind = "none";
        int differences = -1;
    };
    Box name, types;
    constexpr int kNameBox = 0x47C, kTypeList = 0x470;  // cmb13, cmb1
    constexpr UINT kLook = WM_APP + 17;
    const SkinModel& skin = form_->SkinData1->Skin();
    const Pixel face = to_pixel(ColorToRGB(skin.Colours.ButtonFace));
    // In the tool's thread, while the dialog runs: 1 once the dialog's
    // controls have their objects.
    WindowProcHook look(*form_, [&](TMessage& m, const TWndMethod& next) {
        if (m.Msg != kLook) return next(m);
        const HWND dialog = reinterpret_cast<HWND>(m.WParam);
        FormSkinning* skinning = SkinManager->FindSkinning(dialog);
        TWinSkinForm* form = skinning ? skinning->SkinForm() : nullptr;
        auto* skins = form ? static_cast<TControlSkins*>(form->Controls()) : nullptr;
        m.Result = 0;
        if (!skins || skins->ControlList.empty()) return;
        for (auto [box, id] : {std::pair{&name, kNameBox}, std::pair{&types, kTypeList}}) {
            HWND window = GetDlgItem(dialog, id);
            // A ComboBoxEx is skinned through the combo box inside it.
            if (testing::ClassNameOf(window) == L"ComboBoxEx32") window = GetWindow(window, GW_CHILD);
            box->window = window;
            const TSkinControl* object = skins->FindControlByHandle(window);
            box->kind = object ? std::string(object->ClassName()) : "none";
            InvalidateRect(window, nullptr, TRUE);
            UpdateWindow(window);
            const int state = GetFocus() == window ? 4 : 1;
            box->differences = testing::Differences(
                testing::Capture(window), {0, 0}, testing::ComboFace(skin, face, testing::WindowSize(window), state));
        }
        if (HWND edit = FindWindowExW(name.window, nullptr, L"Edit", nullptr)) SetFocus(edit);
        m.Result = 1;
    });
    {
        testing::UserDriver user([&](DWORD ui) {
            HWND dialog = testing::WaitForWindow(ui, [](HWND w) { return testing::TextOf(w) == "Save As"; });
            if (!dialog) return;
            DWORD_PTR looked = 0;
            for (int i = 0; i < 100 && !looked; ++i) {
                Sleep(50);
                SendMessageTimeoutW(form_->Handle(), kLook, WPARAM(dialog), 0, SMTO_BLOCK, 2000, &looked);
            }
            for (WORD key : {WORD('T'), WORD('Y'), WORD('P'), WORD('E'), WORD('D'), WORD(VK_RETURN)}) {
                testing::TypeKey(key);
                Sleep(30);
            }
            // Never left waiting: a dialog still open is cancelled.
            for (int i = 0; i < 100 && IsWindow(dialog); ++i) Sleep(50);
            if (IsWindow(dialog)) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        SendMessageW(form_->Button2->Handle(), BM_CLICK, 0, 0);
    }
    TWinSkinForm::SetControlSkinning(nullptr);
    EXPECT_EQ(name.kind, "TSkinComBox");
    EXPECT_EQ(types.kind, "TSkinComBox");
    EXPECT_EQ(name.differences, 0) << "the name box's border";
    EXPECT_EQ(types.differences, 0) << "the type list's border";
    EXPECT_EQ(form_->TargetFileName, dir.file("typed.bmp"));
    EXPECT_EQ(form_->stDFile->Caption(), "typed.bmp");
}

}  // namespace
}  // namespace korvane
