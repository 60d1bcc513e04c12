#pragma once
// TStringList: an ordered list of byte-string lines with the program's line model.
// Reading, a line ends at CR, LF or CR LF and a final break adds no line; writing,
// every line is followed by CR LF. Binary safe: a NUL byte is an ordinary byte.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace platform {

// Cuts bytes into lines by the line model.
std::vector<std::string> SplitLines(std::string_view content);

// Joins lines, each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

class TStringList {
 public:
  int Count() const { return static_cast<int>(lines_.size()); }
  const std::string& operator[](int index) const { return lines_[index]; }
  std::string& operator[](int index) { return lines_[index]; }
  const std::vector<std::string>& Lines() const { return lines_; }
  std::vector<std::string>& Lines() { return lines_; }

  void Add(std::string line) { lines_.push_back(std::move(line)); }
  void Insert(int index, std::string line);
  void Delete(int index);
  void Clear() { lines_.clear(); }

  // Replaces the lines with those cut from content.
  void SetText(std::string_view content) { lines_ = SplitLines(content); }
  std::string Text() const { return JoinLines(lines_); }

  // Raises EFOpenError when the file is missing, unreadable or not a regular file.
  void LoadFromFile(const std::string& path);
  // Raises EFCreateError when the file cannot be written; an existing file keeps
  // its old content then.
  void SaveToFile(const std::string& path) const;

 private:
  std::vector<std::string> lines_;
};

// The lines of one loaded file, each a view of the loaded bytes, so that a file
// costs its own size and one view per line rather than one string per line. A
// changed line no longer than before is written over its old bytes; a longer or
// an added line is kept in storage of its own. Remembers which file was read.
// Views point into the object, so it is neither copied nor moved.
class TTextLines {
 public:
  TTextLines() = default;
  TTextLines(const TTextLines&) = delete;
  TTextLines& operator=(const TTextLines&) = delete;

  int Count() const { return static_cast<int>(lines_.size()); }
  std::string_view operator[](int index) const { return lines_[index]; }
  std::span<const std::string_view> Lines() const { return lines_; }

  // Puts a copy of line before line index (index == Count() appends).
  void Insert(int index, std::string_view line);
  // Puts a copy of line in place of line index.
  void Replace(int index, std::string_view line);

  // Replaces the lines with those cut from a copy of content.
  void SetText(std::string_view content);
  std::string Text() const;

  // Raises EFOpenError when the file is missing, unreadable or not a regular file.
  void LoadFromFile(const std::string& path);
  // The file last loaded, as it was read, and its file-system flags.
  const FileIdentity& Identity() const { return identity_; }
  std::uint32_t FsFlags() const { return fs_flags_; }

 private:
  void Reset();
  void Split();
  // A copy of text in storage that never moves.
  std::string_view Keep(std::string_view text);

  std::string content_;
  std::vector<std::string_view> lines_;
  std::vector<std::unique_ptr<char[]>> kept_;
  char* kept_next_ = nullptr;
  std::size_t kept_room_ = 0;
  FileIdentity identity_;
  std::uint32_t fs_flags_ = 0;
};

}  // namespace platform
