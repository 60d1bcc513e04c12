#include "batch/fixed_answers.h"

#include <string_view>

#include "platform/ansi.h"
#include "ui/types.h"

namespace batch {
namespace {

bool Begins(std::string_view text, const std::string& start) {
  return text.starts_with(start);
}

bool Ends(std::string_view text, const std::string& end) {
  return text.ends_with(end);
}

// The text up to its first line break: the part of a question that names its subject.
std::string FirstLine(const std::string& text) {
  return text.substr(0, text.find('\n'));
}

Reply Answer(int answer, Severity severity = Severity::None, std::string report = {}) {
  return {answer, severity, std::move(report)};
}

Reply AnswerQuestion(const std::string& text, const std::string& caption,
                     const BatchChoices& choices) {
  // Identical search and replacement: run all the same.
  if (caption == u8"確認"_sj && Begins(text, u8"元と変換後の文字列が同じだと"_sj)) {
    return Answer(ui::IDYES);
  }
  if (caption == u8"確認っす"_sj) {
    // An empty replacement deletes.
    if (Begins(text, u8"置換文字列が空白のときは削除と同じ働きをします."_sj))
      return Answer(ui::IDYES);
    // A line number beyond the end adds as the last line.
    if (Begins(text, u8"指定された行数は,"_sj) &&
        Ends(text, u8"の実際の行数より多いようです.\n最終行に追加しますか?"_sj)) {
      return Answer(ui::IDYES);
    }
    // A folder named on the command line, or a sub-folder met in it, is expanded.
    if (Ends(text, u8"はフォルダです。フォルダ内の全ファイルを展開しますか?"_sj)) {
      return Answer(ui::IDYES);
    }
    // A failed backup leaves the file unwritten.
    if (Ends(text, u8"このまま本体を書き換えてもいいですか?"_sj)) {
      return Answer(ui::IDNO, Severity::Problem, FirstLine(text));
    }
  }
  // A protected system folder is not expanded unless forced.
  if (caption == u8"続けますか?"_sj &&
      Begins(text, u8"システムフォルダを対象にするのは危険です!"_sj)) {
    return choices.force ? Answer(ui::IDYES) : Answer(ui::IDNO, Severity::Problem, text);
  }
  // A question this table does not know: decline it, which never writes.
  return Answer(ui::IDNO, Severity::Problem, text);
}

}  // namespace

Reply AnswerMessage(const std::string& text, const std::string& caption, unsigned flags,
                    const std::string& title, const BatchChoices& choices) {
  const unsigned buttons = flags & ui::MB_TYPEMASK;
  if (buttons == ui::MB_YESNO || buttons == ui::MB_YESNOCANCEL) {
    return AnswerQuestion(text, caption, choices);
  }
  // The summary repeats the log's last lines.
  if (caption == u8"完了"_sj) return Answer(ui::IDOK);
  // A patch whose search line is empty.
  if (text == u8"対象文字列をなにか入力してください."_sj)
    return Answer(ui::IDOK, Severity::Usage, text);
  // The error display: an error that ended the command.
  if (caption == title && (flags & ui::MB_ICONMASK) == ui::MB_ICONSTOP) {
    return Answer(ui::IDOK, Severity::Fatal, text);
  }
  if (Begins(text, u8"すでにリストにあるので追加しません :"_sj) ||
      text == u8"変換対象のファイルがリストされていません."_sj) {
    return Answer(ui::IDOK, Severity::Note, text);
  }
  if (text == u8"データ形式を確認してください."_sj) return Answer(ui::IDOK, Severity::Usage, text);
  // Admission refusals and every other notice.
  return Answer(ui::IDOK, Severity::Problem, text);
}

Reply ClassifyLogLine(const std::string& line) {
  for (const std::string& unwritten :
       {u8"書き込み禁止:"_sj, u8"読み込み後に変更されたため書き込みません:"_sj,
        u8"属性を引き継げないため書き込みません:"_sj}) {
    if (Begins(line, unwritten)) return Answer(0, Severity::Problem, line);
  }
  return Answer(0);
}

}  // namespace batch
