#pragma once
// A test fixture for anything that talks to a person: a fresh ScriptedBackend
// in force and a fresh application object for each test.

#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/scoped_backend.h"
#include "ui/scripted_backend.h"

namespace ui::testing {

class ScriptedTest : public ::testing::Test {
 protected:
  ScriptedTest() { Application().Reset(); }
  ~ScriptedTest() override {
    Application().Reset();
    EXPECT_EQ(script.PendingAnswers(), 0) << "answers left unused";
  }

  ScriptedBackend script;

 private:
  ScopedBackend use_{script};
};

}  // namespace ui::testing
