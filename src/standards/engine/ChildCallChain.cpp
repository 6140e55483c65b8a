// The chain of sheets calling children.
#include "standards/engine/ChildCallChain.h"

#include <vector>

#include "platform/core/FileStatus.h"
#include "platform/core/PathMapping.h"

namespace {

std::vector<Tvx_String>& callers() {
    static std::vector<Tvx_String> chain;
    return chain;
}

}  // namespace

bool sameSheetFile(const Tvx_String& a, const Tvx_String& b) {
    if (a.equal(b, false))
        return true;
    // The same file when both exist and are one file-system object.
    const PathStatus first = pathStatus(mapPathText(a));
    const PathStatus second = pathStatus(mapPathText(b));
    return first.kind != PathKind::Missing && second.kind != PathKind::Missing &&
           sameObject(first.stamp, second.stamp);
}

ChildCallScope::ChildCallScope(const Tvx_String& caller, const Tvx_String& child) {
    if (static_cast<int>(callers().size()) >= kMaxChildNesting)
        return;
    for (const Tvx_String& waiting : callers()) {
        if (sameSheetFile(waiting, child))
            return;
    }
    callers().push_back(caller);
    entered_ = true;
}

ChildCallScope::~ChildCallScope() {
    if (entered_)
        callers().pop_back();
}

int childCallDepth() {
    return static_cast<int>(callers().size());
}
