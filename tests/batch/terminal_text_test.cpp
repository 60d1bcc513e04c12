// Arguments from the terminal into code page 932, without ever losing a character.

#include "batch/terminal_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BatchTerminalText, ArgumentsBecomeCodePage932OrAreRefused) {
  const struct {
    std::string utf8;
    bool held;
    std::string cp932;
    std::string unheld;
  } cases[] = {
      {"plain ascii?", true, "plain ascii?", ""},
      {"表示", true, "\x95\x5C\x8E\xA6", ""},
      {"ソ\\", true, "\x83\x5C\x5C", ""},
      {"ｱ", true, "\xB1", ""},
      // The wave dash of Japanese input methods is the code page's tilde-like dash.
      {"〜", true, "\x81\x60", ""},
      {"①", true, "\x87\x40", ""},
      {"caf\xC3\xA9", false, "", "\xC3\xA9"},
      {"a\xF0\x9F\x98\x80", false, "", "\xF0\x9F\x98\x80"},
      {"a?b\xC3\xA9?", false, "", "\xC3\xA9"},
      {"bad\xFF", false, "", "\xFF"},
  };
  for (const auto& c : cases) {
    std::string cp932;
    std::string unheld;
    EXPECT_EQ(batch::ArgumentToCp932(c.utf8, cp932, unheld), c.held) << c.utf8;
    if (c.held) {
      EXPECT_EQ(cp932, c.cp932) << c.utf8;
    }
    EXPECT_EQ(unheld, c.unheld) << c.utf8;
  }
  EXPECT_EQ(batch::ToTerminal("\x95\x5C\x8E\xA6"), "表示");
}

}  // namespace
