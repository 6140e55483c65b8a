// Message boxes: a caption, a text, an icon and a set of buttons, answered by
// the current user agent (see UserAgent.h).
//
// The answer is one of the buttons the type offers (MB_OK: IDOK; MB_OKCANCEL:
// IDOK, IDCANCEL; MB_YESNO: IDYES, IDNO; MB_YESNOCANCEL; MB_RETRYCANCEL;
// MB_ABORTRETRYIGNORE; MB_CANCELTRYCONTINUE). The default button is the one
// MB_DEFBUTTON1..4 names (the first when it names none of them); an agent's
// answer that is not among the buttons counts as the default. An empty caption
// becomes the application title. Every box, once answered, is reported to the
// listeners (the vtss driver prints them).
#pragma once

#include <functional>

#include "platform/core/Tvx_String.h"
#include "platform/ui/UserAgent.h"
#include "platform/ui/WinConstants.h"

// Shows a message box owned by `owner` (may be null) and returns the answer.
int MessageBox(HWND owner, const Tvx_String& text, const Tvx_String& caption, UINT type);
// A message box owned by the active window, captioned with the application
// title.
int AfxMessageBox(const Tvx_String& text, UINT type = MB_OK, UINT helpId = 0);

namespace ui {

// The caption of message boxes that have none (default "vtss").
void setApplicationTitle(const Tvx_String& title);
const Tvx_String& applicationTitle();

// The buttons and default answer a message-box type offers.
std::vector<int> messageBoxButtons(UINT type);
int messageBoxDefault(UINT type);

using MessageBoxListener = std::function<void(const MessageBoxPrompt& prompt, int answer)>;
// Adds a listener called after each box is answered; returns a token for
// removeMessageBoxListener.
int addMessageBoxListener(MessageBoxListener listener);
// Removes a listener; false for an unknown token.
bool removeMessageBoxListener(int token);

}  // namespace ui
