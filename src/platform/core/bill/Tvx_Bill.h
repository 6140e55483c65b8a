// Tvx_Bill: a bill of materials as the core produces it, an ordered list of
// rows, subtotal rows, separations and page breaks, and the feed that hands
// them to an output callback.
#pragma once

#include "platform/core/ErrorStatus.h"
#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_StringArray.h"

class Tvx_ListOutputCallback;

class Tvx_Bill {
  public:
    enum class EntryKind { Row, SubTotals, Separation, NewPage };

    struct Entry {
        EntryKind kind = EntryKind::Row;
        Tvx_StringArray values;
        // Subtotals only: what Tvx_ListOutputCallback::onAddSubTotals receives.
        Tvx_IntArray summedColumns;
        bool grandTotal = false;
        int rowCount = 0;
    };

    void addRow(const Tvx_StringArray& values);
    void addSubTotals(const Tvx_StringArray& values, const Tvx_IntArray& summedColumns,
                      bool grandTotal, int rowCount);
    void addSeparation();
    void addNewPage();

    int entryCount() const { return entries_.length(); }
    // The entry at index; null outside 0..entryCount() - 1.
    const Entry* entry(int index) const;

    // During feed: the index of the entry being handed to the output (so that
    // the picture maker knows which row to picture); -1 outside a feed.
    int currentEntry() const { return currentEntry_; }

    // Hands the list to output: onStartFeed, one call per entry in order,
    // onEndFeed. Stops at the first call that does not return eOk and returns
    // its status (onEndFeed is then not called); eOk when every call succeeded.
    ErrorStatus feed(Tvx_ListOutputCallback& output);

  private:
    ErrorStatus feedEntry(Tvx_ListOutputCallback& output, const Entry& entry);

    Tvx_Array<Entry> entries_;
    int currentEntry_ = -1;
};
