// The date text a bill carries in its print variable "Date".
#pragma once

#include <ctime>

#include "platform/core/Tvx_String.h"

// The time as "%d %B, %Y (%H:%M)" with English month names whatever the
// process locale: "07 March, 2024 (09:05)". Fields out of their range (a
// month outside 0..11) give "?" for the month name and the numbers as they are.
Tvx_String formatBillDate(const std::tm& time);
