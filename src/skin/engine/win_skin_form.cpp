#include "skin/engine/win_skin_form.h"

#include <algorithm>

#include "framework/core/properties.h"
#include "framework/win/menus.h"
#include "framework/win/messages.h"
#include "skin/engine/skin_manager.h"

namespace korvane {
namespace {

constexpr LONG kCaptionButtonBits = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// The direct child of class "MDIClient" that makes the window an MDI frame.
HWND find_mdi_client(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16] = {};
        GetClassNameW(child, name, 16);
        if (lstrcmpiW(name, L"MDIClient") == 0) return child;
    }
    return nullptr;
}

bool mdi_marked() { return SkinManager && SkinManager->MdiMaximized(); }

FormControlsFactory control_skinning = nullptr;

}  // namespace

void TWinSkinForm::SetControlSkinning(FormControlsFactory factory) { control_skinning = factory; }

TWinSkinForm::TWinSkinForm(HWND window) : TComponent(nullptr), Handle(window) {}

TWinSkinForm::~TWinSkinForm() {
    if (Hooked() || light_) Unskin();
    SetPopupMenusOwnerDraw(false);
    if (SkinData) SkinData->RemoveFreeNotification(this);
}

const PropertyTable& TWinSkinForm::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TWinSkinForm>(TComponent::Properties())
            .integer("DisableTag", [](const TWinSkinForm& f) { return f.DisableTag; },
                     [](TWinSkinForm& f, std::int32_t v) { f.DisableTag = v; }, 0)
            .build();
    return table;
}

void TWinSkinForm::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == SkinData) SkinData = nullptr;
    std::erase_if(skinned_items_, [component](const SkinnedPopupItem& s) { return s.item == component; });
    std::erase_if(skinned_popups_, [component](const auto& s) { return s.first == component; });
    if (MenuBar && MenuBar->Menu == component) MenuBar->Menu = nullptr;
}

void TWinSkinForm::SkinForm(TSkinData& data, TCustomForm& form) {
    Form = &form;
    Handle = form.Handle();
    form.SetAutoScroll(false);
    SkinWindow(data);
    SavedColor = form.GetColor();
    if (!data.Empty()) form.SetColor(data.Colours().ButtonFace);
    if (Hooked() && !form_filter_)
        form_filter_ = std::make_unique<WindowProcHook>(
            form, [this](TMessage& m, const TWndMethod& next) { FormFilter(m, next); });
    SetPopupMenusOwnerDraw(true);
}

void TWinSkinForm::SkinWindow(TSkinData& data) {
    if (SkinData != &data) {
        if (SkinData) SkinData->RemoveFreeNotification(this);
        SkinData = &data;
        data.FreeNotification(this);
    }
    if (!Timer) {
        Timer = std::make_unique<TTimer>(nullptr);
        Timer->SetEnabled(false);
        Timer->SetInterval(250);
        Timer->OnTimer = [this](TObject*) { HoverCheck(); };
    }
    MdiClient = find_mdi_client(Handle);
    if (!data.SkinControls().contains(xcMainMenu)) {
        light_ = true;
        HookMdiClient();
        ComputeFrameMetrics();
        if (!controls_ && control_skinning && !data.Empty()) controls_ = control_skinning(*this);
        return;
    }
    if (Hooked()) return;
    ReadCaptionFont();
    Style = GetWindowLongW(Handle, GWL_STYLE);
    const LONG ex_style = GetWindowLongW(Handle, GWL_EXSTYLE);
    SystemMenu = GetSystemMenu(Handle, FALSE);
    BuildIcon();

    RECT window{}, client{};
    GetWindowRect(Handle, &window);
    GetClientRect(Handle, &client);
    SystemFrameSize = {0, 0, (window.right - window.left) - client.right,
                       (window.bottom - window.top) - client.bottom};

    BoxFlags = 0;
    if ((Style & WS_SYSMENU) || SystemMenu) BoxFlags |= kSystemMenuBox;
    if (Style & WS_MINIMIZEBOX) BoxFlags |= kMinimizeBox;
    if (Style & WS_MAXIMIZEBOX) BoxFlags |= kMaximizeBox;
    ReadWindowState();
    MdiKind = MdiClient ? mkFrame : mkNone;
    if (ex_style & WS_EX_MDICHILD) MdiKind = mkChild;
    if ((Style & WS_POPUP) && (Style & WS_CAPTION) != WS_CAPTION)
        FrameKind = kFrameCaptionless;
    else if ((ex_style & WS_EX_WINDOWEDGE) || (Style & WS_THICKFRAME))
        FrameKind = kFrameSizeable;
    else
        FrameKind = kFrameOther;
    // A top-level window skinned while another is active (the scan that puts
    // the skin back on every form) starts inactive; one skinned as it is
    // being activated hears so at once (WM_NCACTIVATE).
    if (MdiKind != mkChild) Active = GetActiveWindow() == Handle;
    MenuHandle = GetMenu(Handle);
    box_bits_ = Style & kCaptionButtonBits;
    if (MenuHandle && MdiKind != mkChild) {
        MenuBar = std::make_unique<TWinSkinMenu>(*this);
        MenuBar->SkinData = &data;
        MenuBar->Menu = Form ? Form->Menu() : nullptr;
        if (MenuBar->Menu) MenuBar->Menu->FreeNotification(this);
        MenuBarHeight = GetSystemMetrics(SM_CYMENU);
        MenuBar->RebuildItems();
    }

    if (!subclass_.Install(Handle, [this](UINT m, WPARAM w, LPARAM l) { return WindowProcedure(m, w, l); }))
        return;  // a window that cannot be hooked keeps its normal look
    // A child shown maximised keeps its caption buttons: its frame is the system's.
    if (WindowState != wsMinimized && !(MdiKind == mkChild && mdi_marked())) SetCaptionButtonBits(false);
    HookMdiClient();
    ComputeFrameMetrics();
    InvalidateRect(Handle, nullptr, TRUE);
}

void TWinSkinForm::Start() {
    if (PaintState == psNotStarted && MdiKind == mkChild && mdi_marked()) {
        SetCaptionButtonBits(true);
    } else if (PaintState == psNotStarted && WindowState != wsMinimized && FrameKind != kFrameCaptionless) {
        PaintState = psFirstSizing;
        ResizeForSkin(false);
        PaintState = psNormal;
        UpdateRegion();
    }
    PaintState = psNormal;
    if (!controls_ && control_skinning && SkinData && !SkinData->Empty()) controls_ = control_skinning(*this);
    if (Timer) Timer->SetEnabled(true);
}

void TWinSkinForm::ApplySkinChange() {
    if (!SkinData || SkinData->Empty()) return;
    if (Form) {
        Form->SetColor(SkinData->Colours().ButtonFace);
        for (int i = 0; i < Form->ComponentCount(); ++i)
            if (auto* inner = dynamic_cast<TCustomForm*>(Form->Components(i)))
                inner->SetColor(SkinData->Colours().ButtonFace);
    }
    if (controls_) controls_->ApplySkinChange();
    if (light_) return;
    PaintState = psReapplying;
    SetPopupMenusOwnerDraw(true);
    ComputeFrameMetrics();
    ResizeForSkin(true);
    PaintState = psNormal;
    // A new skin of the same frame widths still has its own shape.
    RegionWidth = RegionHeight = 0;
    TitleCache.SetSize(0, 0);
    UpdateRegion();
    PaintFrame(nullptr);
}

void TWinSkinForm::Unskin() {
    if (Timer) Timer->SetEnabled(false);
    // A frame that lets go of its children leaves no child marked maximised.
    if (MdiKind == mkFrame && mdi_marked()) SkinManager->SetMdiMax(false);
    SetPopupMenusOwnerDraw(false);
    controls_.reset();
    if (light_) {
        light_ = false;
        mdi_client_subclass_.Remove();
        if (Form && PaintState != psReleasing) Form->SetColor(SavedColor);
        // Repaint the frames in place: minimising and restoring would show a
        // hidden window and un-maximise a maximised one.
        if (IsWindow(Handle))
            RedrawWindow(Handle, nullptr, nullptr,
                         RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return;
    }
    if (!Hooked()) return;
    SetCaptionButtonBits(true);
    subclass_.Remove();
    form_filter_.reset();
    if (Form && PaintState != psReleasing) Form->SetColor(SavedColor);
    TitleCache.SetSize(0, 0);
    HotObject = nullptr;
    ReleaseMenuBar();
    mdi_client_subclass_.Remove();
    const LONG style = GetWindowLongW(Handle, GWL_STYLE);
    const bool child = (style & WS_CHILD) && MdiKind != mkChild;
    // A maximised or minimised MDI child has the system's frame already: its
    // size is the client window's or the icon's.
    const bool unframed_child = MdiKind == mkChild && (IsZoomed(Handle) || IsIconic(Handle));
    if (!child && !unframed_child && IsWindow(Handle)) {
        RECT r{};
        GetWindowRect(Handle, &r);
        POINT origin{r.left, r.top};
        if (MdiKind == mkChild) ScreenToClient(GetParent(Handle), &origin);
        const Size size = UnskinnedWindowSize({r.right - r.left, r.bottom - r.top}, Frame(), MenuBarHeight,
                                              {SystemFrameSize.right, SystemFrameSize.bottom});
        // WM_NCCALCSIZE no longer reaches this object: the system's frame comes back.
        SetWindowPos(Handle, nullptr, origin.x, origin.y, size.width, size.height,
                     SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    MenuBarHeight = 0;
    if (IsWindow(Handle)) SetWindowRgn(Handle, nullptr, TRUE);
    Region.reset();
    RegionSet = false;
    RegionWidth = RegionHeight = 0;
    PaintState = psNotStarted;
}

void TWinSkinForm::ReleaseMenuBar() {
    if (!MenuBar) return;
    // The window gets its menu back; the resize that follows gives the
    // client area its size under the system's frame and bar.
    HMENU menu = MenuBar->Menu ? MenuBar->Menu->Handle() : MenuBar->MenuHandle;
    if (MenuBar->Menu) MenuBar->Menu->RemoveFreeNotification(this);
    MenuBar.reset();
    if (IsWindow(Handle) && menu && IsMenu(menu)) SetMenu(Handle, menu);
}

void TWinSkinForm::FormFilter(TMessage& m, const TWndMethod& next) {
    switch (m.Msg) {
        case CM_MENUCHANGED:
            next(m);
            if (MenuBar && SkinData && SkinData->MenuRefresh) {
                MenuBar->RebuildItems();
                PaintFrame(nullptr);
            }
            return;
        case CM_DIALOGCHAR:
            if (MenuBar && !MenuTracking)
                if (TMenuBtn* entry = MenuBar->FindAccelItem(wchar_t(m.WParam))) {
                    MenuBar->ClickItem(*entry);
                    m.Result = 1;
                    return;
                }
            next(m);
            return;
        default: next(m);
    }
}

void TWinSkinForm::Release() {
    if (depth_ > 0) {
        // Our own window procedure is on the stack: let go of the window now,
        // free the object when the procedure returns.
        Unskin();
        release_pending_ = true;
        return;
    }
    delete this;
}

void TWinSkinForm::ComputeFrameMetrics() {
    if (!SkinData || SkinData->Empty()) return;
    const SkinModel& skin = SkinData->Skin();
    if (FrameKind == kFrameCaptionless) {
        FrameLeft = FrameTop = FrameRight = FrameBottom = 0;
        MenuBarHeight = 0;
    } else {
        FrameTop = FrameThickness(skin.BorderTop.Bitmap.height(), skin.BorderTop.Frame);
        FrameLeft = FrameThickness(skin.BorderLeft.Bitmap.width(), skin.BorderLeft.Frame);
        FrameRight = FrameThickness(skin.BorderRight.Bitmap.width(), skin.BorderRight.Frame);
        FrameBottom = FrameThickness(skin.BorderBottom.Bitmap.height(), skin.BorderBottom.Frame);
    }
    HotObject = nullptr;
    TitleButtons.clear();
    skin_generation_ = SkinData->Generation();
    for (const TDataSkinSysButton& record : skin.SysButtons) {
        TitleButtons.push_back(std::make_unique<TWinSysButton>(*this, record));
        // The first window that shows an icon button lends its icon to the
        // windows without one.
        if (IsIconAction(record.Action) && SkinData->IconImage().Empty() && !IconBitmap.Empty())
            SkinData->IconImage().Assign(&IconBitmap);
    }
}

void TWinSkinForm::BuildIcon() {
    const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    TBitmap icon;
    icon.SetImage(Image(cx, cy, kKeyRgb));
    HICON handle = reinterpret_cast<HICON>(SendMessageW(Handle, WM_GETICON, ICON_SMALL, 0));
    if (!handle) handle = reinterpret_cast<HICON>(SendMessageW(Handle, WM_GETICON, ICON_BIG, 0));
    if (handle) {
        HICON copy = static_cast<HICON>(CopyImage(handle, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE));
        if (!copy) copy = static_cast<HICON>(CopyImage(handle, IMAGE_ICON, cx, cy, 0));
        DrawIconEx(icon.Canvas().Handle(), 0, 0, copy ? copy : handle, cx, cy, 0, nullptr, DI_NORMAL);
        if (copy) DestroyIcon(copy);
        IconBitmap.Assign(&icon);
        return;
    }
    IconBitmap.Assign(&icon);
    if (SkinData && !SkinData->IconImage().Empty()) IconBitmap.Assign(&SkinData->IconImage());
}

void TWinSkinForm::ResizeForSkin(bool add_menu_bar) {
    constexpr UINT frame_only = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
    if (IsZoomed(Handle)) {
        SetWindowPos(Handle, nullptr, 0, 0, 0, 0, frame_only);
        return;
    }
    RECT client{};
    GetClientRect(Handle, &client);
    const Size size = SkinnedWindowSize({client.right, client.bottom}, Frame(), add_menu_bar ? MenuBarHeight : 0);
    SetWindowPos(Handle, nullptr, 0, 0, size.width, size.height,
                 SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    // The client area moved inside the window: Wine keeps the old pixels of
    // the strips that change sides unless the window is erased again.
    InvalidateRect(Handle, nullptr, TRUE);
}

Point TWinSkinForm::ScreenToWindow(int x, int y) const {
    POINT p{x, y};
    ::ScreenToClient(Handle, &p);
    if (WindowState == wsMinimized) return {p.x, p.y};
    return {p.x + FrameLeft, p.y + FrameTop + MenuBarHeight};
}

void TWinSkinForm::ReadWindowState() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(Handle, &placement);
    switch (placement.showCmd) {
        case SW_SHOWMINIMIZED:
        case SW_MINIMIZE:
        case SW_SHOWMINNOACTIVE: WindowState = wsMinimized; break;
        case SW_SHOWMAXIMIZED: WindowState = wsMaximized; break;
        default: WindowState = wsNormal; break;
    }
}

void TWinSkinForm::ReadCaptionFont() {
    // The wide structure's own size: the ANSI size would make the call fail.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    {
        CaptionFont.reset(CreateFontIndirectW(&metrics.lfCaptionFont));
        MenuFont.reset(CreateFontIndirectW(&metrics.lfMenuFont));
    } else {
        CaptionFont.reset();
        MenuFont.reset();
    }
}

void TWinSkinForm::SetCaptionButtonBits(bool on) {
    LONG style = GetWindowLongW(Handle, GWL_STYLE);
    LONG wanted = style & ~kCaptionButtonBits;
    // Back on, only the bits the window had when it was attached.
    if (on) wanted |= box_bits_;
    if (wanted != style) SetWindowLongW(Handle, GWL_STYLE, wanted);
}

void TWinSkinForm::DoButtonAction(int x, int y) {
    auto* button = dynamic_cast<TWinSysButton*>(HotObject);
    if (!button) return;
    const int action = button->SkinButton->Action;
    switch (action) {
        case 0:
            if (Timer) Timer->SetEnabled(false);
            PostMessageW(Handle, WM_CLOSE, 0, 0);
            break;
        case 1:
        case 22: Maximize(); break;
        case 2:
        case 23: Minimize(); break;
        case 3:
        case 11:
        case 12: OpenSystemMenu(x + 1, y + 1); break;
        case 7: case 8: case 9: case 60: case 61: case 62:
            CommandActiveChild(MdiChildCommand(action));
            break;
        default: PostMessageW(Handle, WM_SKINQUERY, WPARAM(action), 0); break;
    }
}

void TWinSkinForm::Maximize() {
    if (WindowState == wsMaximized) return Restore();
    WindowState = wsMaximized;
    PostMessageW(Handle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    HotObject = nullptr;
}

void TWinSkinForm::Minimize() {
    if (WindowState == wsMinimized) return Restore();
    WindowState = wsMinimized;
    PostMessageW(Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::Restore() {
    WindowState = wsNormal;
    PostMessageW(Handle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::OpenSystemMenu(int x, int y) {
    const DWORD now = GetTickCount();
    const DWORD elapsed = now - LastSysMenuTick;
    if (DoubleClickTime < 0 || DWORD(DoubleClickTime) < elapsed) {
        LastSysMenuTick = now;
        if (SystemMenu) TrackPopupMenu(SystemMenu, TPM_RIGHTBUTTON, x, y, 0, Handle, nullptr);
        return;
    }
    // The second opening within the double-click time: double-clicking the icon closes.
    if (Timer) Timer->SetEnabled(false);
    PostMessageW(Handle, WM_CLOSE, 0, 0);
}

void TWinSkinForm::FollowSkin() {
    if (SkinData && !SkinData->Empty() && SkinData->Generation() != skin_generation_) ComputeFrameMetrics();
}

void TWinSkinForm::HoverCheck() {
    if (MenuTracking) return;
    FollowSkin();
    if (controls_) controls_->HoverCheck();
    if (!HotObject) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    if (!HotObject->BoundsRect.contains(ScreenToWindow(cursor.x, cursor.y))) HotObject->MouseLeave();
}

}  // namespace korvane
