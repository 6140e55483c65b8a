// The settings object and where its folders come from.
#include "platform/core/Tvx_Settings.h"

#include <cstdlib>

Tvx_Settings gSettings;

Tvx_String withFolderSeparator(const Tvx_String& folder) {
    const std::wstring& text = folder.str();
    if (text.empty() || text.back() == L'\\' || text.back() == L'/')
        return folder;
    const size_t slash = text.rfind(L'/');
    const size_t backslash = text.rfind(L'\\');
    const bool slashLast =
        slash != std::wstring::npos && (backslash == std::wstring::npos || slash > backslash);
    return folder + Tvx_String(slashLast ? L"/" : L"\\");
}

const Tvx_String& Tvx_Settings::Derived::from(const char* text) {
    if (!made || source != text) {
        source = text;
        folder = withFolderSeparator(Tvx_String::fromUtf8(source));
        made = true;
    }
    return folder;
}

const Tvx_String& Tvx_Settings::libDir() const {
    if (!libDir_.isEmpty())
        return libDir_;
    const char* fromEnvironment = std::getenv("VTSS_LIBRARY");
    if (fromEnvironment != nullptr && *fromEnvironment != '\0')
        return defaultLibDir_.from(fromEnvironment);
    return defaultLibDir_.from(VTSS_SAMPLE_LIBRARY_DIR);
}

void Tvx_Settings::setLibDir(const Tvx_String& folder) {
    libDir_ = withFolderSeparator(folder);
}

const Tvx_String& Tvx_Settings::tvxDir() const {
    if (!tvxDir_.isEmpty())
        return tvxDir_;
    return defaultTvxDir_.from(VTSS_RESOURCE_DIR);
}

void Tvx_Settings::setTvxDir(const Tvx_String& folder) {
    tvxDir_ = withFolderSeparator(folder);
}
