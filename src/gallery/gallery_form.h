#pragma once
// The gallery form: one of each framework control on one form, to look at the
// framework and at the skin on top of it.

#include <string_view>
#include <vector>

#include "framework/win/form.h"

namespace korvane {

class TProgressBar;
class TStaticText;
class TOpenDialog;
class TTimer;
class TBitmap;

class TGalleryForm : public TForm {
public:
    static constexpr std::string_view kClassName = "TGalleryForm";

    explicit TGalleryForm(TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }

    // What its buttons open, each in its modal loop: a framework message
    // dialog, and the open dialog (the file chosen goes to the status line).
    void ShowMessageDialog();
    void ShowOpenDialog();

    // Gives the texts that stand on the form's face (labels, the status line,
    // the radio buttons outside a group) `colour`: the skin's button-text
    // colour while a skin is worn, so that they read on a dark face too. Texts
    // on a field of their own colour keep theirs.
    void SetFaceTextColour(Color colour);

private:
    template <class C>
    C* Make(TWinControl* parent, int x, int y, int w, int h);
    // Check boxes, radio buttons, a radio group, speed buttons, a track bar
    // and the status bar, from `top` down.
    void AddChoices(int top);
    // Edits, a memo, lists and scroll bars, in a column from `left`.
    void AddTexts(int left);
    // A page control: a report list view under a header control, a scroll box.
    void AddPages(int left, int top);
    // Tab controls with the tabs on each side.
    void AddTabSides(int top);
    // A green arrow on magenta (the transparent colour), two cells: up and disabled.
    static void DrawArrowGlyph(TBitmap& glyph);
    // A monochrome page: a frame and a checker pattern of ink on paper.
    static void DrawCheckerPage(TBitmap& page);

    TProgressBar* progress_;
    TStaticText* status_;
    TOpenDialog* dialog_;
    TTimer* timer_;
    std::vector<TControl*> face_texts_;
};

}  // namespace korvane
