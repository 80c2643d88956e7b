#pragma once
// TTrackBar: the system's track bar under the framework's class name. The
// user moves the thumb with the mouse or the arrow, Page and Home/End keys;
// OnChange follows every change of Position, the user's and the program's.

#include "framework/win/wincontrol.h"

namespace korvane {

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };

class TTrackBar : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TTrackBar";
    explicit TTrackBar(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const { return position_; }
    // Kept within Min .. Max.
    void SetPosition(int value);
    int Frequency() const { return frequency_; }
    void SetFrequency(int value);
    int LineSize() const { return line_size_; }
    void SetLineSize(int value);
    int PageSize() const { return page_size_; }
    void SetPageSize(int value);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation value);
    TTickMark TickMarks() const { return tick_marks_; }
    void SetTickMarks(TTickMark value);
    TTickStyle TickStyle() const { return tick_style_; }
    void SetTickStyle(TTickStyle value);
    // A tick at a value (tsManual).
    void SetTick(int value);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    virtual void Changed();

private:
    void Apply();

    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int frequency_ = 1;
    int line_size_ = 1;
    int page_size_ = 2;
    TTrackBarOrientation orientation_ = trHorizontal;
    TTickMark tick_marks_ = tmBottomRight;
    TTickStyle tick_style_ = tsAuto;
};

}  // namespace korvane
