#pragma once
// The decisions of the skin manager that need no window: which windows it
// refuses or records at creation, whether it skins a window (every condition
// in its order), which skin data component serves a window, and when its
// deferred actions run. The Windows manager gathers the facts and acts.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "skin/data/skin_options.h"

namespace korvane {

// What the manager does with a window of the user-interface thread that is
// being created.
enum class CreationVerdict {
    Allow,
    // A scroll bar made directly under a skinned window: the skinned frame
    // draws its own, so the window is refused.
    Refuse,
    // A popup menu window ("#32768"), recorded for the popup-menu skinning.
    Popup,
};

// Class names are compared without regard to case: the platform registers
// and finds classes that way, so "SCROLLBAR" is the same class.
CreationVerdict creation_verdict(std::string_view class_name, bool parent_skinned);

// The facts the manager asks about a window it may skin. Each one costs
// something (a sent message, a class-name read, an application event), so
// they are asked in the order below and only as far as needed.
class SkinCandidate {
public:
    virtual ~SkinCandidate() = default;
    // Sends WM_SKINQUERY: true when the window answers 1.
    virtual bool AnswersSkinQuery() = 0;
    virtual bool AlreadySkinned() = 0;
    // Looks the framework form of the window up; later facts may use it.
    virtual bool HasForm() = 0;
    // A child window whose parent's class is "MDIClient".
    virtual bool IsMdiChild() = 0;
    // Width times height of the window rectangle is not 0.
    virtual bool HasArea() = 0;
    // The framework form's Tag (only asked when there is a form).
    virtual int FormTag() = 0;
    virtual std::string ClassName() = 0;
    // The form skin question of the skin data components.
    virtual bool AskFormSkin(const std::string& class_name) = 0;
    // A skin data component serves the window and holds a skin.
    virtual bool HasLoadedSkinData() = 0;
};

// Why a window is not skinned; None when it is to be skinned.
enum class SkinRefusal {
    None,
    Disabled,
    AnswersSkinQuery,
    AlreadySkinned,
    MdiChild,
    NoArea,
    NeverSkinTag,
    ApplicationWindow,
    FormSkinRefused,
    NoSkinData,
};

// A form with this Tag is never skinned, whatever the skin data's DisableTag.
inline constexpr int kNeverSkinFormTag = 99;

// The conditions of TrySkinWindow in their order. Outside a scan of all forms
// an MDI child is left alone (its frame is started by its MDI frame).
SkinRefusal skin_refusal(bool enabled, bool scanning, SkinCandidate& window);

// Whether the activate action's scan offers a top-level window of the thread,
// not a framework form, to TrySkinWindow (which then applies its conditions):
// one the hook would meet as it is activated, so shown, not a child, with a
// title bar and not refusing activation. Windows without a title bar (popup
// menus, tool tips, drop-down lists) are shown without ever being activated;
// such a window is left to the hook. style and ex_style: the window's
// GWL_STYLE and GWL_EXSTYLE bits.
bool scan_offers_window(std::uint32_t style, std::uint32_t ex_style);

// What the manager knows of one registered skin data component.
struct SkinDataFacts {
    TSkinFormType form_type = sfMainform;
    // The component's owner is the form whose window is being served.
    bool owns_window = false;
};

// Which registered component (an index into the list, in registration order)
// serves a window of that class; -1 when the list is empty:
// the last sfOnlyThisForm component owned by the window's form; for message
// dialogs ("TMessageForm") and standard dialogs ("#32770") the last sfDialog
// one; otherwise the last sfMainform one; otherwise the first of the list.
int choose_skin_data(std::span<const SkinDataFacts> list, std::string_view class_name);

// The component asked the form skin question: the first sfMainform one; -1
// when there is none (then every window class is skinned).
int form_skin_judge(std::span<const SkinDataFacts> list);

// The manager's deferred actions, in PendingAction's numbering.
enum class SkinAction { None = 0, Activate = 1, Deactivate = 2, Refresh = 3 };

// When the manager's actions run. Before the first window activation there is
// nothing to repaint: activate and deactivate only switch skinning on and off
// at once (windows are then skinned as they are activated) and refresh does
// nothing. Afterwards every action waits for the timer, and a later request
// replaces one that has not run yet.
class SkinActionSchedule {
public:
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    int ActivationCount() const { return activation_count_; }
    // A window was activated (the first activation starts the deferred mode).
    void NoteActivation() {
        if (activation_count_ == 0) activation_count_ = 1;
    }
    // A component of another form type skins its form directly.
    void RaiseActivationCount() { ++activation_count_; }

    // True when the timer must be started for the action.
    bool Schedule(SkinAction action);
    // The action the timer tick runs, which is then no longer pending;
    // activate switches skinning on and deactivate off as they start.
    SkinAction TakePending();

private:
    bool enabled_ = false;
    int activation_count_ = 0;
    SkinAction pending_ = SkinAction::None;
};

}  // namespace korvane
