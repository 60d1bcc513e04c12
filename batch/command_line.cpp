#include "batch/command_line.h"

#include <charconv>
#include <climits>
#include <string_view>

namespace batch {
namespace {

enum class Argument { None, Required, Optional };

struct OptionRule {
  std::string_view name;
  char short_name;
  Argument argument;
  // Sets the option; returns an error text, empty when the value is fine.
  std::string (*apply)(Options& options, const std::string& value, bool has_value);
};

std::string ReadOnlyPolicy(Options& options, const std::string& value) {
  if (value == "skip") {
    options.read_only_mode = 0;
  } else if (value == "clear") {
    options.read_only_mode = 1;
  } else if (value == "restore") {
    options.read_only_mode = 2;
  } else {
    return "--read-only takes skip, clear or restore, not '" + value + "'";
  }
  return {};
}

std::string LineNumber(Options& options, const std::string& value) {
  int number = 0;
  const char* end = value.data() + value.size();
  const auto [stop, error] = std::from_chars(value.data(), end, number);
  if (value.empty() || error != std::errc() || stop != end || number < 1) {
    return "--line takes a line number from 1 to " + std::to_string(INT_MAX) + ", not '" + value +
           "'";
  }
  options.add_at = AddAt::Line;
  options.line_number = std::to_string(number);
  return {};
}

constexpr OptionRule kOptions[] = {
    {"ignore-case", 'i', Argument::None,
     [](Options& o, const std::string&, bool) {
       o.ignore_case = true;
       return std::string();
     }},
    {"match-case", 0, Argument::None,
     [](Options& o, const std::string&, bool) {
       o.ignore_case = false;
       return std::string();
     }},
    {"backup", 0, Argument::Optional,
     [](Options& o, const std::string& value, bool has_value) {
       if (has_value && value.empty()) return std::string("--backup= needs a folder");
       o.backup = true;
       o.backup_folder.reset();
       if (has_value) o.backup_folder = value;
       return std::string();
     }},
    {"no-backup", 0, Argument::None,
     [](Options& o, const std::string&, bool) {
       o.backup = false;
       o.backup_folder.reset();
       return std::string();
     }},
    {"read-only", 0, Argument::Required,
     [](Options& o, const std::string& value, bool) { return ReadOnlyPolicy(o, value); }},
    {"recursive", 'r', Argument::None,
     [](Options& o, const std::string&, bool) {
       o.recursive = true;
       return std::string();
     }},
    {"no-recursive", 0, Argument::None,
     [](Options& o, const std::string&, bool) {
       o.recursive = false;
       return std::string();
     }},
    {"allow", 0, Argument::Required,
     [](Options& o, const std::string& value, bool) {
       o.allow = value;
       return std::string();
     }},
    {"prohibit", 0, Argument::Required,
     [](Options& o, const std::string& value, bool) {
       o.prohibit = value;
       return std::string();
     }},
    {"skip-hidden", 0, Argument::None,
     [](Options& o, const std::string&, bool) {
       o.skip_hidden = true;
       return std::string();
     }},
    {"skip-system", 0, Argument::None,
     [](Options& o, const std::string&, bool) {
       o.skip_system = true;
       return std::string();
     }},
    {"overwrite-backups", 0, Argument::None,
     [](Options& o, const std::string&, bool) {
       o.overwrite_backups = true;
       return std::string();
     }},
    {"force", 0, Argument::None,
     [](Options& o, const std::string&, bool) {
       o.force = true;
       return std::string();
     }},
    {"dry-run", 'n', Argument::None,
     [](Options& o, const std::string&, bool) {
       o.dry_run = true;
       return std::string();
     }},
    {"log", 0, Argument::None,
     [](Options& o, const std::string&, bool) {
       o.log = true;
       return std::string();
     }},
    {"quiet", 'q', Argument::None,
     [](Options& o, const std::string&, bool) {
       o.quiet = true;
       return std::string();
     }},
    {"head", 0, Argument::None,
     [](Options& o, const std::string&, bool) {
       o.add_at = AddAt::Head;
       return std::string();
     }},
    {"tail", 0, Argument::None,
     [](Options& o, const std::string&, bool) {
       o.add_at = AddAt::Tail;
       return std::string();
     }},
    {"line", 0, Argument::Required,
     [](Options& o, const std::string& value, bool) { return LineNumber(o, value); }},
    {"skip-if-there", 0, Argument::None,
     [](Options& o, const std::string&, bool) {
       o.skip_if_there = true;
       return std::string();
     }},
};

constexpr std::string_view kHelp = "help";
constexpr std::string_view kVersion = "version";

std::optional<Operation> OperationNamed(std::string_view word) {
  if (word == "replace") return Operation::Replace;
  if (word == "delete") return Operation::Delete;
  if (word == "add") return Operation::Add;
  if (word == "patch") return Operation::Patch;
  return std::nullopt;
}

bool IsOption(std::string_view arg) {
  return arg.size() > 1 && arg[0] == '-';
}

Command UsageError(std::string error) {
  Command command;
  command.kind = Command::Kind::UsageError;
  command.error = std::move(error);
  return command;
}

// The option a long name stands for: an exact name, else the only one it begins.
// Help and version count as names too (returned as null with *special set).
std::string FindLong(std::string_view name, const OptionRule*& found, std::string_view& special) {
  found = nullptr;
  special = {};
  std::vector<std::string_view> candidates;
  for (std::string_view extra : {kHelp, kVersion}) {
    if (extra == name) {
      special = extra;
      return {};
    }
    if (extra.starts_with(name)) candidates.push_back(extra);
  }
  for (const OptionRule& rule : kOptions) {
    if (rule.name == name) {
      found = &rule;
      return {};
    }
    if (rule.name.starts_with(name)) candidates.push_back(rule.name);
  }
  if (candidates.empty()) return "unknown option '--" + std::string(name) + "'";
  if (candidates.size() > 1) {
    std::string error = "option '--" + std::string(name) + "' is ambiguous; possibilities:";
    for (std::string_view candidate : candidates) error += " '--" + std::string(candidate) + "'";
    return error;
  }
  return FindLong(candidates.front(), found, special);
}

const OptionRule* FindShort(char letter) {
  for (const OptionRule& rule : kOptions) {
    if (rule.short_name == letter) return &rule;
  }
  return nullptr;
}

// Checks the operands and the options against the operation.
Command Complete(Command command, std::vector<std::string> operands) {
  const Options& options = command.options;
  const bool add = command.operation == Operation::Add;
  if (!add && (options.add_at || options.skip_if_there)) {
    return UsageError("--head, --tail, --line and --skip-if-there belong to add");
  }
  std::size_t texts = 0;
  switch (command.operation) {
    case Operation::Replace:
      texts = 2;
      break;
    case Operation::Delete:
    case Operation::Add:
      texts = 1;
      break;
    case Operation::Patch:
      if (operands.size() != 3) return UsageError("patch takes CUEFILE PATCH DOCROOT");
      if (options.allow)
        return UsageError("--allow does not apply to patch: the cue file names the extensions");
      command.texts = std::move(operands);
      command.kind = Command::Kind::Run;
      return command;
  }
  if (add && !options.add_at) return UsageError("add needs --head, --tail or --line N");
  if (operands.size() <= texts) {
    return UsageError(operands.size() < texts ? "missing operands" : "no file or folder given");
  }
  command.texts.assign(operands.begin(), operands.begin() + texts);
  command.paths.assign(operands.begin() + texts, operands.end());
  command.kind = Command::Kind::Run;
  return command;
}

}  // namespace

bool IsBatchCommand(const std::vector<std::string>& args) {
  if (args.empty()) return false;
  const std::string& first = args.front();
  if (OperationNamed(first) || (first.starts_with("--") && first != "--")) return true;
  // Short options of batch mode; anything else with one dash is left to the
  // desktop program, whose toolkit takes options such as -platform and -style.
  return IsOption(first) && !first.starts_with("--") &&
         first.find_first_not_of("hinqr", 1) == std::string::npos;
}

Command ParseCommandLine(const std::vector<std::string>& args) {
  Command command;
  std::vector<std::string> operands;
  bool options_ended = false;
  std::optional<Operation> operation;
  bool help = false;
  bool version = false;

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || !IsOption(arg)) {
      if (!operation) {
        operation = OperationNamed(arg);
        if (!operation) return UsageError("unknown operation '" + arg + "'");
      } else {
        operands.push_back(arg);
      }
      continue;
    }
    if (arg == "--") {
      options_ended = true;
      continue;
    }
    if (arg.starts_with("--")) {
      const std::size_t equals = arg.find('=');
      const std::string name =
          arg.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
      const bool has_value = equals != std::string::npos;
      std::string value = has_value ? arg.substr(equals + 1) : std::string();
      const OptionRule* rule = nullptr;
      std::string_view special;
      if (std::string error = FindLong(name, rule, special); !error.empty())
        return UsageError(error);
      const std::string full = "--" + std::string(rule ? rule->name : special);
      if (rule == nullptr) {
        if (has_value) return UsageError("option '" + full + "' doesn't allow an argument");
        (special == kHelp ? help : version) = true;
        continue;
      }
      if (rule->argument == Argument::None && has_value) {
        return UsageError("option '" + full + "' doesn't allow an argument");
      }
      if (rule->argument == Argument::Required && !has_value) {
        if (i + 1 == args.size()) return UsageError("option '" + full + "' requires an argument");
        value = args[++i];
      }
      if (std::string error = rule->apply(command.options, value,
                                          has_value || rule->argument == Argument::Required);
          !error.empty()) {
        return UsageError(error);
      }
      continue;
    }
    for (std::size_t at = 1; at < arg.size(); ++at) {
      if (arg[at] == 'h') {
        help = true;
        continue;
      }
      const OptionRule* rule = FindShort(arg[at]);
      if (rule == nullptr) return UsageError("invalid option -- '" + std::string(1, arg[at]) + "'");
      rule->apply(command.options, {}, false);
    }
  }

  if (help) {
    command.kind = Command::Kind::Help;
    return command;
  }
  if (version) {
    command.kind = Command::Kind::Version;
    return command;
  }
  if (!operation) return UsageError("missing operation: replace, delete, add or patch");
  command.operation = *operation;
  return Complete(std::move(command), std::move(operands));
}

std::string HelpText() {
  return R"(Usage: plyfix replace SEARCH REPLACEMENT [OPTION]... PATH...
  or:  plyfix delete SEARCH [OPTION]... PATH...
  or:  plyfix add TEXT (--head | --tail | --line N) [--skip-if-there] [OPTION]... PATH...
  or:  plyfix patch CUEFILE PATCH DOCROOT [OPTION]...
  or:  plyfix [PATH]...          (the desktop program, with PATHs in its list)
Run one Plyfix operation over files and folders without a window, then exit.
Texts are given in UTF-8 and matched as Shift-JIS (code page 932); a text that
code page 932 cannot hold is refused. Folders are expanded and files admitted as
when they are dropped on the window. Options not given come from the settings
file Plyfix.ini, which batch mode reads but never writes.

Operations:
  replace   replace every occurrence of SEARCH by REPLACEMENT
  delete    delete every occurrence of SEARCH
  add       add TEXT as a line of its own
  patch     apply patch PATCH of the cue file CUEFILE to the files of DOCROOT;
            PATCH is a patch's name, or its number counting from 1

Options:
  -i, --ignore-case         match letters regardless of case
      --match-case          match letters exactly
      --backup[=DIR]        keep a backup NAME.bak beside each file, or in DIR
      --no-backup           keep no backup
      --overwrite-backups   replace existing backups (default: keep them)
      --read-only=POLICY    read-only files: skip (leave them unwritten), clear
                            (clear the attribute and write), restore (write and
                            make them read-only again)
  -r, --recursive           expand sub-folders of the folders given
      --no-recursive        take only the files directly in the folders given
      --allow=EXT,...       admit only these extensions (empty: any extension)
      --prohibit=EXT,...    refuse these extensions (empty: refuse none)
      --skip-hidden         refuse hidden files
      --skip-system         refuse system files (FIFOs, sockets, devices)
      --force               also expand the protected system folders
  -n, --dry-run             list what would change; write nothing at all (no
                            file, backup, temporary copy or log file)
      --log                 also record the run in the log file PFlog.txt
  -q, --quiet               print no log lines
      --head, --tail        add: before the first line, after the last line
      --line N              add: as line N (beyond the end: as the last line)
      --skip-if-there       add: not where that line already holds TEXT
  -h, --help                show this help and exit
      --version             show the version and exit
Options may stand anywhere; "--" ends them. Without an operation word the
desktop program starts; "./replace" names a file called replace.

Questions the window would ask get fixed answers:
  an existing backup is kept (replaced with --overwrite-backups); identical
  SEARCH and REPLACEMENT still run; an empty REPLACEMENT deletes; a line number
  beyond the end adds as the last line; a file whose backup fails is left
  unwritten; a protected system folder is not expanded unless --force.

Log lines go to standard output. Refused, skipped and unwritten files are
listed on standard error with the window's texts.

Plyfix.ini and PFlog.txt are read from the program's data folder: the folder
of the executable when it is writable, else ~/.config/plyfix/.

Exit status:
  0  every listed file was done
  1  some files were refused, skipped or not written
  2  wrong usage (also a text code page 932 cannot hold, a bad cue file)
  3  a run-ending error (the file is named)
)";
}

}  // namespace batch
