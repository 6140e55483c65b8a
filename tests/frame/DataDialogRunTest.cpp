// The entry pattern of exported dialog functions: copy in, run, copy back on OK.
#include "frame/DataDialogRun.h"

#include <gtest/gtest.h>

#include "frame/FrameTestSupport.h"
#include "platform/ui/DialogTemplate.h"

namespace {

constexpr int kTemplate = 60302;
constexpr int kNameEdit = 1000;

struct GridDlgData {
    Tvx_String name;
    int rows = 0;
};

class CDlgSample : public CDialog {
  public:
    CDlgSample() : CDialog(kTemplate) {
        ui::DialogTemplate t(kTemplate, 0, 0, 120, 60, L"Sample");
        t.editText(kNameEdit, 5, 5, 100, 12)
            .defPushButton(IDOK, L"OK", 5, 40, 40, 14)
            .pushButton(IDCANCEL, L"Cancel", 60, 40, 40, 14);
        ui::registerDialogTemplate(t);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetDlgItemText(kNameEdit, data.name);
        return TRUE;
    }
    void OnOK() override {
        GetDlgItemText(kNameEdit, data.name);
        data.rows += 1;
        CDialog::OnOK();
    }
    GridDlgData data;
};

bool StartDlgSample(GridDlgData& data) {
    return runDataDialog(data, &CDlgSample::data);
}

TEST(DataDialogRun, OkCopiesTheDialogsBlockBack) {
    frametest::ActingUser user;
    user.actions.push_back([](CDialog& d) {
        EXPECT_EQ(d.GetWindowString(), L"Sample");
        EXPECT_EQ(d.GetDlgItem(kNameEdit)->GetWindowString(), L"before")
            << "the block was copied in";
        d.SetDlgItemText(kNameEdit, L"after");
        frametest::click(d, IDOK);
    });
    GridDlgData data{L"before", 4};
    EXPECT_TRUE(StartDlgSample(data));
    EXPECT_EQ(data.name, L"after");
    EXPECT_EQ(data.rows, 5);
}

TEST(DataDialogRun, AnyOtherEndLeavesTheCallersBlockAlone) {
    frametest::ActingUser user;
    user.actions.push_back([](CDialog& d) {
        d.SetDlgItemText(kNameEdit, L"changed");
        frametest::click(d, IDCANCEL);
    });
    GridDlgData data{L"before", 4};
    EXPECT_FALSE(StartDlgSample(data));
    EXPECT_EQ(data.name, L"before");
    EXPECT_EQ(data.rows, 4);
    EXPECT_FALSE(StartDlgSample(data)) << "nobody acts: the dialog is closed";
    EXPECT_EQ(data.name, L"before");
}

}  // namespace
