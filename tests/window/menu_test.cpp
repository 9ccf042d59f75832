#include "base/window/menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The texts of the menu's items in position order; a separator reads "|".
std::vector<std::string> Texts(HMENU menu)
{
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoA(menu, i, TRUE, &info);
        if (info.fType & MFT_SEPARATOR) {
            texts.push_back("|");
            continue;
        }
        char text[64] = {};
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        texts.push_back(text);
    }
    return texts;
}

UINT State(HMENU menu, int position)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    GetMenuItemInfoA(menu, position, TRUE, &info);
    return info.fState;
}

TEST(MenuItems, TheFirstAppendMakesTheMenu)
{
    MenuItems bar;
    PopupMenuItems popup;
    EXPECT_EQ(bar.Hmenu(), nullptr);
    EXPECT_EQ(bar.Count.Count(), 0);
    ASSERT_TRUE(bar.Append("one", 1));
    ASSERT_TRUE(popup.Append("設定(&S)", 0x2000));
    ASSERT_TRUE(popup.Append("終了(&E)", 0x1000));
    EXPECT_TRUE(IsMenu(bar.Hmenu()));
    EXPECT_TRUE(IsMenu(popup.Hmenu()));
    EXPECT_EQ(bar.Count.Count(), 1);
    EXPECT_EQ(popup.Count.Count(), 2);
    EXPECT_EQ(popup.ItemAt(1).Text.Get(), "終了(&E)");
    EXPECT_EQ(popup.ItemAt(1).Id.Get(), 0x1000u);
    DestroyMenu(bar.Hmenu());
    DestroyMenu(popup.Hmenu());
}

TEST(MenuItem, InsertGoesBeforeTheItemAndTakesADashForASeparator)
{
    PopupMenuItems menu;
    menu.Append("a", 1);
    menu.Append("b", 2);
    ASSERT_TRUE(menu.ItemAt(1).Insert("x", 5));
    ASSERT_TRUE(menu.ItemAt(1).Insert("-", 6));
    menu.Append("-", 7);
    EXPECT_EQ(Texts(menu.Hmenu()), (std::vector<std::string>{"a", "|", "x", "b", "-"}))
        << "Insert makes a separator of \"-\"; Append keeps it as text";
    EXPECT_EQ(menu.ItemAt(2).Id.Get(), 5u);

    ASSERT_TRUE(menu.ItemAt(0).Delete());
    EXPECT_EQ(Texts(menu.Hmenu()), (std::vector<std::string>{"|", "x", "b", "-"}));
    DestroyMenu(menu.Hmenu());
}

TEST(MenuItems, LooksItemsUpByPositionIdAndText)
{
    PopupMenuItems menu;
    menu.Append("Open", 10);
    menu.Append("open", 20);
    menu.Append("Again", 10);
    EXPECT_EQ(menu.ItemById(10).Position(), 0) << "the lower position wins";
    EXPECT_EQ(menu.ItemById(20).Position(), 1);
    EXPECT_FALSE(menu.ItemById(30).IsAttached());
    EXPECT_EQ(menu.ItemByText("open").Position(), 1) << "exact, case-sensitive";
    EXPECT_FALSE(menu.ItemByText("OPEN").IsAttached());
    EXPECT_EQ(menu.ItemAt(2).Text.Get(), "Again");
    DestroyMenu(menu.Hmenu());
}

TEST(MenuItem, ADetachedItemGivesEmptyValuesAndChangesNothing)
{
    PopupMenuItems menu;
    menu.Append("only", 1);
    menu.ItemAt(0).Checked.Set(true);
    for (int32_t position : {1, -1}) {
        MenuItem item = menu.ItemAt(position);
        EXPECT_FALSE(item.IsAttached());
        EXPECT_EQ(item.Position(), -1);
        EXPECT_FALSE(item.Checked.Get());
        EXPECT_FALSE(item.Enabled.Get());
        EXPECT_FALSE(item.RightOder.Get());
        EXPECT_EQ(item.Text.Get(), "");
        EXPECT_EQ(item.Id.Get(), kNoMenuItemId);
        EXPECT_EQ(item.Tag.Get(), 0u);
        EXPECT_FALSE(item.Checked.Set(false));
        EXPECT_FALSE(item.Enabled.Set(false));
        EXPECT_FALSE(item.Text.SetText("x"));
        EXPECT_FALSE(item.Tag.Set(9));
        EXPECT_FALSE(item.Insert("x", 2));
        EXPECT_FALSE(item.Delete());
    }
    EXPECT_EQ(Texts(menu.Hmenu()), std::vector<std::string>{"only"});
    EXPECT_EQ(State(menu.Hmenu(), 0), static_cast<UINT>(MFS_CHECKED));
    DestroyMenu(menu.Hmenu());
}

TEST(MenuItem, StateSettersWriteTheWholeState)
{
    PopupMenuItems menu;
    menu.Append("item", 1);
    MenuItem item = menu.ItemAt(0);
    EXPECT_TRUE(item.Enabled.Get());
    ASSERT_TRUE(item.Enabled.Set(false));
    EXPECT_EQ(State(menu.Hmenu(), 0) & (MFS_GRAYED | MFS_DISABLED), static_cast<UINT>(MFS_GRAYED | MFS_DISABLED));
    EXPECT_FALSE(item.Enabled.Get());

    ASSERT_TRUE(item.Checked.Set(true));
    EXPECT_TRUE(item.Checked.Get());
    EXPECT_TRUE(item.Enabled.Get()) << "checking cleared the grayed state";

    ASSERT_TRUE(item.Enabled.Set(true));
    EXPECT_FALSE(item.Checked.Get()) << "enabling removed the check";

    // A copy names the same item.
    MenuItem copy = item;
    ASSERT_TRUE(copy.Checked.Set(true));
    EXPECT_TRUE(item.Checked.Get());
    DestroyMenu(menu.Hmenu());
}

TEST(MenuItem, TextIdTagAndRightJustification)
{
    MenuItems menu;
    menu.Append("old", 42);
    MenuItem item = menu.ItemAt(0);
    ASSERT_TRUE(item.Text.SetText("new"));
    EXPECT_EQ(item.Text.Get(), "new");
    ASSERT_TRUE(item.Text.Format("%s %d", "page", 3));
    EXPECT_EQ(item.Text.Get(), "page 3");
    item.Text.SetText(std::string(600, 't').c_str());
    EXPECT_EQ(item.Text.Get(), std::string(511, 't')) << "read into 512 bytes";
    EXPECT_EQ(item.Id.Get(), 42u);

    ASSERT_TRUE(item.Tag.Set(0xBEEF));
    EXPECT_EQ(item.Tag.Get(), 0xBEEFu);

    EXPECT_FALSE(item.RightOder.Get());
    ASSERT_TRUE(item.RightOder.Set(false));
    EXPECT_TRUE(item.RightOder.Get()) << "Set justifies whatever its argument";
    DestroyMenu(menu.Hmenu());
}

TEST(MenuItem, SetSubMenuOpensTheOtherMenu)
{
    MenuItems bar;
    PopupMenuItems file;
    bar.Append("File", 1);
    file.Append("Exit", 2);
    ASSERT_TRUE(bar.ItemAt(0).SetSubMenu(file));
    EXPECT_EQ(GetSubMenu(bar.Hmenu(), 0), file.Hmenu());
    DestroyMenu(bar.Hmenu()); // takes the submenu with it
}

TEST(MenuItems, ClearDeletesEveryItem)
{
    PopupMenuItems menu;
    menu.Clear(); // nothing to do before the menu exists
    menu.Append("a", 1);
    menu.Append("b", 2);
    menu.Append("c", 3);
    menu.Clear();
    EXPECT_EQ(menu.Count.Count(), 0);
    EXPECT_TRUE(IsMenu(menu.Hmenu())) << "the menu itself stays";
    menu.Append("d", 4);
    EXPECT_EQ(Texts(menu.Hmenu()), std::vector<std::string>{"d"});
    DestroyMenu(menu.Hmenu());
}

} // namespace
