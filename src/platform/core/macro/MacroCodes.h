// The codes of the macro model: module kinds, bolt pattern kinds, cut types and
// the offset kinds of cuts, with the offset kinds each cut type has.
#pragma once

#include "platform/core/ErrorStatus.h"
#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_String.h"

// Module kinds. Any other kind code is a plain module.
constexpr int kBoltModuleKind = 232;
constexpr int kProfileModuleKind = 233;

// Bolt pattern kinds: a pattern of kind 282 has bolts in two directions; every
// other kind code is a single row of bolts (direction 1 only). New patterns
// without a kind get kOneDirectionPatternKind.
constexpr int kTwoDirectionPatternKind = 282;
constexpr int kOneDirectionPatternKind = 281;

// The offsets a cut can carry.
enum VtCutOffsetType {
    eCutOffset = 0,
    eCutPolyOffset = 1,
    eCutLengthOffset = 2,
    eCutCenterOffset = 3,
    eCutInsideOffset = 4,
    eCutOutsideOffset = 5,
    eCutChamferOffset1 = 6,
    eCutChamferOffset2 = 7,
    eCutRadius = 8,
};
constexpr int kCutOffsetKindCount = 9;

// The kinds of cuts. Each has a fixed list of offset kinds (getCutOffsets):
//   line      eCutOffset
//   polyline  eCutOffset, eCutPolyOffset
//   length    eCutLengthOffset
//   contour   eCutCenterOffset, eCutInsideOffset, eCutOutsideOffset
//   chamfer   eCutChamferOffset1, eCutChamferOffset2
//   round     eCutRadius
enum VtCutType {
    eLineCut = 0,
    ePolylineCut = 1,
    eLengthCut = 2,
    eContourCut = 3,
    eChamferCut = 4,
    eRoundCut = 5,
};
constexpr int kCutTypeCount = 6;

// The offset kinds of a cut type, in the order of the table above. A code that
// is no cut type gives no kinds and eInvalidInput; otherwise eOk.
ErrorStatus getCutOffsets(int cutType, Tvx_IntArray& offsetKinds);

// The names the macro file uses for cut types ("line", "polyline", "length",
// "contour", "chamfer", "round") and offset kinds ("offset", "polyOffset",
// "lengthOffset", "centerOffset", "insideOffset", "outsideOffset",
// "chamferOffset1", "chamferOffset2", "radius"). Unknown codes give "".
Tvx_String cutTypeName(int cutType);
Tvx_String cutOffsetName(int offsetKind);
// The code of a name (exact spelling), or -1.
int cutTypeFromName(const Tvx_String& name);
int cutOffsetFromName(const Tvx_String& name);
