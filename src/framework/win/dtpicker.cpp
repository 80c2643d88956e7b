#include "framework/win/dtpicker.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/core/properties.h"

namespace korvane {

namespace {

constexpr std::string_view kDateTimeKindNames[] = {"dtkDate", "dtkTime"};
constexpr std::string_view kDateFormatNames[] = {"dfShort", "dfLong"};
constexpr int kMillisecondsPerDay = 86'400'000;

SYSTEMTIME to_system_time(int date, int time) {
    CalendarDate d = DateOfDay(date);
    SYSTEMTIME st{};
    st.wYear = WORD(d.year);
    st.wMonth = WORD(d.month);
    st.wDay = WORD(d.day);
    st.wHour = WORD(time / 3'600'000);
    st.wMinute = WORD(time / 60'000 % 60);
    st.wSecond = WORD(time / 1000 % 60);
    st.wMilliseconds = WORD(time % 1000);
    return st;
}

int date_of(const SYSTEMTIME& st) { return DayNumber({st.wYear, st.wMonth, st.wDay}); }
int time_of(const SYSTEMTIME& st) {
    return ((st.wHour * 60 + st.wMinute) * 60 + st.wSecond) * 1000 + st.wMilliseconds;
}

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
    bounds_ = Rect::from_size(0, 0, 186, 21);
    SetTabStop(true);
    SetColor(clWindow);
    SYSTEMTIME now;
    GetLocalTime(&now);
    date_ = date_of(now);
    time_ = time_of(now);
}

const PropertyTable& TDateTimePicker::Properties() const {
    static const PropertyTable table =
        PropertyBuilder<TDateTimePicker>(TWinControl::Properties())
            .integer("Date", &TDateTimePicker::Date, &TDateTimePicker::SetDate)
            .enumeration("DateFormat", kDateFormatNames, &TDateTimePicker::DateFormat,
                         &TDateTimePicker::SetDateFormat, dfShort)
            .enumeration("Kind", kDateTimeKindNames, &TDateTimePicker::Kind, &TDateTimePicker::SetKind, dtkDate)
            .integer("Time", &TDateTimePicker::Time, &TDateTimePicker::SetTime)
            .build();
    return table;
}

void TDateTimePicker::SetKind(TDateTimeKind kind) {
    if (kind == kind_) return;
    kind_ = kind;
    RecreateWnd();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat format) {
    if (format == date_format_) return;
    date_format_ = format;
    RecreateWnd();
}

void TDateTimePicker::SetDate(int day_number) {
    // The system's calendar knows the years 1601 to 9999.
    date_ = std::clamp(day_number, DayNumber({1601, 1, 1}), DayNumber({9999, 12, 31}));
    Apply();
}

void TDateTimePicker::SetTime(int milliseconds) {
    time_ = std::clamp(milliseconds, 0, kMillisecondsPerDay - 1);
    Apply();
}

void TDateTimePicker::CreateParams(TCreateParams& p) {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)registered;
    TWinControl::CreateParams(p);
    p.superclass = DATETIMEPICK_CLASSW;
    p.style |= kind_ == dtkTime ? DTS_TIMEFORMAT | DTS_UPDOWN
                                : date_format_ == dfLong ? DTS_LONGDATEFORMAT : DTS_SHORTDATEFORMAT;
    p.style &= ~DWORD(WS_CLIPCHILDREN);
    p.ex_style = (p.ex_style & ~DWORD(WS_EX_CONTROLPARENT)) | WS_EX_CLIENTEDGE;
}

void TDateTimePicker::CreateWnd() {
    TWinControl::CreateWnd();
    Apply();
}

void TDateTimePicker::Apply() {
    if (!HandleAllocated()) return;
    SYSTEMTIME st = to_system_time(date_, time_);
    SendMessageW(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&st));
}

void TDateTimePicker::WndProc(TMessage& m) {
    if (m.Msg == CN_NOTIFY && reinterpret_cast<const NMHDR*>(m.LParam)->code == DTN_DATETIMECHANGE) {
        const auto* change = reinterpret_cast<const NMDATETIMECHANGE*>(m.LParam);
        if (change->dwFlags == GDT_VALID) {
            date_ = date_of(change->st);
            time_ = time_of(change->st);
            if (OnChange) OnChange(this);
        }
        return;
    }
    TWinControl::WndProc(m);
}

}  // namespace korvane
