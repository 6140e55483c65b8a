// Conversions between the wide text of the module and the bytes of files and
// terminals. Every conversion of the project goes through here.
#pragma once

#include <string>
#include <string_view>

namespace unicode {

// Wide text (one code point per unit) as UTF-8. Units that are not code points
// (surrogates, values above U+10FFFF) become U+FFFD.
std::string toUtf8(std::wstring_view text);

// UTF-8 as wide text. Bytes that are not valid UTF-8 each become U+FFFD; use
// decodeText for file contents, which falls back to Windows-1252 instead.
std::wstring fromUtf8(std::string_view bytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

// The text held by a file's bytes:
// - a UTF-8 byte-order mark is skipped and the rest read as UTF-8;
// - a UTF-16 byte-order mark (FF FE little endian, FE FF big endian) selects
//   UTF-16; a trailing odd byte is dropped, unpaired surrogates become U+FFFD;
// - otherwise valid UTF-8 is read as UTF-8, and anything else as Windows-1252
//   (the encoding of files written by the product on its original platform).
std::wstring decodeText(std::string_view bytes);

// Windows-1252 bytes as wide text (the five undefined bytes map to the C1
// control of the same value, as the platform's own conversion does).
std::wstring fromWindows1252(std::string_view bytes);

}  // namespace unicode
