#include "skin/engine/skin_manager.h"

#include <algorithm>

#include "base/strings.h"
#include "base/win32_text.h"
#include "framework/win/application.h"
#include "framework/win/form.h"
#include "framework/win/screen.h"
#include "framework/win/timer.h"

namespace korvane {

TSkinManage* SkinManager = nullptr;

namespace {

// Class names are read up to this many characters.
constexpr int kClassNameLength = 100;
// The value the hook returns to refuse a creation.
constexpr LRESULT kRefuseCreation = 10;

std::string class_name_of(HWND window) {
    wchar_t name[kClassNameLength + 1] = {};
    const int length = GetClassNameW(window, name, kClassNameLength + 1);
    return narrow(std::wstring_view(name, std::size_t(std::max(length, 0))));
}

// The windows of the thread the activate action's scan offers to
// TrySkinWindow, taken from the bottom of the Z order up: an owner comes
// before the windows it owns, as it came before them when they were activated.
std::vector<HWND> ScannedWindowsOfThread() {
    std::vector<HWND> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) {
            if (scan_offers_window(std::uint32_t(GetWindowLongW(window, GWL_STYLE)),
                                   std::uint32_t(GetWindowLongW(window, GWL_EXSTYLE))))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    std::reverse(windows.begin(), windows.end());  // the system lists the top of the Z order first
    return windows;
}

// The facts of one window, found as TrySkinWindow asks for them.
class WindowFacts : public SkinCandidate {
public:
    WindowFacts(TSkinManage& manager, HWND window) : manager_(manager), window_(window) {}

    TCustomForm* form() const { return form_; }

    bool AnswersSkinQuery() override { return SendMessageW(window_, WM_SKINQUERY, 0, 0) == 1; }
    bool AlreadySkinned() override { return manager_.IsSkinnedWindow(window_); }
    bool HasForm() override {
        form_ = manager_.FindForm(window_);
        return form_ != nullptr;
    }
    bool IsMdiChild() override {
        if (!(GetWindowLongW(window_, GWL_STYLE) & WS_CHILD)) return false;
        const HWND parent = GetParent(window_);
        return parent && equals_ignore_case(class_name_of(parent), "MDIClient");
    }
    bool HasArea() override {
        RECT r{};
        GetWindowRect(window_, &r);
        return std::int64_t(r.right - r.left) * (r.bottom - r.top) != 0;
    }
    int FormTag() override { return form_ ? form_->Tag() : 0; }
    std::string ClassName() override { return class_name_of(window_); }
    bool AskFormSkin(const std::string& class_name) override { return manager_.AskFormSkin(class_name); }
    bool HasLoadedSkinData() override {
        const TSkinData* data = manager_.FindSkinData(window_);
        return data && !data->Empty();
    }

private:
    TSkinManage& manager_;
    HWND window_;
    TCustomForm* form_ = nullptr;
};

class WinSkinFormSkinning : public FormSkinning {
public:
    explicit WinSkinFormSkinning(HWND window) : form_(new TWinSkinForm(window)) {}
    ~WinSkinFormSkinning() override { form_->Release(); }

    HWND Window() const override { return form_->Handle; }
    void Attach(TSkinData& data, TCustomForm* form) override {
        if (form)
            form_->SkinForm(data, *form);
        else
            form_->SkinWindow(data);
    }
    void Unskin(UnskinCause cause) override {
        // Released or destroyed: the window's colours need not come back.
        if (cause != UnskinCause::Deactivated) form_->PaintState = TWinSkinForm::psReleasing;
        form_->Unskin(cause == UnskinCause::Destroyed);
    }
    void DropTitleButtons() override {
        form_->HotObject = nullptr;
        form_->TitleButtons.clear();
    }
    void ComputeFrameMetrics() override { form_->ComputeFrameMetrics(); }
    void ApplySkinChange() override { form_->ApplySkinChange(); }
    TWinSkinForm* SkinForm() const override { return form_; }
    void FollowMdiMark(bool marked) override { form_->FollowMdiMark(marked); }

private:
    TWinSkinForm* form_;  // freed by Release
};

}  // namespace

std::unique_ptr<FormSkinning> NewWinSkinForm(HWND window) { return std::make_unique<WinSkinFormSkinning>(window); }

TSkinManage& EnsureSkinManager() {
    if (!SkinManager) new TSkinManage(NewWinSkinForm);
    return *SkinManager;
}

TSkinManage::TSkinManage(FormSkinningFactory factory)
    : TComponent(nullptr), factory_(std::move(factory)), timer_(std::make_unique<TTimer>(nullptr)) {
    timer_->SetEnabled(false);
    timer_->SetInterval(kActionDelay);
    timer_->OnTimer = [this](TObject*) { TimerTick(); };
    if (!SkinManager) SkinManager = this;
    previous_listener_ = SetSkinDataListener(this);
    // The manager ends with the application, before the program returns.
    application_ = Application;
    if (application_) application_->FreeNotification(this);
}

TSkinManage::~TSkinManage() {
    timer_.reset();
    hook_.reset();
    while (!forms_.empty()) {
        std::unique_ptr<FormSkinning> skinning = std::move(forms_.back());
        forms_.pop_back();
        skinning->Unskin(UnskinCause::Released);
    }
    popups_.clear();
    SetSkinDataListener(previous_listener_);
    if (SkinManager == this) SkinManager = nullptr;
}

void TSkinManage::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == application_) delete this;  // the last thing done here
}

void TSkinManage::InstallHook() {
    if (hook_) return;
    hook_.reset(SetWindowsHookExW(WH_CBT, HookProcedure, nullptr, GetCurrentThreadId()));
}

LRESULT CALLBACK TSkinManage::HookProcedure(int code, WPARAM wparam, LPARAM lparam) {
    TSkinManage* manager = SkinManager;
    if (code < 0 || !manager) return CallNextHookEx(nullptr, code, wparam, lparam);
    const HWND window = reinterpret_cast<HWND>(wparam);
    switch (code) {
    case HCBT_CREATEWND:
        if (manager->WindowCreating(window, *reinterpret_cast<CBT_CREATEWNDW*>(lparam))) return kRefuseCreation;
        break;
    case HCBT_DESTROYWND:
        manager->UnskinPopupWindow(window);
        manager->UnskinWindow(window, UnskinCause::Destroyed);
        // Skinned windows inside it (the children of an MDI frame) go with it
        // and are not reported one by one.
        manager->UnskinDescendants(window);
        break;
    case HCBT_ACTIVATE:
        manager->schedule_.NoteActivation();
        manager->TrySkinWindow(window);
        break;
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

bool TSkinManage::WindowCreating(HWND window, const CBT_CREATEWNDW& creation) {
    const std::string class_name = class_name_of(window);
    const HWND parent = creation.lpcs ? creation.lpcs->hwndParent : nullptr;
    switch (creation_verdict(class_name, parent && IsSkinnedWindow(parent))) {
    case CreationVerdict::Refuse: return true;
    case CreationVerdict::Popup: SkinPopupWindow(window); break;
    case CreationVerdict::Allow: break;
    }
    return false;
}

void TSkinManage::AddSkinData(TSkinData* data) {
    if (!data || HasSkinData(data)) return;
    skin_datas_.push_back(data);
}

void TSkinManage::RemoveSkinData(TSkinData* data) {
    if (!HasSkinData(data)) return;
    std::erase(skin_datas_, data);
    if (notify_target_ == data) notify_target_ = nullptr;
}

void TSkinManage::Register(TSkinData& data) {
    AddSkinData(&data);
    if (data.SkinFormtype() == sfMainform) InstallHook();
}

void TSkinManage::SkinDataLoaded(TSkinData& data) {
    AddSkinData(&data);
    if (data.SkinFormtype() != sfMainform) {
        SetEnabled(true);
        schedule_.RaiseActivationCount();
        if (auto* form = dynamic_cast<TCustomForm*>(data.Owner())) TrySkinWindow(form->Handle());
        return;
    }
    InstallHook();
    if (data.Active()) Schedule(SkinAction::Activate);  // a component without a skin has cleared Active
}

void TSkinManage::SkinDataActiveChanged(TSkinData& data) {
    if (data.SkinFormtype() != sfMainform) return;
    Register(data);
    if (data.Active() && data.Empty()) return;
    Schedule(data.Active() ? SkinAction::Activate : SkinAction::Deactivate);
    notify_target_ = &data;
}

void TSkinManage::SkinDataChanged(TSkinData& data) {
    if (data.ComponentState().contains(csLoading) || data.SkinFormtype() != sfMainform) return;
    Register(data);
    notify_target_ = &data;
    ReloadAll();
    Schedule(SkinAction::Refresh);
}

void TSkinManage::SkinDataDestroying(TSkinData& data) { RemoveSkinData(&data); }

bool TSkinManage::HasSkinData(const TSkinData* data) const {
    return std::find(skin_datas_.begin(), skin_datas_.end(), data) != skin_datas_.end();
}

bool TSkinManage::TrySkinWindow(HWND window) {
    WindowFacts facts(*this, window);
    if (skin_refusal(Enabled(), scanning_, facts) != SkinRefusal::None) return false;
    std::unique_ptr<FormSkinning> skinning = factory_(window);
    if (!skinning) return false;
    skinning->Attach(*FindSkinData(window), facts.form());
    forms_.push_back(std::move(skinning));
    PostMessageW(window, WM_SKINSTART, 0, 1000);
    return true;
}

bool TSkinManage::UnskinWindow(HWND window, UnskinCause cause) {
    auto it = std::find_if(forms_.begin(), forms_.end(), [&](const auto& f) { return f->Window() == window; });
    if (it == forms_.end()) return false;
    std::unique_ptr<FormSkinning> skinning = std::move(*it);
    forms_.erase(it);
    skinning->Unskin(cause);
    return true;
}

bool TSkinManage::IsSkinnedWindow(HWND window) const { return FindSkinning(window) != nullptr; }

FormSkinning* TSkinManage::FindSkinning(HWND window) const {
    auto it = std::find_if(forms_.begin(), forms_.end(), [&](const auto& f) { return f->Window() == window; });
    return it == forms_.end() ? nullptr : it->get();
}

TWinSkinForm* TSkinManage::SkinFormOf(HWND window) const {
    const FormSkinning* skinning = FindSkinning(window);
    return skinning ? skinning->SkinForm() : nullptr;
}

void TSkinManage::UnskinDescendants(HWND window) {
    for (std::size_t i = forms_.size(); i-- > 0;)
        if (i < forms_.size() && IsChild(window, forms_[i]->Window()))
            UnskinWindow(forms_[i]->Window(), UnskinCause::Destroyed);
}

TCustomForm* TSkinManage::FindForm(HWND window) const { return Screen ? Screen->FindForm(window) : nullptr; }

std::vector<SkinDataFacts> TSkinManage::SkinDataList(HWND window) const {
    std::vector<SkinDataFacts> list;
    for (TSkinData* data : skin_datas_) {
        auto* owner = dynamic_cast<TWinControl*>(data->Owner());
        const bool owns = window && owner && owner->HandleAllocated() && owner->Handle() == window;
        list.push_back({data->SkinFormtype(), owns});
    }
    return list;
}

TSkinData* TSkinManage::FindSkinData(HWND window) {
    const int index = choose_skin_data(SkinDataList(window), class_name_of(window));
    return index < 0 ? nullptr : skin_datas_[std::size_t(index)];
}

bool TSkinManage::AskFormSkin(const std::string& class_name) {
    const int index = form_skin_judge(SkinDataList(nullptr));
    return index < 0 || skin_datas_[std::size_t(index)]->IsFormSkinned(class_name);
}

void TSkinManage::SkinPopupWindow(HWND window) {
    if (!Enabled() || IsSkinnedPopup(window) || SendMessageW(window, WM_SKINQUERY, 0, 0) == 1) return;
    TSkinData* data = FindSkinData(window);
    if (!data || data->Empty()) return;
    auto popup = std::make_unique<TWinSkinPopMenu>();
    popup->Attach(window, *data, nullptr);
    popups_.push_back(std::move(popup));
}

void TSkinManage::UnskinPopupWindow(HWND window) {
    auto it = std::find_if(popups_.begin(), popups_.end(), [window](const auto& p) { return p->Window == window; });
    if (it != popups_.end()) popups_.erase(it);
}

bool TSkinManage::IsSkinnedPopup(HWND window) const {
    return std::any_of(popups_.begin(), popups_.end(), [window](const auto& p) { return p->Window == window; });
}

const TBitmap* TSkinManage::FindPopupBackground(HMENU menu) const {
    return korvane::FindPopupBackground(menu);
}

void TSkinManage::Schedule(SkinAction action, unsigned delay) {
    timer_->SetInterval(delay);
    if (schedule_.Schedule(action)) {
        timer_->SetEnabled(false);  // a request not yet run is replaced and waits anew
        timer_->SetEnabled(true);
    }
}

bool TSkinManage::ActionPending() const { return timer_ && timer_->Enabled(); }

void TSkinManage::ReloadAll() {
    for (const auto& f : forms_) f->DropTitleButtons();
}

void TSkinManage::SkinAll() {
    SetEnabled(true);
    Activate();
}

void TSkinManage::UnskinAll() {
    timer_->SetEnabled(false);
    schedule_.TakePending();  // dropped: nothing is to run after this
    SetEnabled(false);
    notify_target_ = nullptr;
    Deactivate();
}

void TSkinManage::SetMdiMax(bool maximized) {
    if (maximized == mdi_maximized_) return;
    mdi_maximized_ = maximized;
    for (std::size_t i = 0; i < forms_.size(); ++i) forms_[i]->FollowMdiMark(maximized);
}

bool TSkinManage::SkinMdiChild(HWND child) {
    const bool scanning = std::exchange(scanning_, true);
    const bool skinned = TrySkinWindow(child);
    scanning_ = scanning;
    return skinned;
}

void TSkinManage::TimerTick() {
    timer_->SetEnabled(false);
    switch (schedule_.TakePending()) {
    case SkinAction::Activate: Activate(); break;
    case SkinAction::Deactivate: Deactivate(); break;
    case SkinAction::Refresh: Refresh(); break;
    case SkinAction::None: return;
    }
    if (TSkinData* target = std::exchange(notify_target_, nullptr)) target->FireSkinChanged();
}

void TSkinManage::Activate() {
    scanning_ = true;
    // The framework's forms, from the last to the first, their windows made
    // where they have none yet.
    if (Screen)
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            if (i < Screen->FormCount()) TrySkinWindow(Screen->Forms(i)->Handle());
    // Then the other windows shown now (dialogs, message boxes, plain
    // windows), which would otherwise wait for their next activation.
    for (HWND window : ScannedWindowsOfThread())
        if (IsWindow(window) && !FindForm(window)) TrySkinWindow(window);
    scanning_ = false;
}

void TSkinManage::Deactivate() {
    while (!forms_.empty()) {
        std::unique_ptr<FormSkinning> skinning = std::move(forms_.back());
        forms_.pop_back();
        skinning->Unskin(UnskinCause::Deactivated);
        RedrawWindow(skinning->Window(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

void TSkinManage::Refresh() {
    for (const auto& f : forms_) {
        f->DropTitleButtons();
        f->ComputeFrameMetrics();
    }
    for (const auto& f : forms_) f->ApplySkinChange();
}

}  // namespace korvane
