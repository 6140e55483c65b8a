// Loading and looking up the numbered interface texts.
#include "platform/core/NumberedTexts.h"

#include <charconv>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/core/TextFile.h"
#include "platform/core/Tvx_Settings.h"

namespace {

struct TextTable {
    const wchar_t* fileName;
    Tvx_String loadedFrom;  // the tvxDir it was read from; empty: not read yet
    std::unordered_map<int, std::wstring> texts;
    Tvx_StringArray problems;
};

TextTable gDialogTexts{L"dialog.txt", {}, {}, {}};
TextTable gStringTexts{L"strings.txt", {}, {}, {}};

std::optional<int> parseNumber(std::wstring_view digits) {
    if (digits.empty())
        return std::nullopt;
    std::string ascii;
    for (wchar_t c : digits) {
        if (c < L'0' || c > L'9')
            return std::nullopt;
        ascii += static_cast<char>(c);
    }
    int number = 0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), number);
    if (result.ec != std::errc())
        return std::nullopt;
    return number;
}

std::optional<std::wstring> unescape(std::wstring_view text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\\') {
            out += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == L'n') {
            out += L'\n';
            ++i;
        } else if (i + 1 < text.size() && text[i + 1] == L't') {
            out += L'\t';
            ++i;
        } else if (i + 1 < text.size() && text[i + 1] == L'\\') {
            out += L'\\';
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

void load(TextTable& table) {
    const Tvx_String folder = gSettings.tvxDir();
    if (table.loadedFrom == folder)
        return;
    table.loadedFrom = folder;
    table.texts.clear();
    table.problems.removeAll();
    const Tvx_String fileName(table.fileName);
    Tvx_StringArray lines;
    if (!ObjectExportReadFile(folder + L"texts\\" + fileName, lines)) {
        table.problems.append(fileName + L": cannot be read");
        return;
    }
    for (int index = 0; index < lines.length(); ++index) {
        const std::wstring& line = lines[index].str();
        if (line.find_first_not_of(L" \t") == std::wstring::npos || line.front() == L'#')
            continue;
        const Tvx_String where = fileName + Tvx_String(L":" + std::to_wstring(index + 1) + L": ");
        const size_t tab = line.find(L'\t');
        const std::optional<int> number =
            tab == std::wstring::npos ? std::nullopt : parseNumber(line.substr(0, tab));
        if (!number) {
            table.problems.append(where + L"expected a number and a tab");
            continue;
        }
        const std::optional<std::wstring> text = unescape(std::wstring_view(line).substr(tab + 1));
        if (!text) {
            table.problems.append(where + L"unknown escape sequence");
        } else if (!table.texts.emplace(*number, *text).second) {
            table.problems.append(where + L"number " + Tvx_String(*number) + L" appears twice");
        }
    }
}

Tvx_String lookUp(TextTable& table, int number) {
    load(table);
    const auto found = table.texts.find(number);
    if (found == table.texts.end())
        return Tvx_String(L"#") + Tvx_String(number);
    return Tvx_String(found->second);
}

bool has(TextTable& table, int number) {
    load(table);
    return table.texts.count(number) == 1;
}

}  // namespace

Tvx_String dialString(int number) {
    return lookUp(gDialogTexts, number);
}

Tvx_String string(int number) {
    return lookUp(gStringTexts, number);
}

bool hasDialString(int number) {
    return has(gDialogTexts, number);
}

bool hasString(int number) {
    return has(gStringTexts, number);
}

Tvx_StringArray numberedTextProblems() {
    load(gDialogTexts);
    load(gStringTexts);
    Tvx_StringArray problems = gDialogTexts.problems;
    problems.append(gStringTexts.problems);
    return problems;
}
