// The message loop of the user-interface thread: the queue of posted messages,
// painting of invalidated windows and due timers.
#pragma once

#include "platform/ui/WinTypes.h"

namespace ui {

// Handles everything pending at the current time: posted messages (including
// those posted meanwhile), WM_PAINT of invalidated visible windows, then the
// timers due now, and again what they caused. Returns the number of posted
// messages and timers handled (painting is not counted).
int pumpMessages();
// Messages waiting in the queue.
int pendingMessageCount();
// Dispatches one message as the loop does: each window from msg.hwnd up to its
// top-level window may swallow it in PreTranslateMessage (innermost first);
// otherwise it is sent. Returns the answer (0 when swallowed or the window is
// unknown).
LRESULT dispatchFromLoop(MSG& msg);

}  // namespace ui
