// Column letters of A1 references.
#include "platform/grid/formula/Reference.h"

#include <algorithm>

namespace formula {

std::wstring columnLetters(int column) {
    std::wstring letters;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        letters.push_back(static_cast<wchar_t>(L'A' + digit));
        column = (column - 1) / 26;
    }
    std::reverse(letters.begin(), letters.end());
    return letters;
}

int columnFromLetters(std::wstring_view letters) {
    if (letters.empty() || letters.size() > 3)
        return 0;
    int column = 0;
    for (wchar_t c : letters) {
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
        if (c < L'A' || c > L'Z')
            return 0;
        column = column * 26 + (c - L'A' + 1);
    }
    return column;
}

}  // namespace formula
