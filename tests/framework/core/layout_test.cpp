#include <gtest/gtest.h>

#include "framework/core/errors.h"
#include "framework/core/layout_reader.h"
#include "framework/core/layout_writer.h"
#include "sample_components.h"

namespace korvane {
namespace {

using namespace sample;

class Layout : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterSampleClasses();
        sample_log().clear();
    }

    std::string read_error(std::string_view text) {
        try {
            CreateFromLayout(text);
        } catch (const EReadError& e) {
            return e.what();
        }
        return "no error";
    }
};

std::unique_ptr<TSampleForm> sample_tree() {
    auto form = std::make_unique<TSampleForm>(nullptr);
    form->SetName("Form1");
    auto* panel = new TSampleControl(form.get());
    panel->SetName("Panel");
    panel->SetLeft(8);
    panel->SetCaption("It's\r\n好");
    panel->SetKind(skFancy);
    panel->SetOptions({soTwo, soThree});
    panel->SetColor(rgb(0xD5, 0xDE, 0xF2));
    panel->Font().SetHeight(-12);
    panel->Font().SetName("宋体");
    panel->Font().SetStyle({fsUnderline});
    auto& first = static_cast<TSampleItem&>(panel->Items().Add());
    first.text = "a";
    first.data = {1, 2};
    panel->Items().Add();
    for (int i = 0; i < 40; ++i) panel->payload.push_back(std::uint8_t(i));
    auto* button = new TSampleControl(form.get());
    button->SetName("Button");
    button->SetParent(panel);
    button->SetVisible(false);
    button->SetColor(clRed);
    button->SetBuddy(panel);
    return form;
}

constexpr std::string_view kSampleText =
    "object Form1: TSampleForm\n"
    "  object Panel: TSampleControl\n"
    "    Left = 8\n"
    "    Caption = 'It''s'#13#10'好'\n"
    "    Kind = skFancy\n"
    "    Options = [soTwo, soThree]\n"
    "    Color = $00F2DED5\n"
    "    Font.Height = -12\n"
    "    Font.Name = '宋体'\n"
    "    Font.Style = [fsUnderline]\n"
    "    Items = <\n"
    "      item\n"
    "        Text = 'a'\n"
    "        Data = {\n"
    "          0102}\n"
    "      end\n"
    "      item\n"
    "        Data = {}\n"
    "      end>\n"
    "    Payload = {\n"
    "      000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\n"
    "      2021222324252627}\n"
    "    object Button: TSampleControl\n"
    "      Left = 0\n"
    "      Visible = False\n"
    "      Color = clRed\n"
    "      Items = <>\n"
    "      Buddy = Panel\n"
    "      Payload = {}\n"
    "    end\n"
    "  end\n"
    "end\n";

TEST_F(Layout, WriterPutsEveryKindInItsFormAndLeavesDefaultsOut) {
    EXPECT_EQ(WriteLayout(*sample_tree()), kSampleText);
}

TEST_F(Layout, ReadingBackGivesTheSameTreeAndTheSameText) {
    std::unique_ptr<TComponent> root = CreateFromLayout(kSampleText);
    EXPECT_EQ(WriteLayout(*root), kSampleText);
    auto* panel = static_cast<TSampleControl*>(root->FindComponent("Panel"));
    auto* button = static_cast<TSampleControl*>(root->FindComponent("Button"));
    ASSERT_TRUE(panel && button);
    EXPECT_EQ(panel->Caption(), "It's\r\n好");
    EXPECT_EQ(panel->payload.size(), 40u);
    EXPECT_EQ(static_cast<TSampleItem&>(panel->Items().Items(0)).data, (std::vector<std::uint8_t>{1, 2}));
    EXPECT_EQ(button->GetParentComponent(), panel);
    EXPECT_EQ(button->Buddy(), panel);
    EXPECT_TRUE(root->ComponentState().empty());
    EXPECT_TRUE(button->ComponentState().empty());
}

TEST_F(Layout, LoadedComesAfterAllPropertiesAndReferences) {
    CreateFromLayout(kSampleText);
    EXPECT_EQ(sample_log(), (std::vector<std::string>{"Panel.Caption while loading", "Form1.Loaded",
                                                      "Panel.Loaded caption=It's\r\n好",
                                                      "Button.Loaded caption= buddy=Panel"}));
}

TEST_F(Layout, ExistingComponentsAreFilledNotCreatedAgain) {
    TSampleForm form(nullptr);
    auto* panel = new TSampleControl(&form);
    panel->SetName("Panel");
    ReadLayout("object Main: TSampleForm\n object panel: TSampleControl\n  Left = -3\n end\nend\n", form);
    EXPECT_EQ(form.ComponentCount(), 1);
    EXPECT_EQ(panel->Left(), -3);
    EXPECT_EQ(form.Name(), "Main");
}

TEST_F(Layout, ValuesInOtherSpellingsAreAccepted) {
    auto root = CreateFromLayout(
        "OBJECT F: tsampleform object C: TSampleControl visible = true kind = SKBOLD color = 255 "
        "Options = [] Caption = #20320'x'#65 Font.Color = -16777201 left = $10 end end");
    auto* c = static_cast<TSampleControl*>(root->FindComponent("C"));
    EXPECT_TRUE(c->Visible());
    EXPECT_EQ(c->Kind(), skBold);
    EXPECT_EQ(c->GetColor(), clRed);
    EXPECT_TRUE(c->Options().empty());
    EXPECT_EQ(c->Caption(), "你xA");
    EXPECT_EQ(c->Font().GetColor(), clBtnFace);
    EXPECT_EQ(c->Left(), 16);
}

TEST_F(Layout, MalformedTextsFailWithTheirPosition) {
    EXPECT_EQ(read_error("object F: TSampleForm\n  object C: TSampleControl\n    Bogus = 1\n  end\nend"),
              "Line 3, column 5: Property Bogus does not exist");
    EXPECT_EQ(read_error("object F: TSampleForm\n  Tag = 'x'\nend"),
              "Line 2, column 9: Invalid value for property Tag");
    EXPECT_EQ(read_error("object F: TSampleForm\n  Tag = 2147483648\nend"),
              "Line 2, column 9: Invalid value for property Tag");
    EXPECT_EQ(read_error("object F: TSampleForm\n  Name = 'F\nend"), "Line 2, column 10: Unterminated string");
    EXPECT_EQ(read_error("object F: TMissing\nend"), "Line 1, column 11: Class TMissing not found");
    EXPECT_EQ(read_error("object F: TSampleForm\n object C: TNope\n end\nend"),
              "Line 2, column 12: Class TNope not found");
    EXPECT_EQ(read_error("object F: TSampleForm object C: TSampleControl Kind = skHuge end end"),
              "Line 1, column 55: Invalid value skHuge for property Kind");
    EXPECT_EQ(read_error("object F: TSampleForm object C: TSampleControl Options = [soOne soTwo] end end"),
              "Line 1, column 65: ',' expected");
    EXPECT_EQ(read_error("object F: TSampleForm object C: TSampleControl Payload = {0G} end end"),
              "Line 1, column 60: Invalid hexadecimal digit");
    EXPECT_EQ(read_error("object F: TSampleForm object C: TSampleControl Payload = {012} end end"),
              "Line 1, column 62: Odd number of hexadecimal digits");
    EXPECT_EQ(read_error("object F: TSampleForm object C: TSampleControl Width = 3 end end"),
              "Line 1, column 48: Property Width is read-only");
    EXPECT_EQ(read_error("object F: TSampleForm object C: TSampleControl Buddy = Nobody end end"),
              "Line 1, column 56: Component Nobody not found");
    EXPECT_EQ(read_error("object F: TSampleForm object C: TSampleControl Caption.X = 1 end end"),
              "Line 1, column 48: Property Caption has no properties");
    EXPECT_EQ(read_error("object F: TSampleForm object A: TSampleControl object B: TSampleControl\n"
                         "object a: TSampleControl end end end end"),
              "Line 2, column 11: A component named a already exists");
    EXPECT_EQ(read_error("object F: TSampleForm end end"), "Line 1, column 27: Text after the end of the layout");
    EXPECT_EQ(read_error("object F: TSampleForm Tag = 1"), "Line 1, column 30: Property name expected");
    EXPECT_EQ(read_error("object F: TSampleForm Tag ~ 1 end"), "Line 1, column 27: Unexpected character 0x7E");
}

TEST_F(Layout, AFailedReadFreesWhatItMadeAndPassesSetterFailuresOn) {
    TSampleForm form(nullptr);
    auto* kept = new TSampleControl(&form);
    kept->SetName("Kept");
    try {
        ReadLayout("object F: TSampleForm object New: TSampleControl end object Kept: TSampleControl "
                   "Name = 'new' end end",
                   form);
        FAIL();
    } catch (const EComponentError& e) {
        EXPECT_STREQ(e.what(), "A component named new already exists");
    }
    EXPECT_EQ(form.ComponentCount(), 1);
    EXPECT_TRUE(kept->ComponentState().empty());
    EXPECT_TRUE(form.ComponentState().empty());
}

TEST_F(Layout, ReferencesFromItemsOfARereadCollectionAreDropped) {
    // The first Items value is replaced by the second; its reference, which
    // names no component, goes with it instead of failing or pointing into freed items.
    auto root = CreateFromLayout(
        "object F: TSampleForm object C: TSampleControl Items = <item Link = Nowhere end> Items = <> end end");
    EXPECT_EQ(static_cast<TSampleControl*>(root->FindComponent("C"))->Items().Count(), 0);
    EXPECT_EQ(read_error("object F: TSampleForm object C: TSampleControl Items = <item Link = Nowhere end> end end"),
              "Line 1, column 69: Component Nowhere not found");
    root = CreateFromLayout(
        "object F: TSampleForm object C: TSampleControl Items = <item Link = C end> end end");
    auto* c = static_cast<TSampleControl*>(root->FindComponent("C"));
    EXPECT_EQ(static_cast<TSampleItem&>(c->Items().Items(0)).link, c);
}

TEST_F(Layout, DeeplyNestedLayoutsFailInsteadOfExhaustingTheStack) {
    std::string text = "object F: TSampleForm\n";
    for (int i = 0; i < 100; ++i) text += "object C" + std::to_string(i) + ": TSampleControl\n";
    EXPECT_EQ(read_error(text), "Line 66, column 1: Layout nested too deeply");
}

}  // namespace
}  // namespace korvane
