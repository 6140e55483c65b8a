// Tvx_Bill: the list of a bill and its feed to an output.
#include "platform/core/bill/Tvx_Bill.h"

#include "platform/core/bill/Tvx_ListOutputCallback.h"

void Tvx_Bill::addRow(const Tvx_StringArray& values) {
    Entry entry;
    entry.values = values;
    entries_.append(entry);
}

void Tvx_Bill::addSubTotals(const Tvx_StringArray& values, const Tvx_IntArray& summedColumns,
                            bool grandTotal, int rowCount) {
    Entry entry;
    entry.kind = EntryKind::SubTotals;
    entry.values = values;
    entry.summedColumns = summedColumns;
    entry.grandTotal = grandTotal;
    entry.rowCount = rowCount;
    entries_.append(entry);
}

void Tvx_Bill::addSeparation() {
    Entry entry;
    entry.kind = EntryKind::Separation;
    entries_.append(entry);
}

void Tvx_Bill::addNewPage() {
    Entry entry;
    entry.kind = EntryKind::NewPage;
    entries_.append(entry);
}

const Tvx_Bill::Entry* Tvx_Bill::entry(int index) const {
    if (index < 0 || index >= entries_.length())
        return nullptr;
    return &entries_[index];
}

ErrorStatus Tvx_Bill::feedEntry(Tvx_ListOutputCallback& output, const Entry& entry) {
    switch (entry.kind) {
        case EntryKind::Row:
            return output.onAddRow(entry.values);
        case EntryKind::SubTotals:
            return output.onAddSubTotals(entry.values, entry.summedColumns, entry.grandTotal,
                                         entry.rowCount);
        case EntryKind::Separation:
            return output.onAddSeperation();
        case EntryKind::NewPage:
            return output.onNewPage();
    }
    return eInvalidInput;
}

ErrorStatus Tvx_Bill::feed(Tvx_ListOutputCallback& output) {
    ErrorStatus status = output.onStartFeed();
    if (status != eOk)
        return status;
    for (int i = 0; i < entries_.length(); ++i) {
        currentEntry_ = i;
        status = feedEntry(output, entries_[i]);
        if (status != eOk) {
            currentEntry_ = -1;
            return status;
        }
    }
    currentEntry_ = -1;
    return output.onEndFeed();
}
