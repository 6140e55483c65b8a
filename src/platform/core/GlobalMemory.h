// A stand-in for the platform's movable global memory blocks, as far as the
// module uses them: blocks that hold one wide text and travel between the grid
// and its callbacks as a handle.
//
// Handles are numbers given out in increasing order and never reused, so a
// handle that was freed, or never given out, is recognised as unknown: reading
// it gives empty text and false, writing or freeing it fails. Nothing crashes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/Tvx_String.h"

using GlobalHandle = std::uint64_t;
constexpr GlobalHandle kNullGlobalHandle = 0;

// Puts text into a block. With handle null a new block is made and handle set
// to it; with a live handle its text is replaced. False when handle is neither
// null nor live, or when no block can be had (see failNthGlobalAlloc); handle
// is then unchanged.
bool setGlobalStr(GlobalHandle& handle, std::wstring_view text);

// Sets text to the block's text. False, with text empty, for a null or unknown
// handle.
bool getGlobalStr(GlobalHandle handle, Tvx_String& text);

// Frees the block. False for a null or unknown handle.
bool freeGlobalHandle(GlobalHandle handle);

// getGlobalStr and freeGlobalHandle in one: the block's text is moved into
// text, without a copy. False, with text empty, for a null or unknown handle.
bool takeGlobalStr(GlobalHandle handle, std::wstring& text);

// Number of blocks not yet freed (for tests that prove nothing leaks).
int liveGlobalHandleCount();

// Fault injection for tests: the nth new block from now on (1 = the next one)
// cannot be had, as when memory runs out. n <= 0 cancels a pending fault.
void failNthGlobalAlloc(int n);
