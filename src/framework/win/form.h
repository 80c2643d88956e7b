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
#include <vector>

#include "framework/core/set.h"
#include "framework/win/shortcut.h"
#include "framework/win/wincontrol.h"

namespace korvane {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = Set<TBorderIcon>;
enum TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
    poMainFormCenter, poOwnerFormCenter
};
enum TCloseAction { caNone, caHide, caFree, caMinimize };
// An MDI frame (fsMDIForm) holds the MDI client window, in which the MDI
// children (fsMDIChild) live; the program's main form is the frame.
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TTileMode { tbHorizontal, tbVertical };
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

class TMainMenu;
class TMenuItem;
class TPopupMenu;

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT, mrRetry = IDRETRY,
                       mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO;

class TCustomForm : public TWinControl {
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
    // Kept for the layout; the framework's forms never scroll.
    bool AutoScroll() const { return auto_scroll_; }
    void SetAutoScroll(bool value) { auto_scroll_ = value; }

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

    // The menu bar. The window carries its system menu; commands and
    // shortcuts reach the items whether or not it still does.
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    // Opened by a right click anywhere on the form (or the context-menu key)
    // when its AutoPopup is set.
    TPopupMenu* PopupMenu() const { return popup_menu_; }
    void SetPopupMenu(TPopupMenu* menu);
    // Set before the window is made (a change later makes it again).
    TFormStyle FormStyle() const { return form_style_; }
    void SetFormStyle(TFormStyle style);
    // MDI frames: the client window, the children, the active one, their arrangement.
    HWND ClientHandle() const { return mdi_client_; }
    int MDIChildCount() const;
    TCustomForm* MDIChildren(int index) const;
    TCustomForm* ActiveMDIChild() const;
    TTileMode TileMode() const { return tile_mode_; }
    void SetTileMode(TTileMode mode) { tile_mode_ = mode; }
    void Tile();
    void Cascade();
    // The drop-down of the menu bar that lists the MDI children.
    TMenuItem* WindowMenu() const { return window_menu_; }
    void SetWindowMenu(TMenuItem* item);

    // Runs the menu item of a shortcut: the menu bar's, then the popup menu's.
    bool IsShortCut(TShortCut shortcut);
    // The menu changed: the window is given its menu again and the form gets
    // CM_MENUCHANGED.
    void MenuChanged();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TCloseEvent OnClose;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    HWND CreateWindowHandle(const TCreateParams& params) override;
    void DestroyWindowHandle() override;
    void DefaultHandler(TMessage& message) override;
    void WndProc(TMessage& message) override;
    void VisibleChanged() override;
    void AdjustSize() override;
    void Loaded() override;
    void UpdateWindowBounds() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // Window size minus client size for the current border settings.
    Size FrameSize() const;
    void PlaceOnFirstShow();
    void FocusActiveControl();
    void ShowContextMenu(LPARAM screen_point);
    // The MDI frame an MDI child is made in: its owner when that is one, else the main form.
    TCustomForm* MDIFrame() const;
    // The MDI children in the client window, in creation order.
    std::vector<TCustomForm*> MDIChildList() const;
    void CreateMDIClient();
    // The client window takes the client area below the controls along the top edge.
    void ArrangeMDIClient();
    void SetMDIWindowMenu();

    TFormBorderStyle border_style_ = bsSizeable;
    TBorderIcons border_icons_{biSystemMenu, biMinimize, biMaximize};
    TPosition position_ = poDesigned;
    bool auto_size_ = false;
    bool auto_scroll_ = true;
    bool shown_before_ = false;
    bool modal_ = false;
    TModalResult modal_result_ = mrNone;
    TWinControl* active_control_ = nullptr;
    TMainMenu* menu_ = nullptr;
    TPopupMenu* popup_menu_ = nullptr;
    TFormStyle form_style_ = fsNormal;
    TTileMode tile_mode_ = tbHorizontal;
    TMenuItem* window_menu_ = nullptr;
    HWND mdi_client_ = nullptr;
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
