// The drawing database: ids, transactions that end or abort, erasing.
#include <gtest/gtest.h>

#include "platform/host/AcDbDatabase.h"
#include "platform/host/AcTransactionManager.h"

namespace {

// A database object with one value, the way the core's objects are written.
class CounterObject : public AcDbObject {
  public:
    explicit CounterObject(int value = 0) : value_(value) {}
    std::unique_ptr<AcDbObject> clone() const override {
        return std::make_unique<CounterObject>(*this);
    }
    int value() const {
        assertReadEnabled();
        return value_;
    }
    void setValue(int value) {
        assertWriteEnabled();
        value_ = value;
    }

  private:
    int value_;
};

class DatabaseTest : public testing::Test {
  protected:
    AcDbObjectId add(int value) {
        AcDbObjectId id;
        EXPECT_EQ(db.addAcDbObject(id, std::make_unique<CounterObject>(value)), eOk);
        return id;
    }
    CounterObject* open(AcDbObjectId id, AcDb::OpenMode mode, bool openErased = false) {
        AcDbObject* object = nullptr;
        if (tm()->getObject(object, id, mode, openErased) != eOk)
            return nullptr;
        return dynamic_cast<CounterObject*>(object);
    }
    // The value as a fresh transaction reads it.
    int committedValue(AcDbObjectId id) {
        tm()->startTransaction();
        CounterObject* object = open(id, AcDb::kForRead, true);
        const int value = object ? object->value() : -1;
        tm()->endTransaction();
        return value;
    }
    AcTransactionManager* tm() { return db.transactionManager(); }

    AcDbDatabase db;
};

TEST_F(DatabaseTest, IdsAreDistinctAndNameTheirDatabase) {
    const AcDbObjectId a = add(1);
    const AcDbObjectId b = add(2);
    EXPECT_FALSE(a.isNull());
    EXPECT_NE(a, b);
    EXPECT_EQ(a.database(), &db);
    EXPECT_TRUE(db.contains(b));
    EXPECT_FALSE(db.contains(AcDbObjectId::kNull));
    EXPECT_EQ(db.objectIds(), (AcDbObjectIdArray{a, b}));

    AcDbDatabase other;
    EXPECT_FALSE(other.contains(a));
    other.transactionManager()->startTransaction();
    AcDbObject* object = nullptr;
    EXPECT_EQ(other.transactionManager()->getObject(object, a, AcDb::kForRead), eInvalidInput);
    EXPECT_EQ(object, nullptr);
    other.transactionManager()->endTransaction();
}

TEST_F(DatabaseTest, AddingRefusesNullAndResidentObjects) {
    AcDbObjectId id;
    EXPECT_EQ(db.addAcDbObject(id, nullptr), eInvalidInput);
    EXPECT_TRUE(id.isNull());
    const AcDbObjectId a = add(5);
    tm()->startTransaction();
    CounterObject* resident = open(a, AcDb::kForRead);
    ASSERT_NE(resident, nullptr);
    // A copy belongs to no database and can be added as a new object.
    EXPECT_EQ(db.addAcDbObject(id, resident->clone()), eOk);
    EXPECT_NE(id, a);
    tm()->endTransaction();
    EXPECT_EQ(committedValue(id), 5);
}

TEST_F(DatabaseTest, ObjectsOpenOnlyInsideATransactionAndCloseAtItsEnd) {
    const AcDbObjectId a = add(1);
    EXPECT_EQ(open(a, AcDb::kForRead), nullptr) << "no transaction";
    tm()->startTransaction();
    CounterObject* object = open(a, AcDb::kForRead);
    ASSERT_NE(object, nullptr);
    EXPECT_TRUE(object->isReadEnabled());
    EXPECT_FALSE(object->isWriteEnabled());
    EXPECT_EQ(object->upgradeOpen(), eOk);
    EXPECT_TRUE(object->isWriteEnabled());
    object->setValue(7);
    EXPECT_EQ(tm()->endTransaction(), eOk);
    EXPECT_FALSE(object->isReadEnabled());
    EXPECT_EQ(object->upgradeOpen(), eInvalidInput);
    EXPECT_EQ(committedValue(a), 7);
    EXPECT_EQ(tm()->endTransaction(), eInvalidInput);
    EXPECT_EQ(tm()->abortTransaction(), eInvalidInput);
}

TEST_F(DatabaseTest, AbortPutsBackChangesErasuresAndAdditions) {
    const AcDbObjectId a = add(1);
    const AcDbObjectId b = add(2);
    tm()->startTransaction();
    open(a, AcDb::kForWrite)->setValue(10);
    ASSERT_EQ(open(b, AcDb::kForWrite)->erase(), eOk);
    const AcDbObjectId c = add(3);
    EXPECT_EQ(open(c, AcDb::kForRead)->value(), 3);
    EXPECT_EQ(tm()->abortTransaction(), eOk);

    EXPECT_EQ(committedValue(a), 1);
    EXPECT_EQ(db.objectIds(), (AcDbObjectIdArray{a, b}));
    EXPECT_FALSE(db.contains(c));
    EXPECT_EQ(committedValue(c), -1);
}

TEST_F(DatabaseTest, NestedAbortUndoesOnlyTheInnerTransaction) {
    const AcDbObjectId a = add(1);
    tm()->startTransaction();
    open(a, AcDb::kForWrite)->setValue(2);
    tm()->startTransaction();
    EXPECT_EQ(tm()->numActiveTransactions(), 2);
    open(a, AcDb::kForRead)->setValue(3);  // still writable from the outer opening
    tm()->abortTransaction();
    EXPECT_EQ(open(a, AcDb::kForRead)->value(), 2);
    EXPECT_TRUE(open(a, AcDb::kForRead)->isWriteEnabled());
    tm()->endTransaction();
    EXPECT_EQ(committedValue(a), 2);
}

TEST_F(DatabaseTest, AnOuterAbortUndoesWhatEndedInnerTransactionsDid) {
    const AcDbObjectId a = add(1);
    tm()->startTransaction();
    tm()->startTransaction();
    open(a, AcDb::kForWrite)->setValue(5);
    const AcDbObjectId added = add(9);
    tm()->endTransaction();
    EXPECT_EQ(open(a, AcDb::kForRead)->value(), 5);
    tm()->abortTransaction();
    EXPECT_EQ(committedValue(a), 1);
    EXPECT_FALSE(db.contains(added));
}

TEST_F(DatabaseTest, ErasedObjectsOpenOnlyWhenAskedFor) {
    const AcDbObjectId a = add(4);
    tm()->startTransaction();
    CounterObject* object = open(a, AcDb::kForRead);
    EXPECT_EQ(object->erase(), eInvalidInput) << "open for read only";
    ASSERT_EQ(object->upgradeOpen(), eOk);
    EXPECT_EQ(object->erase(), eOk);
    EXPECT_EQ(object->erase(), eInvalidInput) << "already erased";
    tm()->endTransaction();

    EXPECT_TRUE(db.objectIds().isEmpty());
    EXPECT_EQ(db.objectIds(true), (AcDbObjectIdArray{a}));
    tm()->startTransaction();
    EXPECT_EQ(open(a, AcDb::kForWrite), nullptr);
    CounterObject* erased = open(a, AcDb::kForWrite, true);
    ASSERT_NE(erased, nullptr);
    EXPECT_TRUE(erased->isErased());
    EXPECT_EQ(erased->erase(false), eOk);
    tm()->endTransaction();
    EXPECT_EQ(db.objectIds(), (AcDbObjectIdArray{a}));
}

TEST_F(DatabaseTest, OnlyTheTopTransactionOpensObjects) {
    const AcDbObjectId a = add(1);
    AcTransaction* outer = tm()->startTransaction();
    AcTransaction* inner = tm()->startTransaction();
    EXPECT_EQ(tm()->topTransaction(), inner);
    AcDbObject* object = nullptr;
    EXPECT_EQ(outer->getObject(object, a, AcDb::kForRead), eInvalidInput);
    EXPECT_EQ(inner->getObject(object, a, AcDb::kForRead), eOk);
    EXPECT_EQ(inner->getObject(object, AcDbObjectId::kNull, AcDb::kForRead), eInvalidInput);
    EXPECT_EQ(object, nullptr);
    tm()->endTransaction();
    tm()->endTransaction();
}

TEST_F(DatabaseTest, ObjectsOutsideADatabaseAreFreelyWritable) {
    CounterObject loose(3);
    EXPECT_TRUE(loose.isWriteEnabled());
    loose.setValue(4);
    EXPECT_EQ(loose.value(), 4);
    EXPECT_EQ(loose.erase(), eInvalidInput);
    EXPECT_EQ(loose.objectId(), AcDbObjectId::kNull);
}

TEST(WorkingDrawing, TheHostHasOneWorkingDatabaseWithItsManager) {
    ASSERT_NE(acdbCurDwg(), nullptr);
    EXPECT_EQ(actrTransactionManager(), acdbCurDwg()->transactionManager());
}

}  // namespace
