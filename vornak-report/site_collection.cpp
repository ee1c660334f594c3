#include "vornak-report/site_collection.h"

#include <algorithm>
#include <cmath>

namespace vornak::site {

namespace {

uint64_t Hash(const std::string& bytes, uint64_t seed) {
  // FNV-1a from a seeded start, then a final mix so close seeds differ.
  uint64_t h = 1469598103934665603ULL ^ (seed * 0x9E3779B97F4A7C15ULL);
  for (unsigned char c : bytes) {
    h ^= c;
    h *= 1099511628211ULL;
  }
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDULL;
  return h ^ (h >> 33);
}

// A run's log as a conversion to LF leaves it. A run's line ends are its
// first line's (docs/log-format.md): in a CR LF run every CR LF goes, the
// one a win.ini line kept from its file too; an LF run is left as it is (a
// CR before its LF is a line's text).
std::string LfLines(const std::string& log) {
  const size_t lf = log.find('\n');
  if (lf == std::string::npos || lf == 0 || log[lf - 1] != '\r') return log;
  std::string out;
  out.reserve(log.size());
  for (size_t i = 0; i < log.size(); ++i)
    if (!(log[i] == '\r' && i + 1 < log.size() && log[i + 1] == '\n')) out += log[i];
  return out;
}

std::optional<uint32_t> Measured(const std::optional<html::BenchFigure>& f) {
  if (!f || f->time == 0) return std::nullopt;
  return f->points;
}

}  // namespace

Figures FiguresOf(const html::MachineFacts& facts) {
  Figures f;
  f.bench = facts.bench;
  if (facts.bench != html::ProcessorBench::None) {
    f.integer = Measured(facts.integer);
    f.floating = Measured(facts.floating);
  }
  for (const html::MemoryPoint& p : facts.memory) {
    if (!p.measured) continue;
    if (p.blockKB == 16) f.mem16K = p.figure.points;
    if (p.blockKB == 512) f.mem512K = p.figure.points;
    if (p.blockKB == 4096) f.mem4M = p.figure.points;
  }
  return f;
}

std::pair<size_t, bool> DuplicateIndex::Add(const std::string& log) {
  if (log.empty()) return {count_++, true};
  const std::string lines = LfLines(log);
  const auto key = std::make_pair(std::make_pair(Hash(lines, 1), Hash(lines, 2)), lines.size());
  const auto [it, added] = keys_.emplace(key, count_);
  if (added) ++count_;
  return {it->second, added};
}

std::vector<Rank> RankValues(const std::vector<std::optional<uint32_t>>& values, const std::vector<int>& group) {
  std::vector<Rank> ranks(values.size());
  std::map<int, std::vector<uint32_t>> sorted;  // each group's values, highest first
  for (size_t i = 0; i < values.size(); ++i)
    if (values[i] && group[i] >= 0) sorted[group[i]].push_back(*values[i]);
  for (auto& [g, v] : sorted) std::sort(v.begin(), v.end(), std::greater<uint32_t>());
  for (size_t i = 0; i < values.size(); ++i) {
    if (!values[i] || group[i] < 0) continue;
    const std::vector<uint32_t>& v = sorted[group[i]];
    // 1 + how many are strictly higher.
    const auto higher = std::lower_bound(v.begin(), v.end(), *values[i], std::greater<uint32_t>());
    ranks[i] = {static_cast<size_t>(higher - v.begin()) + 1, v.size()};
  }
  return ranks;
}

NeighbourFinder::NeighbourFinder(const std::vector<Figures>& machines) {
  auto log = [](const std::optional<uint32_t>& p) -> std::optional<double> {
    if (!p) return std::nullopt;
    // 0 points (a time past 50,000,000 ms) sit with 1 point, at the scale's end.
    return std::log(static_cast<double>(std::max<uint32_t>(*p, 1)));
  };
  for (const Figures& f : machines) points_.push_back({f.bench, log(f.integer), log(f.floating)});
}

std::vector<size_t> NeighbourFinder::Near(size_t self, size_t count) const {
  const Point& me = points_[self];
  if (me.bench == html::ProcessorBench::None) return {};
  std::vector<std::pair<double, size_t>> near;
  for (size_t j = 0; j < points_.size(); ++j) {
    const Point& o = points_[j];
    if (j == self || o.bench != me.bench) continue;
    double d = 0;
    int shared = 0;
    for (auto part : {&Point::integer, &Point::floating}) {
      if (!(me.*part) || !(o.*part)) continue;
      const double delta = *(me.*part) - *(o.*part);
      d += delta * delta;
      ++shared;
    }
    // Rounded, so that distances equal but for the last bits tie; by floor,
    // since the C library's round compares with FCOMI, which the 486 lacks
    // (d is a sum of squares, never negative).
    if (shared) near.emplace_back(std::floor(d * 1e9 + 0.5), j);
  }
  const size_t n = std::min(count, near.size());
  std::partial_sort(near.begin(), near.begin() + static_cast<std::ptrdiff_t>(n), near.end());
  std::vector<size_t> out;
  for (size_t i = 0; i < n; ++i) out.push_back(near[i].second);
  return out;
}

std::vector<Standing> Standings(const std::vector<Figures>& machines, size_t neighbours) {
  const size_t n = machines.size();
  std::vector<int> kind(n), all(n, 0);
  for (size_t i = 0; i < n; ++i)
    kind[i] = machines[i].bench == html::ProcessorBench::None ? -1 : static_cast<int>(machines[i].bench);
  auto ranks = [&](std::optional<uint32_t> Figures::*part, const std::vector<int>& group) {
    std::vector<std::optional<uint32_t>> values;
    for (const Figures& f : machines) values.push_back(f.*part);
    return RankValues(values, group);
  };
  const std::vector<Rank> integer = ranks(&Figures::integer, kind), floating = ranks(&Figures::floating, kind);
  const std::vector<Rank> m16 = ranks(&Figures::mem16K, all), m512 = ranks(&Figures::mem512K, all),
                          m4 = ranks(&Figures::mem4M, all);
  const NeighbourFinder finder(machines);
  std::vector<Standing> out(n);
  for (size_t i = 0; i < n; ++i) out[i] = {integer[i], floating[i], m16[i], m512[i], m4[i], finder.Near(i, neighbours)};
  return out;
}

}  // namespace vornak::site
