#include "ui/dispatch.h"

#include "platform/ansi.h"
#include "platform/errors.h"
#include "ui/application.h"

namespace ui {

void Dispatch(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const platform::Exception& error) {
    Application().ShowException(error);
  }
}

std::string ErrorDisplayText(const std::string& message) {
  if (message.empty()) return message;
  std::size_t last = 0;
  for (std::size_t i = 0; i < message.size();) {
    last = i;
    i += platform::IsLeadByte(static_cast<unsigned char>(message[i])) ? 2 : 1;
  }
  if (static_cast<unsigned char>(message[last]) > '.') return message + ".";
  return message;
}

}  // namespace ui
