// A drawing database: owns its objects (erased ones too, until the database
// goes) and hands out their ids; its transaction manager opens them.
#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "platform/host/AcDbObject.h"

class AcTransactionManager;

class AcDbDatabase {
  public:
    AcDbDatabase();
    ~AcDbDatabase();
    AcDbDatabase(const AcDbDatabase&) = delete;
    AcDbDatabase& operator=(const AcDbDatabase&) = delete;

    // Takes the object into the database and sets id. Inside a transaction the
    // object joins the top transaction open for write, and an abort of that
    // transaction removes it again; outside one it is left closed.
    // eInvalidInput (id untouched) for a null object or one already in a database.
    ErrorStatus addAcDbObject(AcDbObjectId& id, std::unique_ptr<AcDbObject> object);

    AcTransactionManager* transactionManager() { return transactions_.get(); }

    // True when id names an object of this database (erased or not).
    bool contains(const AcDbObjectId& id) const;
    // The ids of the objects, in the order they were added.
    AcDbObjectIdArray objectIds(bool includeErased = false) const;

  private:
    friend class AcTransactionManager;

    // The object of a handle of this database; null when there is none.
    AcDbObject* find(std::uint64_t handle) const;
    // Replaces the stored object of a handle (the transaction manager's undo);
    // removes the entry when object is null.
    void replace(std::uint64_t handle, std::unique_ptr<AcDbObject> object);

    std::map<std::uint64_t, std::unique_ptr<AcDbObject>> objects_;
    std::uint64_t nextHandle_ = 1;
    std::unique_ptr<AcTransactionManager> transactions_;
};

// The host's working drawing and its transaction manager.
AcDbDatabase* acdbCurDwg();
AcTransactionManager* actrTransactionManager();
