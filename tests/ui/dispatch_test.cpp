#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/ansi.h"
#include "platform/errors.h"
#include "tests/ui/scripted_fixture.h"
#include "ui/button.h"
#include "ui/dispatch.h"
#include "ui/form.h"

namespace ui {
namespace {

using Entry = ScriptedBackend::Entry;

class DispatchTest : public testing::ScriptedTest {};

TEST_F(DispatchTest, AProgramErrorEndsTheHandlerAndIsShownWithTheTitleAndErrorIcon) {
  Application().SetTitle("Plyfix");
  TForm form(nullptr);
  auto* button = new TButton(&form);
  button->SetParent(&form);
  bool finished = false;
  button->OnClick = [&](TObject*) {
    throw platform::EFOpenError("x");
    finished = true;
  };

  button->Click();
  button->Click();

  EXPECT_FALSE(finished);
  ASSERT_EQ(script.Transcript().size(), 2u) << "the program keeps running";
  const Entry& shown = script.Transcript()[0];
  EXPECT_EQ(shown.kind, Entry::Kind::MessageBox);
  EXPECT_EQ(shown.caption, "Plyfix");
  EXPECT_EQ(shown.text, u8"ファイル x は開けません."_sj);
  EXPECT_EQ(shown.Buttons(), MB_OK);
  EXPECT_EQ(shown.Icon(), MB_ICONSTOP);
}

TEST_F(DispatchTest, OutOfMemoryAndOtherErrorsAreShownToo) {
  Application().SetTitle("Plyfix");
  Dispatch([] { throw std::bad_alloc(); });
  Dispatch([] { throw std::logic_error("bug"); });
  ASSERT_EQ(script.Transcript().size(), 2u);
  EXPECT_EQ(script.Transcript()[0].text, u8"メモリが足りません."_sj);
  EXPECT_EQ(script.Transcript()[1].text, u8"予期しないエラーが発生しました: bug."_sj);
  for (const Entry& shown : script.Transcript()) {
    EXPECT_EQ(shown.caption, "Plyfix");
    EXPECT_EQ(shown.Icon(), MB_ICONSTOP);
  }
}

TEST(ErrorDisplayTextTest, AppendsAFullStopUnlessTheTextEndsWithOneOrBelow) {
  struct Case {
    std::string message;
    std::string shown;
  };
  for (const Case& c : {
           Case{"", ""},
           Case{"abc", "abc."},
           Case{"abc.", "abc."},
           Case{"abc!", "abc!"},  // "!" lies below "."
           Case{"x 12", "x 12."},
           Case{u8"開けません"_sj, u8"開けません."_sj},
       }) {
    EXPECT_EQ(ErrorDisplayText(c.message), c.shown) << c.message;
  }
}

}  // namespace
}  // namespace ui
