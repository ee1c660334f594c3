// A machine profile replayed as the program's "&S)ave LOG" runs it, with no
// window: vornak-report's log and outline, its HTML page, and the fuzz target
// all take their report from here.
#pragma once

#include "platform/profile/profile_format.h"
#include "report/memory_outline.h"
#include "report/report_log.h"

namespace vornak {

// The report into `outline` (emptied first), its log lines into `log`
// (nullptr: no log).
void ReplayProfile(profile::Profile profile, MemoryOutline& outline, ReportLog* log);

}  // namespace vornak
