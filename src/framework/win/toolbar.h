#pragma once
// TToolBar: the system's tool bar under the framework's class name, along
// the top of its parent and as wide as it. Its TToolButtons are components
// nested in it in a stored layout; each shows an image of the bar's Images
// and, with ShowCaptions, its caption, and raises OnClick when pressed.

#include <string>
#include <vector>

#include "framework/win/wincontrol.h"

namespace korvane {

class TImageList;
class TToolBar;

enum TToolButtonStyle { tbsButton, tbsCheck, tbsSeparator };

class TToolButton : public TComponent {
public:
    static constexpr std::string_view kClassName = "TToolButton";
    explicit TToolButton(TComponent* owner);
    ~TToolButton() override;
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int ImageIndex() const { return image_index_; }
    void SetImageIndex(int index);
    TToolButtonStyle Style() const { return style_; }
    void SetStyle(TToolButtonStyle style);
    // A check button that is pressed in; a click on a check button toggles it.
    bool Down() const { return down_; }
    void SetDown(bool down);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Check buttons of one group let one another out.
    bool Grouped() const { return grouped_; }
    void SetGrouped(bool value);

    TToolBar* ToolBar() const { return tool_bar_; }
    // The identifier of the button in its bar's window.
    int Command() const;

    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    TNotifyEvent OnClick;
    virtual void Click();

private:
    friend class TToolBar;
    void Changed();

    std::string caption_;
    int image_index_ = -1;
    TToolButtonStyle style_ = tbsButton;
    bool down_ = false;
    bool enabled_ = true;
    bool grouped_ = false;
    TToolBar* tool_bar_ = nullptr;
};

class TToolBar : public TWinControl {
public:
    static constexpr std::string_view kClassName = "TToolBar";
    explicit TToolBar(TComponent* owner);
    ~TToolBar() override;
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override;

    int ButtonCount() const { return int(buttons_.size()); }
    TToolButton* Buttons(int index) const { return buttons_.at(std::size_t(index)); }
    // Takes a button that is in no bar, at the end.
    void AddButton(TToolButton* button);
    void RemoveButton(TToolButton* button);

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    // Buttons without edges until the mouse is over them (a change makes the window again).
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    bool ShowCaptions() const { return show_captions_; }
    void SetShowCaptions(bool value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

private:
    friend class TToolButton;
    // Puts the buttons into the window again.
    void RebuildButtons();

    std::vector<TToolButton*> buttons_;
    TImageList* images_ = nullptr;
    bool flat_ = false;
    bool show_captions_ = false;
};

}  // namespace korvane
