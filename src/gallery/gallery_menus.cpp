#include "gallery/gallery_menus.h"

#include <cstdlib>

#include "framework/win/menus.h"

namespace korvane {

namespace {

// Five 16 × 16 pictures on magenta (transparent): a folder, a disk, two
// sheets, a sheet on a board, and a round "i".
Image GalleryPictures() {
    Image strip(16 * kGalleryImageCount, 16, pixel_rgb(255, 0, 255));
    auto fill = [&](int image, int l, int t, int r, int b, Pixel p) {
        for (int y = t; y < b; ++y)
            for (int x = l; x < r; ++x) strip.at(image * 16 + x, y) = p;
    };
    const Pixel dark = pixel_rgb(64, 64, 64), white = pixel_rgb(255, 255, 255);
    fill(imgOpen, 1, 3, 7, 5, pixel_rgb(200, 160, 0));
    fill(imgOpen, 1, 5, 15, 14, pixel_rgb(240, 200, 40));
    fill(imgSave, 1, 1, 15, 15, pixel_rgb(40, 80, 200));
    fill(imgSave, 4, 1, 12, 6, white);
    fill(imgSave, 4, 10, 12, 15, dark);
    fill(imgCopy, 1, 1, 10, 12, dark);
    fill(imgCopy, 2, 2, 9, 11, white);
    fill(imgCopy, 6, 5, 15, 15, dark);
    fill(imgCopy, 7, 6, 14, 14, white);
    fill(imgPaste, 2, 2, 14, 15, pixel_rgb(160, 110, 60));
    fill(imgPaste, 6, 1, 10, 3, dark);
    fill(imgPaste, 5, 5, 15, 15, white);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if ((x - 8) * (x - 8) + (y - 8) * (y - 8) <= 49) strip.at(imgAbout * 16 + x, y) = pixel_rgb(0, 100, 200);
    fill(imgAbout, 7, 4, 9, 6, white);
    fill(imgAbout, 7, 7, 9, 13, white);
    return strip;
}

class MenuBuilder {
public:
    MenuBuilder(TForm& form, std::function<void(const std::string&)> report)
        : form_(form), report_(std::move(report)) {}

    // An item that reports its caption (without "&") when chosen.
    TMenuItem* Item(TMenuItem& parent, const std::string& caption, TShortCut shortcut = scNone, int image = -1) {
        auto* item = new TMenuItem(&form_);
        item->SetCaption(caption);
        item->SetShortCut(shortcut);
        item->SetImageIndex(image);
        parent.Add(item);
        if (caption != "-")
            item->OnClick = [this, item](TObject*) {
                std::string text = item->Caption();
                std::erase(text, '&');
                report_("menu: " + text);
            };
        return item;
    }

private:
    TForm& form_;
    std::function<void(const std::string&)> report_;
};

}  // namespace

TImageList* MakeGalleryImages(TComponent* owner) {
    auto* images = new TImageList(owner);
    images->Add(GalleryPictures());
    return images;
}

void AddGalleryMenus(TForm& form, TImageList* images, std::function<void(const std::string&)> report,
                     std::function<void()> open_mdi) {
    MenuBuilder make(form, report);

    auto* menu = new TMainMenu(&form);
    menu->SetImages(images);
    TMenuItem* file = make.Item(menu->Items(), "&File");
    file->OnClick = nullptr;  // opening the drop-down reports nothing
    make.Item(*file, "&Open...", ShortCut('O', scCtrl), imgOpen);
    make.Item(*file, "&Save", ShortCut('S', scCtrl), imgSave);
    make.Item(*file, "-");
    TMenuItem* recent = make.Item(*file, "&Recent");
    recent->OnClick = nullptr;
    make.Item(*recent, "notes.txt");
    make.Item(*recent, "sample.txt");
    make.Item(*file, "-");
    make.Item(*file, "E&xit", ShortCut('Q', scCtrl))->OnClick = [&form](TObject*) { form.Close(); };

    TMenuItem* view = make.Item(menu->Items(), "&View");
    view->OnClick = nullptr;
    TMenuItem* status = make.Item(*view, "&Status line");
    status->SetChecked(true);
    status->OnClick = [status, report](TObject*) {
        status->SetChecked(!status->Checked());
        report(status->Checked() ? "menu: status line on" : "menu: status line off");
    };
    make.Item(*view, "-");
    for (const char* size : {"S&mall", "&Normal", "&Large"}) {
        TMenuItem* item = make.Item(*view, size);
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
        auto report_size = item->OnClick;
        item->OnClick = [item, report_size](TObject* sender) {
            item->SetChecked(true);
            report_size(sender);
        };
    }
    view->Items(3)->SetChecked(true);
    make.Item(*view, "-");
    make.Item(*view, "&Disabled item")->SetEnabled(false);

    TMenuItem* window = make.Item(menu->Items(), "&Window");
    window->OnClick = nullptr;
    make.Item(*window, "&MDI frame...", ShortCut('M', scCtrl))->OnClick = [open_mdi](TObject*) { open_mdi(); };

    TMenuItem* help = make.Item(menu->Items(), "&Help");
    help->OnClick = nullptr;
    TMenuItem* about = make.Item(*help, "&About", ShortCut(0x70, scNone), imgAbout);  // F1
    about->SetDefault(true);
    form.SetMenu(menu);

    auto* context = new TPopupMenu(&form);
    context->SetImages(images);
    make.Item(context->Items(), "&Copy", ShortCut('C', scCtrl), imgCopy);
    make.Item(context->Items(), "&Paste", ShortCut('V', scCtrl), imgPaste)->SetChecked(true);
    make.Item(context->Items(), "-");
    make.Item(context->Items(), "Select &all", ShortCut('A', scCtrl));
    form.SetPopupMenu(context);
}

}  // namespace korvane
