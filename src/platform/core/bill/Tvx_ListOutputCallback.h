// Tvx_ListOutputCallback: where the core hands a list (a bill of materials) row
// by row. An output derives from it and overrides the operations it uses;
// every operation it does not override accepts its call and does nothing.
#pragma once

#include "platform/core/ErrorStatus.h"
#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_StringArray.h"

class Tvx_ListOutputCallback {
  public:
    virtual ~Tvx_ListOutputCallback();

    // The list begins: called once before any row.
    virtual ErrorStatus onStartFeed();
    // The list ends: called once after the last row.
    virtual ErrorStatus onEndFeed();
    // A page break of the list.
    virtual ErrorStatus onNewPage();
    // One row: one text per column, from the first column on.
    virtual ErrorStatus onAddRow(const Tvx_StringArray& values);
    // A row of subtotals: one text per column (empty where nothing is summed);
    // summedColumns lists the 0-based columns that hold sums, grandTotal is set
    // for the totals of the whole list, rowCount is how many rows were summed.
    virtual ErrorStatus onAddSubTotals(const Tvx_StringArray& values,
                                       const Tvx_IntArray& summedColumns, bool grandTotal,
                                       int rowCount);
    // A separation between groups of rows.
    virtual ErrorStatus onAddSeperation();
};
