// The window-free rules of the file list: extensions, comma lists, joining a
// folder and a name, and the folders that the guard asks about.

#include "filelist/list_rules.h"

#include <gtest/gtest.h>

#include "platform/ansi.h"

namespace {

TEST(ListRulesTest, ExtensionIsTheTextAfterTheLastDotOfTheWholePath) {
  struct Case {
    const char* path;
    const char* extension;
  } cases[] = {
      {"/site/index.HTML", "HTML"},     {"/site/index.html.bak", "bak"},
      {"/site/x.html/a.htm", "htm"},    {"/site.old/readme", "old/readme"},
      {"/site/readme", "/site/readme"}, {"/site/name.", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ExtensionOf(c.path), c.extension) << c.path;
}

TEST(ListRulesTest, ExtensionMatchesAWholeItemIgnoringCase) {
  struct Case {
    const char* extension;
    const char* list;
    bool matches;
  } cases[] = {
      {"HTML", "html,htm,cgi,pl,shtml", true},
      {"bak", "html,htm,cgi,pl,shtml", false},
      {"htm", "html", false},       // no substring match
      {"htm", "html, htm", false},  // a blank is part of the item
      {"", "", true},               // an empty list is one empty item
      {"x", "", false},             // so it admits no named extension
      {"", "html,", false},         // a trailing comma adds no item
      {"", ",html", true},          // a leading one adds an empty item
      {"/site/readme", "html,htm", false},
      {"EXE", "exe,com", true},
      {"exe2", "exe,com", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtensionInList(c.extension, c.list), c.matches) << c.extension << " in " << c.list;
  }
  // Letter case of full-width letters is ignored as the code page lowers them.
  EXPECT_TRUE(ExtensionInList(u8"ＨＴＭ"_sj, u8"ｈｔｍ"_sj));
}

TEST(ListRulesTest, JoinUsesOneSeparator) {
  EXPECT_EQ(JoinPath("/site", "a.html"), "/site/a.html");
  EXPECT_EQ(JoinPath("/site/", "a.html"), "/site/a.html");
  EXPECT_EQ(JoinPath("/", "etc"), "/etc");
}

TEST(ListRulesTest, GuardAsksAboutTheProtectedFoldersAndVeryShortPaths) {
  EXPECT_TRUE(IsGuardedFolder("/usr", "/usr", "/etc"));
  EXPECT_TRUE(IsGuardedFolder("/etc", "/usr", "/etc"));
  EXPECT_FALSE(IsGuardedFolder("/USR", "/usr", "/etc"));
  EXPECT_FALSE(IsGuardedFolder("/usr/", "/usr", "/etc"));
  EXPECT_TRUE(IsGuardedFolder("/", "/usr", "/etc"));
  EXPECT_TRUE(IsGuardedFolder("/a", "/usr", "/etc"));
  EXPECT_FALSE(IsGuardedFolder("/ab", "/usr", "/etc"));
}

}  // namespace
