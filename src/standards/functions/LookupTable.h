// The tab-separated look-up files of GETCELL and GETPROFCELL.
//
// A look-up file holds one row per line, fields separated by tab characters.
// The first field is the key, the second the value returned; further fields
// are ignored. A "//" comment runs to the end of its line, and lines that are
// then empty are skipped:
//
//     // bolt   edge distance
//     M16<TAB>22
//     M20<TAB>26      // for punched holes use 28
//
// A key made of several parts holds them joined with ";" ("M20;8.8"); a number
// part is written with 6 decimals ("200.000000"), the way numeric arguments
// are turned into key text.
#pragma once

#include "platform/core/Tvx_String.h"
#include "standards/functions/FunctionValues.h"

// The key that arguments from index `first` on make: each number with 6
// decimals, each text as it is, joined with ";"; the first argument that is
// neither (empty, an error, a reference) ends the key.
Tvx_String buildLookupKey(const FunctionArguments& arguments, int first);

// Looks the key up in the file at path (already found): the second field of
// the first row whose first field equals the key, without regard to letter
// case. With bySectionName, each row's first field is first replaced by its
// section name (Tvx_SectionTables::getSystemName) when the section library
// knows it, so that a file may list "HEA 200" and be asked for "HEA-200".
// False when the file cannot be read, holds no rows, lacks the key, or the
// row found has no second field.
bool lookUpCell(const Tvx_String& path, const Tvx_String& key, bool bySectionName,
                Tvx_String& value);
