// Machines recorded live under Wine (VORNAK95.EXE /RECORD p /LOG): the replay
// of each profile gives the log that run wrote, byte for byte. They also seed
// the fuzzer.
#include <algorithm>

#include "section_fixture.h"
#include "tests/fuzz/replay_one.h"

namespace vornak {
namespace {

class LiveProfiles : public ::testing::TestWithParam<const char*> {};

TEST_P(LiveProfiles, ReplayGivesTheRecordedLog) {
  const std::string base = std::string("live/") + GetParam();
  const fuzz::Replayed r = fuzz::ReplayOne(test::FixtureText(base + ".profile"));
  ASSERT_TRUE(r.parsed) << r.error;
  EXPECT_EQ(r.log, test::FixtureText(base + ".LOG"));
}

INSTANTIATE_TEST_SUITE_P(Wine, LiveProfiles, ::testing::Values("wine-nt", "wine-98"),
                         [](const auto& info) {
                           std::string name = info.param;
                           name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                           return name;
                         });

}  // namespace
}  // namespace vornak
