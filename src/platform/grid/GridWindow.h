// The grid window class "fpUSpread70": its class object holds the window's
// GridControl, turns the window's mouse, keyboard and size messages into it,
// and sends the grid's notifications to the parent as WM_NOTIFY messages whose
// header is followed by the SS_CELLNOTIFY data (SSTypes.h; codes in GridEvents.h).
// A dialog template control of this class, or CreateWindowEx with it, makes a
// grid window; the SS functions reach its control through the handle.
//
// Messages: a left press moves the active cell (and gives the window the
// focus), a double click edits, a right press reports 57, key presses and
// typed characters go to GridControl::userKey / userChar (keys the grid does
// not use go on to the default handling). Resting the pointer on a cell for
// the text tip delay (a window timer) shows the tip of a text too wide for its
// cell. WM_GETDLGCODE asks the dialog for the
// arrows and characters, Tab when option 6 is on, and every key while editing.
#pragma once

#include "platform/grid/GridControl.h"
#include "platform/ui/CWnd.h"

namespace grid {

inline constexpr const wchar_t* kGridWindowClass = L"fpUSpread70";

class GridWindow : public CWnd {
  public:
    GridWindow();
    ~GridWindow() override;
    GridControl& control() { return control_; }

  protected:
    LRESULT classProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void report(const GridEvent& event);
    GridControl control_;
};

// Registers the window class and its painter with the windowing system (done
// once when the library is loaded; later calls change nothing). True when the
// class is registered.
bool registerGridWindowClass();

}  // namespace grid
