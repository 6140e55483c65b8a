// Nested transactions over a drawing database, with undo on abort.
#include "platform/host/AcTransactionManager.h"

#include <algorithm>

#include "platform/host/AcDbDatabase.h"

ErrorStatus AcTransaction::getObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                                     bool openErased) {
    return manager_->open(this, obj, id, mode, openErased);
}

AcTransactionManager::AcTransactionManager(AcDbDatabase* database) : database_(database) {}

AcTransactionManager::~AcTransactionManager() = default;

AcTransaction* AcTransactionManager::startTransaction() {
    stack_.push_back(std::unique_ptr<AcTransaction>(new AcTransaction(this)));
    return stack_.back().get();
}

AcTransaction* AcTransactionManager::topTransaction() const {
    return stack_.empty() ? nullptr : stack_.back().get();
}

ErrorStatus AcTransactionManager::getObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                                            bool openErased) {
    obj = nullptr;
    if (stack_.empty())
        return eInvalidInput;
    return open(stack_.back().get(), obj, id, mode, openErased);
}

ErrorStatus AcTransactionManager::open(AcTransaction* transaction, AcDbObject*& obj,
                                       AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
    obj = nullptr;
    if (transaction != topTransaction() || id.isNull() || id.database() != database_) {
        return eInvalidInput;
    }
    AcDbObject* object = database_->find(id.handle());
    if (!object || (object->erased_ && !openErased))
        return eInvalidInput;
    // An object already writable may be changed through this opening too, so the
    // transaction keeps a copy to undo it whatever mode is asked for.
    if (mode == AcDb::kForWrite || object->openState_ == AcDbObject::OpenState::ForWrite) {
        keepSnapshot(object);
    }
    auto& opened = transaction->opened_;
    const auto known = opened.find(id.handle());
    if (mode == AcDb::kForWrite) {
        opened[id.handle()] = AcDb::kForWrite;
        object->openState_ = AcDbObject::OpenState::ForWrite;
    } else {
        if (known == opened.end())
            opened[id.handle()] = AcDb::kForRead;
        if (object->openState_ == AcDbObject::OpenState::Closed) {
            object->openState_ = AcDbObject::OpenState::ForRead;
        }
    }
    obj = object;
    return eOk;
}

ErrorStatus AcTransactionManager::openForWrite(AcDbObject* object) {
    if (stack_.empty())
        return eInvalidInput;
    keepSnapshot(object);
    stack_.back()->opened_[object->id_.handle()] = AcDb::kForWrite;
    object->openState_ = AcDbObject::OpenState::ForWrite;
    return eOk;
}

void AcTransactionManager::adopt(AcDbObject* object) {
    AcTransaction& top = *stack_.back();
    top.snapshots_[object->id_.handle()] = AcTransaction::Snapshot{};
    top.opened_[object->id_.handle()] = AcDb::kForWrite;
    object->openState_ = AcDbObject::OpenState::ForWrite;
}

void AcTransactionManager::keepSnapshot(AcDbObject* object) {
    auto& snapshots = stack_.back()->snapshots_;
    const std::uint64_t handle = object->id_.handle();
    if (snapshots.contains(handle))
        return;
    snapshots[handle] = AcTransaction::Snapshot{object->clone(), object->erased_};
}

ErrorStatus AcTransactionManager::endTransaction() {
    if (stack_.empty())
        return eInvalidInput;
    std::unique_ptr<AcTransaction> ended = std::move(stack_.back());
    stack_.pop_back();
    if (stack_.empty()) {
        for (const auto& [handle, mode] : ended->opened_) {
            if (AcDbObject* object = database_->find(handle)) {
                object->openState_ = AcDbObject::OpenState::Closed;
            }
        }
        return eOk;
    }
    // The enclosing transaction takes over what this one opened; where it holds
    // an older copy of an object, that copy is the one an abort must go back to.
    AcTransaction& parent = *stack_.back();
    for (auto& [handle, snapshot] : ended->snapshots_) {
        parent.snapshots_.try_emplace(handle, std::move(snapshot));
    }
    for (const auto& [handle, mode] : ended->opened_) {
        auto [entry, inserted] = parent.opened_.try_emplace(handle, mode);
        if (!inserted && mode == AcDb::kForWrite)
            entry->second = AcDb::kForWrite;
    }
    return eOk;
}

ErrorStatus AcTransactionManager::abortTransaction() {
    if (stack_.empty())
        return eInvalidInput;
    std::unique_ptr<AcTransaction> aborted = std::move(stack_.back());
    stack_.pop_back();
    std::vector<std::uint64_t> touched;
    for (auto& [handle, snapshot] : aborted->snapshots_) {
        touched.push_back(handle);
        if (!snapshot.copy) {
            database_->replace(handle, nullptr);
            continue;
        }
        AcDbObject* current = database_->find(handle);
        std::unique_ptr<AcDbObject> restored = std::move(snapshot.copy);
        restored->database_ = database_;
        restored->id_ = current->id_;
        restored->erased_ = snapshot.erased;
        database_->replace(handle, std::move(restored));
    }
    for (const auto& [handle, mode] : aborted->opened_)
        touched.push_back(handle);
    refreshOpenStates(touched);
    return eOk;
}

void AcTransactionManager::refreshOpenStates(const std::vector<std::uint64_t>& handles) {
    for (const std::uint64_t handle : handles) {
        AcDbObject* object = database_->find(handle);
        if (!object)
            continue;
        auto state = AcDbObject::OpenState::Closed;
        for (const auto& transaction : stack_) {
            const auto found = transaction->opened_.find(handle);
            if (found == transaction->opened_.end())
                continue;
            if (found->second == AcDb::kForWrite) {
                state = AcDbObject::OpenState::ForWrite;
            } else if (state == AcDbObject::OpenState::Closed) {
                state = AcDbObject::OpenState::ForRead;
            }
        }
        object->openState_ = state;
    }
}
