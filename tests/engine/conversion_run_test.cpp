#include "tests/engine/run_fixture.h"

namespace engine_test {
namespace {

const std::string kStart = u8"***** 開始:2000/12/24 13:05:09 *****"_sj;
const std::string kEnd = u8"***** 終了:13:05:09 *****"_sj;
const std::string kEndWithDate = u8"***** 終了:2000/12/24 13:05:09 *****"_sj;

TEST_F(RunTest, InputChecksComeBeforeAnythingIsLogged) {
  Operation(1, "");
  Start();
  List({Site("a.txt", "x")});
  Start();
  main().Edit1->SetText("x");
  main().ListBox1->Items().Clear();
  main().FullPaths->Clear();
  Start();
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "Plyfix|" + u8"対象文字列をなにか入力してください."_sj,
                            "Plyfix|" + u8"対象文字列をなにか入力してください."_sj,
                            "Plyfix|" + u8"変換対象のファイルがリストされていません."_sj}));
  EXPECT_TRUE(Log().empty());
}

TEST_F(RunTest, ReplaceRunLogsSummarisesAndRecordsHistory) {
  const std::string a = Site("a.txt", "abc x ABC\r\n");
  const std::string empty = Site("empty.txt", "");
  const std::string none = Site("none.txt", "nothing\n");
  List({a, empty, none});
  main().Edit1->Items().Assign({"x", "ABC", "y"});
  Operation(1, "abc", "Q");
  main().Backup = false;
  Start();

  EXPECT_EQ(Slurp(a), "Q x Q\r\n");
  EXPECT_EQ(Slurp(none), "nothing\n");  // not rewritten: no occurrence
  const std::string summary = u8"3個のファイルに対し,\n2個の文字列を置換しました."_sj;
  EXPECT_EQ(Log(), (std::vector<std::string>{kStart, u8"[置換] ... OK."_sj, a + u8" : 2ヶ所"_sj,
                                             empty + u8" : 空のファイルです."_sj,
                                             u8"処理しませんでした:"_sj + none,
                                             u8"操作が完了しました."_sj, summary, kEnd, ""}));
  EXPECT_EQ(Messages(), (std::vector<std::string>{u8"完了"_sj + "|" + summary}));
  EXPECT_EQ(backend_.Transcript().back().flags, ui::MB_OK);
  EXPECT_EQ(main().Edit1->Items().ToVector(), (std::vector<std::string>{"abc", "x", "y"}));
  EXPECT_EQ(main().Edit2->Items().ToVector(), (std::vector<std::string>{"Q"}));
  EXPECT_EQ(backend_.CursorHistory(), (std::vector<ui::TCursor>{ui::crHourGlass, ui::crDefault}));
}

TEST_F(RunTest, NewestLastAppendsTheBlockAndLoggingOffWritesNothing) {
  const std::string a = Site("a.txt", "abc\n");
  List({a});
  main().Backup = false;
  main().LogDownToUp = false;
  LogForm->LogText->Lines().Add("old");
  Operation(2, "b");
  Start();
  EXPECT_EQ(Log(), (std::vector<std::string>{"old", "", kStart, u8"[削除] ... OK."_sj,
                                             a + u8" : 1ヶ所"_sj, u8"操作が完了しました."_sj,
                                             u8"1個のファイルから,\n1個の文字列を削除しました."_sj,
                                             kEnd}));

  main().LogEnabled = 0;
  Start();
  EXPECT_EQ(Log().size(), 8u);
  EXPECT_EQ(Slurp(a), "ac\r\n");
}

TEST_F(RunTest, NewestFirstPutsEachRunAboveTheOlderOnes) {
  List({Site("a.txt", "abc\n")});
  main().Backup = false;
  LogForm->LogText->Lines().Add("older");
  Operation(1, "zz", "y");
  Start();
  const std::vector<std::string> log = Log();
  ASSERT_EQ(log.size(), 8u);
  EXPECT_EQ(log[0], kStart);
  EXPECT_EQ(log[5], kEnd);
  EXPECT_EQ(log[6], "");
  EXPECT_EQ(log[7], "older");
}

TEST_F(RunTest, IdenticalStringsAndEmptyReplacementAreQuestioned) {
  const std::string a = Site("a.txt", "aXa\n");
  List({a});
  main().Backup = false;
  Operation(1, "a", "a");
  backend_.AnswerMessage(ui::IDNO);
  Start();
  EXPECT_EQ(Log(), (std::vector<std::string>{kStart, kEndWithDate, ""}));
  EXPECT_EQ(backend_.Transcript()[0].caption, u8"確認"_sj);
  EXPECT_EQ(backend_.Transcript()[0].flags, ui::MB_YESNO);

  LogForm->LogText->Lines().Clear();
  backend_.AnswerMessage(ui::IDYES);
  Start();
  EXPECT_EQ(Log()[2], a + u8" : 2ヶ所"_sj);

  LogForm->LogText->Lines().Clear();
  backend_.ClearTranscript();
  Operation(1, "a", "");
  backend_.AnswerMessage(ui::IDNO);
  Start();
  EXPECT_EQ(Log(), (std::vector<std::string>{kStart, u8"[置換] ... OK."_sj,
                                             u8"操作を中止しました."_sj, ""}));
  EXPECT_EQ(backend_.Transcript()[0].caption, u8"確認っす"_sj);
  EXPECT_EQ(backend_.Transcript()[0].flags, ui::MB_YESNO | ui::MB_ICONEXCLAMATION);

  backend_.AnswerMessage(ui::IDYES);
  Start();
  EXPECT_EQ(Slurp(a), "X\r\n");
  EXPECT_EQ(Messages().back(),
            u8"完了"_sj + "|" + u8"1個のファイルから,\n2個の文字列を削除しました."_sj);
}

TEST_F(RunTest, NoOperationSelectedIsRefused) {
  const std::string a = Site("a.txt", "abc\n");
  List({a});
  Operation(-1, "b");
  Start();
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{"Plyfix|" + u8"不正なパラメータです:処理方法"_sj}));
  EXPECT_EQ(Log(), (std::vector<std::string>{kStart, kEndWithDate, ""}));
  EXPECT_EQ(Slurp(a), "abc\n");
}

TEST_F(RunTest, AddRunLogsEachOutcome) {
  const std::string head = Site("head.txt", "a\nb");
  const std::string there = Site("there.txt", "T\r\n");
  const std::string empty = Site("empty.txt", "");
  List({head, there, empty});
  main().Backup = false;
  Operation(0, "T");
  Start();
  EXPECT_EQ(Slurp(head), "T\r\na\r\nb\r\n");
  EXPECT_EQ(Slurp(there), "T\r\n");
  EXPECT_EQ(Slurp(empty), "T\r\n");
  const std::string summary = u8"合計3ファイルに対し、文字列の挿入操作を行いました."_sj;
  EXPECT_EQ(Log(), (std::vector<std::string>{kStart, u8"[追加] ... Started."_sj, head,
                                             u8"既に文字列があったので追加せず: "_sj + there, empty,
                                             u8"操作が完了しました."_sj, summary, kEnd, ""}));
  EXPECT_EQ(Messages(), (std::vector<std::string>{u8"完了"_sj + "|" + summary}));
}

TEST_F(RunTest, LineBeyondTheEndAppendsOrAsks) {
  const std::string a = Site("a.txt", "1\n2\n");
  const std::string b = Site("b.txt", "1\n2\n");
  List({a, b});
  main().Backup = false;
  Operation(0, "T");
  main().RadioGroup2->SetItemIndex(2);
  main().Edit3->SetText("10");
  Start();  // confirmations off: appended without a question
  EXPECT_EQ(Slurp(a), "1\r\n2\r\nT\r\n");
  EXPECT_EQ(Messages().size(), 1u);

  main().AlwaysConfirm = true;
  backend_.ClearTranscript();
  backend_.AnswerMessage(ui::IDNO);
  backend_.AnswerMessage(ui::IDCANCEL);
  LogForm->LogText->Lines().Clear();
  Start();  // No leaves a.txt alone; Cancel stops the run at b.txt
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0],
            u8"確認っす"_sj + "|" +
                u8"指定された行数は,a.txtの実際の行数より多いようです.\n最終行に追加しますか?"_sj);
  EXPECT_EQ(backend_.Transcript()[0].flags, ui::MB_YESNOCANCEL | ui::MB_ICONINFORMATION);
  EXPECT_EQ(Log(), (std::vector<std::string>{kStart, u8"[追加] ... Started."_sj, ""}));
  EXPECT_EQ(Slurp(b), "1\r\n2\r\nT\r\n");
}

TEST_F(RunTest, LineNumberThatIsNoIntegerEndsTheRunWithTheError) {
  const std::string a = Site("a.txt", "1\n");
  List({a});
  Operation(0, "T");
  main().RadioGroup2->SetItemIndex(2);
  main().Edit3->SetText("x1");
  Start();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0], "Plyfix|" + u8"'x1' は整数ではありません."_sj);
  EXPECT_EQ(backend_.Transcript()[0].flags, ui::MB_OK | ui::MB_ICONSTOP);
  EXPECT_EQ(Log(), (std::vector<std::string>{kStart, u8"[追加] ... Started."_sj, ""}));
  EXPECT_EQ(Slurp(a), "1\n");
}

TEST_F(RunTest, FileThatCannotBeOpenedEndsTheRun) {
  const std::string fifo = site_.Path("pipe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string after = Site("after.txt", "abc\n");
  List({fifo, after});
  Operation(2, "b");
  Start();
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Plyfix|" + u8"ファイル "_sj + fifo +
                                                  u8" は開けません."_sj}));
  EXPECT_EQ(Slurp(after), "abc\n");
  EXPECT_EQ(backend_.CursorHistory().back(), ui::crDefault);
}

}  // namespace
}  // namespace engine_test
