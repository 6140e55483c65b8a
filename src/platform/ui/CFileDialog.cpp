// File dialogs: the prompt, the checks of the answer and the result buffer.
#include "platform/ui/CFileDialog.h"

#include <algorithm>

#include "platform/core/FileOperations.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/UserAgent.h"

namespace {

DWORD& lastError() {
    static DWORD error = 0;
    return error;
}

// The file dialog may ask at most this often before it gives up (the user
// keeps choosing files it refuses).
constexpr int kMaximumAttempts = 20;

bool isSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

int lastSeparator(const Tvx_String& path) {
    for (int i = path.length() - 1; i >= 0; --i) {
        if (isSeparator(path[i]))
            return i;
    }
    return -1;
}

Tvx_String fileNameOf(const Tvx_String& path) {
    return path.getSubStringAt(lastSeparator(path) + 1);
}

Tvx_String folderOf(const Tvx_String& path) {
    const int at = lastSeparator(path);
    return at < 0 ? Tvx_String() : path.getSubStringAt(0, at);
}

// Index of the '.' starting the extension of a path's file name, -1 when none.
int extensionDot(const Tvx_String& path) {
    const int nameStart = lastSeparator(path) + 1;
    for (int i = path.length() - 1; i >= nameStart; --i) {
        if (path[i] == L'.')
            return i;
    }
    return -1;
}

std::vector<ui::FileFilter> parseFilters(LPCWSTR filter) {
    std::vector<ui::FileFilter> filters;
    if (!filter)
        return filters;
    while (*filter) {
        ui::FileFilter f;
        f.description = Tvx_String(filter);
        filter += f.description.length() + 1;
        f.patterns = Tvx_String(filter);
        filter += *filter ? f.patterns.length() + 1 : 0;
        filters.push_back(f);
    }
    return filters;
}

ui::FileDialogPrompt promptOf(const OPENFILENAME& ofn, bool open) {
    ui::FileDialogPrompt prompt;
    prompt.owner = IsWindow(ofn.hwndOwner) ? ofn.hwndOwner : nullptr;
    prompt.open = open;
    prompt.multiple = (ofn.Flags & OFN_ALLOWMULTISELECT) != 0;
    prompt.title = Tvx_String(ofn.lpstrTitle ? ofn.lpstrTitle : (open ? L"Open" : L"Save As"));
    prompt.initialFolder = Tvx_String(ofn.lpstrInitialDir ? ofn.lpstrInitialDir : L"");
    prompt.fileName = Tvx_String(ofn.lpstrFile ? ofn.lpstrFile : L"");
    prompt.defaultExtension = Tvx_String(ofn.lpstrDefExt ? ofn.lpstrDefExt : L"");
    prompt.filters = parseFilters(ofn.lpstrFilter);
    prompt.filterIndex = static_cast<int>(std::max<DWORD>(ofn.nFilterIndex, 1));
    prompt.flags = ofn.Flags;
    return prompt;
}

// The path the dialog makes of one chosen name.
Tvx_String completePath(const Tvx_String& chosen, const ui::FileDialogPrompt& prompt) {
    Tvx_String path = chosen;
    if (lastSeparator(path) < 0 && !prompt.initialFolder.isEmpty()) {
        path = prompt.initialFolder;
        if (!isSeparator(path[path.length() - 1]))
            path += L'\\';
        path += chosen;
    }
    if (extensionDot(path) < 0 && !prompt.defaultExtension.isEmpty()) {
        path += L'.';
        path += prompt.defaultExtension;
    }
    return path;
}

// Whether the dialog accepts the chosen paths (asking about overwriting).
bool accepts(const std::vector<Tvx_String>& paths, const ui::FileDialogPrompt& prompt) {
    if (paths.empty() || (paths.size() > 1 && !prompt.multiple))
        return false;
    for (const Tvx_String& path : paths) {
        const bool exists = ObjectExportFileExists(path);
        if (prompt.open && (prompt.flags & OFN_FILEMUSTEXIST) && !exists)
            return false;
        if (!prompt.open && (prompt.flags & OFN_OVERWRITEPROMPT) && exists) {
            const Tvx_String question =
                fileNameOf(path) + L" already exists.\nDo you want to replace it?";
            const int answer = MessageBox(prompt.owner, question, prompt.title,
                                          MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2);
            if (answer != IDYES)
                return false;
        }
    }
    return true;
}

// The text written into the file buffer for the chosen paths.
std::wstring resultText(const std::vector<Tvx_String>& paths) {
    if (paths.size() == 1)
        return paths.front().str() + L'\0';
    const Tvx_String folder = folderOf(paths.front());
    std::wstring text = folder.str() + L'\0';
    for (const Tvx_String& path : paths) {
        const bool sameFolder = folderOf(path) == folder;
        text += (sameFolder ? fileNameOf(path) : path).str() + L'\0';
    }
    return text + L'\0';
}

BOOL runFileDialog(OPENFILENAME* ofn, bool open) {
    lastError() = 0;
    if (!ofn || !ofn->lpstrFile || ofn->nMaxFile == 0)
        return FALSE;
    const ui::FileDialogPrompt prompt = promptOf(*ofn, open);
    for (int attempt = 0; attempt < kMaximumAttempts; ++attempt) {
        const auto answer = ui::currentUserAgent().answerFileDialog(prompt);
        if (!answer)
            return FALSE;
        std::vector<Tvx_String> paths;
        for (const Tvx_String& chosen : answer->paths)
            paths.push_back(completePath(chosen, prompt));
        if (!accepts(paths, prompt))
            continue;
        const std::wstring text = resultText(paths);
        if (text.size() > ofn->nMaxFile) {
            lastError() = FNERR_BUFFERTOOSMALL;
            return FALSE;
        }
        std::copy(text.begin(), text.end(), ofn->lpstrFile);
        const Tvx_String& first = paths.front();
        ofn->nFileOffset = static_cast<WORD>(paths.size() == 1 ? lastSeparator(first) + 1
                                                               : folderOf(first).length() + 1);
        const int dot = paths.size() == 1 ? extensionDot(first) : -1;
        ofn->nFileExtension = static_cast<WORD>(dot < 0 ? 0 : dot + 1);
        ofn->nFilterIndex = static_cast<DWORD>(std::max(answer->filterIndex, 1));
        if (ofn->lpstrFileTitle && ofn->nMaxFileTitle > 0) {
            const std::wstring title = fileNameOf(first).str();
            const size_t n = std::min<size_t>(title.size(), ofn->nMaxFileTitle - 1);
            std::copy_n(title.begin(), n, ofn->lpstrFileTitle);
            ofn->lpstrFileTitle[n] = L'\0';
        }
        return TRUE;
    }
    return FALSE;
}

}  // namespace

BOOL GetOpenFileName(OPENFILENAME* ofn) {
    return runFileDialog(ofn, true);
}
BOOL GetSaveFileName(OPENFILENAME* ofn) {
    return runFileDialog(ofn, false);
}
DWORD CommDlgExtendedError() {
    return lastError();
}

namespace {
// The platform's default file buffer size.
constexpr size_t kDefaultFileBuffer = 260;
}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, LPCWSTR defaultExtension, LPCWSTR fileName,
                         DWORD flags, LPCWSTR filter, CWnd* parent)
    : open_(openFileDialog != FALSE), file_(kDefaultFileBuffer, L'\0') {
    if (filter) {
        filter_ = filter;
        std::replace(filter_.begin(), filter_.end(), L'|', L'\0');
        filter_ += L'\0';
    }
    if (defaultExtension)
        defaultExtension_ = defaultExtension;
    if (fileName) {
        const std::wstring name(fileName);
        std::copy_n(name.begin(), std::min(name.size(), file_.size() - 1), file_.begin());
    }
    m_ofn.hwndOwner = parent ? parent->m_hWnd : nullptr;
    m_ofn.lpstrFilter = filter ? filter_.c_str() : nullptr;
    m_ofn.lpstrFile = file_.data();
    m_ofn.nMaxFile = static_cast<DWORD>(file_.size());
    m_ofn.lpstrDefExt = defaultExtension ? defaultExtension_.c_str() : nullptr;
    m_ofn.Flags = flags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal() {
    const BOOL chosen = open_ ? GetOpenFileName(&m_ofn) : GetSaveFileName(&m_ofn);
    return chosen ? IDOK : IDCANCEL;
}

Tvx_String CFileDialog::GetPathName() const {
    return Tvx_String(m_ofn.lpstrFile ? m_ofn.lpstrFile : L"");
}

Tvx_String CFileDialog::GetFileName() const {
    return fileNameOf(GetPathName());
}

Tvx_String CFileDialog::GetFileExt() const {
    const Tvx_String path = GetPathName();
    const int dot = extensionDot(path);
    return dot < 0 ? Tvx_String() : path.getSubStringAt(dot + 1);
}

Tvx_String CFileDialog::GetFileTitle() const {
    const Tvx_String name = GetFileName();
    const int dot = extensionDot(name);
    return dot < 0 ? name : name.getSubStringAt(0, dot);
}

Tvx_String CFileDialog::GetFolderPath() const {
    const std::vector<Tvx_String> paths = pathNames();
    return paths.empty() ? Tvx_String() : folderOf(paths.front());
}

std::vector<Tvx_String> CFileDialog::pathNames() const {
    std::vector<Tvx_String> paths;
    if (!m_ofn.lpstrFile || !m_ofn.lpstrFile[0])
        return paths;
    const wchar_t* p = m_ofn.lpstrFile;
    const Tvx_String first(p);
    p += first.length() + 1;
    if (!*p)
        return {first};  // one file: the whole path
    while (*p) {
        const Tvx_String name(p);
        p += name.length() + 1;
        paths.push_back(lastSeparator(name) >= 0 ? name : first + L"\\" + name);
    }
    return paths;
}

FILEPOSITION CFileDialog::GetStartPosition() const {
    return pathNames().empty() ? nullptr : reinterpret_cast<FILEPOSITION>(std::uintptr_t{1});
}

Tvx_String CFileDialog::GetNextPathName(FILEPOSITION& pos) const {
    const std::vector<Tvx_String> paths = pathNames();
    const auto index = reinterpret_cast<std::uintptr_t>(pos);
    if (index == 0 || index > paths.size()) {
        pos = nullptr;
        return {};
    }
    pos = index < paths.size() ? reinterpret_cast<FILEPOSITION>(index + 1) : nullptr;
    return paths[index - 1];
}
