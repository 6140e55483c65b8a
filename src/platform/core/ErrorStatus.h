// The host's status codes: what every engine operation of the module returns.
#pragma once

enum ErrorStatus {
    eOk = 0,
    eInvalidInput = 3,
    // The bill output could not open the spreadsheet editor window or its sheet.
    eNoBillWindow = 337,
};
