// The manager on real windows under the real hook, with recording stand-ins
// for the skin data components and the form-skinning objects.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/strings.h"
#include "base/win32_text.h"
#include "framework/core/layout_reader.h"
#include "framework/win/application.h"
#include "framework/win/form.h"
#include "skin/data/skin_store.h"
#include "skin/engine/registration.h"
#include "skin/engine/skin_manager.h"
#include "skin/engine/skin_test_support.h"

namespace korvane {
namespace {

using Log = std::vector<std::string>;

using testing::DefaultSkinBytes;

// A skin data component holding the default skin, which logs the classes it is
// asked about (refusing one of them) and counts its announced changes.
struct LoggedSkinData {
    LoggedSkinData(TSkinFormType type, const std::string& name, TComponent* owner = nullptr)
        : data(new TSkinData(owner)) {
        data->SetName(name);
        data->SetSkinFormtype(type);
        data->LoadFromPackage(DefaultSkinBytes());
        data->OnFormSkin = [this](TObject*, const std::string& class_name, bool& skin) {
            asked.push_back(class_name);
            skin = class_name != refused_class;
        };
        data->OnSkinChanged = [this](TObject*) { ++changes; };
    }
    TSkinData* data;
    std::string refused_class;
    Log asked;
    int changes = 0;
};

// Subclasses its window as the real object does: it answers WM_SKINQUERY and
// knows when its window procedure runs.
class FakeSkinning : public FormSkinning {
public:
    FakeSkinning(HWND window, Log& log) : window_(window), log_(log), title_(Title()) {}
    ~FakeSkinning() override {
        log_.push_back("freed " + title_);
        if (old_proc_) SetWindowLongPtrW(window_, GWLP_WNDPROC, LONG_PTR(old_proc_));
        RemovePropW(window_, kProp);
    }
    HWND Window() const override { return window_; }
    void Attach(TSkinData& data, TCustomForm* form) override {
        log_.push_back("attach " + Title() + " with " + data.Name() + (form ? " (form)" : ""));
        SetPropW(window_, kProp, this);
        old_proc_ = WNDPROC(SetWindowLongPtrW(window_, GWLP_WNDPROC, LONG_PTR(&Procedure)));
    }
    void Unskin(UnskinCause cause) override {
        log_.push_back((cause != UnskinCause::Deactivated ? "release " : "unskin ") + Title());
        if (old_proc_) SetWindowLongPtrW(window_, GWLP_WNDPROC, LONG_PTR(old_proc_));
        old_proc_ = nullptr;
    }
    void DropTitleButtons() override { log_.push_back("drop buttons " + Title()); }
    void ComputeFrameMetrics() override { log_.push_back("metrics " + Title()); }
    void ApplySkinChange() override { log_.push_back("apply " + Title()); }
    void FollowMdiMark(bool marked) override { log_.push_back((marked ? "mdi mark on " : "mdi mark off ") + Title()); }

private:
    static constexpr const wchar_t* kProp = L"KorvaneFakeSkinning";

    std::string Title() const {
        wchar_t text[64] = {};
        GetWindowTextW(window_, text, 64);
        return narrow(text);
    }

    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
        auto* self = static_cast<FakeSkinning*>(GetPropW(window, kProp));
        const WNDPROC old = self->old_proc_;
        if (msg == WM_SKINQUERY) return 1;
        if (msg == WM_SKINSTART) self->log_.push_back("start " + self->Title());
        return CallWindowProcW(old, window, msg, wparam, lparam);
    }

    HWND window_;
    Log& log_;
    std::string title_;
    WNDPROC old_proc_ = nullptr;
};

// A plain top-level window class whose frame paints are counted.
int g_paints = 0;
LRESULT CALLBACK PlainProcedure(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    if (msg == WM_NCPAINT) ++g_paints;
    return DefWindowProcW(window, msg, wparam, lparam);
}

class SkinManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        app_ = std::make_unique<TApplication>();
        app_->Initialize();
        WNDCLASSW wc{};
        wc.lpfnWndProc = PlainProcedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"KorvanePlainWindow";
        RegisterClassW(&wc);
        manager_ = new TSkinManage([this](HWND window) { return std::make_unique<FakeSkinning>(window, log_); });
        main_ = std::make_unique<LoggedSkinData>(sfMainform, "MainData");
        manager_->AddSkinData(main_->data);
        manager_->InstallHook();
    }
    void TearDown() override {
        for (HWND w : windows_)
            if (IsWindow(w)) DestroyWindow(w);
        delete SkinManager;
        delete main_->data;
        app_.reset();
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    HWND Plain(const wchar_t* title, HWND parent = nullptr, DWORD style = WS_OVERLAPPEDWINDOW) {
        HWND w = CreateWindowExW(0, L"KorvanePlainWindow", title, style, 10, 10, 200, 120, parent, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        windows_.push_back(w);
        return w;
    }
    static void PumpFor(int ms) {
        const DWORD end = GetTickCount() + DWORD(ms);
        while (GetTickCount() < end) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            Sleep(5);
        }
    }
    // The window activated as the user would, which the hook reports.
    static void Show(HWND window) {
        ShowWindow(window, SW_SHOW);
        SetActiveWindow(window);
    }

    std::unique_ptr<TApplication> app_;
    TSkinManage* manager_ = nullptr;
    std::unique_ptr<LoggedSkinData> main_;
    std::vector<HWND> windows_;
    Log log_;
};

TEST_F(SkinManagerTest, AnActivatedWindowIsSkinnedStartedAndReleasedWhenDestroyed) {
    manager_->SetEnabled(true);
    HWND w = Plain(L"one");
    EXPECT_EQ(manager_->ActivationCount(), 0);
    Show(w);
    EXPECT_EQ(manager_->ActivationCount(), 1);
    ASSERT_TRUE(manager_->IsSkinnedWindow(w));
    EXPECT_EQ(SendMessageW(w, WM_SKINQUERY, 0, 0), 1);
    PumpFor(50);
    DestroyWindow(w);
    EXPECT_FALSE(manager_->IsSkinnedWindow(w));
    EXPECT_EQ(log_, (Log{"attach one with MainData", "start one", "release one", "freed one"}));
}

TEST_F(SkinManagerTest, NothingIsSkinnedWhileSkinningIsOffOrTheSkinDataIsEmpty) {
    HWND off = Plain(L"off");
    Show(off);
    EXPECT_FALSE(manager_->IsSkinnedWindow(off));
    manager_->SetEnabled(true);
    auto* without_skin = new TSkinData(nullptr);  // the last main component serves
    manager_->AddSkinData(without_skin);
    HWND empty = Plain(L"empty");
    Show(empty);
    EXPECT_FALSE(manager_->IsSkinnedWindow(empty));
    delete without_skin;
    EXPECT_TRUE(manager_->TrySkinWindow(empty));
    EXPECT_FALSE(manager_->TrySkinWindow(empty));  // it answers WM_SKINQUERY now
    EXPECT_EQ(log_, (Log{"attach empty with MainData"}));
}

TEST_F(SkinManagerTest, ScrollBarsAreRefusedOnlyDirectlyUnderASkinnedWindow) {
    manager_->SetEnabled(true);
    HWND skinned = Plain(L"skinned");
    HWND plain = Plain(L"plain");
    ASSERT_TRUE(manager_->TrySkinWindow(skinned));
    auto scroll_bar = [](const wchar_t* cls, HWND parent) {
        return CreateWindowExW(0, cls, L"", WS_CHILD | SBS_VERT, 0, 0, 16, 80, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    };
    EXPECT_EQ(scroll_bar(L"ScrollBar", skinned), nullptr);
    EXPECT_EQ(scroll_bar(L"SCROLLBAR", skinned), nullptr);
    EXPECT_NE(scroll_bar(L"ScrollBar", plain), nullptr);
    HWND button = CreateWindowExW(0, L"Button", L"b", WS_CHILD, 0, 0, 16, 16, skinned, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(button, nullptr);
    HWND grandchild = scroll_bar(L"ScrollBar", button);
    EXPECT_NE(grandchild, nullptr);
}

TEST_F(SkinManagerTest, PopupMenuWindowsAreRecordedWhileSkinningIsOnAndForgottenWhenDestroyed) {
    auto popup = [] {
        return CreateWindowExW(WS_EX_TOOLWINDOW, L"#32768", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    };
    HWND before = popup();
    ASSERT_NE(before, nullptr);
    EXPECT_FALSE(manager_->IsSkinnedPopup(before));
    manager_->SetEnabled(true);
    HWND menu = popup();
    EXPECT_TRUE(manager_->IsSkinnedPopup(menu));
    DestroyWindow(menu);
    EXPECT_FALSE(manager_->IsSkinnedPopup(menu));
    DestroyWindow(before);
}

TEST_F(SkinManagerTest, AFormWithTag99IsNeverSkinnedWhateverTheWay) {
    manager_->SetEnabled(true);
    auto* form = new TForm(app_.get());
    form->SetCaption("tagged");
    form->SetTag(99);
    form->Show();
    EXPECT_FALSE(manager_->TrySkinWindow(form->Handle()));
    manager_->Schedule(SkinAction::Activate);
    PumpFor(400);
    EXPECT_FALSE(manager_->IsSkinnedWindow(form->Handle()));
    form->SetTag(98);
    EXPECT_TRUE(manager_->TrySkinWindow(form->Handle()));
    EXPECT_EQ(log_, (Log{"attach tagged with MainData (form)"}));
}

TEST_F(SkinManagerTest, StandardDialogsTakeTheDialogComponentWhenThereIsOne) {
    manager_->SetEnabled(true);
    auto dialog = [this](const wchar_t* title) {
        struct {
            DLGTEMPLATE t;
            WORD menu, cls, caption;
        } tpl{};
        tpl.t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        tpl.t.cx = 100;
        tpl.t.cy = 50;
        HWND d = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &tpl.t, nullptr,
                                            [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        SetWindowTextW(d, title);
        windows_.push_back(d);
        return d;
    };
    HWND first = dialog(L"first");
    Show(first);
    LoggedSkinData dialogs(sfDialog, "DialogData");
    manager_->AddSkinData(dialogs.data);
    HWND second = dialog(L"second");
    Show(second);
    HWND plain = Plain(L"plain");
    Show(plain);
    EXPECT_EQ(log_, (Log{"attach first with MainData", "attach second with DialogData", "attach plain with MainData"}));
    EXPECT_EQ(main_->asked, (Log{"#32770", "#32770", "KorvanePlainWindow"}));
    DestroyWindow(second);
    delete dialogs.data;
}

TEST_F(SkinManagerTest, TheFormSkinQuestionOfTheMainComponentDecides) {
    manager_->SetEnabled(true);
    main_->refused_class = "KorvanePlainWindow";
    HWND w = Plain(L"refused");
    Show(w);
    EXPECT_FALSE(manager_->IsSkinnedWindow(w));
    EXPECT_EQ(main_->asked, Log{"KorvanePlainWindow"});
}

TEST_F(SkinManagerTest, BeforeTheFirstActivationActionsOnlySwitchSkinningAndStartNoTimer) {
    manager_->Schedule(SkinAction::Activate);
    EXPECT_TRUE(manager_->Enabled());
    EXPECT_FALSE(manager_->ActionPending());
    manager_->Schedule(SkinAction::Deactivate);
    EXPECT_FALSE(manager_->Enabled());
    EXPECT_FALSE(manager_->ActionPending());
}

TEST_F(SkinManagerTest, DeactivateGivesEveryWindowItsFrameBackRepaintsItAndAnnouncesOnce) {
    main_->data->SetActive(true);  // before any activation: skinning is on at once
    HWND a = Plain(L"a");
    HWND b = Plain(L"b");
    Show(a);
    Show(b);
    PumpFor(50);
    log_.clear();
    g_paints = 0;
    main_->data->SetActive(false);
    EXPECT_TRUE(manager_->ActionPending());
    EXPECT_EQ(manager_->SkinnedWindowCount(), 2);
    PumpFor(150);
    EXPECT_EQ(manager_->SkinnedWindowCount(), 2);  // not before 250 ms
    PumpFor(300);
    EXPECT_EQ(manager_->SkinnedWindowCount(), 0);
    EXPECT_EQ(log_, (Log{"unskin b", "freed b", "unskin a", "freed a"}));
    EXPECT_GE(g_paints, 2);
    EXPECT_EQ(main_->changes, 1);
    EXPECT_FALSE(manager_->Enabled());
    PumpFor(300);
    EXPECT_EQ(main_->changes, 1);
}

TEST_F(SkinManagerTest, TwoSchedulesWithinTheDelayRunOnlyTheLast) {
    main_->data->SetActive(true);
    HWND a = Plain(L"a");
    Show(a);
    PumpFor(50);
    log_.clear();
    main_->data->SetActive(false);  // deactivate, replaced by the refresh of the load below
    PumpFor(100);
    TSkinStore store(nullptr);
    store.Store().Add().Data().WriteBuffer(DefaultSkinBytes());
    main_->data->LoadFromSkinStore(store, 0);
    EXPECT_EQ(log_, Log{"drop buttons a"});  // at once: the button records are replaced
    PumpFor(400);
    EXPECT_EQ(log_, (Log{"drop buttons a", "drop buttons a", "metrics a", "apply a"}));
    EXPECT_TRUE(manager_->IsSkinnedWindow(a));
    EXPECT_EQ(main_->changes, 1);
}

TEST_F(SkinManagerTest, RefreshRebuildsEveryWindowBeforeReapplyingAny) {
    manager_->SetEnabled(true);
    HWND a = Plain(L"a");
    HWND b = Plain(L"b");
    ASSERT_TRUE(manager_->TrySkinWindow(a));
    ASSERT_TRUE(manager_->TrySkinWindow(b));
    Show(a);
    PumpFor(50);
    log_.clear();
    manager_->ReloadAll();
    EXPECT_EQ(log_, (Log{"drop buttons a", "drop buttons b"}));
    log_.clear();
    manager_->Schedule(SkinAction::Refresh);
    PumpFor(400);
    EXPECT_EQ(log_, (Log{"drop buttons a", "metrics a", "drop buttons b", "metrics b", "apply a", "apply b"}));
}

TEST_F(SkinManagerTest, ActivateSkinsEveryFormOfTheScreenLastFirstMakingTheirWindows) {
    HWND w = Plain(L"activator");
    Show(w);  // the first activation, while skinning is off
    auto* one = new TForm(app_.get());
    one->SetCaption("form one");
    auto* two = new TForm(app_.get());
    two->SetCaption("form two");
    ASSERT_FALSE(two->HandleAllocated());
    main_->data->SetActive(true);
    EXPECT_TRUE(manager_->ActionPending());
    PumpFor(400);
    EXPECT_TRUE(manager_->Enabled());
    EXPECT_TRUE(two->HandleAllocated());
    // The forms first; then the plain window, shown while skinning was off.
    EXPECT_EQ(log_, (Log{"attach form two with MainData (form)", "attach form one with MainData (form)",
                         "attach activator with MainData", "start form two", "start form one", "start activator"}));
    EXPECT_EQ(main_->changes, 1);
}

TEST_F(SkinManagerTest, ActivateThenSkinsTheOtherWindowsShownFromTheBottomOfTheZOrderUp) {
    HWND b = Plain(L"b");
    Show(b);  // the first activation, while skinning is off
    HWND a = Plain(L"a");
    Show(a);
    HWND owned = Plain(L"owned", a, WS_POPUP | WS_CAPTION | WS_SYSMENU);
    ShowWindow(owned, SW_SHOWNA);
    auto* form = new TForm(app_.get());
    form->SetCaption("form");
    form->Show();
    main_->refused_class = "TForm";
    Plain(L"hidden");
    ShowWindow(Plain(L"no title bar", nullptr, WS_POPUP | WS_BORDER), SW_SHOWNA);
    SetActiveWindow(b);  // on top again: b above the form, a's own window above a
    PumpFor(50);
    main_->asked.clear();
    main_->data->SetActive(true);
    PumpFor(400);
    EXPECT_EQ(log_, (Log{"attach a with MainData", "attach owned with MainData", "attach b with MainData",
                         "start a", "start owned", "start b"}));
    // The form is asked about once, by the scan of the forms; the hidden
    // window and the one without a title bar never.
    EXPECT_EQ(main_->asked, (Log{"TForm", "KorvanePlainWindow", "KorvanePlainWindow", "KorvanePlainWindow"}));
    EXPECT_FALSE(manager_->IsSkinnedWindow(form->Handle()));
}

TEST_F(SkinManagerTest, DeletingTheManagerRemovesTheHookAndReleasesEveryWindow) {
    manager_->SetEnabled(true);
    HWND a = Plain(L"a");
    HWND b = Plain(L"b");
    Show(a);
    Show(b);
    delete manager_;
    EXPECT_EQ(SkinManager, nullptr);
    EXPECT_EQ(log_, (Log{"attach a with MainData", "attach b with MainData", "release b", "freed b", "release a",
                         "freed a"}));
    EXPECT_EQ(SendMessageW(a, WM_SKINQUERY, 0, 0), 0);
    HWND skinned_before = Plain(L"c");
    Show(skinned_before);
    EXPECT_EQ(log_.size(), 6u);
}

TEST_F(SkinManagerTest, TheManagerEndsWithTheApplicationBeforeTheProgramReturns) {
    manager_->SetEnabled(true);
    auto* form = new TForm(app_.get());
    form->SetCaption("app form");
    form->Show();
    ASSERT_TRUE(manager_->IsSkinnedWindow(form->Handle()));
    app_.reset();
    EXPECT_EQ(SkinManager, nullptr);
    EXPECT_EQ(log_, (Log{"attach app form with MainData (form)", "release app form", "freed app form"}));
}

// A form whose stored layout holds a skin data component with these
// properties; its "SkinStream" holds the package given.
TForm* FormWithSkinData(TComponent* owner, const std::string& caption, const std::string& properties,
                        const std::vector<std::uint8_t>& package) {
    RegisterSkinClasses();
    std::vector<std::uint8_t> stream = WriteSkinStream(package);
    std::string hex;
    for (std::uint8_t b : stream) hex += format("%02X", unsigned(b));
    auto* form = new TForm(owner);
    ReadLayout("object Host: TForm\n  Caption = '" + caption + "'\n  object SkinData1: TSkinData\n" + properties +
                   "    SkinStream = {" + hex + "}\n  end\nend\n",
               *form);
    return form;
}

TSkinData& SkinDataOf(TForm& form) { return static_cast<TSkinData&>(*form.FindComponent("SkinData1")); }

TEST_F(SkinManagerTest, AStoredComponentWithoutASkinClearsActiveAndSkinsOnceLoadedAndActivated) {
    TForm* host = FormWithSkinData(app_.get(), "host", "    Active = True\n", {});
    TSkinData& data = SkinDataOf(*host);
    EXPECT_FALSE(data.Active());
    EXPECT_TRUE(manager_->HasSkinData(&data));
    EXPECT_FALSE(manager_->Enabled());
    host->Show();
    EXPECT_EQ(manager_->ActivationCount(), 1);
    EXPECT_FALSE(manager_->IsSkinnedWindow(host->Handle()));

    TSkinStore store(nullptr);
    store.Store().Add().Data().WriteBuffer(DefaultSkinBytes());
    int changes = 0;
    data.OnSkinChanged = [&](TObject*) { ++changes; };
    data.LoadFromSkinStore(store, 0);
    data.SetActive(true);
    EXPECT_TRUE(manager_->ActionPending());
    PumpFor(400);
    EXPECT_TRUE(manager_->IsSkinnedWindow(host->Handle()));
    EXPECT_EQ(log_, (Log{"attach host with SkinData1 (form)", "start host"}));
    EXPECT_EQ(changes, 1);  // the refresh the load asked for was replaced by the activation
}

TEST_F(SkinManagerTest, ActiveBeforeAnyActivationOnlySwitchesSkinningOnAndWindowsAreSkinnedAsActivated) {
    TForm* host = FormWithSkinData(app_.get(), "host", "", DefaultSkinBytes());
    TSkinData& data = SkinDataOf(*host);
    EXPECT_EQ(manager_->ActivationCount(), 0);
    data.SetActive(true);
    EXPECT_TRUE(manager_->Enabled());
    EXPECT_FALSE(manager_->ActionPending());
    EXPECT_TRUE(manager_->HookInstalled());
    host->Show();
    EXPECT_TRUE(manager_->IsSkinnedWindow(host->Handle()));
    EXPECT_EQ(log_, Log{"attach host with SkinData1 (form)"});
}

TEST_F(SkinManagerTest, SettingActiveTwiceAsksTheManagerOnce) {
    HWND w = Plain(L"first");
    Show(w);
    TForm* host = FormWithSkinData(app_.get(), "host", "", DefaultSkinBytes());
    TSkinData& data = SkinDataOf(*host);
    int changes = 0;
    data.OnSkinChanged = [&](TObject*) { ++changes; };
    data.SetActive(true);
    ASSERT_TRUE(manager_->ActionPending());
    PumpFor(400);
    EXPECT_EQ(changes, 1);
    data.SetActive(true);
    EXPECT_FALSE(manager_->ActionPending());
    PumpFor(400);
    EXPECT_EQ(changes, 1);
}

TEST_F(SkinManagerTest, ActiveFalseAfterActivationReleasesEveryWindowLaterAndAnnouncesOnce) {
    TForm* host = FormWithSkinData(app_.get(), "host", "    Active = True\n", DefaultSkinBytes());
    TSkinData& data = SkinDataOf(*host);
    EXPECT_TRUE(data.Active());
    EXPECT_TRUE(manager_->Enabled());  // the activation the layout asked for, before any window
    host->Show();
    HWND other = Plain(L"other");
    Show(other);
    PumpFor(50);
    int changes = 0;
    data.OnSkinChanged = [&](TObject*) { ++changes; };
    log_.clear();
    g_paints = 0;
    data.SetActive(false);
    EXPECT_EQ(manager_->SkinnedWindowCount(), 2);
    PumpFor(400);
    EXPECT_EQ(manager_->SkinnedWindowCount(), 0);
    EXPECT_EQ(log_, (Log{"unskin other", "freed other", "unskin host", "freed host"}));
    EXPECT_GE(g_paints, 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(SkinManagerTest, AComponentForOneFormSkinsItsFormAsItIsLoaded) {
    TForm* host = FormWithSkinData(app_.get(), "own", "    SkinFormtype = sfOnlyThisForm\n", DefaultSkinBytes());
    EXPECT_TRUE(manager_->Enabled());
    EXPECT_EQ(manager_->ActivationCount(), 1);
    EXPECT_TRUE(manager_->IsSkinnedWindow(host->Handle()));
    EXPECT_EQ(manager_->FindSkinData(host->Handle()), &SkinDataOf(*host));
    EXPECT_EQ(log_, Log{"attach own with SkinData1 (form)"});
}

TEST_F(SkinManagerTest, TheMaximisedChildMarkReachesEverySkinnedWindowOncePerChange) {
    manager_->SetEnabled(true);
    Show(Plain(L"a"));
    Show(Plain(L"b"));
    log_.clear();
    EXPECT_FALSE(manager_->MdiMaximized());
    manager_->SetMdiMax(true);
    manager_->SetMdiMax(true);
    EXPECT_TRUE(manager_->MdiMaximized());
    manager_->SetMdiMax(false);
    EXPECT_EQ(log_, (Log{"mdi mark on a", "mdi mark on b", "mdi mark off a", "mdi mark off b"}));
}

TEST_F(SkinManagerTest, AnMdiChildIsSkinnedAtItsFramesRequestAndLetGoWithItsFrame) {
    manager_->SetEnabled(true);
    HWND frame = Plain(L"frame");
    Show(frame);
    CLIENTCREATESTRUCT ccs{};
    HWND client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 180, 80, frame, nullptr,
                                  GetModuleHandleW(nullptr), &ccs);
    ASSERT_NE(client, nullptr);
    HWND child = CreateWindowExW(WS_EX_MDICHILD, L"KorvanePlainWindow", L"child", WS_CHILD | WS_VISIBLE | WS_CAPTION,
                                 0, 0, 100, 60, client, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(child, nullptr);
    EXPECT_FALSE(manager_->TrySkinWindow(child));  // left to its frame
    EXPECT_TRUE(manager_->SkinMdiChild(child));
    PumpFor(50);
    DestroyWindow(frame);  // the child is not reported on its own
    EXPECT_FALSE(manager_->IsSkinnedWindow(child));
    EXPECT_EQ(manager_->SkinnedWindowCount(), 0);
    EXPECT_EQ(log_, (Log{"attach frame with MainData", "attach child with MainData", "start frame", "start child",
                         "release frame", "freed frame", "release child", "freed child"}));
}

}  // namespace
}  // namespace korvane
