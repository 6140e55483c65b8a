// The date text of a bill: English month names whatever the locale.
#include "bill/BillDate.h"

#include <gtest/gtest.h>

namespace {

TEST(BillDateTest, DayMonthYearAndTimeInTheBillsForm) {
    struct Case {
        int year, month, day, hour, minute;
        const wchar_t* text;
    };
    const Case cases[] = {
        {2024, 0, 7, 9, 5, L"07 January, 2024 (09:05)"},
        {1999, 11, 31, 23, 59, L"31 December, 1999 (23:59)"},
        {2030, 8, 1, 0, 0, L"01 September, 2030 (00:00)"},
        {2024, 12, 1, 0, 0, L"01 ?, 2024 (00:00)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        std::tm time{};
        time.tm_year = c.year - 1900;
        time.tm_mon = c.month;
        time.tm_mday = c.day;
        time.tm_hour = c.hour;
        time.tm_min = c.minute;
        EXPECT_EQ(formatBillDate(time), Tvx_String(c.text));
    }
}

}  // namespace
