#include "platform/errors.h"

#include <gtest/gtest.h>

#include "platform/ansi.h"

namespace platform {
namespace {

TEST(ErrorsTest, MessagesAreCodePage932WithTheArgumentInPlace) {
  // "ファイル " in code page 932.
  const std::string file = "\x83\x74\x83\x40\x83\x43\x83\x8B ";
  EXPECT_EQ(EFOpenError("/s/a.htm").Message(),
            file + "/s/a.htm \x82\xCD\x8A\x4A\x82\xAF\x82\xDC\x82\xB9\x82\xF1");
  EXPECT_EQ(EFCreateError("/s/a.htm").Message(), file + "/s/a.htm" + u8" を作成できません"_sj);
  EXPECT_EQ(EConvertError("12a").Message(), "'12a'" + u8" は整数ではありません"_sj);
  EXPECT_EQ(EIniFileException("/x/Plyfix.ini").Message(),
            "/x/Plyfix.ini" + u8" に書き込めません"_sj);
}

TEST(ErrorsTest, ArgumentIsTakenVerbatim) {
  // A "%s" inside the argument is not expanded again; double-byte names stay intact.
  const std::string name = "%s\x95\x5C.txt";
  const EFOpenError error(name);
  EXPECT_EQ(error.Message(), u8"ファイル "_sj + name + u8" は開けません"_sj);
  EXPECT_STREQ(error.what(), error.Message().c_str());
  const Exception& base = error;
  EXPECT_EQ(base.Message(), error.Message());
}

}  // namespace
}  // namespace platform
