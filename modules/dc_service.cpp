#include "modules/dc_service.h"

#include "modules/dc_tables.h"
#include "modules/numbers.h"

namespace setrix {

namespace {

constexpr std::size_t kInputCount = 16;
constexpr std::size_t kOutputCount = 6;

void WriteRangeNames(DcServiceTables::ResultGrid& grid) {
  for (std::size_t r = 0; r < kInputCount; ++r) grid[r + 1][0] = std::string(InputRanges[r].name);
  for (std::size_t c = 0; c < kOutputCount; ++c) grid[0][c + 1] = std::string(OutputRanges[c].name);
}

}  // namespace

void DcServiceTables::WriteHeadings() {
  for (auto& row : SGridDaten) row.fill(std::string());
  SGridDaten[0][0] = "Eing.\\Ausg.";
  WriteRangeNames(SGridDaten);
  WriteRangeNames(SGridSpan);
  WriteRangeNames(SGridZero);
  LabelInVerpolt.clear();
  LabelOutVerpolt.clear();
  LabelV.clear();
  LabelInU.clear();
}

void DcServiceTables::WritePolarity(bool inReversed, bool outReversed) {
  if (inReversed) LabelInVerpolt = "Eingang verpolt";
  if (outReversed) LabelOutVerpolt = "Ausgang verpolt";
}

void DcServiceTables::WriteMatrix(const DcConfig& config) {
  LabelV = "Verstärkung = " + FormatNumber("%5.5g", config.gain);
  for (std::size_t r = 0; r < kInputCount; ++r) {
    for (std::size_t c = 0; c < kOutputCount; ++c) {
      const TCellRec& cell = config.rangeMatrix[r][c];
      SGridSpan[r + 1][c + 1] = FormatNumber("%5.3g", cell.spanRatio);
      SGridZero[r + 1][c + 1] = FormatNumber("%5.5g", cell.zeroPercent);
      SGridDaten[r + 1][c + 1] = cell.markers.Text();
    }
  }
  LabelInU = "Übersteuerung = " + FormatNumber("%5.5g", config.overdrive);
}

void DcServiceTables::WriteEvalList(const DcConfig& config) {
  const auto& list = config.evalList;
  SGridAW.assign(list.empty() ? 2 : list.size() + 1, EvalRow{});
  SGridAW[0] = {"Eingang", "Ausgang", "Zero-Poti", "Zero", "Span-Poti", "Span"};
  for (std::size_t i = 0; i < list.size(); ++i) {
    const TEvalRec& e = list[i];
    SGridAW[i + 1] = {std::string(InputRanges[static_cast<std::size_t>(e.inIndex)].name),
                      std::string(OutputRanges[static_cast<std::size_t>(e.outIndex)].name),
                      e.zeroPot ? "Ja" : "Nein",
                      FormatNumber("%5.5g", e.zeroPercent),
                      e.spanPot ? "Ja" : "Nein",
                      FormatNumber("%5.5g", e.spanRatio)};
  }
}

void DcServiceTables::WriteEvalIndex(const DcConfig& config) {
  LabelfIndex = "fIndex = " + std::to_string(config.evalIndex);
}

}  // namespace setrix
