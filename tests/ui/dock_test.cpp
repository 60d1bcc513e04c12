#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/scripted_fixture.h"
#include "ui/dock.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/main_menu.h"
#include "ui/panel.h"

namespace ui {
namespace {

TRect Rect(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

TEST(DockTest, EachKindTakesItsEdgeOfWhatIsLeftInKindOrderThenCreationOrder) {
  // Created in the order client, right, top, bottom, left, top again, hidden top.
  std::vector<DockItem> items = {
      {alClient, true, Rect(0, 0, 1, 1)}, {alRight, true, Rect(0, 0, 30, 1)},
      {alTop, true, Rect(0, 0, 1, 10)},   {alBottom, true, Rect(0, 0, 1, 20)},
      {alLeft, true, Rect(0, 0, 40, 1)},  {alTop, true, Rect(0, 0, 1, 5)},
      {alTop, false, Rect(7, 7, 7, 7)},   {alNone, true, Rect(3, 4, 5, 6)},
  };
  DockChildren(Rect(0, 0, 200, 100), items);
  EXPECT_EQ(items[2].bounds, Rect(0, 0, 200, 10));    // first top
  EXPECT_EQ(items[5].bounds, Rect(0, 10, 200, 5));    // second top, below the first
  EXPECT_EQ(items[3].bounds, Rect(0, 80, 200, 20));   // bottom
  EXPECT_EQ(items[4].bounds, Rect(0, 15, 40, 65));    // left, between top and bottom
  EXPECT_EQ(items[1].bounds, Rect(170, 15, 30, 65));  // right
  EXPECT_EQ(items[0].bounds, Rect(40, 15, 130, 65));  // client: the rest
  EXPECT_EQ(items[6].bounds, Rect(7, 7, 7, 7));       // hidden: untouched, takes no room
  EXPECT_EQ(items[7].bounds, Rect(3, 4, 5, 6));
}

TEST(DockTest, SizesNeverGoNegative) {
  std::vector<DockItem> items = {{alTop, true, Rect(0, 0, 1, 80)}, {alClient, true, TRect{}}};
  DockChildren(Rect(0, 0, 50, 60), items);
  EXPECT_EQ(items[1].bounds.Width(), 50);
  EXPECT_EQ(items[1].bounds.Height(), 0);
}

class FormDockTest : public testing::ScriptedTest {};

TEST_F(FormDockTest, AFormDocksIntoItsClientAreaAndFollowsResizesAndVisibility) {
  TForm form(nullptr);
  form.SetMenu(new TMainMenu(&form));
  form.SetBounds(0, 0, 353, 370);
  auto* left = new TPanel(&form);
  auto* right = new TPanel(&form);
  left->SetAlign(alClient);
  left->SetParent(&form);
  right->SetWidth(170);
  right->SetAlign(alRight);
  right->SetParent(&form);
  auto* bar = new TPanel(&form);
  bar->SetBevelOuter(bvNone);
  bar->SetHeight(27);
  bar->SetAlign(alTop);
  bar->SetParent(right);
  auto* rest = new TGroupBox(&form);
  rest->SetAlign(alClient);
  rest->SetParent(right);

  // A sizeable frame of 4 and a title bar and a menu bar of 19 each.
  EXPECT_EQ(form.ClientWidth(), 345);
  EXPECT_EQ(form.ClientHeight(), 324);
  EXPECT_EQ(right->BoundsRect(), Rect(175, 0, 170, 324));
  EXPECT_EQ(left->BoundsRect(), Rect(0, 0, 175, 324));
  // Inside the raised bevel of 1.
  EXPECT_EQ(bar->BoundsRect(), Rect(1, 1, 168, 27));
  EXPECT_EQ(rest->BoundsRect(), Rect(1, 28, 168, 295));

  form.SetWidth(453);
  EXPECT_EQ(left->Width(), 275);
  EXPECT_EQ(right->Left(), 275);

  bar->Hide();
  EXPECT_EQ(rest->BoundsRect(), Rect(1, 1, 168, 322));
}

TEST_F(FormDockTest, ConstraintsBoundTheSize) {
  TForm form(nullptr);
  form.SetConstraints({256, 370, 0, 370});
  form.SetBounds(0, 0, 100, 500);
  EXPECT_EQ(form.Width(), 256);
  EXPECT_EQ(form.Height(), 370);
  form.SetClientWidth(300);
  EXPECT_EQ(form.Width(), 308);
}

}  // namespace
}  // namespace ui
