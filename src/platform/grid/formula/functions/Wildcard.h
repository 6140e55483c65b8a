// Wildcard patterns of SEARCH, MATCH, VLOOKUP and HLOOKUP: "*" any run of
// characters, "?" any one character, "~" makes the next character literal.
// Letters match without regard to case.
#pragma once

#include <string_view>

namespace formula {

// True when the pattern matches the whole text.
bool wildcardMatches(std::wstring_view pattern, std::wstring_view text);

// The position of the first match of the pattern inside text at or after
// `start`, or -1 when there is none.
int wildcardFind(std::wstring_view pattern, std::wstring_view text, int start);

// True when the pattern has any "*", "?" or "~".
bool hasWildcards(std::wstring_view pattern);

}  // namespace formula
