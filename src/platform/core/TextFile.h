// Text files as lists of lines: the core module's ObjectExportReadFile and
// ObjectExportWriteFile.
//
// Reading decodes the bytes with unicode::decodeText (UTF-8 with or without a
// byte-order mark, UTF-16 with a mark, else Windows-1252) and splits them at
// line feeds; a carriage return just before a line feed is dropped, so LF and
// CRLF files read alike (a lone carriage return stays part of its line). The
// line feed that ends the last line is not a line of its own: "a\nb\n" and
// "a\nb" are both the lines "a", "b"; an empty file has no lines; "a\n\n" is
// "a", "".
//
// Writing puts each line followed by a line feed, in UTF-8 without byte-order
// mark, atomically (FileBytes.h). So every list of lines without line feeds of
// its own reads back as written.
#pragma once

#include <memory>

#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"

// Reads the lines of the file at path into lines (replacing their content).
// False, with lines empty, when the file is missing or cannot be read.
// Files up to 1 MiB are kept as lines while unchanged on disk
// (ParsedFileCache.h), so a file read again is copied, not decoded again.
bool ObjectExportReadFile(const Tvx_String& path, Tvx_StringArray& lines);
// The same lines without a copy: while a kept file is unchanged on disk every
// call gives the same object, so a caller may keep what it derived from them
// for as long as it gets that object again. Null when the file is missing or
// cannot be read.
std::shared_ptr<const Tvx_StringArray> readTextFileLines(const Tvx_String& path);

// Replaces the file at path with lines. False when it cannot be written; the
// old file is then left as it was.
bool ObjectExportWriteFile(const Tvx_String& path, const Tvx_StringArray& lines);

// The lines of a text as ObjectExportReadFile splits a file's.
Tvx_StringArray splitLines(const std::wstring& text);
