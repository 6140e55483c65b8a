// The formulas dialog's controls driven by the scripted user: reference
// styles, automatic recalculation, Recalculate, Save and Load.
#include <gtest/gtest.h>

#include <filesystem>

#include "FormulaTestFiles.h"
#include "platform/grid/GridSettings.h"
#include "platform/host/CommandLine.h"
#include "platform/ui/ScriptedUser.h"
#include "platform/ui/WinApi.h"
#include "platform/ui/WinConstants.h"
#include "spread/CFormula.h"

namespace {

using Problems = std::vector<Tvx_String>;

// Inputs in column 2, trial formulas in column 4 (D5 without one), and a text
// in A5 that the reference-style buttons must leave alone.
constexpr const char* kTrialSheet =
    "vtss-sheet 1\n"
    "size 4 5\n"
    "cell 2 2 number=2\n"
    "cell 2 3 number=3\n"
    "cell 4 1 formula=\"B2*2\"\n"
    "cell 4 2 formula=\"SUM(B2:B3)\"\n"
    "cell 4 4 formula=\"B3-1\"\n"
    "cell 1 5 text=\"keep\"\n"
    "end\n";

std::wstring cellText(CFormula& dialog, int column, int row) {
    Tvx_String text;
    dialog.sheet().getCellText(column, row, text);
    return text.str();
}

std::vector<std::wstring> firstColumn(CFormula& dialog) {
    std::vector<std::wstring> texts;
    for (int row = 1; row <= 5; ++row)
        texts.push_back(cellText(dialog, 1, row));
    return texts;
}

bool commandLineHas(const std::wstring& line) {
    for (const Tvx_String& printed : host::commandLine().lines()) {
        if (printed.str() == line)
            return true;
    }
    return false;
}

TEST(CFormulaButtons, OpensWithTheFileItsSettingsAndTheTrialCellComputed) {
    testsupport::TempDir dir;
    const std::string file = dir.write("trial.vts", kTrialSheet).string();
    host::commandLine().clear();
    ui::ScriptedUser user;
    Tvx_String caption, shownFile;
    UINT autoChecked = 2, defaultChecked = 2;
    BOOL recalculateEnabled = FALSE, automatic = TRUE;
    CFormula dialog(CFormula::kModeTryCell, Tvx_String::fromUtf8(file));
    user.onDialog(CFormula::kTemplateId)
        .call([&](HWND window) {
            caption = GetWindowString(window);
            shownFile = GetDlgItemString(window, CFormula::kFileNameEdit);
            autoChecked = dialog.IsDlgButtonChecked(CFormula::kAutoCalculateCheck);
            defaultChecked = dialog.IsDlgButtonChecked(CFormula::kDefaultStyleRadio);
            recalculateEnabled = IsWindowEnabled(GetDlgItem(window, CFormula::kRecalculateButton));
            automatic = dialog.sheet().GetBool(grid::kOptionAutoCalc);
        })
        .click(IDOK);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(user.problems(), Problems{});
    EXPECT_EQ(caption.str(), L"Formulas");
    EXPECT_EQ(shownFile.toUtf8(), file);
    EXPECT_EQ(autoChecked, UINT{BST_UNCHECKED});
    EXPECT_EQ(defaultChecked, UINT{BST_CHECKED});
    EXPECT_TRUE(recalculateEnabled);
    EXPECT_FALSE(automatic);
    EXPECT_EQ(dialog.resultText().str(), L"4");
    EXPECT_TRUE(dialog.fileLoaded());
    EXPECT_TRUE(commandLineHas(L"Loading spreadsheet:" + Tvx_String::fromUtf8(file).str()));
}

TEST(CFormulaButtons, ReferenceStyleButtonsShowTheTrialFormulasInColumnOne) {
    testsupport::TempDir dir;
    const std::string file = dir.write("trial.vts", kTrialSheet).string();
    ui::ScriptedUser user;
    CFormula dialog(CFormula::kModeTryCell, Tvx_String::fromUtf8(file));
    std::vector<std::wstring> a1, r1c1, byDefault;
    int widthBefore = 0, widthAfter = 0;
    user.onDialog(CFormula::kTemplateId)
        .call([&](HWND) { widthBefore = dialog.sheet().GetColWidth(1); })
        .click(CFormula::kA1StyleRadio)
        .call([&](HWND) {
            a1 = firstColumn(dialog);
            widthAfter = dialog.sheet().GetColWidth(1);
        })
        .click(CFormula::kR1C1StyleRadio)
        .call([&](HWND) { r1c1 = firstColumn(dialog); })
        .click(CFormula::kDefaultStyleRadio)
        .call([&](HWND) { byDefault = firstColumn(dialog); })
        .click(IDOK);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(user.problems(), Problems{});
    const std::vector<std::wstring> expectedA1 = {L"B2*2", L"SUM(B2:B3)", L"", L"B3-1", L"keep"};
    EXPECT_EQ(a1, expectedA1);
    EXPECT_EQ(r1c1, (std::vector<std::wstring>{L"R[1]C[-2]*2", L"SUM(RC[-2]:R[1]C[-2])", L"",
                                               L"R[-1]C[-2]-1", L"keep"}));
    EXPECT_EQ(byDefault, expectedA1);
    EXPECT_GT(widthAfter, widthBefore) << "column 1 is widened to the formula texts";
}

TEST(CFormulaButtons, AFifthTrialFormulaIsShownToo) {
    testsupport::TempDir dir;
    const std::string file =
        dir.write("trial.vts", "vtss-sheet 1\nsize 4 5\ncell 4 5 formula=\"1+2\"\nend\n").string();
    ui::ScriptedUser user;
    CFormula dialog(CFormula::kModeTryCell, Tvx_String::fromUtf8(file));
    std::wstring fifth;
    user.onDialog(CFormula::kTemplateId)
        .click(CFormula::kA1StyleRadio)
        .call([&](HWND) { fifth = cellText(dialog, 1, 5); })
        .click(IDOK);
    dialog.DoModal();
    EXPECT_EQ(user.problems(), Problems{});
    EXPECT_EQ(fifth, L"1+2");
}

TEST(CFormulaButtons, AutoCalculateSwitchesRecalculationAndTheRecalculateButton) {
    testsupport::TempDir dir;
    const std::string file = dir.write("trial.vts", kTrialSheet).string();
    ui::ScriptedUser user;
    CFormula dialog(CFormula::kModeTryCell, Tvx_String::fromUtf8(file));
    BOOL enabledWhileAutomatic = TRUE, enabledAfter = FALSE;
    std::wstring automaticResult, staleResult, recalculated;
    user.onDialog(CFormula::kTemplateId)
        .click(CFormula::kAutoCalculateCheck)
        .call([&](HWND window) {
            enabledWhileAutomatic =
                IsWindowEnabled(GetDlgItem(window, CFormula::kRecalculateButton));
            dialog.sheet().setCellValueText(2, 2, L"10");
            automaticResult = cellText(dialog, 4, 1);
        })
        .click(CFormula::kAutoCalculateCheck)
        .call([&](HWND window) {
            enabledAfter = IsWindowEnabled(GetDlgItem(window, CFormula::kRecalculateButton));
            dialog.sheet().setCellValueText(2, 2, L"100");
            staleResult = cellText(dialog, 4, 1);
        })
        .click(CFormula::kRecalculateButton)
        .call([&](HWND) { recalculated = cellText(dialog, 4, 1); })
        .click(IDOK);
    dialog.DoModal();
    EXPECT_EQ(user.problems(), Problems{});
    EXPECT_FALSE(enabledWhileAutomatic);
    EXPECT_EQ(automaticResult, L"20");
    EXPECT_TRUE(enabledAfter);
    EXPECT_EQ(staleResult, L"20");
    EXPECT_EQ(recalculated, L"200");
}

TEST(CFormulaButtons, SaveAndLoadUseTheFileNamedInTheEditAndReportFailures) {
    testsupport::TempDir dir;
    const std::string file = dir.write("trial.vts", kTrialSheet).string();
    const std::string copy = formulatest::pathIn(dir, "copy.vts");
    const std::string table = dir.write("table.vts", formulatest::sizeTable()).string();
    const std::string other =
        dir.write("other.vts", "vtss-sheet 1\nsize 3 2\ncell 2 1 formula=" +
                                   formulatest::quotedFormula("FROMTABLE(\"" + table + "\",C2)") +
                                   "\nend\n")
            .string();
    const std::string nowhere = formulatest::pathIn(dir, "no/such/folder/x.vts");
    host::commandLine().clear();
    ui::ScriptedUser user;
    CFormula dialog(CFormula::kModeTryCell, Tvx_String::fromUtf8(file));
    std::wstring afterFailedLoad, afterLoad, lookedUp;
    // The trial dialog is idle first and takes the first script; the look-up
    // that Recalculate runs takes the second.
    user.onDialog(CFormula::kTemplateId)
        .type(CFormula::kFileNameEdit, Tvx_String::fromUtf8(copy))
        .click(CFormula::kSaveButton)
        .type(CFormula::kFileNameEdit, Tvx_String::fromUtf8(nowhere))
        .click(CFormula::kSaveButton)
        .click(CFormula::kLoadButton)
        .call([&](HWND) { afterFailedLoad = cellText(dialog, 2, 2); })
        .type(CFormula::kFileNameEdit, Tvx_String::fromUtf8(other))
        .click(CFormula::kLoadButton)
        .call([&](HWND) { afterLoad = cellText(dialog, 2, 2); })
        .click(CFormula::kRecalculateButton)
        .call([&](HWND) { lookedUp = cellText(dialog, 2, 1); })
        .click(IDOK);
    user.onDialog(CFormula::kTemplateId).click(IDOK);
    dialog.DoModal();
    EXPECT_EQ(user.problems(), Problems{});
    EXPECT_TRUE(std::filesystem::exists(copy));
    EXPECT_TRUE(commandLineHas(L"Save failed"));
    EXPECT_TRUE(commandLineHas(L"Load failed"));
    EXPECT_EQ(afterFailedLoad, L"2") << "a failed load leaves the sheet as it was";
    EXPECT_EQ(afterLoad, L"") << "the other file replaced the sheet";
    EXPECT_EQ(lookedUp, L"medium") << "FROMTABLE works on a sheet loaded by the button";

    // The saved copy reads back as the trial sheet.
    ui::ScriptedUser reader;
    CFormula reopened(CFormula::kModeTryCell, Tvx_String::fromUtf8(copy));
    reader.onDialog(CFormula::kTemplateId).click(IDOK);
    reopened.DoModal();
    EXPECT_EQ(reopened.resultText().str(), L"4");
}

}  // namespace
