#pragma once
// The settings file's place and the values that both the settings file and the
// preferences dialog rely on.

#include <cstddef>
#include <string>
#include <string_view>

// "Plyfix.ini" in the program's data folder.
std::string SettingsFilePath();

inline constexpr std::string_view kDefaultProhibitTypes = "exe,com,dll,ocx,vxd,lzh,zip,cab,rar,lnk";
inline constexpr std::string_view kDefaultAllowTypes = "html,htm,cgi,pl,shtml";

// The log window's cap in bytes for a LogSize: LogSize kilobytes, LogSize taken
// into the dialog's range 1 to 32767 (a hand-edited file may hold any integer).
std::size_t LogCapBytes(int log_size);

// The most items read back into one input history. A history grows by one item
// per run with a new string; a hand-edited Count far beyond that would otherwise
// make the start append millions of empty items.
inline constexpr int kMaxHistoryItems = 1000;
