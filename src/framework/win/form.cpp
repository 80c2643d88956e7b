#include "framework/win/form.h"

#include <algorithm>

#include "base/error.h"
#include "framework/core/properties.h"
#include "framework/win/application.h"
#include "framework/win/layout_resource.h"
#include "framework/win/screen.h"
#include "framework/win/task_windows.h"

namespace korvane {

namespace {

constexpr std::string_view kBorderStyleNames[] = {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow",
                                                  "bsSizeToolWin"};
constexpr std::string_view kBorderIconNames[] = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
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
            .component("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl)
            .enumeration("Position", kPositionNames, &TCustomForm::Position, &TCustomForm::SetPosition,
                         poDesigned)
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
}

Size TCustomForm::FrameSize() const {
    TCreateParams p;
    const_cast<TCustomForm*>(this)->CreateParams(p);
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, p.style, FALSE, p.ex_style);
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
    Size client = ClientRect().size();
    TWinControl::CreateWnd();
    // The system's frame may differ from the estimate: the client size wins,
    // and the scroll bars follow the client area it gives.
    if (TWinControl::ClientRect().size() != client) SetClientSize(client);
    UpdateScrollBars();
}

void TCustomForm::PlaceOnFirstShow() {
    if (shown_before_) return;
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
    ShowWindow(Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
    if (OnShow) OnShow(this);
}

void TCustomForm::Loaded() {
    TScrollingWinControl::Loaded();
    AdjustSize();
    if (Visible()) VisibleChanged();
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (active_control_) active_control_->RemoveFreeNotification(this);
    active_control_ = control;
    if (control) control->FreeNotification(this);
    if (control && HandleAllocated() && GetActiveWindow() == Handle()) control->SetFocus();
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TScrollingWinControl::Notification(component, operation);
    if (operation == opRemove && component == active_control_) active_control_ = nullptr;
}

void TCustomForm::FocusActiveControl() {
    TWinControl* target = active_control_ ? active_control_ : first_tab_stop(this);
    if (target && target->HandleAllocated() && IsWindowVisible(target->Handle())) target->SetFocus();
}

void TCustomForm::Close() {
    if (modal_) {
        if (modal_result_ == mrNone) modal_result_ = mrCancel;
        return;
    }
    TCloseAction action = caHide;
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
    default:
        TScrollingWinControl::WndProc(m);
    }
}

}  // namespace korvane
