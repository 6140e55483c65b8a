// The host's array template, which is the core's array here: both index from 0
// with int and grow on append.
#pragma once

#include "platform/core/Tvx_Array.h"

template <typename T>
using AcArray = Tvx_Array<T>;
