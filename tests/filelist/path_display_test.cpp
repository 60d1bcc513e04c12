// Switching the list between full paths and file names.

#include <gtest/gtest.h>

#include "platform/ansi.h"
#include "tests/app/program_fixture.h"

namespace {

using app_test::ProgramTest;

TEST_F(ProgramTest, PathButtonSwitchesTheDisplayAndBack) {
  Run([] {
    TMainForm& form = *MainForm;
    for (const char* path : {"/site/index.html", "/site/docs/about.htm"}) {
      form.FullPaths->Add(path);
      form.ListBox1->Items().Add(path);
    }
    const std::string caption = form.Caption();

    form.PathButton->Click();
    EXPECT_FALSE(form.ShowFullPath);
    EXPECT_EQ(form.PathButton->Caption(), u8"Path非表示"_sj);
    EXPECT_EQ(form.ListBox1->Items().ToVector(),
              (std::vector<std::string>{"index.html", "about.htm"}));
    EXPECT_EQ(form.ListBox1->HorizontalExtent(), 6 * 10 + 5);

    form.PathButton->Click();
    EXPECT_TRUE(form.ShowFullPath);
    EXPECT_EQ(form.PathButton->Caption(), u8"フルPath表示"_sj);
    EXPECT_EQ(form.ListBox1->Items().ToVector(), form.FullPaths->Lines());
    EXPECT_EQ(form.ListBox1->HorizontalExtent(), 6 * 20 + 5);
    EXPECT_EQ(form.Caption(), caption);
  });
}

}  // namespace
