// VtSSSettings: the page and print settings of a sheet shown in the
// spreadsheet editor (font, margins, header and footer files, what to print,
// print variables), kept in the sheet's corner-cell tag or in a ".vtd" file of
// the product folder, both through Tvx_SimplePropsList.
//
// Keys, types and defaults:
//
// | Key               | Type       | Default  |
// |-------------------|------------|----------|
// | headerFile        | string     | empty    |
// | footerFile        | string     | empty    |
// | defaultFont       | string     | "Tahoma" |
// | defaultTextHeight | int        | 13       |
// | marginLeft        | int        | 9        |
// | marginRight       | int        | 5        |
// | marginTop         | int        | 5        |
// | marginBottom      | int        | 5        |
// | smartPrint        | int 0/1    | 1        |
// | colors            | int 0/1    | 1        |
// | colHeader         | int 0/1    | 1        |
// | rowHeader         | int 0/1    | 1        |
// | cellSeperators    | int 0/1    | 1        |
// | border            | int 0/1    | 1        |
// | varNames0, 1, ... | string     | (none)   |
// | varValues0, 1, ...| string     | (none)   |
//
// Reading: every key present with its table type overrides its field; a key of
// another type leaves the field at its default. A variable list is read from
// index 0 up to the first missing index or non-string entry, and then the
// longer of the two lists is cut to the length of the shorter.
//
// Writing puts the keys in the order of the table, the variable names, then the
// variable values, and after them every entry of the last read form whose key
// this class does not know, in its order, so that keys added by other versions
// survive a read and write. Keys of the form "varNames"/"varValues" followed by
// digits always belong to the variable lists and are never kept as unknown.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"
#include "platform/ui/WinTypes.h"
#include "sheeteditor/Tvx_SimplePropsList.h"

class TSpread;

class VtSSSettings {
  public:
    VtSSSettings();
    virtual ~VtSSSettings();

    // Every keyed field to its default, the variable lists and the unknown
    // keys emptied. valid and the sheet are left as they are.
    void setDefaults();

    // Defaults, valid set and the sheet remembered, then the text form in the
    // tag of the sheet's corner cell (0, 0) read; an empty tag leaves the
    // defaults. False (nothing read, valid not set) when the sheet has no
    // window.
    bool readFromSheet(const TSpread& sheet);
    // Only when valid: the text form of all keys becomes the corner cell's tag
    // (saved and loaded with the sheet file). False otherwise or when the
    // sheet has no window.
    bool writeToSheet(TSpread& sheet) const;
    // The grid window the settings were last read from; null before.
    HWND sheetWindow() const { return sheetWindow_; }

    // Defaults, valid set, then the file tvxDir + name + ".vtd" read. False
    // when the file cannot be read or holds no complete entry (the fields then
    // stay at their defaults); a file cut short gives what it held before the
    // cut.
    bool load(const Tvx_String& name);
    // Writes all keys to tvxDir + name + ".vtd". False, writing nothing, when
    // not valid or when the file cannot be written.
    bool save(const Tvx_String& name) const;

    // The text form of all keys (see above), and reading one: defaults, then
    // every key present overrides its field. Reading leaves valid unchanged.
    Tvx_String textForm() const;
    void readTextForm(const Tvx_String& text);

    bool isValid() const { return valid_; }

    const Tvx_String& headerFile() const { return headerFile_; }
    void setHeaderFile(const Tvx_String& path) { headerFile_ = path; }
    const Tvx_String& footerFile() const { return footerFile_; }
    void setFooterFile(const Tvx_String& path) { footerFile_ = path; }
    const Tvx_String& fontName() const { return fontName_; }
    void setFontName(const Tvx_String& name) { fontName_ = name; }
    int textHeight() const { return textHeight_; }
    void setTextHeight(int height) { textHeight_ = height; }
    int marginLeft() const { return marginLeft_; }
    void setMarginLeft(int margin) { marginLeft_ = margin; }
    int marginRight() const { return marginRight_; }
    void setMarginRight(int margin) { marginRight_ = margin; }
    int marginTop() const { return marginTop_; }
    void setMarginTop(int margin) { marginTop_ = margin; }
    int marginBottom() const { return marginBottom_; }
    void setMarginBottom(int margin) { marginBottom_ = margin; }
    bool smartPrint() const { return smartPrint_; }
    void setSmartPrint(bool on) { smartPrint_ = on; }
    bool colors() const { return colors_; }
    void setColors(bool on) { colors_ = on; }
    bool colHeader() const { return colHeader_; }
    void setColHeader(bool on) { colHeader_ = on; }
    bool rowHeader() const { return rowHeader_; }
    void setRowHeader(bool on) { rowHeader_ = on; }
    bool cellSeparators() const { return cellSeparators_; }
    void setCellSeparators(bool on) { cellSeparators_ = on; }
    bool border() const { return border_; }
    void setBorder(bool on) { border_ = on; }

    const Tvx_StringArray& varNames() const { return varNames_; }
    const Tvx_StringArray& varValues() const { return varValues_; }
    // Replace the lists, element by element. Lists of unequal length are
    // stored as given; reading them back cuts the longer one.
    void setVarNames(const Tvx_StringArray& names) { varNames_ = names; }
    void setVarValues(const Tvx_StringArray& values) { varValues_ = values; }

  private:
    struct KeyedField;
    static const KeyedField kKeyedFields[];
    Tvx_SimplePropsList toList() const;
    void readList(const Tvx_SimplePropsList& list);
    static Tvx_String filePath(const Tvx_String& name);

    HWND sheetWindow_ = nullptr;
    bool valid_ = false;
    Tvx_String headerFile_;
    Tvx_String footerFile_;
    Tvx_String fontName_;
    int textHeight_ = 0;
    int marginLeft_ = 0;
    int marginRight_ = 0;
    int marginTop_ = 0;
    int marginBottom_ = 0;
    bool smartPrint_ = false;
    bool colors_ = false;
    bool colHeader_ = false;
    bool rowHeader_ = false;
    bool cellSeparators_ = false;
    bool border_ = false;
    Tvx_StringArray varNames_;
    Tvx_StringArray varValues_;
    // Entries of the last read form with keys this class does not know.
    Tvx_SimplePropsList unknownKeys_;
};
