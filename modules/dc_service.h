#pragma once
// The two DC service screens: the results screen (combination matrix with its markers, span
// ratios and zero offsets) and the evaluation screen (the ordered admissible combinations).
// They show the inside of the DC calculation for checking it against the module's data.
// Their texts are German only and never follow the language.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "modules/dc_calc.h"

namespace setrix {

// The content of the service screens. Grids are stored row by row: grid[row][column].
struct DcServiceTables {
  static constexpr std::size_t kRows = 17;    // heading row + 16 input ranges
  static constexpr std::size_t kColumns = 7;  // heading column + 6 output ranges
  static constexpr std::size_t kEvalColumns = 6;
  using ResultGrid = std::array<std::array<std::string, kColumns>, kRows>;
  using EvalRow = std::array<std::string, kEvalColumns>;

  // Results screen.
  ResultGrid SGridDaten;  // markers of every combination
  ResultGrid SGridSpan;   // span ratios
  ResultGrid SGridZero;   // zero offsets in percent
  std::string LabelInVerpolt;
  std::string LabelOutVerpolt;
  std::string LabelV;
  std::string LabelInU;

  // Evaluation screen: heading row first; it always has at least two rows.
  std::vector<EvalRow> SGridAW = std::vector<EvalRow>(2);
  std::string LabelfIndex;

  // What the DC screen's reset writes: SGridDaten emptied, the range names as headings of the
  // three result grids, the four labels emptied. The span, zero and evaluation cells keep
  // the last calculation.
  void WriteHeadings();
  // The polarity notes, written while the entries are validated.
  void WritePolarity(bool inReversed, bool outReversed);
  // After a successful calculation: gain, overdrive and the three result grids, then the
  // evaluation grid and the chosen index.
  void WriteMatrix(const DcConfig& config);
  void WriteEvalList(const DcConfig& config);
  void WriteEvalIndex(const DcConfig& config);
};

}  // namespace setrix
