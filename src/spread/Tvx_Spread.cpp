// Tvx_Spread: creation over a placeholder, house style, sheet size and fonts,
// and the window's messages and keys.
#include "spread/Tvx_Spread.h"

#include "platform/core/NumberedTexts.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/WinConstants.h"
#include "platform/ui/WinMessages.h"
#include "platform/ui/WinStyles.h"
#include "platform/ui/gdi/GdiHandles.h"
#include "spread/CDlgFindReplace.h"
#include "spread/SpreadFunctions.h"
#include "spread/dynMenu.h"

namespace {

constexpr const wchar_t* kGridClass = L"fpUSpread70";
// Where the grid lies relative to its placeholder without exact placement.
constexpr int kLooseOffsetX = -5;
constexpr int kLooseOffsetY = -20;
// A message of the grid that is answered with 0.
constexpr UINT kGridQueryMessage = 0x517;

// The numbered texts of the context-menu operations 2 to 9.
constexpr int kMenuTextIds[] = {1154, 1155, 774, 775, 1156, 1157, 1400, 1401};

// House style colours.
constexpr COLORREF kSelectionBackground = RGB(10, 36, 106);
constexpr COLORREF kSelectionText = RGB(255, 255, 255);
constexpr COLORREF kHeaderShading = RGB(230, 230, 230);

// Options every house style sets, and those in which the two modes differ.
constexpr struct {
    int index;
    bool on;
} kHouseOptions[] = {
    {grid::kOptionGridLines, true},
    {grid::kOptionColumnHeaders, true},
    {grid::kOptionRowHeaders, true},
    {grid::kOptionVerticalScrollBar, true},
    {grid::kOptionHorizontalScrollBar, true},
    {grid::kOptionProcessTab, false},
    {grid::kOptionAutoCalc, true},
    {grid::kOptionAllowUserFormulas, false},
    {grid::kOptionAutoClipboard, true},
    {grid::kOptionRedraw, true},
};

}  // namespace

Tvx_Spread::Tvx_Spread() {
    onMessage(kGridQueryMessage, [](WPARAM, LPARAM) { return LRESULT{0}; });
}

Tvx_Spread::~Tvx_Spread() {
    closeFindReplace();
    menu_.reset();
}

bool Tvx_Spread::attachToDlgItem(CWnd* dialog, int controlId, bool exactPlacement) {
    if (created_ || dialog == nullptr || dialog->GetSafeHwnd() == nullptr)
        return false;
    CWnd* placeholder = dialog->GetDlgItem(controlId);
    if (placeholder == nullptr)
        return false;
    CRect dialogRect;
    CRect rect;
    dialog->GetWindowRect(&dialogRect);
    placeholder->GetWindowRect(&rect);
    rect.left -= dialogRect.left;
    rect.right -= dialogRect.left;
    rect.top -= dialogRect.top;
    rect.bottom -= dialogRect.top;
    if (!exactPlacement) {
        rect.left += kLooseOffsetX;
        rect.right += kLooseOffsetX;
        rect.top += kLooseOffsetY;
        rect.bottom += kLooseOffsetY;
    }
    placeholder->DestroyWindow();
    if (!CreateEx(0, kGridClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, dialog,
                  static_cast<UINT>(controlId)))
        return false;
    dialogWindow_ = dialog->GetSafeHwnd();
    controlId_ = controlId;
    SetMaxRows(0);
    SetMaxCols(0);
    created_ = true;
    SetAppearance(grid::kAppearanceThreeD);
    for (int action = grid::kActionClear; action < grid::kActionCount; ++action)
        SetActionKey(action, FALSE, FALSE, 0);
    return true;
}

bool Tvx_Spread::applyHouseStyle(int mode) {
    if (!created_)
        return false;
    for (const auto& option : kHouseOptions)
        SetBool(option.index, option.on);
    const bool editing = mode == 1;
    SetBool(grid::kOptionEditModePermanent, editing);
    SetBool(grid::kOptionArrowsExitEditMode, editing);
    SetBool(grid::kOptionMoveActiveOnEnter, !editing);
    SetSelColor(kSelectionBackground, kSelectionText);
    SetColorRange(SS_ALL, 0, SS_ALL, 0, kHeaderShading, SS_COLOR_UNCHANGED);
    SetColorRange(0, SS_ALL, 0, SS_ALL, kHeaderShading, SS_COLOR_UNCHANGED);
    SetColorRange(0, 0, 0, 0, GetSysColor(COLOR_BTNFACE), SS_COLOR_UNCHANGED);
    return true;
}

int Tvx_Spread::getMaxRows() const {
    return created_ ? GetMaxRows() : -1;
}

int Tvx_Spread::getMaxCols() const {
    return created_ ? GetMaxCols() : -1;
}

void Tvx_Spread::applyLineFonts(bool rows, int first, int last) {
    if (rows) {
        spread::setBlockFont(*this, 0, first, 0, last, fontName_, fontHeight_, true);
        spread::setBlockFont(*this, SS_ALL, first, SS_ALL, last, fontName_, fontHeight_, false);
    } else {
        spread::setBlockFont(*this, first, 0, last, 0, fontName_, fontHeight_, true);
        spread::setBlockFont(*this, first, SS_ALL, last, SS_ALL, fontName_, fontHeight_, false);
    }
}

void Tvx_Spread::applyHeaderFonts() {
    spread::setBlockFont(*this, SS_ALL, 0, SS_ALL, 0, fontName_, fontHeight_, true);
    spread::setBlockFont(*this, 0, SS_ALL, 0, SS_ALL, fontName_, fontHeight_, true, true);
    spread::setBlockFont(*this, 0, 0, 0, 0, fontName_, fontHeight_, true);
}

bool Tvx_Spread::setSheetFont(const Tvx_String& name, int height) {
    if (!created_ || name.isEmpty() || height <= 0)
        return false;
    fontName_ = name;
    fontHeight_ = height;
    spread::setBlockFont(*this, SS_ALL, SS_ALL, SS_ALL, SS_ALL, fontName_, fontHeight_, false);
    applyHeaderFonts();
    return true;
}

bool Tvx_Spread::resize(bool rows, int count, bool copyLast) {
    if (!created_ || count < 0)
        return false;
    const int oldCount = rows ? GetMaxRows() : GetMaxCols();
    if (!(rows ? SetMaxRows(count) : SetMaxCols(count)))
        return false;
    if (count <= oldCount)
        return true;
    const int across = rows ? GetMaxCols() : GetMaxRows();
    if (copyLast && oldCount > 0 && across > 0) {
        for (int line = oldCount + 1; line <= count; ++line) {
            if (rows) {
                CopyRange(1, oldCount, across, oldCount, 1, line);
            } else {
                CopyRange(oldCount, 1, oldCount, across, line, 1);
            }
        }
    }
    applyLineFonts(rows, oldCount + 1, count);
    if (oldCount == 0)
        applyHeaderFonts();
    return true;
}

bool Tvx_Spread::setMaxRows(int rows, bool copyLast) {
    return resize(true, rows, copyLast);
}

bool Tvx_Spread::setMaxCols(int columns, bool copyLast) {
    return resize(false, columns, copyLast);
}

BOOL Tvx_Spread::PreTranslateMessage(MSG* msg) {
    if (created_ && msg->message == WM_KEYDOWN) {
        switch (msg->wParam) {
            case VK_F3:
                openFindReplace(false);
                return TRUE;
            case VK_F5:
                openFindReplace(true);
                return TRUE;
            case VK_F8:
                if (allowF8_)
                    SetBool(grid::kOptionEditModePermanent,
                            !GetBool(grid::kOptionEditModePermanent));
                break;
            default:
                break;
        }
    }
    return TSpread::PreTranslateMessage(msg);
}

void Tvx_Spread::OnRButtonDown(UINT flags, CPoint point) {
    TSpread::OnRButtonDown(flags, point);
    if (!created_ || menu_ == nullptr || menuCodes_.isEmpty())
        return;
    Tvx_StringArray texts;
    Tvx_IntArray commands;  // the codes that got a command id, in menu order
    for (int code : menuCodes_) {
        if (code == kMenuSeparator) {
            texts.append(Tvx_String());
        } else if (code >= kMenuCopy && code <= kMenuUncheckAll) {
            texts.append(dialString(kMenuTextIds[code - kMenuCopy]));
            commands.append(code);
        }
    }
    CPoint screen = point;
    ClientToScreen(&screen);
    const UINT chosen = menu_->track(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, screen.x,
                                     screen.y, this, {}, texts);
    const int index = dynMenu::commandIndex(chosen);
    if (index >= 0 && index < commands.length())
        runMenuOperation(commands[index]);
}

void Tvx_Spread::OnSize(UINT type, int cx, int cy) {
    TSpread::OnSize(type, cx, cy);
    if (created_)
        applyLayout();
}

void Tvx_Spread::OnDestroy() {
    closeFindReplace();
    TSpread::OnDestroy();
}

bool Tvx_Spread::openFindReplace(bool replace) {
    if (!created_)
        return false;
    if (findReplace_ != nullptr && findReplace_->GetSafeHwnd() != nullptr) {
        if (replace) {
            findReplace_->replace();
        } else {
            findReplace_->findNext(true);
        }
        return true;
    }
    retiredFindReplace_.reset();
    findReplace_ = std::make_unique<CDlgFindReplace>(*this);
    return findReplace_->open();
}

void Tvx_Spread::closeFindReplace() {
    if (findReplace_ == nullptr)
        return;
    // The dialog may be asking from inside its own handler: the window goes
    // now, the object once that handler has returned.
    findReplace_->DestroyWindow();
    retiredFindReplace_ = std::move(findReplace_);
}
