// Pure text work on paths as the module writes them: "\\" (or "/") separators
// and an optional drive prefix such as "c:". Nothing here touches the disk.
//
// The folder part of a path ends at its last separator, or after a drive prefix
// when there is no separator; the file name is what follows. The extension is
// the last "." of the file name and what follows it (a "." in a folder name is
// not an extension).
#pragma once

#include "platform/core/Tvx_String.h"

// The folder part, separator included: "c:\\lib\\a.txt" gives "c:\\lib\\",
// "c:a.txt" gives "c:", a bare name gives "".
Tvx_String getPath(const Tvx_String& path);

// Sets fileName to the file-name part, extension included: "c:\\lib\\a.txt"
// gives "a.txt"; a path ending in a separator gives "".
void getFileName(const Tvx_String& path, Tvx_String& fileName);

// The path without the extension of its file name ("a\\b.c.txt" gives
// "a\\b.c"); unchanged when the file name has no ".".
Tvx_String removeExtension(const Tvx_String& path);

// The path with the extension of its file name replaced by extension (given
// with or without its leading "."); a file name without extension gets one.
// An empty extension removes the extension and its ".".
// "Std.vts" with "map" gives "Std.map"; "Std" with ".map" gives "Std.map".
Tvx_String changeExtension(const Tvx_String& path, const Tvx_String& extension);

// The text without the separators ("\\" or "/") it starts with, so that it can
// be appended to a folder that ends in one: "\\\\sub\\a.vts" gives "sub\\a.vts".
Tvx_String ensureNoStartBSlash(const Tvx_String& text);

// True when the text holds a character that no file name may hold: one of
// \ / : * ? " < > | or a control character (below U+0020). An empty text has
// none (whether an empty name is acceptable is the caller's decision).
bool hasInvalidFileNameChars(const Tvx_String& text);
