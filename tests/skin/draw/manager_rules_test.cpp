#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/draw/manager_rules.h"

namespace korvane {
namespace {

TEST(CreationVerdict, ScrollBarsAreRefusedOnlyUnderASkinnedParentWhateverTheCase) {
    EXPECT_EQ(creation_verdict("ScrollBar", true), CreationVerdict::Refuse);
    EXPECT_EQ(creation_verdict("SCROLLBAR", true), CreationVerdict::Refuse);
    EXPECT_EQ(creation_verdict("scrollbar", true), CreationVerdict::Refuse);
    EXPECT_EQ(creation_verdict("ScrollBar", false), CreationVerdict::Allow);
    EXPECT_EQ(creation_verdict("ScrollBars", true), CreationVerdict::Allow);
    EXPECT_EQ(creation_verdict("Button", true), CreationVerdict::Allow);
}

TEST(CreationVerdict, PopupMenuWindowsAreRecordedUnderAnyParent) {
    EXPECT_EQ(creation_verdict("#32768", false), CreationVerdict::Popup);
    EXPECT_EQ(creation_verdict("#32768", true), CreationVerdict::Popup);
    EXPECT_EQ(creation_verdict("#32770", false), CreationVerdict::Allow);
}

// Window style bits as Win32 defines them, written out: this test runs without <windows.h>.
constexpr std::uint32_t kVisible = 0x10000000, kChild = 0x40000000, kCaption = 0x00C00000, kBorder = 0x00800000,
                        kPopup = 0x80000000, kOverlappedWindow = 0x00CF0000, kDialogFrame = 0x00400000;
constexpr std::uint32_t kNoActivate = 0x08000000, kToolWindow = 0x00000080, kTopmost = 0x00000008;

TEST(ScanOffersWindow, ShownTopLevelWindowsWithATitleBarThatCanBeActivated) {
    // Main windows, message boxes and dialogs, tool windows.
    EXPECT_TRUE(scan_offers_window(kVisible | kOverlappedWindow, 0));
    EXPECT_TRUE(scan_offers_window(kVisible | kPopup | kCaption, 0));
    EXPECT_TRUE(scan_offers_window(kVisible | kCaption, kToolWindow));
    // Hidden, a child (an MDI child is the scan of the forms' own), refusing activation.
    EXPECT_FALSE(scan_offers_window(kOverlappedWindow, 0));
    EXPECT_FALSE(scan_offers_window(kVisible | kChild | kOverlappedWindow, 0));
    EXPECT_FALSE(scan_offers_window(kVisible | kOverlappedWindow, kNoActivate));
    // No title bar: popup menus, tool tips, drop-down lists; half of the
    // caption bits is a border or a dialog frame only.
    EXPECT_FALSE(scan_offers_window(kVisible | kPopup, kTopmost | kToolWindow));
    EXPECT_FALSE(scan_offers_window(kVisible | kPopup | kBorder, kToolWindow));
    EXPECT_FALSE(scan_offers_window(kVisible | kPopup | kDialogFrame, 0));
}

// A window whose facts are set by the test; it logs each question asked.
struct FakeWindow : SkinCandidate {
    bool answers_query = false, skinned = false, form = true, mdi_child = false, area = true;
    int tag = 0;
    std::string class_name = "TForm1";
    bool form_skin = true, skin_data = true;
    std::vector<std::string> asked;

    bool AnswersSkinQuery() override { return note("query", answers_query); }
    bool AlreadySkinned() override { return note("skinned", skinned); }
    bool HasForm() override { return note("form", form); }
    bool IsMdiChild() override { return note("mdi", mdi_child); }
    bool HasArea() override { return note("area", area); }
    int FormTag() override {
        asked.push_back("tag");
        return tag;
    }
    std::string ClassName() override {
        asked.push_back("class");
        return class_name;
    }
    bool AskFormSkin(const std::string& name) override { return note("ask " + name, form_skin); }
    bool HasLoadedSkinData() override { return note("data", skin_data); }

    bool note(const std::string& what, bool answer) {
        asked.push_back(what);
        return answer;
    }
};

using Log = std::vector<std::string>;

TEST(SkinRefusal, AWindowPassingEveryConditionIsAskedEachQuestionOnceInOrder) {
    FakeWindow w;
    EXPECT_EQ(skin_refusal(true, false, w), SkinRefusal::None);
    EXPECT_EQ(w.asked, (Log{"query", "skinned", "form", "mdi", "area", "tag", "class", "ask TForm1", "data"}));
}

TEST(SkinRefusal, EachFailedConditionStopsTheQuestionsThere) {
    FakeWindow off;
    EXPECT_EQ(skin_refusal(false, false, off), SkinRefusal::Disabled);
    EXPECT_EQ(off.asked, Log{});

    FakeWindow answering;
    answering.answers_query = true;
    EXPECT_EQ(skin_refusal(true, false, answering), SkinRefusal::AnswersSkinQuery);
    EXPECT_EQ(answering.asked, Log{"query"});

    FakeWindow skinned;
    skinned.skinned = true;
    EXPECT_EQ(skin_refusal(true, false, skinned), SkinRefusal::AlreadySkinned);
    EXPECT_EQ(skinned.asked, (Log{"query", "skinned"}));

    FakeWindow empty;
    empty.area = false;
    EXPECT_EQ(skin_refusal(true, false, empty), SkinRefusal::NoArea);
    EXPECT_EQ(empty.asked, (Log{"query", "skinned", "form", "mdi", "area"}));

    FakeWindow refused;
    refused.form_skin = false;
    EXPECT_EQ(skin_refusal(true, false, refused), SkinRefusal::FormSkinRefused);
    EXPECT_EQ(refused.asked.back(), "ask TForm1");

    FakeWindow no_data;
    no_data.skin_data = false;
    EXPECT_EQ(skin_refusal(true, false, no_data), SkinRefusal::NoSkinData);
}

TEST(SkinRefusal, Tag99IsNeverSkinnedOnAFormOnly) {
    FakeWindow form;
    form.tag = 99;
    EXPECT_EQ(skin_refusal(true, false, form), SkinRefusal::NeverSkinTag);
    EXPECT_EQ(form.asked.back(), "tag");

    FakeWindow other_tag;
    other_tag.tag = 199;
    EXPECT_EQ(skin_refusal(true, false, other_tag), SkinRefusal::None);

    FakeWindow dialog;  // no framework form: its tag is never asked
    dialog.form = false;
    dialog.tag = 99;
    dialog.class_name = "#32770";
    EXPECT_EQ(skin_refusal(true, false, dialog), SkinRefusal::None);
    EXPECT_EQ(dialog.asked, (Log{"query", "skinned", "form", "mdi", "area", "class", "ask #32770", "data"}));
}

TEST(SkinRefusal, MdiChildrenAreLeftToTheScanOfAllForms) {
    FakeWindow child;
    child.mdi_child = true;
    EXPECT_EQ(skin_refusal(true, false, child), SkinRefusal::MdiChild);
    child.asked.clear();
    EXPECT_EQ(skin_refusal(true, true, child), SkinRefusal::None);
    EXPECT_EQ(child.asked, (Log{"query", "skinned", "form", "area", "tag", "class", "ask TForm1", "data"}));
}

TEST(SkinRefusal, TheApplicationWindowIsNeverAskedAbout) {
    FakeWindow application;
    application.form = false;
    application.class_name = "TApplication";
    EXPECT_EQ(skin_refusal(true, false, application), SkinRefusal::ApplicationWindow);
    EXPECT_EQ(application.asked.back(), "class");
}

TEST(ChooseSkinData, AnOnlyThisFormComponentOfTheWindowsFormWinsTheLastOne) {
    const SkinDataFacts list[] = {
        {sfMainform, false}, {sfOnlyThisForm, true}, {sfDialog, false}, {sfOnlyThisForm, true}, {sfOnlyThisForm, false}};
    EXPECT_EQ(choose_skin_data(list, "TForm1"), 3);
    EXPECT_EQ(choose_skin_data(list, "#32770"), 3);
}

TEST(ChooseSkinData, DialogsTakeTheLastDialogComponentOthersTheLastMainOne) {
    const SkinDataFacts list[] = {
        {sfMainform, false}, {sfDialog, false}, {sfMainform, false}, {sfDialog, false}, {sfOnlyThisForm, false}};
    EXPECT_EQ(choose_skin_data(list, "#32770"), 3);
    EXPECT_EQ(choose_skin_data(list, "TMessageForm"), 3);
    EXPECT_EQ(choose_skin_data(list, "tmessageform"), 3);
    EXPECT_EQ(choose_skin_data(list, "TForm1"), 2);
    EXPECT_EQ(choose_skin_data(list, "#32771"), 2);
}

TEST(ChooseSkinData, DialogsWithoutADialogComponentTakeTheMainOne) {
    const SkinDataFacts list[] = {{sfOnlyThisForm, false}, {sfMainform, false}};
    EXPECT_EQ(choose_skin_data(list, "#32770"), 1);
}

TEST(ChooseSkinData, WithoutAMatchTheFirstComponentServesAndAnEmptyListNone) {
    const SkinDataFacts others[] = {{sfOnlyThisForm, false}, {sfDialog, false}};
    EXPECT_EQ(choose_skin_data(others, "TForm1"), 0);
    EXPECT_EQ(choose_skin_data(std::span<const SkinDataFacts>(), "TForm1"), -1);
}

TEST(FormSkinJudge, TheFirstMainComponentIsAsked) {
    const SkinDataFacts list[] = {{sfDialog, false}, {sfMainform, false}, {sfMainform, false}};
    EXPECT_EQ(form_skin_judge(list), 1);
    const SkinDataFacts none[] = {{sfDialog, false}, {sfOnlyThisForm, true}};
    EXPECT_EQ(form_skin_judge(none), -1);
}

TEST(SkinActionSchedule, BeforeAnyActivationActivateAndDeactivateSwitchAtOnce) {
    SkinActionSchedule schedule;
    EXPECT_FALSE(schedule.Schedule(SkinAction::Activate));
    EXPECT_TRUE(schedule.Enabled());
    EXPECT_FALSE(schedule.Schedule(SkinAction::Refresh));
    EXPECT_TRUE(schedule.Enabled());
    EXPECT_FALSE(schedule.Schedule(SkinAction::Deactivate));
    EXPECT_FALSE(schedule.Enabled());
}

TEST(SkinActionSchedule, AfterTheFirstActivationActionsWaitForTheTimerAndTheLastWins) {
    SkinActionSchedule schedule;
    schedule.NoteActivation();
    schedule.NoteActivation();
    EXPECT_EQ(schedule.ActivationCount(), 1);
    EXPECT_TRUE(schedule.Schedule(SkinAction::Deactivate));
    EXPECT_TRUE(schedule.Schedule(SkinAction::Activate));
    EXPECT_FALSE(schedule.Enabled());
    EXPECT_EQ(schedule.TakePending(), SkinAction::Activate);
    EXPECT_TRUE(schedule.Enabled());
    EXPECT_EQ(schedule.TakePending(), SkinAction::None);

    EXPECT_TRUE(schedule.Schedule(SkinAction::Deactivate));
    EXPECT_TRUE(schedule.Enabled());
    EXPECT_EQ(schedule.TakePending(), SkinAction::Deactivate);
    EXPECT_FALSE(schedule.Enabled());
}

TEST(SkinActionSchedule, AComponentOfAnotherTypeAlsoStartsTheDeferredMode) {
    SkinActionSchedule schedule;
    schedule.RaiseActivationCount();
    schedule.RaiseActivationCount();
    EXPECT_EQ(schedule.ActivationCount(), 2);
    schedule.NoteActivation();
    EXPECT_EQ(schedule.ActivationCount(), 2);
    EXPECT_TRUE(schedule.Schedule(SkinAction::Refresh));
}

}  // namespace
}  // namespace korvane
