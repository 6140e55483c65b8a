// Reading child-sheet calls and finding the child's file.
#include "standards/engine/ChildCall.h"

#include "platform/core/ArrayText.h"
#include "platform/core/FileOperations.h"
#include "platform/core/PathText.h"

namespace {

Tvx_String withoutSurroundingQuotes(Tvx_String text) {
    if (text.startsWith(Tvx_String(L"\"")))
        text.removeAt(0, 1);
    if (text.endsWith(Tvx_String(L"\"")))
        text.removeAt(text.length() - 1, 1);
    return text;
}

}  // namespace

bool parseChildCall(const Tvx_String& expression, const Tvx_String& functionName, ChildCall& call) {
    int nameAt = -1;
    int open = -1;
    int close = -1;
    if (functionName.isEmpty() || !expression.findFirstFrom(0, functionName, false, nameAt) ||
        !expression.findFirstFrom(nameAt + functionName.length(), Tvx_String(L"("), true, open) ||
        !expression.findFirstFrom(open + 1, Tvx_String(L")"), true, close))
        return false;
    Tvx_StringArray parts;
    splitStringAtSymbol(expression.getSubStringAt(open + 1, close - open - 1), L',', parts, true);
    if (parts.length() < 2)
        return false;
    call.childName = withoutSurroundingQuotes(parts[0]);
    parts.removeAt(0);
    call.argumentNames = parts;
    return true;
}

Tvx_StringArray childFileCandidates(const Tvx_String& name, const Tvx_String& callerFileName,
                                    const Tvx_String& libDir) {
    const Tvx_String standards = libDir + Tvx_String(L"Connection Standards\\");
    return Tvx_StringArray{
        name,
        getPath(callerFileName) + ensureNoStartBSlash(name),
        standards + name,
        standards + Tvx_String(L"Childs\\") + name,
        standards + Tvx_String(L"Data\\") + name,
        standards + Tvx_String(L"Parents\\") + name,
    };
}

Tvx_String findChildFile(const Tvx_String& name, const Tvx_String& callerFileName,
                         const Tvx_String& libDir) {
    for (const Tvx_String& candidate : childFileCandidates(name, callerFileName, libDir)) {
        if (ObjectExportFileExists(candidate))
            return candidate;
    }
    return name;
}
