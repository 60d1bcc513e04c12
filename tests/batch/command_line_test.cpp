// The batch command line: which command lines are batch commands, and what a
// command line parses into.

#include "batch/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using batch::AddAt;
using batch::Command;
using batch::Operation;
using Args = std::vector<std::string>;

TEST(BatchCommandLine, OperationWordsAndOptionsAskForBatchModePathsDoNot) {
  const struct {
    Args args;
    bool batch;
  } cases[] = {
      {{}, false},
      {{"replace", "a", "b", "f"}, true},
      {{"delete"}, true},
      {{"add"}, true},
      {{"patch"}, true},
      {{"--help"}, true},
      {{"-i", "replace", "a", "b", "f"}, true},
      {{"./replace"}, false},
      {{"/srv/site", "index.html"}, false},
      {{"Replace"}, false},
      {{"--", "replace"}, false},
      {{"-"}, false},
      {{"-rq", "delete", "x", "f"}, true},
      {{"-platform", "offscreen"}, false},
      {{"-style", "fusion", "a.html"}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(batch::IsBatchCommand(c.args), c.batch) << testing::PrintToString(c.args);
  }
}

TEST(BatchCommandLine, OperandsAndOptionsInAnyOrder) {
  const struct {
    Args args;
    Operation operation;
    Args texts;
    Args paths;
  } cases[] = {
      {{"replace", "old", "new", "a", "b"}, Operation::Replace, {"old", "new"}, {"a", "b"}},
      {{"-i", "replace", "old", "-r", "new", "a", "--quiet"},
       Operation::Replace,
       {"old", "new"},
       {"a"}},
      {{"replace", "--", "-old", "--new", "-a"}, Operation::Replace, {"-old", "--new"}, {"-a"}},
      {{"replace", "old", "", "a"}, Operation::Replace, {"old", ""}, {"a"}},
      {{"delete", "x", "a"}, Operation::Delete, {"x"}, {"a"}},
      {{"add", "--head", "T", "a"}, Operation::Add, {"T"}, {"a"}},
      {{"patch", "c.pfc", "2", "/srv"}, Operation::Patch, {"c.pfc", "2", "/srv"}, {}},
      {{"delete", "x", "-"}, Operation::Delete, {"x"}, {"-"}},
  };
  for (const auto& c : cases) {
    const Command command = batch::ParseCommandLine(c.args);
    ASSERT_EQ(command.kind, Command::Kind::Run) << command.error;
    EXPECT_EQ(command.operation, c.operation);
    EXPECT_EQ(command.texts, c.texts);
    EXPECT_EQ(command.paths, c.paths);
  }
}

TEST(BatchCommandLine, OptionsSetWhatTheyName) {
  const Args base = {"replace", "a", "b", "f"};
  const auto parse = [&base](Args options) {
    Args args = base;
    args.insert(args.end(), options.begin(), options.end());
    const Command command = batch::ParseCommandLine(args);
    EXPECT_EQ(command.kind, Command::Kind::Run) << command.error;
    return command.options;
  };
  EXPECT_EQ(parse({"-i"}).ignore_case, true);
  EXPECT_EQ(parse({"-i", "--match-case"}).ignore_case, false);
  EXPECT_EQ(parse({"--ign"}).ignore_case, true);  // an unambiguous prefix
  EXPECT_EQ(parse({}).ignore_case, std::nullopt);
  EXPECT_EQ(parse({"--backup"}).backup, true);
  EXPECT_EQ(parse({"--backup"}).backup_folder, std::nullopt);
  EXPECT_EQ(parse({"--backup=/b"}).backup_folder, "/b");
  EXPECT_EQ(parse({"--backup=/b", "--no-backup"}).backup, false);
  EXPECT_EQ(parse({"--read-only=skip"}).read_only_mode, 0);
  EXPECT_EQ(parse({"--read-only", "clear"}).read_only_mode, 1);
  EXPECT_EQ(parse({"--read-only=restore"}).read_only_mode, 2);
  EXPECT_EQ(parse({"-r"}).recursive, true);
  EXPECT_EQ(parse({"--no-recursive"}).recursive, false);
  EXPECT_EQ(parse({"--allow=html,htm"}).allow, "html,htm");
  EXPECT_EQ(parse({"--allow="}).allow, "");
  EXPECT_EQ(parse({"--prohibit", "exe"}).prohibit, "exe");
  const batch::Options grouped = parse({"-rinq"});
  EXPECT_TRUE(grouped.recursive && grouped.ignore_case && grouped.dry_run && grouped.quiet);
  const batch::Options flags =
      parse({"--skip-hidden", "--skip-system", "--overwrite-backups", "--force", "--log"});
  EXPECT_TRUE(flags.skip_hidden && flags.skip_system && flags.overwrite_backups && flags.force &&
              flags.log);

  const Command add = batch::ParseCommandLine({"add", "T", "--line", "12", "--skip-if-there", "f"});
  ASSERT_EQ(add.kind, Command::Kind::Run) << add.error;
  EXPECT_EQ(add.options.add_at, AddAt::Line);
  EXPECT_EQ(add.options.line_number, "12");
  EXPECT_TRUE(add.options.skip_if_there);
  EXPECT_EQ(add.paths, Args{"f"});
  EXPECT_EQ(batch::ParseCommandLine({"add", "T", "--tail", "f"}).options.add_at, AddAt::Tail);
}

TEST(BatchCommandLine, HelpAndVersionWinOverEverythingElse) {
  EXPECT_EQ(batch::ParseCommandLine({"--help"}).kind, Command::Kind::Help);
  EXPECT_EQ(batch::ParseCommandLine({"replace", "-h"}).kind, Command::Kind::Help);
  EXPECT_EQ(batch::ParseCommandLine({"--vers"}).kind, Command::Kind::Version);
  EXPECT_EQ(batch::ParseCommandLine({"replace", "--", "--help", "x", "f"}).kind,
            Command::Kind::Run);
}

TEST(BatchCommandLine, WrongUsageIsNamed) {
  const struct {
    Args args;
    std::string error;
  } cases[] = {
      {{"-i"}, "missing operation"},
      {{"-i", "frobnicate"}, "unknown operation 'frobnicate'"},
      {{"replace", "a", "b"}, "no file or folder given"},
      {{"replace", "a"}, "missing operands"},
      {{"delete", "a"}, "no file or folder given"},
      {{"add", "T", "f"}, "add needs --head, --tail or --line N"},
      {{"replace", "a", "b", "f", "--head"}, "belong to add"},
      {{"patch", "c.pfc", "1"}, "patch takes CUEFILE PATCH DOCROOT"},
      {{"patch", "c.pfc", "1", "/srv", "--allow=html"}, "--allow does not apply to patch"},
      {{"replace", "a", "b", "f", "--frob"}, "unknown option '--frob'"},
      {{"replace", "a", "b", "f", "--no"}, "option '--no' is ambiguous"},
      {{"replace", "a", "b", "f", "--quiet=yes"}, "option '--quiet' doesn't allow an argument"},
      {{"replace", "a", "b", "f", "--read-only"}, "option '--read-only' requires an argument"},
      {{"replace", "a", "b", "f", "--read-only=never"}, "--read-only takes skip, clear or restore"},
      {{"replace", "a", "b", "f", "--backup="}, "--backup= needs a folder"},
      {{"replace", "a", "b", "f", "-x"}, "invalid option -- 'x'"},
      {{"add", "T", "--line", "0", "f"}, "--line takes a line number from 1"},
      {{"add", "T", "--line=3x", "f"}, "--line takes a line number from 1"},
      {{"add", "T", "--line=99999999999", "f"}, "--line takes a line number from 1"},
  };
  for (const auto& c : cases) {
    const Command command = batch::ParseCommandLine(c.args);
    EXPECT_EQ(command.kind, Command::Kind::UsageError) << testing::PrintToString(c.args);
    EXPECT_NE(command.error.find(c.error), std::string::npos)
        << testing::PrintToString(c.args) << " gave: " << command.error;
  }
}

}  // namespace
