// Sheet files for the formulas dialog tests: a calling sheet whose trial cell
// (D1) holds a formula, and the tables it looks values up in.
#pragma once

#include <string>

#include "support/TempDir.h"

namespace formulatest {

// A formula as the quoted value of a sheet file's formula attribute.
std::string quotedFormula(const std::string& formula);

// A sheet of 4 columns and 3 rows with A1 "M12" and the formula in D1 (the
// cell a mode-1 dialog computes); more cell lines may follow.
std::string callingSheet(const std::string& formula, const std::string& moreCells = "");

// The table of sizes: header row Size, Weight, Name, Pitch; rows
//   M12  2.5 (2 decimals)  small   1.75
//   M16  2.5 (0 decimals, so read as 2)  medium
//   M20                    first
//   M20                    second
std::string sizeTable();

// The path of a file in the folder as the formulas of the tests write it.
std::string pathIn(const testsupport::TempDir& dir, const std::string& name);

}  // namespace formulatest
