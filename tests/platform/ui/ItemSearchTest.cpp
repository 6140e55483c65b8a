// Sorted insertion and the prefix and whole-text searches of combo boxes and
// list boxes, as dialogs use them to find and choose items by their text.
#include <gtest/gtest.h>

#include "ControlHost.h"
#include "platform/ui/controls/CCheckListBox.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/controls/CListBox.h"

namespace {

using uitest::ControlHost;

template <typename Control>
Control& as(HWND h) {
    return *static_cast<Control*>(CWnd::FromHandle(h));
}

// The two kinds of list hold the same items and answer the same searches.
struct ListKind {
    const char* name;
    const wchar_t* className;
    DWORD unsortedStyle;
    DWORD sortedStyle;
};
const ListKind kKinds[] = {
    {"combo box", L"COMBOBOX", CBS_DROPDOWNLIST, CBS_DROPDOWNLIST | CBS_SORT},
    {"list box", L"LISTBOX", 0, LBS_SORT},
};

int addItem(const ListKind& kind, HWND list, const wchar_t* text) {
    return kind.className[0] == L'C' ? as<CComboBox>(list).AddString(text)
                                     : as<CListBox>(list).AddString(text);
}

std::vector<Tvx_String> itemsOf(const ListKind& kind, HWND list) {
    std::vector<Tvx_String> items;
    const bool combo = kind.className[0] == L'C';
    const int count = combo ? as<CComboBox>(list).GetCount() : as<CListBox>(list).GetCount();
    for (int i = 0; i < count; ++i) {
        Tvx_String text;
        if (combo) {
            as<CComboBox>(list).GetLBText(i, text);
        } else {
            as<CListBox>(list).GetText(i, text);
        }
        items.push_back(text);
    }
    return items;
}

int find(const ListKind& kind, HWND list, int startAfter, const wchar_t* text, bool exact) {
    if (kind.className[0] == L'C') {
        CComboBox& c = as<CComboBox>(list);
        return exact ? c.FindStringExact(startAfter, text) : c.FindString(startAfter, text);
    }
    CListBox& l = as<CListBox>(list);
    return exact ? l.FindStringExact(startAfter, text) : l.FindString(startAfter, text);
}

TEST(ItemSearch, SortedListsPlaceItemsByTextIgnoringCase) {
    struct Case {
        const char* what;
        std::vector<const wchar_t*> added;
        std::vector<int> indexes;  // AddString's answer for each
        std::vector<Tvx_String> items;
    };
    const Case cases[] = {
        {"letters in any case",
         {L"pear", L"Apple", L"banana"},
         {0, 0, 1},
         {L"Apple", L"banana", L"pear"}},
        {"an equal text goes after the ones already there",
         {L"HEA", L"hea", L"Hea"},
         {0, 1, 2},
         {L"HEA", L"hea", L"Hea"}},
        {"a prefix sorts first",
         {L"IPE-200", L"IPE-20", L"IPE"},
         {0, 0, 0},
         {L"IPE", L"IPE-20", L"IPE-200"}},
        {"digits by character, not by value",
         {L"10", L"9", L"100"},
         {0, 1, 1},
         {L"10", L"100", L"9"}},
    };
    for (const ListKind& kind : kKinds) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + ": " + c.what);
            ControlHost host;
            const HWND list = host.add(kind.className, kind.sortedStyle, 10);
            std::vector<int> indexes;
            for (const wchar_t* text : c.added)
                indexes.push_back(addItem(kind, list, text));
            EXPECT_EQ(indexes, c.indexes);
            EXPECT_EQ(itemsOf(kind, list), c.items);
        }
    }
}

TEST(ItemSearch, UnsortedListsKeepTheOrderOfAdding) {
    for (const ListKind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        ControlHost host;
        const HWND list = host.add(kind.className, kind.unsortedStyle, 10);
        for (const wchar_t* text : {L"pear", L"Apple", L"banana"})
            addItem(kind, list, text);
        EXPECT_EQ(itemsOf(kind, list), (std::vector<Tvx_String>{L"pear", L"Apple", L"banana"}));
    }
}

TEST(ItemSearch, PrefixAndWholeTextSearchesStartAfterAnItemAndWrapAround) {
    struct Case {
        const char* what;
        int startAfter;
        const wchar_t* text;
        bool exact;
        int found;
    };
    // Items: 0 "HEA-200", 1 "hea", 2 "IPE-200", 3 "HEA".
    const Case cases[] = {
        {"prefix from the start", -1, L"hea", false, 0},
        {"prefix after the first hit", 0, L"HEA", false, 1},
        {"prefix wraps past the end", 3, L"HEA", false, 0},
        {"prefix ignores case", -1, L"ipe", false, 2},
        {"whole text skips longer items", -1, L"HEA", true, 1},
        {"whole text after a hit finds the next equal one", 1, L"hea", true, 3},
        {"whole text wraps back to the start item itself", 3, L"HEA", true, 1},
        {"whole text found only at the start item", 2, L"ipe-200", true, 2},
        {"no item matches", -1, L"UPN", false, -1},
        {"a longer text is no prefix", -1, L"HEA-2000", false, -1},
        {"a start index past the end searches from the start", 9, L"IPE", false, 2},
        {"an empty prefix matches the next item", 1, L"", false, 2},
    };
    for (const ListKind& kind : kKinds) {
        ControlHost host;
        const HWND list = host.add(kind.className, kind.unsortedStyle, 10);
        for (const wchar_t* text : {L"HEA-200", L"hea", L"IPE-200", L"HEA"})
            addItem(kind, list, text);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + ": " + c.what);
            EXPECT_EQ(find(kind, list, c.startAfter, c.text, c.exact), c.found);
        }
    }
}

TEST(ItemSearch, SearchesOfAnEmptyListFindNothing) {
    for (const ListKind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        ControlHost host;
        const HWND list = host.add(kind.className, kind.unsortedStyle, 10);
        EXPECT_EQ(find(kind, list, -1, L"", false), -1);
        EXPECT_EQ(find(kind, list, -1, L"a", true), -1);
    }
}

TEST(ItemSearch, SelectStringChoosesThePrefixMatchAndKeepsTheSelectionWhenNoneMatches) {
    ControlHost host;
    CComboBox& combo = as<CComboBox>(host.add(L"COMBOBOX", CBS_DROPDOWNLIST | CBS_SORT, 10));
    for (const wchar_t* text : {L"UPN-100", L"HEA-200", L"IPE-200"})
        combo.AddString(text);
    EXPECT_EQ(combo.SelectString(-1, L"ipe"), 1);
    EXPECT_EQ(combo.GetCurSel(), 1);
    Tvx_String shown;
    combo.GetWindowText(shown);
    EXPECT_EQ(shown, Tvx_String(L"IPE-200"));
    EXPECT_EQ(combo.SelectString(-1, L"CHS"), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), 1);

    CListBox& list = as<CListBox>(host.add(L"LISTBOX", LBS_SORT, 11));
    for (const wchar_t* text : {L"UPN-100", L"HEA-200", L"IPE-200"})
        list.AddString(text);
    EXPECT_EQ(list.SelectString(0, L"u"), 2);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.SelectString(-1, L"x"), LB_ERR);
    EXPECT_EQ(list.GetCurSel(), 2);
}

TEST(ItemSearch, CheckMarksStayWithTheirItemsAsTheSortedListChanges) {
    ControlHost host;
    const HWND handle = host.add(L"LISTBOX", LBS_SORT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 12);
    CCheckListBox checks;
    ASSERT_TRUE(checks.SubclassWindow(handle));
    checks.AddString(L"Bolt");
    checks.AddString(L"Weld");
    checks.SetCheck(0, 1);  // Bolt
    checks.SetCheck(1, 1);  // Weld
    checks.Enable(1, FALSE);
    EXPECT_EQ(checks.AddString(L"Cut"), 1);  // between the two
    EXPECT_EQ(checks.AddString(L"Anchor"), 0);
    const struct {
        const wchar_t* text;
        int check;
        BOOL enabled;
    } expected[] = {
        {L"Anchor", 0, TRUE}, {L"Bolt", 1, TRUE}, {L"Cut", 0, TRUE}, {L"Weld", 1, FALSE}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        Tvx_String text;
        checks.GetText(i, text);
        EXPECT_EQ(text, Tvx_String(expected[i].text));
        EXPECT_EQ(checks.GetCheck(i), expected[i].check);
        EXPECT_EQ(checks.IsEnabled(i), expected[i].enabled);
    }
    checks.DeleteString(1);  // Bolt goes with its mark
    EXPECT_EQ(checks.GetCheck(1), 0);
    EXPECT_EQ(checks.GetCheck(2), 1);
    checks.DestroyWindow();
}

}  // namespace
