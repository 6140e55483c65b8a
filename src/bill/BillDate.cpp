// The date text of a bill, independent of the process locale.
#include "bill/BillDate.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* kMonthNames[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};

}  // namespace

Tvx_String formatBillDate(const std::tm& time) {
    const bool knownMonth = time.tm_mon >= 0 && time.tm_mon < 12;
    const char* month = knownMonth ? kMonthNames[time.tm_mon] : "?";
    char text[96];
    std::snprintf(text, sizeof text, "%02d %s, %d (%02d:%02d)", time.tm_mday, month,
                  time.tm_year + 1900, time.tm_hour, time.tm_min);
    return Tvx_String::fromUtf8(text);
}
