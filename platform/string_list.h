#pragma once
// TStringList: an ordered list of byte-string lines with the program's line model.
// Reading, a line ends at CR, LF or CR LF and a final break adds no line; writing,
// every line is followed by CR LF. Binary safe: a NUL byte is an ordinary byte.

#include <string>
#include <string_view>
#include <vector>

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

}  // namespace platform
