#pragma once
// Where the conversion log is kept between starts.

#include <string>

// "PFlog.txt" in the program's data folder.
std::string LogFilePath();
