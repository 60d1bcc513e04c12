// The fixed answers of batch mode to the window's questions and notices.

#include "batch/fixed_answers.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/ansi.h"
#include "ui/types.h"

namespace {

using batch::Severity;

TEST(BatchAnswers, EveryQuestionOfTheWindowHasItsAnswer) {
  const std::string title = "Plyfix";
  const struct {
    std::u8string text;
    std::u8string caption;
    unsigned flags;
    bool force;
    int answer;
    Severity severity;
  } cases[] = {
      {u8"元と変換後の文字列が同じだと、変換の意味がないのではないですか？\nそれでも処理を実行しま"
       u8"すか？",
       u8"確認", ui::MB_YESNO, false, ui::IDYES, Severity::None},
      {u8"置換文字列が空白のときは削除と同じ働きをします.\n続行しますか?", u8"確認っす",
       ui::MB_YESNO | ui::MB_ICONEXCLAMATION, false, ui::IDYES, Severity::None},
      {u8"指定された行数は,a.htmの実際の行数より多いようです.\n最終行に追加しますか?", u8"確認っす",
       ui::MB_YESNOCANCEL | ui::MB_ICONINFORMATION, false, ui::IDYES, Severity::None},
      {u8"subはフォルダです。フォルダ内の全ファイルを展開しますか?", u8"確認っす", ui::MB_YESNO,
       false, ui::IDYES, Severity::None},
      {u8"/s/"
       u8"a.htmのバックアップを取ることができませんでした."
       u8"\nバックアップ先に指定したフォルダが存在しない可能性があります."
       u8"\nこのまま本体を書き換えてもいいですか?",
       u8"確認っす", ui::MB_YESNOCANCEL, false, ui::IDNO, Severity::Problem},
      {u8"システムフォルダを対象にするのは危険です! > /usr", u8"続けますか?", ui::MB_YESNO, false,
       ui::IDNO, Severity::Problem},
      {u8"システムフォルダを対象にするのは危険です! > /usr", u8"続けますか?", ui::MB_YESNO, true,
       ui::IDYES, Severity::None},
      // A question nobody foresaw is declined, which never writes.
      {u8"何か別の質問?", u8"確認", ui::MB_YESNOCANCEL, false, ui::IDNO, Severity::Problem},
      // Notices.
      {u8"3個のファイルに対し,\n5個の文字列を置換しました.", u8"完了", ui::MB_OK, false, ui::IDOK,
       Severity::None},
      {u8"ファイル /s/a.htm は開けません.", u8"Plyfix", ui::MB_OK | ui::MB_ICONSTOP, false,
       ui::IDOK, Severity::Fatal},
      {u8"禁止された拡張子のため、リストに追加しません :a.exe", u8"Plyfix", ui::MB_OK, false,
       ui::IDOK, Severity::Problem},
      {u8"システムファイルなので追加しません : fifo", u8"Plyfix", ui::MB_OK, false, ui::IDOK,
       Severity::Problem},
      {u8"隠しファイルなので追加しません : .a.htm", u8"Plyfix", ui::MB_OK, false, ui::IDOK,
       Severity::Problem},
      {u8"すでにリストにあるので追加しません :a.htm", u8"Plyfix", ui::MB_OK, false, ui::IDOK,
       Severity::Note},
      {u8"変換対象のファイルがリストされていません.", u8"Plyfix", ui::MB_OK, false, ui::IDOK,
       Severity::Note},
      {u8"データ形式を確認してください.", u8"Plyfix", ui::MB_OK, false, ui::IDOK, Severity::Usage},
      {u8"対象文字列をなにか入力してください.", u8"Plyfix", ui::MB_OK, false, ui::IDOK,
       Severity::Usage},
  };
  for (const auto& c : cases) {
    const std::string text = platform::Utf8ToCp932(std::string(c.text.begin(), c.text.end()));
    const std::string caption =
        platform::Utf8ToCp932(std::string(c.caption.begin(), c.caption.end()));
    const batch::Reply reply =
        batch::AnswerMessage(text, caption, c.flags, title, {.force = c.force});
    const std::string shown = platform::Cp932ToUtf8(text);
    EXPECT_EQ(reply.answer, c.answer) << shown;
    EXPECT_EQ(reply.severity, c.severity) << shown;
    // Whatever is reported is reported with the window's own words.
    if (reply.severity != Severity::None) {
      EXPECT_FALSE(reply.report.empty()) << shown;
      EXPECT_EQ(text.find(reply.report), 0u) << shown;
    }
  }
}

TEST(BatchAnswers, OnlyAFileLeftUnwrittenInTheLogIsAProblem) {
  for (const std::string& line :
       {u8"書き込み禁止:/s/a.htm"_sj, u8"読み込み後に変更されたため書き込みません:/s/a.htm"_sj,
        u8"属性を引き継げないため書き込みません:/s/a.htm"_sj}) {
    EXPECT_EQ(batch::ClassifyLogLine(line).severity, Severity::Problem);
    EXPECT_EQ(batch::ClassifyLogLine(line).report, line);
  }
  for (const std::string& line :
       {u8"処理しませんでした:/s/a.htm"_sj, u8"/s/a.htm : 2ヶ所"_sj,
        u8"書き込み禁止属性を解除:/s/a.htm"_sj, u8"既に文字列があったので追加せず: /s/a.htm"_sj}) {
    EXPECT_EQ(batch::ClassifyLogLine(line).severity, Severity::None) << platform::Cp932ToUtf8(line);
  }
}

}  // namespace
