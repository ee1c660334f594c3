#include "vornak-report/page_texts.h"

#include <utility>
#include <vector>

namespace vornak {

namespace {

using P = PageText;

struct Row {
  PageText text;
  const char* english;
  const char* japanese;
};

// Japanese as a Japanese hardware site writes it: no blank between a number
// and its counter (12台, 137件), blanks around Latin words where they help.
// clang-format off
constexpr Row kRows[] = {
  // text                      English                                              Japanese
  // The page.
  {P::kReportHeading,          "VORNAK95 report",                                   "VORNAK95 レポート"},
  {P::kReportTitle,            "VORNAK95 report: {1}",                              "VORNAK95 レポート: {1}"},
  {P::kComparedTitle,          "{1} machines compared",                             "{1}台の比較"},
  {P::kMadeFromFiles,          "Made by vornak-report from {1}.",                   "{1} から vornak-report で作成しました。"},
  {P::kListSeparator,          ", ",                                                "、"},
  {P::kAllMachines,            "All machines of the collection",                    "コレクションの全マシン一覧"},
  {P::kThisMachine,            "This machine",                                      "このマシン"},
  {P::kSummary,                "Summary",                                           "概要"},
  {P::kNotInReport,            "not in the report",                                 "レポートになし"},
  {P::kProcessor,              "Processor",                                         "プロセッサ"},
  {P::kSignature,              "Signature",                                         "シグネチャ"},
  {P::kSignatureDecoded,       "family {1}, model {2}, stepping {3}",               "ファミリー {1}、モデル {2}、ステッピング {3}"},
  {P::kClock,                  "Clock",                                             "クロック"},
  {P::kL1DataCache,            "L1 data cache",                                     "L1データキャッシュ"},
  {P::kL2Cache,                "L2 cache",                                          "L2キャッシュ"},
  {P::kNone,                   "none",                                              "なし"},
  {P::kL2LineZero,             "0KB in the report (a size it could not decode)",    "レポート上は0KB（解読できなかったサイズ）"},
  {P::kPhysicalMemory,         "Physical memory",                                   "物理メモリ"},
  {P::kMemoryAvailable,        "{1}, {2} available",                                "{1}（空き {2}）"},
  {P::kDirectXAnswered,        "DirectX answered",                                  "応答した DirectX"},
  {P::kDirectXProvidersOne,    "{1} ({2} provider)",                                "{1}（プロバイダー{2}個）"},
  {P::kDirectXProvidersMany,   "{1} ({2} providers)",                               "{1}（プロバイダー{2}個）"},
  {P::kDirectXJoysticksOne,    "{1} ({2} joystick)",                                "{1}（ジョイスティック{2}個）"},
  {P::kDirectXJoysticksMany,   "{1} ({2} joysticks)",                               "{1}（ジョイスティック{2}個）"},
  {P::kDirectXVideoMemory,     "{1} ({2} video memory)",                            "{1}（ビデオメモリ {2}）"},
  {P::kIntegerBenchmark,       "Integer benchmark",                                 "整数演算ベンチマーク"},
  {P::kFloatBenchmark,         "Float benchmark",                                   "浮動小数点演算ベンチマーク"},
  {P::kNoLine,                 "no line",                                           "該当行なし"},
  {P::kNoTime,                 "no time",                                           "時間なし"},
  {P::kPointsAndTime,          "{1} points ({2})",                                  "{1}ポイント（{2}）"},
  {P::kSectionKind,            "Processor benchmark section",                       "プロセッサベンチマークの種類"},
  {P::kTimeStampCompared,      "time-stamp (compared with 137 reference measurements)",
                                                                                    "タイムスタンプ（基準値137件と比較）"},
  {P::kSpeedCompared,          "speed (compared with 6 reference machines)",        "スピード（基準機6台と比較）"},
  {P::kTruncatedNote,          "{1} has a truncated run: its log stops {2} (the machine hung or was reset during the run), "
                               "so the report lacks what the run had not written.",
                                                                                    "{1}の実行は途中で終わっています。ログは{2}で止まっており"
                                                                                    "（実行中にマシンが停止したか、リセットされたため）、"
                                                                                    "実行が書き込めなかった内容はレポートにありません。"},
  {P::kAfterLine,              "after line {1}, “{2}”",                             "{1}行目「{2}」のあと"},
  {P::kBeforeFirstLine,        "before its first whole line",                       "最初の完全な行の前"},
  {P::kIntegerPoints,          "Integer points",                                    "整数演算ポイント"},
  {P::kFloatPoints,            "Floating-point points",                             "浮動小数点演算ポイント"},
  {P::kChartIntegerName,       "{1}, integer points",                               "{1}、整数演算ポイント"},
  {P::kChartFloatName,         "{1}, floating-point points",                        "{1}、浮動小数点演算ポイント"},
  {P::kProcessorBenchmark,     "Processor benchmark",                               "プロセッサベンチマーク"},
  {P::kProcessorIntroOne,      "Points are 50,000,000 divided by the milliseconds a kernel took, as the report computes "
                               "them: a longer bar is a faster machine. The grey bars are the reference machines of the "
                               "report's compare tables; the coloured bar is this machine.",
                                                                                    "ポイントはレポートの計算と同じく、50,000,000をカーネルの所要時間"
                                                                                    "（ミリ秒）で割った値で、バーが長いほど高速です。灰色のバーは"
                                                                                    "レポートの比較表にある基準機で、色付きのバーがこのマシンです。"},
  {P::kProcessorIntroMany,     "Points are 50,000,000 divided by the milliseconds a kernel took, as the report computes "
                               "them: a longer bar is a faster machine. The grey bars are the reference machines of the "
                               "report's compare tables; the coloured bars are the machines of this page.",
                                                                                    "ポイントはレポートの計算と同じく、50,000,000をカーネルの所要時間"
                                                                                    "（ミリ秒）で割った値で、バーが長いほど高速です。灰色のバーは"
                                                                                    "レポートの比較表にある基準機で、色付きのバーがこのページのマシンです。"},
  {P::kTimeStampHeading,       "Time-stamp benchmark against the 137 reference measurements of the compare tables",
                                                                                    "タイムスタンプベンチマーク（比較表の基準値137件との比較）"},
  {P::kSpeedHeading,           "Speed benchmark against the six machines of the speed compare table",
                                                                                    "スピードベンチマーク（スピード比較表の基準機6台との比較）"},
  {P::kScalesApart,            "The time-stamp and the speed benchmarks run different kernels: their points are not on "
                               "one scale, so each machine is ranked only against the reference machines of its own "
                               "benchmark.",
                                                                                    "タイムスタンプとスピードの両ベンチマークは異なるカーネルを実行するため、"
                                                                                    "ポイントを同じ尺度で比べることはできません。各マシンは自分の"
                                                                                    "ベンチマークの基準機とだけ比較しています。"},
  {P::kNoProcessorBench,       "{1} has no processor benchmark in its report: the report runs it for processors with the "
                               "CPUID instruction that the system reports as 486, Pentium or Pentium Pro class, so it is "
                               "not ranked.",
                                                                                    "{1}のレポートにはプロセッサベンチマークがありません。レポートがこれを"
                                                                                    "実行するのは、CPUID命令を持ち、システムが486、Pentium、Pentium Pro"
                                                                                    "クラスと報告するプロセッサだけです。そのため順位はありません。"},
  {P::kNoProcessorTime,        "{1} has no time in its processor benchmark lines, so it is not ranked.",
                                                                                    "{1}のプロセッサベンチマークの行には時間がないため、順位はありません。"},
  {P::kNoFloatTime,            "{1} has no floating-point time in its report, so it has a bar in one of the two charts only.",
                                                                                    "{1}のレポートには浮動小数点演算の時間がないため、バーは2つのグラフの"
                                                                                    "一方にだけあります。"},
  {P::kNoIntegerTime,          "{1} has no integer time in its report, so it has a bar in one of the two charts only.",
                                                                                    "{1}のレポートには整数演算の時間がないため、バーは2つのグラフの"
                                                                                    "一方にだけあります。"},
  {P::kNoProcessorChart,       "So this page has no processor chart.",              "そのため、このページにはプロセッサのグラフがありません。"},
  {P::kMemoryBenchmark,        "Memory benchmark",                                  "メモリベンチマーク"},
  {P::kNoMemoryBench,          "{1} has no memory benchmark in its report.",        "{1}のレポートにはメモリベンチマークがありません。"},
  {P::kNoMemoryTime,           "{1} has no time in its memory benchmark lines, so it has no line in the chart.",
                                                                                    "{1}のメモリベンチマークの行には時間がないため、グラフに線はありません。"},
  {P::kMemoryGaps,             "{1}: no measurement for {2} (the block could not be obtained, or no time was taken); the "
                               "line has a gap there.",
                                                                                    "{1}: {2}は測定値がありません（ブロックを確保できなかったか、時間を"
                                                                                    "計れませんでした）。線はそこで途切れています。"},
  {P::kMemoryZeros,            "{1}: 0 points for {2} (a time of more than 50,000,000 ms), which the logarithmic points "
                               "axis has no place for; the line has a gap there.",
                                                                                    "{1}: {2}は0ポイントです（50,000,000 msを超える時間）。対数目盛りの"
                                                                                    "ポイント軸には置けないため、線はそこで途切れています。"},
  {P::kNoMemoryChart,          "So this page has no memory chart.",                 "そのため、このページにはメモリのグラフがありません。"},
  {P::kMemoryIntro,            "Block-copy points against the block size, from 16 KB to 32 MB: where a block stops fitting "
                               "a cache the points step down. Dashed lines mark the cache sizes the report names. The "
                               "report scales the blocks from 8 MB on as if they were 4 MB blocks, so their points fall by "
                               "the size. Where the points span more than a hundredfold, their axis is logarithmic as well.",
                                                                                    "ブロックサイズ（16 KB～32 MB）ごとのブロックコピーのポイントです。"
                                                                                    "ブロックがキャッシュに収まらなくなるところで、ポイントが一段下がります。"
                                                                                    "破線はレポートにあるキャッシュサイズです。レポートは8 MB以上のブロックを"
                                                                                    "4 MBのブロックとして計算するため、それらのポイントはサイズに比例して"
                                                                                    "下がります。ポイントの幅が100倍を超えるときは、ポイントの軸も"
                                                                                    "対数目盛りになります。"},
  {P::kReport,                 "Report",                                            "レポート"},
  {P::kOutlineIntroOne,        "Every line as the log has it.",                     "ログにあるとおりの全行です。"},
  {P::kOutlineIntroMany,       "Every line as the log has it; lines marked ≠ are not in every report (under the same "
                               "parent lines), and a folded line marked ◆ holds such lines.",
                                                                                    "ログにあるとおりの全行です。≠の付いた行はすべてのレポートにはない行"
                                                                                    "（同じ親行の下で比較）で、◆の付いた折りたたまれた行はそうした行を"
                                                                                    "含んでいます。"},
  {P::kLinesDiffer,            "{1} of {2} lines differ.",                          "{2}行中{1}行が異なります。"},
  {P::kDiffersInside,          "differs inside",                                    "内部に相違あり"},
  {P::kRunOfRuns,              "{1} (run {2} of {3})",                              "{1}（{3}回中{2}回目の実行）"},
  // The charts.
  {P::kMemoryChartName,        "Memory copy points against block size",            "ブロックサイズ別のメモリコピーのポイント"},
  {P::kCacheMarkL1,            "L1 data {1}",                                       "L1データ {1}"},
  {P::kBlockSizeAxis,          "block size (logarithmic: each step doubles it)",    "ブロックサイズ（対数目盛り: 1目盛りで2倍）"},
  {P::kPointsAxisLog,          "points (logarithmic: each step is tenfold)",        "ポイント（対数目盛り: 1目盛りで10倍）"},
  {P::kPointsAxis,             "points",                                            "ポイント"},
  {P::kPoints,                 "{1} points",                                        "{1}ポイント"},
  // The index.
  {P::kShownCount,             "{1} of {2} machines shown",                         "{2}台中{1}台を表示"},
  {P::kReference,              "Reference: {1}",                                    "基準機: {1}"},
  {P::kDotTitle,               "{1}: {2} integer, {3} floating-point points",       "{1}: 整数演算{2}、浮動小数点演算{3}ポイント"},
  {P::kTimeStampBenchmark,     "Time-stamp benchmark",                              "タイムスタンプベンチマーク"},
  {P::kSpeedBenchmark,         "Speed benchmark",                                   "スピードベンチマーク"},
  {P::kScatterCaptionOne,      "{1}: {2} machine",                                  "{1}: {2}台"},
  {P::kScatterCaptionMany,     "{1}: {2} machines",                                 "{1}: {2}台"},
  {P::kScatterHidden,          " ({1} without both figures not shown)",             "（両方の値がない{1}台は表示していません）"},
  {P::kScatterName,            "{1}, integer against floating-point points",        "{1}、整数演算と浮動小数点演算のポイント"},
  {P::kLegendMachine,          "Machine of the collection",                         "コレクションのマシン"},
  {P::kLegendReference,        "Reference machine",                                 "基準機"},
  {P::kCollectionTitleOne,     "a collection of {1} machine",                       "{1}台のコレクション"},
  {P::kCollectionTitleMany,    "a collection of {1} machines",                      "{1}台のコレクション"},
  {P::kIndexMadeFromOne,       "Made by vornak-report from {1} log and profile file",
                                                                                    "vornak-report で作成（ログとプロファイル{1}ファイル"},
  {P::kIndexMadeFromMany,      "Made by vornak-report from {1} log and profile files",
                                                                                    "vornak-report で作成（ログとプロファイル{1}ファイル"},
  {P::kIndexDuplicatesOne,     "; {1} run found more than once shown once",         "、複数回見つかった実行{1}件は1件として表示"},
  {P::kIndexDuplicatesMany,    "; {1} runs found more than once shown once",        "、複数回見つかった実行{1}件は1件として表示"},
  {P::kIndexSkippedOne,        "; {1} other file skipped",                          "、その他のファイル{1}個はスキップ"},
  {P::kIndexSkippedMany,       "; {1} other files skipped",                         "、その他のファイル{1}個はスキップ"},
  {P::kIndexUnreadable,        "; {1} that could not be read",                      "、読み込めなかったファイル{1}個"},
  {P::kIndexMadeEnd,           ".",                                                 "）。"},
  {P::kIndexChartsIntro,       "Each dot is a machine (its page a click away); the grey squares are the reference machines of "
                               "the report's compare tables. The time-stamp and the speed benchmarks run different kernels, "
                               "so their points are apart.",
                                                                                    "点の1つ1つがマシンで、クリックするとそのページを開きます。灰色の四角は"
                                                                                    "レポートの比較表にある基準機です。タイムスタンプとスピードの両ベンチ"
                                                                                    "マークは異なるカーネルを実行するため、グラフを分けています。"},
  {P::kMachines,               "Machines",                                          "マシン一覧"},
  {P::kFilterLabel,            "Filter by processor, vendor or Windows:",           "プロセッサ、ベンダー、Windows で絞り込み:"},
  {P::kVendor,                 "Vendor",                                            "ベンダー"},
  {P::kClockColumn,            "Clock (MHz)",                                       "クロック (MHz)"},
  {P::kMemoryColumn,           "Memory (KB)",                                       "メモリ (KB)"},
  {P::kBenchmarkColumn,        "Benchmark",                                         "ベンチマーク"},
  // The index's points columns: short in Japanese, where a head does not
  // break inside a word and the table must fit a screen's width.
  {P::kIntegerColumn,          "Integer points",                                    "整数演算"},
  {P::kFloatColumn,            "Float points",                                      "浮動小数点演算"},
  {P::kMemoryBlockColumn,      "Memory {1}",                                        "メモリ {1}"},
  {P::kFileColumn,             "File",                                              "ファイル"},
  {P::kTruncatedColumn,        "Truncated",                                         "途中終了"},
  {P::kTruncatedMark,          "truncated",                                         "途中終了"},
  {P::kSectionTimeStamp,       "time-stamp",                                        "タイムスタンプ"},
  {P::kSectionSpeed,           "speed",                                             "スピード"},
  // A machine's place in the collection.
  {P::kInTheCollection,        "In the collection",                                 "コレクション内の位置"},
  {P::kOneOf,                  "One of {1} machines of {2}.",                       "{2}にある{1}台のうちの1台です。"},
  {P::kTheCollection,          "the collection",                                    "コレクション"},
  {P::kSameRunFound,           " The same run was found in {1} files: {2}.",        "同じ実行が{1}個のファイルで見つかりました: {2}。"},
  {P::kRankHeading,            "Rank (1 is the fastest)",                           "順位（1位が最速）"},
  {P::kPointsHeading,          "Points",                                            "ポイント"},
  {P::kRank,                   "Rank",                                              "順位"},
  {P::kRankAmongTimeStamp,     "{1} of {2} machines of the time-stamp benchmark",   "タイムスタンプベンチマークの{2}台中{1}位"},
  {P::kRankAmongSpeed,         "{1} of {2} machines of the speed benchmark",        "スピードベンチマークの{2}台中{1}位"},
  {P::kRankOf,                 "{1} of {2}",                                        "{2}台中{1}位"},
  {P::kNotRanked,              "not ranked (no measurement)",                       "順位なし（測定値なし）"},
  {P::kNoMeasurement,          "no measurement",                                    "測定値なし"},
  {P::kInteger,                "Integer",                                           "整数演算"},
  {P::kFloatingPoint,          "Floating-point",                                    "浮動小数点演算"},
  {P::kMemoryBlocks,           "Memory, {1} blocks",                                "メモリ（{1}ブロック）"},
  {P::kNoBenchNoNeighbours,    "This machine has no processor benchmark, so it has no neighbours in its charts.",
                                                                                    "このマシンにはプロセッサベンチマークがないため、グラフで比べる"
                                                                                    "近いマシンはありません。"},
  {P::kNoNeighbours,           "No other machine of the collection ran the same processor benchmark with a figure to "
                               "compare, so this machine has no neighbours.",
                                                                                    "同じプロセッサベンチマークで比べられる値を持つマシンがコレクション内に"
                                                                                    "ほかにないため、このマシンに近いマシンはありません。"},
  {P::kNeighboursHeading,      "Its {1} nearest neighbours in integer and floating-point points",
                                                                                    "整数演算と浮動小数点演算のポイントが近いマシン{1}台"},
  {P::kThisMachineMark,        "(this machine)",                                    "（このマシン）"},
  {P::kNeighboursChart,        "Nearest neighbours, {1}",                           "近いマシン、{1}"},
};
// clang-format on

// A row per text, in the enumeration's order, so a text is found by its place.
constexpr bool InOrder() {
  size_t i = 0;
  for (const Row& r : kRows)
    if (static_cast<size_t>(r.text) != i++) return false;
  return i == static_cast<size_t>(PageText::kCount);
}
static_assert(InOrder(), "kRows: one row per PageText, in its order");

constexpr const char* kJapaneseText =
    "Meiryo,\"Yu Gothic\",\"MS PGothic\",\"ＭＳ Ｐゴシック\",\"Noto Sans CJK JP\",IPAexGothic,\"IPAPGothic\","
    "\"IPAGothic\",sans-serif";
constexpr const char* kJapaneseMono =
    "\"MS Gothic\",\"ＭＳ ゴシック\",\"Noto Sans Mono CJK JP\",\"IPAGothic\",monospace";

const PageFonts kFonts[] = {
    // The English pages' lists as they have always been.
    {"\"DejaVu Sans\",Arial,\"IPAGothic\",sans-serif", "\"DejaVu Sans Mono\",\"IPAGothic\",monospace",
     "\"DejaVu Sans\",sans-serif", "\"DejaVu Sans\",Arial,sans-serif", ""},
    // A Japanese word breaks between any two of its characters unless told
    // not to: a narrow column's head split "ベンチ/マーク". The summary's
    // heads are longer in Japanese than the English column is wide.
    {kJapaneseText, kJapaneseMono, kJapaneseText, kJapaneseText,
     "th,td{word-break:keep-all}.summary .corner{width:16em}\n"},
};

std::string ReplaceAll(std::string s, std::string_view from, std::string_view to) {
  for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
    s.replace(at, from.size(), to);
  return s;
}

// The text's pieces: literal runs and placeholders ({N}, N from 1 to 9, with
// an argument to take its place), in order.
template <class Literal, class Argument>
void Split(std::string_view text, size_t argCount, Literal literal, Argument argument) {
  size_t start = 0;
  for (size_t i = 0; i + 2 < text.size(); ++i) {
    if (text[i] != '{' || text[i + 2] != '}') continue;
    const char d = text[i + 1];
    if (d < '1' || d > '9' || static_cast<size_t>(d - '1') >= argCount) continue;
    if (i > start) literal(text.substr(start, i - start));
    argument(static_cast<size_t>(d - '1'));
    start = i + 3;
    i += 2;
  }
  if (start < text.size()) literal(text.substr(start));
}

}  // namespace

const char* LanguageCode(Language lang) { return lang == Language::kJapanese ? "ja" : "en"; }

const char* TextOf(PageText text, Language lang) {
  const Row& r = kRows[static_cast<size_t>(text)];
  return lang == Language::kJapanese ? r.japanese : r.english;
}

std::string Format(std::string_view text, std::initializer_list<std::string_view> args) {
  std::string out;
  Split(
      text, args.size(), [&](std::string_view s) { out += s; },
      [&](size_t n) { out += args.begin()[n]; });
  return out;
}

const PageFonts& FontsOf(Language lang) { return kFonts[lang == Language::kJapanese ? 1 : 0]; }

std::string StyleIn(std::string_view css, Language lang) {
  const PageFonts& f = FontsOf(lang);
  std::string s(css);
  s = ReplaceAll(std::move(s), "$TEXT", f.text);
  s = ReplaceAll(std::move(s), "$MONO", f.mono);
  s = ReplaceAll(std::move(s), "$MARK", f.mark);
  s = ReplaceAll(std::move(s), "$CHART", f.chart);
  s = ReplaceAll(std::move(s), "$RULES", f.rules);
  return ReplaceAll(std::move(s), "$DIFFERS", TextOf(PageText::kDiffersInside, lang));
}

std::string ScriptConcatenation(std::string_view text, std::initializer_list<std::string_view> args) {
  std::vector<std::pair<std::string, bool>> parts;  // (JavaScript, a string literal)
  Split(
      text, args.size(),
      [&](std::string_view s) {
        std::string quoted = "'";
        for (char c : s) {
          if (c == '\'' || c == '\\') quoted += '\\';
          quoted += c;
        }
        parts.emplace_back(quoted + "'", true);
      },
      [&](size_t n) { parts.emplace_back(std::string(args.begin()[n]), false); });
  // Two numbers first would be added, not joined.
  if (!(parts.size() > 0 && parts[0].second) && !(parts.size() > 1 && parts[1].second))
    parts.insert(parts.begin(), {"''", true});
  std::string out;
  for (const auto& p : parts) out += (out.empty() ? "" : " + ") + p.first;
  return out;
}

}  // namespace vornak
