#pragma once
// ScriptError: a scripted test met a question it has no answer for, or an answer
// that does not fit the question. It is not one of the program's errors, so the
// dispatch lets it through and the test fails with its text.

#include <stdexcept>
#include <string>

namespace ui {

class ScriptError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

}  // namespace ui
