// MDI frames and children: the client window, child windows made and
// destroyed through it, arrangement and the window menu.

#include <algorithm>

#include "base/error.h"
#include "framework/core/errors.h"
#include "framework/win/application.h"
#include "framework/win/form.h"
#include "framework/win/menus.h"

namespace korvane {

namespace {
// Identifiers of the window menu's child entries, above the menu commands.
constexpr UINT kFirstMDIChildId = 0xFF00;
}  // namespace

void TCustomForm::SetFormStyle(TFormStyle style) {
    if (style == form_style_) return;
    form_style_ = style;
    if (style == fsMDIChild) SetVisible(true);  // an MDI child shows as it is made
    RecreateWnd();
}

TCustomForm* TCustomForm::MDIFrame() const {
    if (auto* owner = dynamic_cast<TCustomForm*>(Owner()); owner && owner->form_style_ == fsMDIForm) return owner;
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    return main && main->form_style_ == fsMDIForm ? main : nullptr;
}

void TCustomForm::CreateMDIClient() {
    CLIENTCREATESTRUCT client{};
    client.hWindowMenu = window_menu_ ? window_menu_->Handle() : nullptr;
    client.idFirstChild = kFirstMDIChildId;
    mdi_client_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL,
                                  0, 0, 0, 0, Handle(), nullptr, GetModuleHandleW(nullptr), &client);
    if (!mdi_client_) throw Error("Error creating window MDIClient");
    ArrangeMDIClient();
}

void TCustomForm::ArrangeMDIClient() {
    if (!mdi_client_) return;
    Rect area = ClientRect();
    for (int i = 0; i < ControlCount(); ++i)
        if (TControl* c = Controls(i); c->Visible() && c->Top() == 0 && dynamic_cast<TWinControl*>(c))
            area.top = std::max(area.top, c->BoundsRect().bottom);
    MoveWindow(mdi_client_, area.left, area.top, area.width(), std::max(0, area.height()), TRUE);
}

HWND TCustomForm::CreateWindowHandle(const TCreateParams& p) {
    if (form_style_ != fsMDIChild) return TWinControl::CreateWindowHandle(p);
    MDICREATESTRUCTW create{};
    create.szClass = p.class_name.c_str();
    create.szTitle = p.caption.c_str();
    create.hOwner = GetModuleHandleW(nullptr);
    create.x = p.x;
    create.y = p.y;
    create.cx = p.width;
    create.cy = p.height;
    create.style = p.style;
    return reinterpret_cast<HWND>(SendMessageW(p.parent, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

void TCustomForm::DestroyWindowHandle() {
    HWND client = GetParent(Handle());
    if (form_style_ == fsMDIChild && client) SendMessageW(client, WM_MDIDESTROY, WPARAM(Handle()), 0);
    else TWinControl::DestroyWindowHandle();
}

void TCustomForm::DefaultHandler(TMessage& m) {
    // A message to a form without a window (CM_TEXTCHANGED of a caption set
    // in code) makes none: the system has nothing to do with it.
    if (!HandleAllocated()) return;
    HWND window = Handle();
    if (form_style_ == fsMDIForm && mdi_client_)
        m.Result = DefFrameProcW(window, mdi_client_, m.Msg, m.WParam, m.LParam);
    else if (form_style_ == fsMDIChild)
        m.Result = DefMDIChildProcW(window, m.Msg, m.WParam, m.LParam);
    else
        TWinControl::DefaultHandler(m);
}

std::vector<TCustomForm*> TCustomForm::MDIChildList() const {
    std::vector<TCustomForm*> children;
    for (int i = 0; mdi_client_ && Screen && i < Screen->FormCount(); ++i)
        if (TCustomForm* f = Screen->Forms(i);
            f->form_style_ == fsMDIChild && f->HandleAllocated() && GetParent(f->Handle()) == mdi_client_)
            children.push_back(f);
    return children;
}

int TCustomForm::MDIChildCount() const { return int(MDIChildList().size()); }

TCustomForm* TCustomForm::MDIChildren(int index) const {
    std::vector<TCustomForm*> children = MDIChildList();
    if (index < 0 || index >= int(children.size())) throw EListError(index);
    return children[std::size_t(index)];
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
    if (!mdi_client_ || !Screen) return nullptr;
    return Screen->FindForm(reinterpret_cast<HWND>(SendMessageW(mdi_client_, WM_MDIGETACTIVE, 0, 0)));
}

void TCustomForm::Tile() {
    if (mdi_client_)
        SendMessageW(mdi_client_, WM_MDITILE, tile_mode_ == tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

void TCustomForm::Cascade() {
    if (mdi_client_) SendMessageW(mdi_client_, WM_MDICASCADE, 0, 0);
}

void TCustomForm::SetWindowMenu(TMenuItem* item) {
    if (item == window_menu_) return;
    if (window_menu_) window_menu_->RemoveFreeNotification(this);
    window_menu_ = item;
    if (window_menu_) window_menu_->FreeNotification(this);
    SetMDIWindowMenu();
}

void TCustomForm::SetMDIWindowMenu() {
    if (!mdi_client_ || !menu_ || ComponentState().contains(csDestroying)) return;
    SendMessageW(mdi_client_, WM_MDISETMENU, WPARAM(menu_->Handle()),
                 LPARAM(window_menu_ ? window_menu_->Handle() : nullptr));
    DrawMenuBar(Handle());
}

}  // namespace korvane
