#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/win/extctrls.h"
#include "framework/win/stdctrls.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

using FormsTest = FrameworkTest;

TEST_F(FormsTest, PositionCentresOnTheMainFormOrTheScreen) {
    auto* main = app_->CreateForm<TForm>();
    main->SetBounds(100, 100, 400, 300);
    main->Show();
    auto* centred = app_->CreateForm<TForm>();
    centred->SetPosition(poMainFormCenter);
    centred->SetBounds(0, 0, 200, 100);
    centred->Show();
    EXPECT_EQ(centred->BoundsRect(), Rect::from_size(200, 200, 200, 100));
    // Shown again later, it keeps the place it has.
    centred->Hide();
    centred->SetLeft(10);
    centred->Show();
    EXPECT_EQ(centred->Left(), 10);

    auto* on_screen = app_->CreateForm<TForm>();
    on_screen->SetPosition(poScreenCenter);
    on_screen->SetBounds(0, 0, 300, 200);
    on_screen->Show();
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(on_screen->Left(), work.left + (work.right - work.left - on_screen->Width()) / 2);
    EXPECT_EQ(on_screen->Top(), work.top + (work.bottom - work.top - on_screen->Height()) / 2);
}

TEST_F(FormsTest, CloseHidesOrFreesAsOnCloseSaysAndClosingTheMainFormEndsTheProgram) {
    auto* main = app_->CreateForm<TForm>();
    auto* hidden = app_->CreateForm<TForm>();
    auto* freed = app_->CreateForm<TForm>();
    freed->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    bool freed_destroyed = false;
    freed->OnDestroy = [&](TObject*) { freed_destroyed = true; };
    for (TForm* f : {main, hidden, freed}) f->Show();

    SendMessageW(hidden->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(hidden->Visible());
    EXPECT_FALSE(IsWindowVisible(hidden->Handle()));
    EXPECT_EQ(Screen->FormCount(), 3);

    SendMessageW(freed->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(freed_destroyed);  // freed once the current message is done
    PumpUntil([&] { return freed_destroyed; });
    EXPECT_TRUE(freed_destroyed);
    EXPECT_EQ(Screen->FormCount(), 2);

    EXPECT_FALSE(app_->Terminated());
    main->Close();
    EXPECT_TRUE(app_->Terminated());
}

TEST_F(FormsTest, ShowModalEndsWithTheModalResultOfTheButtonPressed) {
    auto* main = app_->CreateForm<TForm>();
    main->Show();
    auto* dialog = NewForm<TForm>(main);
    auto* ok = new TButton(dialog);
    ok->SetParent(dialog);
    ok->SetModalResult(mrOk);
    bool main_enabled_meanwhile = true;
    dialog->OnShow = [&](TObject*) {
        main_enabled_meanwhile = IsWindowEnabled(main->Handle());
        PostMessageW(ok->Handle(), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_FALSE(main_enabled_meanwhile);
    EXPECT_TRUE(IsWindowEnabled(main->Handle()));
    EXPECT_FALSE(dialog->Visible());
}

TEST_F(FormsTest, ParentFontAndColourFlowDownUntilAControlSetsItsOwn) {
    auto* form = app_->CreateForm<TForm>();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* inherits = new TLabel(form);
    inherits->SetParent(panel);
    auto* own = new TLabel(form);
    own->SetParent(panel);
    own->Font().SetName("Courier New");
    EXPECT_FALSE(own->ParentFont());

    form->Font().SetHeight(-20);
    form->SetColor(rgb(1, 2, 3));
    EXPECT_EQ(panel->Font().Height(), -20);
    EXPECT_EQ(inherits->Font().Height(), -20);
    EXPECT_TRUE(inherits->ParentFont());
    EXPECT_EQ(own->Font().Height(), -11);
    EXPECT_EQ(inherits->GetColor(), rgb(1, 2, 3));

    inherits->SetColor(clWindow);
    EXPECT_FALSE(inherits->ParentColor());
    form->SetColor(rgb(4, 5, 6));
    EXPECT_EQ(inherits->GetColor(), clWindow);
    inherits->SetParentColor(true);
    EXPECT_EQ(inherits->GetColor(), rgb(4, 5, 6));
}

TEST_F(FormsTest, AutoSizedLabelFitsItsTextAndRightAlignedKeepsItsRightEdge) {
    auto* form = app_->CreateForm<TForm>();
    auto* left = new TLabel(form);
    left->SetParent(form);
    left->SetBounds(10, 10, 200, 50);
    left->SetCaption("Some text");
    Size text = MeasureText(left->Font(), "Some text", DT_SINGLELINE);
    EXPECT_EQ(left->BoundsRect(), Rect::from_size(10, 10, text.width, text.height));

    auto* right = new TLabel(form);
    right->SetParent(form);
    right->SetAlignment(taRightJustify);
    right->SetAutoSize(false);
    right->SetBounds(10, 40, 200, 20);
    right->SetAutoSize(true);
    right->SetCaption("Some text");
    EXPECT_EQ(right->BoundsRect().right, 210);
    EXPECT_EQ(right->Width(), text.width);
}

TEST_F(FormsTest, LabelAcceleratorFocusesItsFocusControlAndDisabledLabelsTakeNoMouse) {
    auto* form = app_->CreateForm<TForm>();
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption("&Source");
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(100, 100, 75, 25);
    label->SetFocusControl(button);
    form->Show();
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'S'), 1);
    EXPECT_TRUE(button->Focused());
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'x'), 0);

    delete button;  // the label forgets a focus control that goes away
    EXPECT_EQ(label->FocusControl(), nullptr);

    std::vector<UINT> seen;
    WindowProcHook hook(*label, [&](TMessage& m, const TWndMethod& next) {
        seen.push_back(m.Msg);
        next(m);
    });
    label->SetEnabled(false);
    EXPECT_EQ(seen, (std::vector<UINT>{CM_ENABLEDCHANGED}));
    EXPECT_EQ(form->ControlAtPos({2, 2}), nullptr);
    EXPECT_EQ(form->ControlAtPos({2, 2}, true), label);
}

TEST_F(FormsTest, PanelPaintsItsBevelsAndStaticTextAnswersItsColours) {
    auto* form = app_->CreateForm<TForm>();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 40, 30);
    panel->SetColor(rgb(0, 128, 0));
    panel->SetCaption("");
    auto* text = new TStaticText(form);
    text->SetParent(form);
    text->SetColor(rgb(10, 20, 30));
    text->Font().SetColor(rgb(200, 100, 50));
    form->Show();

    TBitmap target;
    target.SetSize(40, 30);
    panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(target.Canvas().Handle()));
    auto pixel_of = [](Color c) { return rgb_of(to_pixel(Color(ColorToRGB(c)))); };
    ImageView v = target.View();
    EXPECT_EQ(rgb_of(v.at(0, 0)), pixel_of(clBtnHighlight));   // raised: light top-left
    EXPECT_EQ(rgb_of(v.at(39, 29)), pixel_of(clBtnShadow));    // dark bottom-right
    EXPECT_EQ(rgb_of(v.at(20, 15)), pixel_of(rgb(0, 128, 0))); // the face

    TBitmap dc_holder;
    dc_holder.SetSize(1, 1);
    HDC dc = dc_holder.Canvas().Handle();
    LRESULT brush = SendMessageW(form->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(text->Handle()));
    LOGBRUSH lb{};
    ASSERT_NE(GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof(lb), &lb), 0);
    EXPECT_EQ(lb.lbColor, RGB(10, 20, 30));
    EXPECT_EQ(GetTextColor(dc), RGB(200, 100, 50));
    EXPECT_EQ(GetBkColor(dc), RGB(10, 20, 30));
}

TEST_F(FormsTest, TabMovesTheFocusInTabOrderAndActivationFocusesTheFirstStop) {
    auto* form = app_->CreateForm<TForm>();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 200, 100);
    auto* second = new TButton(form);
    second->SetParent(panel);
    second->SetBounds(10, 50, 75, 25);
    auto* first = new TButton(form);
    first->SetParent(panel);
    first->SetBounds(10, 10, 75, 25);
    first->SetTabOrder(0);
    EXPECT_EQ(second->TabOrder(), 1);
    form->Show();
    Pump();
    EXPECT_TRUE(first->Focused());
    PostMessageW(first->Handle(), WM_KEYDOWN, VK_TAB, 0);
    Pump();
    EXPECT_TRUE(second->Focused());
}

TEST_F(FormsTest, DoubleBufferedPaintingLooksTheSameWithItsWindowlessChildren) {
    auto* form = app_->CreateForm<TForm>();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 60, 40);
    panel->SetColor(rgb(0, 128, 0));
    auto* label = new TLabel(form);
    label->SetParent(panel);
    label->SetBounds(5, 5, 30, 20);
    label->SetAutoSize(false);
    label->SetColor(rgb(255, 0, 0));
    form->Show();

    auto paint = [&](bool buffered) {
        panel->SetDoubleBuffered(buffered);
        TBitmap target;
        target.SetSize(60, 40);
        panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(target.Canvas().Handle()));
        return Image::copy_of(target.View());
    };
    Image direct = paint(false);
    Image buffered = paint(true);
    EXPECT_EQ(rgb_of(direct.at(10, 10)), 0xFF0000u);  // the label's face
    EXPECT_EQ(rgb_of(direct.at(50, 30)), 0x008000u);  // the panel's face
    EXPECT_EQ(direct, buffered);
}

}  // namespace
}  // namespace korvane::testing
