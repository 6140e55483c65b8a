// Registering the standards functions with a sheet's grid.
#pragma once

class TSpread;

// Adds the twelve standards functions (StandardsFunctionTable.h) to the
// sheet's grid with flags 0, replacing any of the same names. False when the
// grid refuses one of them (the others are still added).
bool registerStandardsFunctions(TSpread& sheet);
