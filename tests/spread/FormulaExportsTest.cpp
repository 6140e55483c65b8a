// ReadSSFile and EvaluateSS: the formulas dialog run through its exported
// entry points.
#include "spread/FormulaExports.h"

#include <gtest/gtest.h>

#include "FormulaTestFiles.h"
#include "platform/core/PathMapping.h"
#include "platform/grid/SS.h"
#include "platform/host/CommandLine.h"
#include "platform/ui/ScriptedUser.h"
#include "platform/ui/UserAgent.h"
#include "platform/ui/WinApi.h"
#include "platform/ui/WinConstants.h"
#include "spread/CFormula.h"

namespace {

using Problems = std::vector<Tvx_String>;

std::vector<std::wstring> texts(const Tvx_StringArray& array) {
    std::vector<std::wstring> out;
    for (int i = 0; i < array.length(); ++i)
        out.push_back(array[i].str());
    return out;
}

TEST(ReadSSFile, ReadsTheTitleTheColumnNamesAndEveryRowWithoutAskingTheUser) {
    testsupport::TempDir dir;
    const std::string table = dir.write("table.vts", formulatest::sizeTable()).string();
    ui::clearUnansweredPrompts();
    Tvx_String title = L"old";
    Tvx_StringArray columns;
    columns.append(L"old");
    Tvx_StringArrArr rows;
    ReadSSFile(Tvx_String::fromUtf8(table), title, columns, rows);
    EXPECT_TRUE(ui::unansweredPrompts().empty()) << "the reading dialog closes itself";
    EXPECT_EQ(title.str(), L"M12");
    EXPECT_EQ(texts(columns), (std::vector<std::wstring>{L"Size", L"Weight", L"Name", L"Pitch"}));
    ASSERT_EQ(rows.length(), 4);
    EXPECT_EQ(texts(rows[0]), (std::vector<std::wstring>{L"M12", L"2.50", L"small", L"1.75"}));
    EXPECT_EQ(texts(rows[1]), (std::vector<std::wstring>{L"M16", L"2", L"medium", L""}));
    EXPECT_EQ(texts(rows[3]), (std::vector<std::wstring>{L"M20", L"", L"second", L""}));
}

TEST(ReadSSFile, AFileThatCannotBeReadGivesNothing) {
    testsupport::TempDir dir;
    const std::string broken =
        dir.write("broken.vts", "vtss-sheet 1\nsize 1 1\nbogus\nend\n").string();
    for (const std::string& file :
         {formulatest::pathIn(dir, "missing.vts"), broken, std::string()}) {
        SCOPED_TRACE(file);
        Tvx_String title = L"old";
        Tvx_StringArray columns;
        columns.append(L"old");
        Tvx_StringArrArr rows;
        rows.append(columns);
        ReadSSFile(Tvx_String::fromUtf8(file), title, columns, rows);
        EXPECT_EQ(title.str(), L"");
        EXPECT_EQ(columns.length(), 0);
        EXPECT_EQ(rows.length(), 0);
    }
}

TEST(ReadSSFile, TheReadingModeWithoutArraysReadsNothingAndStillEndsWithOk) {
    testsupport::TempDir dir;
    const std::string table = dir.write("table.vts", formulatest::sizeTable()).string();
    ui::clearUnansweredPrompts();
    CFormula dialog(CFormula::kModeReadFile, Tvx_String::fromUtf8(table));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.fileLoaded());
    EXPECT_EQ(dialog.resultText().str(), L"");
    EXPECT_TRUE(ui::unansweredPrompts().empty());
}

TEST(EvaluateSS, OpensTheFixedFileAndComputesItsTrialCell) {
    testsupport::TempDir dir;
    dir.write("a/t3.sss",
              "vtss-sheet 1\nsize 4 2\ncell 1 2 number=21\n"
              "cell 4 1 formula=\"A2*2\"\nend\n");
    setDriveRoot(dir.path());
    host::commandLine().clear();
    ui::ScriptedUser user;
    Tvx_String trial;
    user.onDialog(CFormula::kTemplateId)
        .call([&](HWND window) {
            SSGetData(GetDlgItem(window, CFormula::kSheetPlaceholder), CFormula::kTryColumn,
                      CFormula::kTryRow, trial);
        })
        .click(IDOK);
    EvaluateSS();
    setDriveRoot({});
    EXPECT_EQ(user.problems(), Problems{});
    EXPECT_EQ(trial.str(), L"42");
    EXPECT_EQ(host::commandLine().text(), L"Loading spreadsheet:c:\\a\\t3.sss\n");
}

}  // namespace
