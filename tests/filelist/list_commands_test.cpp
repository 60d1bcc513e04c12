// The list commands: the file dialog, drops, removing and clearing entries, and
// the Delete key in the list.

#include "platform/ansi.h"
#include "tests/filelist/list_fixture.h"

namespace {

using filelist_test::Kind;
using filelist_test::ListTest;

class ListCommandsTest : public ListTest {
 protected:
  // Lists five files a.html … e.html and returns their paths.
  std::vector<std::string> ListFive() {
    std::vector<std::string> paths;
    for (const char* name : {"a.html", "b.html", "c.html", "d.html", "e.html"}) {
      paths.push_back(File(std::string("dir/") + name));
    }
    Drop(paths);
    backend_.ClearTranscript();
    return paths;
  }
  void Select(const std::vector<int>& rows) {
    for (int row : rows) main().ListBox1->SetSelected(row, true);
  }
};

TEST_F(ListCommandsTest, FileDialogAddsTheChosenFilesAndReportsADuplicateOnce) {
  const std::string a = File("a.html");
  const std::string b = File("b.html");
  const std::string c = File("c.html");
  Drop({b});
  main().AlwaysConfirm = true;
  backend_.ClearTranscript();
  backend_.AnswerOpenDialog({a, b, c});
  main().A1Click(nullptr);
  EXPECT_EQ(Listed(), (std::vector<std::string>{b, a, c}));
  EXPECT_EQ(CountCaption(), " - 3 file(s)");
  ASSERT_EQ(backend_.Transcript().size(), 2u);
  EXPECT_EQ(backend_.Transcript()[0].kind, Kind::OpenDialog);
  EXPECT_EQ(backend_.Transcript()[0].caption, u8"すべてのファイル(*.*)|*.*"_sj);
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{u8"Plyfix|すでにリストにあるので追加しません :b.html"_sj}));

  main().SetCaption("Plyfix ver.1.1.0");
  backend_.CancelOpenDialog();
  main().A1Click(nullptr);
  EXPECT_EQ(main().Caption(), "Plyfix ver.1.1.0 - 3 file(s)");
}

TEST_F(ListCommandsTest, DropOffersFilesAndFoldersInTheOrderOfTheDrop) {
  const std::string first = File("z.html");
  const std::string inside = File("folder/m.html");
  const std::string last = File("a.html");
  Drop({first, Site("folder"), last});
  EXPECT_EQ(Listed(), (std::vector<std::string>{first, inside, last}));
  EXPECT_EQ(CountCaption(), " - 3 file(s)");
}

TEST_F(ListCommandsTest, RemovingSelectedEntriesKeepsTheOthersInOrder) {
  const std::vector<std::string> paths = ListFive();
  Select({1, 2, 3});
  main().Delete1Click(nullptr);
  EXPECT_EQ(Listed(), (std::vector<std::string>{paths[0], paths[4]}));
  EXPECT_EQ(Shown(), Listed());
  EXPECT_EQ(main().ListBox1->SelCount(), 0);
  EXPECT_EQ(CountCaption(), " - 2 file(s)");
  EXPECT_TRUE(backend_.Transcript().empty());

  // The removed files can be listed again; the kept ones are still duplicates.
  Drop({paths[2], paths[0]});
  EXPECT_EQ(Listed(), (std::vector<std::string>{paths[0], paths[4], paths[2]}));
}

TEST_F(ListCommandsTest, RemovalAsksWhenAlwaysConfirmIsSet) {
  const std::vector<std::string> paths = ListFive();
  main().AlwaysConfirm = true;
  main().PathButton->Click();  // names only
  Select({0, 4});
  backend_.AnswerMessage(ui::IDNO);
  main().Delete1Click(nullptr);
  EXPECT_EQ(Listed().size(), 5u);

  main().ListBox1->ClearSelection();
  Select({3});
  backend_.AnswerMessage(ui::IDNO);
  main().Delete1Click(nullptr);
  backend_.AnswerMessage(ui::IDYES);
  main().Delete1Click(nullptr);
  EXPECT_EQ(Listed(), (std::vector<std::string>{paths[0], paths[1], paths[2], paths[4]}));
  EXPECT_EQ(Messages(), (std::vector<std::string>{u8"確認|選択された項目をリストから削除します."_sj,
                                                  u8"確認|d.htmlをリストから削除します."_sj,
                                                  u8"確認|d.htmlをリストから削除します."_sj}));
  EXPECT_EQ(backend_.Transcript()[0].flags, ui::MB_YESNO);

  // Nothing selected: nothing happens.
  main().Delete1Click(nullptr);
  EXPECT_EQ(Listed().size(), 4u);
}

TEST_F(ListCommandsTest, RemovalShrinksTheExtent) {
  const std::string longer = File("a-much-longer-folder-name/x.html");
  const std::string shorter = File("s.html");
  Drop({shorter, longer});
  Select({1});
  main().Delete1Click(nullptr);
  EXPECT_EQ(main().ListBox1->HorizontalExtent(), 6 * static_cast<int>(shorter.size()) + 5);
}

TEST_F(ListCommandsTest, ClearingAsksAlsoForAnEmptyListAndForgetsTheEntries) {
  const std::vector<std::string> paths = ListFive();
  main().C1Click(nullptr);
  EXPECT_TRUE(Listed().empty());
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(main().ListBox1->HorizontalExtent(), 5);
  EXPECT_TRUE(backend_.Transcript().empty());

  main().AlwaysConfirm = true;
  backend_.AnswerMessage(ui::IDYES);
  main().C1Click(nullptr);
  EXPECT_EQ(CountCaption(), " - 0 file(s)");
  EXPECT_EQ(Messages(), (std::vector<std::string>{u8"確認|リストの内容をクリアします."_sj}));

  Drop({paths[0]});
  backend_.AnswerMessage(ui::IDNO);
  main().C1Click(nullptr);
  EXPECT_EQ(Listed(), (std::vector<std::string>{paths[0]}));
}

TEST_F(ListCommandsTest, TheDeleteCharacterRemovesOnceAndOtherKeysAreLeftToTheList) {
  const std::vector<std::string> paths = ListFive();
  Select({0});
  char dot = '.';  // the Delete key's virtual-key number as a character
  main().ListBox1->OnKeyPress(main().ListBox1, dot);
  EXPECT_EQ(dot, '.');
  EXPECT_EQ(Listed().size(), 5u);

  char del = '\x7f';
  main().ListBox1->OnKeyPress(main().ListBox1, del);
  EXPECT_EQ(del, 0);
  EXPECT_EQ(Listed(), (std::vector<std::string>{paths[1], paths[2], paths[3], paths[4]}));
}

}  // namespace
