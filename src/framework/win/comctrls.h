#pragma once
// TProgressBar: the system's progress bar under the framework's class name.

#include "framework/win/wincontrol.h"

namespace korvane {

// Registers the common-control window classes of `classes` (ICC_ flags), once each.
void InitCommonControlClasses(DWORD classes);

class TProgressBar : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TProgressBar";
    explicit TProgressBar(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const { return position_; }
    // Kept within Min .. Max.
    void SetPosition(int value);
    int Step() const { return step_; }
    void SetStep(int value) { step_ = value; }
    void StepIt() { SetPosition(position_ + step_); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    void Apply();

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
};

}  // namespace korvane
