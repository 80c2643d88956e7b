#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/file_io.h"
#include "framework/core/class_registry.h"
#include "framework/core/layout_reader.h"
#include "framework/core/layout_writer.h"
#include "framework/win/buttons.h"
#include "framework/win/comctrls.h"
#include "framework/win/dialogs.h"
#include "framework/win/extctrls.h"
#include "framework/win/resources.h"
#include "framework/win/stdctrls.h"
#include "window_test_support.h"

namespace korvane::testing {
namespace {

// A label that notes what it looked like when Loaded ran.
class TProbeLabel : public TLabel {
public:
    static constexpr std::string_view kClassName = "TProbeLabel";
    explicit TProbeLabel(TComponent* owner) : TLabel(owner) {}
    std::string_view ClassName() const override { return kClassName; }

    bool loaded = false;
    bool loading_at_loaded = false;
    std::string caption_at_loaded;
    TWinControl* parent_at_loaded = nullptr;

protected:
    void Loaded() override {
        loading_at_loaded = ComponentState().contains(csLoading);
        TLabel::Loaded();
        loaded = true;
        caption_at_loaded = Caption();
        parent_at_loaded = Parent();
    }
};

// The form whose layout is the RCDATA resource "TLAYOUTFORM" of the test program.
class TLayoutForm : public TForm {
public:
    static constexpr std::string_view kClassName = "TLayoutForm";
    explicit TLayoutForm(TComponent* owner) : TForm(owner) {
        OnCreate = [this](TObject*) {
            // OnCreate comes after the layout: the components are there.
            created_with_label = FindComponent("Label1") != nullptr;
        };
    }
    std::string_view ClassName() const override { return kClassName; }
    bool created_with_label = false;
};

using LayoutTest = FrameworkTest;

TEST_F(LayoutTest, StoredLayoutFromResourceSetsPropertiesAndCallsLoaded) {
    RegisterComponentClass<TProbeLabel>();
    auto* form = app_->CreateForm<TLayoutForm>();
    EXPECT_TRUE(form->created_with_label);
    EXPECT_EQ(form->Caption(), "Layout test");
    EXPECT_EQ(form->BorderStyle(), bsSingle);
    EXPECT_EQ(form->BorderIcons(), (TBorderIcons{biSystemMenu, biMinimize}));
    EXPECT_EQ(form->Font().Charset(), 134);

    auto* panel = dynamic_cast<TPanel*>(form->FindComponent("Panel1"));
    auto* label = dynamic_cast<TProbeLabel*>(form->FindComponent("Label1"));
    auto* text = dynamic_cast<TStaticText*>(form->FindComponent("stSFile"));
    auto* button = dynamic_cast<TButton*>(form->FindComponent("Button1"));
    auto* save = dynamic_cast<TSaveDialog*>(form->FindComponent("SaveDlg"));
    ASSERT_TRUE(panel && label && text && button && save);
    EXPECT_EQ(panel->Parent(), form);
    EXPECT_EQ(panel->BevelOuter(), bvNone);
    EXPECT_EQ(label->Parent(), panel);
    EXPECT_EQ(label->Font().Name(), "SimSun");
    EXPECT_FALSE(label->ParentFont());
    EXPECT_EQ(text->BoundsRect(), Rect::from_size(94, 16, 171, 17));
    EXPECT_EQ(text->BorderStyle(), sbsSunken);
    EXPECT_EQ(text->GetColor(), clBtnHighlight);
    EXPECT_EQ(button->TabOrder(), 0);
    EXPECT_EQ(text->TabOrder(), 1);
    EXPECT_EQ(save->Filter(), "Bmp files(*.bmp)|*.bmp");
    EXPECT_EQ(save->Options(), (TOpenOptions{ofHideReadOnly, ofPathMustExist, ofEnableSizing}));

    // Loaded ran once everything was read, with the loading state still set.
    EXPECT_TRUE(label->loaded);
    EXPECT_TRUE(label->loading_at_loaded);
    EXPECT_EQ(label->caption_at_loaded, "Source");
    EXPECT_EQ(label->parent_at_loaded, panel);
    EXPECT_FALSE(label->ComponentState().contains(csLoading));

    // The main form centres on the main form, itself: it stays where it was designed.
    form->Show();
    EXPECT_EQ(form->Left(), 250);
    EXPECT_EQ(form->Top(), 115);
    EXPECT_EQ(form->ClientRect().size(), (Size{344, 119}));
    EXPECT_EQ(ClassNameOf(form->Handle()), L"TLayoutForm");
}

TEST_F(LayoutTest, ControlsWriteAndReadBackTheSameLayout) {
    auto* form = app_->CreateForm<TForm>();
    form->SetName("Gallery");
    form->SetCaption("\xE6\x96\x87\xE6\x9C\xAC");  // UTF-8 text
    form->SetBorderStyle(bsDialog);
    form->SetBorderIcons({biSystemMenu});
    form->SetClientSize({300, 200});
    auto* panel = new TPanel(form);
    panel->SetName("Panel1");
    panel->SetParent(form);
    panel->SetBevelOuter(bvLowered);
    panel->SetBorderWidth(2);
    auto* label = new TLabel(form);
    label->SetName("Label1");
    label->SetParent(panel);
    label->SetCaption("&Name");
    label->SetTransparent(true);
    label->Font().SetStyle({fsUnderline});
    label->SetCursor(crHandPoint);
    auto* button = new TBitBtn(form);
    button->SetName("BitBtn1");
    button->SetParent(panel);
    button->SetLayout(blGlyphTop);
    button->SetMargin(3);
    button->Glyph().SetSize(2, 1);
    button->Glyph().MutableView().at(1, 0) = pixel_rgb(255, 0, 0);
    label->SetFocusControl(button);
    auto* progress = new TProgressBar(form);
    progress->SetName("ProgressBar1");
    progress->SetParent(form);
    progress->SetPosition(30);
    auto* open = new TOpenDialog(form);
    open->SetName("OpenDlg");
    open->SetOptions({ofFileMustExist, ofEnableSizing});

    const std::string text = WriteLayout(*form);
    TForm copy(nullptr);
    ReadLayout(text, copy);
    EXPECT_EQ(WriteLayout(copy), text);
    auto* glyph_button = dynamic_cast<TBitBtn*>(copy.FindComponent("BitBtn1"));
    ASSERT_NE(glyph_button, nullptr);
    EXPECT_EQ(rgb_of(glyph_button->Glyph().View().at(1, 0)), 0xFF0000u);
    EXPECT_EQ(dynamic_cast<TLabel*>(copy.FindComponent("Label1"))->FocusControl(), glyph_button);
}

TEST_F(LayoutTest, ResourceBytesAreTheFileCompiledIn) {
    auto bytes = FindResourceBytes(L"TLAYOUTFORM", MAKEINTRESOURCEW(10));
    ASSERT_TRUE(bytes.has_value());
    std::string file = read_file(KORVANE_TEST_DATA "/../framework/win/layout_form.txt");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()), file);
    EXPECT_FALSE(FindResourceBytes(L"TNOSUCHFORM", MAKEINTRESOURCEW(10)).has_value());
}

TEST_F(LayoutTest, AFormWithoutALayoutResourceIsLeftAsConstructed) {
    auto* form = app_->CreateForm<TForm>();
    EXPECT_EQ(form->ComponentCount(), 0);
    EXPECT_EQ(form->Caption(), "");
}

}  // namespace
}  // namespace korvane::testing
