// Image lists and the table of their handles.
#include "platform/ui/controls/CImageList.h"

#include <cstddef>
#include <map>

namespace {

std::map<HIMAGELIST, CImageList*>& lists() {
    static auto* table = new std::map<HIMAGELIST, CImageList*>;  // outlives static lists
    return *table;
}

std::uintptr_t nextHandle = 0x100;

}  // namespace

CImageList::~CImageList() {
    DeleteImageList();
}

BOOL CImageList::Create(int cx, int cy, UINT, int, int) {
    if (m_hImageList || cx <= 0 || cy <= 0)
        return FALSE;
    m_hImageList = reinterpret_cast<HIMAGELIST>(nextHandle++);
    lists()[m_hImageList] = this;
    cx_ = cx;
    cy_ = cy;
    return TRUE;
}

BOOL CImageList::DeleteImageList() {
    if (!m_hImageList)
        return FALSE;
    lists().erase(m_hImageList);
    m_hImageList = nullptr;
    images_.clear();
    return TRUE;
}

int CImageList::Add(HICON icon) {
    if (!m_hImageList || !icon)
        return -1;
    images_.push_back(Image{icon, nullptr, nullptr});
    return static_cast<int>(images_.size()) - 1;
}

int CImageList::Add(HBITMAP image, HBITMAP mask) {
    if (!m_hImageList || !image)
        return -1;
    images_.push_back(Image{nullptr, image, mask});
    return static_cast<int>(images_.size()) - 1;
}

BOOL CImageList::Replace(int index, HICON icon) {
    if (index < 0 || index >= GetImageCount() || !icon)
        return FALSE;
    images_[static_cast<std::size_t>(index)] = Image{icon, nullptr, nullptr};
    return TRUE;
}

BOOL CImageList::Remove(int index) {
    if (index == -1 && m_hImageList) {
        images_.clear();
        return TRUE;
    }
    if (index < 0 || index >= GetImageCount())
        return FALSE;
    images_.erase(images_.begin() + index);
    return TRUE;
}

int CImageList::GetImageCount() const {
    return static_cast<int>(images_.size());
}

BOOL CImageList::GetIconSize(int& cx, int& cy) const {
    if (!m_hImageList)
        return FALSE;
    cx = cx_;
    cy = cy_;
    return TRUE;
}

COLORREF CImageList::SetBkColor(COLORREF color) {
    const COLORREF old = background_;
    background_ = color;
    return old;
}

HICON CImageList::imageAt(int index) const {
    if (index < 0 || index >= GetImageCount())
        return nullptr;
    const Image& image = images_[static_cast<std::size_t>(index)];
    return image.icon ? image.icon : reinterpret_cast<HICON>(image.bitmap);
}

CImageList* CImageList::FromHandle(HIMAGELIST handle) {
    auto it = lists().find(handle);
    return it == lists().end() ? nullptr : it->second;
}
