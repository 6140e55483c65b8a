// Where the library and product folders come from, and their separators.
#include "platform/core/Tvx_Settings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

// Sets or clears an environment variable for one test and restores it after.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            saved_ = old;
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        if (saved_) {
            ::setenv(name_, saved_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> saved_;
};

TEST(Tvx_Settings, LibDirFromSetterThenEnvironmentThenBundled) {
    Tvx_Settings settings;
    {
        ScopedEnvironment none("VTSS_LIBRARY", nullptr);
        EXPECT_EQ(settings.libDir().toUtf8(), VTSS_SAMPLE_LIBRARY_DIR);
    }
    ScopedEnvironment library("VTSS_LIBRARY", "/data/lib");
    EXPECT_EQ(settings.libDir().str(), L"/data/lib/");
    settings.setLibDir(L"c:\\Veltrane\\Library");
    EXPECT_EQ(settings.libDir().str(), L"c:\\Veltrane\\Library\\");
    settings.setLibDir(L"");
    EXPECT_EQ(settings.libDir().str(), L"/data/lib/");
    ScopedEnvironment empty("VTSS_LIBRARY", "");
    EXPECT_EQ(settings.libDir().toUtf8(), VTSS_SAMPLE_LIBRARY_DIR);
}

TEST(Tvx_Settings, TvxDirAndWarningFlag) {
    Tvx_Settings settings;
    EXPECT_EQ(settings.tvxDir().toUtf8(), VTSS_RESOURCE_DIR);
    settings.setTvxDir(L"/opt/vtss/resources");
    EXPECT_EQ(settings.tvxDir().str(), L"/opt/vtss/resources/");
    settings.setTvxDir(L"");
    EXPECT_EQ(settings.tvxDir().toUtf8(), VTSS_RESOURCE_DIR);

    EXPECT_FALSE(settings.standardsWarnings());
    settings.setStandardsWarnings(true);
    EXPECT_TRUE(settings.standardsWarnings());
}

TEST(Tvx_Settings, FolderSeparatorFollowsTheFolder) {
    struct Case {
        const wchar_t* folder;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"/home/u/lib", L"/home/u/lib/"},
        {L"/home/u/lib/", L"/home/u/lib/"},
        {L"c:\\lib", L"c:\\lib\\"},
        {L"c:\\lib\\", L"c:\\lib\\"},
        {L"/mnt\\lib", L"/mnt\\lib\\"},
        {L"c:\\a/b", L"c:\\a/b/"},
        {L"lib", L"lib\\"},
        {L"", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Tvx_String(c.folder).toUtf8());
        EXPECT_EQ(withFolderSeparator(c.folder).str(), c.expected);
    }
}

}  // namespace
