// The id of an object in a drawing database: its database and a handle that
// stays the same for the life of the object. The null id names no object.
#pragma once

#include <compare>
#include <cstdint>
#include <functional>

#include "platform/host/AcArray.h"

class AcDbDatabase;

class AcDbObjectId {
  public:
    AcDbObjectId() = default;

    static const AcDbObjectId kNull;

    bool isNull() const { return handle_ == 0; }
    // The database the object belongs to (null for the null id). The pointer is
    // only compared, never used, once the database is gone.
    AcDbDatabase* database() const { return database_; }
    std::uint64_t handle() const { return handle_; }

    friend bool operator==(const AcDbObjectId&, const AcDbObjectId&) = default;
    friend std::strong_ordering operator<=>(const AcDbObjectId& a, const AcDbObjectId& b) {
        if (auto byDatabase = std::compare_three_way{}(a.database_, b.database_); byDatabase != 0) {
            return byDatabase;
        }
        return a.handle_ <=> b.handle_;
    }

  private:
    friend class AcDbDatabase;
    AcDbObjectId(AcDbDatabase* database, std::uint64_t handle)
        : database_(database), handle_(handle) {}

    AcDbDatabase* database_ = nullptr;
    std::uint64_t handle_ = 0;
};

inline const AcDbObjectId AcDbObjectId::kNull{};

using AcDbObjectIdArray = AcArray<AcDbObjectId>;

template <>
struct std::hash<AcDbObjectId> {
    size_t operator()(const AcDbObjectId& id) const noexcept {
        return std::hash<std::uint64_t>{}(id.handle()) ^ std::hash<const void*>{}(id.database());
    }
};
