// The DC isolator calculation. Every comparison is exact unless a tolerance is written out:
// the same entries must give the same switches on every machine.
#include "modules/dc_calc.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "modules/numbers.h"

namespace setrix {

namespace {

// Magnitude limits of the entries (V or A).
constexpr double kMaxInputVolt = 200.001;
constexpr double kMaxInputAmpere = 0.1001;
constexpr double kMaxOutputVolt = 10.001;
constexpr double kMaxOutputAmpere = 0.020001;

// Gain window [lo, hi] by input kind (row: voltage, current) and output kind (column).
struct GainWindow {
  double lo, hi;
};
constexpr GainWindow kGainWindow[2][2] = {
    {{0.013333, 500}, {5.3333e-5, 1}},    // voltage input: voltage, current output
    {{26.667, 100000}, {0.106667, 200}},  // current input: voltage, current output
};

// The switches reach a zero offset within this many percentage points without trimming.
constexpr double kZeroTolerance = 0.101;

bool IsInputNamed(const TInputRec& in, std::string_view name) { return in.isCurrent == 1 && in.name == name; }

// Nearest zero step for a needed offset z (percent).
std::int32_t ZeroStepFor(double z) {
  if (z < -75) return 1;  // -100 %
  if (z < -25) return 2;  // -50 %
  if (z <= 25) return 0;  // 0 %
  if (z <= 75) return 3;  // +50 %
  return 4;               // +100 %
}

// Bank value from the pattern cells [first, first + count) of a row: bit i for cell i.
std::int32_t PatternBits(const TSwitchPattern& row, int first, int count, int shift) {
  std::int32_t bits = 0;
  for (int i = 0; i < count; ++i)
    if (row[static_cast<std::size_t>(first + i)] == 1) bits |= 1 << (shift + i);
  return bits;
}

}  // namespace

std::string_view DcCheckName(DcCheck check) {
  switch (check) {
    case DcCheck::Ok: return "Ok";
    case DcCheck::EntryError: return "EntryError";
    case DcCheck::InputSpanTooShort: return "InputSpanTooShort";
    case DcCheck::OutputSpanTooShort: return "OutputSpanTooShort";
    case DcCheck::InputRangeTooLarge: return "InputRangeTooLarge";
    case DcCheck::OutputRangeTooLarge: return "OutputRangeTooLarge";
    case DcCheck::GainOutOfRange: return "GainOutOfRange";
  }
  return "EntryError";
}

std::string DcMarkers::Text() const {
  static constexpr std::pair<DcMarker, std::string_view> kOrder[] = {
      {DcMarker::AE, "AE"}, {DcMarker::s, "s"},   {DcMarker::VE, "VE"}, {DcMarker::o, "o"},
      {DcMarker::VS, "VS"}, {DcMarker::U1, "U1"}, {DcMarker::U2, "U2"}};
  std::string text;
  for (const auto& [marker, name] : kOrder)
    if (Has(marker)) text += name;
  return text;
}

int DcPriority(bool zeroPot, bool spanPot) { return 1 + (spanPot ? 1 : 0) + (zeroPot ? 2 : 0); }

DcCheck ValidateDcEntries(DcConfig& dc) {
  // 1. All four entries are read, even after one has failed.
  double inS = 0, inE = 0, outS = 0, outE = 0;
  auto read = [](const std::string& text, double& v) {
    std::size_t cursor = 0;
    return ParseNumber(text, cursor, v);
  };
  bool ok = read(dc.inMinText, inS);
  ok = read(dc.inMaxText, inE) && ok;
  ok = read(dc.outMinText, outS) && ok;
  ok = read(dc.outMaxText, outE) && ok;
  // A unit outside the lists is as illegal as a text that is no number.
  const bool unitsKnown = dc.inUnit >= kDcInMilliAmpere && dc.inUnit <= kDcInVolt &&
                          (dc.outUnit == kDcOutMilliAmpere || dc.outUnit == kDcOutVolt);
  if (!ok || !unitsKnown) return DcCheck::EntryError;

  // 2. Units: from here on A and V.
  dc.inIsCurrent = dc.inUnit == kDcInMilliAmpere;
  if (dc.inUnit != kDcInVolt) {
    inS /= 1000;
    inE /= 1000;
  }
  dc.outIsCurrent = dc.outUnit == kDcOutMilliAmpere;
  if (dc.outIsCurrent) {
    outS /= 1000;
    outE /= 1000;
  }

  // 3. Polarity: a falling input onto a falling output is the rising task; a falling side
  // alone is wired reversed. Afterwards start <= end on both sides.
  dc.inReversed = inS > inE;
  dc.outReversed = outS > outE;
  if (dc.inReversed && dc.outReversed) {
    dc.inReversed = false;
    dc.outReversed = false;
    std::swap(inS, inE);
    std::swap(outS, outE);
  } else {
    if (dc.inReversed) {
      inS = -inS;
      inE = -inE;
    }
    if (dc.outReversed) {
      outS = -outS;
      outE = -outE;
    }
  }

  // 4.-5. Spans (equality only).
  if (inE == inS) return DcCheck::InputSpanTooShort;
  if (outE == outS) return DcCheck::OutputSpanTooShort;

  // 6.-7. Magnitudes.
  const double inLimit = dc.inIsCurrent ? kMaxInputAmpere : kMaxInputVolt;
  if (std::fabs(inS) > inLimit || std::fabs(inE) > inLimit) return DcCheck::InputRangeTooLarge;
  const double outLimit = dc.outIsCurrent ? kMaxOutputAmpere : kMaxOutputVolt;
  if (std::fabs(outS) > outLimit || std::fabs(outE) > outLimit) return DcCheck::OutputRangeTooLarge;

  // 8. Gain window of the kinds.
  const double w = std::fabs(outE - outS) / std::fabs(inE - inS);
  const GainWindow& win = kGainWindow[dc.inIsCurrent ? 1 : 0][dc.outIsCurrent ? 1 : 0];
  if (!(win.lo <= w && w <= win.hi)) return DcCheck::GainOutOfRange;

  // 9.
  dc.inStart = inS;
  dc.inEnd = inE;
  dc.outStart = outS;
  dc.outEnd = outE;
  return DcCheck::Ok;
}

namespace {

constexpr auto kRows = static_cast<std::size_t>(kDcInputRangeCount);
constexpr auto kColumns = static_cast<std::size_t>(kDcOutputRangeCount);

// What depends on the ranges alone, worked out once per process with the same operations
// the tests use, so that every cell sees the same values: the native gains, the gains the
// SPAN potentiometer reaches, and the two input ranges that the tests name.
struct RangeConstants {
  std::array<std::array<double, kDcOutputRangeCount>, kDcInputRangeCount> nativeGain{}, spanLowest{},
      spanHighest{};
  std::array<bool, kDcInputRangeCount> fixedSpan{};  // "0.3 mA": always trimmed with SPAN
  std::array<bool, kDcInputRangeCount> liveZero{};   // "4..20 mA": the narrow offset limit
};

const RangeConstants& Constants() {
  static const RangeConstants k = [] {
    RangeConstants t;
    for (std::size_t r = 0; r < kRows; ++r) {
      const TInputRec& in = InputRanges[r];
      t.fixedSpan[r] = IsInputNamed(in, "0.3 mA");
      t.liveZero[r] = IsInputNamed(in, "4..20 mA");
      for (std::size_t c = 0; c < kColumns; ++c) {
        const TOutputRec& out = OutputRanges[c];
        const double outSpan = out.rangeEnd - out.rangeStart;
        t.nativeGain[r][c] = outSpan / in.range;
        t.spanLowest[r][c] = t.nativeGain[r][c] / 3.304;
        t.spanHighest[r][c] = t.nativeGain[r][c] / 0.33;
      }
    }
    return t;
  }();
  return k;
}

}  // namespace

void BuildRangeMatrix(DcConfig& dc) {
  dc.gain = (dc.outEnd - dc.outStart) / (dc.inEnd - dc.inStart);
  dc.overdrive = std::max(std::fabs(dc.inEnd), std::fabs(dc.inStart));
  const RangeConstants& k = Constants();
  // The zero offset depends on the output range only (the live-zero row adds 25 below).
  std::array<double, kDcOutputRangeCount> zeroOffset{};
  for (std::size_t c = 0; c < kColumns; ++c) {
    const TOutputRec& out = OutputRanges[c];
    const double outSpan = out.rangeEnd - out.rangeStart;
    zeroOffset[c] = (dc.outStart - dc.inStart * dc.gain - out.rangeStart) * 100 / outSpan;
  }
  // Each cell depends only on its own ranges, so running the tests cell by cell in test order
  // gives the same cells and markers as running each test as a pass over the whole matrix.
  for (std::size_t r = 0; r < kRows; ++r) {
    const TInputRec& in = InputRanges[r];
    for (std::size_t c = 0; c < kColumns; ++c) {
      const TOutputRec& out = OutputRanges[c];
      // Worked in locals and stored field by field: building a whole cell and copying it
      // makes the processor wait for its own byte stores.
      bool allowed = true, zeroPot = false, spanPot = false;
      DcMarkers markers;
      auto mark = [&markers](DcMarker marker, bool& flag, bool value) {
        markers.Set(marker);
        flag = value;
      };

      // 1. kinds must match
      if (dc.inIsCurrent != (in.isCurrent == 1) || dc.outIsCurrent != (out.isCurrent == 1))
        mark(DcMarker::AE, allowed, false);
      // 2.
      const double nativeGain = k.nativeGain[r][c];
      const double spanRatio = nativeGain / dc.gain;
      // 3. the switches give exactly this gain only if it is the needed one
      if (nativeGain != dc.gain || k.fixedSpan[r]) mark(DcMarker::s, spanPot, true);
      // 4. the SPAN potentiometer reaches 0.33 .. 3.304 of the native gain
      if (k.spanLowest[r][c] > dc.gain || k.spanHighest[r][c] < dc.gain) mark(DcMarker::VE, allowed, false);
      // 5.
      double z = zeroOffset[c];
      if (r == static_cast<std::size_t>(kDcLiveZeroInput)) z += 25;
      // 6.
      const std::int32_t zeroStep = ZeroStepFor(z);
      if (std::fabs(z - ZeroSteps[static_cast<std::size_t>(zeroStep)]) > kZeroTolerance)
        mark(DcMarker::o, zeroPot, true);
      // 7. the offset the switches and the ZERO potentiometer can reach
      const double limit = k.liveZero[r] ? 25.1 : 125.1;
      if (z < -limit || z > limit) mark(DcMarker::VS, allowed, false);
      // 8.-9. overdrive of the input stage
      if (3 * in.range < dc.overdrive) mark(DcMarker::U1, allowed, false);
      if (dc.overdrive / (in.range * spanRatio) > 3) mark(DcMarker::U2, allowed, false);

      TCellRec& cell = dc.rangeMatrix[r][c];
      cell.allowed = allowed;
      cell.zeroPot = zeroPot;
      cell.spanPot = spanPot;
      cell.zeroPercent = z;
      cell.spanRatio = spanRatio;
      cell.zeroStep = zeroStep;
      cell.nativeGain = nativeGain;
      cell.markers = markers;
    }
  }
}

void BuildEvalList(DcConfig& dc) {
  // The list is ordered by priority, then output and input index descending: count the
  // admissible cells of each priority in one pass, then place each at its slot in a second.
  std::array<std::size_t, 6> start{};  // start[p + 1]: cells of priority p, then summed up
  for (const auto& row : dc.rangeMatrix)
    for (const TCellRec& cell : row)
      if (cell.allowed) ++start[static_cast<std::size_t>(DcPriority(cell.zeroPot, cell.spanPot)) + 1];
  for (std::size_t p = 1; p < start.size(); ++p) start[p] += start[p - 1];
  dc.evalList.resize(start[5]);
  for (int c = kDcOutputRangeCount - 1; c >= 0; --c) {
    for (int r = kDcInputRangeCount - 1; r >= 0; --r) {
      const TCellRec& cell = dc.rangeMatrix[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
      if (!cell.allowed) continue;
      std::size_t& slot = start[static_cast<std::size_t>(DcPriority(cell.zeroPot, cell.spanPot))];
      dc.evalList[slot++] =
          TEvalRec{r, c, cell.zeroPot, cell.spanPot, cell.zeroPercent, cell.spanRatio, cell.zeroStep};
    }
  }
}

void ChooseEvalIndex(DcConfig& dc) {
  dc.evalIndex = 0;
  const double a = std::fabs(dc.inStart);
  const double b = std::fabs(dc.inEnd);
  for (std::size_t i = 0; i < dc.evalList.size(); ++i) {
    const TEvalRec& e = dc.evalList[i];
    if (e.zeroPot || e.spanPot) break;
    const double range = InputRanges[static_cast<std::size_t>(e.inIndex)].range;
    if (range == a || range == b) {
      dc.evalIndex = static_cast<std::int32_t>(i);
      return;
    }
  }
}

DcBanks DcSwitchBanks(const TEvalRec& entry, int bandwidth) {
  const int r = entry.inIndex, c = entry.outIndex, k = entry.zeroStep;
  if (r < 0 || r >= kDcInputRangeCount || c < 0 || c >= kDcOutputRangeCount || k < 0 || k >= kDcZeroStepCount)
    return DcBanks{};
  const TSwitchPattern& in = InputSwitchPatterns[static_cast<std::size_t>(r)];
  const TSwitchPattern& out = OutputSwitchPatterns[static_cast<std::size_t>(c)];
  const TSwitchPattern& zero = ZeroSwitchPatterns[static_cast<std::size_t>(k)];
  DcBanks b;
  b.s1 = PatternBits(in, kDcS1Column, 4, 0) | PatternBits(out, kDcS1Column + 4, 3, 4) |
         PatternBits(zero, kDcS1Column + 7, 3, 7);
  b.s2 = PatternBits(in, kDcS2Column, 3, 0) | (entry.spanPot ? 0 : 1 << 3) | (entry.zeroPot ? 0 : 1 << 4);
  b.s3 = PatternBits(out, kDcS3Column, 2, 0) | (bandwidth == kDcBandwidthBelow10Hz ? 1 << 2 : 0);
  return b;
}

DcCheck CalculateDc(DcConfig& dc) {
  const DcCheck check = ValidateDcEntries(dc);
  if (check != DcCheck::Ok) return check;
  BuildRangeMatrix(dc);
  BuildEvalList(dc);
  ChooseEvalIndex(dc);
  if (!dc.evalList.empty()) {
    const DcBanks b = DcSwitchBanks(dc.evalList[static_cast<std::size_t>(dc.evalIndex)], dc.bandwidth);
    dc.s1 = b.s1;
    dc.s2 = b.s2;
    dc.s3 = b.s3;
  }
  return check;
}

}  // namespace setrix
