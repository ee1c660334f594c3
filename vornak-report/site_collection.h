// A collection of machines as the site shows it: each machine once however
// often its run was found, its ranks among the others and its nearest
// neighbours. Pure computation over the summaries; site_build.cpp reads the
// files and writes the pages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "vornak-report/html_report.h"

namespace vornak::site {

// The figures a machine is ranked and placed by; nothing where the report
// has no measurement.
struct Figures {
  html::ProcessorBench bench = html::ProcessorBench::None;
  std::optional<uint32_t> integer, floating;
  std::optional<uint32_t> mem16K, mem512K, mem4M;  // block-copy points
};

// Figures out of the facts the page reads.
Figures FiguresOf(const html::MachineFacts& facts);

// Runs told apart by their report's lines, whatever their line ends: the
// same run found twice (a log copied, a profile beside the log it made, a
// copy an editor or a mail program converted to LF) is one machine. Two
// 64-bit hashes of different seeds and the length stand for the lines, so a
// thousand reports are not kept in memory to be compared.
class DuplicateIndex {
 public:
  // The index of the machine whose run has this log (its lines, each ended
  // by CR LF, or by LF once converted), and whether it is new (then it is
  // the next index, counted from 0). A run without a whole line is always
  // new: it holds nothing to tell it by.
  std::pair<size_t, bool> Add(const std::string& log);
  size_t Size() const { return count_; }

 private:
  std::map<std::pair<std::pair<uint64_t, uint64_t>, size_t>, size_t> keys_;
  size_t count_ = 0;
};

// Where a value stands: 1 for the highest; equal values share a rank (the
// next is counted past them: 1, 2, 2, 4). `of` counts the values ranked.
struct Rank {
  size_t rank = 0, of = 0;
};

// The ranks of `values` within their `group` (values of different groups
// are never compared; a value without a group, -1, or without a value is
// not ranked, rank 0).
std::vector<Rank> RankValues(const std::vector<std::optional<uint32_t>>& values, const std::vector<int>& group);

// The machines nearest to a machine in integer and floating-point points:
// of the same benchmark kind, on logarithmic scales (a machine twice as
// fast is as far above as one half as fast is below), over the figures both
// have. Machines sharing no figure with it are never neighbours; equal
// distances keep the collection's order.
class NeighbourFinder {
 public:
  explicit NeighbourFinder(const std::vector<Figures>& machines);
  // Up to `count` machines nearest to machine `self`, nearest first.
  std::vector<size_t> Near(size_t self, size_t count) const;

 private:
  struct Point {
    html::ProcessorBench bench;
    std::optional<double> integer, floating;  // log(points), 0 for 0
  };
  std::vector<Point> points_;
};

// A machine's place in the collection: its ranks (integer and float among
// machines of its benchmark kind, whose points share a scale; memory among
// all) and its nearest neighbours.
struct Standing {
  Rank integer, floating, mem16K, mem512K, mem4M;
  std::vector<size_t> neighbours;
};

std::vector<Standing> Standings(const std::vector<Figures>& machines, size_t neighbours);

}  // namespace vornak::site
