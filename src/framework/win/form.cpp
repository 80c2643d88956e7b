#include "framework/win/form.h"

#include <windowsx.h>
#include <commctrl.h>

#include <algorithm>

#include "base/error.h"
#include "framework/core/properties.h"
#include "framework/win/application.h"
#include "framework/win/layout_resource.h"
#include "framework/win/menus.h"
#include "framework/win/screen.h"
#include "framework/win/task_windows.h"
#include "framework/win/toolbar.h"

namespace korvane {

namespace {

constexpr std::string_view kBorderStyleNames[] = {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow",
                                                  "bsSizeToolWin"};
constexpr std::string_view kBorderIconNames[] = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
constexpr std::string_view kFormStyleNames[] = {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"};
constexpr std::string_view kTileModeNames[] = {"tbHorizontal", "tbVertical"};
constexpr std::string_view kPositionNames[] = {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                               "poScreenCenter", "poDesktopCenter", "poMainFormCenter",
                                               "poOwnerFormCenter"};

Rect window_rect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return from_rect(r);
}


// The first windowed control with a tab stop, depth first in tab order.
TWinControl* first_tab_stop(TWinControl* container) {
    for (int i = 0; i < container->ControlCount(); ++i) {
        auto* w = dynamic_cast<TWinControl*>(container->Controls(i));
        if (!w || !w->Visible() || !w->Enabled()) continue;
        if (w->TabStop()) return w;
        if (TWinControl* inner = first_tab_stop(w)) return inner;
    }
    return nullptr;
}

bool can_take_focus(TWinControl* control) {
    return control && control->HandleAllocated() && IsWindowVisible(control->Handle()) &&
           IsWindowEnabled(control->Handle());
}

// CM_FOCUSCHANGED to every control inside the container, depth first.
void tell_focus_changed(TWinControl& container, TWinControl* focused) {
    for (int i = 0; i < container.ControlCount(); ++i) {
        TControl* c = container.Controls(i);
        c->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(focused));
        if (auto* w = dynamic_cast<TWinControl*>(c)) tell_focus_changed(*w, focused);
    }
}

}  // namespace

TCustomForm::TCustomForm(TComponent* owner) : TScrollingWinControl(owner) {
    SetVisible(false);
    SetParentFont(false);
    SetParentColor(false);
    SetColor(clBtnFace);
    bounds_ = Rect::from_size(0, 0, 320, 240);
    if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (...) {
            if (Application) Application->HandleException();
        }
    }
    if (Screen) Screen->RemoveForm(this);
    DestroyHandle();
    // The components go while the form is still a form.
    DestroyComponents();
}

const PropertyTable& TCustomForm::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TCustomForm>(TScrollingWinControl::Properties())
            .integer("Width", &TCustomForm::Width, &TCustomForm::SetWidth)
            .never_stored()
            .integer("Height", &TCustomForm::Height, &TCustomForm::SetHeight)
            .never_stored()
            .boolean("ParentColor", &TCustomForm::ParentColor, &TCustomForm::SetParentColor, false)
            .boolean("ParentFont", &TCustomForm::ParentFont, &TCustomForm::SetParentFont, false)
            .boolean("Visible", &TCustomForm::Visible, &TCustomForm::SetVisible, false)
            .boolean("AutoSize", &TCustomForm::AutoSize, &TCustomForm::SetAutoSize, false)
            .set("BorderIcons", kBorderIconNames, &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons,
                 TBorderIcons{biSystemMenu, biMinimize, biMaximize})
            .enumeration("BorderStyle", kBorderStyleNames, &TCustomForm::BorderStyle,
                         &TCustomForm::SetBorderStyle, bsSizeable)
            .integer("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight)
            .integer("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth)
            .enumeration("FormStyle", kFormStyleNames, &TCustomForm::FormStyle, &TCustomForm::SetFormStyle, fsNormal)
            .component("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl)
            .enumeration("Position", kPositionNames, &TCustomForm::Position, &TCustomForm::SetPosition,
                         poDesigned)
            .component("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu)
            .component("PopupMenu", &TCustomForm::PopupMenu, &TCustomForm::SetPopupMenu)
            .enumeration("TileMode", kTileModeNames, &TCustomForm::TileMode, &TCustomForm::SetTileMode, tbHorizontal)
            .component("WindowMenu", &TCustomForm::WindowMenu, &TCustomForm::SetWindowMenu)
            .build();
    return table;
}

void TCustomForm::InitializeForm() {
    LoadLayoutResource(*this);
    if (OnCreate) OnCreate(this);
}

void TCustomForm::CreateParams(TCreateParams& p) {
    TScrollingWinControl::CreateParams(p);
    p.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    p.ex_style = WS_EX_CONTROLPARENT;
    const bool tool = border_style_ == bsToolWindow || border_style_ == bsSizeToolWin;
    switch (border_style_) {
    case bsNone: p.style |= WS_POPUP; break;
    case bsSingle: p.style |= WS_CAPTION; break;
    case bsSizeable: p.style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
        p.style |= WS_POPUP | WS_CAPTION;
        p.ex_style |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    case bsToolWindow: p.style |= WS_CAPTION; break;
    case bsSizeToolWin: p.style |= WS_CAPTION | WS_THICKFRAME; break;
    }
    if (tool) p.ex_style |= WS_EX_TOOLWINDOW;
    if (border_style_ != bsNone && border_icons_.contains(biSystemMenu)) {
        p.style |= WS_SYSMENU;
        if (border_style_ != bsDialog && !tool) {
            if (border_icons_.contains(biMinimize)) p.style |= WS_MINIMIZEBOX;
            if (border_icons_.contains(biMaximize)) p.style |= WS_MAXIMIZEBOX;
        }
    }
    if (!Enabled()) p.style |= WS_DISABLED;
    p.parent = Application && Application->HandleAllocated() ? Application->Handle() : nullptr;
    if (form_style_ == fsStayOnTop) p.ex_style |= WS_EX_TOPMOST;
    if (form_style_ == fsMDIChild) {
        // Made visible by the client, which keeps a maximised state for it.
        p.style = (p.style & ~WS_POPUP) | WS_CHILD | (Visible() ? WS_VISIBLE : 0);
        p.ex_style |= WS_EX_MDICHILD;
        TCustomForm* frame = MDIFrame();
        p.parent = frame && frame != this ? frame->ClientHandle() : nullptr;
        // A child made while the active one is maximised comes maximised (the
        // system's rule; not every system keeps it).
        TCustomForm* active = p.parent ? frame->ActiveMDIChild() : nullptr;
        if (active && active != this && IsZoomed(active->Handle())) p.style |= WS_MAXIMIZE;
    }
}

Size TCustomForm::FrameSize() const {
    TCreateParams p;
    const_cast<TCustomForm*>(this)->CreateParams(p);
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, p.style, menu_ != nullptr, p.ex_style);
    return {r.right - r.left, r.bottom - r.top};
}

Rect TCustomForm::ClientRect() const {
    if (HandleAllocated()) return TWinControl::ClientRect();
    Size frame = FrameSize();
    return {0, 0, std::max(0, Width() - frame.width), std::max(0, Height() - frame.height)};
}

void TCustomForm::SetClientSize(Size size) {
    Size frame = FrameSize();
    if (HandleAllocated()) {
        Rect client = TWinControl::ClientRect();
        frame = {Width() - client.width(), Height() - client.height()};
    }
    SetBounds(Left(), Top(), size.width + frame.width, size.height + frame.height);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == border_style_) return;
    Size client = ClientRect().size();
    border_style_ = style;
    SetClientSize(client);
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    if (icons == border_icons_) return;
    border_icons_ = icons;
    RecreateWnd();
}

void TCustomForm::SetAutoSize(bool value) {
    auto_size_ = value;
    AdjustSize();
}

// An auto-sized form's client area is the extent of its visible controls.
void TCustomForm::AdjustSize() {
    TScrollingWinControl::AdjustSize();
    if (!auto_size_ || ComponentState().contains(csLoading)) return;
    Size extent;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible()) continue;
        extent.width = std::max(extent.width, c->BoundsRect().right);
        extent.height = std::max(extent.height, c->BoundsRect().bottom);
    }
    if (extent != ClientRect().size()) SetClientSize(extent);
}

void TCustomForm::UpdateWindowBounds() {
    SetWindowPos(Handle(), nullptr, bounds_.left, bounds_.top, bounds_.width(), bounds_.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomForm::CreateWnd() {
    if (form_style_ == fsMDIChild && !MDIFrame()) throw Error("Cannot create form. No MDI forms are currently active");
    Size client = ClientRect().size();
    TWinControl::CreateWnd();
    if (menu_) ::SetMenu(Handle(), menu_->Handle());
    if (form_style_ == fsMDIForm) CreateMDIClient();
    // The system's frame may differ from the estimate: the client size wins,
    // and the scroll bars follow the client area it gives. A window that came
    // up maximised or minimised (an MDI child made while another is
    // maximised) keeps the size the system gave it.
    if (TWinControl::ClientRect().size() != client && !IsZoomed(Handle()) && !IsIconic(Handle()))
        SetClientSize(client);
    UpdateScrollBars();
}

void TCustomForm::PlaceOnFirstShow() {
    if (shown_before_ || form_style_ == fsMDIChild) return;
    shown_before_ = true;
    Rect around;
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    auto* owner_form = dynamic_cast<TCustomForm*>(Owner());
    switch (position_) {
    case poScreenCenter:
    case poDesktopCenter: {
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        around = from_rect(work);
        break;
    }
    case poOwnerFormCenter:
        if (owner_form && owner_form != this && owner_form->HandleAllocated()) {
            around = window_rect(owner_form->Handle());
            break;
        }
        [[fallthrough]];
    case poMainFormCenter:
        // The main form itself keeps its designed place.
        if (main && main != this && main->HandleAllocated()) around = window_rect(main->Handle());
        break;
    default:
        break;
    }
    if (around.is_empty()) return;
    SetBounds(around.left + (around.width() - Width()) / 2, around.top + (around.height() - Height()) / 2,
              Width(), Height());
}

void TCustomForm::VisibleChanged() {
    if (ComponentState().contains(csLoading)) return;  // shown by Loaded
    if (!Visible()) {
        if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
        return;
    }
    HandleNeeded();
    PlaceOnFirstShow();
    if (form_style_ == fsMDIChild) {
        // Made visible by its client, maximised when the active child is: keep that state.
        if (!IsWindowVisible(Handle())) ShowWindow(Handle(), SW_SHOW);
        SendMessageW(GetParent(Handle()), WM_MDIACTIVATE, WPARAM(Handle()), 0);
    } else {
        ShowWindow(Handle(), SW_SHOWNORMAL);
        SetForegroundWindow(Handle());
    }
    if (OnShow) OnShow(this);
}

void TCustomForm::Loaded() {
    TScrollingWinControl::Loaded();
    AdjustSize();
    if (Visible()) VisibleChanged();
}

void TCustomForm::RememberActiveControl(TWinControl* control) {
    if (control == active_control_) return;
    if (active_control_) active_control_->RemoveFreeNotification(this);
    active_control_ = control;
    if (control) control->FreeNotification(this);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    RememberActiveControl(control);
    if (control && HandleAllocated() && GetActiveWindow() == Handle()) control->SetFocus();
}

void TCustomForm::FocusChanged(TWinControl* control) {
    RememberActiveControl(control);
    tell_focus_changed(*this, control);
}

void TCustomForm::SelectNext(bool backward) {
    HWND focus = GetFocus();
    HWND from = focus && IsChild(Handle(), focus) ? focus : nullptr;
    HWND next = GetNextDlgTabItem(Handle(), from, backward);
    if (!next) return;
    // As in a dialog, an edit reached with Tab has its whole text selected.
    if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(next, EM_SETSEL, 0, -1);
    ::SetFocus(next);
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TScrollingWinControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == active_control_) active_control_ = nullptr;
    if (component == menu_) SetMenu(nullptr);
    if (component == popup_menu_) popup_menu_ = nullptr;
    if (component == window_menu_) window_menu_ = nullptr;
}

void TCustomForm::SetMenu(TMainMenu* menu) {
    if (menu == menu_) return;
    if (menu_) menu_->RemoveFreeNotification(this);
    Size client = ClientRect().size();
    menu_ = menu;
    if (menu_) menu_->FreeNotification(this);
    if (ComponentState().contains(csDestroying)) return;
    // The form keeps its client size when its menu comes or goes.
    if (HandleAllocated()) ::SetMenu(Handle(), menu_ ? menu_->Handle() : nullptr);
    SetClientSize(client);
    SetMDIWindowMenu();
    if (HandleAllocated()) Perform(CM_MENUCHANGED);
}

void TCustomForm::SetPopupMenu(TPopupMenu* menu) {
    if (popup_menu_) popup_menu_->RemoveFreeNotification(this);
    popup_menu_ = menu;
    if (popup_menu_) popup_menu_->FreeNotification(this);
}

void TCustomForm::MenuChanged() {
    if (!menu_ || !HandleAllocated()) return;
    if (GetMenu(Handle()) != menu_->Handle()) ::SetMenu(Handle(), menu_->Handle());
    // The window menu's list of MDI children is written again.
    if (mdi_client_) SendMessageW(mdi_client_, WM_MDIREFRESHMENU, 0, 0);
    DrawMenuBar(Handle());
    Perform(CM_MENUCHANGED);
}

bool TCustomForm::IsShortCut(TShortCut shortcut) {
    return (menu_ && menu_->IsShortCut(shortcut)) || (popup_menu_ && popup_menu_->IsShortCut(shortcut));
}

// At the cursor for a right click; at the top-left of the client area for the keyboard (-1).
void TCustomForm::ShowContextMenu(LPARAM screen_point) {
    Point at{GET_X_LPARAM(screen_point), GET_Y_LPARAM(screen_point)};
    if (screen_point == -1) at = ClientToScreen({0, 0});
    popup_menu_->Popup(at.x, at.y);
}

void TCustomForm::FocusActiveControl() {
    TWinControl* target = can_take_focus(active_control_) ? active_control_ : first_tab_stop(this);
    if (can_take_focus(target)) target->SetFocus();
}

void TCustomForm::Close() {
    if (modal_) {
        if (modal_result_ == mrNone) modal_result_ = mrCancel;
        return;
    }
    // An MDI child cannot hide: it is minimised, or stays without a minimise box.
    TCloseAction action = form_style_ != fsMDIChild ? caHide : border_icons_.contains(biMinimize) ? caMinimize : caNone;
    if (OnClose) OnClose(this, action);
    if (action == caNone) return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
    } else if (action == caHide) {
        Hide();
    } else if (action == caMinimize) {
        ShowWindow(Handle(), SW_MINIMIZE);
    } else {
        Release();
    }
}

void TCustomForm::Release() { PostMessageW(Handle(), CM_RELEASE, 0, 0); }

TModalResult TCustomForm::ShowModal() {
    if (Visible() || modal_) throw Error("Cannot make a visible window modal");
    if (!Application) throw Error("No application to run a modal loop");
    // Leaving, in this order: the modal state ends, the other windows of the
    // thread are enabled again, then the form hides (so one of them is activated).
    struct Hider {
        TCustomForm& form;
        ~Hider() { form.Hide(); }
    } hider{*this};
    DisabledTaskWindows others;
    modal_ = true;
    struct ModalState {
        bool& modal;
        ~ModalState() { modal = false; }
    } state{modal_};
    modal_result_ = mrNone;
    Show();
    while (modal_result_ == mrNone) {
        Application->HandleMessage();
        if (Application->Terminated()) modal_result_ = mrCancel;
    }
    return modal_result_;
}

void TCustomForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_CLOSE:
        Close();
        return;
    case CM_RELEASE:
        delete this;
        return;
    case WM_GETMINMAXINFO:
        DefaultHandler(m);
        // An auto-sized form takes the size of its contents, however small.
        if (auto_size_) reinterpret_cast<MINMAXINFO*>(m.LParam)->ptMinTrackSize = POINT{0, 0};
        return;
    case WM_ACTIVATE:
        DefaultHandler(m);
        if (LOWORD(m.WParam) != WA_INACTIVE && !HIWORD(m.WParam)) FocusActiveControl();
        return;
    case WM_SETFOCUS:
        // The form's own window got the focus (restored from minimised, say):
        // it goes on to the active control.
        DefaultHandler(m);
        if (!IsIconic(Handle())) FocusActiveControl();
        return;
    case CM_DIALOGKEY:
        if (m.WParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0 &&
            !(SendMessageW(GetFocus(), WM_GETDLGCODE, 0, 0) & (DLGC_WANTTAB | DLGC_WANTALLKEYS))) {
            SelectNext(GetKeyState(VK_SHIFT) < 0);
            m.Result = 1;
            return;
        }
        TScrollingWinControl::WndProc(m);
        return;
    case WM_COMMAND:
    case WM_INITMENUPOPUP:
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
        if (DispatchMenuMessage(m)) return;
        return TScrollingWinControl::WndProc(m);
    case WM_DESTROY:
        // A window destroys the menu it carries; the menu belongs to its items.
        if (form_style_ != fsMDIChild && GetMenu(Handle())) ::SetMenu(Handle(), nullptr);
        mdi_client_ = nullptr;
        return DefaultHandler(m);
    case WM_SIZE:
        TScrollingWinControl::WndProc(m);
        // Tool bars take the new width; the MDI client the room below them.
        for (int i = 0; i < ControlCount(); ++i)
            if (auto* bar = dynamic_cast<TToolBar*>(Controls(i)); bar && bar->HandleAllocated())
                SendMessageW(bar->Handle(), TB_AUTOSIZE, 0, 0);
        ArrangeMDIClient();
        return;
    case WM_CONTEXTMENU:
        if (popup_menu_ && popup_menu_->AutoPopup()) return ShowContextMenu(m.LParam);
        return DefaultHandler(m);
    default:
        TScrollingWinControl::WndProc(m);
    }
}

}  // namespace korvane
