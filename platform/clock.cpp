#include "platform/clock.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

namespace platform {
namespace {

constexpr long long kMillisecondsPerDay = 86'400'000;
// 1899-12-30 counted from 1970-01-01.
constexpr long long kEpochOffsetDays = -25'569;

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
long long DaysFromCivil(long long year, int month, int day) {
  year -= month <= 2;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long year_of_era = year - era * 400;
  const long long day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long long day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146'097 + day_of_era - 719'468;
}

struct CivilDate {
  long long year;
  int month;
  int day;
};

// The date of a day counted from 1970-01-01.
CivilDate CivilFromDays(long long days) {
  days += 719'468;
  const long long era = (days >= 0 ? days : days - 146'096) / 146'097;
  const long long day_of_era = days - era * 146'097;
  const long long year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36'524 - day_of_era / 146'096) / 365;
  const long long day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const long long shifted_month = (5 * day_of_year + 2) / 153;
  const int day = static_cast<int>(day_of_year - (153 * shifted_month + 2) / 5 + 1);
  const int month = static_cast<int>(shifted_month < 10 ? shifted_month + 3 : shifted_month - 9);
  return {year_of_era + era * 400 + (month <= 2), month, day};
}

struct DayAndTime {
  long long day;           // days since 1899-12-30
  long long milliseconds;  // time of day
};

// Splits a TDateTime into its day and its time of day rounded to the millisecond,
// so that a time stored as 13:05:09 never reads back as 13:05:08.999. Before
// 1899-12-30 the value is the negative day minus the time of day.
DayAndTime Split(TDateTime value) {
  const double whole_days = std::trunc(value);
  long long day = static_cast<long long>(whole_days);
  long long milliseconds =
      static_cast<long long>(std::floor(std::fabs(value - whole_days) * kMillisecondsPerDay + 0.5));
  if (milliseconds >= kMillisecondsPerDay) {
    milliseconds -= kMillisecondsPerDay;
    day += value < 0 ? -1 : 1;
  }
  return {day, milliseconds};
}

std::function<TDateTime()>& InstalledClock() {
  static std::function<TDateTime()> clock;
  return clock;
}

TDateTime SystemNow() {
  using std::chrono::duration_cast;
  using std::chrono::milliseconds;
  const long long since_epoch =
      duration_cast<milliseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
  const std::time_t seconds = static_cast<std::time_t>(since_epoch / 1000);
  std::tm local{};
  localtime_r(&seconds, &local);
  return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec, static_cast<int>(since_epoch % 1000));
}

}  // namespace

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                         int millisecond) {
  const double date = static_cast<double>(DaysFromCivil(year, month, day) - kEpochOffsetDays);
  const double time =
      static_cast<double>(((hour * 60LL + minute) * 60 + second) * 1000 + millisecond) /
      kMillisecondsPerDay;
  return date >= 0 ? date + time : date - time;
}

TDateTime Now() {
  const std::function<TDateTime()>& clock = InstalledClock();
  return clock ? clock() : SystemNow();
}

void SetClock(std::function<TDateTime()> clock) {
  InstalledClock() = std::move(clock);
}

std::string FormatShortDate(TDateTime value) {
  const CivilDate date = CivilFromDays(Split(value).day + kEpochOffsetDays);
  char text[32];
  std::snprintf(text, sizeof text, "%04lld/%02d/%02d", date.year, date.month, date.day);
  return text;
}

std::string FormatLongTime(TDateTime value) {
  const int seconds = static_cast<int>(Split(value).milliseconds / 1000);
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                seconds % 60);
  return text;
}

std::string FloatToStr(double value) {
  constexpr int kPrecision = 15;
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";

  // d.dddddddddddddde±x: the 15 significant digits, correctly rounded. The decimal
  // point printed is the C library's locale's, so it is skipped whatever it is.
  char scientific[32];
  std::snprintf(scientific, sizeof scientific, "%.*e", kPrecision - 1, std::fabs(value));
  std::string digits;
  const char* at = scientific;
  for (; *at != 'e'; ++at) {
    if (*at >= '0' && *at <= '9') digits += *at;
  }
  const int exponent = std::atoi(at + 1);
  digits.erase(digits.find_last_not_of('0') + 1);

  std::string text = value < 0 ? "-" : "";
  // The count of digits before the decimal point; fixed notation when it lies
  // between -3 (0.0001) and the precision.
  const int integer_digits = exponent + 1;
  // Appended in place: concatenating temporaries here makes GCC 12's optimiser
  // warn falsely that the copies overlap (-Wrestrict).
  if (integer_digits > kPrecision || integer_digits < -3) {
    text += digits[0];
    if (digits.size() > 1) text.append(1, '.').append(digits, 1);
    text.append(1, 'E').append(std::to_string(exponent));
  } else if (integer_digits <= 0) {
    text.append("0.").append(-integer_digits, '0').append(digits);
  } else if (static_cast<int>(digits.size()) <= integer_digits) {
    text.append(digits).append(integer_digits - digits.size(), '0');
  } else {
    text.append(digits, 0, integer_digits).append(1, '.').append(digits, integer_digits);
  }
  return text;
}

}  // namespace platform
