// Header and footer files copied beside a saved sheet.
#include "sheeteditor/CopyPageFile.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace {

class CopyPageFileTest : public testing::Test {
  protected:
    Tvx_String path(const char* relative) const {
        return Tvx_String::fromUtf8((dir.path() / relative).string());
    }
    testsupport::TempDir dir;
};

TEST_F(CopyPageFileTest, HeaderAndItsPictureAreCopiedAndTheSettingsPointAtTheCopy) {
    dir.write("pages/Head.txt", "header text");
    dir.write("pages/Head.bmp", "BMpicture");
    dir.write("out/Sheet.vts", "sheet");
    VtSSSettings settings;
    settings.setHeaderFile(path("pages/Head.txt"));
    settings.setFooterFile(path("pages/Foot.txt"));

    ASSERT_TRUE(copyPageFile(settings, path("out/Sheet.vts"), true));
    EXPECT_EQ(dir.read("out/Head.txt"), "header text");
    EXPECT_EQ(dir.read("out/Head.bmp"), "BMpicture");
    EXPECT_EQ(settings.headerFile(), path("out/Head.txt"));
    EXPECT_EQ(settings.footerFile(), path("pages/Foot.txt"));
}

TEST_F(CopyPageFileTest, FooterWithoutPictureIsCopiedAlone) {
    dir.write("pages/Foot.txt", "footer");
    dir.write("out/Sheet.vts", "sheet");
    VtSSSettings settings;
    settings.setFooterFile(path("pages/Foot.txt"));
    ASSERT_TRUE(copyPageFile(settings, path("out/Sheet.vts"), false));
    EXPECT_EQ(dir.read("out/Foot.txt"), "footer");
    EXPECT_EQ(settings.footerFile(), path("out/Foot.txt"));
}

TEST_F(CopyPageFileTest, CopyOverItselfKeepsTheFile) {
    dir.write("out/Head.txt", "same place");
    VtSSSettings settings;
    settings.setHeaderFile(path("out/Head.txt"));
    ASSERT_TRUE(copyPageFile(settings, path("out/Sheet.vts"), true));
    EXPECT_EQ(dir.read("out/Head.txt"), "same place");
}

TEST_F(CopyPageFileTest, MissingSourceOrUnwritableFolderFailsAndChangesNothing) {
    dir.write("pages/Head.txt", "header text");
    struct Case {
        const char* name;
        const char* header;
        const char* sheet;
    };
    const Case cases[] = {
        {"no header file", "", "out/Sheet.vts"},
        {"header file missing", "pages/Gone.txt", "out/Sheet.vts"},
        {"sheet folder missing", "pages/Head.txt", "no-folder/Sheet.vts"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VtSSSettings settings;
        const Tvx_String header = *c.header ? path(c.header) : Tvx_String();
        settings.setHeaderFile(header);
        EXPECT_FALSE(copyPageFile(settings, path(c.sheet), true));
        EXPECT_EQ(settings.headerFile(), header);
    }
}

}  // namespace
