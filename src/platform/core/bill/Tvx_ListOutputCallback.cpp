// Tvx_ListOutputCallback: the operations an output leaves alone accept the call.
#include "platform/core/bill/Tvx_ListOutputCallback.h"

Tvx_ListOutputCallback::~Tvx_ListOutputCallback() = default;

ErrorStatus Tvx_ListOutputCallback::onStartFeed() {
    return eOk;
}

ErrorStatus Tvx_ListOutputCallback::onEndFeed() {
    return eOk;
}

ErrorStatus Tvx_ListOutputCallback::onNewPage() {
    return eOk;
}

ErrorStatus Tvx_ListOutputCallback::onAddRow(const Tvx_StringArray&) {
    return eOk;
}

ErrorStatus Tvx_ListOutputCallback::onAddSubTotals(const Tvx_StringArray&, const Tvx_IntArray&,
                                                   bool, int) {
    return eOk;
}

ErrorStatus Tvx_ListOutputCallback::onAddSeperation() {
    return eOk;
}
