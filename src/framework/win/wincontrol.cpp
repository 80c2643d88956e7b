#include "framework/win/wincontrol.h"

#include <windowsx.h>

#include <algorithm>

#include "base/error.h"
#include "framework/core/properties.h"
#include "framework/win/application.h"
#include "framework/win/bitmap.h"
#include "framework/win/form.h"
#include "base/win32_text.h"
#include "framework/win/screen.h"
#include "framework/win/window_class.h"
#include "framework/win/window_property.h"

namespace korvane {

namespace {

// The controls whose windows are being created on this thread, innermost
// last. A window's first messages come before CreateWindowExW returns its
// handle, and a hook may create another framework window in between.
thread_local std::vector<TWinControl*> creating_controls;

class CreatingControl {
public:
    explicit CreatingControl(TWinControl* control) { creating_controls.push_back(control); }
    CreatingControl(const CreatingControl&) = delete;
    CreatingControl& operator=(const CreatingControl&) = delete;
    ~CreatingControl() { creating_controls.pop_back(); }
};

// The smallest control id no child window of `parent` has: notifications
// that carry no handle (WM_MEASUREITEM) name the child by its id.
UINT_PTR free_child_id(HWND parent) {
    std::vector<UINT_PTR> taken;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        taken.push_back(UINT_PTR(GetWindowLongPtrW(child, GWLP_ID)));
    std::sort(taken.begin(), taken.end());
    UINT_PTR id = 1;
    for (UINT_PTR t : taken)
        if (t == id) ++id;
    return id;
}

bool is_mouse_message(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK; }

// The child window a notification to `parent` is about; null for other messages.
HWND notification_source(HWND parent, const TMessage& m) {
    if (!m.LParam) return nullptr;  // each names its child in lParam
    switch (m.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        return reinterpret_cast<HWND>(m.LParam);
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(m.LParam)->hwndFrom;
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
        return dis->CtlType == ODT_MENU ? nullptr : dis->hwndItem;
    }
    case WM_MEASUREITEM: {
        // It can come while the child is being created, before its handle is
        // known: the child is found by its control id.
        auto* mis = reinterpret_cast<const MEASUREITEMSTRUCT*>(m.LParam);
        return mis->CtlType == ODT_MENU ? nullptr : GetDlgItem(parent, int(mis->CtlID));
    }
    default:
        return nullptr;
    }
}

}  // namespace

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
    auto* control = static_cast<TWinControl*>(FrameworkObject(window));
    if (!control && !creating_controls.empty() && !creating_controls.back()->HandleAllocated()) {
        control = creating_controls.back();
        control->Attach(window);
    }
    if (!control) return DefWindowProcW(window, msg, wparam, lparam);
    TMessage m{msg, wparam, lparam, 0};
    try {
        control->WindowProc(m);
    } catch (...) {
        // An exception must not unwind through the system's frames: it ends
        // the handler here and is shown to the user.
        if (Application) Application->HandleException();
    }
    if (msg == WM_NCDESTROY) control->Detach();
    return m.Result;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    DestroyHandle();
    while (!controls_.empty()) controls_.back()->SetParent(nullptr);
}

const PropertyTable& TWinControl::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TWinControl>(TControl::Properties())
            .boolean("DoubleBuffered", &TWinControl::DoubleBuffered, &TWinControl::SetDoubleBuffered, false)
            .integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
            .stored_if([](const TWinControl& c) { return c.Parent() != nullptr; })
            .boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false)
            .build();
    return table;
}

TWinControl* TWinControl::FindControl(HWND window) {
    return static_cast<TWinControl*>(ControlProperty().get(window));
}

void TWinControl::Attach(HWND window) {
    handle_ = window;
    SetFrameworkObject(window, this);
    ControlProperty().set(window, this);
}

void TWinControl::Detach() {
    if (handle_) {
        SetFrameworkObject(handle_, nullptr);
        ControlProperty().remove(handle_);
    }
    handle_ = nullptr;
    capture_control_ = nullptr;
}

HWND TWinControl::Handle() {
    if (!handle_) CreateWnd();
    return handle_;
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.class_name = widen(ClassName());
    p.caption = widen(Caption());
    p.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (Visible()) p.style |= WS_VISIBLE;
    if (!Enabled()) p.style |= WS_DISABLED;
    if (tab_stop_) p.style |= WS_TABSTOP;
    p.ex_style = WS_EX_CONTROLPARENT;
    p.x = Left();
    p.y = Top();
    p.width = Width();
    p.height = Height();
    if (Parent()) p.parent = Parent()->Handle();
}

void TWinControl::CreateWnd() {
    TCreateParams p;
    CreateParams(p);
    if ((p.style & WS_CHILD) && !p.parent)
        throw Error("Control '" + Name() + "' has no parent window");
    default_proc_ = RegisterFrameworkClass(p.class_name, p.superclass, p.class_style, FrameworkWindowProc);
    superclassed_ = p.superclass != nullptr;
    HMENU id = (p.style & WS_CHILD) ? reinterpret_cast<HMENU>(free_child_id(p.parent)) : nullptr;
    HWND window;
    {
        CreatingControl creating(this);
        window = CreateWindowExW(p.ex_style, p.class_name.c_str(), p.caption.c_str(), p.style, p.x, p.y,
                                 p.width, p.height, p.parent, id, GetModuleHandleW(nullptr), nullptr);
    }
    if (!window) {
        Detach();
        throw Error("Error creating window " + narrow(p.class_name));
    }
    ApplyFont();
    // Children in tab order, so that the window order follows it.
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && !w->HandleAllocated()) w->CreateWnd();
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    DestroyWindow(handle_);  // children go with it; WM_NCDESTROY detaches each
}

void TWinControl::RecreateWnd() {
    if (!handle_) return;
    DestroyHandle();
    CreateWnd();
}

void TWinControl::ApplyFont() {
    if (!handle_) return;
    UniqueGdi<HFONT> old = std::move(font_handle_);
    font_handle_ = CreateFontHandle(Font());
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_handle_.get()), FALSE);
}

HBRUSH TWinControl::ColorBrush() {
    if (!color_brush_) color_brush_.reset(CreateSolidBrush(ColorToRGB(GetColor())));
    return color_brush_.get();
}

void TWinControl::AnswerCtlColor(TMessage& m) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    SetTextColor(dc, ColorToRGB(Font().GetColor()));
    SetBkColor(dc, ColorToRGB(GetColor()));
    m.Result = reinterpret_cast<LRESULT>(ColorBrush());
}

std::string TWinControl::WindowText() {
    HWND window = Handle();
    std::wstring text(std::size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return narrow(text);
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    auto* win = dynamic_cast<TWinControl*>(control);
    if (win && handle_ && !win->handle_) win->CreateWnd();
}

void TWinControl::RemoveControl(TControl* control) {
    if (capture_control_ == control) {
        capture_control_ = nullptr;
        if (handle_ && GetCapture() == handle_) ReleaseCapture();
    }
    if (auto* win = dynamic_cast<TWinControl*>(control)) win->DestroyHandle();
    std::erase(controls_, control);
}

TControl* TWinControl::ControlAtPos(Point p, bool allow_disabled) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (dynamic_cast<TWinControl*>(c)) continue;
        if (c->Visible() && (allow_disabled || c->Enabled()) && c->BoundsRect().contains(p)) return c;
    }
    return nullptr;
}

TControl* TWinControl::MouseAt(Point p) {
    if (!handle_ || !ClientRect().contains(p)) return nullptr;
    TRACKMOUSEEVENT now{sizeof(now), TME_QUERY, nullptr, 0};
    if (!TrackMouseEvent(&now) || now.hwndTrack != handle_ || !(now.dwFlags & TME_LEAVE)) {
        TRACKMOUSEEVENT leave{sizeof(leave), TME_LEAVE, handle_, 0};
        TrackMouseEvent(&leave);
    }
    TControl* inner = ControlAtPos(p);
    return inner ? inner : this;
}

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    int order = 0;
    for (TControl* c : Parent()->controls_) {
        if (c == this) return order;
        if (dynamic_cast<TWinControl*>(c)) ++order;
    }
    return -1;
}

// The tab order is the order of the windowed children in the parent's list.
void TWinControl::SetTabOrder(int order) {
    TWinControl* parent = Parent();
    if (!parent || order < 0) return;
    auto& list = parent->controls_;
    std::erase(list, static_cast<TControl*>(this));
    int seen = 0;
    auto at = list.begin();
    for (; at != list.end(); ++at) {
        if (!dynamic_cast<TWinControl*>(*at)) continue;
        if (seen == order) break;
        ++seen;
    }
    list.insert(at, this);
    if (handle_) {
        // Follow the new order in the window order.
        HWND after = HWND_TOP;
        for (TControl* c : list)
            if (auto* w = dynamic_cast<TWinControl*>(c); w && w->handle_) {
                SetWindowPos(w->handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                after = w->handle_;
            }
    }
}

void TWinControl::SetTabStop(bool value) {
    if (value == tab_stop_) return;
    tab_stop_ = value;
    if (handle_) {
        LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
        SetWindowLongPtrW(handle_, GWL_STYLE, value ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP));
    }
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
    if (HWND h = Handle()) ::SetFocus(h);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    Rect next = Rect::from_size(left, top, width, height);
    if (next == bounds_) return;
    bounds_ = next;
    if (handle_) UpdateWindowBounds();
    if (Parent()) Parent()->AdjustSize();
}

void TWinControl::UpdateWindowBounds() {
    SetWindowPos(handle_, nullptr, bounds_.left, bounds_.top, bounds_.width(), bounds_.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::WindowBoundsChanged() {
    RECT r;
    GetWindowRect(handle_, &r);
    HWND parent = GetParent(handle_);
    if (parent && (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    bounds_ = from_rect(r);
}

Rect TWinControl::ClientRect() const {
    if (!handle_) return TControl::ClientRect();
    RECT r;
    GetClientRect(handle_, &r);
    return from_rect(r);
}

Point TWinControl::ClientToScreen(Point p) const {
    if (!handle_) return TControl::ClientToScreen(p);
    POINT pt{p.x, p.y};
    ::ClientToScreen(handle_, &pt);
    return {pt.x, pt.y};
}

void TWinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
    if (handle_) UpdateWindow(handle_);
}

void TWinControl::TextChanged() {
    if (handle_) SetWindowTextW(handle_, widen(Caption()).c_str());
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    ApplyFont();
    for (TControl* c : controls_) c->Perform(CM_PARENTFONTCHANGED);
}

void TWinControl::ColorChanged() {
    color_brush_.reset();
    TControl::ColorChanged();
    for (TControl* c : controls_) c->Perform(CM_PARENTCOLORCHANGED);
}

void TWinControl::EnabledChanged() {
    if (handle_) EnableWindow(handle_, Enabled());
    TControl::EnabledChanged();
}

void TWinControl::VisibleChanged() {
    if (handle_) ShowWindow(handle_, Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void TWinControl::PaintWindow(HDC dc) {
    RECT r;
    GetClientRect(handle_, &r);
    FillRect(dc, &r, ColorBrush());
}

void TWinControl::PaintControls(HDC dc, const Rect& clip) {
    for (TControl* c : controls_) {
        if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
        Rect r = c->BoundsRect();
        if (r.intersected(clip).is_empty()) continue;
        SavedDC saved(dc);
        SetViewportOrgEx(dc, r.left, r.top, nullptr);
        IntersectClipRect(dc, 0, 0, r.width(), r.height());
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    }
}

// The face a control paints itself: a wrapped standard control's own
// painting, else PaintWindow.
void TWinControl::PaintFace(HDC dc) {
    if (superclassed_) {
        TMessage inner{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
        DefaultHandler(inner);
    } else {
        PaintWindow(dc);
    }
}

// Paints the face (CM_PAINTFACE, which hooks may answer) and the windowless
// children over it, into the DC in wParam (WM_PRINTCLIENT, or WM_PAINT with
// a DC) or the window's own, through an off-screen bitmap when
// double-buffered. A wrapped standard control without windowless children
// paints itself in its WM_PAINT.
void TWinControl::PaintHandler(TMessage& m) {
    HDC given = reinterpret_cast<HDC>(m.WParam);
    auto paint = [&](HDC dc, const Rect& clip) {
        Perform(CM_PAINTFACE, reinterpret_cast<WPARAM>(dc));
        PaintControls(dc, clip);
    };
    auto paint_buffered = [&](HDC dc, const Rect& clip) {
        if (!double_buffered_) return paint(dc, clip);
        Rect client = ClientRect();
        TBitmap buffer;
        buffer.SetSize(client.width(), client.height());
        if (buffer.Empty()) return;
        paint(buffer.Canvas().Handle(), clip);
        BitBlt(dc, clip.left, clip.top, clip.width(), clip.height(), buffer.Canvas().Handle(), clip.left,
               clip.top, SRCCOPY);
    };
    if (given) {
        paint_buffered(given, ClientRect());
    } else if (superclassed_ && !double_buffered_ && controls_.empty()) {
        DefaultHandler(m);
    } else {
        PaintDC dc(handle_);
        paint_buffered(dc.get(), from_rect(dc.update_rect()));
    }
}

// Mouse messages go to the captured or the windowless child under the
// mouse, in that child's coordinates; the rest are the control's own.
void TWinControl::RouteMouse(TMessage& m) {
    Point p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    TControl* target = capture_control_ ? capture_control_ : ControlAtPos(p);
    if (!target) return TControl::WndProc(m);
    Rect r = target->BoundsRect();
    TMessage forwarded = m;
    forwarded.LParam = MAKELPARAM(p.x - r.left, p.y - r.top);
    target->WindowProc(forwarded);
    m.Result = forwarded.Result;
}

bool TWinControl::Reflect(TMessage& m) {
    HWND source = notification_source(handle_, m);
    TWinControl* child = FindControl(source);
    if (!child || child == this) return false;
    m.Result = child->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    return true;
}

void TWinControl::WndProc(TMessage& m) {
    if (m.Msg == WM_MOUSEMOVE && Screen)
        Screen->MouseMoved(MouseAt({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}));
    if (is_mouse_message(m.Msg)) return RouteMouse(m);
    if (notification_source(handle_, m)) {  // about a child window: the child gets it as CN_ + message
        if (!Reflect(m)) DefaultHandler(m);
        return;
    }
    switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        return PaintHandler(m);
    case CM_PAINTFACE:
        return PaintFace(reinterpret_cast<HDC>(m.WParam));
    case WM_ERASEBKGND:
        if (superclassed_) return DefaultHandler(m);
        if (!double_buffered_) Perform(CM_PAINTFACE, m.WParam);
        m.Result = 1;
        return;
    case WM_SETCURSOR:
        if (LOWORD(m.LParam) == HTCLIENT) {
            POINT cursor;
            GetCursorPos(&cursor);
            ::ScreenToClient(handle_, &cursor);
            TControl* target = capture_control_ ? capture_control_ : ControlAtPos({cursor.x, cursor.y});
            TCursor shape = (target ? target : this)->Cursor();
            if (shape != crDefault) {
                ::SetCursor(CursorHandle(shape));
                m.Result = TRUE;
                return;
            }
        }
        return DefaultHandler(m);
    case WM_MOUSELEAVE:
        if (Screen) Screen->MouseLeft(this);
        return DefaultHandler(m);
    case WM_MOVE:
    case WM_SIZE:
        DefaultHandler(m);
        WindowBoundsChanged();
        return;
    case WM_SYSCHAR:
        // Alt+letter: the form's controls look for their accelerator.
        if (TCustomForm* form = ParentForm(); form && form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam)) {
            m.Result = 0;
            return;
        }
        return DefaultHandler(m);
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
        for (TControl* c : controls_)
            if (c->Visible() && c->Enabled() && (m.Result = c->Perform(m.Msg, m.WParam, m.LParam)))
                return;
        return;
    default:
        TControl::WndProc(m);
    }
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (!handle_) return;
    m.Result = CallWindowProcW(default_proc_, handle_, m.Msg, m.WParam, m.LParam);
}

void TCustomControl::PaintWindow(HDC dc) {
    CanvasBinding binding(canvas_, dc);
    canvas_.Font().Assign(&Font());
    canvas_.Brush().SetColor(GetColor());
    Paint();
}

void TCustomControl::Paint() { canvas_.FillRect(ClientRect()); }

}  // namespace korvane
