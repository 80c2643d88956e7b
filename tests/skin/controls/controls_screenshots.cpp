// Pictures of the skinned controls for the documentation: the gallery form
// with its controls skinned, and forms with the controls of each kind in
// every state they can show (normal, hot, pressed, focused, disabled; check
// and radio states; progress; a latched speed button; status bar panels;
// edits, combo boxes, up-downs, scroll bars and a header), a long list
// scrolled by its skinned bar, and tabs on four sides.
//
// Usage: controls_screenshots OUTPUT_DIR SKIN_FILE   (writes BMP files; see
// scripts/screenshots.sh controls, which turns them into docs/images/*.png)

#include <windows.h>

#include <algorithm>
#include <string>

#include "framework/win/application.h"
#include "framework/win/buttons.h"
#include "framework/win/check_buttons.h"
#include "framework/win/comctrls.h"
#include "framework/win/edits.h"
#include "framework/win/extctrls.h"
#include "gallery/gallery_form.h"
#include "framework/win/group_box.h"
#include "framework/win/header_control.h"
#include "framework/win/list_boxes.h"
#include "framework/win/list_view.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/speed_button.h"
#include "framework/win/status_bar.h"
#include "framework/win/stdctrls.h"
#include "framework/win/tab_controls.h"
#include "framework/win/track_bar.h"
#include "framework/win/up_down.h"
#include "skin/controls/control_skins.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_sc_control.h"
#include "support/screenshots.h"

namespace korvane {
namespace {

using screenshots::Save;
using screenshots::Settle;

TWinSkinForm* Attach(TSkinData& skin, TCustomForm& form) {
    form.Show();
    SetForegroundWindow(form.Handle());
    auto* skinned = new TWinSkinForm(form.Handle());
    skinned->SkinForm(skin, form);
    SendMessageW(skinned->Handle, WM_SKINSTART, 0, 1000);
    Settle();
    return skinned;
}

template <class C>
C* Make(TForm* form, TWinControl* parent, int x, int y, int w, int h, const char* caption) {
    auto* c = new C(form);
    c->SetParent(parent);
    c->SetBounds(x, y, w, h);
    c->SetCaption(caption);
    return c;
}

// A green arrow on magenta, two cells (up and disabled).
void ArrowGlyph(TBitmap& glyph) {
    glyph.SetSize(32, 16);
    MutableImageView v = glyph.MutableView();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) {
            const int cx = x % 16;
            const bool arrow = (cx >= 3 && cx < 9 && y >= 6 && y < 10) || (cx >= 9 && cx < 14 && std::abs(y - 8) <= 13 - cx);
            v.at(x, y) = !arrow ? pixel_rgb(255, 0, 255) : x < 16 ? pixel_rgb(0, 128, 0) : pixel_rgb(128, 128, 128);
        }
}

TForm* StatesForm() {
    auto* form = Application->CreateForm<TForm>();
    form->SetCaption("Skinned controls in their states");
    form->SetBounds(40, 40, 560, 420);
    const char* kButtons[] = {"Normal", "Hot", "Pressed", "Focused", "Disabled"};
    for (int i = 0; i < 5; ++i) {
        auto* b = Make<TButton>(form, form, 12 + i * 106, 12, 98, 28, kButtons[i]);
        b->SetName("Button" + std::to_string(i));
        if (i == 4) b->SetEnabled(false);
    }
    const char* kBits[] = {"Glyph left", "Glyph right", "Disabled"};
    for (int i = 0; i < 3; ++i) {
        auto* b = Make<TBitBtn>(form, form, 12 + i * 130, 52, 120, 30, kBits[i]);
        ArrowGlyph(b->Glyph());
        b->SetNumGlyphs(2);
        b->GlyphChanged();
        if (i == 1) b->SetLayout(blGlyphRight);
        if (i == 2) b->SetEnabled(false);
    }
    const char* kSpeed[] = {"Up", "Down", "Off"};
    for (int i = 0; i < 3; ++i) {
        auto* s = Make<TSpeedButton>(form, form, 410 + i * 46, 52, 42, 30, kSpeed[i]);
        s->SetGroupIndex(1 + i);
        s->SetAllowAllUp(true);
        if (i == 1) s->SetDown(true);
        if (i == 2) s->SetEnabled(false);
    }
    auto* group = Make<TGroupBox>(form, form, 12, 94, 250, 130, "Check boxes");
    const char* kChecks[] = {"Unchecked", "Checked", "Grayed", "Disabled, checked"};
    for (int i = 0; i < 4; ++i) {
        auto* c = Make<TCheckBox>(form, group, 12, 22 + i * 25, 220, 18, kChecks[i]);
        c->SetAllowGrayed(true);
        c->SetState(i == 1 || i == 3 ? cbChecked : i == 2 ? cbGrayed : cbUnchecked);
        if (i == 3) c->SetEnabled(false);
    }
    auto* panel = Make<TPanel>(form, form, 276, 94, 260, 130, "");
    const char* kRadios[] = {"Off", "On", "Disabled, off", "Disabled, on"};
    for (int i = 0; i < 4; ++i) {
        auto* holder = i < 2 ? static_cast<TWinControl*>(panel) : Make<TPanel>(form, panel, 8, 6 + i * 30, 240, 24, "");
        auto* r = Make<TRadioButton>(form, holder, i < 2 ? 12 : 4, i < 2 ? 10 + i * 30 : 3, 200, 18, kRadios[i]);
        if (i == 1 || i == 3) r->SetChecked(true);
        if (i >= 2) r->SetEnabled(false);
        if (i >= 2) static_cast<TPanel*>(holder)->SetBevelOuter(bvNone);
    }
    const int positions[] = {0, 50, 100};
    for (int i = 0; i < 3; ++i) {
        auto* p = Make<TProgressBar>(form, form, 12, 236 + i * 24, 250, 18, "");
        p->SetPosition(positions[i]);
    }
    auto* track = Make<TTrackBar>(form, form, 276, 236, 260, 40, "");
    track->SetPosition(4);
    auto* status = Make<TStatusBar>(form, form, 0, form->ClientHeight() - 22, form->ClientWidth(), 22, "");
    const char* kPanels[] = {"Lowered", "Raised", "No bevel"};
    const TStatusPanelBevel kBevels[] = {pbLowered, pbRaised, pbNone};
    for (int i = 0; i < 3; ++i) {
        TStatusPanel& item = status->Panels().Add();
        item.SetText(kPanels[i]);
        item.SetWidth(120);
        item.SetBevel(kBevels[i]);
    }
    return form;
}

// Edits, combo boxes, up-downs and scroll-bar controls, each in a row of its
// states, and a header control. The states the mouse gives are set on the
// skinning objects when the form is skinned (see Run).
TForm* SecondStatesForm() {
    auto* form = Application->CreateForm<TForm>();
    form->SetCaption("Edits, combo boxes, up-downs and bars in their states");
    form->SetBounds(40, 40, 560, 256);
    const char* kEdits[] = {"Normal edit", "Focused edit", "Disabled edit"};
    for (int i = 0; i < 3; ++i) {
        auto* e = Make<TEdit>(form, form, 12 + i * 176, 12, 164, 24, kEdits[i]);
        e->SetName("Edit" + std::to_string(i));
        if (i == 2) e->SetEnabled(false);
    }
    const char* kCombos[] = {"Normal", "Hot", "Pressed", "Disabled"};
    for (int i = 0; i < 4; ++i) {
        auto* c = Make<TComboBox>(form, form, 12 + i * 132, 48, 124, 24, "");
        c->SetName("Combo" + std::to_string(i));
        c->SetStyle(csDropDownList);
        c->Items().SetText(std::string(kCombos[i]) + "\n");
        c->SetItemIndex(0);
        if (i == 3) c->SetEnabled(false);
    }
    // Up-downs: normal, upper (left) half held, lower (right) half held, disabled.
    for (int i = 0; i < 4; ++i) {
        auto* v = Make<TUpDown>(form, form, 12 + i * 36, 88, 22, 40, "");
        v->SetName("Vertical" + std::to_string(i));
        auto* h = Make<TUpDown>(form, form, 170 + i * 60, 98, 48, 22, "");
        // Turning an up-down swaps its sides: the bounds are set again afterwards.
        h->SetOrientation(udHorizontal);
        h->SetBounds(170 + i * 60, 98, 48, 22);
        h->SetName("Horizontal" + std::to_string(i));
        if (i == 3) {
            v->SetEnabled(false);
            h->SetEnabled(false);
        }
    }
    // Scroll bars: normal, thumb being dragged, left arrow held, right arrow held.
    for (int i = 0; i < 4; ++i) {
        auto* bar = Make<TScrollBar>(form, form, 12 + i * 132, 144, 124, 17, "");
        bar->SetName("Bar" + std::to_string(i));
        bar->SetMax(100);
        bar->SetPageSize(25);
        bar->SetPosition(20 + i * 15);
    }
    auto* header = Make<THeaderControl>(form, form, 12, 184, 520, 22, "");
    const char* kSections[] = {"Name", "Size", "Kind"};
    const TAlignment kAlign[] = {taLeftJustify, taCenter, taRightJustify};
    for (int i = 0; i < 3; ++i) {
        THeaderSection& section = header->Sections().Add();
        section.SetText(kSections[i]);
        section.SetWidth(150);
        section.SetAlignment(kAlign[i]);
    }
    return form;
}

// Edits, combo boxes, an up-down, scroll bars, a memo with both bars, a
// long list scrolled by its skinned bar and a report list view.
TForm* ScrollingForm() {
    auto* form = Application->CreateForm<TForm>();
    form->SetCaption("Edits, lists and scroll bars");
    form->SetBounds(40, 40, 600, 440);
    Make<TEdit>(form, form, 12, 12, 160, 24, "An edit");
    Make<TEdit>(form, form, 12, 44, 160, 24, "Disabled edit")->SetEnabled(false);
    auto* combo = Make<TComboBox>(form, form, 12, 76, 160, 24, "");
    combo->Items().SetText("A combo box\nSecond\n");
    combo->SetItemIndex(0);
    auto* spin_edit = Make<TEdit>(form, form, 12, 108, 120, 24, "5");
    auto* spin = Make<TUpDown>(form, form, 132, 108, 18, 24, "");
    spin->SetAssociate(spin_edit);
    auto* across = Make<TScrollBar>(form, form, 12, 148, 160, 17, "");
    across->SetMax(100);
    across->SetPageSize(20);
    across->SetPosition(30);
    auto* down = Make<TScrollBar>(form, form, 180, 12, 17, 160, "");
    // Turning a bar swaps its sides: the bounds are set again afterwards.
    down->SetKind(sbVertical);
    down->SetBounds(180, 12, 17, 160);
    down->SetMax(100);
    down->SetPageSize(30);
    down->SetPosition(60);
    auto* memo = Make<TMemo>(form, form, 210, 12, 180, 160, "");
    memo->SetWordWrap(false);
    memo->SetScrollBars(ssBoth);
    std::string text;
    for (int i = 1; i <= 60; ++i) text += "Memo line " + std::to_string(i) + " with text reaching past the edge\r\n";
    memo->SetCaption(text);
    auto* list = Make<TListBox>(form, form, 400, 12, 180, 160, "");
    list->SetName("LongList");
    std::string items;
    for (int i = 1; i <= 500; ++i) items += "List item " + std::to_string(i) + "\n";
    list->Items().SetText(items);
    auto* view = Make<TListView>(form, form, 12, 188, 568, 200, "");
    view->SetViewStyle(vsReport);
    const char* kColumns[] = {"Name", "Size", "Kind"};
    for (const char* caption : kColumns) {
        auto& column = view->Columns().Add();
        column.SetCaption(caption);
        column.SetWidth(150);
    }
    for (int i = 1; i <= 30; ++i) {
        auto& item = view->Items().Add();
        item.SetCaption("file" + std::to_string(i) + ".txt");
        item.SubItems().SetText(std::to_string(i * 1024) + " bytes\nText\n");
    }
    return form;
}

// Tab controls with their tabs on each side.
TForm* TabsForm() {
    auto* form = Application->CreateForm<TForm>();
    form->SetCaption("Tabs on four sides");
    form->SetBounds(40, 40, 840, 260);
    const char* kSides[] = {"Top", "Bottom", "Left", "Right"};
    for (int side = 0; side < 4; ++side) {
        auto* tabs = Make<TTabControl>(form, form, 8 + side * 204, 12, 196, 200, "");
        tabs->SetTabPosition(TTabPosition(side));
        tabs->Tabs().SetText(std::string(kSides[side]) + "\nSecond\nThird\n");
        tabs->SetTabIndex(side % 3);
    }
    return form;
}

int Run(const std::string& out, const std::string& skin_file) {
    TSkinData skin(nullptr);
    skin.SetSkinFile(skin_file);
    if (skin.Empty()) return 2;
    InstallControlSkinning();

    TForm* form = StatesForm();
    TWinSkinForm* skinned = Attach(skin, *form);
    auto* skins = static_cast<TControlSkins*>(skinned->Controls());
    auto state = [&](const char* name, std::uint8_t bits) {
        auto* button = static_cast<TWinControl*>(form->FindComponent(name));
        if (TSkinControl* object = skins->FindControlByHandle(button->Handle())) {
            object->State = bits;
            object->PaintWindow(nullptr);
        }
    };
    SetFocus(static_cast<TWinControl*>(form->FindComponent("Button3"))->Handle());
    Settle();
    state("Button1", TSkinControl::kHot);
    state("Button2", TSkinControl::kPressed);
    Save(form->Handle(), out + "/controls-states.bmp");
    skinned->Release();
    form->Hide();

    TForm* second = SecondStatesForm();
    TWinSkinForm* skinned_second = Attach(skin, *second);
    auto* second_skins = static_cast<TControlSkins*>(skinned_second->Controls());
    auto object_of = [&](const std::string& name) {
        return second_skins->FindControlByHandle(static_cast<TWinControl*>(second->FindComponent(name))->Handle());
    };
    SetFocus(static_cast<TWinControl*>(second->FindComponent("Edit1"))->Handle());
    Settle();
    // The held states are drawn once each and kept until the picture is taken:
    // an up-down shows pressed only the half under the cursor.
    auto hold = [&](const std::string& name, std::uint8_t bits, Point cursor) {
        if (TSkinControl* object = object_of(name)) {
            SetCursorPos(cursor.x, cursor.y);
            object->State = bits;
            object->PaintWindow(nullptr);
        }
    };
    auto centre_of = [&](const std::string& name, bool second_half) {
        RECT r{};
        GetWindowRect(static_cast<TWinControl*>(second->FindComponent(name))->Handle(), &r);
        const bool across = name.starts_with("Horizontal");
        if (across) return Point{second_half ? (r.left + 3 * r.right) / 4 : (3 * r.left + r.right) / 4, (r.top + r.bottom) / 2};
        return Point{(r.left + r.right) / 2, second_half ? (r.top + 3 * r.bottom) / 4 : (3 * r.top + r.bottom) / 4};
    };
    hold("Combo1", TSkinControl::kHot, {0, 0});
    hold("Combo2", TSkinControl::kPressed, {0, 0});
    hold("Vertical1", TSkinControl::kPressed, centre_of("Vertical1", false));
    hold("Vertical2", TSkinControl::kPressed, centre_of("Vertical2", true));
    hold("Horizontal1", TSkinControl::kPressed, centre_of("Horizontal1", false));
    hold("Horizontal2", TSkinControl::kPressed, centre_of("Horizontal2", true));
    const int bar_parts[] = {0, 5, 1, 2};
    for (int i = 1; i < 4; ++i)
        if (auto* bar = dynamic_cast<TSkinScControl*>(object_of("Bar" + std::to_string(i)))) {
            bar->PressedPart = bar_parts[i];
            bar->PaintWindow(nullptr);
        }
    SetCursorPos(0, 0);
    Save(second->Handle(), out + "/controls-second-states.bmp");
    skinned_second->Release();
    second->Hide();

    TForm* scrolling = ScrollingForm();
    TWinSkinForm* skinned_scrolling = Attach(skin, *scrolling);
    // The long list scrolled a third of the way by its skinned bar.
    auto* list = static_cast<TWinControl*>(scrolling->FindComponent("LongList"));
    SendMessageW(list->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 160), 0);
    Settle();
    Save(scrolling->Handle(), out + "/controls-scrolling.bmp");
    skinned_scrolling->Release();
    scrolling->Hide();

    TForm* tabs = TabsForm();
    TWinSkinForm* skinned_tabs = Attach(skin, *tabs);
    Save(tabs->Handle(), out + "/controls-tabs.bmp");
    skinned_tabs->Release();
    tabs->Hide();

    auto* gallery = Application->CreateForm<TGalleryForm>();
    TWinSkinForm* skinned_gallery = Attach(skin, *gallery);
    Save(gallery->Handle(), out + "/controls-gallery.bmp");
    skinned_gallery->Release();
    TWinSkinForm::SetControlSkinning(nullptr);
    return 0;
}

}  // namespace
}  // namespace korvane

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    korvane::TApplication application;
    application.Initialize();
    application.SetTitle("Korvane skinned controls");
    return korvane::Run(argv[1], argv[2]);
}
