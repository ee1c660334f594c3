// The top-level windows that handle a broadcast paint message, listed under
// the "Thread" item, each owned window under its owner's line.
#pragma once

#include "report/analysis.h"

namespace vornak {

// The live hook records at most this many paint messages; a longer list (a
// profile can hold one) is cut to it as well.
inline constexpr size_t kPaintRecordSlots = 512;

void WindowListSection(Analysis& a, Item thread);

}  // namespace vornak
