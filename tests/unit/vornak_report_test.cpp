// vornak-report's command line, and the summary values its JSON and CSV
// write: where a report holds no value, and where it holds a 0.
#include <gtest/gtest.h>

#include "vornak-report/machine_summary.h"
#include "vornak-report/options.h"

namespace vornak {
namespace {

TEST(ReportOptions, WhatACommandLineAsksFor) {
  const char* const kMixed = "--log and --outline write the report itself: not with --html, --json or --csv";
  const char* const kSiteAlone = "--site writes a site alone: not with --html, --json, --csv, --log or --outline";
  const struct {
    std::vector<std::string> args;
    const char* error;  // "" when the line is taken
  } kCases[] = {
      {{"A.LOG", "b.profile", "--json", "-", "--csv", "t.csv", "--html", "p.html"}, ""},
      {{"--", "-x.LOG", "--json"}, ""},  // inputs that look like options
      {{"A.LOG", "--json"}, "--json needs a file name, or - for standard output"},
      {{"A.LOG", "--csv", ""}, "--csv needs a file name, or - for standard output"},
      {{"A.LOG", "--json", "a", "--json", "b"}, "--json is given twice"},
      {{"A.LOG", "--json", "-", "--csv", "-"}, "only one output can go to standard output"},
      {{"A.LOG", "--html", "x", "--csv", "x"}, "two outputs to x"},
      {{"A.LOG", "--json", "x", "--outline"}, kMixed},
      {{"A.LOG", "--csv", "x", "--log", "y"}, kMixed},
      {{"--json", "x"}, "no log or profile given"},
      {{"--site", "out", "logs", "--", "-odd.LOG"}, ""},
      {{"logs", "--site", "-"}, "--site needs a folder"},
      {{"logs", "--site", "a", "--json", "x"}, kSiteAlone},
      {{"logs", "--site", "a", "--outline"}, kSiteAlone},
      {{"A.LOG", "--html", "p", "--lang", "ja"}, ""},
      {{"--site", "out", "--lang", "en", "logs"}, ""},
      {{"A.LOG", "--lang", "fr"}, "--lang needs en or ja, not fr"},
      {{"A.LOG", "--lang", "JA"}, "--lang needs en or ja, not JA"},
      {{"A.LOG", "--lang", ""}, "--lang needs en or ja"},
      {{"A.LOG", "--lang"}, "--lang needs en or ja"},
      {{"A.LOG", "--lang", "en", "--lang", "ja"}, "--lang is given twice"},
      {{"--lang", "ja", "--", "--lang"}, ""},  // an input named --lang
  };
  for (const auto& c : kCases) {
    std::string error;
    const std::optional<Options> o = ParseOptions(c.args, error);
    EXPECT_EQ(error, c.error) << c.args.back();
    EXPECT_EQ(o.has_value(), *c.error == '\0') << c.args.back();
  }
  std::string error;
  EXPECT_EQ(ParseOptions({"--", "-x.LOG", "--json"}, error)->inputs, std::vector<std::string>({"-x.LOG", "--json"}));
  // The language as asked; none when not asked (the system's then).
  EXPECT_EQ(ParseOptions({"A.LOG", "--lang", "ja"}, error)->lang, Language::kJapanese);
  EXPECT_EQ(ParseOptions({"--lang", "en", "A.LOG"}, error)->lang, Language::kEnglish);
  EXPECT_FALSE(ParseOptions({"A.LOG"}, error)->lang.has_value());
  EXPECT_EQ(ParseOptions({"--lang", "ja", "--", "--lang"}, error)->inputs, std::vector<std::string>({"--lang"}));
}

// Each row changes one fact of a machine that has them all: the values it
// gives, "-" for none.
TEST(SummaryValues, NullWhereTheReportHoldsNoValue) {
  html::MachineFacts whole;
  whole.processorName = "CPU Type :  AMD K6 (Model 6) ";
  whole.clockMHz = "233", whole.fsbMHz = "066", whole.multiplier = "3.5";
  whole.l1DataKB = 32, whole.l2KB = 512, whole.physicalTotalKB = 0;
  whole.bench = html::ProcessorBench::Speed;
  whole.integer = html::BenchFigure{100, 500};
  whole.memory = {{16, {26260, 1904}, true}, {32768, {0, 0x00FFFFFF}, false}};
  const struct {
    void (*change)(html::MachineFacts&);
    const char* expected;  // processor|clock|fsb|multiplier|l1|l2|memory|section|integer|16K|32M
  } kCases[] = {
      {[](html::MachineFacts&) {}, "AMD K6 (Model 6)|233|66|35|32|512|0|speed|100/500|26260|-"},
      {[](html::MachineFacts& f) { f.processorName = "DX4(100\xA5" "75MHz)"; },
       "DX4(100\xEF\xBD\xA5" "75MHz)|233|66|35|32|512|0|speed|100/500|26260|-"},
      {[](html::MachineFacts& f) { f.processorName = "CPU Type : "; }, "-|233|66|35|32|512|0|speed|100/500|26260|-"},
      {[](html::MachineFacts& f) { f.clockMHz = "23x", f.fsbMHz = "-12"; },
       "AMD K6 (Model 6)|-|-12|35|32|512|0|speed|100/500|26260|-"},
      {[](html::MachineFacts& f) { f.clockMHz = "1234567890", f.multiplier = "3.50"; },
       "AMD K6 (Model 6)|-|66|-|32|512|0|speed|100/500|26260|-"},
      {[](html::MachineFacts& f) { f.l1DataKB = 0, f.l2KB = 0, f.noL2 = true; },  // "No L2 cache"
       "AMD K6 (Model 6)|233|66|35|-|0|0|speed|100/500|26260|-"},
      {[](html::MachineFacts& f) { f.l2KB = 0, f.l2LineZero = true, f.physicalTotalKB.reset(); },  // "0KB"
       "AMD K6 (Model 6)|233|66|35|32|-|-|speed|100/500|26260|-"},
      {[](html::MachineFacts& f) { f.integer->time = 0, f.memory[0].measured = false; },
       "AMD K6 (Model 6)|233|66|35|32|512|0|speed|-|-|-"},
      {[](html::MachineFacts& f) { f.bench = html::ProcessorBench::None, f.integer.reset(); },
       "AMD K6 (Model 6)|233|66|35|32|512|0|-|-|26260|-"},
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
    ASSERT_EQ(v.memory.size(), 2u);
    EXPECT_EQ(text(v.processor) + "|" + text(v.clockMHz) + "|" + text(v.fsbMHz) + "|" + text(v.multiplierTenths) +
                  "|" + text(v.l1DataKB) + "|" + text(v.l2KB) + "|" + text(v.physicalKB) + "|" + text(v.section) +
                  "|" + (v.integerPoints ? text(v.integerPoints) + "/" + text(v.integerMs) : "-") + "|" +
                  text(v.memory[0].points) + "|" + text(v.memory[1].points),
              c.expected);
  }
}

}  // namespace
}  // namespace vornak
