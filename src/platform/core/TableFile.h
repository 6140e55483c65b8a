// Table files: lines of cells separated by tab characters (the section value
// tables, ".pr"). The core module's readFile and writeFile.
//
// The format, on top of the text files of TextFile.h:
//
//     1<TAB>
//     SysName<TAB>I/O<TAB>English
//     100<TAB>1<TAB>HEA 100
//
// is the rows ["1", ""], ["SysName", "I/O", "English"], ["100", "1", "HEA 100"].
// - Each line is one row; its cells are the texts between tab characters, so
//   a line with n tabs has n + 1 cells and a trailing tab gives a last empty
//   cell. An empty line is a row without cells (and a row without cells is
//   written as an empty line; a row of one empty cell therefore reads back as
//   a row without cells).
// - A tab or line break inside a cell cannot be stored; writeFile writes a
//   blank in its place so that the rows and columns of the file stay intact.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"

// Reads the table at path: name becomes the file's name without folder and
// extension ("c:\\lib\\prof\\HEA.pr" gives "HEA"), rows one array of cells per
// line. False, with name and rows empty, when the file is missing or cannot be
// read.
bool readFile(const Tvx_String& path, Tvx_String& name, Tvx_StringArrArr& rows);

// Replaces the file at path with rows. False when it cannot be written; the
// old file is then left as it was.
bool writeFile(const Tvx_String& path, const Tvx_StringArrArr& rows);
