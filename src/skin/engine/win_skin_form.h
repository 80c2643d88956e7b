#pragma once
// Unit WinSkinForm: TWinSkinForm, one per skinned top-level window. It draws
// the window's whole non-client area from the skin (the four borders, the
// title strip with the caption and the title-bar buttons), shapes the window
// from the transparent pixels of the border images, and gives the window back
// its own frame when the skin comes off. The Windows frame stays underneath:
// the object only changes what the frame measures and what is painted there.
//
// Attaching comes in two strengths, chosen by the skin data's SkinControls:
// with xcMainMenu the full attach takes over the window's messages and skins
// its frame; without it only the light attach runs (frame metrics and the
// controls; the frame keeps its system look).
//
// The manager owns the objects. It frees one with Release, never with
// delete: an object whose window procedure is running (a window destroyed
// from one of its own messages) is freed when that procedure returns.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "framework/core/component.h"
#include "framework/win/bitmap.h"
#include "framework/win/form.h"
#include "framework/win/gdi.h"
#include "framework/win/graphics.h"
#include "framework/win/timer.h"
#include "framework/win/window_subclass.h"
#include "skin/draw/frame_geometry.h"
#include "skin/draw/mdi_rules.h"
#include "skin/draw/title_buttons.h"
#include "framework/win/window_proc_hook.h"
#include "skin/engine/menu_bar.h"
#include "skin/engine/nc_objects.h"
#include "skin/engine/skin_data.h"

namespace korvane {

// Private window messages of the engine.
constexpr UINT WM_SKINCHANGED = 0x3401;  // from the application: re-apply the skin
constexpr UINT WM_SKINREPAINT = 0x3502;  // paint the whole frame now
constexpr UINT WM_SKINSTART = 0x3503;    // posted by the manager after attaching (lParam 1000)
constexpr UINT WM_SKINQUERY = 0x3504;    // answered with 1 by every skinned window

class TMenuItem;
class TPopupMenu;
class TImageList;
class TWinSkinForm;

// The skinning of a window's controls. The control-skinning module, above the
// engine, makes one per window when the window is started (SetControlSkinning)
// and the window drops it when the skin comes off.
class TFormControls {
public:
    virtual ~TFormControls() = default;
    // The 250 ms hover check: ends the hover state of a control the cursor left.
    virtual void HoverCheck() = 0;
    // The skin data was reloaded.
    virtual void ApplySkinChange() = 0;
};
using FormControlsFactory = std::unique_ptr<TFormControls> (*)(TWinSkinForm& form);

class TWinSkinForm : public TComponent {
public:
    static constexpr std::string_view kClassName = "TWinSkinForm";

    enum TPaintState { psNotStarted = 0, psNormal = 1, psReapplying = 3, psReleasing = 4, psFirstSizing = 5 };
    enum TWindowState { wsNormal = 0, wsMaximized = 1, wsMinimized = 2 };
    enum TMdiKind { mkNone = 0, mkFrame = 1, mkChild = 2 };

    // Made without an owner; the window is given by SkinForm or SkinWindow.
    explicit TWinSkinForm(HWND window = nullptr);
    ~TWinSkinForm() override;

    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // Attaches to a framework form (its window is made when it has none):
    // SkinWindow, then the form's colour becomes the skin's button face.
    void SkinForm(TSkinData& data, TCustomForm& form);
    // Attaches to the window in Handle, a framework form's or a plain Win32
    // window: the full attach with xcMainMenu in SkinControls, else the light
    // one. The manager then posts WM_SKINSTART (or calls Start).
    void SkinWindow(TSkinData& data);
    // The first sizing: what WM_SKINSTART does.
    void Start();
    // Re-applies the skin after the skin data was reloaded.
    void ApplySkinChange();
    // Gives the window back its own frame, procedure, style bits, size and
    // region (full), or only its colours and a repaint (light).
    void Unskin();
    // Frees the object now, or once its window procedure has returned.
    void Release();

    // The steps, callable on their own.
    void ComputeFrameMetrics();
    void BuildIcon();
    void ResizeForSkin(bool add_menu_bar);
    void UpdateRegion();
    void DropRegion();
    // Paints the whole non-client area; null: into the window's own DC.
    void PaintFrame(HDC dc);
    void PaintTitle(HDC dc);
    // The caption text (and its backdrop) in the title rectangle of the strip.
    void DrawCaption(TBitmap& strip, const Rect& title);
    // Index 1 left, 2 right, 3 top, 4 bottom.
    void DrawBorderPiece(int index, const Rect& rect, HDC dc);
    Point ScreenToWindow(int x, int y) const;

    // Title-bar buttons (laid out and painted with the title strip).
    void LayoutButtons();
    void PaintButtons(MutableImageView title_strip);
    bool UpdateButtonVisibility(int index);
    TNCObject* ButtonAt(Point window_point) const;
    void PaintButton(TWinSysButton& button, int state);
    // Runs the action of the hot title-bar button; (x, y) is the screen point.
    void DoButtonAction(int x, int y);

    // Window commands of the title bar, posted so that they run after the
    // current message.
    void Maximize();
    void Minimize();
    void Restore();
    // Tracks the system menu at the screen point; a second opening within the
    // double-click time closes the window instead.
    void OpenSystemMenu(int x, int y);

    // What a skinned menu item shows.
    struct ItemContent {
        std::wstring caption;
        std::wstring shortcut;
        bool separator = false;
        bool enabled = true;
        bool checked = false;
        bool radio = false;
        bool is_default = false;
        const TImageList* images = nullptr;
        int image_index = -1;
        UINT align = DT_LEFT;
    };
    // Owner-drawn items of the menu bar's drop-downs (WM_MEASUREITEM and
    // WM_DRAWITEM of the window); false for items of the form's other menus.
    bool MeasureWindowMenuItem(MEASUREITEMSTRUCT& request);
    bool DrawWindowMenuItem(const DRAWITEMSTRUCT& request);
    // An item at r on dc: from the MenuItem element over the background of
    // the popup showing background_menu, or plainly in the skin's colours.
    void DrawMenuItem(HDC dc, const Rect& r, bool selected, const ItemContent& item, HMENU background_menu,
                      bool separator_special);
    void DrawMenuItemContent(TBitmap& target, const Rect& r, bool selected, const ItemContent& item);
    // With DT_CALCRECT in format only measures (rect gets the size).
    void DrawMenuItemText(HDC dc, UINT format, bool selected, RECT& rect, const std::wstring& text, bool separator,
                          bool enabled, bool is_default);
    void DrawMenuSeparator(HDC dc, const Rect& r);
    // The skinned drawing of a framework popup menu's item.
    void DrawFrameworkItem(TMenuItem& item, TCanvas& canvas, const Rect& r, bool selected);
    // The form's popup menus drawn by the skin (on), or given back their
    // own drawing and handlers (off).
    void SetPopupMenusOwnerDraw(bool on);
    // Installs the maker of every window's control skinning (null: controls
    // keep their own look).
    static void SetControlSkinning(FormControlsFactory factory);
    // MDI: the family the window heads (an MDI frame's active child and
    // whether it is maximised); empty for other windows.
    MdiFamily Family() const;
    // A skinned MDI child follows the manager's maximised-child mark: while a
    // child is maximised no child wears the skinned frame or its region.
    void FollowMdiMark(bool marked);

    // The window's control skinning, while started and not unskinned.
    TFormControls* Controls() const { return controls_.get(); }

    // The frame widths as one value.
    FrameWidths Frame() const { return {FrameLeft, FrameTop, FrameRight, FrameBottom}; }
    bool Hooked() const { return subclass_.Installed(); }

    std::int32_t DisableTag = 0;  // published; kept, not used
    std::string CaptionSuffix = "  ";
    DWORD LastSysMenuTick = 0;
    int DoubleClickTime = int(GetDoubleClickTime());
    int FrameLeft = 0, FrameTop = 0, FrameRight = 0, FrameBottom = 0;
    Rect WindowRect;
    Rect CaptionRect;
    Rect SystemFrameSize;  // (0, 0, extra width, extra height) of the system frame
    int MenuBarHeight = 0;
    HWND MdiClient = nullptr;       // the MDI client of an MDI frame
    HWND ActiveMdiChild = nullptr;  // the child last made through it
    HMENU MenuHandle = nullptr;
    HMENU SystemMenu = nullptr;
    Color SavedColor = 0;
    LONG Style = 0;
    int RightButtonsLeft = 0;
    TNCObject* HotObject = nullptr;
    bool RegionSet = false;
    TCustomForm* Form = nullptr;
    HWND Handle = nullptr;
    TSkinData* SkinData = nullptr;
    std::vector<std::unique_ptr<TWinSysButton>> TitleButtons;
    std::unique_ptr<TWinSkinMenu> MenuBar;  // for a window with a menu
    bool MenuTracking = false;              // a drop-down of the bar is open
    HMENU TrackedMenu = nullptr;            // that drop-down
    UniqueGdi<HFONT> MenuFont;              // the system menu font
    TBitmap IconBitmap;  // the window's small icon on the key colour
    TBitmap TitleCache;  // the last composed title strip
    UniqueGdi<HFONT> CaptionFont;  // the system caption font
    int WindowWidth = 0, WindowHeight = 0;
    int RegionWidth = 0, RegionHeight = 0;
    bool Active = true;
    TMdiKind MdiKind = mkNone;
    int FrameKind = kFrameSizeable;
    std::uint8_t BoxFlags = 0;
    TWindowState WindowState = wsNormal;
    TPaintState PaintState = psNotStarted;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    LRESULT WindowProcedure(UINT msg, WPARAM wparam, LPARAM lparam);
    bool Stage1(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result);
    bool Stage2(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result);
    bool NonClientMouse(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result);
    bool KeyboardMenu(WPARAM wparam, LPARAM lparam, LRESULT& result);
    LRESULT PassOn(UINT msg, WPARAM wparam, LPARAM lparam) { return subclass_.CallNext(msg, wparam, lparam); }
    LRESULT OnNcCalcSize(WPARAM wparam, LPARAM lparam);
    void OnSize(WPARAM wparam);
    void ReadWindowState();
    void ReadCaptionFont();
    void SetCaptionButtonBits(bool on);
    TitleBarState ButtonState() const;
    TitleBarGeometry ButtonGeometry() const;
    // The record and strip of border piece 1 to 4.
    const TDataSkinBorder& BorderRecord(int index) const;
    // The image size and frame count a title-bar button is drawn with (icon
    // buttons: the window's icon, one frame).
    Size ButtonImageSize(const TWinSysButton& button) const;
    void DrawButtonFrame(MutableImageView target, const TWinSysButton& button, int frame) const;
    void HoverCheck();
    // The MDI client of an MDI frame: what its children do reaches the manager.
    LRESULT MdiClientProcedure(UINT msg, WPARAM wparam, LPARAM lparam);
    void HookMdiClient();
    // Sends a system command to the frame's active child, then clears the
    // manager's mark when that child is no longer maximised.
    void CommandActiveChild(int command);
    // The title-bar buttons point into the skin's records: after a new skin
    // was read they are made again before anything uses them.
    void FollowSkin();
    // The framework form's messages the menu bar answers: CM_MENUCHANGED
    // and CM_DIALOGCHAR (Alt+letter of a bar entry).
    void FormFilter(TMessage& message, const TWndMethod& next);
    void SkinPopupItems(TMenuItem& parent);
    void ReleaseMenuBar();

    struct SkinnedPopupItem {
        TMenuItem* item;
        std::function<void(TObject*, TCanvas&, Rect, bool)> draw;
        std::function<void(TObject*, TCanvas&, int&, int&)> measure;
    };
    std::vector<SkinnedPopupItem> skinned_items_;
    std::vector<std::pair<TPopupMenu*, bool>> skinned_popups_;  // with their own OwnerDraw
    std::unique_ptr<WindowProcHook> form_filter_;

    std::unique_ptr<TFormControls> controls_;
    WindowSubclass subclass_;
    WindowSubclass mdi_client_subclass_;
    std::unique_ptr<TTimer> Timer;  // the 250 ms hover check, on while the window is active
    UniqueGdi<HRGN> Region;
    TBitmap work_;      // border pieces are composed here
    int depth_ = 0;     // window procedure calls on the stack
    bool release_pending_ = false;
    bool light_ = false;  // attached without taking over the frame
    LONG box_bits_ = 0;   // the caption-button style bits at attach time
    std::uint64_t skin_generation_ = 0;  // of the records the buttons point into
};

}  // namespace korvane
