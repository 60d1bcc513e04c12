#pragma once
// The rules of the file list that need no window: the extension of a path, its
// match against a comma list of extensions, how a folder and an entry name are
// joined, and which folders the folder guard warns about.

#include <string>
#include <string_view>

// The text after the last "." anywhere in the path (folders included); the whole
// path when it holds no "."; empty when it ends in ".".
std::string_view ExtensionOf(std::string_view path);

// True when an item of the comma list equals the extension as a whole, letter
// case ignored. Items are not trimmed: " htm" never matches "htm".
bool ExtensionInList(std::string_view extension, std::string_view list);

// The folder and an entry name with exactly one separator between them, also
// when the folder already ends in one (a root such as "/").
std::string JoinPath(std::string_view folder, std::string_view name);

// True for a folder that the guard asks about before expanding: one of the two
// protected folders, compared exactly (letter case included), or a path shorter
// than 3 bytes.
bool IsGuardedFolder(std::string_view folder, std::string_view windows_folder,
                     std::string_view system_folder);
