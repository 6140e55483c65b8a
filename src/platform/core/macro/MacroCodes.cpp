// The cut type and offset kind tables of the macro model.
#include "platform/core/macro/MacroCodes.h"

#include <array>
#include <initializer_list>

namespace {

struct CutTypeInfo {
    const wchar_t* name;
    std::initializer_list<int> offsetKinds;
};

const std::array<CutTypeInfo, kCutTypeCount> kCutTypes = {{
    {L"line", {eCutOffset}},
    {L"polyline", {eCutOffset, eCutPolyOffset}},
    {L"length", {eCutLengthOffset}},
    {L"contour", {eCutCenterOffset, eCutInsideOffset, eCutOutsideOffset}},
    {L"chamfer", {eCutChamferOffset1, eCutChamferOffset2}},
    {L"round", {eCutRadius}},
}};

const std::array<const wchar_t*, kCutOffsetKindCount> kOffsetNames = {
    L"offset",        L"polyOffset",     L"lengthOffset",   L"centerOffset", L"insideOffset",
    L"outsideOffset", L"chamferOffset1", L"chamferOffset2", L"radius",
};

}  // namespace

ErrorStatus getCutOffsets(int cutType, Tvx_IntArray& offsetKinds) {
    offsetKinds.removeAll();
    if (cutType < 0 || cutType >= kCutTypeCount)
        return eInvalidInput;
    for (int kind : kCutTypes[static_cast<size_t>(cutType)].offsetKinds)
        offsetKinds.append(kind);
    return eOk;
}

Tvx_String cutTypeName(int cutType) {
    if (cutType < 0 || cutType >= kCutTypeCount)
        return {};
    return kCutTypes[static_cast<size_t>(cutType)].name;
}

Tvx_String cutOffsetName(int offsetKind) {
    if (offsetKind < 0 || offsetKind >= kCutOffsetKindCount)
        return {};
    return kOffsetNames[static_cast<size_t>(offsetKind)];
}

int cutTypeFromName(const Tvx_String& name) {
    for (int i = 0; i < kCutTypeCount; ++i) {
        if (name == Tvx_String(kCutTypes[static_cast<size_t>(i)].name))
            return i;
    }
    return -1;
}

int cutOffsetFromName(const Tvx_String& name) {
    for (int i = 0; i < kCutOffsetKindCount; ++i) {
        if (name == Tvx_String(kOffsetNames[static_cast<size_t>(i)]))
            return i;
    }
    return -1;
}
