#pragma once
// The command line of batch mode: an operation word, its operands and GNU-style
// options, parsed into a Command without touching anything. Texts stay as they
// arrived (the terminal's UTF-8); converting them is the caller's business.

#include <optional>
#include <string>
#include <vector>

namespace batch {

enum class Operation { Replace, Delete, Add, Patch };

// Where add puts its line: the indexes of the operation panel's position group.
enum class AddAt { Head = 0, Tail = 1, Line = 2 };

// The options given; an empty optional leaves the setting as the settings file has it.
struct Options {
  std::optional<bool> ignore_case;
  std::optional<bool> backup;
  // With --backup=DIR: the folder that collects the backups.
  std::optional<std::string> backup_folder;
  // 0 skip, 1 clear, 2 restore: the read-only policies.
  std::optional<int> read_only_mode;
  std::optional<bool> recursive;
  // A comma list; an empty one switches the list off.
  std::optional<std::string> allow;
  std::optional<std::string> prohibit;
  bool skip_hidden = false;
  bool skip_system = false;
  bool overwrite_backups = false;
  bool force = false;
  bool dry_run = false;
  bool log = false;
  bool quiet = false;
  // add only.
  std::optional<AddAt> add_at;
  std::string line_number;
  bool skip_if_there = false;
};

struct Command {
  enum class Kind { Run, Help, Version, UsageError };
  Kind kind = Kind::UsageError;
  Operation operation = Operation::Replace;
  // replace: SEARCH REPLACEMENT; delete: SEARCH; add: TEXT; patch: CUEFILE PATCH DOCROOT.
  std::vector<std::string> texts;
  // The files and folders to work on (empty for patch).
  std::vector<std::string> paths;
  Options options;
  // What is wrong with a command line of kind UsageError.
  std::string error;
};

// True when the arguments after the program's name ask for batch mode: they
// begin with an operation word, a long option or short options of batch mode.
// Anything else (no arguments, paths, "--" followed by paths, the toolkit's
// options such as -platform) belongs to the desktop program.
bool IsBatchCommand(const std::vector<std::string>& args);

// Parses the arguments after the program's name. Options may stand anywhere
// among the operands; "--" ends them. A long option may be abbreviated to any
// unambiguous prefix and takes its value after "=" or, when it needs one, as
// the next argument. Short options may be grouped (-ir).
Command ParseCommandLine(const std::vector<std::string>& args);

// The text of --help.
std::string HelpText();

}  // namespace batch
