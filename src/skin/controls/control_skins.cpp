#include "skin/controls/control_skins.h"

#include <algorithm>
#include <cctype>

#include "framework/win/buttons.h"
#include "framework/win/check_buttons.h"
#include "framework/win/comctrls.h"
#include "framework/win/dtpicker.h"
#include "framework/win/extctrls.h"
#include "framework/win/form.h"
#include "framework/win/edits.h"
#include "framework/win/group_box.h"
#include "framework/win/header_control.h"
#include "framework/win/list_boxes.h"
#include "framework/win/list_view.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/scroll_box.h"
#include "framework/win/tab_controls.h"
#include "framework/win/tabset.h"
#include "framework/win/toolbar.h"
#include "framework/win/speed_button.h"
#include "framework/win/status_bar.h"
#include "framework/win/wincontrol.h"
#include "skin/controls/skin_bit_button.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check_box.h"
#include "skin/controls/skin_com_box.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_header.h"
#include "skin/controls/skin_list_view.h"
#include "skin/controls/skin_progress.h"
#include "skin/controls/skin_radio_button.h"
#include "skin/controls/skin_sc_control.h"
#include "skin/controls/skin_scroll_bar.h"
#include "skin/controls/skin_sizer.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/controls/skin_status_bar.h"
#include "skin/controls/skin_tab.h"
#include "skin/controls/skin_tab31.h"
#include "skin/controls/skin_track_bar.h"
#include "skin/controls/skin_up_down.h"

namespace korvane {
namespace {

std::string class_name_of(HWND window) {
    char name[101] = {};
    GetClassNameA(window, name, 101);
    return name;
}

std::string upper(std::string text) {
    for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string lower(std::string text) {
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

template <class T>
bool is(TComponent& component) {
    return dynamic_cast<T*>(&component) != nullptr;
}

// A windowed control showing a window scroll bar of its own.
bool is_scrollable(TComponent& component) {
    auto* windowed = dynamic_cast<TWinControl*>(&component);
    return windowed && windowed->HandleAllocated() &&
           (GetWindowLongW(windowed->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
}

}  // namespace

TControlSkins::TControlSkins(TWinSkinForm& form) : TComponent(nullptr), form_(form) {
    if (form.Form)
        ClassifyControls(*form.Form);
    else if (form.Handle)
        ClassifyWindows(form.Handle);
}

TControlSkins::~TControlSkins() {
    Release();
    // Anything still owned goes while the list it reports to is alive.
    DestroyComponents();
}

void TControlSkins::Add(TSkinControl& object) {
    if (std::find(ControlList.begin(), ControlList.end(), &object) == ControlList.end())
        ControlList.push_back(&object);
}

void TControlSkins::Forget(TSkinControl& object) {
    if (HotControl == &object) HotControl = nullptr;
}

void TControlSkins::Release() {
    // Each object detaches (its control keeps its own look again) and goes.
    std::vector<TSkinControl*> list;
    list.swap(ControlList);
    HotControl = nullptr;
    for (TSkinControl* object : list) {
        object->Detach();
        delete object;
    }
}

TSkinControl* TControlSkins::FindControlByHandle(HWND handle) const {
    for (TSkinControl* object : ControlList)
        if (object->Handle == handle && handle) return object;
    return nullptr;
}

void TControlSkins::HoverCheck() {
    // Framework controls hear of the mouse leaving from the framework; plain
    // windows only from here.
    if (!HotControl || form_.Form) return;
    POINT cursor{};
    GetCursorPos(&cursor);
    if (!HotControl->WindowRect.contains({cursor.x, cursor.y})) {
        TSkinControl* hot = HotControl;
        HotControl = nullptr;
        hot->SendMouseLeave();
    }
}

void TControlSkins::ApplySkinChange() {
    if (!form_.SkinData) return;
    for (TSkinControl* object : ControlList) {
        if (auto* tab = dynamic_cast<TSkinTab*>(object))
            tab->Refresh();
        else if (auto* tab_set = dynamic_cast<TSkinTab31*>(object))
            tab_set->Refresh();
        else if (object->Recolour && object->Control)
            object->Control->SetColor(form_.SkinData->Colours().ButtonFace);
    }
}

bool TControlSkins::IsReportPreviewOrKnown(TComponent& component) const {
    const std::string name = form_.Form ? std::string(form_.Form->Name()) : std::string();
    auto* windowed = dynamic_cast<TWinControl*>(&component);
    for (TSkinControl* object : ControlList) {
        if (object->GraphicControl) {
            if (object->GraphicControl == &component) return true;
            continue;
        }
        if (!windowed) continue;
        if (!windowed->HandleAllocated()) {
            return lower(name).find("preview") != std::string::npos || name == "TQRStandardPreview" ||
                   name == "TppPrintPreview" || name == "TdxfmStdPreview";
        }
        if (object->Handle == windowed->Handle()) return true;
    }
    return false;
}

void TControlSkins::ClassifyControls(TWinControl& container) {
    for (int i = 0; i < container.ComponentCount(); ++i) ClassifyComponent(container, *container.Components(i));
}

void TControlSkins::ClassifyComponent(TWinControl& container, TComponent& component) {
    TSkinData* data = form_.SkinData;
    if (!data) return;
    if (tag_disables_skin(component.Tag(), data->DisableTag())) return;
    if (IsReportPreviewOrKnown(component)) return;
    std::string class_text;
    if (auto* windowed = dynamic_cast<TWinControl*>(&component)) {
        HWND handle = nullptr;
        try {
            handle = windowed->Handle();
        } catch (...) {
            return;  // a control whose window cannot be made keeps its look
        }
        if (!handle) return;
        class_text = upper(class_name_of(handle));
    }
    if (data->OnSkinControl) {
        TComponent* skinned = nullptr;
        data->OnSkinControl(&form_, *data, &container, &component, class_text, skinned);
        if (auto* object = dynamic_cast<TSkinControl*>(skinned)) {
            if (auto* windowed = dynamic_cast<TWinControl*>(&component))
                object->AttachWindow(windowed->Handle(), *data, ControlCanvas);
            return;
        }
    }
    Row(component, class_text);
}

// The rows of the classification table for the kinds skinned here, in their
// order; the kinds of the other rows keep their own look.
bool TControlSkins::Row(TComponent& component, const std::string& class_text) {
    TSkinData& data = *form_.SkinData;
    const TSkinControlTypes kinds = data.SkinControls();
    auto box = [&](TSkinControl* object, bool recolour) {
        object->AttachControl(static_cast<TWinControl&>(component), data, recolour, ControlCanvas);
        return true;
    };
    if (class_text == "TDBCOMBOBOXEH") return true;
    if (class_text == "TTOOLBAR") {
        // Flat buttons on the skin's face, whatever SkinControls says.
        if (auto* bar = dynamic_cast<TToolBar*>(&component)) bar->SetFlat(true);
        static_cast<TControl&>(component).SetColor(data.Colours().ButtonFace);
        return true;
    }
    const bool tabs = data.Skin().Tabs != nullptr;
    auto window = [&](TSkinControl* object) {
        object->AttachWindow(static_cast<TWinControl&>(component).Handle(), data, ControlCanvas);
        Add(*object);
        return true;
    };
    auto scroll_bars = [&](TSkinScrollBar* object, bool drag) {
        object->AttachScrollBars(static_cast<TWinControl&>(component), data, drag, ControlCanvas);
        return true;
    };
    const std::int32_t t = component.Tag() % 100;
    if (is<TCustomTabControl>(component) && kinds.contains(xcTab) && tabs) return window(new TSkinTab(this));
    if (class_text == "TTABSET" && kinds.contains(xcTab) && tabs) return box(new TSkinTab31(this), false);
    if (class_text == "TTABBEDNOTEBOOK" && kinds.contains(xcTab) && tabs) return window(new TSkinTab(this));
    if (is<TCustomCheckBox>(component) && kinds.contains(xcCheckBox)) return box(new TSkinCheckBox(this), true);
    if (class_text == "TTRACKBAR" && kinds.contains(xcButton)) return box(new TSkinTrackBar(this), false);
    if (class_text == "TUPDOWN" && kinds.contains(xcButton)) return box(new TSkinUpDown(this), false);
    if ((is<TCustomRadioGroup>(component) || class_text == "TWWRADIOGROUP") && kinds.contains(xcRadioButton)) {
        auto& group = static_cast<TWinControl&>(component);
        for (int i = 0; i < group.ControlCount(); ++i) {
            auto* child = dynamic_cast<TWinControl*>(group.Controls(i));
            if (!child) continue;
            child->SetParentColor(false);
            (new TSkinRadioButton(this))->AttachControl(*child, data, true, ControlCanvas);
        }
        return box(new TSkinBox(this), true);
    }
    if (class_text == "TDBNAVIGATOR" && kinds.contains(xcPanel)) return box(new TSkinBox(this), true);
    if (is<TCustomGroupBox>(component) && kinds.contains(xcPanel)) {
        auto& group = static_cast<TWinControl&>(component);
        for (int i = 0; i < group.ControlCount(); ++i)
            if (is<TButtonControl>(*group.Controls(i)) || is<TCustomPanel>(*group.Controls(i)))
                group.Controls(i)->SetParentColor(false);
        box(new TSkinBox(this), true);
        ClassifyControls(group);
        return true;
    }
    if (is<TCustomPanel>(component) && kinds.contains(xcPanel)) {
        box(new TSkinBox(this), true);
        ClassifyControls(static_cast<TWinControl&>(component));
        return true;
    }
    if (is<TRadioButton>(component) && kinds.contains(xcRadioButton)) return box(new TSkinRadioButton(this), true);
    if (auto* bar = dynamic_cast<TToolBar*>(&component); bar && kinds.contains(xcToolbar)) {
        bar->SetFlat(true);
        return true;
    }
    if (auto* bar = dynamic_cast<TStatusBar*>(&component); bar && kinds.contains(xcStatusBar)) {
        // The skin writes the panels in the bar's own Font.
        bar->SetUseSystemFont(false);
        return box(new TSkinStatusBar(this), false);
    }
    if (is<TProgressBar>(component) && kinds.contains(xcProgress)) return box(new TSkinProgress(this), false);
    if (is<TScrollBar>(component) && kinds.contains(xcScrollbar)) return box(new TSkinScControl(this), false);
    if ((is<TComboBox>(component) || t == 95) && kinds.contains(xcCombo)) return box(new TSkinComBox(this), false);
    if (class_text == "TDATETIMEPICKER" && kinds.contains(xcEdit)) {
        // A picker without a drop-down (its arrows step the value) is an edit.
        auto* picker = dynamic_cast<TDateTimePicker*>(&component);
        if (picker && picker->Kind() == dtkTime) return box(new TSkinEdit(this), false);
        return box(new TSkinComBox(this), false);
    }
    if (kinds.contains(xcScrollbar) &&
        (class_text == "TRICHEDIT" || class_text == "TWWDBRICHEDIT" || class_text == "TDXDBMEMO"))
        return scroll_bars(new TSkinScrollBar(this), true);
    if (is<TBitBtn>(component) && kinds.contains(xcBitBtn)) return box(new TSkinBitButton(this), false);
    if (auto* speed = dynamic_cast<TSpeedButton*>(&component); speed && kinds.contains(xcSpeedButton)) {
        (new TSkinSpeedButton(this))->AttachGraphic(*speed, data, ControlCanvas);
        return true;
    }
    if (kinds.contains(xcScrollbar)) {
        if (is<TListView>(component)) return box(new TSkinListView(this), false);
        // A header control on its own is skinned as a list view's header is.
        if (is<THeaderControl>(component)) return window(new TSkinHeader(this));
        if (is<TListBox>(component) || is<TScrollBox>(component)) return scroll_bars(new TSkinScrollBar(this), true);
        if (t == 96 || component.Tag() == 55 || is_scrollable(component))
            return scroll_bars(new TSkinScrollBar(this), true);
    }
    if (is<TButton>(component) && kinds.contains(xcButton)) return box(new TSkinButton(this), false);
    if ((is<TCustomEdit>(component) || t == 97) && kinds.contains(xcEdit)) return box(new TSkinEdit(this), false);
    // Containers hold controls of their own: the walk goes on inside.
    if (is<TScrollBox>(component) || is<TTabSheet>(component)) {
        ClassifyControls(static_cast<TWinControl&>(component));
        return true;
    }
    if (auto* form = dynamic_cast<TCustomForm*>(&component)) {
        form->SetColor(data.Colours().ButtonFace);
        ClassifyControls(*form);
        return true;
    }
    return false;
}

void TControlSkins::ClassifyWindows(HWND window) {
    for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongW(child, GWL_STYLE) & WS_CHILD) ClassifyWindow(child);
}

void TControlSkins::ClassifyWindow(HWND child) {
    if (FindControlByHandle(child) || !form_.SkinData) return;
    const auto style = std::uint32_t(GetWindowLongW(child, GWL_STYLE));
    TSkinControl* object = nullptr;
    switch (plain_child_skin(lower(class_name_of(child)), style, GetWindow(child, GW_CHILD) != nullptr)) {
        case PlainChildSkin::Button: object = new TSkinButton(this); break;
        case PlainChildSkin::CheckBox: object = new TSkinCheckBox(this); break;
        case PlainChildSkin::RadioButton: object = new TSkinRadioButton(this); break;
        case PlainChildSkin::Sizer: object = new TSkinSizer(this); break;
        case PlainChildSkin::ComboBox: object = new TSkinComBox(this); break;
        case PlainChildSkin::ComboBoxChild:
            // A ComboBoxEx is skinned through the combo box inside it, once.
            child = GetWindow(child, GW_CHILD);
            if (FindControlByHandle(child)) return;
            object = new TSkinComBox(this);
            break;
        case PlainChildSkin::Tab: object = new TSkinTab(this); break;
        case PlainChildSkin::Edit: object = new TSkinEdit(this); break;
        default: return;
    }
    object->AttachWindow(child, *form_.SkinData, ControlCanvas);
    Add(*object);
    InvalidateRect(child, nullptr, TRUE);
}

namespace {

std::unique_ptr<TFormControls> make_control_skins(TWinSkinForm& form) {
    return std::make_unique<TControlSkins>(form);
}

}  // namespace

void InstallControlSkinning() { TWinSkinForm::SetControlSkinning(&make_control_skins); }

}  // namespace korvane
