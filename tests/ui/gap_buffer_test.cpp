#include "ui/gap_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ui {
namespace {

std::vector<std::string> Contents(const GapBuffer<std::string>& buffer) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < buffer.size(); ++i) out.push_back(buffer[i]);
  return out;
}

TEST(GapBufferTest, EditsAnywhereKeepEveryElement) {
  GapBuffer<std::string> buffer;
  buffer.assign({"x", "ABC", "y"});  // no gap yet
  buffer.erase(1);
  buffer.insert(0, "abc");
  EXPECT_EQ(Contents(buffer), (std::vector<std::string>{"abc", "x", "y"}));

  for (int i = 0; i < 40; ++i) buffer.insert(1 + i, std::to_string(i));
  buffer.erase(0, 2);
  buffer.insert(buffer.size(), "end");
  EXPECT_EQ(buffer.size(), 42u);
  EXPECT_EQ(buffer[0], "1");
  EXPECT_EQ(buffer[38], "39");
  EXPECT_EQ(buffer[39], "x");
  EXPECT_EQ(buffer[40], "y");
  EXPECT_EQ(buffer[41], "end");
}

}  // namespace
}  // namespace ui
