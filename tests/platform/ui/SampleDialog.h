// A small dialog that uses every kind of interaction the module's dialogs
// need, for the tests of the window system driven by the scripted user (and
// for the render tests): an edit, a check box, a radio group, a drop-down
// list, a message box, a file dialog, a list with a context menu, OK and
// Cancel. It logs every notification it gets, in order.
#pragma once

#include <vector>

#include "UiTestPrinting.h"
#include "platform/core/Tvx_String.h"
#include "platform/ui/CDialog.h"

namespace sample {

constexpr int kTemplate = 9200;
constexpr int kNameEdit = 1000;
constexpr int kOptionCheck = 1001;
constexpr int kFirstRadio = 1002;
constexpr int kSecondRadio = 1003;
constexpr int kThirdRadio = 1004;
constexpr int kKindCombo = 1005;
constexpr int kAskButton = 1006;
constexpr int kBrowseButton = 1007;
constexpr int kFileEdit = 1008;
constexpr int kItemList = 1009;
constexpr int kDisabledButton = 1010;
constexpr UINT kRenameCommand = 32811;
constexpr UINT kRemoveCommand = 32812;

// Registers the template (again, harmlessly).
void registerTemplate();

// What the dialog hands back on OK.
struct SampleData {
    Tvx_String name = L"start";
    bool option = false;
    int radio = 0;  // 0, 1 or 2
    Tvx_String kind;
    Tvx_String file;
    bool confirmed = false;
    UINT lastCommand = 0;
};

class SampleDialog : public CDialog {
  public:
    explicit SampleDialog(CWnd* parent = nullptr);

    SampleData data;
    std::vector<Tvx_String> log;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnContextMenu(CWnd* wnd, CPoint point) override;

  private:
    void ask();
    void browse();
};

}  // namespace sample
