// VtAutoStandardsData: the general variables that standards evaluations
// receive, as the general-variables dialog edits them: those of the drawing
// and those of the standards. Each group's arrays are paired by index.
//
// A filter is a list of drawing files and folders, relative to the folder
// "Macros\\" under the library folder, separated by ";", naming where the
// variable applies.
#pragma once

#include "platform/core/Tvx_StringArray.h"

class VtAutoStandardsData {
  public:
    virtual ~VtAutoStandardsData() = default;

    // The drawing's variables: names, values and filters.
    Tvx_StringArray dwgGenVars;
    Tvx_StringArray dwgGenValues;
    Tvx_StringArray dwgGenFilters;
    // The standards' variables: names, values, overrides and filters.
    Tvx_StringArray stdGenVars;
    Tvx_StringArray stdGenValues;
    Tvx_StringArray stdGenOverrides;
    Tvx_StringArray stdGenFilters;

    friend bool operator==(const VtAutoStandardsData&, const VtAutoStandardsData&) = default;
};
