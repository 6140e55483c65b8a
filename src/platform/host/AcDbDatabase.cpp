// The drawing database's object store.
#include "platform/host/AcDbDatabase.h"

#include "platform/host/AcTransactionManager.h"

AcDbDatabase::AcDbDatabase() : transactions_(std::make_unique<AcTransactionManager>(this)) {}

AcDbDatabase::~AcDbDatabase() = default;

ErrorStatus AcDbDatabase::addAcDbObject(AcDbObjectId& id, std::unique_ptr<AcDbObject> object) {
    if (!object || object->database_)
        return eInvalidInput;
    const std::uint64_t handle = nextHandle_++;
    AcDbObject* added = object.get();
    added->database_ = this;
    added->id_ = AcDbObjectId(this, handle);
    added->openState_ = AcDbObject::OpenState::Closed;
    objects_[handle] = std::move(object);
    id = added->id_;
    if (transactions_->numActiveTransactions() > 0)
        transactions_->adopt(added);
    return eOk;
}

bool AcDbDatabase::contains(const AcDbObjectId& id) const {
    return id.database() == this && find(id.handle()) != nullptr;
}

AcDbObjectIdArray AcDbDatabase::objectIds(bool includeErased) const {
    AcDbObjectIdArray ids;
    for (const auto& [handle, object] : objects_) {
        if (includeErased || !object->isErased())
            ids.append(object->objectId());
    }
    return ids;
}

AcDbObject* AcDbDatabase::find(std::uint64_t handle) const {
    const auto found = objects_.find(handle);
    return found == objects_.end() ? nullptr : found->second.get();
}

void AcDbDatabase::replace(std::uint64_t handle, std::unique_ptr<AcDbObject> object) {
    if (object) {
        objects_[handle] = std::move(object);
    } else {
        objects_.erase(handle);
    }
}

AcDbDatabase* acdbCurDwg() {
    static AcDbDatabase drawing;
    return &drawing;
}

AcTransactionManager* actrTransactionManager() {
    return acdbCurDwg()->transactionManager();
}
