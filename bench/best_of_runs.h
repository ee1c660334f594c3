// The time of a benchmark that runs more than once: the smallest result.
#pragma once

#include <cstdint>

namespace vornak {

// 0 stands for "no result yet", so a first run of 0 (a kernel finished
// within one tick) gives way to the second run's result; a 0 from a later run
// is the smallest value and stays. Reference times were taken this way.
class BestOfRuns {
 public:
  void Add(uint32_t result) {
    if (minimum_ == 0) minimum_ = result;
    if (minimum_ > result) minimum_ = result;
  }
  uint32_t Time() const { return minimum_; }

 private:
  uint32_t minimum_ = 0;
};

}  // namespace vornak
