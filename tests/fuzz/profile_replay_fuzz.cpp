// libFuzzer target: any bytes as a machine profile, read and, when the reader
// takes it, replayed through the whole analysis into the outline and the log,
// as vornak-report does with a profile someone mailed. tools/fuzz-run runs it.
#include <cstddef>
#include <cstdint>

#include "replay_one.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const vornak::fuzz::Replayed r =
      vornak::fuzz::ReplayOne(std::string(reinterpret_cast<const char*>(data), size));
  // A replay that is taken always reaches the end of the report.
  if (r.parsed && r.log.find("\r\nDrive Info\r\n") == std::string::npos) __builtin_trap();
  return 0;
}
