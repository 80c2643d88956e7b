#pragma once
// TScrollBar: the system's scroll-bar control under the framework's class
// name. The control keeps Position within Min .. Max − PageSize + 1 (Max when
// PageSize is 0); arrows move it by SmallChange, the track by LargeChange,
// the thumb and the keys (arrows, Page, Home, End) as the user drags or
// types. OnScroll sees each step (and may change the position it gets);
// OnChange follows every change of Position.

#include <algorithm>
#include <functional>

#include "framework/win/wincontrol.h"

namespace korvane {

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };
using TScrollEvent = std::function<void(TObject* sender, TScrollCode code, int& position)>;

class TScrollBar : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TScrollBar";
    explicit TScrollBar(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind value);
    int Min() const { return min_; }
    void SetMin(int value) { SetParams(position_, value, std::max(max_, value)); }
    int Max() const { return max_; }
    void SetMax(int value) { SetParams(position_, std::min(min_, value), value); }
    int Position() const { return position_; }
    void SetPosition(int value) { SetParams(value, min_, max_); }
    int PageSize() const { return page_size_; }
    void SetPageSize(int value);
    int SmallChange() const { return small_change_; }
    void SetSmallChange(int value) { small_change_ = value; }
    int LargeChange() const { return large_change_; }
    void SetLargeChange(int value) { large_change_ = value; }
    // The highest position the thumb reaches.
    int MaxPosition() const;
    void SetParams(int position, int min, int max);

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    void Apply();
    void Scroll(int code);

    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int page_size_ = 0;
    int small_change_ = 1;
    int large_change_ = 1;
};

}  // namespace korvane
