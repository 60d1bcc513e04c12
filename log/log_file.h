#pragma once
// Where the conversion log is kept between starts.

#include <string>

// "PFlog.txt" in the executable's folder.
std::string LogFilePath();
