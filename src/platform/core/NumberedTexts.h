// The numbered interface texts: dialString(N) for dialog texts and string(N)
// for other texts, read from tvxDir + "texts/dialog.txt" and
// tvxDir + "texts/strings.txt".
//
// Each file holds one text per line:
//
//     # comment lines start with '#'; blank lines are ignored
//     1<TAB>OK
//     2<TAB>Cancel
//     1128<TAB>The file exists.\nDo you want to replace it?
//
// the number, one tab, and the text, in which "\n" stands for a line break,
// "\t" for a tab and "\\" for one backslash. A file is read once, when its
// first text is asked for (again when tvxDir has changed since). A number that
// has no text gives "#" and the number ("#1234"), so a missing text shows
// instead of vanishing. Lines that break these rules are skipped and listed by
// numberedTextProblems; when a number appears twice its first text is kept.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"

Tvx_String dialString(int number);
Tvx_String string(int number);

bool hasDialString(int number);
bool hasString(int number);

// What is wrong in the two files, one message per problem naming the file and
// the line ("dialog.txt:7: expected a number and a tab"); a missing file is a
// problem too. Empty when both files are well formed.
Tvx_StringArray numberedTextProblems();
