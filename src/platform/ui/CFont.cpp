// The font table behind font handles.
#include "platform/ui/CFont.h"

#include <cwchar>
#include <map>

namespace {

struct FontEntry {
    LOGFONT description;
    CFont* owner;
};

std::map<HFONT, FontEntry>& fonts() {
    static auto* table = new std::map<HFONT, FontEntry>;  // outlives static fonts
    return *table;
}

std::uintptr_t& nextFontHandle() {
    static std::uintptr_t next = 0x100;
    return next;
}

}  // namespace

CFont::~CFont() {
    DeleteObject();
}

BOOL CFont::CreateFontIndirect(const LOGFONT* font) {
    if (m_hObject || !font)
        return FALSE;
    m_hObject = reinterpret_cast<HFONT>(nextFontHandle()++);
    LOGFONT copy = *font;
    copy.lfFaceName[31] = L'\0';
    fonts()[m_hObject] = FontEntry{copy, this};
    return TRUE;
}

BOOL CFont::CreatePointFont(int pointSize, LPCWSTR faceName, CDC*) {
    LOGFONT font;
    // Tenths of a point at 96 pixels per inch, rounded half away from zero.
    const int tenthsTimesDpi = pointSize * 96;
    font.lfHeight = -((tenthsTimesDpi + 360) / 720);
    if (faceName)
        std::wcsncpy(font.lfFaceName, faceName, 31);
    return CreateFontIndirect(&font);
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
                       BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                       BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, LPCWSTR faceName) {
    LOGFONT font;
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = orientation;
    font.lfWeight = weight;
    font.lfItalic = italic;
    font.lfUnderline = underline;
    font.lfStrikeOut = strikeOut;
    font.lfCharSet = charSet;
    font.lfOutPrecision = outPrecision;
    font.lfClipPrecision = clipPrecision;
    font.lfQuality = quality;
    font.lfPitchAndFamily = pitchAndFamily;
    if (faceName)
        std::wcsncpy(font.lfFaceName, faceName, 31);
    return CreateFontIndirect(&font);
}

int CFont::GetLogFont(LOGFONT* font) const {
    const LOGFONT* d = ui::fontDescription(m_hObject);
    if (!d || !font)
        return 0;
    *font = *d;
    return static_cast<int>(sizeof(LOGFONT));
}

BOOL CFont::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    fonts().erase(m_hObject);
    m_hObject = nullptr;
    return TRUE;
}

CFont* CFont::FromHandle(HFONT font) {
    auto it = fonts().find(font);
    return it == fonts().end() ? nullptr : it->second.owner;
}

namespace ui {

const LOGFONT* fontDescription(HFONT font) {
    auto it = fonts().find(font);
    return it == fonts().end() ? nullptr : &it->second.description;
}

HFONT defaultDialogFont() {
    static CFont* font = [] {
        auto* f = new CFont;  // lives as long as the process
        f->CreatePointFont(80, L"MS Shell Dlg");
        return f;
    }();
    return font->m_hObject;
}

}  // namespace ui
