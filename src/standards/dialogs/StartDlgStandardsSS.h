// The exported evaluation of a standards sheet in a pooled hidden window, and
// the fixed self-test evaluation.
#pragma once

#include "standards/VtDlgStandardsData.h"

// Evaluates data's sheet in a window of the pool gSSDlgsMgr (a child call
// inside an evaluation takes another window): the block is copied into the
// window, evaluated (CDlgSSStandards::evaluate), and on success copied back
// into data. False, with data untouched, when no window can be had or the
// evaluation fails. Shows no message of its own. The data files of the
// standards functions are read once per evaluation (DataFileCache.h).
bool StartDlgStandardsSS(VtDlgStandardsData& data);

// StartDlgStandardsSS in variable-cell mode on "c:\\a\\a\\a\\test.vts" with
// the Inputs Column = "IPE-200" and Thickness = "10" and the Outputs
// Width = "212" and Length = "356".
bool StartDlgStandardsSStest();
