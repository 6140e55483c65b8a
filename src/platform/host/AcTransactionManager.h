// Transactions of a drawing database: objects are opened inside a transaction,
// which may be nested. Ending a transaction keeps its changes (handing what it
// opened to the enclosing one); aborting it puts back every object it opened for
// write, as it was when first opened for write in it, removes the objects added
// in it, and restores the erased state. When the outermost transaction ends or
// aborts, every object is closed.
//
// Pointers obtained in a transaction are valid until the outermost transaction
// ends; after an abort, those to objects the aborted transaction changed are not.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/host/AcDbObject.h"

class AcDbDatabase;
class AcTransactionManager;

class AcTransaction {
  public:
    // Opens the object of id in this transaction, which must be the top one.
    // eInvalidInput (obj null) when it is not the top transaction, when the id is
    // null, of another database or unknown, or when the object is erased and
    // openErased is false.
    ErrorStatus getObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                          bool openErased = false);

  private:
    friend class AcTransactionManager;
    explicit AcTransaction(AcTransactionManager* manager) : manager_(manager) {}

    struct Snapshot {
        std::unique_ptr<AcDbObject> copy;  // null: the object was added in this transaction
        bool erased = false;
    };

    AcTransactionManager* manager_;
    std::map<std::uint64_t, Snapshot> snapshots_;
    std::map<std::uint64_t, AcDb::OpenMode> opened_;
};

class AcTransactionManager {
  public:
    explicit AcTransactionManager(AcDbDatabase* database);
    ~AcTransactionManager();

    AcTransaction* startTransaction();
    // Commit or undo the top transaction; eInvalidInput when none is active.
    ErrorStatus endTransaction();
    ErrorStatus abortTransaction();

    AcTransaction* topTransaction() const;
    int numActiveTransactions() const { return static_cast<int>(stack_.size()); }

    // getObject in the top transaction; eInvalidInput when none is active.
    ErrorStatus getObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                          bool openErased = false);

  private:
    friend class AcTransaction;
    friend class AcDbObject;
    friend class AcDbDatabase;

    ErrorStatus open(AcTransaction* transaction, AcDbObject*& obj, AcDbObjectId id,
                     AcDb::OpenMode mode, bool openErased);
    // Opens an object already open in a transaction for write (upgradeOpen).
    ErrorStatus openForWrite(AcDbObject* object);
    // Records an object added while a transaction is active.
    void adopt(AcDbObject* object);
    void keepSnapshot(AcDbObject* object);
    // Sets every object's open state from what the active transactions opened.
    void refreshOpenStates(const std::vector<std::uint64_t>& handles);

    AcDbDatabase* database_;
    std::vector<std::unique_ptr<AcTransaction>> stack_;
};
