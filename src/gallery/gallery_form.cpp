#include "gallery/gallery_form.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/win/application.h"
#include "framework/win/buttons.h"
#include "framework/win/check_buttons.h"
#include "framework/win/comctrls.h"
#include "framework/win/dialogs.h"
#include "framework/win/edits.h"
#include "framework/win/extctrls.h"
#include "gallery/gallery_menus.h"
#include "gallery/gallery_pages.h"
#include "framework/win/group_box.h"
#include "framework/win/header_control.h"
#include "framework/win/list_boxes.h"
#include "framework/win/list_view.h"
#include "framework/win/scroll_bar.h"
#include "framework/win/scroll_box.h"
#include "framework/win/speed_button.h"
#include "framework/win/status_bar.h"
#include "framework/win/stdctrls.h"
#include "framework/win/tab_controls.h"
#include "framework/win/timer.h"
#include "framework/win/track_bar.h"
#include "framework/win/up_down.h"

namespace korvane {

namespace {
// The gallery's height below its tool bar: the controls, the row of the tab
// set and pickers, the status bar.
constexpr int kContentHeight = 690;
}  // namespace

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

    auto report = [this](const std::string& text) { status_->SetCaption(text); };
    TImageList* images = MakeGalleryImages(this);
    const int tool_bar_height = AddGalleryToolBar(*this, images, report);
    SetClientSize({760, tool_bar_height + kContentHeight});

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
    right->SetParentFont(false);
    right->SetCaption("right-aligned on white");
    auto* blue = Make<TLabel>(panel, 12, 54, 0, 0);
    blue->SetTransparent(true);
    // A middle blue, which reads on light and dark faces alike.
    blue->Font().SetColor(rgb(40, 120, 230));
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
    sunken->SetParentFont(false);
    sunken->SetCaption("TStaticText, sunken");

    auto* button = Make<TButton>(panel, 220, 40, 90, 25);
    button->SetCaption("&Message");
    button->OnClick = [this](TObject*) { ShowMessageDialog(); };
    auto* open = Make<TButton>(panel, 320, 40, 90, 25);
    open->SetCaption("&Open...");
    open->OnClick = [this](TObject*) { ShowOpenDialog(); };

    progress_ = Make<TProgressBar>(panel, 220, 76, 190, 17);
    progress_->SetPosition(35);

    status_ = Make<TStaticText>(panel, 12, 100, 0, 0);
    status_->SetAutoSize(false);
    status_->SetBounds(12, 100, 398, 17);
    status_->SetBorderStyle(sbsSingle);
    status_->SetCaption("status");
    face_texts_.push_back(panel);

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

    AddChoices(300);
    AddTexts(448);
    AddPages(448, 300);
    AddTabSides(472);

    dialog_ = new TOpenDialog(this);
    timer_ = new TTimer(this);
    timer_->SetInterval(200);
    timer_->OnTimer = [this](TObject*) { progress_->SetPosition((progress_->Position() + 5) % 105); };

    AddGalleryTabsAndDates(*this, kContentHeight - 48, report);
    AddGalleryMenus(*this, images, report, [] { ShowGalleryMdiFrame(); });
    // Everything after the tool bar (the first control) moves down below it.
    for (int i = 1; i < ControlCount(); ++i) Controls(i)->SetTop(Controls(i)->Top() + tool_bar_height);
}

void TGalleryForm::SetFaceTextColour(Color colour) {
    for (TControl* text : face_texts_) text->Font().SetColor(colour);
}

void TGalleryForm::ShowMessageDialog() { MessageDlg("A framework message dialog.", mtInformation, {mbOK}); }

void TGalleryForm::ShowOpenDialog() {
    dialog_->SetFilter("Txt files(*.txt)|*.txt|All files(*.*)|*.*");
    if (dialog_->Execute()) status_->SetCaption(dialog_->FileName());
}

// Check boxes, radio buttons, a radio group, speed buttons, a track bar
// and the status bar, from `top` down.
void TGalleryForm::AddChoices(int top) {
    auto* options = Make<TGroupBox>(this, 8, top, 150, 120);
    options->SetCaption("&Options");
    static const char* const kBoxes[] = {"Unchecked", "Checked", "Grayed", "Disabled"};
    for (int i = 0; i < 4; ++i) {
        auto* box = Make<TCheckBox>(options, 10, 20 + i * 24, 130, 17);
        box->SetCaption(kBoxes[i]);
        box->SetAllowGrayed(true);
        box->SetState(i == 1 ? cbChecked : i == 2 ? cbGrayed : cbUnchecked);
        if (i == 3) box->SetEnabled(false);
    }
    auto* sizes = Make<TRadioGroup>(this, 166, top, 130, 120);
    sizes->SetCaption("&Size");
    sizes->Items().SetText("Small\nMedium\nLarge\n");
    sizes->SetItemIndex(1);
    auto* left = Make<TRadioButton>(this, 304, top + 8, 76, 17);
    left->SetCaption("Text &left");
    left->SetAlignment(taLeftJustify);
    auto* right = Make<TRadioButton>(this, 304, top + 30, 120, 17);
    right->SetCaption("Text &right");
    right->SetChecked(true);
    auto* off = Make<TRadioButton>(this, 304, top + 52, 120, 17);
    off->SetCaption("Disabled");
    off->SetEnabled(false);
    face_texts_.insert(face_texts_.end(), {left, right, off});

    static const char* const kTools[] = {"B", "I", "U", "L", "C"};
    for (int i = 0; i < 5; ++i) {
        auto* tool = Make<TSpeedButton>(this, 304 + (i % 3) * 26, top + 76 + (i / 3) * 24, 25, 22);
        tool->SetCaption(kTools[i]);
        tool->SetFlat(i >= 3);
        tool->SetGroupIndex(i < 3 ? 0 : 1);
        tool->SetAllowAllUp(true);
        if (i == 3) tool->SetDown(true);
    }

    auto* track = Make<TTrackBar>(this, 8, top + 128, 288, 36);
    track->SetMax(20);
    track->SetPosition(5);
    track->SetPageSize(5);
    track->SetFrequency(2);
    track->OnChange = [this, track](TObject*) {
        status_->SetCaption("Track bar at " + std::to_string(track->Position()));
    };

    auto* bar = Make<TStatusBar>(this, 0, kContentHeight - 20, 760, 20);
    bar->SetSizeGrip(false);  // the gallery keeps its size
    TStatusPanel& ready = bar->Panels().Add();
    ready.SetText("Ready");
    ready.SetWidth(120);
    TStatusPanel& raised = bar->Panels().Add();
    raised.SetText("raised");
    raised.SetBevel(pbRaised);
    raised.SetAlignment(taCenter);
    raised.SetWidth(80);
    TStatusPanel& plain = bar->Panels().Add();
    plain.SetText("no bevel, right");
    plain.SetBevel(pbNone);
    plain.SetAlignment(taRightJustify);
    plain.SetWidth(150);
}

// Edits, a memo, lists and scroll bars, in a column from `left`.
void TGalleryForm::AddTexts(int left) {
    auto* number = Make<TEdit>(this, left, 8, 80, 21);
    auto* spin = Make<TUpDown>(this, 0, 0, 0, 0);
    spin->SetMax(99);
    spin->SetPosition(7);
    spin->SetAssociate(number);
    auto* secret = Make<TEdit>(this, left + 110, 8, 90, 21);
    secret->SetPasswordChar('*');
    secret->SetText("secret");
    auto* fixed = Make<TEdit>(this, left + 210, 8, 94, 21);
    fixed->SetReadOnly(true);
    fixed->SetText("read-only");

    auto* memo = Make<TMemo>(this, left, 38, 200, 90);
    memo->SetScrollBars(ssBoth);
    memo->SetWordWrap(false);
    std::string lines;
    for (int i = 1; i <= 30; ++i) lines += "Line " + std::to_string(i) + " of a memo that scrolls both ways\n";
    memo->Lines().SetText(lines);
    auto* vertical = Make<TScrollBar>(this, left + 286, 38, 18, 90);
    vertical->SetKind(sbVertical);
    vertical->SetBounds(left + 286, 38, 18, 90);
    vertical->SetPageSize(20);
    auto* horizontal = Make<TScrollBar>(this, left, 134, 304, 18);
    horizontal->SetPosition(30);
    horizontal->SetPageSize(10);

    auto* list = Make<TListBox>(this, left, 160, 140, 100);
    for (int i = 1; i <= 12; ++i) list->Items().Add("List item " + std::to_string(i));
    list->SetItemIndex(2);
    for (int s = 0; s < 3; ++s) {
        auto* combo = Make<TComboBox>(this, left + 150, 160 + s * 28, 154, s == 2 ? 80 : 21);
        combo->SetStyle(s == 0 ? csDropDown : s == 1 ? csDropDownList : csSimple);
        combo->Items().SetText("Red\nGreen\nBlue\n");
        combo->SetItemIndex(s);
        if (s == 0) combo->SetText("typed text");
    }
}

// A page control: a report list view with a header control above it on
// one page, a scroll box on the other.
void TGalleryForm::AddPages(int left, int top) {
    auto* pages = Make<TPageControl>(this, left, top, 304, 164);
    auto* files = new TTabSheet(this);
    files->SetCaption("Files");
    files->SetParent(pages);
    auto* scrolling = new TTabSheet(this);
    scrolling->SetCaption("Scroll box");
    scrolling->SetParent(pages);
    Rect area = files->ClientRect();
    auto* box = Make<TScrollBox>(scrolling, 4, 4, area.width() - 8, area.height() - 8);
    for (int i = 0; i < 6; ++i) {
        auto* block = Make<TPanel>(box, 10 + i * 60, 10 + i * 40, 120, 30);
        block->SetCaption("Panel " + std::to_string(i + 1));
    }
    auto* header = Make<THeaderControl>(files, 4, 4, area.width() - 8, 20);
    for (const char* text : {"Header", "control", "sections"}) {
        THeaderSection& section = header->Sections().Add();
        section.SetText(text);
        section.SetWidth(90);
    }
    auto* view = Make<TListView>(files, 4, 28, area.width() - 8, area.height() - 32);
    view->SetViewStyle(vsReport);
    view->SetRowSelect(true);
    for (const char* caption : {"Name", "Size", "Kind"}) {
        TListColumn& column = view->Columns().Add();
        column.SetCaption(caption);
        column.SetWidth(90);
    }
    view->Columns().Items(1).SetAlignment(taRightJustify);
    view->BeginUpdate();
    for (int i = 1; i <= 20; ++i) {
        TListItem& item = view->Items().Add();
        item.SetCaption("file" + std::to_string(i) + ".txt");
        item.SubItems().Add(std::to_string(i * 512) + " B");
        item.SubItems().Add("Text file");
    }
    view->EndUpdate();
    view->SetItemIndex(1);
}

// Tab controls with the tabs on each side.
void TGalleryForm::AddTabSides(int top) {
    static const char* const kSides[] = {"Top", "Bottom", "Left", "Right"};
    for (int side = tpTop; side <= tpRight; ++side) {
        auto* tabs = Make<TTabControl>(this, 8 + side * 188, top, 180, 160);
        tabs->SetTabPosition(TTabPosition(side));
        tabs->Tabs().SetText(std::string(kSides[side]) + "\nSecond\nThird\n");
        tabs->SetTabIndex(side % 3);
    }
}

// A green arrow on magenta (the transparent colour), two cells: up and disabled.
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
