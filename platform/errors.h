#pragma once
// The program's error classes: raised by the platform's services, shown by the
// application's error display. Messages are code page 932 byte strings.

#include <exception>
#include <string>

namespace platform {

// Base of every error the program shows to the user; Message() is the text shown.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// "ファイル %s は開けません": a file that cannot be opened for reading.
class EFOpenError : public Exception {
 public:
  explicit EFOpenError(const std::string& path);
};

// "ファイル %s を作成できません": a file that cannot be created or written.
class EFCreateError : public Exception {
 public:
  explicit EFCreateError(const std::string& path);
};

// "'%s' は整数ではありません": a text that is not a 32-bit integer.
class EConvertError : public Exception {
 public:
  explicit EConvertError(const std::string& text);
};

// "%s に書き込めません": a profile key that cannot be written.
class EIniFileException : public Exception {
 public:
  explicit EIniFileException(const std::string& path);
};

}  // namespace platform
