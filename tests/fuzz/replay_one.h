// One profile through the reader and the whole replay, as vornak-report runs
// it: the fuzz target's body, and what the unit tests replay the inputs it
// found with. A profile the reader refuses ends at its ProfileError.
#pragma once

#include <string>

#include "readback/profile_replay.h"

namespace vornak::fuzz {

struct Replayed {
  bool parsed = false;
  std::string error;    // the reader's message when it refused the profile
  std::string log;      // the VORNAK95.LOG bytes
  MemoryOutline tree;   // the report
};

inline Replayed ReplayOne(const std::string& text) {
  Replayed r;
  profile::Profile p;
  try {
    p = profile::Profile::Parse(text, "fuzz.profile");
  } catch (const profile::ProfileError& e) {
    r.error = e.what();
    return r;
  }
  r.parsed = true;
  MemoryLog log;
  ReplayProfile(std::move(p), r.tree, &log);
  r.log = log.Bytes();
  return r;
}

}  // namespace vornak::fuzz
