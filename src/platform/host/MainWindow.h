// The host's main window: the visible top-level window that modeless windows
// of applications are parented to and hand the keyboard focus back to.
#pragma once

class CWnd;

// The main window, created on first use (and again should it have been
// destroyed); never null.
CWnd* adsw_acadMainWnd();
