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

TEST(BackupNamesTest, NamesTheBackup) {
  EXPECT_EQ(engine::BackupFileName("/s/index.htm", 0, "/b/"), "/s/index.htm.bak");
  EXPECT_EQ(engine::BackupFileName("/s/index.htm", 5, "/b/"), "/b/index.htm.bak");
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
  // Four files with backups from before, and one without.
  std::vector<std::string> paths;
  for (const char* name : {"a", "b", "c", "d", "e"}) {
    paths.push_back(Site(std::string(name) + ".htm", std::string("old ") + name));
    if (std::string(name) != "e") Spill(paths.back() + ".bak", std::string("earlier ") + name);
  }
  List(paths);

  backend_.AnswerModal(ClickDialogButton(3));  // No: keeps a's backup, a is written
  backend_.AnswerModal(ClickDialogButton(4));  // No to all: b, c and d without questions
  Start();
  for (const char* name : {"a", "b", "c", "d"}) {
    EXPECT_EQ(Slurp(site_.Path(name + std::string(".htm.bak"))), std::string("earlier ") + name);
  }
  EXPECT_EQ(Slurp(site_.Path("e.htm.bak")), "old e");
  for (const std::string& path : paths) EXPECT_EQ(Slurp(path).substr(0, 3), "new");
  ASSERT_EQ(backend_.Transcript().size(), 3u);
  EXPECT_EQ(backend_.Transcript()[0].kind, Kind::ModalForm);
  EXPECT_EQ(backend_.Transcript()[0].caption, u8"確認っす"_sj);

  // The next run asks again; Yes to all then replaces every existing backup.
  for (std::size_t i = 0; i < paths.size(); ++i) Spill(paths[i], "old again " + paths[i]);
  backend_.AnswerModal(ClickDialogButton(2));
  Start();
  for (const std::string& path : paths) EXPECT_EQ(Slurp(path + ".bak"), "old again " + path);
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

// A file service whose new files cannot be written, as on a full disk.
class FailingWrites : public platform::FileService {
 public:
  bool WriteNewFile(const std::string&, std::span<const std::string_view>, std::string_view, mode_t,
                    uid_t, gid_t) override {
    return false;
  }
};

TEST_F(SafeWriteTest, FailedWriteEndsTheRunAndLeavesNoTemporaryCopy) {
  const std::string a = Site("a.htm", "old");
  const std::string b = Site("b.htm", "old");
  List({a, b});
  main().ReadOnlyMode = 2;
  ASSERT_TRUE(platform::Files().SetAttributes(a, platform::faReadOnly));
  FailingWrites failing;
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
