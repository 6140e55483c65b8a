// Open-state checks, erasing and upgrading of database objects.
#include "platform/host/AcDbObject.h"

#include <cassert>

#include "platform/host/AcDbDatabase.h"
#include "platform/host/AcTransactionManager.h"

AcDbObject::~AcDbObject() = default;

bool AcDbObject::isReadEnabled() const {
    return database_ == nullptr || openState_ != OpenState::Closed;
}

bool AcDbObject::isWriteEnabled() const {
    return database_ == nullptr || openState_ == OpenState::ForWrite;
}

ErrorStatus AcDbObject::erase(bool erasing) {
    if (!database_ || !isWriteEnabled() || erased_ == erasing)
        return eInvalidInput;
    erased_ = erasing;
    return eOk;
}

ErrorStatus AcDbObject::upgradeOpen() {
    if (!database_ || openState_ == OpenState::Closed)
        return eInvalidInput;
    if (openState_ == OpenState::ForWrite)
        return eOk;
    return database_->transactionManager()->openForWrite(this);
}

void AcDbObject::assertReadEnabled() const {
    assert(isReadEnabled() && "database object read while it is not open");
}

void AcDbObject::assertWriteEnabled() const {
    assert(isWriteEnabled() && "database object changed while it is not open for write");
}
