#include "framework/win/shortcut.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(ShortCutTest, TextNamesTheModifiersInOrderThenTheKey) {
    EXPECT_EQ(ShortCut('O', scCtrl), 0x404F);
    EXPECT_EQ(ShortCutToText(ShortCut('O', scCtrl)), "Ctrl+O");
    EXPECT_EQ(ShortCutToText(ShortCut('S', scShift | scCtrl | scAlt)), "Shift+Ctrl+Alt+S");
    EXPECT_EQ(ShortCutToText(ShortCut('7', scAlt)), "Alt+7");
    EXPECT_EQ(ShortCutToText(ShortCut(0x74, scNone)), "F5");
    EXPECT_EQ(ShortCutToText(ShortCut(0x87, scShift)), "Shift+F24");
    EXPECT_EQ(ShortCutToText(ShortCut(0x2E, scCtrl)), "Ctrl+Del");
    EXPECT_EQ(ShortCutToText(ShortCut(0x0D, scNone)), "Enter");
}

TEST(ShortCutTest, NoShortcutAndKeysWithoutANameHaveNoText) {
    EXPECT_EQ(ShortCutToText(scNone), "");
    EXPECT_EQ(ShortCutToText(scCtrl), "");                    // a modifier alone
    EXPECT_EQ(ShortCutToText(ShortCut(0xBA, scCtrl)), "");    // an OEM key
    EXPECT_EQ(ShortCutToText(ShortCut('a', scNone)), "");     // virtual keys of letters are capitals
}

}  // namespace
}  // namespace korvane
