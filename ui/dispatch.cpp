#include "ui/dispatch.h"

#include <new>

#include "platform/ansi.h"
#include "platform/errors.h"
#include "ui/application.h"
#include "ui/script_error.h"

namespace ui {

void Dispatch(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const platform::Exception& error) {
    Application().ShowException(error);
  } catch (const ScriptError&) {
    throw;  // a test script's own complaint goes to the test
  } catch (const std::bad_alloc&) {
    Application().ShowException(platform::Exception(u8"メモリが足りません"_sj));
  } catch (const std::exception& error) {
    Application().ShowException(
        platform::Exception(u8"予期しないエラーが発生しました: "_sj + error.what()));
  }
}

std::string ErrorDisplayText(const std::string& message) {
  // Both bytes of a double-byte character lie above ".", so the last byte decides.
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

}  // namespace ui
