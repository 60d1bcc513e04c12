#include <sys/stat.h>

#include "engine/backup_names.h"
#include "tests/engine/run_fixture.h"
#include "tests/platform/file_size_limit.h"

namespace engine_test {
namespace {

const std::string kBackupFailed =
    u8"のバックアップを取ることができませんでした.\nバックアップ先に指定したフォルダが存在しない可能性があります.\nこのまま本体を書き換えてもいいですか?"_sj;

std::string ExistingBackupQuestion(const std::string& name) {
  return u8"バックアップファイル\n"_sj + name +
         u8"\nはすでに存在しています.\n上書きしてよろしいですか?"_sj;
}

bool ReadOnly(const std::string& path) {
  return (platform::Files().GetAttributes(path) & platform::faReadOnly) != 0;
}

TEST(BackupNamesTest, NamesTheBackupAndAFreeTemporaryCopy) {
  EXPECT_EQ(engine::BackupFileName("/s/index.htm", 0, "/b/"), "/s/index.htm.bak");
  EXPECT_EQ(engine::BackupFileName("/s/index.htm", 5, "/b/"), "/b/index.htm.bak");
  const auto none = [](const std::string&) { return false; };
  EXPECT_EQ(engine::FreeTemporaryCopyName("/x/", 36884.5449060532, none),
            "/x/PFTMP36884.5449060532");
  const auto first_two = [](const std::string& name) {
    return name == "/x/PFTMP1" || name == "/x/PFTMP1_2";
  };
  EXPECT_EQ(engine::FreeTemporaryCopyName("/x/", 1, first_two), "/x/PFTMP1_3");
}

class SafeWriteTest : public RunTest {
 protected:
  SafeWriteTest() { Operation(1, "old", "new"); }
};

TEST_F(SafeWriteTest, BackupBesideTheFileKeepsThePreviousBytes) {
  const std::string content("old\0x\r\nold\n", 11);
  const std::string a = Site("a.htm", content);
  List({a});
  Start();
  EXPECT_EQ(Slurp(a + ".bak"), content);
  EXPECT_EQ(Slurp(a), std::string("new\0x\r\nnew\r\n", 12));
  EXPECT_EQ(TemporaryCopies(), 0);
}

TEST_F(SafeWriteTest, ExistingBackupsFollowTheFiveAnswers) {
  // Four files of the same name in different folders, all backed up into one folder.
  std::vector<std::string> paths;
  for (const char* folder : {"1", "2", "3", "4"}) {
    std::filesystem::create_directory(site_.Path(folder));
    paths.push_back(Site(std::string(folder) + "/p.htm", std::string("old ") + folder));
  }
  std::filesystem::create_directory(site_.Path("bak"));
  main().BUPlace = 1;
  main().BUFolder = site_.Path("bak") + "/";
  const std::string backup = site_.Path("bak/p.htm.bak");
  List(paths);

  backend_.AnswerModal(ClickDialogButton(3));  // No: keeps 1's backup, 2 is written
  backend_.AnswerModal(ClickDialogButton(4));  // No to all: 3 and 4 without questions
  Start();
  EXPECT_EQ(Slurp(backup), "old 1");
  for (const std::string& path : paths) EXPECT_EQ(Slurp(path).substr(0, 3), "new");
  ASSERT_EQ(backend_.Transcript().size(), 3u);
  EXPECT_EQ(backend_.Transcript()[0].kind, Kind::ModalForm);
  EXPECT_EQ(backend_.Transcript()[0].caption, u8"確認っす"_sj);

  // The next run asks again; Yes to all then replaces every existing backup.
  for (int i = 0; i < 4; ++i) Spill(paths[i], "old again " + std::to_string(i + 1));
  backend_.AnswerModal(ClickDialogButton(2));
  Start();
  EXPECT_EQ(Slurp(backup), "old again 4");
  EXPECT_EQ(backend_.PendingAnswers(), 0);
}

TEST_F(SafeWriteTest, QuestionTextNamesTheBackupFile) {
  const std::string a = Site("a.htm", "old");
  Spill(a + ".bak", "earlier");
  List({a});
  backend_.AnswerModal([](ui::TForm& form) {
    auto& dialog = dynamic_cast<TDlgForm&>(form);
    EXPECT_EQ(dialog.StaticText1->Caption(), ExistingBackupQuestion("a.htm.bak"));
    dialog.Button1->Click();
    return dialog.ModalResult();
  });
  Start();
  EXPECT_EQ(Slurp(a + ".bak"), "old");
}

TEST_F(SafeWriteTest, CancelledBackupLeadsToTheBackupFailureQuestion) {
  const std::string a = Site("a.htm", "old");
  const std::string b = Site("b.htm", "old");
  Spill(a + ".bak", "earlier");
  List({a, b});
  backend_.AnswerModal(ClickDialogButton(5));  // Cancel in the dialog
  backend_.AnswerMessage(ui::IDNO);            // a is left unwritten, the run goes on
  Start();
  EXPECT_EQ(Messages()[0], u8"確認っす"_sj + "|" + a + kBackupFailed);
  EXPECT_EQ(backend_.Transcript()[1].flags, ui::MB_YESNOCANCEL);
  EXPECT_EQ(Slurp(a), "old");
  EXPECT_EQ(Slurp(b), "new\r\n");
  EXPECT_EQ(Log()[2], u8"処理しませんでした:"_sj + a);
  EXPECT_EQ(TemporaryCopies(), 0);
}

TEST_F(SafeWriteTest, MissingBackupFolderAsksForEveryFileAndCancelStops) {
  const std::string a = Site("a.htm", "old");
  const std::string b = Site("b.htm", "old");
  List({a, b});
  main().BUPlace = 1;
  main().BUFolder = site_.Path("missing") + "/";
  backend_.AnswerMessage(ui::IDYES);     // a is written without a backup
  backend_.AnswerMessage(ui::IDCANCEL);  // the run ends at b
  Start();
  EXPECT_EQ(Slurp(a), "new\r\n");
  EXPECT_EQ(Slurp(b), "old");
  EXPECT_EQ(Log(), (std::vector<std::string>{u8"***** 開始:2000/12/24 13:05:09 *****"_sj,
                                             u8"[置換] ... OK."_sj, a + u8" : 1ヶ所"_sj,
                                             u8"中断します."_sj, ""}));
  EXPECT_EQ(Messages().size(), 2u);  // no summary box
  EXPECT_EQ(TemporaryCopies(), 0);
}

TEST_F(SafeWriteTest, ReadOnlyExistingBackupCannotBeReplaced) {
  const std::string a = Site("a.htm", "old");
  Spill(a + ".bak", "earlier");
  ASSERT_TRUE(platform::Files().SetAttributes(a + ".bak", platform::faReadOnly));
  List({a});
  backend_.AnswerModal(ClickDialogButton(1));
  backend_.AnswerMessage(ui::IDYES);
  Start();
  EXPECT_EQ(Log()[2], u8"バックアップがとれません:"_sj + a + ".bak");
  EXPECT_EQ(Messages()[0], u8"確認っす"_sj + "|" + a + kBackupFailed);
  EXPECT_EQ(Slurp(a + ".bak"), "earlier");
  EXPECT_EQ(Slurp(a), "new\r\n");
}

TEST_F(SafeWriteTest, ReadOnlyPolicies) {
  const std::string a = Site("a.htm", "old");
  ASSERT_TRUE(platform::Files().SetAttributes(a, platform::faReadOnly));
  List({a});
  main().Backup = false;

  Start();  // 0: refused
  EXPECT_EQ(Slurp(a), "old");
  EXPECT_EQ(Log()[2], u8"書き込み禁止:"_sj + a);
  EXPECT_EQ(Log()[3], u8"処理しませんでした:"_sj + a);

  LogForm->LogText->Lines().Clear();
  main().ReadOnlyMode = 2;
  Start();
  EXPECT_EQ(Slurp(a), "new\r\n");
  EXPECT_TRUE(ReadOnly(a));
  EXPECT_EQ(Log()[2], u8"書き換えたあと属性を回復:"_sj + a);
  EXPECT_EQ(Log()[3], a + u8" : 1ヶ所"_sj);

  Spill(a, "old");
  main().ReadOnlyMode = 1;
  LogForm->LogText->Lines().Clear();
  Start();
  EXPECT_EQ(Slurp(a), "new\r\n");
  EXPECT_FALSE(ReadOnly(a));
  EXPECT_EQ(Log()[2], u8"書き込み禁止属性を解除:"_sj + a);
}

// A file service whose writes of listed files fail, as on a full disk.
class FailingWrites : public platform::FileService {
 public:
  explicit FailingWrites(std::string failing) : failing_(std::move(failing)) {}
  bool WriteFile(const std::string& path, std::string_view content) override {
    if (path == failing_) return false;
    return platform::FileService::WriteFile(path, content);
  }

 private:
  std::string failing_;
};

TEST_F(SafeWriteTest, FailedWriteEndsTheRunAndLeavesNoTemporaryCopy) {
  const std::string a = Site("a.htm", "old");
  const std::string b = Site("b.htm", "old");
  List({a, b});
  main().ReadOnlyMode = 2;
  ASSERT_TRUE(platform::Files().SetAttributes(a, platform::faReadOnly));
  FailingWrites failing(a);
  platform::ScopedFileService scoped(failing);
  Start();
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Plyfix|" + u8"ファイル "_sj + a +
                                                  u8" を作成できません."_sj}));
  EXPECT_EQ(Slurp(a), "old");
  EXPECT_TRUE(ReadOnly(a));
  EXPECT_EQ(Slurp(b), "old");
  EXPECT_EQ(TemporaryCopies(), 0);
  EXPECT_EQ(backend_.CursorHistory().back(), ui::crDefault);
}

TEST_F(SafeWriteTest, FileSizeLimitLeavesTheFileWhole) {
  const std::string a = Site("a.htm", "old " + std::string(3000, 'x'));
  List({a});
  main().Backup = false;
  Operation(1, "x", "longer");
  {
    platform_test::FileSizeLimit limit(4096);
    Start();
  }
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Plyfix|" + u8"ファイル "_sj + a +
                                                  u8" を作成できません."_sj}));
  EXPECT_EQ(Slurp(a), "old " + std::string(3000, 'x'));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(site_.Path()), {}), 1);
}

TEST_F(SafeWriteTest, TakenTemporaryNameIsLeftAlone) {
  const std::string taken = folder_.Path("PFTMP36884.5449060532");
  Spill(taken, "another instance's copy");
  platform::SetClock([] { return 36884.5449060532; });
  const std::string a = Site("a.htm", "old");
  List({a});
  Start();
  EXPECT_EQ(Slurp(taken), "another instance's copy");
  EXPECT_EQ(Slurp(a + ".bak"), "old");
  EXPECT_EQ(TemporaryCopies(), 1);
}

// The whole road through the start button: backups on, one read-only file restored
// read-only, one existing backup kept, files checked byte for byte.
TEST_F(SafeWriteTest, WholeReplaceRunThroughTheStartButton) {
  const std::string page = Site("index.htm", "<p>Old</p>\r\n<p>old</p>");
  const std::string locked = Site("locked.htm", "old\n");
  const std::string kept = Site("kept.htm", "old\rold\r");
  Spill(kept + ".bak", "first backup");
  ASSERT_TRUE(platform::Files().SetAttributes(locked, platform::faReadOnly));
  main().ReadOnlyMode = 2;
  List({page, locked, kept});
  backend_.AnswerModal(ClickDialogButton(3));
  Start();

  EXPECT_EQ(Slurp(page), "<p>new</p>\r\n<p>new</p>\r\n");
  EXPECT_EQ(Slurp(page + ".bak"), "<p>Old</p>\r\n<p>old</p>");
  EXPECT_EQ(Slurp(locked), "new\r\n");
  EXPECT_EQ(Slurp(locked + ".bak"), "old\n");
  EXPECT_TRUE(ReadOnly(locked));
  EXPECT_TRUE(ReadOnly(locked + ".bak"));
  EXPECT_EQ(Slurp(kept), "new\r\nnew\r\n");
  EXPECT_EQ(Slurp(kept + ".bak"), "first backup");
  EXPECT_EQ(TemporaryCopies(), 0);
  EXPECT_EQ(Messages().back(),
            u8"完了"_sj + "|" + u8"3個のファイルに対し,\n5個の文字列を置換しました."_sj);
}

}  // namespace
}  // namespace engine_test
