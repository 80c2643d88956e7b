#include "framework/win/gallery/gallery_form.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "framework/win/application.h"
#include "framework/win/buttons.h"
#include "framework/win/comctrls.h"
#include "framework/win/dialogs.h"
#include "framework/win/extctrls.h"
#include "framework/win/stdctrls.h"
#include "framework/win/timer.h"

namespace korvane {

template <class C>
C* TGalleryForm::Make(TWinControl* parent, int x, int y, int w, int h) {
    auto* c = new C(this);
    c->SetParent(parent);
    if (w > 0) c->SetBounds(x, y, w, h);
    else c->SetBounds(x, y, c->Width(), c->Height());
    return c;
}

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner) {
    SetCaption("Korvane gallery");
    SetBorderStyle(bsSingle);
    SetBorderIcons({biSystemMenu, biMinimize});
    SetBounds(40, 40, 0, 0);
    SetClientSize({440, 300});

    auto* panel = Make<TPanel>(this, 8, 8, 424, 130);
    panel->SetBevelInner(bvLowered);
    panel->SetCaption("");

    auto* plain = Make<TLabel>(panel, 12, 12, 0, 0);
    plain->SetCaption("TLabel, auto-sized");
    auto* right = Make<TLabel>(panel, 12, 32, 0, 0);
    right->SetAutoSize(false);
    right->SetBounds(12, 32, 180, 16);
    right->SetAlignment(taRightJustify);
    right->SetColor(clWindow);
    right->SetCaption("right-aligned on white");
    auto* blue = Make<TLabel>(panel, 12, 54, 0, 0);
    blue->SetTransparent(true);
    blue->Font().SetColor(clBlue);
    blue->Font().SetStyle({fsUnderline});
    blue->SetCaption("transparent, blue, underlined");
    auto* disabled = Make<TLabel>(panel, 12, 76, 0, 0);
    disabled->SetEnabled(false);
    disabled->SetCaption("disabled label");

    auto* sunken = Make<TStaticText>(panel, 220, 12, 0, 0);
    sunken->SetAutoSize(false);
    sunken->SetBounds(220, 12, 190, 17);
    sunken->SetBorderStyle(sbsSunken);
    sunken->SetColor(clBtnHighlight);
    sunken->SetCaption("TStaticText, sunken");

    auto* button = Make<TButton>(panel, 220, 40, 90, 25);
    button->SetCaption("&Message");
    button->OnClick = [](TObject*) { MessageDlg("A framework message dialog.", mtInformation, {mbOK}); };
    auto* open = Make<TButton>(panel, 320, 40, 90, 25);
    open->SetCaption("&Open...");
    open->OnClick = [this](TObject*) {
        dialog_->SetFilter("Txt files(*.txt)|*.txt|All files(*.*)|*.*");
        if (dialog_->Execute()) status_->SetCaption(dialog_->FileName());
    };

    progress_ = Make<TProgressBar>(panel, 220, 76, 190, 17);
    progress_->SetPosition(35);

    status_ = Make<TStaticText>(panel, 12, 100, 0, 0);
    status_->SetAutoSize(false);
    status_->SetBounds(12, 100, 398, 17);
    status_->SetBorderStyle(sbsSingle);
    status_->SetCaption("status");

    for (int layout = blGlyphLeft; layout <= blGlyphBottom; ++layout) {
        auto* bit = Make<TBitBtn>(this, 8 + layout * 106, 146, 100, layout < blGlyphTop ? 28 : 48);
        static const char* const kCaptions[] = {"Left", "Right", "Top", "Bottom"};
        bit->SetCaption(kCaptions[layout]);
        bit->SetLayout(TButtonLayout(layout));
        DrawArrowGlyph(bit->Glyph());
        bit->SetNumGlyphs(2);
        if (layout == blGlyphBottom) bit->SetEnabled(false);
    }

    auto* page = Make<TImage>(this, 8, 202, 0, 0);
    page->SetAutoSize(true);
    DrawCheckerPage(page->Picture().Bitmap());
    page->Picture().Changed();

    dialog_ = new TOpenDialog(this);
    timer_ = new TTimer(this);
    timer_->SetInterval(200);
    timer_->OnTimer = [this](TObject*) { progress_->SetPosition((progress_->Position() + 5) % 105); };
}

void TGalleryForm::DrawArrowGlyph(TBitmap& glyph) {
    glyph.SetSize(32, 16);
    MutableImageView v = glyph.MutableView();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) {
            int cx = x % 16;
            bool arrow = (cx >= 3 && cx < 9 && y >= 6 && y < 10) || (cx >= 9 && cx < 14 && std::abs(y - 8) <= 13 - cx);
            v.at(x, y) = !arrow ? pixel_rgb(255, 0, 255) : x < 16 ? pixel_rgb(0, 128, 0) : pixel_rgb(128, 128, 128);
        }
}

void TGalleryForm::DrawCheckerPage(TBitmap& page) {
    constexpr int w = 424, h = 90, stride = (w + 7) / 8;
    std::vector<std::uint8_t> rows(std::size_t(stride) * h, 0xFF);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            bool frame = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            bool checker = x > 8 && y > 8 && x < w - 9 && y < h - 9 && ((x / 8 + y / 8) % 2 == 0);
            if (frame || checker) rows[std::size_t(y * stride + x / 8)] &= std::uint8_t(~(0x80 >> (x % 8)));
        }
    page.SetMonochrome(w, h, rows, stride);
}

}  // namespace korvane
