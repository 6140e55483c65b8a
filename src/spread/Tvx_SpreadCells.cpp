// Tvx_Spread: cell texts and values, and whole columns and rows to and from
// the core's arrays.
#include <string>

#include "platform/core/NumberText.h"
#include "spread/SpreadFunctions.h"
#include "spread/Tvx_Spread.h"

namespace {

Tvx_String boolText(bool value) {
    return Tvx_String(value ? L"1" : L"0");
}

// The value texts of the cells a transfer reads, turned into array entries.
int intOf(const Tvx_String& text) {
    return numtext::parseLeadingInt(text.str());
}
double doubleOf(const Tvx_String& text) {
    return numtext::parseLeadingDouble(text.str());
}
bool boolOf(const Tvx_String& text) {
    return text.str() == L"1";
}

}  // namespace

bool Tvx_Spread::getCellText(int column, int row, Tvx_String& text, int kind) const {
    text.clear();
    return created_ && spread::getCellText(*this, column, row, text, kind);
}

bool Tvx_Spread::setCellText(int column, int row, const Tvx_String& text) {
    return created_ && SetData(column, row, text);
}

bool Tvx_Spread::setCellValueText(int column, int row, const Tvx_String& text) {
    return created_ && SetValue(column, row, text);
}

bool Tvx_Spread::setCellInt(int column, int row, int value) {
    return setCellText(column, row, Tvx_String(value));
}

bool Tvx_Spread::setCellDouble(int column, int row, double value) {
    return setCellText(column, row, Tvx_String(value, 2));
}

bool Tvx_Spread::setCellBool(int column, int row, bool value) {
    return setCellText(column, row, boolText(value));
}

bool Tvx_Spread::getCellInt(int column, int row, int& value) const {
    Tvx_String text;
    const bool ok = getCellText(column, row, text, kValueText);
    value = intOf(text);
    return ok;
}

bool Tvx_Spread::getCellDouble(int column, int row, double& value) const {
    Tvx_String text;
    const bool ok = getCellText(column, row, text, kValueText);
    value = doubleOf(text);
    return ok;
}

bool Tvx_Spread::getCellBool(int column, int row, bool& value) const {
    Tvx_String text;
    const bool ok = getCellText(column, row, text, kValueText);
    value = boolOf(text);
    return ok;
}

int Tvx_Spread::getCellType(int column, int row) const {
    return created_ ? GetCellType(column, row) : -1;
}

// --- Transfers ---

template <typename Array, typename ToText>
int Tvx_Spread::writeLine(bool isRow, int line, const Array& values, ToText toText) {
    const int lineCount = isRow ? getMaxRows() : getMaxCols();
    if (!created_ || line < 1 || line > lineCount)
        return -1;
    const int cellCount = isRow ? getMaxCols() : getMaxRows();
    // Through the underlying vector: a bool array's elements are not objects.
    const auto& items = values.items();
    int written = 0;
    for (int i = 0; i < values.length() && i < cellCount; ++i) {
        const int column = isRow ? i + 1 : line;
        const int row = isRow ? line : i + 1;
        if (setCellText(column, row, toText(items[static_cast<size_t>(i)])))
            ++written;
    }
    return written;
}

template <typename Array, typename FromText>
bool Tvx_Spread::readLine(bool isRow, int line, int kind, Array& values, FromText fromText) const {
    values.removeAll();
    const int lineCount = isRow ? getMaxRows() : getMaxCols();
    if (!created_ || line < 1 || line > lineCount)
        return false;
    const int cellCount = isRow ? getMaxCols() : getMaxRows();
    Tvx_String text;
    for (int i = 1; i <= cellCount; ++i) {
        getCellText(isRow ? i : line, isRow ? line : i, text, kind);
        values.append(fromText(text));
    }
    return true;
}

namespace {
const auto kSameText = [](const Tvx_String& text) { return text; };
const auto kIntText = [](int value) { return Tvx_String(value); };
const auto kDoubleText = [](double value) { return Tvx_String(value, 2); };
}  // namespace

int Tvx_Spread::setColumn(int column, const Tvx_StringArray& values) {
    return writeLine(false, column, values, kSameText);
}
int Tvx_Spread::setColumn(int column, const Tvx_IntArray& values) {
    return writeLine(false, column, values, kIntText);
}
int Tvx_Spread::setColumn(int column, const Tvx_DoubleArray& values) {
    return writeLine(false, column, values, kDoubleText);
}
int Tvx_Spread::setColumn(int column, const Tvx_BoolArray& values) {
    return writeLine(false, column, values, boolText);
}
int Tvx_Spread::setRow(int row, const Tvx_StringArray& values) {
    return writeLine(true, row, values, kSameText);
}
int Tvx_Spread::setRow(int row, const Tvx_IntArray& values) {
    return writeLine(true, row, values, kIntText);
}
int Tvx_Spread::setRow(int row, const Tvx_DoubleArray& values) {
    return writeLine(true, row, values, kDoubleText);
}
int Tvx_Spread::setRow(int row, const Tvx_BoolArray& values) {
    return writeLine(true, row, values, boolText);
}

bool Tvx_Spread::getColumn(int column, Tvx_StringArray& values) const {
    return readLine(false, column, kDisplayText, values, kSameText);
}
bool Tvx_Spread::getColumn(int column, Tvx_IntArray& values) const {
    return readLine(false, column, kValueText, values, intOf);
}
bool Tvx_Spread::getColumn(int column, Tvx_DoubleArray& values) const {
    return readLine(false, column, kValueText, values, doubleOf);
}
bool Tvx_Spread::getColumn(int column, Tvx_BoolArray& values) const {
    return readLine(false, column, kValueText, values, boolOf);
}
bool Tvx_Spread::getRow(int row, Tvx_StringArray& values) const {
    return readLine(true, row, kDisplayText, values, kSameText);
}
bool Tvx_Spread::getRow(int row, Tvx_IntArray& values) const {
    return readLine(true, row, kValueText, values, intOf);
}
bool Tvx_Spread::getRow(int row, Tvx_DoubleArray& values) const {
    return readLine(true, row, kValueText, values, doubleOf);
}
bool Tvx_Spread::getRow(int row, Tvx_BoolArray& values) const {
    return readLine(true, row, kValueText, values, boolOf);
}

bool Tvx_Spread::getAllRows(Tvx_StringArrArr& rows) const {
    rows.removeAll();
    if (!created_)
        return false;
    const int rowCount = getMaxRows();
    for (int row = 1; row <= rowCount; ++row) {
        Tvx_StringArray values;
        getRow(row, values);
        rows.append(values);
    }
    return true;
}
