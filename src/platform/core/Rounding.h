// Rounding to multiples of a step.
//
// Both functions work on the quotient value / step. A quotient within a
// relative 1e-9 of a whole number or of a half counts as exactly that, so that
// the binary noise of decimal steps does not decide (0.35 to a step of 0.1 is
// 0.4, not 0.3, and 10.0000000001 rounded up to a step of 1 stays 10). The
// result is the whole multiple times the step, so 3 steps of 0.1 give
// 0.30000000000000004, like any such product.
#pragma once

// The multiple of step nearest to value; halves are rounded away from zero
// (2.5 to a step of 1 is 3, -2.5 is -3). A step of 0, a negative step, or a
// value or step that is not a finite number gives value unchanged.
double ObjectExportRoundTo(double value, double step);

// The smallest multiple of step that is not below value (value itself when it
// is a multiple). When that multiple lies more than upTolerance above value
// (a negative tolerance counts as 0), no admissible rounding exists and value
// is returned unchanged. A step of 0, a negative step, or a value or step that
// is not a finite number gives value unchanged.
double ObjectExportRoundUp(double value, double step, double upTolerance);
