// The base of every object kept in a drawing database (the core's macros
// derive from it). An object is created by its owner, handed to a database
// (AcDbDatabase::addAcDbObject), and from then on reached by its id through a
// transaction, which opens it for read or for write.
//
// A derived class:
// - implements clone() (a copy of itself; a transaction keeps one to undo an
//   abort), typically `return std::make_unique<Derived>(*this);`;
// - calls assertReadEnabled() in its getters and assertWriteEnabled() in its
//   setters, which catch the programmer mistake of touching an object that is
//   not open for that purpose.
// An object not (yet) in a database is open for read and write.
#pragma once

#include <memory>

#include "platform/core/ErrorStatus.h"
#include "platform/host/AcDbObjectId.h"

namespace AcDb {

enum OpenMode {
    kForRead = 0,
    kForWrite = 1,
    kForNotify = 2,  // treated as kForRead
};

}  // namespace AcDb

class AcDbObject {
  public:
    virtual ~AcDbObject();

    // A copy of the object with everything a transaction must restore.
    virtual std::unique_ptr<AcDbObject> clone() const = 0;

    AcDbObjectId objectId() const { return id_; }
    AcDbDatabase* database() const { return database_; }
    bool isErased() const { return erased_; }
    bool isReadEnabled() const;
    bool isWriteEnabled() const;

    // Erases (erasing true) or restores (false) the object. eInvalidInput when
    // the object is not in a database, not open for write, or already in the
    // state asked for.
    ErrorStatus erase(bool erasing = true);
    // Opens an object that is open for read in the top transaction for write.
    // eInvalidInput when it is not open at all or not in a database; eOk when it
    // is already open for write.
    ErrorStatus upgradeOpen();

  protected:
    AcDbObject() = default;
    // Copies the object's state for clone(); the copy belongs to no database.
    AcDbObject(const AcDbObject&) {}
    AcDbObject& operator=(const AcDbObject&) = delete;

    void assertReadEnabled() const;
    void assertWriteEnabled() const;

  private:
    friend class AcDbDatabase;
    friend class AcTransactionManager;

    enum class OpenState { Closed, ForRead, ForWrite };

    AcDbDatabase* database_ = nullptr;
    AcDbObjectId id_;
    bool erased_ = false;
    OpenState openState_ = OpenState::Closed;
};
