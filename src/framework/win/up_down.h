#pragma once
// TUpDown: the system's up-down control under the framework's class name: two
// arrow buttons that step Position between Min and Max. With an Associate
// (an edit beside it) the control sits against the edit's side, shows
// Position as the edit's text, reads a number typed there, and the arrow
// keys pressed in the edit step it too.

#include <functional>

#include "framework/win/wincontrol.h"

namespace korvane {

enum TUDAlignButton { udLeft, udRight };
enum TUDOrientation { udHorizontal, udVertical };
enum TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(TObject* sender, TUDBtnType button)>;
using TUDChangingEvent = std::function<void(TObject* sender, bool& allow_change)>;

class TUpDown : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TUpDown";
    explicit TUpDown(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    TWinControl* Associate() const { return associate_; }
    void SetAssociate(TWinControl* control);
    TUDAlignButton AlignButton() const { return align_button_; }
    void SetAlignButton(TUDAlignButton value);
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation value);
    bool ArrowKeys() const { return arrow_keys_; }
    void SetArrowKeys(bool value);
    bool Wrap() const { return wrap_; }
    void SetWrap(bool value);
    bool Thousands() const { return thousands_; }
    void SetThousands(bool value);
    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Increment() const { return increment_; }
    void SetIncrement(int value);
    // With an associate, what it shows (a number typed there counts).
    int Position();
    void SetPosition(int value);

    // Before a step; clearing allow_change refuses it.
    TUDChangingEvent OnChanging;
    // After a step, with the arrow that made it.
    TUDClickEvent OnClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Apply();

    TWinControl* associate_ = nullptr;
    TUDAlignButton align_button_ = udRight;
    TUDOrientation orientation_ = udVertical;
    bool arrow_keys_ = true;
    bool wrap_ = false;
    bool thousands_ = true;
    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
    int position_ = 0;
    int step_ = 0;  // of the step under way
};

}  // namespace korvane
