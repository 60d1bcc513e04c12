#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ansi.h"
#include "tests/ui/scripted_fixture.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/main_menu.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/radio_button.h"
#include "ui/radio_group.h"
#include "ui/speed_button.h"
#include "ui/tab_sheet.h"
#include "ui/up_down.h"

namespace ui {
namespace {

class ControlsTest : public testing::ScriptedTest {
 protected:
  TForm form{nullptr};
};

TEST_F(ControlsTest, RadioGroupClampsItsIndexAndFiresOnlyOnAUsersNewPick) {
  auto* group = new TRadioGroup(&form);
  group->SetParent(&form);
  for (const char* item : {"add", "replace", "delete"}) group->Items().Add(item);
  int clicks = 0;
  group->OnClick = [&](TObject*) { ++clicks; };

  struct Case {
    int set;
    int expected;
  };
  for (const Case& c :
       {Case{0, 0}, Case{2, 2}, Case{3, 2}, Case{99, 2}, Case{-1, -1}, Case{-5, -1}, Case{1, 1}}) {
    group->SetItemIndex(c.set);
    EXPECT_EQ(group->ItemIndex(), c.expected) << "set " << c.set;
  }
  EXPECT_EQ(clicks, 0) << "code setting the index fires nothing";

  group->ClickItem(2);
  group->ClickItem(2);
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_EQ(clicks, 1) << "picking the selected item again fires nothing";

  group->Items().Delete(2);
  EXPECT_EQ(group->ItemIndex(), 1) << "clamped when the list shrinks";
}

TEST_F(ControlsTest, UpDownStopsAtItsEndsAndLeavesTheEditTextFree) {
  auto* edit = new TEdit(&form);
  auto* arrows = new TUpDown(&form);
  arrows->SetMin(1);
  arrows->SetMax(32767);
  arrows->SetAssociate(edit);
  arrows->SetPosition(1);
  EXPECT_EQ(edit->Text(), "1");

  arrows->Click(btPrev);
  EXPECT_EQ(edit->Text(), "1");
  arrows->Click(btNext);
  EXPECT_EQ(edit->Text(), "2");

  arrows->SetPosition(32767);
  arrows->Click(btNext);
  EXPECT_EQ(edit->Text(), "32767") << "no wrap-around";
  EXPECT_EQ(arrows->Position(), 32767);

  // Typed text is not validated; the arrows step from a typed number in range.
  edit->TypeText("abc");
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_EQ(arrows->Position(), 32767);
  edit->TypeText("1000");
  EXPECT_EQ(arrows->Position(), 1000);
  arrows->Click(btNext);
  EXPECT_EQ(edit->Text(), "1001") << "plain digits, no thousands separator";
  edit->TypeText("99999");
  EXPECT_EQ(arrows->Position(), 1001) << "out of range: the last position stays";
}

TEST_F(ControlsTest, UpDownForgetsADestroyedEdit) {
  auto* edit = new TEdit(&form);
  auto* arrows = new TUpDown(&form);
  arrows->SetAssociate(edit);
  delete edit;
  EXPECT_EQ(arrows->Associate(), nullptr);
  arrows->Click(btNext);
  EXPECT_EQ(arrows->Position(), 1);
}

TEST_F(ControlsTest, ComboBoxExactMatchIgnoresLetterCaseIncludingDoubleByteLetters) {
  auto* combo = new TComboBox(&form);
  for (const std::string& item :
       {std::string("htm"), std::string("HTML"), u8"ＡＢＣ"_sj, u8"Ωメガ"_sj, std::string("")})
    combo->Items().Add(item);

  struct Case {
    std::string text;
    int expected;
  };
  const std::vector<Case> cases = {
      {"HTM", 0},         {"htm", 0},        {"html", 1},           {"ht", -1}, {"htm ", -1},
      {u8"ａｂｃ"_sj, 2}, {u8"ωメガ"_sj, 3}, {u8"ＡＢＣＤ"_sj, -1}, {"", 4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(combo->Items().IndexOf(c.text), c.expected) << platform::Cp932ToUtf8(c.text);
  }
}

TEST_F(ControlsTest, ComboBoxFiresOnChangeForTheUserOnly) {
  auto* combo = new TComboBox(&form);
  combo->Items().Add("one");
  combo->Items().Add("two");
  int changes = 0;
  combo->OnChange = [&](TObject*) { ++changes; };

  combo->SetItemIndex(1);
  EXPECT_EQ(combo->Text(), "two");
  combo->SetText("typed");
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(changes, 0);

  combo->SelectItem(0);
  combo->TypeText("x");
  EXPECT_EQ(changes, 2);

  combo->SelectAll();
  EXPECT_EQ(combo->SelStart(), 0);
  EXPECT_EQ(combo->SelLength(), 1);

  combo->Items().Clear();
  EXPECT_EQ(combo->Text(), "") << "emptying the list empties the edit field";
}

TEST_F(ControlsTest, ListBoxSelectionFollowsTheEntries) {
  auto* list = new TListBox(&form);
  list->SetMultiSelect(true);
  for (const char* name : {"a", "b", "c", "d", "e"}) list->Items().Add(name);
  for (int i : {1, 2, 3}) list->SetSelected(i, true);
  EXPECT_EQ(list->SelCount(), 3);

  // The removal walk of the list commands: a selected entry is removed and the
  // walk goes on at the same index.
  for (int i = 0; i < list->Items().Count();) {
    if (list->Selected(i)) {
      list->Items().Delete(i);
    } else {
      ++i;
    }
  }
  EXPECT_EQ(list->Items().ToVector(), (std::vector<std::string>{"a", "e"}));
  EXPECT_EQ(list->SelCount(), 0);

  list->Items().Insert(0, "z");
  list->SetSelected(2, true);
  list->Items().Insert(1, "y");
  EXPECT_TRUE(list->Selected(3));
  EXPECT_EQ(list->Items()[3], "e");
  EXPECT_EQ(list->SelCount(), 1);
}

TEST_F(ControlsTest, ListBoxWithoutMultiSelectKeepsOneSelection) {
  auto* list = new TListBox(&form);
  for (const char* name : {"a", "b", "c"}) list->Items().Add(name);
  list->SetSelected(0, true);
  list->SetSelected(2, true);
  EXPECT_FALSE(list->Selected(0));
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(list->SelCount(), 1);
}

TEST_F(ControlsTest, CheckBoxFiresOnClickWhenItsStateChangesOnly) {
  auto* box = new TCheckBox(&form);
  std::vector<bool> seen;
  box->OnClick = [&](TObject* sender) {
    seen.push_back(static_cast<TCheckBox*>(sender)->Checked());
  };

  box->SetChecked(false);
  box->SetChecked(true);
  box->SetChecked(true);
  box->Click();
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));

  box->SetEnabled(false);
  box->Click();
  EXPECT_FALSE(box->Checked()) << "a disabled box ignores the user";
}

TEST_F(ControlsTest, RadioButtonUnchecksItsSiblingsOnly) {
  auto* group_a = new TPanel(&form);
  auto* a1 = new TRadioButton(&form);
  auto* a2 = new TRadioButton(&form);
  auto* elsewhere = new TRadioButton(&form);
  a1->SetParent(group_a);
  a2->SetParent(group_a);
  elsewhere->SetParent(&form);
  int clicks = 0;
  a2->OnClick = [&](TObject*) { ++clicks; };

  a1->SetChecked(true);
  elsewhere->SetChecked(true);
  a2->Click();
  EXPECT_FALSE(a1->Checked());
  EXPECT_TRUE(a2->Checked());
  EXPECT_TRUE(elsewhere->Checked());
  EXPECT_EQ(clicks, 1);

  a2->Click();
  a2->SetChecked(false);
  EXPECT_EQ(clicks, 1) << "checking again or unchecking fires nothing";
}

TEST_F(ControlsTest, GroupedSpeedButtonStaysDownUntilClickedAgain) {
  auto* toggle = new TSpeedButton(&form);
  toggle->SetParent(&form);
  toggle->SetGroupIndex(1);
  toggle->SetAllowAllUp(true);
  toggle->Click();
  EXPECT_TRUE(toggle->Down());
  toggle->Click();
  EXPECT_FALSE(toggle->Down());

  auto* plain = new TSpeedButton(&form);
  plain->SetDown(true);
  EXPECT_FALSE(plain->Down()) << "without a group a button never stays down";
}

TEST_F(ControlsTest, PageControlShowsOnePageAndFiresOnChangeForTheUserOnly) {
  auto* pages = new TPageControl(&form);
  pages->SetParent(&form);
  pages->SetBounds(0, 0, 322, 250);
  auto* general = new TTabSheet(&form);
  auto* files = new TTabSheet(&form);
  general->SetPageControl(pages);
  files->SetPageControl(pages);
  int changes = 0;
  pages->OnChange = [&](TObject*) { ++changes; };

  EXPECT_EQ(pages->ActivePage(), general) << "the first page is shown at first";
  EXPECT_EQ(files->PageIndex(), 1);
  EXPECT_EQ(files->BoundsRect(), pages->ClientRect());
  pages->SetActivePage(files);
  EXPECT_TRUE(files->Visible());
  EXPECT_FALSE(general->Visible());
  pages->SelectPage(0);
  EXPECT_EQ(pages->ActivePageIndex(), 0);
  EXPECT_EQ(changes, 1);

  delete general;
  EXPECT_EQ(pages->PageCount(), 1);
  EXPECT_EQ(pages->ActivePage(), files);
}

TEST_F(ControlsTest, MenuShortcutsUseTheStoredValuesAndSkipDisabledItems) {
  EXPECT_EQ(ShortCut('A', ssCtrl), 16449);
  EXPECT_EQ(ShortCut(VK_DELETE, 0), 46);
  EXPECT_EQ(ShortCut(VK_DELETE, ssShift), 8238);
  EXPECT_EQ(ShortCut(VK_DELETE, ssCtrl), 16430);

  auto* menu = new TMainMenu(&form);
  form.SetMenu(menu);
  auto* file = new TMenuItem(&form);
  auto* add = new TMenuItem(&form);
  auto* line = new TMenuItem(&form);
  menu->Items().Add(file);
  file->Add(add);
  file->Add(line);
  line->SetCaption("-");
  add->SetShortCut(ShortCut('A', ssCtrl));
  int clicks = 0;
  add->OnClick = [&](TObject*) { ++clicks; };

  EXPECT_TRUE(line->IsLine());
  EXPECT_TRUE(form.IsShortCut('A', ssCtrl));
  EXPECT_FALSE(form.IsShortCut('A', 0));
  add->SetEnabled(false);
  EXPECT_FALSE(form.IsShortCut('A', ssCtrl));
  EXPECT_EQ(clicks, 1);

  delete menu;
  EXPECT_EQ(form.Menu(), nullptr);
}

}  // namespace
}  // namespace ui
