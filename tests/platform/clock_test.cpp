#include "platform/clock.h"

#include <gtest/gtest.h>

#include <cmath>

namespace platform {
namespace {

TEST(ClockTest, EncodesDaysSinceTheEpoch) {
  struct Case {
    int year, month, day;
    double value;
    std::string date;
  };
  const Case cases[] = {
      {1899, 12, 30, 0, "1899/12/30"},       {1899, 12, 31, 1, "1899/12/31"},
      {1900, 1, 1, 2, "1900/01/01"},         {1900, 3, 1, 61, "1900/03/01"},
      {2000, 2, 29, 36585, "2000/02/29"},    {2000, 12, 24, 36884, "2000/12/24"},
      {1899, 12, 29, -1, "1899/12/29"},      {2100, 3, 1, 73110, "2100/03/01"},
      {9999, 12, 31, 2958465, "9999/12/31"},
  };
  for (const Case& c : cases) {
    const TDateTime value = EncodeDateTime(c.year, c.month, c.day, 0, 0, 0);
    EXPECT_EQ(value, c.value) << c.date;
    EXPECT_EQ(FormatShortDate(value), c.date);
  }
  EXPECT_EQ(EncodeDateTime(2000, 12, 24, 12, 0, 0), 36884.5);
  EXPECT_EQ(EncodeDateTime(1899, 12, 29, 6, 0, 0), -1.25);
  EXPECT_EQ(FormatShortDate(-1.25), "1899/12/29");
  EXPECT_EQ(FormatLongTime(-1.25), "06:00:00");
}

TEST(ClockTest, EverySecondOfADayFormatsAsEncoded) {
  char expected[16];
  for (int second = 0; second < 86400; ++second) {
    const int h = second / 3600, m = second / 60 % 60, s = second % 60;
    const TDateTime value = EncodeDateTime(2000, 12, 24, h, m, s);
    std::snprintf(expected, sizeof expected, "%02d:%02d:%02d", h, m, s);
    ASSERT_EQ(FormatLongTime(value), expected);
    ASSERT_EQ(FormatShortDate(value), "2000/12/24") << expected;
  }
  EXPECT_EQ(FormatLongTime(EncodeDateTime(2000, 12, 24, 13, 5, 9, 999)), "13:05:09");
  // Half a millisecond before midnight already rounds into the next day.
  const TDateTime almost_midnight = 36885 - 0.4 / 86'400'000;
  EXPECT_EQ(FormatShortDate(almost_midnight), "2000/12/25");
  EXPECT_EQ(FormatLongTime(almost_midnight), "00:00:00");
}

TEST(ClockTest, NowComesFromTheInstalledClock) {
  SetClock([] { return 36884.5449060532; });
  EXPECT_EQ(Now(), 36884.5449060532);
  SetClock({});
  const TDateTime now = Now();
  EXPECT_GT(now, EncodeDateTime(2020, 1, 1, 0, 0, 0));
  EXPECT_LT(now, EncodeDateTime(2200, 1, 1, 0, 0, 0));
}

TEST(ClockTest, FloatToStrUsesFifteenSignificantDigits) {
  struct Case {
    double value;
    std::string text;
  };
  const Case cases[] = {
      {36884.5449060532, "36884.5449060532"},
      {36884.5, "36884.5"},
      {36884, "36884"},
      {0, "0"},
      {-0.0, "0"},
      {-2.5, "-2.5"},
      {0.1, "0.1"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {0.0001, "0.0001"},
      {0.00001, "1E-5"},
      {0.000012345, "1.2345E-5"},
      {123456789012345, "123456789012345"},
      {1234567890123456, "1.23456789012346E15"},
      {1e15, "1E15"},
      {999999999999999.4, "999999999999999"},
      {1e20, "1E20"},
      {-1.5e-300, "-1.5E-300"},
      {INFINITY, "INF"},
      {-INFINITY, "-INF"},
      {NAN, "NAN"},
  };
  for (const Case& c : cases) EXPECT_EQ(FloatToStr(c.value), c.text) << c.text;
}

}  // namespace
}  // namespace platform
