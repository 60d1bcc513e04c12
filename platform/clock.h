#pragma once
// TDateTime and the system's date, time and number formats, with an injectable clock.

#include <functional>
#include <string>

namespace platform {

// Days since 1899-12-30; the fraction is the time of day.
using TDateTime = double;

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                         int millisecond = 0);

// The current local date and time, from the clock in force.
TDateTime Now();
// Installs a clock (tests); an empty function restores the system clock.
void SetClock(std::function<TDateTime()> clock);

// "yyyy/mm/dd".
std::string FormatShortDate(TDateTime value);
// "hh:nn:ss".
std::string FormatLongTime(TDateTime value);
// The general format with up to 15 significant digits: 36884.5449060532.
std::string FloatToStr(double value);

}  // namespace platform
