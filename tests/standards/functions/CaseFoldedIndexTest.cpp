// The letter-case-blind row index of the look-up tables: what a probe finds
// must be what a search from the top with Tvx_String::equal (flag clear) finds.
#include "standards/functions/CaseFoldedIndex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Tvx_String.h"

namespace {

TEST(CaseFoldedIndex, FindsWhatASearchFromTheTopFinds) {
    const std::vector<std::wstring> keys = {
        L"M16", L"m16",  L"HEA 200", L"\u00C4rger", L"\u0414\u041E\u041C", L"\u0141\u00F3d\u017A",
        L"",    L"M16 ", L"\u00DF",
    };
    CaseFoldedIndex index;
    for (int row = 0; row < static_cast<int>(keys.size()); ++row)
        index.add(keys[static_cast<size_t>(row)], row);
    const std::vector<std::wstring> probes = {
        L"M16",
        L"m16",
        L"hea 200",
        L"HEA  200",
        L"\u00E4RGER",
        L"\u0434\u043E\u043C",
        L"\u0142\u00D3D\u017B",
        L"",
        L"m16 ",
        L"M1",
        L"\u00DF",
        L"SS",
        L"M17",
    };
    for (const std::wstring& probe : probes) {
        int expected = -1;
        for (int row = 0; row < static_cast<int>(keys.size()); ++row) {
            if (Tvx_String(keys[static_cast<size_t>(row)]).equal(Tvx_String(probe), false)) {
                expected = row;
                break;
            }
        }
        SCOPED_TRACE(Tvx_String(probe).toUtf8());
        EXPECT_EQ(index.find(probe), expected);
    }
}

TEST(CaseFoldedIndex, AnEmptyIndexFindsNothing) {
    const CaseFoldedIndex index;
    EXPECT_EQ(index.find(L"M16"), -1);
    EXPECT_EQ(index.find(L""), -1);
}

}  // namespace
