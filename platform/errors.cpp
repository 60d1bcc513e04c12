#include "platform/errors.h"

#include "platform/ansi.h"

namespace platform {
namespace {

// The message pattern with its "%s" replaced by the argument.
std::string FormatMessage(const std::string& pattern, const std::string& argument) {
  std::string message = pattern;
  const std::size_t at = message.find("%s");
  if (at != std::string::npos) message.replace(at, 2, argument);
  return message;
}

}  // namespace

EFOpenError::EFOpenError(const std::string& path)
    : Exception(FormatMessage(u8"ファイル %s は開けません"_sj, path)) {}

EFCreateError::EFCreateError(const std::string& path)
    : Exception(FormatMessage(u8"ファイル %s を作成できません"_sj, path)) {}

EConvertError::EConvertError(const std::string& text)
    : Exception(FormatMessage(u8"'%s' は整数ではありません"_sj, text)) {}

EIniFileException::EIniFileException(const std::string& path)
    : Exception(FormatMessage(u8"%s に書き込めません"_sj, path)) {}

}  // namespace platform
