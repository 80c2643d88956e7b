#include <algorithm>
#include <memory>
#include <vector>

#include "framework/win/application.h"
#include "framework/win/dialogs.h"
#include "framework/win/extctrls.h"
#include "framework/win/stdctrls.h"

namespace korvane {

namespace {

// The form of a message dialog; the skinning engine knows it by this class name.
class TMessageForm : public TForm {
public:
    static constexpr std::string_view kClassName = "TMessageForm";
    explicit TMessageForm(TComponent* owner) : TForm(owner) {}
    std::string_view ClassName() const override { return kClassName; }
};

struct ButtonInfo {
    const char* name;
    const char* caption;
    TModalResult result;
};

// In the order of TMsgDlgBtn, which is also the order on the dialog.
constexpr ButtonInfo kButtons[] = {
    {"Yes", "&Yes", mrYes},         {"No", "&No", mrNo},         {"OK", "OK", mrOk},
    {"Cancel", "Cancel", mrCancel}, {"Abort", "&Abort", mrAbort}, {"Retry", "&Retry", mrRetry},
    {"Ignore", "&Ignore", mrIgnore}, {"All", "&All", 8},          {"NoToAll", "N&o to All", 9},
    {"YesToAll", "Yes to &All", 10}, {"Help", "&Help", mrNone}};

constexpr const char* kCaptions[] = {"Warning", "Error", "Information", "Confirm"};
const wchar_t* const kIcons[] = {IDI_WARNING, IDI_ERROR, IDI_INFORMATION, IDI_QUESTION};

constexpr int kMargin = 12, kIconSize = 32, kGap = 8, kButtonWidth = 75, kButtonHeight = 25;

}  // namespace

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    std::unique_ptr<TMessageForm> form(NewForm<TMessageForm>(nullptr));
    form->SetBorderStyle(bsDialog);
    form->SetPosition(poScreenCenter);
    form->SetCaption(type == mtCustom ? (Application ? Application->Title() : std::string())
                                      : kCaptions[type]);

    int text_left = kMargin;
    if (type != mtCustom) {
        auto* icon = new TImage(form.get());
        icon->SetName("Image");
        icon->SetParent(form.get());
        icon->SetBounds(kMargin, kMargin, kIconSize, kIconSize);
        TBitmap& bitmap = icon->Picture().Bitmap();
        bitmap.SetSize(kIconSize, kIconSize);
        bitmap.Canvas().Brush().SetColor(form->GetColor());
        bitmap.Canvas().FillRect({0, 0, kIconSize, kIconSize});
        DrawIconEx(bitmap.Canvas().Handle(), 0, 0, LoadIconW(nullptr, kIcons[type]), kIconSize, kIconSize, 0,
                   nullptr, DI_NORMAL);
        icon->Picture().Changed();
        text_left += kIconSize + kMargin;
    }
    auto* message = new TLabel(form.get());
    message->SetName("Message");
    message->SetParent(form.get());
    message->SetShowAccelChar(false);
    message->SetLeft(text_left);
    message->SetTop(kMargin);
    message->SetWordWrap(false);
    message->SetCaption(text);

    std::vector<TButton*> made;
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
        if (!buttons.contains(TMsgDlgBtn(i))) continue;
        auto* button = new TButton(form.get());
        button->SetName(kButtons[i].name);
        button->SetCaption(kButtons[i].caption);
        button->SetModalResult(kButtons[i].result);
        made.push_back(button);
    }
    const int row_width = int(made.size()) * kButtonWidth + std::max(0, int(made.size()) - 1) * kGap;
    const int body_bottom = std::max(message->BoundsRect().bottom, type == mtCustom ? 0 : kMargin + kIconSize);
    const int client_width = std::max(message->BoundsRect().right + kMargin, row_width + 2 * kMargin);
    int x = (client_width - row_width) / 2;
    const int y = body_bottom + kMargin + kGap;
    for (TButton* b : made) {
        b->SetParent(form.get());
        b->SetBounds(x, y, kButtonWidth, kButtonHeight);
        x += kButtonWidth + kGap;
    }
    if (!made.empty()) made.front()->SetDefault(true);
    // Escape answers Cancel, else No, else OK, as the dialog offers them.
    for (TMsgDlgBtn escape : {mbCancel, mbNo, mbOK})
        if (buttons.contains(escape)) {
            static_cast<TButton*>(form->FindComponent(kButtons[escape].name))->SetCancel(true);
            break;
        }
    form->SetClientSize({client_width, y + kButtonHeight + kMargin});
    if (!made.empty()) form->SetActiveControl(made.front());
    return form->ShowModal();
}

}  // namespace korvane
