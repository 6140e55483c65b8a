// Edit controls: selection, typing, lines and their notifications.
#include "platform/ui/controls/CEdit.h"

#include <algorithm>
#include <cwctype>

#include "platform/ui/KeyboardState.h"
#include "platform/ui/WindowTree.h"

namespace {

struct Lines {
    std::vector<int> starts;  // index of the first character of each line
};

Lines linesOf(const Tvx_String& text) {
    Lines lines;
    lines.starts.push_back(0);
    for (int i = 0; i + 1 < text.length(); ++i) {
        if (text[i] == L'\r' && text[i + 1] == L'\n')
            lines.starts.push_back(i + 2);
    }
    return lines;
}

int lineOfChar(const Lines& lines, int index) {
    int line = 0;
    for (int i = 0; i < static_cast<int>(lines.starts.size()); ++i) {
        if (lines.starts[static_cast<size_t>(i)] <= index)
            line = i;
    }
    return line;
}

int lineLength(const Tvx_String& text, const Lines& lines, int line) {
    const int start = lines.starts[static_cast<size_t>(line)];
    const bool last = line + 1 == static_cast<int>(lines.starts.size());
    const int end = last ? text.length() : lines.starts[static_cast<size_t>(line) + 1] - 2;
    return end - start;
}

}  // namespace

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"EDIT", L"", style | WS_CHILD, rect, parent, id);
}

void CEdit::SetSel(int start, int end, BOOL) {
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void CEdit::GetSel(int& start, int& end) const {
    DWORD s = 0, e = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    start = static_cast<int>(s);
    end = static_cast<int>(e);
}

DWORD CEdit::GetSel() const {
    return static_cast<DWORD>(SendMessage(EM_GETSEL));
}

void CEdit::ReplaceSel(const Tvx_String& text, BOOL canUndo) {
    SendMessage(EM_REPLACESEL, canUndo ? TRUE : FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void CEdit::Clear() {
    ReplaceSel(L"");
}

BOOL CEdit::SetReadOnly(BOOL readOnly) {
    return static_cast<BOOL>(SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE));
}

void CEdit::SetLimitText(UINT maxChars) {
    SendMessage(EM_SETLIMITTEXT, maxChars);
}
UINT CEdit::GetLimitText() const {
    return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT));
}
BOOL CEdit::GetModify() const {
    return static_cast<BOOL>(SendMessage(EM_GETMODIFY));
}
void CEdit::SetModify(BOOL modified) {
    SendMessage(EM_SETMODIFY, modified ? TRUE : FALSE);
}
int CEdit::GetLineCount() const {
    return static_cast<int>(SendMessage(EM_GETLINECOUNT));
}

int CEdit::LineIndex(int line) const {
    return static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(line)));
}

int CEdit::LineLength(int charIndex) const {
    return static_cast<int>(SendMessage(EM_LINELENGTH, static_cast<WPARAM>(charIndex)));
}

int CEdit::LineFromChar(int charIndex) const {
    return static_cast<int>(SendMessage(EM_LINEFROMCHAR, static_cast<WPARAM>(charIndex)));
}

Tvx_String CEdit::GetLineText(int line) const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || line < 0)
        return {};
    const Lines lines = linesOf(r->text);
    if (line >= static_cast<int>(lines.starts.size()))
        return {};
    return r->text.getSubStringAt(lines.starts[static_cast<size_t>(line)],
                                  lineLength(r->text, lines, line));
}

void CEdit::reportChange() {
    if (!reportsChanges())
        return;
    notifyParent(EN_UPDATE);
    notifyParent(EN_CHANGE);
}

bool CEdit::replaceSelection(const Tvx_String& inserted, bool typed) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return false;
    Tvx_String text = inserted;
    if (typed) {
        std::wstring filtered;
        for (wchar_t c : inserted.str()) {
            if ((r->style & ES_NUMBER) && !(c >= L'0' && c <= L'9'))
                continue;
            if (r->style & ES_UPPERCASE)
                c = upperCase(c);
            if (r->style & ES_LOWERCASE)
                c = foldCase(c);
            filtered += c;
        }
        text = Tvx_String(filtered);
        if (text.isEmpty() && !inserted.isEmpty())
            return false;
    }
    auto& c = r->control;
    const int start = std::min(c.selStart, c.selEnd);
    const int end = std::max(c.selStart, c.selEnd);
    const int limit = c.textLimit;
    if (limit > 0 && r->text.length() - (end - start) + text.length() > limit) {
        notifyParent(EN_MAXTEXT);
        return false;
    }
    r->text.removeAt(start, end - start);
    r->text.insertAt(start, text);
    c.selStart = c.selEnd = start + text.length();
    if (typed)
        c.modified = true;
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    reportChange();
    return true;
}

LRESULT CEdit::classProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return 0;
    auto& c = r->control;
    const int length = r->text.length();
    const bool readOnly = (r->style & ES_READONLY) != 0;
    const bool multiline = (r->style & ES_MULTILINE) != 0;
    switch (message) {
        case WM_SETTEXT:
            CWnd::classProcedure(message, wParam, lParam);
            c.selStart = c.selEnd = 0;
            c.modified = false;
            reportChange();
            return TRUE;
        case EM_GETSEL: {
            const DWORD start = static_cast<DWORD>(std::min(c.selStart, c.selEnd));
            const DWORD end = static_cast<DWORD>(std::max(c.selStart, c.selEnd));
            if (wParam)
                *reinterpret_cast<DWORD*>(wParam) = start;
            if (lParam)
                *reinterpret_cast<DWORD*>(lParam) = end;
            return static_cast<LRESULT>(MAKELPARAM(start, end));
        }
        case EM_SETSEL: {
            const int start = static_cast<int>(static_cast<std::intptr_t>(wParam));
            const int end = static_cast<int>(lParam);
            if (start == -1) {
                c.selStart = c.selEnd = std::clamp(c.selEnd, 0, length);
            } else {
                c.selStart = std::clamp(start, 0, length);
                c.selEnd = end < 0 ? length : std::clamp(end, 0, length);
            }
            return 0;
        }
        case EM_REPLACESEL:
            replaceSelection(Tvx_String(lParam ? reinterpret_cast<const wchar_t*>(lParam) : L""),
                             false);
            return 0;
        case EM_SETREADONLY:
            if (wParam) {
                r->style |= ES_READONLY;
            } else {
                r->style &= ~ES_READONLY;
            }
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
            return TRUE;
        case EM_SETLIMITTEXT:
            c.textLimit = static_cast<int>(wParam);
            return 0;
        case EM_GETLIMITTEXT:
            return c.textLimit;
        case EM_GETMODIFY:
            return c.modified ? TRUE : FALSE;
        case EM_SETMODIFY:
            c.modified = wParam != 0;
            return 0;
        case EM_GETLINECOUNT:
            return static_cast<LRESULT>(linesOf(r->text).starts.size());
        case EM_LINEINDEX: {
            const Lines lines = linesOf(r->text);
            int line = static_cast<int>(static_cast<std::intptr_t>(wParam));
            if (line == -1)
                line = lineOfChar(lines, c.selEnd);
            if (line < 0 || line >= static_cast<int>(lines.starts.size()))
                return -1;
            return lines.starts[static_cast<size_t>(line)];
        }
        case EM_LINEFROMCHAR: {
            int index = static_cast<int>(static_cast<std::intptr_t>(wParam));
            if (index == -1)
                index = c.selEnd;
            return lineOfChar(linesOf(r->text), std::clamp(index, 0, length));
        }
        case EM_LINELENGTH: {
            const Lines lines = linesOf(r->text);
            int index = static_cast<int>(static_cast<std::intptr_t>(wParam));
            if (index == -1)
                index = c.selEnd;
            return lineLength(r->text, lines, lineOfChar(lines, std::clamp(index, 0, length)));
        }
        case WM_CHAR: {
            if (readOnly)
                return 0;
            const auto ch = static_cast<wchar_t>(wParam);
            if (ch == L'\b') {
                if (c.selStart == c.selEnd && c.selStart > 0) {
                    int from = c.selStart - 1;
                    if (from > 0 && r->text[from] == L'\n' && r->text[from - 1] == L'\r')
                        --from;
                    c.selStart = from;
                }
                if (c.selStart != c.selEnd)
                    replaceSelection(L"", true);
                return 0;
            }
            if (ch == L'\r') {
                if (multiline && (r->style & ES_WANTRETURN))
                    replaceSelection(L"\r\n", true);
                return 0;
            }
            if (ch == L'\t' && !multiline)
                return 0;
            if (ch < 0x20 && ch != L'\t')
                return 0;
            replaceSelection(Tvx_String(ch), true);
            return 0;
        }
        case WM_KEYDOWN: {
            const bool shift = ui::isKeyDown(VK_SHIFT);
            int caret = c.selEnd;
            switch (wParam) {
                case VK_DELETE:
                    if (readOnly)
                        return 0;
                    if (c.selStart == c.selEnd && c.selEnd < length) {
                        c.selEnd +=
                            (r->text.at(c.selEnd) == L'\r' && r->text.at(c.selEnd + 1) == L'\n')
                                ? 2
                                : 1;
                    }
                    if (c.selStart != c.selEnd)
                        replaceSelection(L"", true);
                    return 0;
                case VK_HOME:
                    caret = 0;
                    break;
                case VK_END:
                    caret = length;
                    break;
                case VK_LEFT:
                    caret = std::max(caret - 1, 0);
                    break;
                case VK_RIGHT:
                    caret = std::min(caret + 1, length);
                    break;
                default:
                    return 0;
            }
            c.selEnd = caret;
            if (!shift)
                c.selStart = caret;
            return 0;
        }
        case WM_LBUTTONDOWN:
            ::SetFocus(m_hWnd);
            return 0;
        case WM_SETFOCUS:
            notifyParent(EN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            notifyParent(EN_KILLFOCUS);
            return 0;
        case WM_GETDLGCODE: {
            UINT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
            // A multi-line edit that keeps Enter wants both its key press and
            // the line-break character it makes.
            const auto* msg = reinterpret_cast<const MSG*>(lParam);
            const bool enter = msg && ((msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) ||
                                       (msg->message == WM_CHAR && msg->wParam == L'\r'));
            if (multiline && enter && (r->style & ES_WANTRETURN))
                code |= DLGC_WANTALLKEYS;
            return code;
        }
        default:
            return CWnd::classProcedure(message, wParam, lParam);
    }
}
