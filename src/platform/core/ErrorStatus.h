// The host's status codes: what every engine operation of the module returns.
#pragma once

enum ErrorStatus {
    eOk = 0,
    eInvalidInput = 3,
};
