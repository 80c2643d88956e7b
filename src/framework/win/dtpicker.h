#pragma once
// TDateTimePicker: the system's date and time picker under the framework's
// class name. A date picker (dtkDate) drops a calendar down; a time picker
// (dtkTime) has up-down arrows instead. The value is a day number (see
// date_time.h) and the milliseconds since midnight.

#include "framework/win/date_time.h"
#include "framework/win/wincontrol.h"

namespace korvane {

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateFormat { dfShort, dfLong };

class TDateTimePicker : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TDateTimePicker";
    // Starts at the current local date and time.
    explicit TDateTimePicker(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    // A change of either makes the window again.
    TDateTimeKind Kind() const { return kind_; }
    void SetKind(TDateTimeKind kind);
    TDTDateFormat DateFormat() const { return date_format_; }
    void SetDateFormat(TDTDateFormat format);

    int Date() const { return date_; }
    void SetDate(int day_number);
    // 0 .. 86 399 999.
    int Time() const { return time_; }
    void SetTime(int milliseconds);

    // After the user changed the value.
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    void Apply();

    TDateTimeKind kind_ = dtkDate;
    TDTDateFormat date_format_ = dfShort;
    int date_ = 0;
    int time_ = 0;
};

}  // namespace korvane
