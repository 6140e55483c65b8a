// Finding a part of a macro by a name: the first element whose name field
// equals the given name without regard to letter case; an empty name finds
// nothing.
#pragma once

#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_String.h"

template <typename T>
T* findBy(Tvx_Array<T>& items, const Tvx_String& name, Tvx_String T::*field) {
    if (name.isEmpty())
        return nullptr;
    for (T& item : items) {
        if ((item.*field).equal(name, false))
            return &item;
    }
    return nullptr;
}

template <typename T>
const T* findBy(const Tvx_Array<T>& items, const Tvx_String& name, Tvx_String T::*field) {
    return findBy(const_cast<Tvx_Array<T>&>(items), name, field);
}

// The same for the `name` field.
template <typename T>
T* findNamed(Tvx_Array<T>& items, const Tvx_String& name) {
    return findBy(items, name, &T::name);
}

template <typename T>
const T* findNamed(const Tvx_Array<T>& items, const Tvx_String& name) {
    return findBy(items, name, &T::name);
}
