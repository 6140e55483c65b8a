// printf-style formatting of wide text with the conventions of the host's wide
// printf family, used by the command line (acutPrintf).
//
// Directives: %[flags][width][.precision][length]conversion
// - flags "-+ #0", width and precision as numbers or '*' (taken from the
//   arguments as int; a negative '*' width means left-justified, a negative '*'
//   precision is ignored);
// - length modifiers hh, h, l, ll, j, z, t, L and I64;
// - d i u o x X: integers of the size the length modifier names (int without one);
// - f F e E g G a A: double (long double with L), always with '.' as the
//   decimal point whatever the process locale says;
// - s: wide text (const wchar_t*), as the host's wide printf reads it; ls is the
//   same; hs and S: narrow UTF-8 text (const char*); a null pointer prints "(null)";
// - c: one wide character (wint_t); hc and C: one narrow character;
// - p: a pointer in hexadecimal; %%: a percent sign.
// Bad input: %n writes nothing and consumes no argument (it is never honoured);
// an unknown conversion or a directive cut off by the end of the format is
// copied to the output as it stands; a null format gives empty text. As with any
// printf, arguments that do not match their directives are undefined behaviour.
#pragma once

#include <cstdarg>
#include <string>

namespace host {

std::wstring formatWide(const wchar_t* format, va_list args);

// The variadic form of formatWide.
std::wstring formatWideText(const wchar_t* format, ...);

}  // namespace host
