// The cue file's layout: which line counts are accepted, and the patches, the
// allow list and the information lines taken from its lines.

#include "cue/cue_file.h"

#include <gtest/gtest.h>

#include "platform/ansi.h"

namespace {

platform::TStringList Lines(std::vector<std::string> lines) {
  platform::TStringList list;
  list.Lines() = std::move(lines);
  return list;
}

TEST(CueFile, OnlyTheHeaderAndWholePatchesAreWellFormed) {
  for (int count = 0; count <= 13; ++count) {
    SCOPED_TRACE(count);
    const bool expected = count == 6 || count == 9 || count == 12;
    EXPECT_EQ(cue::IsWellFormed(count), expected);
  }
}

TEST(CueFile, PatchesAreTakenByTheirIndex) {
  const platform::TStringList lines =
      Lines({"site", "server", "html,htm", "same", "a", "b", "same", "c", ""});
  EXPECT_EQ(cue::PatchNames(lines), (std::vector<std::string>{"same", "same"}));

  struct Case {
    int index;
    bool found;
    std::string search, replacement;
  };
  for (const Case& c : std::vector<Case>{
           {0, true, "a", "b"}, {1, true, "c", ""}, {2, false, "", ""}, {-1, false, "", ""}}) {
    SCOPED_TRACE(c.index);
    cue::PatchStrings patch;
    ASSERT_EQ(cue::FindPatch(lines, c.index, patch), c.found);
    EXPECT_EQ(patch.search, c.search);
    EXPECT_EQ(patch.replacement, c.replacement);
  }
}

TEST(CueFile, PatchesOfARejectedFileAreNeverReadPastItsEnd) {
  const platform::TStringList lines = Lines({"site", "server", "htm", "name", "search"});
  cue::PatchStrings patch;
  EXPECT_FALSE(cue::FindPatch(lines, 0, patch));
  EXPECT_EQ(cue::PatchNames(lines), (std::vector<std::string>{"name"}));
}

TEST(CueFile, TheAllowListIsTheExtensionLineOrNothing) {
  EXPECT_EQ(cue::AllowList(Lines({"site", "server", "html,htm"})), "html,htm");
  EXPECT_EQ(cue::AllowList(Lines({"site", "server", "", "p", "s", "r"})), "");
  for (const auto& short_file : {Lines({}), Lines({"site"}), Lines({"site", "server"})}) {
    EXPECT_EQ(cue::AllowList(short_file), std::nullopt);
  }
}

TEST(CueFile, InformationLinesNameSiteServerAndExtensions) {
  EXPECT_EQ(cue::InformationLines(Lines({u8"わたしのサイト"_sj, "www.example.org", "html", "p"})),
            (std::vector<std::string>{u8"サイト: わたしのサイト"_sj, u8"サーバ: www.example.org"_sj,
                                      u8"拡張子: html"_sj, u8"*** 書き換え内容 ***"_sj}));
}

}  // namespace
