#pragma once
// TMainForm: the main window. It holds the file list, the operation panel, the
// patch panel, the menu and all of the program's state; its operations are
// defined in the folders of their subsystems (app/, engine/, filelist/,
// settings/, log/, cue/, dialogs/).

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "engine/backup_names.h"
#include "platform/files.h"
#include "platform/string_list.h"
#include "ui/controls.h"

// How adding a string to one file's lines ended.
namespace batch {
class Session;
}

enum class AddOutcome { Changed, AlreadyThere, LeftUnchanged, Stop };
// How writing one changed file back ended.
enum class CommitOutcome { Written, NotWritten, Stop };

class TMainForm : public ui::TForm {
 public:
  // Builds the window, its menu and both right-hand panels, and accepts dropped files.
  explicit TMainForm(ui::TComponent* owner);

  // Controls, owned by the form.
  ui::TPanel* Panel1;
  ui::TListBox* ListBox1;
  ui::TPanel* Panel2;
  ui::TPanel* Panel3;
  ui::TSpeedButton* PathButton;
  ui::TSpeedButton* LogButton;
  ui::TRadioGroup* RadioGroup1;
  ui::TGroupBox* GroupBox1;
  ui::TLabel* Label1;
  ui::TComboBox* Edit1;
  ui::TLabel* Label2;
  ui::TComboBox* Edit2;
  ui::TRadioGroup* RadioGroup2;
  ui::TEdit* Edit3;
  ui::TUpDown* UpDown1;
  ui::TCheckBox* CheckBox1;
  ui::TButton* Button1;
  ui::TPanel* PanelPatch;
  ui::TLabel* LabelSite;
  ui::TSpeedButton* SpeedButton1;
  ui::TComboBox* ComboBoxPatch;
  ui::TLabel* LabelSiteInfo;
  ui::TListBox* MemoSite;
  ui::TLabel* LabelSaveFolder;
  ui::TButton* ButtonAssignFolder;
  ui::TEdit* EditAssignFolder;
  ui::TOpenDialog* OpenDialog1;

  // The menu and its items.
  ui::TMainMenu* MainMenu1;
  ui::TMenuItem* File2;
  ui::TMenuItem* A1;
  ui::TMenuItem* F1;
  ui::TMenuItem* N3;
  ui::TMenuItem* C2;
  ui::TMenuItem* N4;
  ui::TMenuItem* Exit1;
  ui::TMenuItem* Edit4;
  ui::TMenuItem* Delete1;
  ui::TMenuItem* C1;
  ui::TMenuItem* N2;
  ui::TMenuItem* L1;
  ui::TMenuItem* S1;
  ui::TMenuItem* P1;
  ui::TMenuItem* P2;
  ui::TMenuItem* Help1;
  ui::TMenuItem* Contents1;
  ui::TMenuItem* R1;
  ui::TMenuItem* N1;
  ui::TMenuItem* About1;

  // Event handlers.
  void A1Click(ui::TObject* sender);
  void F1Click(ui::TObject* sender);
  void C2Click(ui::TObject* sender);
  void Exit1Click(ui::TObject* sender);
  void Delete1Click(ui::TObject* sender);
  void C1Click(ui::TObject* sender);
  void L1Click(ui::TObject* sender);
  void P1Click(ui::TObject* sender);
  void P2Click(ui::TObject* sender);
  void Contents1Click(ui::TObject* sender);
  void R1Click(ui::TObject* sender);
  void About1Click(ui::TObject* sender);
  void FormShow(ui::TObject* sender);
  void FormClose(ui::TObject* sender, ui::TCloseAction& action);
  void RadioGroup1Click(ui::TObject* sender);
  void RadioGroup2Click(ui::TObject* sender);
  void Button1Click(ui::TObject* sender);
  void PathButtonClick(ui::TObject* sender);
  void LogButtonClick(ui::TObject* sender);
  void ListBox1KeyPress(ui::TObject* sender, char& key);
  // Files and folders dropped on the window, in the order of the drop.
  void WMDropFiles(const std::vector<std::string>& names);
  void ComboBoxPatchChange(ui::TObject* sender);
  void ButtonAssignFolderClick(ui::TObject* sender);
  void SpeedButton1Click(ui::TObject* sender);

  // State. Public so that tests can set options directly.
  float FormPPI = 0;
  std::unique_ptr<platform::TStringList> FullPaths;
  std::unique_ptr<platform::TTextLines> WorkLines;
  std::unique_ptr<platform::TStringList> CueLines;
  int WorkingMode = 0;

  // Options, loaded and saved with the settings file.
  bool ShowFullPath = false;
  bool AlwaysConfirm = false;
  bool Backup = false;
  int BUPlace = 0;
  std::string BUFolder;
  bool CapIgnore = false;
  int LogEnabled = 0;
  bool LogDownToUp = false;
  int LogSize = 0;
  bool Prohibit = false;
  std::string ProhibitTypes;
  bool Allow = false;
  std::string AllowTypes;
  bool ProhibSys = false;
  bool ProhibHid = false;
  int ReadOnlyMode = 0;
  bool SubDir = false;

  // Members of a conversion run and of a folder scan.
  std::string SearchText;
  std::string ReplaceText;
  int LogInsertRow = 0;
  bool AskBackupOverwrite = false;
  bool OverwriteAllBackups = false;
  engine::RunBackups BackupsOfRun;
  bool InFolderScan = false;

 private:
  // Batch mode reads and saves the log file as the window does.
  friend class batch::Session;

  // File list.
  bool AddFileToList(const std::string& path);
  void UpdateListExtent();
  void UpdateFileCount();
  void AddPath(const std::string& path);
  void ScanFolder(const std::string& folder);
  std::string BrowseFolder(ui::TForm* owner, const std::string& title);
  // AddFileToList with the file's attributes already read (kInvalidAttributes
  // when they could not be).
  bool AdmitFile(const std::string& path, std::uint32_t attributes);
  // Widens the list's scrolling extent for one new display text, if it is the widest.
  void WidenListExtent(const std::string& text);
  // Steps 2 and 3 of adding a folder: a sub-folder without SubDir is passed over,
  // and with AlwaysConfirm the user is asked. True when the folder may be expanded.
  bool MayExpandFolder(const std::string& folder);
  // The folder guard: true when the folder is not a guarded one or the user said Yes.
  bool PassesFolderGuard(const std::string& folder);
  // Removes every selected entry from both sequences in one pass.
  void RemoveSelectedEntries();
  // The lowered full path of every listed file, for the duplicate test.
  std::unordered_set<std::string> ListedPaths;
  // The widest display text's width in pixels, as UpdateListExtent last measured
  // it and admissions since have widened it.
  int ListWidest = 0;

  // Settings. The preferences dialog's folder button uses BrowseFolder.
  friend class TPrefForm;
  void LoadSettings();
  void SaveSettings();
  void ShowPreferences(int page);

  // Log file.
  // Creates the log file from the log text when it is missing, then loads it into
  // the log text. Never raises: a failure is shown in the error box and the log
  // text stays as it was; a log file that exists but cannot be read is held back
  // for the rest of the session (neither loaded nor overwritten again).
  void LoadLogFile();
  // Writes the log text to the log file. Never raises: a failure is shown in the
  // error box and the result is false. A held-back log file is left untouched
  // (the result is true: nothing is to be done).
  bool SaveLogFile();
  bool LogFileHeldBack = false;

  // Conversion run.
  void OpenRunLogBlock();
  void RunAdd();
  void RunReplace(bool delete_run);
  void FinishRun(const std::string& summary);
  void AddLogLine(const std::string& text);
  void UpdateInputHistory();
  void LoadWorkLines(const std::string& path);
  AddOutcome AddToWorkLines(const std::string& path);
  int ReplaceAll();
  CommitOutcome CommitFile(const std::string& path);
  bool MakeBackup(const std::string& path, const platform::FileState& state, bool may_link,
                  engine::MadeBackup& made);
  bool PutBackup(const platform::FileState& state, const std::string& backup, bool exists,
                 bool may_link, engine::MadeBackup& made);
  void DetachBackup(const std::string& target, engine::MadeBackup& made);
  bool WriteWorkLines(const std::string& path, const platform::FileState& state);
  bool ReplaceFile(const std::string& path, const platform::FileState& state, bool read_only);
  bool OverwriteFile(const std::string& path, const platform::FileState& state, bool read_only);
  bool StillAsRead(const std::string& path);
  bool ClearAttributes(const std::string& path);
  bool SetReadOnlyAttribute(const std::string& path);
};

extern TMainForm* MainForm;
