#pragma once
// Batch mode's entry: the executable's main hands a command line to it when
// IsBatchCommand says so, before any window system is touched.

namespace batch {

// True when the arguments ask for batch mode rather than the desktop program.
bool IsBatchCommand(int argc, char** argv);

// Runs one batch command to its end and returns the exit status (0 done, 1 some
// files not done, 2 wrong usage, 3 a run-ending error).
int Main(int argc, char** argv);

}  // namespace batch
