#include "batch/session.h"

#include <sys/stat.h>

#include <filesystem>

#include "app/Pfmain.h"
#include "batch/terminal_text.h"
#include "log/Pflog.h"
#include "log/log_file.h"
#include "platform/ansi.h"
#include "platform/files.h"
#include "platform/text.h"
#include "ui/application.h"
#include "ui/dispatch.h"

namespace batch {
namespace {

// The index of an operation in the operation panel's group.
int OperationIndex(Operation operation) {
  switch (operation) {
    case Operation::Add:
      return 0;
    case Operation::Replace:
    case Operation::Patch:
      return 1;
    case Operation::Delete:
      return 2;
  }
  return 1;
}

const char* TextName(Operation operation, std::size_t index) {
  switch (operation) {
    case Operation::Replace:
      return index == 0 ? "SEARCH" : "REPLACEMENT";
    case Operation::Delete:
      return "SEARCH";
    case Operation::Add:
      return "TEXT";
    case Operation::Patch:
      return "PATCH";
  }
  return "TEXT";
}

// A patch's number counting from 1 when text is one, else 0.
int PatchNumber(const std::string& text) {
  int number = 0;
  return platform::TryStrToInt(text, number) && number > 0 ? number : 0;
}

}  // namespace

Session::Session(const Command& command, std::FILE* out, std::FILE* err)
    : command_(command),
      out_(out),
      report_(err),
      backend_(report_, {.force = command.options.force}, command.options.overwrite_backups),
      installed_backend_(backend_),
      start_folder_(std::filesystem::current_path().string()) {}

Session::~Session() {
  log_echo_.reset();
  ui::Application().Reset();
  MainForm = nullptr;
  LogForm = nullptr;
}

int Session::Run() {
  if (!ConvertTexts()) return report_.ExitStatus();
  Start();
  if (report_.Worst() >= Severity::Usage || !ApplyOptions()) return report_.ExitStatus();
  if (command_.operation == Operation::Patch) {
    if (!PreparePatch()) return report_.ExitStatus();
  } else {
    SetOperation();
    AddPaths();
  }
  TMainForm& form = *MainForm;
  if (command_.options.dry_run) {
    DryRun();
    return report_.ExitStatus();
  }
  ui::Dispatch([&form] { form.Button1Click(form.Button1); });
  if (command_.options.log) {
    ui::Dispatch([&form] { form.SaveLogFile(); });
  }
  std::fflush(out_);
  return report_.ExitStatus();
}

bool Session::ConvertTexts() {
  const std::vector<std::string>& given = command_.texts;
  for (std::size_t i = 0; i < given.size(); ++i) {
    // A cue file and a document root are paths, converted as file names.
    const bool path = command_.operation == Operation::Patch && i != 1;
    std::string cp932;
    std::string unheld;
    if (!path && !ArgumentToCp932(given[i], cp932, unheld)) {
      const std::string what = TextName(command_.operation, i);
      report_.AddOwn(Severity::Usage,
                     unheld.empty() ? what + " is not valid UTF-8"
                                    : what + " holds '" + unheld +
                                          "', which code page 932 cannot hold; nothing was done");
      return false;
    }
    // A line never holds a line break, so no text may: one added would split its line.
    if (!path && cp932.find_first_of("\r\n") != std::string::npos) {
      report_.AddOwn(Severity::Usage, std::string(TextName(command_.operation, i)) +
                                          " holds a line break; a line never does");
      return false;
    }
    // The text to search for or to add; a replacement may be empty.
    if (i == 0 && !path && cp932.empty()) {
      report_.Add(Severity::Usage, u8"対象文字列をなにか入力してください."_sj);
      return false;
    }
    texts_.push_back(path ? given[i] : cp932);
  }
  return true;
}

void Session::Start() {
  ui::TApplication& application = ui::Application();
  application.SetTitle("Plyfix");
  MainForm = application.CreateForm<TMainForm>();
  LogForm = application.CreateForm<TLogForm>();
  const Options& options = command_.options;
  // A dry run writes nothing at all (nor does it commit a file: see DryRun).
  if (options.dry_run) installed_files_.emplace(dry_run_files_);
  const bool log_file = options.log && !options.dry_run;
  // Without a log file to keep, the one on the disk is neither read nor written.
  if (!log_file) dry_run_files_.WriteFile(LogFilePath(), "");
  {
    std::optional<platform::ScopedFileService> showing;
    if (!log_file && !options.dry_run) showing.emplace(dry_run_files_);
    ui::Dispatch([] { MainForm->Show(); });
  }
  TMainForm& form = *MainForm;
  if (options.log && form.LogEnabled == 0) {
    form.LogEnabled = 1;
    ui::Dispatch([&form] { form.LoadLogFile(); });
  }
  // Every line reaches standard output, however long the run.
  LogForm->LogText->SetMaxLength(0);
  log_echo_.emplace(*LogForm->LogText, out_, options.quiet, report_);
}

bool Session::ApplyOptions() {
  TMainForm& form = *MainForm;
  const Options& options = command_.options;
  // Every refusal at admission is then reported; the questions this brings
  // all have answers that do what the window does without them.
  form.AlwaysConfirm = true;
  form.LogEnabled = 1;
  if (options.ignore_case) form.CapIgnore = *options.ignore_case;
  if (options.backup) {
    form.Backup = *options.backup;
    form.BUPlace = 0;
    if (options.backup_folder) {
      const std::string folder = ProgramPath(*options.backup_folder, Severity::Usage);
      if (folder.empty()) return false;
      if (!platform::Files().DirectoryExists(folder)) {
        report_.AddOwn(Severity::Usage, *options.backup_folder + ": not a folder");
        return false;
      }
      form.BUPlace = 1;
      form.BUFolder = folder == "/" ? folder : folder + platform::kPathDelim;
    }
  }
  if (options.read_only_mode) form.ReadOnlyMode = *options.read_only_mode;
  if (options.recursive) form.SubDir = *options.recursive;
  if (options.skip_hidden) form.ProhibHid = true;
  if (options.skip_system) form.ProhibSys = true;
  const auto extension_list = [this](const std::string& option, const std::string& given, bool& on,
                                     std::string& list) {
    std::string unheld;
    if (!ArgumentToCp932(given, list, unheld)) {
      report_.AddOwn(Severity::Usage,
                     option + " holds '" + unheld + "', which code page 932 cannot hold");
      return false;
    }
    on = !list.empty();
    return true;
  };
  if (options.allow && !extension_list("--allow", *options.allow, form.Allow, form.AllowTypes)) {
    return false;
  }
  if (options.prohibit &&
      !extension_list("--prohibit", *options.prohibit, form.Prohibit, form.ProhibitTypes)) {
    return false;
  }
  return true;
}

void Session::SetOperation() {
  TMainForm& form = *MainForm;
  form.RadioGroup1->SetItemIndex(OperationIndex(command_.operation));
  form.RadioGroup1Click(form.RadioGroup1);
  form.Edit1->SetText(texts_[0]);
  if (command_.operation == Operation::Replace) form.Edit2->SetText(texts_[1]);
  if (command_.operation == Operation::Add) {
    const Options& options = command_.options;
    form.RadioGroup2->SetItemIndex(static_cast<int>(*options.add_at));
    form.RadioGroup2Click(form.RadioGroup2);
    if (options.add_at == AddAt::Line) form.Edit3->SetText(options.line_number);
    form.CheckBox1->SetChecked(options.skip_if_there);
  }
}

std::string Session::ProgramPath(const std::string& argument, Severity missing) {
  if (argument.empty()) {
    report_.AddOwn(missing, "an empty path names no file or folder");
    return {};
  }
  std::filesystem::path os(argument);
  if (os.is_relative()) os = std::filesystem::path(start_folder_) / os;
  std::string normal = os.lexically_normal().string();
  while (normal.size() > 1 && normal.back() == '/') normal.pop_back();
  const std::string path = platform::OsNameToCp932(normal);
  if (path.find('?') != std::string::npos) {
    report_.AddOwn(missing, argument + ": a name code page 932 cannot hold (or holding '?')");
    return {};
  }
  if (platform::Files().GetAttributes(path) == platform::kInvalidAttributes) {
    report_.AddOwn(missing, argument + ": no such file or folder");
    return {};
  }
  return path;
}

void Session::AddPaths() {
  TMainForm& form = *MainForm;
  for (const std::string& argument : command_.paths) {
    const std::string path = ProgramPath(argument, Severity::Problem);
    if (path.empty()) continue;
    const bool folder = (platform::Files().GetAttributes(path) & platform::faDirectory) != 0;
    const int listed = form.FullPaths->Count();
    const int shown = report_.Shown();
    ui::Dispatch([&form, &path] { form.WMDropFiles({path}); });
    // Only the allow list refuses without a word; a file named on the command
    // line must not vanish without one.
    if (!folder && form.FullPaths->Count() == listed && report_.Shown() == shown) {
      report_.AddOwn(Severity::Problem, argument + ": not admitted: its extension is not allowed");
    }
  }
}

void Session::DryRun() {
  TMainForm& form = *MainForm;
  if (form.FullPaths->Count() == 0) {
    report_.Add(Severity::Note, u8"変換対象のファイルがリストされていません."_sj);
    return;
  }
  const bool add = form.RadioGroup1->ItemIndex() == 0;
  form.SearchText = form.Edit1->Text();
  form.ReplaceText = form.RadioGroup1->ItemIndex() == 1 ? form.Edit2->Text() : std::string();
  form.LogInsertRow = 0;
  int total = 0;
  ui::Dispatch([&] {
    for (int i = 0; i < form.FullPaths->Count(); ++i) {
      const std::string path = (*form.FullPaths)[i];
      form.LoadWorkLines(path);
      if (add) {
        const AddOutcome outcome = form.AddToWorkLines(path);
        if (outcome == AddOutcome::Stop) return;
        if (outcome == AddOutcome::AlreadyThere) {
          form.AddLogLine(u8"既に文字列があったので追加せず: "_sj + path);
        } else if (outcome == AddOutcome::Changed) {
          form.AddLogLine(Refused(path) ? u8"書き込み禁止:"_sj + path : path);
        }
        continue;
      }
      if (form.WorkLines->Count() == 0) {
        form.AddLogLine(path + u8" : 空のファイルです."_sj);
        continue;
      }
      const int count = form.ReplaceAll();
      const bool refused = count > 0 && Refused(path);
      if (refused) form.AddLogLine(u8"書き込み禁止:"_sj + path);
      if (count > 0 && !refused) {
        total += count;
        form.AddLogLine(path + " : " + platform::IntToStr(count) + u8"ヶ所"_sj);
      } else {
        form.AddLogLine(u8"処理しませんでした:"_sj + path);
      }
    }
    const std::string files = platform::IntToStr(form.FullPaths->Count());
    form.AddLogLine(add ? u8"合計"_sj + files + u8"ファイルに対し、文字列の挿入操作を行いました."_sj
                    : form.ReplaceText.empty()
                        ? files + u8"個のファイルから,\n"_sj + platform::IntToStr(total) +
                              u8"個の文字列を削除しました."_sj
                        : files + u8"個のファイルに対し,\n"_sj + platform::IntToStr(total) +
                              u8"個の文字列を置換しました."_sj);
  });
}

bool Session::Refused(const std::string& path) {
  const int policy = MainForm->ReadOnlyMode;
  if (policy == 1 || policy == 2) return false;
  // Read-only as the write sees it: no owner's write bit, or not this user's to write.
  platform::FileState state;
  return !platform::Files().Inspect(path, state) || (state.mode & S_IWUSR) == 0 || !state.writable;
}

bool Session::PreparePatch() {
  TMainForm& form = *MainForm;
  const std::string cue_file = ProgramPath(texts_[0], Severity::Usage);
  if (cue_file.empty()) return false;
  backend_.SetOpenDialogFiles({cue_file});
  ui::Dispatch([&form] { form.C2Click(form.C2); });
  if (report_.Worst() >= Severity::Usage || !form.PanelPatch->Visible()) return false;

  const ui::TItems& patches = form.ComboBoxPatch->Items();
  int chosen = patches.Count();
  for (int i = 0; i < patches.Count() && chosen == patches.Count(); ++i) {
    if (patches[i] == texts_[1]) chosen = i;
  }
  if (chosen == patches.Count() && PatchNumber(texts_[1]) <= patches.Count()) {
    chosen = PatchNumber(texts_[1]) - 1;
  }
  if (chosen < 0 || chosen == patches.Count()) {
    std::string known;
    for (int i = 0; i < patches.Count(); ++i) {
      known += "\n  " + std::to_string(i + 1) + "  " + ToTerminal(patches[i]);
    }
    report_.AddOwn(Severity::Usage, "no patch '" + command_.texts[1] + "' in " + command_.texts[0] +
                                        "; it has:" + known);
    return false;
  }
  form.ComboBoxPatch->SetItemIndex(chosen);
  ui::Dispatch([&form] { form.ComboBoxPatchChange(form.ComboBoxPatch); });

  const std::string root = ProgramPath(texts_[2], Severity::Usage);
  if (root.empty()) return false;
  if ((platform::Files().GetAttributes(root) & platform::faDirectory) == 0) {
    report_.AddOwn(Severity::Usage, texts_[2] + ": not a folder");
    return false;
  }
  backend_.SetBrowsedFolder(root);
  ui::Dispatch([&form] { form.ButtonAssignFolderClick(form.ButtonAssignFolder); });
  return true;
}

}  // namespace batch
