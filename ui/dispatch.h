#pragma once
// Dispatch: every event that user input fires runs through here. An error of the
// program's error class ends the handler and is shown by the application's error
// display; the program keeps running. So is running out of memory, and any other
// error of the standard library, each with a text of its own.

#include <functional>
#include <string>

namespace ui {

void Dispatch(const std::function<void()>& handler);

// The text the error display shows for a message: a full stop is appended unless
// the message is empty or its last character is "." or below it.
std::string ErrorDisplayText(const std::string& message);

}  // namespace ui
