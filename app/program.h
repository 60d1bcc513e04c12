#pragma once
// The program's start: application title and help file, the two windows, the
// message loop. The executable's main installs its backend and calls this.

// Runs the program against ui::Application() and the backend in force; returns
// the exit code, 0.
int PlyfixMain();
