// Tvx_SimplePropsList: a small ordered list of typed key/value entries with a
// text form (kept in a sheet cell's tag) and a file form (the ".vtd" settings
// files).
//
// Types: 1 double, 2 int (bools too, as 0 or 1), 3 long, 4 string.
//
// Text form: for each entry in order, the key, "¤" (U+00A4), the type number,
// "¤", the value, "¤". Doubles are written with two decimals, ints and longs in
// decimal, strings as they are:
//
//     marginLeft¤2¤9¤scale¤1¤2.35¤defaultFont¤4¤Tahoma¤
//
// | Field | Meaning                                                        |
// |-------|----------------------------------------------------------------|
// | 1     | the key, exactly as written                                    |
// | 2     | the type number 1 to 4 (its leading whole number)              |
// | 3     | the value: a leading number for types 1 to 3, the text for 4  |
//
// Reading takes the fields up to each "¤"; every third field completes an
// entry, and a trailing piece without "¤" is ignored. An entry whose type
// number is not 1 to 4 is skipped. A number field is read by the atof/atoi
// rule (its leading number, 0 when there is none; so an infinite double,
// written "inf", reads back as 0). A key that appears twice
// keeps its first place and takes the later value, as a second set would.
//
// File form: the same fields, each followed by the byte 0xA4, no line breaks,
// in the Windows-1252 code page (a character the code page lacks is written as
// "?"). On reading, a carriage return before a line feed is dropped, as the
// original platform's text mode does, and the byte 0xA4 ends a field.
//
// A key or string value holding "¤" cannot be stored: its "¤" would split the
// field. Such values are not refused (the formats have no escape); callers
// keep "¤" out of their keys and values.
#pragma once

#include <cstdint>
#include <variant>
#include <vector>

#include "platform/core/Tvx_String.h"

class Tvx_SimplePropsList {
  public:
    enum Type { kDouble = 1, kInt = 2, kLong = 3, kString = 4 };

    int length() const { return static_cast<int>(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }
    void removeAll() { entries_.clear(); }

    // Setting a key that exists replaces its type and value in place; a new
    // key is appended. Any key is accepted, the empty one too.
    void setDouble(const Tvx_String& key, double value);
    void setInt(const Tvx_String& key, int value);
    void setBool(const Tvx_String& key, bool value);
    void setLong(const Tvx_String& key, std::int64_t value);
    void setString(const Tvx_String& key, const Tvx_String& value);

    // Sets every entry of other into this list, in other's order, by the rule
    // above.
    void setAll(const Tvx_SimplePropsList& other);

    // A getter succeeds only when the key exists and holds the asked type
    // (getBool reads an int entry: true when it is not 0). On failure the
    // output becomes 0, false or empty and the result is false.
    bool getDouble(const Tvx_String& key, double& value) const;
    bool getInt(const Tvx_String& key, int& value) const;
    bool getBool(const Tvx_String& key, bool& value) const;
    bool getLong(const Tvx_String& key, std::int64_t& value) const;
    bool getString(const Tvx_String& key, Tvx_String& value) const;

    bool hasKey(const Tvx_String& key) const;
    // Removes the key; false when it is not there.
    bool removeKey(const Tvx_String& key);
    // The key and type of the entry at position i (0-based); false outside.
    bool keyAt(int i, Tvx_String& key, Type& type) const;

    // The text form (see above).
    Tvx_String toText() const;
    // Replaces the list with the entries of a text form. Never fails: what
    // cannot be read is left out.
    void fromText(const Tvx_String& text);

    // Writes the file form, atomically. False when the file cannot be written
    // (an old file then stays as it was).
    bool writeToFile(const Tvx_String& path) const;
    // Replaces the list with the entries of the file form at path. False, with
    // the list empty, when the file cannot be read; a file cut short gives the
    // entries completed before the cut.
    bool readFromFile(const Tvx_String& path);

    friend bool operator==(const Tvx_SimplePropsList&, const Tvx_SimplePropsList&) = default;

  private:
    // The alternatives in the order of the type numbers 1 to 4.
    using Value = std::variant<double, int, std::int64_t, Tvx_String>;
    struct Entry {
        Tvx_String key;
        Value value;
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    void set(const Tvx_String& key, Value value);
    const Entry* find(const Tvx_String& key) const;
    template <typename T>
    bool get(const Tvx_String& key, T& value) const;
    // Adds the entry of three fields read from either form.
    void addFields(const Tvx_String& key, const Tvx_String& type, const Tvx_String& value);

    std::vector<Entry> entries_;
};
