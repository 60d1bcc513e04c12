#pragma once
// The program's start: application title and help file, the two windows, the
// message loop. The executable's main installs its backend and calls this.

#include <string>
#include <vector>

// Runs the program against ui::Application() and the backend in force; returns
// the exit code, 0. Once the main window has been shown, the files and folders
// of start_paths (code page 932 names) reach it as one drop.
int PlyfixMain(std::vector<std::string> start_paths = {});

// The paths given on the command line (after the program name), made absolute
// against the current folder and turned into code page 932 names.
std::vector<std::string> CommandLinePaths(int argc, const char* const* argv);
