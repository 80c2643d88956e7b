// Pictures of skinned windows for the documentation: a framework form active,
// inactive and maximised, the gallery form skinned by attaching directly, a
// plain Win32 window, and an MDI frame skinned by the manager with a
// maximised child and with its children tiled. Each is read from the screen with a margin of the
// desk behind it, so the shaped corners show.
//
// Usage: frame_screenshots OUTPUT_DIR SKIN_FILE   (writes BMP files; see
// scripts/screenshots.sh frame, which turns them into docs/images/*.png)

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/win/application.h"
#include "framework/win/buttons.h"
#include "gallery/gallery_form.h"
#include "framework/win/menus.h"
#include "framework/win/stdctrls.h"
#include "skin/engine/popup_menu.h"
#include "skin/engine/skin_data.h"
#include "skin/engine/skin_manager.h"
#include "skin/engine/win_skin_form.h"
#include "support/screenshots.h"

namespace korvane {
namespace {

using screenshots::Key;
using screenshots::RunSteps;
using screenshots::Save;
using screenshots::Settle;

// What shows of the desk around each window.
constexpr int kMargin = 12;

// Popup menu windows get their skin as they are made, as the manager does it.
TSkinData* popup_skin = nullptr;
std::vector<std::unique_ptr<TWinSkinPopMenu>> popups;

LRESULT CALLBACK PopupHook(int code, WPARAM wparam, LPARAM lparam) {
    HWND window = reinterpret_cast<HWND>(wparam);
    wchar_t name[16] = {};
    if (code == HCBT_CREATEWND && popup_skin && GetClassNameW(window, name, 16) && lstrcmpW(name, L"#32768") == 0) {
        popups.push_back(std::make_unique<TWinSkinPopMenu>());
        popups.back()->Attach(window, *popup_skin, nullptr);
    }
    if (code == HCBT_DESTROYWND)
        std::erase_if(popups, [window](const auto& p) { return p->Window == window; });
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

HWND PlainWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"KorvanePlainWindow";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"A plain Win32 window", WS_OVERLAPPEDWINDOW, 60, 60, 380,
                                  230, nullptr, nullptr, wc.hInstance, nullptr);
    CreateWindowExW(0, L"STATIC", L"Created with CreateWindowEx, skinned by TWinSkinForm.",
                    WS_CHILD | WS_VISIBLE, 16, 16, 330, 20, window, nullptr, wc.hInstance, nullptr);
    ShowWindow(window, SW_SHOW);
    return window;
}

TWinSkinForm* Attach(TSkinData& skin, TCustomForm* form, HWND window) {
    auto* skinned = new TWinSkinForm(window);
    if (form) skinned->SkinForm(skin, *form);
    else skinned->SkinWindow(skin);
    SendMessageW(skinned->Handle, WM_SKINSTART, 0, 1000);
    return skinned;
}

TMenuItem* MenuEntry(TForm& owner, TMenuItem& parent, const std::string& caption) {
    auto* item = new TMenuItem(&owner);
    item->SetCaption(caption);
    parent.Add(item);
    return item;
}

// An MDI frame and three documents, skinned by the manager as the tool's
// windows are: the frame as it is activated, the children as they are made.
void MdiPictures(const std::string& out, const std::string& skin_file) {
    TSkinData managed(nullptr);
    managed.SetSkinFile(skin_file);
    managed.SetActive(true);
    auto* frame = Application->CreateForm<TForm>();
    frame->SetCaption("A skinned MDI frame");
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(60, 60, 560, 400);
    auto* menu = new TMainMenu(frame);
    for (const char* caption : {"&File", "&Edit"}) MenuEntry(*frame, menu->Items(), caption);
    TMenuItem* window = MenuEntry(*frame, menu->Items(), "&Window");
    MenuEntry(*frame, *window, "&Tile");
    MenuEntry(*frame, *window, "&Cascade");
    frame->SetMenu(menu);
    frame->SetWindowMenu(window);
    frame->Show();
    SetForegroundWindow(frame->Handle());
    Settle();
    std::vector<TForm*> children;
    for (int i = 1; i <= 3; ++i) {
        auto* child = new TForm(frame);
        child->SetCaption("Document " + std::to_string(i));
        child->SetBounds(12 + 28 * (i - 1), 12 + 28 * (i - 1), 240, 150);
        auto* text = new TLabel(child);
        text->SetParent(child);
        text->SetBounds(12, 12, 200, 20);
        text->SetCaption("MDI child " + std::to_string(i));
        child->SetFormStyle(fsMDIChild);
        children.push_back(child);
    }
    Settle();
    ShowWindow(children.back()->Handle(), SW_MAXIMIZE);
    Settle();
    Save(frame->Handle(), out + "/skin-mdi-maximised.bmp");
    SendMessageW(frame->ClientHandle(), WM_MDIRESTORE, WPARAM(children.back()->Handle()), 0);
    frame->Tile();
    Settle();
    Save(frame->Handle(), out + "/skin-mdi-tiled.bmp");
    delete frame;
    Settle();
}

int Run(const std::string& out, const std::string& skin_file) {
    TSkinData skin(nullptr);
    skin.SetSkinFile(skin_file);
    if (skin.Empty()) return 2;
    HWND desk = screenshots::Desk();

    auto* form = Application->CreateForm<TForm>();
    form->SetCaption("A skinned framework form");
    form->SetBounds(60, 60, 420, 260);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(16, 16, 300, 20);
    label->SetCaption("Its frame, caption and buttons come from the skin.");
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(16, 48, 100, 28);
    button->SetCaption("A button");
    form->Show();
    SetForegroundWindow(form->Handle());
    TWinSkinForm* skinned_form = Attach(skin, form, form->Handle());
    Settle();
    Save(form->Handle(), out + "/skin-form-active.bmp", kMargin);

    HWND plain = PlainWindow();
    SetWindowPos(plain, HWND_TOP, 520, 60, 0, 0, SWP_NOSIZE);
    SetForegroundWindow(plain);
    TWinSkinForm* skinned_plain = Attach(skin, nullptr, plain);
    Settle();
    Save(form->Handle(), out + "/skin-form-inactive.bmp", kMargin);
    Save(plain, out + "/skin-plain-window.bmp", kMargin);

    ShowWindow(plain, SW_HIDE);
    SetForegroundWindow(form->Handle());
    ShowWindow(form->Handle(), SW_MAXIMIZE);
    Settle();
    Save(form->Handle(), out + "/skin-form-maximised.bmp", kMargin);
    ShowWindow(form->Handle(), SW_RESTORE);
    form->Hide();

    auto* gallery = Application->CreateForm<TGalleryForm>();
    gallery->Show();
    SetForegroundWindow(gallery->Handle());
    TWinSkinForm* skinned_gallery = Attach(skin, gallery, gallery->Handle());
    Settle();
    Save(gallery->Handle(), out + "/skin-gallery.bmp", kMargin);

    popup_skin = &skin;
    HHOOK hook = SetWindowsHookExW(WH_CBT, PopupHook, nullptr, GetCurrentThreadId());
    RECT w{};
    GetWindowRect(gallery->Handle(), &w);
    const Rect& file = skinned_gallery->MenuBar->Items[0]->BoundsRect;
    RunSteps({[] {},
              [&] { Save(gallery->Handle(), out + "/skin-gallery-menu.bmp", kMargin); },
              [] { Key(VK_DOWN); }, [] { Key(VK_DOWN); }, [] { Key(VK_RIGHT); }, [] {},
              [&] { Save(gallery->Handle(), out + "/skin-gallery-submenu.bmp", kMargin); },
              [] { EndMenu(); }},
             [&] {
                 PostMessageW(gallery->Handle(), WM_NCLBUTTONDOWN, HTCAPTION,
                              MAKELPARAM(w.left + file.left + 4, w.top + file.top + 4));
             });
    RunSteps({[] {}, [&] { Save(gallery->Handle(), out + "/skin-gallery-context.bmp", kMargin); }, [] { EndMenu(); }},
             [&] { gallery->PopupMenu()->Popup(w.left + 220, w.top + 160); });
    UnhookWindowsHookEx(hook);
    popups.clear();

    skinned_gallery->Release();
    skinned_plain->Release();
    skinned_form->Release();
    DestroyWindow(plain);
    gallery->Hide();
    MdiPictures(out, skin_file);
    DestroyWindow(desk);
    return 0;
}

}  // namespace
}  // namespace korvane

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    korvane::TApplication application;
    application.Initialize();
    application.SetTitle("Korvane skin pictures");
    return korvane::Run(argv[1], argv[2]);
}
