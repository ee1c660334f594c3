// vornak-report's command line, and the summary values its JSON and CSV
// write: where a report holds no value, and where it holds a 0.
#include <gtest/gtest.h>

#include "vornak-report/machine_summary.h"
#include "vornak-report/options.h"

namespace vornak {
namespace {

TEST(ReportOptions, WhatACommandLineAsksFor) {
  const struct {
    std::vector<std::string> args;
    const char* error;  // "" when the line is taken
    std::vector<std::string> inputs;
  } kCases[] = {
      {{"A.LOG", "b.profile", "--json", "-", "--csv", "t.csv", "--html", "p.html"}, "", {"A.LOG", "b.profile"}},
      {{"A.LOG", "--outline", "--log", "-"}, "", {"A.LOG"}},
      {{"--", "-x.LOG", "--json"}, "", {"-x.LOG", "--json"}},  // inputs that look like options
      {{"A.LOG", "--json"}, "--json needs a file name, or - for standard output", {}},
      {{"A.LOG", "--csv", ""}, "--csv needs a file name, or - for standard output", {}},
      {{"A.LOG", "--json", "a", "--json", "b"}, "--json is given twice", {}},
      {{"A.LOG", "--json", "-", "--csv", "-"}, "only one output can go to standard output", {}},
      {{"A.LOG", "--html", "x", "--csv", "x"}, "two outputs to x", {}},
      {{"A.LOG", "--json", "x", "--outline"}, "--log and --outline write the report itself: not with --html, --json or --csv", {}},
      {{"A.LOG", "--csv", "x", "--log", "y"}, "--log and --outline write the report itself: not with --html, --json or --csv", {}},
      {{"--json", "x"}, "no log or profile given", {}},
      {{"A.LOG", "-j"}, "unknown option -j", {}},
  };
  for (const auto& c : kCases) {
    std::string error;
    const std::optional<Options> o = ParseOptions(c.args, error);
    SCOPED_TRACE(c.args.back());
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(o.has_value(), *c.error == '\0');
    if (o) {
      EXPECT_EQ(o->inputs, c.inputs);
    }
  }
  std::string error;
  EXPECT_TRUE(ParseOptions({"A.LOG", "--bogus", "--help"}, error) == std::nullopt);  // the first fault counts
  EXPECT_TRUE(ParseOptions({"--help", "--bogus"}, error)->help);
}

// Each row changes one fact of a machine that has them all; the value it
// gives, or none.
TEST(SummaryValues, NullWhereTheReportHoldsNoValue) {
  html::MachineFacts whole;
  whole.processorName = "CPU Type :  AMD K6 (Model 6) ";
  whole.clockMHz = "233";
  whole.fsbMHz = "066";
  whole.multiplier = "3.5";
  whole.l1DataKB = 32;
  whole.l2KB = 512;
  whole.physicalTotalKB = 0;
  whole.bench = html::ProcessorBench::Speed;
  whole.integer = html::BenchFigure{100, 500};
  const struct {
    const char* name;
    void (*change)(html::MachineFacts&);
    const char* expected;  // processor|clock|fsb|multiplier|l1|l2|memory|section|integer points/ms
  } kCases[] = {
      {"whole", [](html::MachineFacts&) {}, "AMD K6 (Model 6)|233|66|35|32|512|0|speed|100/500"},
      {"name without its label", [](html::MachineFacts& f) { f.processorName = "DX4(100\xA5" "75MHz)"; },
       "DX4(100\xEF\xBD\xA5" "75MHz)|233|66|35|32|512|0|speed|100/500"},
      {"label alone", [](html::MachineFacts& f) { f.processorName = "CPU Type : "; }, "-|233|66|35|32|512|0|speed|100/500"},
      {"clock not a number", [](html::MachineFacts& f) { f.clockMHz = "23x"; }, "AMD K6 (Model 6)|-|66|35|32|512|0|speed|100/500"},
      {"negative clock", [](html::MachineFacts& f) { f.clockMHz = "-12"; }, "AMD K6 (Model 6)|-12|66|35|32|512|0|speed|100/500"},
      {"clock past nine digits", [](html::MachineFacts& f) { f.clockMHz = "1234567890"; },
       "AMD K6 (Model 6)|-|66|35|32|512|0|speed|100/500"},
      {"multiplier of two decimals", [](html::MachineFacts& f) { f.multiplier = "3.50"; },
       "AMD K6 (Model 6)|233|66|-|32|512|0|speed|100/500"},
      {"multiplier negative", [](html::MachineFacts& f) { f.multiplier = "-3.5"; },
       "AMD K6 (Model 6)|233|66|-|32|512|0|speed|100/500"},
      {"no L1 named", [](html::MachineFacts& f) { f.l1DataKB = 0; }, "AMD K6 (Model 6)|233|66|35|-|512|0|speed|100/500"},
      {"no L2 cache", [](html::MachineFacts& f) { f.l2KB = 0, f.noL2 = true; }, "AMD K6 (Model 6)|233|66|35|32|0|0|speed|100/500"},
      {"an L2 of 0KB", [](html::MachineFacts& f) { f.l2KB = 0, f.l2LineZero = true; },
       "AMD K6 (Model 6)|233|66|35|32|-|0|speed|100/500"},
      {"no memory line", [](html::MachineFacts& f) { f.physicalTotalKB.reset(); },
       "AMD K6 (Model 6)|233|66|35|32|512|-|speed|100/500"},
      {"no time", [](html::MachineFacts& f) { f.integer->time = 0; }, "AMD K6 (Model 6)|233|66|35|32|512|0|speed|-/-"},
      {"no benchmark", [](html::MachineFacts& f) { f.bench = html::ProcessorBench::None, f.integer.reset(); },
       "AMD K6 (Model 6)|233|66|35|32|512|0|-|-/-"},
  };
  auto text = [](const auto& v) {
    if constexpr (std::is_same_v<std::decay_t<decltype(*v)>, std::string>) return v ? *v : std::string("-");
    else return v ? std::to_string(*v) : std::string("-");
  };
  for (const auto& c : kCases) {
    html::MachineFacts f = whole;
    c.change(f);
    TextConverter sjis;
    const SummaryValues v = SummaryOf(f, sjis);
    EXPECT_EQ(text(v.processor) + "|" + text(v.clockMHz) + "|" + text(v.fsbMHz) + "|" + text(v.multiplierTenths) +
                  "|" + text(v.l1DataKB) + "|" + text(v.l2KB) + "|" + text(v.physicalKB) + "|" + text(v.section) +
                  "|" + text(v.integerPoints) + "/" + text(v.integerMs),
              c.expected)
        << c.name;
  }
}

// A memory block the report could not obtain, or timed at 0, is no
// measurement; a block that took so long it scored 0 points is one.
TEST(SummaryValues, MemoryPointsOnlyWhereMeasured) {
  html::MachineFacts f;
  f.memory = {{16, {26260, 1904}, true}, {32768, {0, 0x00FFFFFF}, false}, {8192, {0, 60000000}, true}};
  TextConverter sjis;
  const SummaryValues v = SummaryOf(f, sjis);
  ASSERT_EQ(v.memory.size(), 3u);
  EXPECT_EQ(v.memory[0].points, 26260);
  EXPECT_EQ(v.memory[0].ms, 1904);
  EXPECT_EQ(v.memory[1].blockKB, 32768u);
  EXPECT_FALSE(v.memory[1].points || v.memory[1].ms);
  EXPECT_EQ(v.memory[2].points, 0);
}

TEST(MachineSource, NamesWithTheirRun) {
  MachineSource s{"logs/a b/A.LOG", "log", 2, 3, true, 0, ""};
  EXPECT_EQ(s.Name(), "logs/a b/A.LOG (run 2 of 3)");
  EXPECT_EQ(s.ShortName(), "A.LOG (run 2 of 3)");
  s.runs = 1;
  EXPECT_EQ(s.ShortName(), "A.LOG");
  EXPECT_EQ(Tenths(45), "4.5");
}

}  // namespace
}  // namespace vornak
