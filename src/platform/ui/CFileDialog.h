// File dialogs: open, save and multiple choice, with filters, title, start
// folder, proposed name and default extension, answered by the current user
// agent (see UserAgent.h). Both faces are offered: the OPENFILENAME functions
// (GetOpenFileName, GetSaveFileName) and the CFileDialog class.
//
// How an answer is taken, as the platform's dialog does:
// - a bare file name is taken in the start folder;
// - a name without extension gets the default extension (when there is one);
// - with OFN_FILEMUSTEXIST (open) a file that does not exist is refused, and
//   with OFN_OVERWRITEPROMPT (save) an existing file is confirmed in a message
//   box ("NAME already exists.\nDo you want to replace it?", Yes/No, No by
//   default); a refused answer leaves the dialog open and the user is asked
//   again (the agent gives its next answer, or cancels);
// - the chosen path goes into the file buffer: one path, or with several
//   files chosen the folder, then each name, each ended by a zero and the
//   list by a second zero. A result that does not fit the buffer fails with
//   FNERR_BUFFERTOOSMALL (CommDlgExtendedError).
#pragma once

#include <string>
#include <vector>

#include "platform/core/Tvx_String.h"
#include "platform/ui/CWnd.h"

inline constexpr DWORD OFN_READONLY = 0x00000001;
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
inline constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
inline constexpr DWORD OFN_ALLOWMULTISELECT = 0x00000200;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
inline constexpr DWORD OFN_EXPLORER = 0x00080000;
inline constexpr DWORD FNERR_BUFFERTOOSMALL = 0x3003;

struct OPENFILENAME {
    DWORD lStructSize = sizeof(OPENFILENAME);
    HWND hwndOwner = nullptr;
    LPCWSTR lpstrFilter = nullptr;  // "Description\0*.ext\0...\0\0"
    DWORD nFilterIndex = 1;         // 1-based
    LPWSTR lpstrFile = nullptr;     // in: proposed name; out: the result
    DWORD nMaxFile = 0;             // characters in lpstrFile
    LPWSTR lpstrFileTitle = nullptr;
    DWORD nMaxFileTitle = 0;
    LPCWSTR lpstrInitialDir = nullptr;
    LPCWSTR lpstrTitle = nullptr;
    DWORD Flags = 0;
    WORD nFileOffset = 0;     // where the file name starts in lpstrFile
    WORD nFileExtension = 0;  // where the extension starts (0: none)
    LPCWSTR lpstrDefExt = nullptr;
};

// Each returns TRUE when the user chose files (written into the structure),
// FALSE for Cancel or an error (see CommDlgExtendedError); FALSE at once for a
// null structure or a missing file buffer.
BOOL GetOpenFileName(OPENFILENAME* ofn);
BOOL GetSaveFileName(OPENFILENAME* ofn);
// The error of the last file dialog: 0 when it was answered or cancelled.
DWORD CommDlgExtendedError();

// An iteration position over the chosen files; null at the end.
struct FILEPOSITION__;
using FILEPOSITION = FILEPOSITION__*;

class CFileDialog {
  public:
    // filter in the "Description|pattern|...||" form.
    explicit CFileDialog(BOOL openFileDialog, LPCWSTR defaultExtension = nullptr,
                         LPCWSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCWSTR filter = nullptr, CWnd* parent = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;
    virtual ~CFileDialog() = default;

    // The structure handed to the dialog; callers may set the title, start
    // folder, flags, or their own buffer, as on the platform.
    OPENFILENAME m_ofn;

    // IDOK when files were chosen, IDCANCEL otherwise.
    virtual INT_PTR DoModal();
    // The chosen path (with several files: the folder).
    Tvx_String GetPathName() const;
    Tvx_String GetFileName() const;
    Tvx_String GetFileExt() const;
    Tvx_String GetFileTitle() const;
    Tvx_String GetFolderPath() const;
    FILEPOSITION GetStartPosition() const;
    // The full path at pos; moves pos on (null after the last).
    Tvx_String GetNextPathName(FILEPOSITION& pos) const;
    // Every chosen full path, in order.
    std::vector<Tvx_String> pathNames() const;

  private:
    bool open_;
    std::wstring filter_;
    std::wstring defaultExtension_;
    std::vector<wchar_t> file_;
};
