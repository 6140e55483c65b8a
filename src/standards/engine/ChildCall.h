// The text of a child-sheet call inside an equation, and where the child's
// file is looked for.
//
// Call syntax: the function name, "(", the child's file name (optionally in
// double quotes, used as written, extension included), then one or more
// variable names of the calling sheet, all separated by commas, and ")":
//
//     CallChild("Bolt row.vts", Diameter, Rows, Pitch)
//
// Only the text between the first "(" after the name and the first ")" after
// that counts; text around the call and nested parentheses play no part.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"

struct ChildCall {
    Tvx_String childName;           // without its surrounding quotes
    Tvx_StringArray argumentNames;  // blanks around each name removed
};

// Reads the call of functionName (found without regard to letter case) in
// expression. False when the name, the "(" or the ")" is missing, or when the
// parentheses hold fewer than two parts (a child name and one variable).
bool parseChildCall(const Tvx_String& expression, const Tvx_String& functionName, ChildCall& call);

// The places a child named `name` is looked for, in order: the name itself;
// the caller's folder (of callerFileName) + the name without leading
// backslashes; then libDir + "Connection Standards\\", + "Connection
// Standards\\Childs\\", + "Connection Standards\\Data\\" and + "Connection
// Standards\\Parents\\", each followed by the name.
Tvx_StringArray childFileCandidates(const Tvx_String& name, const Tvx_String& callerFileName,
                                    const Tvx_String& libDir);

// The first candidate that is an existing file, else name unchanged.
Tvx_String findChildFile(const Tvx_String& name, const Tvx_String& callerFileName,
                         const Tvx_String& libDir);
