// Folder expansion: sub-folders and SubDir, the folder question, the guard, and
// walks that end on loops, odd entries and very deep trees.

#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <unordered_map>

#include "platform/ansi.h"
#include "platform/files.h"
#include "tests/filelist/list_fixture.h"

namespace {

using filelist_test::Kind;
using filelist_test::ListTest;

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

std::string Question(const std::string& folder_name) {
  return u8"確認っす|"_sj + folder_name +
         u8"はフォルダです。フォルダ内の全ファイルを展開しますか?"_sj;
}

TEST_F(ListTest, SubDirDecidesWhetherSubFoldersOfADroppedFolderAreExpanded) {
  const std::string top = Folder("top");
  File("top/a.html");
  File("top/b.html");
  File("top/sub/c.html");

  Drop({top});
  EXPECT_EQ(Sorted(ListedNames()),
            (std::vector<std::string>{"top/a.html", "top/b.html", "top/sub/c.html"}));
  EXPECT_FALSE(main().InFolderScan);

  main().C1Click(nullptr);
  main().SubDir = false;
  main().AlwaysConfirm = true;
  backend_.AnswerMessage(ui::IDYES);
  Drop({top});
  EXPECT_EQ(Sorted(ListedNames()), (std::vector<std::string>{"top/a.html", "top/b.html"}));
  EXPECT_EQ(Messages(), (std::vector<std::string>{Question("top")}));
  EXPECT_EQ(backend_.Transcript()[0].flags, ui::MB_YESNO);
}

TEST_F(ListTest, EachDroppedOrChosenFolderContributesItsOwnFilesWithoutSubDir) {
  main().SubDir = false;
  const std::string one = Folder("one");
  const std::string two = Folder("two");
  File("one/a.html");
  File("one/deeper/x.html");
  File("two/b.html");
  Drop({one, two});
  EXPECT_EQ(Sorted(ListedNames()), (std::vector<std::string>{"one/a.html", "two/b.html"}));

  main().C1Click(nullptr);
  backend_.AnswerFolder(one);
  main().F1Click(nullptr);
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{"one/a.html"}));
  EXPECT_EQ(CountCaption(), " - 1 file(s)");
  const auto& browse = backend_.Transcript().back();
  EXPECT_EQ(browse.kind, Kind::BrowseFolder);
  EXPECT_EQ(browse.text, u8"フォルダを選んでください."_sj);
}

TEST_F(ListTest, ChosenFolderIsNotAskedAboutAndCancellingRefreshesTheCaption) {
  File("chosen/a.html");
  File("chosen/sub/b.html");
  main().AlwaysConfirm = true;
  backend_.AnswerFolder(Site("chosen"));
  backend_.AnswerMessage(ui::IDNO);  // the sub-folder
  main().F1Click(nullptr);
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{"chosen/a.html"}));
  EXPECT_EQ(Messages(), (std::vector<std::string>{Question("sub")}));

  main().SetCaption("Plyfix ver.1.1.0");
  backend_.AnswerFolder("");
  main().F1Click(nullptr);
  backend_.AnswerFolder("/a");  // two bytes: ignored
  main().F1Click(nullptr);
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{"chosen/a.html"}));
  EXPECT_EQ(main().Caption(), "Plyfix ver.1.1.0 - 1 file(s)");
}

TEST_F(ListTest, NoForOneSubFolderSkipsItAndEverythingBelowButNotItsSiblings) {
  File("top/left/a.html");
  File("top/left/deeper/b.html");
  File("top/right/c.html");
  main().AlwaysConfirm = true;
  backend_.AnswerMessage(ui::IDYES);  // top
  // The siblings come in the order the file system lists them: answer by name.
  const bool left_first = [&] {
    for (const auto& entry : std::filesystem::directory_iterator(Site("top"))) {
      return entry.path().filename() == "left";
    }
    return false;
  }();
  backend_.AnswerMessage(left_first ? ui::IDNO : ui::IDYES);
  backend_.AnswerMessage(left_first ? ui::IDYES : ui::IDNO);
  Drop({Site("top")});
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{"top/right/c.html"}));
  EXPECT_EQ(Sorted(Messages()), Sorted({Question("top"), Question("left"), Question("right")}));
}

TEST_F(ListTest, GuardAsksAboutProtectedAndVeryShortFoldersWhateverAlwaysConfirmSays) {
  backend_.AnswerMessage(ui::IDNO);
  backend_.AnswerMessage(ui::IDNO);
  Drop({platform::WindowsDirectory(), "/"});
  EXPECT_TRUE(Listed().empty());
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            u8"続けますか?|システムフォルダを対象にするのは危険です! > "_sj +
                                platform::WindowsDirectory(),
                            u8"続けますか?|システムフォルダを対象にするのは危険です! > /"_sj}));
  EXPECT_EQ(backend_.Transcript()[0].flags, ui::MB_YESNO);
}

TEST_F(ListTest, EmptyFoldersAddNothingAndHiddenSubFoldersAreExpanded) {
  Folder("empty");
  File("top/.hidden/seen.html");
  File("top/.hidden/.unseen.html");
  main().ProhibHid = true;
  main().AlwaysConfirm = true;
  backend_.AnswerMessage(ui::IDYES);
  Drop({Site("empty")});
  EXPECT_TRUE(Listed().empty());
  backend_.ClearTranscript();

  backend_.AnswerMessage(ui::IDYES);  // top
  backend_.AnswerMessage(ui::IDYES);  // .hidden
  Drop({Site("top")});
  EXPECT_EQ(ListedNames(), (std::vector<std::string>{"top/.hidden/seen.html"}));
  EXPECT_EQ(Messages().back(), u8"Plyfix|隠しファイルなので追加しません : .unseen.html"_sj);
}

TEST_F(ListTest, ALoopOfLinksAFifoAndADanglingLinkDoNotStopTheWalk) {
  File("top/a.html");
  File("top/sub/b.html");
  ASSERT_EQ(symlink(Site("top").c_str(), Site("top/sub/up").c_str()), 0);
  ASSERT_EQ(symlink(".", Site("top/self").c_str()), 0);
  ASSERT_EQ(mkfifo(Site("top/pipe").c_str(), 0644), 0);
  ASSERT_EQ(symlink(Site("nowhere").c_str(), Site("top/dangling.html").c_str()), 0);
  Drop({Site("top")});
  EXPECT_EQ(Sorted(ListedNames()), (std::vector<std::string>{"top/a.html", "top/sub/b.html"}));

  // With every question shown: the loops are passed over without a question, the
  // FIFO is refused as a system file, the dangling link without a word.
  main().C1Click(nullptr);
  main().AlwaysConfirm = true;
  backend_.AnswerMessage(ui::IDYES);  // top
  backend_.AnswerMessage(ui::IDYES);  // sub
  backend_.ClearTranscript();
  Drop({Site("top")});
  EXPECT_EQ(Sorted(ListedNames()), (std::vector<std::string>{"top/a.html", "top/sub/b.html"}));
  EXPECT_EQ(Sorted(Messages()), Sorted({Question("top"), Question("sub"),
                                        u8"Plyfix|システムファイルなので追加しません : pipe"_sj}));
}

TEST_F(ListTest, FolderEndingInASeparatorIsJoinedWithOneSeparator) {
  const std::string file = File("top/a.html");
  Drop({Site("top") + "/"});
  EXPECT_EQ(Listed(), (std::vector<std::string>{file}));
  Drop({Site("top")});
  EXPECT_EQ(Listed(), (std::vector<std::string>{file}));
}

// Folders and files in memory, each folder listing its entries in a fixed order.
class FakeFolders : public platform::FileService {
 public:
  std::unordered_map<std::string, std::vector<platform::FindData>> folders;
  std::string failing_close;

  std::uint32_t GetAttributes(const std::string& path) override {
    if (folders.contains(path)) return platform::faDirectory;
    const std::size_t slash = path.rfind('/');
    const auto folder = folders.find(path.substr(0, slash));
    if (folder == folders.end()) return platform::kInvalidAttributes;
    for (const platform::FindData& entry : folder->second) {
      if (entry.name == path.substr(slash + 1)) return entry.attributes;
    }
    return platform::kInvalidAttributes;
  }

  std::unique_ptr<platform::FolderSearch> FindFirst(const std::string& folder,
                                                    platform::FindData& entry) override {
    const auto found = folders.find(folder);
    if (found == folders.end()) return nullptr;
    auto search = std::make_unique<Search>(found->second, folder == failing_close);
    return search->Next(entry) ? std::move(search) : nullptr;
  }
  std::unique_ptr<platform::FolderSearch> FindFirstKinds(const std::string& folder,
                                                         platform::FindData& entry) override {
    return FindFirst(folder, entry);
  }

 private:
  class Search : public platform::FolderSearch {
   public:
    Search(const std::vector<platform::FindData>& entries, bool fail_close)
        : entries_(entries), fail_close_(fail_close) {}
    bool Next(platform::FindData& entry) override {
      if (next_ == entries_.size()) return false;
      entry = entries_[next_++];
      return true;
    }
    bool Close() override { return !fail_close_; }

   private:
    const std::vector<platform::FindData>& entries_;
    std::size_t next_ = 0;
    bool fail_close_;
  };
};

platform::FindData Dir(const char* name) {
  return {name, platform::faDirectory};
}
platform::FindData Doc(const char* name) {
  return {name, platform::faArchive};
}

TEST_F(ListTest, WalkIsDepthFirstInTheOrderOfEnumeration) {
  FakeFolders fake;
  fake.folders["/web"] = {Dir("."), Dir(".."), Doc("a.html"), Dir("sub"), Doc("b.html")};
  fake.folders["/web/sub"] = {Dir("."), Dir(".."), Doc("c.html"), Dir("inner"), Doc("d.html")};
  fake.folders["/web/sub/inner"] = {Doc("e.html"), Doc("f.bad")};
  fake.failing_close = "/web/sub";
  main().AlwaysConfirm = true;
  main().ProhibitTypes = "bad";
  backend_.AnswerFolder("/web");
  backend_.AnswerMessage(ui::IDYES);  // sub
  backend_.AnswerMessage(ui::IDYES);  // inner
  {
    platform::ScopedFileService use(fake);
    main().F1Click(nullptr);
  }
  EXPECT_EQ(Listed(),
            (std::vector<std::string>{"/web/a.html", "/web/sub/c.html", "/web/sub/inner/e.html",
                                      "/web/sub/d.html", "/web/b.html"}));
  // The failed release is reported once that folder's entries have all been offered.
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            Question("sub"), Question("inner"),
                            u8"Plyfix|禁止された拡張子のため、リストに追加しません :f.bad"_sj,
                            u8"Plyfix|検索ハンドルの破棄に失敗しました!"_sj}));
}

// Runs work on a thread with a small stack, as a guard against a walk that
// recurses once per folder level.
void OnSmallStack(void (*work)(void*), void* argument) {
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, 64 * 1024);
  struct Call {
    void (*work)(void*);
    void* argument;
  } call{work, argument};
  pthread_t thread;
  ASSERT_EQ(pthread_create(
                &thread, &attributes,
                [](void* raw) -> void* {
                  auto* c = static_cast<Call*>(raw);
                  c->work(c->argument);
                  return nullptr;
                },
                &call),
            0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
}

TEST_F(ListTest, VeryDeepTreeIsWalkedWithoutRecursion) {
  constexpr int kDepth = 1000;
  FakeFolders fake;
  std::string folder = "/deep";
  for (int level = 0; level < kDepth; ++level) {
    fake.folders[folder] = {Doc("f.html"), Dir("d")};
    folder += "/d";
  }
  fake.folders[folder] = {Doc("last.html")};
  platform::ScopedFileService use(fake);
  OnSmallStack([](void*) { MainForm->WMDropFiles({"/deep"}); }, nullptr);
  ASSERT_EQ(Listed().size(), std::size_t{kDepth + 1});
  EXPECT_EQ(Listed().back(), folder + "/last.html");
}

}  // namespace
