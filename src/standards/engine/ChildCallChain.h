// The chain of sheets that are calling children right now, so that nesting
// stays bounded: a call deeper than kMaxChildNesting levels is refused, and so
// is a call of a sheet that is itself still waiting for one of its children
// (a cycle), which would only repeat until the bound. Evaluations run on one
// thread and nest, never interleave, so one process-wide chain serves.
#pragma once

#include "platform/core/Tvx_String.h"

// The deepest child level allowed: the sheet evaluated first is level 0, its
// children level 1, ... a call that would start level 33 is refused.
inline constexpr int kMaxChildNesting = 32;

// True when the two paths name the same file (spelled alike, or leading to the
// same file on disk).
bool sameSheetFile(const Tvx_String& a, const Tvx_String& b);

// While it lives, `caller` is on the chain as calling `child`. entered() is
// false, and nothing is recorded, when the chain is already kMaxChildNesting
// long or when child is a sheet on the chain.
class ChildCallScope {
  public:
    ChildCallScope(const Tvx_String& caller, const Tvx_String& child);
    ~ChildCallScope();
    ChildCallScope(const ChildCallScope&) = delete;
    ChildCallScope& operator=(const ChildCallScope&) = delete;

    bool entered() const { return entered_; }

  private:
    bool entered_ = false;
};

// The number of calls on the chain (0 outside any child call).
int childCallDepth();
