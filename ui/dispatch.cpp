#include "ui/dispatch.h"

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
  // Both bytes of a double-byte character lie above ".", so the last byte decides.
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

}  // namespace ui
