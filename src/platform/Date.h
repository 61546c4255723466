#pragma once

#include "platform/Strings.h"

namespace platform {

// The current local date and time, taken when the object is made.
class Date {
public:
    Date();
    Date(int year, int month, int day, int hour, int minute, int second);

    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

// "YYYY-MM-DD HH:MM:SS": the last eight characters are the 24-hour time, zero-padded.
String Str(const Date& date);

} // namespace platform
