#pragma once
// TOpenDialog: the file-open dialog. Execute shows it through the backend; when
// the user confirms, Files holds the chosen names in the dialog's order and
// FileName the first.

#include <cstdint>
#include <string>
#include <vector>

#include "ui/component.h"

namespace ui {

// Option flags, with the class library's bit positions.
using TOpenOptions = std::uint32_t;
inline constexpr TOpenOptions ofReadOnly = 1u << 0;
inline constexpr TOpenOptions ofOverwritePrompt = 1u << 1;
inline constexpr TOpenOptions ofHideReadOnly = 1u << 2;
inline constexpr TOpenOptions ofNoChangeDir = 1u << 3;
inline constexpr TOpenOptions ofAllowMultiSelect = 1u << 6;
inline constexpr TOpenOptions ofPathMustExist = 1u << 8;
inline constexpr TOpenOptions ofFileMustExist = 1u << 9;
inline constexpr TOpenOptions ofEnableSizing = 1u << 19;

class TOpenDialog : public TComponent {
 public:
  // Options ofHideReadOnly | ofEnableSizing, as the class library's default.
  explicit TOpenDialog(TComponent* owner);

  // "description|pattern|description|pattern…".
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& filter) { filter_ = filter; }
  int FilterIndex() const { return filter_index_; }
  void SetFilterIndex(int index) { filter_index_ = index; }
  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions options) { options_ = options; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }
  const std::string& InitialDir() const { return initial_dir_; }
  void SetInitialDir(const std::string& folder) { initial_dir_ = folder; }

  const std::string& FileName() const { return file_name_; }
  void SetFileName(const std::string& name) { file_name_ = name; }
  const std::vector<std::string>& Files() const { return files_; }

  // Shows the dialog; true when the user confirmed a choice.
  bool Execute();

 private:
  std::string filter_;
  int filter_index_ = 1;
  TOpenOptions options_ = ofHideReadOnly | ofEnableSizing;
  std::string title_;
  std::string initial_dir_;
  std::string file_name_;
  std::vector<std::string> files_;
};

}  // namespace ui
