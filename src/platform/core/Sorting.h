// Sorting numbers with their indices, and the order of names.
//
// Names are ordered the way a person orders sizes and file names: runs of
// digits compare as whole numbers ("80x8" before "100x10", "Stock9" before
// "Stock10"), everything else character by character ignoring letter case.
// Names equal under that rule are ordered by fewer leading zeros first, then
// exactly by code point, so the order is total and sorting is repeatable.
#pragma once

#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"

// Negative, zero or positive as a sorts before, with or after b (the rule
// above; zero only for identical texts).
int compareNames(const Tvx_String& a, const Tvx_String& b);

// Sorts the names in the order above.
void sortArray(Tvx_StringArray& names);

// Inserts name into names before the first element that sorts after it (so
// after any equal ones) and returns the position it took. In a sorted list
// that keeps it sorted; the other elements are never moved relative to each
// other.
int ObjectExportAddToSorted(Tvx_StringArray& names, const Tvx_String& name);

// Sorts values ascending, stable (equal values keep their order), not-a-number
// values last. indices travels along: indices[k] ends up beside the value it
// stood beside. When indices does not have as many elements as values, it is
// first set to 0, 1, ..., n - 1, so that afterwards indices[k] is the original
// position of the value now at k.
void ObjectExportSort(Tvx_DoubleArray& values, Tvx_IntArray& indices);
void ObjectExportSort(Tvx_DoubleArray& values);
