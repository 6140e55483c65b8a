// The grid library's whole interface: every SS function, by role.
#pragma once

#include "platform/grid/SSCellTypes.h"
#include "platform/grid/SSEditing.h"
#include "platform/grid/SSFiles.h"
#include "platform/grid/SSFormulas.h"
#include "platform/grid/SSLayout.h"
#include "platform/grid/SSOptions.h"
#include "platform/grid/SSSheet.h"
#include "platform/grid/SSTypes.h"
