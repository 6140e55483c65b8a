// File dialogs answered by the scripted user.
#include <gtest/gtest.h>

#include "UiTestPrinting.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/ScriptedUser.h"
#include "support/TempDir.h"

namespace {

using Texts = std::vector<Tvx_String>;

Tvx_String pathText(const std::filesystem::path& path) {
    return Tvx_String::fromUtf8(path.string());
}

TEST(FileDialog, SeveralChosenFilesComeBackAsFolderAndNames) {
    ui::ScriptedUser user;
    user.chooseFiles({L"c:\\stock\\a.shp", L"c:\\stock\\b.shp"});
    CFileDialog files(TRUE, L"shp", nullptr, OFN_ALLOWMULTISELECT, L"Stock (*.shp)|*.shp||");
    ASSERT_EQ(files.DoModal(), IDOK);
    EXPECT_EQ(files.GetPathName(), Tvx_String(L"c:\\stock"));
    EXPECT_EQ(files.pathNames(), (Texts{L"c:\\stock\\a.shp", L"c:\\stock\\b.shp"}));
    FILEPOSITION pos = files.GetStartPosition();
    EXPECT_EQ(files.GetNextPathName(pos), Tvx_String(L"c:\\stock\\a.shp"));
    EXPECT_EQ(files.GetNextPathName(pos), Tvx_String(L"c:\\stock\\b.shp"));
    EXPECT_EQ(pos, nullptr);
    EXPECT_EQ(user.problems(), Texts{});
}

TEST(FileDialog, OneChosenFileGivesItsParts) {
    ui::ScriptedUser user;
    user.chooseFile(L"c:\\designs\\frame.plan.txt");
    CFileDialog files(FALSE, L"txt", L"proposed.txt", 0);
    ASSERT_EQ(files.DoModal(), IDOK);
    EXPECT_EQ(files.GetPathName(), Tvx_String(L"c:\\designs\\frame.plan.txt"));
    EXPECT_EQ(files.GetFileName(), Tvx_String(L"frame.plan.txt"));
    EXPECT_EQ(files.GetFileExt(), Tvx_String(L"txt"));
    EXPECT_EQ(files.GetFileTitle(), Tvx_String(L"frame.plan"));
    EXPECT_EQ(files.GetFolderPath(), Tvx_String(L"c:\\designs"));
    EXPECT_EQ(user.fileDialogs().at(0).fileName, Tvx_String(L"proposed.txt"));
    EXPECT_FALSE(user.fileDialogs().at(0).open);
}

TEST(FileDialog, AFileThatMustExistIsAskedForAgainUntilItDoes) {
    testsupport::TempDir dir;
    const Tvx_String existing = pathText(dir.write("there.dat", "x"));
    ui::ScriptedUser user;
    user.chooseFile(pathText(dir.path() / "missing.dat"));
    user.chooseFile(existing);
    CFileDialog files(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST);
    ASSERT_EQ(files.DoModal(), IDOK);
    EXPECT_EQ(files.GetPathName(), existing);
    EXPECT_EQ(user.fileDialogs().size(), 2u);
}

TEST(FileDialog, OverwritingAnExistingFileIsConfirmed) {
    testsupport::TempDir dir;
    const Tvx_String existing = pathText(dir.write("stock1.shp", "x"));
    ui::ScriptedUser user;
    user.chooseFile(existing);
    user.answerMessageBox(IDNO, L"already exists");
    user.chooseFile(existing);
    user.answerMessageBox(IDYES, L"replace it?");
    CFileDialog files(FALSE, L"shp", nullptr, OFN_OVERWRITEPROMPT);
    ASSERT_EQ(files.DoModal(), IDOK);
    EXPECT_EQ(files.GetPathName(), existing);
    EXPECT_EQ(user.messageBoxes().size(), 2u);
    EXPECT_EQ(user.problems(), Texts{});
}

TEST(FileDialog, AResultTooLongForTheBufferFails) {
    ui::ScriptedUser user;
    user.chooseFile(L"c:\\a\\rather-long-name.txt");
    wchar_t buffer[8] = L"";
    OPENFILENAME ofn;
    ofn.lpstrFile = buffer;
    ofn.nMaxFile = 8;
    EXPECT_FALSE(GetOpenFileName(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
    EXPECT_FALSE(GetOpenFileName(nullptr));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
}

TEST(FileDialog, TheFilterStringIsSplitIntoDescriptionsAndPatterns) {
    ui::ScriptedUser user;
    user.cancelFileDialog();
    OPENFILENAME ofn;
    wchar_t buffer[260] = L"";
    ofn.lpstrFile = buffer;
    ofn.nMaxFile = 260;
    const wchar_t filter[] = L"Buy files (*.buy)\0*.buy\0All\0*.*\0";
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = 2;
    ofn.lpstrTitle = L"Load";
    EXPECT_FALSE(GetSaveFileName(&ofn));
    ASSERT_EQ(user.fileDialogs().size(), 1u);
    const ui::FileDialogPrompt& prompt = user.fileDialogs()[0];
    ASSERT_EQ(prompt.filters.size(), 2u);
    EXPECT_EQ(prompt.filters[0].description, Tvx_String(L"Buy files (*.buy)"));
    EXPECT_EQ(prompt.filters[0].patterns, Tvx_String(L"*.buy"));
    EXPECT_EQ(prompt.filterIndex, 2);
    EXPECT_EQ(prompt.title, Tvx_String(L"Load"));
    EXPECT_EQ(user.problems(), Texts{});
}

TEST(FileDialog, ChosenNamesAreCompletedWithTheStartFolderAndTheDefaultExtension) {
    struct Case {
        const char* what;
        const wchar_t* startFolder;  // null: none
        const wchar_t* defaultExtension;
        const wchar_t* chosen;
        const wchar_t* path;
    };
    const Case cases[] = {
        {"a bare name goes into the start folder", L"c:\\stock", L"shp", L"a.shp",
         L"c:\\stock\\a.shp"},
        {"a start folder ending in a separator gets no second one", L"c:\\stock\\", L"shp",
         L"a.shp", L"c:\\stock\\a.shp"},
        {"a name without extension gets the default one", L"c:\\stock", L"shp", L"a",
         L"c:\\stock\\a.shp"},
        {"another extension stays", L"c:\\stock", L"shp", L"a.buy", L"c:\\stock\\a.buy"},
        {"a full path ignores the start folder", L"c:\\stock", L"shp", L"d:\\other\\b",
         L"d:\\other\\b.shp"},
        {"without a default extension the name stays as chosen", L"c:\\stock", nullptr, L"a",
         L"c:\\stock\\a"},
        {"without a start folder a bare name stays bare", nullptr, L"shp", L"a", L"a.shp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui::ScriptedUser user;
        user.chooseFile(c.chosen);
        CFileDialog files(FALSE, c.defaultExtension, nullptr, 0);
        files.m_ofn.lpstrInitialDir = c.startFolder;
        ASSERT_EQ(files.DoModal(), IDOK);
        EXPECT_EQ(files.GetPathName(), Tvx_String(c.path));
        EXPECT_EQ(user.problems(), Texts{});
    }
}

TEST(FileDialog, TheUsersFilterChoiceComesBack) {
    ui::ScriptedUser user;
    user.chooseFiles({L"c:\\stock\\a.buy"}, 2);
    CFileDialog files(TRUE, L"shp", nullptr, 0, L"Stock (*.shp)|*.shp|Buy (*.buy)|*.buy||");
    ASSERT_EQ(files.DoModal(), IDOK);
    EXPECT_EQ(files.m_ofn.nFilterIndex, 2u);
    ASSERT_EQ(user.fileDialogs().size(), 1u);
    EXPECT_EQ(user.fileDialogs()[0].filters.size(), 2u);
    EXPECT_EQ(user.fileDialogs()[0].defaultExtension, Tvx_String(L"shp"));
}

TEST(FileDialog, SeveralFilesWhereOneIsAskedForAreRefusedAndAskedAgain) {
    ui::ScriptedUser user;
    user.chooseFiles({L"c:\\stock\\a.shp", L"c:\\stock\\b.shp"});
    user.chooseFile(L"c:\\stock\\b.shp");
    CFileDialog files(TRUE, L"shp", nullptr, 0);
    ASSERT_EQ(files.DoModal(), IDOK);
    EXPECT_EQ(files.pathNames(), Texts{L"c:\\stock\\b.shp"});
    EXPECT_EQ(user.fileDialogs().size(), 2u);
}

TEST(FileDialog, FilesFromSeveralFoldersKeepTheirFullPaths) {
    ui::ScriptedUser user;
    user.chooseFiles({L"c:\\stock\\a.shp", L"d:\\old\\b.shp", L"c:\\stock\\c.shp"});
    CFileDialog files(TRUE, L"shp", nullptr, OFN_ALLOWMULTISELECT);
    ASSERT_EQ(files.DoModal(), IDOK);
    EXPECT_EQ(files.pathNames(),
              (Texts{L"c:\\stock\\a.shp", L"d:\\old\\b.shp", L"c:\\stock\\c.shp"}));
}

}  // namespace
