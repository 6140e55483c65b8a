// Folder, file name and extension of path texts.
#include "platform/core/PathText.h"

#include <gtest/gtest.h>

namespace {

TEST(PathText, SplitsFolderFileNameAndExtension) {
    struct Case {
        const wchar_t* path;
        const wchar_t* folder;
        const wchar_t* fileName;
        const wchar_t* withoutExtension;
    };
    const Case cases[] = {
        {L"c:\\lib\\prof\\HEA.pr", L"c:\\lib\\prof\\", L"HEA.pr", L"c:\\lib\\prof\\HEA"},
        {L"c:HEA.pr", L"c:", L"HEA.pr", L"c:HEA"},
        {L"sub/a.b.txt", L"sub/", L"a.b.txt", L"sub/a.b"},
        {L"dir.v2\\name", L"dir.v2\\", L"name", L"dir.v2\\name"},
        {L"folder\\", L"folder\\", L"", L"folder\\"},
        {L"plain", L"", L"plain", L"plain"},
        {L"", L"", L"", L""},
        {L".hidden", L"", L".hidden", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Tvx_String(c.path).toUtf8());
        EXPECT_EQ(getPath(c.path).str(), c.folder);
        Tvx_String fileName(L"stale");
        getFileName(c.path, fileName);
        EXPECT_EQ(fileName.str(), c.fileName);
        EXPECT_EQ(removeExtension(c.path).str(), c.withoutExtension);
    }
}

TEST(PathText, ChangeExtension) {
    struct Case {
        const wchar_t* path;
        const wchar_t* extension;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"Base Plate.vts", L"map", L"Base Plate.map"},
        {L"Base Plate", L".map", L"Base Plate.map"},
        {L"d\\design.txt", L"bmp", L"d\\design.bmp"},
        {L"d.x\\design", L"bmp", L"d.x\\design.bmp"},
        {L"a.txt", L"", L"a"},
        {L"", L"map", L".map"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Tvx_String(c.path).toUtf8());
        EXPECT_EQ(changeExtension(c.path, c.extension).str(), c.expected);
    }
}

TEST(PathText, EnsureNoStartBSlashAndInvalidFileNameChars) {
    EXPECT_EQ(ensureNoStartBSlash(L"\\\\sub\\a.vts").str(), L"sub\\a.vts");
    EXPECT_EQ(ensureNoStartBSlash(L"/a").str(), L"a");
    EXPECT_EQ(ensureNoStartBSlash(L"a\\").str(), L"a\\");
    EXPECT_EQ(ensureNoStartBSlash(L"\\").str(), L"");

    for (const wchar_t* bad :
         {L"a/b", L"a\\b", L"c:", L"x*", L"?", L"\"q\"", L"<", L">", L"a|b", L"tab\there"}) {
        SCOPED_TRACE(Tvx_String(bad).toUtf8());
        EXPECT_TRUE(hasInvalidFileNameChars(bad));
    }
    for (const wchar_t* good : {L"", L"Plate_Thickness", L"a b.c", L"\u00C4\u2022-1"}) {
        SCOPED_TRACE(Tvx_String(good).toUtf8());
        EXPECT_FALSE(hasInvalidFileNameChars(good));
    }
}

}  // namespace
