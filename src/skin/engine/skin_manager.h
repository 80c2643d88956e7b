#pragma once
// TSkinManage: the one object of the process (SkinManager) that decides
// which windows of the user-interface thread wear a skin, and when.
//
// A computer-based-training hook reports every window of the thread as it is
// created, activated and destroyed. The manager refuses scroll bars made
// directly under a skinned window (the skinned frame draws its own), records
// popup menu windows, skins top-level windows and dialogs as they are
// activated, and lets go of them as they are destroyed. Skin data components
// register with it and ask for the deferred actions activate, deactivate and
// refresh, which run 250 ms later on a timer once a window has been
// activated (before that, activate and deactivate only switch skinning on and
// off). The activate action's scan finds the windows shown while skinning was
// off: the framework's forms, then every other window of the thread shown.
//
// Lifetime: made on demand by the first skin data component that needs it;
// it ends with the application object (or when deleted): the hook is removed
// and every window is given back its own frame before the program returns.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/win/gdi.h"
#include "skin/draw/manager_rules.h"
#include "skin/engine/popup_menu.h"
#include "skin/engine/skin_data.h"
#include "skin/engine/win_skin_form.h"

namespace korvane {

class TCustomForm;
class TTimer;

// Why a window is given back its own frame.
enum class UnskinCause {
    Deactivated,  // skinning switched off: the window gets everything back
    Released,     // let go of by the manager (the program ends): its colours stay
    Destroyed,    // being destroyed: its colours, size and region no longer matter
};

// What the manager needs of the form-skinning object of one window (a
// TWinSkinForm in the program). Destroying it lets go of the object: one whose
// window procedure is running is freed when that procedure returns.
class FormSkinning {
public:
    virtual ~FormSkinning() = default;
    virtual HWND Window() const = 0;
    // Attaches to a framework form, or to a plain window when form is null.
    virtual void Attach(TSkinData& data, TCustomForm* form) = 0;
    // Gives the window back its own frame, as much of it as the cause needs.
    virtual void Unskin(UnskinCause cause) = 0;
    // The title-bar button objects refer to the skin's button records, which
    // a load replaces: they are dropped at once and rebuilt later.
    virtual void DropTitleButtons() = 0;
    virtual void ComputeFrameMetrics() = 0;
    virtual void ApplySkinChange() = 0;
    // The engine's object behind it; null for a stand-in.
    virtual TWinSkinForm* SkinForm() const { return nullptr; }
    // The maximised-MDI-child mark changed; only an MDI child's object acts.
    virtual void FollowMdiMark(bool marked) = 0;
};

// Makes the form-skinning object for a window.
using FormSkinningFactory = std::function<std::unique_ptr<FormSkinning>(HWND window)>;

// The engine's own: a TWinSkinForm for the window.
std::unique_ptr<FormSkinning> NewWinSkinForm(HWND window);

class TSkinManage : public TComponent, public TSkinDataListener {
public:
    static constexpr std::string_view kClassName = "TSkinManage";
    // The delay of every deferred action.
    static constexpr unsigned kActionDelay = 250;

    explicit TSkinManage(FormSkinningFactory factory);
    ~TSkinManage() override;
    std::string_view ClassName() const override { return kClassName; }

    // Installs the hook for the current thread (once).
    void InstallHook();
    bool HookInstalled() const { return bool(hook_); }

    void AddSkinData(TSkinData* data);
    void RemoveSkinData(TSkinData* data);
    bool HasSkinData(const TSkinData* data) const;

    // Skins a top-level window or dialog when every condition holds; true
    // when a form-skinning object was attached.
    bool TrySkinWindow(HWND window);
    // Lets go of the window's form-skinning object; false when it has none.
    bool UnskinWindow(HWND window, UnskinCause cause = UnskinCause::Released);
    // Lets go of every skinned window inside the window being destroyed.
    void UnskinDescendants(HWND window);
    bool IsSkinnedWindow(HWND window) const;
    // The engine's form-skinning object of a skinned window; null when the
    // window has none or another kind of object.
    TWinSkinForm* SkinFormOf(HWND window) const;
    // The skin data component that serves the window; null when none is registered.
    TSkinData* FindSkinData(HWND window);
    // The form skin question, asked of the first sfMainform component; yes without one.
    bool AskFormSkin(const std::string& class_name);
    // The framework form whose window this is; null for dialogs and foreign windows.
    TCustomForm* FindForm(HWND window) const;

    // Popup menu windows, recorded as they are created while skinning is on.
    void SkinPopupWindow(HWND window);
    void UnskinPopupWindow(HWND window);
    bool IsSkinnedPopup(HWND window) const;
    // The composed background of the popup showing that menu; null for none.
    const TBitmap* FindPopupBackground(HMENU menu) const;

    // Runs an action after delay ms (see SkinActionSchedule).
    void Schedule(SkinAction action, unsigned delay = kActionDelay);
    // Every skinned window drops its title-bar button objects at once.
    void ReloadAll();
    // The activate action now: skinning on, and every window its scan finds
    // skinned at once. An action pending still runs when its time comes.
    void SkinAll();
    // The deactivate action now, in place of anything pending: skinning off,
    // every window given back its own frame and repainted.
    void UnskinAll();
    // The form-skinning object of a skinned window; null for any other.
    FormSkinning* FindSkinning(HWND window) const;

    // An MDI child is shown maximised (set by its frame's menu bar as it shows
    // the child's buttons, cleared as the child is restored, tiled or cascaded).
    bool MdiMaximized() const { return mdi_maximized_; }
    // Records the mark; every skinned MDI child follows it.
    void SetMdiMax(bool maximized);
    // Skins an MDI child at its frame's request (the scan's rules: the child
    // is no longer left to its frame).
    bool SkinMdiChild(HWND child);

    bool Enabled() const { return schedule_.Enabled(); }
    void SetEnabled(bool value) { schedule_.SetEnabled(value); }
    int ActivationCount() const { return schedule_.ActivationCount(); }
    // The timer of the deferred actions is running.
    bool ActionPending() const;
    int SkinnedWindowCount() const { return int(forms_.size()); }

    // What the skin data components report.
    void SkinDataLoaded(TSkinData& data) override;
    void SkinDataActiveChanged(TSkinData& data) override;
    void SkinDataChanged(TSkinData& data) override;
    void SkinDataDestroying(TSkinData& data) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    static LRESULT CALLBACK HookProcedure(int code, WPARAM wparam, LPARAM lparam);
    // Returns true when the creation is to be refused.
    bool WindowCreating(HWND window, const CBT_CREATEWNDW& creation);
    void TimerTick();
    void Activate();
    void Deactivate();
    void Refresh();
    std::vector<SkinDataFacts> SkinDataList(HWND window) const;
    // A component made in code meets the manager when it first needs it.
    void Register(TSkinData& data);

    FormSkinningFactory factory_;
    // The application whose end is the manager's.
    TComponent* application_ = nullptr;
    UniqueHook hook_;
    std::unique_ptr<TTimer> timer_;
    std::vector<std::unique_ptr<FormSkinning>> forms_;
    std::vector<std::unique_ptr<TWinSkinPopMenu>> popups_;
    std::vector<TSkinData*> skin_datas_;
    SkinActionSchedule schedule_;
    bool scanning_ = false;
    bool mdi_maximized_ = false;
    // Whose OnSkinChanged fires after the next action.
    TSkinData* notify_target_ = nullptr;
    TSkinDataListener* previous_listener_ = nullptr;
};

// The one manager; null until a skin data component needs it.
extern TSkinManage* SkinManager;

// The manager, made when there is none yet; its windows get TWinSkinForm objects.
TSkinManage& EnsureSkinManager();

}  // namespace korvane
