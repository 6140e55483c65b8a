// Tvx_StringArray: an array of texts, with a search whose flag means match case.
#pragma once

#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_String.h"

class Tvx_StringArray : public Tvx_Array<Tvx_String> {
  public:
    using Tvx_Array<Tvx_String>::Tvx_Array;
    using Tvx_Array<Tvx_String>::find;

    // Finds the first element equal to text (flag set: exact; clear: letter
    // case ignored); sets index and returns true, else index becomes -1.
    bool find(const Tvx_String& text, int& index, bool flag) const {
        for (int i = 0; i < length(); ++i) {
            if ((*this)[i].equal(text, flag)) {
                index = i;
                return true;
            }
        }
        index = -1;
        return false;
    }
};

using Tvx_StringArrArr = Tvx_Array<Tvx_StringArray>;
