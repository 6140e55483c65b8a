// Tvx_PropertiesList: a keyed list of int, double and text values that is
// read from and written to a text file (the designed-dialog files, among
// others).
//
// The file, one property per line, in the order of the list:
//
//     # any line starting with '#' is a comment; blank lines are ignored
//     int nrOfControls=1
//     int type0=30
//     double topLeftX0=0.2
//     double bottomRightY0=0.47142857142857142
//     string contents0=Plate thickness\tin mm
//     string comboList0=
//
// | Part  | Meaning                                                          |
// |-------|------------------------------------------------------------------|
// | type  | "int", "double" or "string", then one space                      |
// | key   | every character up to the first "=" (kept exactly, blanks too)   |
// | value | everything after that "=" to the end of the line                 |
//
// - int: an optional sign and decimal digits, within the int range.
// - double: the shortest text that reads back as the same double ("0.2",
//   "1e+300", "-0", "inf", "-inf", "nan"), so every value round-trips exactly.
// - string: the text with "\\" written as "\\\\", a line feed as "\\n", a
//   carriage return as "\\r" and a tab as "\\t"; any other "\\" sequence is
//   malformed. So every text, leading and trailing blanks included, round-trips.
// Keys are matched exactly (letter case counts). A key may not be empty and
// may not hold "=", a line feed or a carriage return; the setters refuse such
// keys. When a file names a key twice, the later line wins (as a second set
// would). The file is read in any of the encodings of TextFile.h and written
// as UTF-8.
//
// A malformed line makes reading fail with a message naming the file and the
// line: "design.txt:3: expected \"int\", \"double\" or \"string\" before the key".
#pragma once

#include <variant>
#include <vector>

#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"

class Tvx_PropertiesList {
  public:
    enum class ValueType { Int, Double, String };

    int length() const { return static_cast<int>(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }
    void removeAll() { entries_.clear(); }

    // Set a value under key, replacing any value of any type there (it keeps
    // its place in the list); a new key goes to the end. False, with the list
    // unchanged, when the key is not allowed (see above).
    bool setInt(const Tvx_String& key, int value);
    bool setDouble(const Tvx_String& key, double value);
    bool setString(const Tvx_String& key, const Tvx_String& value);

    // Read the value under key into value. False, with value untouched, when
    // the key is missing or holds another type; getDouble also reads an int.
    bool getInt(const Tvx_String& key, int& value) const;
    bool getDouble(const Tvx_String& key, double& value) const;
    bool getString(const Tvx_String& key, Tvx_String& value) const;

    bool hasKey(const Tvx_String& key) const;
    // Removes the key; false when it is not there.
    bool removeKey(const Tvx_String& key);
    // The key and type at position i (0-based, list order); false outside.
    bool keyAt(int i, Tvx_String& key, ValueType& type) const;

    // Replaces the list with the file's properties. False when the file cannot
    // be read or a line is malformed; the list is then unchanged and, when
    // error is given, it receives the message.
    bool readFromFile(const Tvx_String& path, Tvx_String* error = nullptr);
    // Writes the list to the file (atomically). False when it cannot be
    // written; the old file then stays as it was.
    bool writeToFile(const Tvx_String& path) const;

    // The same, on the text of a file; sourceName names it in messages.
    bool readFromText(const Tvx_String& text, const Tvx_String& sourceName,
                      Tvx_String* error = nullptr);
    Tvx_String toText() const;

    // Equal keys, types and values in the same order. Doubles compare by their
    // bits (0 and -0 differ) except that every not-a-number equals every other,
    // so a list equals its own read-back copy.
    friend bool operator==(const Tvx_PropertiesList& a, const Tvx_PropertiesList& b);

  private:
    struct Entry {
        Tvx_String key;
        std::variant<int, double, Tvx_String> value;
    };
    bool set(const Tvx_String& key, std::variant<int, double, Tvx_String> value);
    bool readFromLines(const Tvx_StringArray& lines, const Tvx_String& sourceName,
                       Tvx_String* error);
    const Entry* find(const Tvx_String& key) const;

    std::vector<Entry> entries_;
};
