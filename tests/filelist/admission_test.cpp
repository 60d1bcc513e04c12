// The admission gate: allow and prohibit lists, system and hidden attributes,
// duplicates, and what the list shows after each admission.

#include <sys/stat.h>

#include "platform/ansi.h"
#include "tests/filelist/list_fixture.h"

namespace {

using filelist_test::ListTest;

TEST_F(ListTest, AllowListAdmitsByTheLastDotAndRefusesSilently) {
  main().Allow = true;
  main().AlwaysConfirm = true;
  Drop({File("index.HTML"), File("index.html.bak"), File("readme"), File("x.html/a.htm"),
        File("site.old/page")});
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{"index.HTML", "x.html/a.htm"}));
  EXPECT_TRUE(Messages().empty());

  main().AllowTypes = "";
  Drop({File("more.html")});
  EXPECT_EQ(Listed().size(), 2u);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ListTest, ProhibitListRefusesWithItsMessage) {
  main().ProhibitTypes = "exe,com";
  main().AlwaysConfirm = true;
  Drop({File("setup.EXE"), File("data.exe2"), File("Makefile")});
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{"data.exe2", "Makefile"}));
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{
                u8"Plyfix|禁止された拡張子のため、リストに追加しません :setup.EXE"_sj}));
  EXPECT_EQ(backend_.Transcript()[0].flags, ui::MB_OK);
}

TEST_F(ListTest, SystemAndHiddenFilesAreRefusedWithOneMessageEach) {
  ASSERT_EQ(mkfifo(Site(".both").c_str(), 0644), 0);  // a FIFO is a system entry
  ASSERT_EQ(mkfifo(Site("pipe").c_str(), 0644), 0);
  main().ProhibHid = true;
  main().AlwaysConfirm = true;
  Drop({Site(".both"), Site("pipe"), File(".hidden.html"), File("plain.html")});
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{"plain.html"}));
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            u8"Plyfix|システムファイルなので追加しません : .both"_sj,
                            u8"Plyfix|システムファイルなので追加しません : pipe"_sj,
                            u8"Plyfix|隠しファイルなので追加しません : .hidden.html"_sj,
                        }));

  // Without the options both enter the list.
  main().ProhibSys = false;
  main().ProhibHid = false;
  main().AlwaysConfirm = false;
  Drop({Site("pipe"), Site(".hidden.html")});
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{"plain.html", "pipe", ".hidden.html"}));
}

TEST_F(ListTest, DuplicatesDifferingOnlyInCaseAreRefusedAlsoWhenNamesAreShown) {
  const std::string listed = File("site/index.HTM");
  const std::string offered = File("Site/Index.htm");
  const std::string same_name = File("other/index.HTM");
  main().AlwaysConfirm = true;
  Drop({listed});
  main().PathButton->Click();  // names only
  Drop({offered, same_name});
  EXPECT_EQ(Listed(), (std::vector<std::string>{listed, same_name}));
  EXPECT_EQ(Shown(), (std::vector<std::string>{"index.HTM", "index.HTM"}));
  EXPECT_EQ(
      Messages(),
      (std::vector<std::string>{u8"Plyfix|すでにリストにあるので追加しません :Index.htm"_sj}));
}

TEST_F(ListTest, PathsWhoseAttributesCannotBeReadArePassedOverSilently) {
  main().AlwaysConfirm = true;
  ASSERT_EQ(symlink(Site("missing.html").c_str(), Site("dangling.html").c_str()), 0);
  Drop({Site("gone.html"), Site("dangling.html"), Site("gone-folder")});
  EXPECT_TRUE(Listed().empty());
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(CountCaption(), " - 0 file(s)");
}

TEST_F(ListTest, PatchModeTakesTheCueFilesExtensionLineAsTheAllowList) {
  main().CueLines->Lines() = {"site", "http://example.com/", "txt,htm"};
  main().PanelPatch->SetVisible(true);
  main().Allow = true;  // AllowTypes is ignored in patch mode
  main().ProhibitTypes = "htm";
  Drop({File("a.txt"), File("b.html"), File("c.htm"), File("a.txt")});
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{"a.txt"}));

  main().Allow = false;
  Drop({File("d.html")});
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{"a.txt"}));
}

TEST_F(ListTest, EachAdmissionWidensTheExtentAndTheCaptionCountsOnce) {
  main().SetCaption("Plyfix ver.1.1.0 - 12 file(s)");
  EXPECT_EQ(main().ListBox1->HorizontalExtent(), 5);
  const std::string shorter = File("a.html");
  const std::string longer = File("folder/longer-name.html");
  Drop({longer, shorter});
  EXPECT_EQ(main().ListBox1->HorizontalExtent(), 6 * static_cast<int>(longer.size()) + 5);
  EXPECT_EQ(main().Caption(), "Plyfix ver.1.1.0 - 2 file(s)");
}

}  // namespace
