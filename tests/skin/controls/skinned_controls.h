#pragma once
// What the tests of the skinned controls share: a framework form skinned
// with the default skin and its controls classified, control read-back from
// the window DC, and the faces the drawing utilities compose from the same
// skin pieces.

#include <windows.h>

#include <memory>
#include <string>

#include "framework/win/form.h"
#include "framework/win/graphics.h"
#include "framework/win/window_test_support.h"
#include "skin/controls/control_skins.h"
#include "skin/controls/skin_control.h"
#include "skin/engine/skinned_window.h"

namespace korvane::testing {

class SkinnedControlsTest : public FrameworkTest {
protected:
    void SetUp() override {
        FrameworkTest::SetUp();
        InstallControlSkinning();
    }
    void TearDown() override {
        if (skin_) skin_->Release();
        skin_ = nullptr;
        TWinSkinForm::SetControlSkinning(nullptr);
        FrameworkTest::TearDown();
    }
    TForm* NewForm(int w = 420, int h = 300) {
        auto* form = app_->CreateForm<TForm>();
        form->SetBounds(60, 60, w, h);
        return form;
    }
    template <class C>
    C* Place(TWinControl* parent, int x, int y, int w, int h, const char* caption = "") {
        auto* c = new C(parent->ParentForm());
        c->SetParent(parent);
        c->SetBounds(x, y, w, h);
        c->SetCaption(caption);
        return c;
    }
    // Shows the form and skins it as the manager does.
    TControlSkins& Skin(TForm& form, TSkinData& data = DefaultSkin()) {
        form.Show();
        SetForegroundWindow(form.Handle());
        Pump();
        skin_ = new TWinSkinForm(form.Handle());
        skin_->SkinForm(data, form);
        SendMessageW(form.Handle(), WM_SKINSTART, 0, 1000);
        Pump();
        return *static_cast<TControlSkins*>(skin_->Controls());
    }
    // Skins a plain (non-framework) window already shown, as the manager does.
    TControlSkins& SkinPlain(HWND window) {
        SetForegroundWindow(window);
        Pump();
        skin_ = new TWinSkinForm(window);
        skin_->SkinWindow(DefaultSkin());
        SendMessageW(window, WM_SKINSTART, 0, 1000);
        Pump();
        return *static_cast<TControlSkins*>(skin_->Controls());
    }
    TWinSkinForm* skin_ = nullptr;
};

inline Size ClientSize(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

// Pixels of the window that differ from the expected image at `at` (key
// pixels of the expected image are not compared).
inline int WindowDifferences(HWND window, const Image& expected, Point at = {0, 0}) {
    return Differences(Capture(window), at, expected);
}

// The class of the object attached to the window, or "none".
inline std::string KindOf(const TControlSkins& skins, HWND window) {
    const TSkinControl* object = skins.FindControlByHandle(window);
    return object ? std::string(object->ClassName()) : "none";
}

inline const SkinModel& Model() { return DefaultSkin().Skin(); }
inline Pixel Face() { return to_pixel(ColorToRGB(DefaultSkin().Colours().ButtonFace)); }

// Frame `index` of a five-frame element as a control of that size shows it
// over the skin's button face.
inline Image ElementFace(const TDataSkinObject& element, Size size, int frames, int index) {
    Image face(size.width, size.height, Face());
    DrawNineSlice(face.mutable_view(), {0, 0, size.width, size.height}, {element.Bitmap.view(), frames, false},
                  index, {element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight},
                  element.Tile != 0, element.Trans == 1);
    return face;
}

}  // namespace korvane::testing
