#pragma once
// TIniFile: single keys of an initialization file, read and written in place.
// A write replaces the key's value where it stands, or appends the key to its
// section, or appends the section; every other line stays as it was. Section and
// key names match without regard to letter case. The file is read once when the
// object is made; every write replaces the whole file (FileService::WriteFile: a
// new copy renamed into place), so a failure leaves the old file whole.

#include <string>
#include <vector>

namespace platform {

class TIniFile {
 public:
  explicit TIniFile(std::string path);

  // The value, blanks around it dropped, then one pair of surrounding double or
  // single quotes, then cut at 2,047 bytes; default_value when the key is missing.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) const;
  // Decimal, or hexadecimal after "0x"/"0X" in a value of more than two characters;
  // default_value when missing or not a valid integer.
  int ReadInteger(const std::string& section, const std::string& key, int default_value) const;
  // Read as an integer; nonzero is true.
  bool ReadBool(const std::string& section, const std::string& key, bool default_value) const;

  // Raise EIniFileException (with the file's path) when the file cannot be written.
  // A value that reading would change (blanks at an end, surrounding quotes) is
  // written in double quotes, so it reads back exactly.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);

  const std::string& FileName() const { return path_; }

 private:
  std::string path_;
  std::vector<std::string> lines_;
  std::string line_break_;
  // False when the file exists but could not be read: a write would lose its lines.
  bool loaded_ = true;
};

}  // namespace platform
