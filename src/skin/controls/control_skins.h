#pragma once
// The skinning of one skinned window's controls: which control-skinning
// object each control gets (ClassifyControls for a framework form,
// ClassifyWindows for a plain window such as a message box or a file dialog),
// the objects kept in ControlList, the control that last had the mouse
// (HotControl) and the canvas lent to every object. Made by the window's
// TWinSkinForm when it starts; every object is detached and freed when the
// window is unskinned.

#include <windows.h>

#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/win/canvas.h"
#include "skin/engine/win_skin_form.h"

namespace korvane {

class TSkinControl;
class TControl;
class TWinControl;

class TControlSkins : public TComponent, public TFormControls {
public:
    static constexpr std::string_view kClassName = "TControlSkins";

    // Classifies the window's controls at once.
    explicit TControlSkins(TWinSkinForm& form);
    // Release, then the owned objects go.
    ~TControlSkins() override;
    std::string_view ClassName() const override { return kClassName; }

    // The components owned by the container, in index order.
    void ClassifyControls(TWinControl& container);
    // Every direct child window of a plain window.
    void ClassifyWindows(HWND window);
    void ClassifyWindow(HWND child);
    bool IsReportPreviewOrKnown(TComponent& component) const;
    TSkinControl* FindControlByHandle(HWND handle) const;
    // Detaches and frees every object of ControlList, in list order.
    void Release();

    // Called by the objects.
    void Add(TSkinControl& object);
    void Forget(TSkinControl& object);
    bool Releasing() const { return form_.PaintState == TWinSkinForm::psReleasing; }

    void HoverCheck() override;
    void ApplySkinChange() override;

    TWinSkinForm& Form() const { return form_; }
    std::vector<TSkinControl*> ControlList;
    TSkinControl* HotControl = nullptr;
    TCanvas ControlCanvas;

private:
    // The table's decision for one component; false when no row matched.
    void ClassifyComponent(TWinControl& container, TComponent& component);
    bool Row(TComponent& component, const std::string& class_text);

    TWinSkinForm& form_;
};

// Makes every skinned window's controls wear the skin (TWinSkinForm's
// control skinning).
void InstallControlSkinning();

}  // namespace korvane
