#include "platform/ansi.h"

#include <gtest/gtest.h>

#include <optional>

namespace platform {
namespace {

// The code point of a UTF-8 text holding exactly one character.
std::optional<char32_t> SingleCodePoint(const std::string& utf8) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
  std::size_t length = 0;
  char32_t code = 0;
  if (utf8.empty()) return std::nullopt;
  if (bytes[0] < 0x80) {
    length = 1, code = bytes[0];
  } else if ((bytes[0] & 0xE0) == 0xC0) {
    length = 2, code = bytes[0] & 0x1F;
  } else if ((bytes[0] & 0xF0) == 0xE0) {
    length = 3, code = bytes[0] & 0x0F;
  } else {
    return std::nullopt;
  }
  if (utf8.size() != length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) code = code << 6 | (bytes[i] & 0x3F);
  return code;
}

// The lower-case letter of the capitals that lowering covers: full-width Latin,
// Greek and Cyrillic; nullopt for any other character.
std::optional<char32_t> UnicodeLowerOfCoveredCapital(char32_t code) {
  if (code >= 0xFF21 && code <= 0xFF3A) return code + 0x20;
  if (code >= 0x0391 && code <= 0x03A9 && code != 0x03A2) return code + 0x20;
  if (code >= 0x0410 && code <= 0x042F) return code + 0x20;
  if (code == 0x0401) return 0x0451;
  return std::nullopt;
}

bool InLoweredRanges(unsigned code) {
  return (code >= 0x8260 && code <= 0x8279) || (code >= 0x839F && code <= 0x83B6) ||
         (code >= 0x8440 && code <= 0x8460);
}

TEST(AnsiTest, LeadBytes) {
  for (int byte = 0; byte < 256; ++byte) {
    const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(byte)), lead) << byte;
    const bool trail = byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
    EXPECT_EQ(IsTrailByte(static_cast<unsigned char>(byte)), trail) << byte;
  }
}

TEST(AnsiTest, LowersEverySingleByteOnlyForAsciiCapitals) {
  for (int byte = 0; byte < 256; ++byte) {
    char text = static_cast<char>(byte);
    AnsiLowerBuff(&text, 1);
    const int expected = byte >= 'A' && byte <= 'Z' ? byte + 32 : byte;
    EXPECT_EQ(static_cast<unsigned char>(text), expected) << byte;
  }
}

TEST(AnsiTest, LowersEveryDoubleByteCodeLikeUnicode) {
  int lowered_count = 0;
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      const unsigned code = lead << 8 | trail;
      const std::string original{static_cast<char>(lead), static_cast<char>(trail)};
      const std::string lowered = AnsiLowerCase(original);
      ASSERT_EQ(lowered.size(), 2u) << std::hex << code;
      EXPECT_EQ(lowered[0], original[0]) << std::hex << code;

      const bool changed = lowered != original;
      EXPECT_EQ(changed, InLoweredRanges(code)) << std::hex << code;
      lowered_count += changed;

      const std::optional<char32_t> unicode = SingleCodePoint(Cp932ToUtf8(original));
      const std::optional<char32_t> unicode_lower =
          unicode ? UnicodeLowerOfCoveredCapital(*unicode) : std::nullopt;
      if (unicode_lower) {
        EXPECT_EQ(SingleCodePoint(Cp932ToUtf8(lowered)), unicode_lower) << std::hex << code;
      } else {
        EXPECT_FALSE(changed) << std::hex << code;
      }
    }
  }
  EXPECT_EQ(lowered_count, 26 + 24 + 33);
}

TEST(AnsiTest, LowerWalksCharacters) {
  struct Case {
    std::string text;
    std::string lowered;
  };
  const Case cases[] = {
      {"", ""},
      {"AbC<BR>", "abc<br>"},
      // ア is 0x83 0x41: its trail byte "A" stays, the "A" after it is lowered.
      {"\x83\x41"
       "A",
       "\x83\x41"
       "a"},
      // Ｚ then Σ then Я.
      {"\x82\x79\x83\xB0\x84\x60", "\x82\x9A\x83\xD0\x84\x91"},
      // A lead byte at the very end stands alone.
      {"X\x82", "x\x82"},
      {"\x82\x82\x60", "\x82\x82\x60"},
      // Half-width katakana are single bytes.
      {"\xB1Z", "\xB1z"},
      {std::string("N\0M", 3), std::string("n\0m", 3)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AnsiLowerCase(c.text), c.lowered) << c.text;
    std::string in_place = c.text;
    AnsiLowerBuff(in_place.data(), in_place.size());
    EXPECT_EQ(in_place, c.lowered) << c.text;
  }
}

TEST(AnsiTest, ConvertsBothWays) {
  const std::string utf8 = reinterpret_cast<const char*>(u8"日本語 ｱｲｳ ABC ＡΣЖ\r\n");
  const std::string cp932 = Utf8ToCp932(utf8);
  EXPECT_EQ(cp932.substr(0, 4), "\x93\xFA\x96\x7B");
  EXPECT_EQ(cp932.substr(6, 4), " \xB1\xB2\xB3");
  EXPECT_EQ(Cp932ToUtf8(cp932), utf8);
  EXPECT_EQ(Cp932ToUtf8(""), "");
  EXPECT_EQ(Utf8ToCp932(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(AnsiTest, UnconvertibleCharactersBecomeQuestionMarks) {
  struct Case {
    std::string input;
    std::string output;
  };
  const Case to_cp932[] = {
      {reinterpret_cast<const char*>(u8"a☃b"), "a?b"},
      {reinterpret_cast<const char*>(u8"😀日"), "?\x93\xFA"},
      {"a\x80"
       "b",
       "a?b"},
      {"a\xE2\x98", "a?"},
      {"\xE2\x98"
       "b",
       "?b"},
      {"\xFF\xFE", "??"},
  };
  for (const Case& c : to_cp932) EXPECT_EQ(Utf8ToCp932(c.input), c.output) << c.input;

  const Case to_utf8[] = {
      // Unassigned double-byte code: one "?" for both bytes.
      {"a\x85\x40"
       "b",
       "a?b"},
      // A lead byte before a byte that cannot follow it: the next byte survives.
      {"\x81 b", "? b"},
      {"a\x82", "a?"},
      {"\xFD"
       "a",
       "?a"},
  };
  for (const Case& c : to_utf8) EXPECT_EQ(Cp932ToUtf8(c.input), c.output) << c.input;
}

TEST(AnsiTest, SjLiteralIsConvertedOnceAndCached) {
  const std::string& first = u8"変換開始！"_sj;
  EXPECT_EQ(Cp932ToUtf8(first), reinterpret_cast<const char*>(u8"変換開始！"));
  EXPECT_EQ(first.size(), 10u);
  const std::string* addresses[2];
  for (const std::string*& address : addresses) address = &u8"確認"_sj;
  EXPECT_EQ(addresses[0], addresses[1]);
  EXPECT_EQ(*addresses[0], "\x8A\x6D\x94\x46");
}

}  // namespace
}  // namespace platform
