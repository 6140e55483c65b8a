// Standard sizes and the choice of one within tolerances, behind the functions
// STDSIZEWITHTOLERANCE, STDTHICKNESSWITHTOLERANCE and STDWIDTHWITHTOLERANCE.
//
// A standard-size file lists one size per line, either a single number or a
// width and a thickness separated by "x". Block comments "/* ... */" and "//"
// comments are removed; lines that are then empty or blank are skipped:
//
//     /* flat bars */
//     100x8
//     120x10     // rolled on request
//     15
//
// The choice: from the candidates, the nearest one above the target and the
// nearest one at or below it are tried, the nearer side first (below first on
// a tie); a side is accepted when its distance is within that side's tolerance
// and the value within the window [target - down, target + up]. When neither
// is accepted, the target is rounded to the step (roundedFallback).
#pragma once

#include <memory>

#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_String.h"

struct StandardSize {
    double first = 0;   // the single number, or the part before "x"
    double second = 0;  // the part after "x"; 0 for a single number
};

using StandardSizes = Tvx_Array<StandardSize>;

// The sizes of a standard-size file in file order. Numbers are read with the
// atof rule (leading number, 0 when none). Null when the file cannot be read.
// A file is parsed once for as long as it is unchanged on disk, and read once
// per evaluation (DataFileCache.h).
std::shared_ptr<const StandardSizes> readStandardSizes(const Tvx_String& path);

enum class StandardSizeKind {
    Size,       // every first number, in file order
    Thickness,  // every second number, in file order (single numbers give 0)
    Width,      // the first numbers of the sizes whose second number is 0 or
                // equals the thickness asked for, ascending
};

Tvx_DoubleArray standardSizeCandidates(StandardSizeKind kind, const StandardSizes& sizes,
                                       double thickness);

// Picks the candidate for target within tolerances down and up (the rule
// above); false when no candidate is accepted.
bool pickStandardValue(const Tvx_DoubleArray& candidates, double target, double down, double up,
                       double& value);

// The target rounded to a multiple of step within the window: the target is
// first clamped into [target - down, target + up]; then the multiple above it
// (ObjectExportRoundUp with tolerance up) and the one at or below it are
// tried, the nearer to the target first (the lower one on a tie), each
// accepted when within its tolerance and the window; when neither is, the
// clamped target itself.
double roundedFallback(double target, double step, double up, double down);

// pickStandardValue over the candidates, else roundedFallback.
double standardValueWithTolerance(const Tvx_DoubleArray& candidates, double step, double target,
                                  double down, double up);
