// Every text the page and the site write for their readers, in each language
// they speak: one table (page_texts.cpp), a row per text, English and
// Japanese side by side. What reads the same in both (units, numbers,
// punctuation, names) stays in the code. The report's own lines, file and
// processor names, the JSON and the CSV, and the messages on standard error
// are never translated.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vornak {

enum class Language { kEnglish, kJapanese };
inline constexpr Language kLanguages[] = {Language::kEnglish, Language::kJapanese};

// The pages' lang attribute: "en", "ja".
const char* LanguageCode(Language lang);

// A text's place in the table. Formats hold {1}, {2}, ... where a number or
// a name goes, in the order the language wants them.
enum class PageText {
  // The page (html_page.cpp).
  kReportHeading,
  kReportTitle,
  kComparedTitle,
  kMadeFromFiles,
  kListSeparator,
  kAllMachines,
  kThisMachine,
  kSummary,
  kNotInReport,
  kProcessor,
  kSignature,
  kSignatureDecoded,
  kClock,
  kL1DataCache,
  kL2Cache,
  kNone,
  kL2LineZero,
  kPhysicalMemory,
  kMemoryAvailable,
  kDirectXAnswered,
  kDirectXProvidersOne,
  kDirectXProvidersMany,
  kDirectXJoysticksOne,
  kDirectXJoysticksMany,
  kDirectXVideoMemory,
  kIntegerBenchmark,
  kFloatBenchmark,
  kNoLine,
  kNoTime,
  kPointsAndTime,
  kSectionKind,
  kTimeStampCompared,
  kSpeedCompared,
  kTruncatedNote,
  kAfterLine,
  kBeforeFirstLine,
  kIntegerPoints,
  kFloatPoints,
  kChartIntegerName,
  kChartFloatName,
  kProcessorBenchmark,
  kProcessorIntroOne,
  kProcessorIntroMany,
  kTimeStampHeading,
  kSpeedHeading,
  kScalesApart,
  kNoProcessorBench,
  kNoProcessorTime,
  kNoFloatTime,
  kNoIntegerTime,
  kNoProcessorChart,
  kMemoryBenchmark,
  kNoMemoryBench,
  kNoMemoryTime,
  kMemoryGaps,
  kMemoryZeros,
  kNoMemoryChart,
  kMemoryIntro,
  kReport,
  kOutlineIntroOne,
  kOutlineIntroMany,
  kLinesDiffer,
  kDiffersInside,
  kRunOfRuns,
  // The charts (html_charts.cpp).
  kMemoryChartName,
  kCacheMarkL1,
  kBlockSizeAxis,
  kPointsAxisLog,
  kPointsAxis,
  kPoints,
  // The index (site_pages.cpp).
  kShownCount,
  kReference,
  kDotTitle,
  kTimeStampBenchmark,
  kSpeedBenchmark,
  kScatterCaptionOne,
  kScatterCaptionMany,
  kScatterHidden,
  kScatterName,
  kLegendMachine,
  kLegendReference,
  kCollectionTitleOne,
  kCollectionTitleMany,
  kIndexMadeFromOne,
  kIndexMadeFromMany,
  kIndexDuplicatesOne,
  kIndexDuplicatesMany,
  kIndexSkippedOne,
  kIndexSkippedMany,
  kIndexUnreadable,
  kIndexMadeEnd,
  kIndexChartsIntro,
  kMachines,
  kFilterLabel,
  kVendor,
  kClockColumn,
  kMemoryColumn,
  kBenchmarkColumn,
  kIntegerColumn,
  kFloatColumn,
  kMemoryBlockColumn,
  kFileColumn,
  kTruncatedColumn,
  kTruncatedMark,
  kSectionTimeStamp,
  kSectionSpeed,
  // A machine's place in the collection (site_pages.cpp).
  kInTheCollection,
  kOneOf,
  kTheCollection,
  kSameRunFound,
  kRankHeading,
  kPointsHeading,
  kRank,
  kRankAmongTimeStamp,
  kRankAmongSpeed,
  kRankOf,
  kNotRanked,
  kNoMeasurement,
  kInteger,
  kFloatingPoint,
  kMemoryBlocks,
  kNoBenchNoNeighbours,
  kNoNeighbours,
  kNeighboursHeading,
  kThisMachineMark,
  kNeighboursChart,
  kCount
};

// The text as the table has it, UTF-8. No text needs escaping in HTML, CSS
// or a quoted attribute: none holds < > & " or a backslash.
const char* TextOf(PageText text, Language lang);

// The text with each {N} replaced by args[N-1], in one pass: what an
// argument holds (a file named "{2}") is never read as a placeholder. A
// placeholder without its argument stays as written.
std::string Format(std::string_view text, std::initializer_list<std::string_view> args);

// The texts of one language, for the code that writes a page.
class PageTexts {
 public:
  explicit PageTexts(Language lang) : lang_(lang) {}
  Language Lang() const { return lang_; }
  std::string operator()(PageText text) const { return TextOf(text, lang_); }
  std::string operator()(PageText text, std::initializer_list<std::string_view> args) const {
    return Format(TextOf(text, lang_), args);
  }
  // `one` for a count of 1, else `many`.
  std::string Counted(size_t count, PageText one, PageText many, std::initializer_list<std::string_view> args) const {
    return (*this)(count == 1 ? one : many, args);
  }

 private:
  Language lang_;
};

// The font lists of the pages' CSS, as each language wants them; the
// Japanese ones find a Japanese font on Japanese Windows 95 and later, on
// today's Windows and on Linux.
struct PageFonts {
  const char* text;   // the pages' text
  const char* mono;   // the report's lines
  const char* mark;   // the outline's small marks
  const char* chart;  // the index's charts
  const char* rules;  // the language's own rules, after the others
};
const PageFonts& FontsOf(Language lang);

// `css` with $TEXT, $MONO, $MARK and $CHART replaced by the language's fonts,
// $RULES by its own rules and $DIFFERS by its kDiffersInside.
std::string StyleIn(std::string_view css, Language lang);

// A JavaScript expression that builds `text` with {N} replaced by the
// expression args[N-1]: "{1} of {2}" with count, total is
// "count + ' of ' + total". Always a string, however the text starts.
std::string ScriptConcatenation(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace vornak
