#pragma once
// TCustomForm / TForm: top-level windows. A form's window class is named
// after its class ("TMainForm"); its window is owned by the application's
// window. Bounds are the whole window in screen pixels; the client size is
// what a stored layout keeps.
//
// Creating a form is two steps, because a layout names the derived class:
// construct it, then InitializeForm() reads the stored layout kept in the
// RCDATA resource named after the class and then raises OnCreate.
// TApplication::CreateForm and NewForm do both. A form class makes its named
// components in its constructor (typed fields, handlers wired there); the
// layout then fills the components of those names and makes the others.

#include <functional>
#include <string_view>

#include "framework/core/set.h"
#include "framework/win/scrolling.h"

namespace korvane {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
// Member names of a control's border style: bsNone or bsSingle (a sunken edge).
inline constexpr std::string_view kControlBorderStyleNames[] = {"bsNone", "bsSingle"};
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = Set<TBorderIcon>;
enum TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
    poMainFormCenter, poOwnerFormCenter
};
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT, mrRetry = IDRETRY,
                       mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO;

class TCustomForm : public TScrollingWinControl {
public:
    static constexpr std::string_view kClassName = "TCustomForm";

    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // Reads the layout resource named after the class (when there is one),
    // then raises OnCreate.
    void InitializeForm();

    TFormBorderStyle BorderStyle() const { return border_style_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return border_icons_; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    bool AutoSize() const { return auto_size_; }
    void SetAutoSize(bool value);

    Rect ClientRect() const override;
    void SetClientWidth(int width) { SetClientSize({width, ClientHeight()}); }
    void SetClientHeight(int height) { SetClientSize({ClientWidth(), height}); }
    void SetClientSize(Size size);

    // Close: asks OnClose what to do (hide by default); closing the main
    // form ends the application, closing a modal form ends ShowModal.
    void Close();
    // Frees the form once the message being handled is done.
    void Release();
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modal_result_; }
    // The control that gets the focus when the form is activated (the first
    // tab stop when none is set).
    TWinControl* ActiveControl() const { return active_control_; }
    void SetActiveControl(TWinControl* control);
    void SetModalResult(TModalResult result) { modal_result_ = result; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TCloseEvent OnClose;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void VisibleChanged() override;
    void AdjustSize() override;
    bool AutoScrollEnabled() const override { return TScrollingWinControl::AutoScrollEnabled() && !auto_size_; }
    void Loaded() override;
    void UpdateWindowBounds() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // Window size minus client size for the current border settings.
    Size FrameSize() const;
    void PlaceOnFirstShow();
    void FocusActiveControl();

    TFormBorderStyle border_style_ = bsSizeable;
    TBorderIcons border_icons_{biSystemMenu, biMinimize, biMaximize};
    TPosition position_ = poDesigned;
    bool auto_size_ = false;
    bool shown_before_ = false;
    bool modal_ = false;
    TModalResult modal_result_ = mrNone;
    TWinControl* active_control_ = nullptr;
};

class TForm : public TCustomForm {
public:
    static constexpr std::string_view kClassName = "TForm";
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
    std::string_view ClassName() const override { return kClassName; }
};

// Constructs a form of class F with an owner and initialises it.
template <class F>
F* NewForm(TComponent* owner) {
    auto* form = new F(owner);
    try {
        form->InitializeForm();
    } catch (...) {
        delete form;
        throw;
    }
    return form;
}

}  // namespace korvane
