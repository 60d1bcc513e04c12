#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/scripted_fixture.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/panel.h"

namespace ui {
namespace {

class CountedPanel : public TPanel {
 public:
  CountedPanel(TComponent* owner, int& destroyed) : TPanel(owner), destroyed_(destroyed) {}
  ~CountedPanel() override { ++destroyed_; }

 private:
  int& destroyed_;
};

class RecordingPeer : public ControlPeer {
 public:
  void Changed(Property property) override { changes.push_back(property); }
  void ComponentDestroyed() override { destroyed = true; }
  std::vector<Property> changes;
  bool destroyed = false;
};

class LifetimeTest : public testing::ScriptedTest {};

TEST_F(LifetimeTest, DestroyingAFormDestroysItsControls) {
  int destroyed = 0;
  {
    TForm form(nullptr);
    auto* outer = new CountedPanel(&form, destroyed);
    outer->SetParent(&form);
    auto* inner = new CountedPanel(&form, destroyed);
    inner->SetParent(outer);
    auto* edit = new TEdit(&form);
    edit->SetParent(inner);
    edit->SetFocus();
    EXPECT_EQ(form.ActiveControl(), edit);
    delete inner;
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(outer->ControlCount(), 0);
    EXPECT_EQ(form.ActiveControl(), nullptr) << "the focused control went with its parent";
    EXPECT_EQ(form.ComponentCount(), 1);
  }
  EXPECT_EQ(destroyed, 2);
}

TEST_F(LifetimeTest, PeersAreNotifiedAndDetachSafelyInEitherOrder) {
  auto* form = new TForm(nullptr);
  auto* button = new TButton(form);
  {
    RecordingPeer peer;
    button->SetPeer(&peer);
    button->SetCaption("go");
    button->SetCaption("go");
    button->SetEnabled(false);
    EXPECT_EQ(peer.changes, (std::vector<Property>{Property::Caption, Property::Enabled}));
  }
  EXPECT_EQ(button->Peer(), nullptr) << "a destroyed peer detached itself";
  button->SetCaption("still fine");

  RecordingPeer peer;
  form->SetPeer(&peer);
  delete form;
  EXPECT_TRUE(peer.destroyed);
  EXPECT_EQ(peer.Component(), nullptr);
}

TEST_F(LifetimeTest, ChildrenTakeTheParentsFontUntilGivenTheirOwn) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  auto* button = new TButton(&form);
  button->SetParent(panel);
  button->Font().SetHeight(19);
  form.Font().SetHeight(24);
  form.Font().SetColor(clNavy);
  EXPECT_EQ(panel->Font().Height(), 24);
  EXPECT_EQ(panel->Font().Color(), clNavy);
  EXPECT_EQ(button->Font().Height(), 19);
  EXPECT_FALSE(button->ParentFont());
  EXPECT_EQ(form.Font().Height(), 24);
}

}  // namespace
}  // namespace ui
