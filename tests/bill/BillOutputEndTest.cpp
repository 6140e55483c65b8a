// The end of a bill: the sheet cut to its rows, the header row, the print
// variables with Date, Title and BillFilename in front, the bill file saved,
// and the header and footer files copied beside it.
#include <gtest/gtest.h>

#include <filesystem>

#include "BillTestSupport.h"
#include "platform/core/FileOperations.h"
#include "platform/core/PathMapping.h"
#include "platform/core/Tvx_Settings.h"
#include "platform/grid/SheetFile.h"
#include "sheeteditor/VtSSSettings.h"

namespace billtest {
namespace {

using EndTest = BillOutputTest;

std::time_t localTime(int year, int month, int day, int hour, int minute) {
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_isdst = -1;
    return std::mktime(&time);
}

grid::Sheet loadSaved(const Tvx_String& path) {
    grid::Sheet sheet;
    grid::SheetFileError error;
    EXPECT_TRUE(grid::loadSheetFile(path, sheet, error)) << error.message;
    return sheet;
}

TEST_F(EndTest, VariablesBeginWithDateTitleAndBillFilename) {
    struct Case {
        const char* name;
        std::string file;
        const wchar_t* title;
    };
    const Case cases[] = {
        {"plain name", "Hall 3.vts", L"Hall 3"},
        {"name with a group before the last mark", "Job\u00bfA\u00bfBill 7.vts", L"Bill 7"},
        {"name without extension", "list", L"list"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VtSSBillOutput output;
        const Tvx_String file = pathOf(c.file);
        ASSERT_EQ(output.init(file, {L"Mark"}, {3}, L"", {L"Project", L"Client"},
                              {L"North hall", L"Steel Ltd"}),
                  eOk);
        output.setClock([] { return localTime(2024, 3, 7, 9, 5); });
        ASSERT_EQ(output.onAddRow({L"P1"}), eOk);
        ASSERT_EQ(output.onEndFeed(), eOk);
        const Tvx_StringArray names = {L"Date", L"Title", L"BillFilename", L"Project", L"Client"};
        const Tvx_StringArray values = {L"07 March, 2024 (09:05)", c.title, file, L"North hall",
                                        L"Steel Ltd"};
        EXPECT_EQ(output.varNames(), names);
        EXPECT_EQ(output.varValues(), values);

        VtSSSettings settings;
        ASSERT_TRUE(settings.readFromSheet(*output.getSSPointer()));
        EXPECT_EQ(settings.varNames(), names) << "the print settings carry them";
        EXPECT_EQ(settings.varValues(), values);
        VtSSSettings saved;
        saved.readTextForm(Tvx_String(loadSaved(file).tag(0, 0)));
        EXPECT_EQ(saved.varValues(), values) << "and so does the bill file";
    }
}

TEST_F(EndTest, TheSavedBillHoldsItsRowsAndStaticHeaders) {
    VtSSBillOutput output;
    open(output, {L"Mark", L"Count"}, {3, 1});
    ASSERT_EQ(output.onAddRow({L"P1", L"2"}), eOk);
    ASSERT_EQ(output.onAddRow({L"A much longer mark", L"3"}), eOk);
    ASSERT_EQ(output.onEndFeed(), eOk);
    const Tvx_Spread& sheet = *output.getSSPointer();
    EXPECT_EQ(sheet.getCellType(1, 0), 8) << "header cells are static text";
    EXPECT_GT(sheet.GetColWidth(1), sheet.GetColWidth(2)) << "columns fit their text";

    const grid::Sheet saved = loadSaved(pathOf("bill.vts"));
    EXPECT_EQ(saved.rowCount(), 2);
    EXPECT_EQ(saved.columnCount(), 2);
    EXPECT_EQ(saved.displayText(1, 0), L"Mark");
    EXPECT_EQ(saved.displayText(1, 2), L"A much longer mark");
    EXPECT_EQ(saved.displayText(2, 1), L"2");
}

TEST_F(EndTest, ABillWithoutRowsSavesAnEmptySheetWithItsHeaders) {
    VtSSBillOutput output;
    open(output, {L"Mark", L"Count", L"Length"}, {3, 1, 2});
    ASSERT_EQ(output.onEndFeed(), eOk);
    const grid::Sheet saved = loadSaved(pathOf("bill.vts"));
    EXPECT_EQ(saved.rowCount(), 0);
    EXPECT_EQ(saved.columnCount(), 3);
    EXPECT_EQ(saved.displayText(3, 0), L"Length");
}

TEST_F(EndTest, ABillFileThatCannotBeWrittenFailsTheEnd) {
    VtSSBillOutput output;
    ASSERT_EQ(output.init(pathOf("no such folder/bill.vts"), {L"Mark"}, {3}, L"", {}, {}), eOk);
    ASSERT_EQ(output.onAddRow({L"P1"}), eOk);
    EXPECT_EQ(output.onEndFeed(), eInvalidInput);
}

class PageFilesTest : public BillOutputTest {
  protected:
    void SetUp() override {
        BillOutputTest::SetUp();
        previousProductFolder_ = gSettings.tvxDir();
        gSettings.setTvxDir(pathOf("product/"));
        ObjectExportCreateDirectory(pathOf("product"));
    }
    void TearDown() override { gSettings.setTvxDir(previousProductFolder_); }

    // A settings file "billpage" naming the given header and footer files.
    void writeSettings(const Tvx_String& header, const Tvx_String& footer) {
        VtSSSettings settings;
        settings.load(L"billpage");
        settings.setHeaderFile(header);
        settings.setFooterFile(footer);
        ASSERT_TRUE(settings.save(L"billpage"));
    }

    Tvx_String previousProductFolder_;
};

TEST_F(PageFilesTest, HeaderAndFooterFilesAreCopiedBesideTheBillWhichNamesTheCopies) {
    dir_.write("page/head.txt", "header");
    dir_.write("page/head.bmp", "picture");
    dir_.write("page/foot.txt", "footer");
    writeSettings(pathOf("page/head.txt"), pathOf("page/foot.txt"));
    ObjectExportCreateDirectory(pathOf("out"));
    const Tvx_String bill = pathOf("out/bill.vts");

    VtSSBillOutput output;
    ASSERT_EQ(output.init(bill, {L"Mark"}, {3}, L"billpage", {}, {}), eOk);
    ASSERT_EQ(output.onAddRow({L"P1"}), eOk);
    ASSERT_EQ(output.onEndFeed(), eOk);

    EXPECT_EQ(dir_.read("out/head.txt"), "header");
    EXPECT_EQ(dir_.read("out/head.bmp"), "picture");
    EXPECT_EQ(dir_.read("out/foot.txt"), "footer");
    VtSSSettings saved;
    saved.readTextForm(Tvx_String(loadSaved(bill).tag(0, 0)));
    EXPECT_EQ(mapPath(saved.headerFile()), dir_.path() / "out" / "head.txt");
    EXPECT_EQ(mapPath(saved.footerFile()), dir_.path() / "out" / "foot.txt");
}

TEST_F(PageFilesTest, MissingPageFilesLeaveTheSettingsAsTheyWere) {
    writeSettings(pathOf("page/gone.txt"), Tvx_String());
    VtSSBillOutput output;
    ASSERT_EQ(output.init(pathOf("bill.vts"), {L"Mark"}, {3}, L"billpage", {}, {}), eOk);
    ASSERT_EQ(output.onEndFeed(), eOk);
    VtSSSettings saved;
    saved.readTextForm(Tvx_String(loadSaved(pathOf("bill.vts")).tag(0, 0)));
    EXPECT_EQ(saved.headerFile(), pathOf("page/gone.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir_.path() / "gone.txt"));
}

}  // namespace
}  // namespace billtest
