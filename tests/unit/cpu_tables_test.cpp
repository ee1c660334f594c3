// The constant tables themselves: keys unique, every row reachable, texts
// plain single-byte ANSI.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "cpu/cache_tables.h"
#include "cpu/feature_flag_tables.h"
#include "cpu/legacy_name_tables.h"
#include "pc98/pc98_tables.h"

namespace vornak {
namespace {

// Report texts are ASCII plus the half-width dot 0xA5.
::testing::AssertionResult PlainText(const char* text) {
  if (!text) return ::testing::AssertionFailure() << "null text";
  for (const char* p = text; *p; ++p) {
    auto b = static_cast<unsigned char>(*p);
    if ((b < 0x20 || b > 0x7E) && b != 0xA5)
      return ::testing::AssertionFailure() << "byte " << int(b) << " in \"" << text << "\"";
  }
  return ::testing::AssertionSuccess();
}

class SignatureTables : public ::testing::TestWithParam<std::pair<const char*, const SignatureTable*>> {};

TEST_P(SignatureTables, EveryRowIsUniqueAndReachable) {
  const SignatureTable& t = *GetParam().second;
  for (size_t i = 0; i < t.count; ++i) {
    const SignatureName& row = t.rows[i];
    EXPECT_TRUE(PlainText(row.name));
    EXPECT_EQ(row.value & ~row.mask, 0u) << "row " << i << " can never match";
    for (size_t j = 0; j < i; ++j) {
      const SignatureName& earlier = t.rows[j];
      // An earlier row whose mask tests no more bits than this one and whose
      // value agrees on them takes every signature this row would name.
      bool covers = (earlier.mask & ~row.mask) == 0 && (row.value & earlier.mask) == earlier.value;
      EXPECT_FALSE(covers) << "row " << i << " (" << std::hex << row.value << ") is shadowed by row " << j;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Names, SignatureTables,
                         ::testing::Values(std::make_pair("486", &kName486Table),
                                           std::make_pair("386", &kName386Table)),
                         [](const auto& info) { return std::string("Name") + info.param.first; });

TEST(NameTables, CatchAllTextsArePlain) {
  for (const char* t : {kUnknown486, kUnknown386, kUnknownCyrix, kPleaseReport, kCpuTypePrefix})
    EXPECT_TRUE(PlainText(t));
}

TEST(NameTables, CyrixKeysAreUnique) {
  std::set<uint32_t> seen;
  for (size_t i = 0; i < kCyrixNameCount; ++i) {
    EXPECT_TRUE(seen.insert(kCyrixNames[i].dir0).second) << std::hex << int(kCyrixNames[i].dir0);
    EXPECT_TRUE(PlainText(kCyrixNames[i].name));
  }
  EXPECT_EQ(seen.size(), 33u);
}

TEST(FlagTables, BitsAscendFromTheFpu) {
  for (const FlagTable* t : {&kIntelFlagTable, &kAmdK5FlagTable, &kAmdFlagTable, &kAmdExtendedFlagTable}) {
    SCOPED_TRACE(t->header);
    ASSERT_GT(t->count, 0u);
    EXPECT_EQ(t->lines[0].bit, 0);  // the FPU line carries the FDIV check
    for (size_t i = 0; i < t->count; ++i) {
      const FlagLine& l = t->lines[i];
      EXPECT_LT(l.bit, 32);
      if (i > 0) {
        EXPECT_GT(l.bit, t->lines[i - 1].bit);
      }
      EXPECT_TRUE(PlainText(l.set));
      EXPECT_TRUE(PlainText(l.clear));
      EXPECT_STRNE(l.set, l.clear);
    }
  }
}

TEST(CacheTables, DescriptorCodesAreUniqueAndNonZero) {
  std::set<int> seen;
  for (size_t i = 0; i < kCacheDescriptorCount; ++i) {
    EXPECT_NE(kCacheDescriptors[i].code, 0);  // zero bytes are padding
    EXPECT_TRUE(seen.insert(kCacheDescriptors[i].code).second) << std::hex << int(kCacheDescriptors[i].code);
    EXPECT_TRUE(PlainText(kCacheDescriptors[i].text));
  }
  EXPECT_EQ(seen.size(), 22u);
}

TEST(CacheTables, AmdLinesUseEveryByteOnce) {
  std::set<std::pair<int, int>> seen;
  for (size_t i = 0; i < kAmdCacheLineCount; ++i) {
    const AmdCacheLine& l = kAmdCacheLines[i];
    EXPECT_LT(l.byte, 4);
    EXPECT_TRUE(seen.insert({l.reg, l.byte}).second) << l.format;
    EXPECT_TRUE(PlainText(l.format));
  }
  EXPECT_EQ(seen.size(), 12u);
}

TEST(Pc98Tables, SoundBoardIdsAreUniqueNibbles) {
  std::set<uint32_t> seen;
  for (size_t i = 0; i < kSoundBoardCount; ++i) {
    EXPECT_LT(kSoundBoards[i].id, 16u);
    EXPECT_TRUE(seen.insert(kSoundBoards[i].id).second) << kSoundBoards[i].id;
    EXPECT_TRUE(PlainText(kSoundBoards[i].text));
  }
}

}  // namespace
}  // namespace vornak
