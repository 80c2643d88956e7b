#pragma once
// The non-client objects of a skinned window: title-bar buttons here, the
// menu-bar entries later. Each knows its rectangle in window coordinates,
// whether it is shown, and its mouse state; only one object of a window is
// hot or pressed at a time, the owner's HotObject.

#include "base/geometry.h"
#include "skin/data/skin_records.h"

namespace korvane {

class TWinSkinForm;

class TNCObject {
public:
    enum { stNormal = 1, stPressed = 2, stHot = 3 };

    explicit TNCObject(TWinSkinForm& owner) : Owner(&owner) {}
    virtual ~TNCObject() = default;
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    // The hot object (another one) leaves; this one, when visible, becomes
    // the hot object, pressed.
    virtual void MouseDown();
    // Visible: back to hot.
    virtual void MouseUp();
    // Nothing when already hot; otherwise the hot object leaves and this one,
    // when visible, becomes the hot object.
    virtual void MouseEnter();
    // Visible: no hot object, normal.
    virtual void MouseLeave();
    virtual void Paint() {}

    TWinSkinForm* Owner;
    Rect BoundsRect;
    bool Visible = false;
    int State = 0;

private:
    void SetState(int state);
};

// One title-bar button of the skin.
class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TWinSkinForm& owner, const TDataSkinSysButton& button)
        : TNCObject(owner), SkinButton(&button) {}

    // Draws the button in its state straight onto the window.
    void Paint() override;

    const TDataSkinSysButton* SkinButton;
};

}  // namespace korvane
