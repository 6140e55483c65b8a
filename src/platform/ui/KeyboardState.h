// Which keys scripted input holds down (what GetKeyState reports).
#pragma once

namespace ui {

void setKeyDown(int virtualKey, bool down);
bool isKeyDown(int virtualKey);

}  // namespace ui
