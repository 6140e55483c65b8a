// A macro as the drawing keeps it: a database object of the host holding one
// Tvx_Macro, read while the object is open and changed once it is open for write.
#pragma once

#include <memory>

#include "platform/core/ErrorStatus.h"
#include "platform/core/macro/Tvx_Macro.h"
#include "platform/host/AcDbObject.h"

class Tvx_DbMacro : public AcDbObject {
  public:
    Tvx_DbMacro() = default;
    explicit Tvx_DbMacro(Tvx_Macro macro) : macro_(std::move(macro)) {}

    std::unique_ptr<AcDbObject> clone() const override {
        return std::make_unique<Tvx_DbMacro>(*this);
    }

    // The macro for reading; the object must be open (asserted).
    const Tvx_Macro& macro() const {
        assertReadEnabled();
        return macro_;
    }

    // The macro for writing: opens the object for write when it is open for
    // read in the top transaction. Null when it cannot be opened for write (it
    // is not open at all). An object in no database is always writable.
    Tvx_Macro* macroWrite();

  private:
    Tvx_Macro macro_;
};

// Base profile n (from 0) of the macro; eInvalidInput (profile null) without a
// macro or when n is outside the list.
ErrorStatus getBaseProf(const Tvx_DbMacro* dbMacro, int n, const Tvx_Profile*& profile);

// The section name ("TABLE-SYSNAME") or the material of a profile or placement;
// eInvalidInput (text untouched) when it is empty.
ErrorStatus getSectionName(const Tvx_Profile& profile, Tvx_String& sectionName);
ErrorStatus getMaterial(const Tvx_Profile& profile, Tvx_String& material);
