#pragma once
// The DC isolator calculation: from the technician's task (input and output range with units,
// bandwidth) to the admissible range combinations, the chosen one and the DIP switch banks.
// Plain logic: entries in, results out.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "modules/dc_tables.h"

namespace setrix {

// Entry units and bandwidth choices, as the screen's lists index them.
inline constexpr int kDcInMilliAmpere = 0;
inline constexpr int kDcInMilliVolt = 1;
inline constexpr int kDcInVolt = 2;
inline constexpr int kDcOutMilliAmpere = 0;
inline constexpr int kDcOutVolt = 1;
inline constexpr int kDcBandwidthBelow10Hz = 0;   // "< 10 Hz"
inline constexpr int kDcBandwidthAbove10kHz = 1;  // "> 10 kHz"

// Outcome of the entry validation.
enum class DcCheck {
  Ok,
  EntryError,  // an entry is no number, or a unit is unknown
  InputSpanTooShort,
  OutputSpanTooShort,
  InputRangeTooLarge,
  OutputRangeTooLarge,
  GainOutOfRange,
};
// "Ok", "EntryError", ... (the enumerator's name).
std::string_view DcCheckName(DcCheck check);

// The tests of the range matrix that can fire on a cell, in test order.
enum class DcMarker : std::uint8_t {
  AE = 1 << 0,  // kinds do not match
  s = 1 << 1,   // the switches alone do not give the gain
  VE = 1 << 2,  // the SPAN potentiometer cannot reach the gain
  o = 1 << 3,   // the zero steps do not reach the offset
  VS = 1 << 4,  // the offset is out of reach
  U1 = 1 << 5,  // input stage overdriven
  U2 = 1 << 6,  // input stage overdriven after the gain
};

// The markers of a cell as flags; each test fires at most once per cell, so the flags and
// the test order give the text.
class DcMarkers {
 public:
  bool Has(DcMarker m) const { return (bits_ & static_cast<std::uint8_t>(m)) != 0; }
  void Set(DcMarker m) { bits_ = static_cast<std::uint8_t>(bits_ | static_cast<std::uint8_t>(m)); }
  bool Empty() const { return bits_ == 0; }
  // The markers that fired, in test order: "AE", "s", "VE", "o", "VS", "U1", "U2"
  // concatenated ("AEsVE"), "" for none.
  std::string Text() const;
  friend bool operator==(const DcMarkers&, const DcMarkers&) = default;

 private:
  std::uint8_t bits_ = 0;
};

// One combination of input range (row) and output range (column).
struct TCellRec {
  bool allowed = true;        // admissible
  bool zeroPot = false;       // the ZERO potentiometer must be trimmed
  bool spanPot = false;       // the SPAN potentiometer must be trimmed
  double zeroPercent = 0;     // zero offset needed, in percent of the output span
  double spanRatio = 0;       // nativeGain / gain
  std::int32_t zeroStep = 0;  // nearest zero step, 0..4 (ZeroSteps)
  double nativeGain = 0;      // output span / input range
  DcMarkers markers;          // the tests that fired; markers.Text() for the screens
};

// One admissible combination, copied from its cell.
struct TEvalRec {
  std::int32_t inIndex = 0;   // 0..15
  std::int32_t outIndex = 0;  // 0..5
  bool zeroPot = false;
  bool spanPot = false;
  double zeroPercent = 0;
  double spanRatio = 0;
  std::int32_t zeroStep = 0;
};

// Values of the three DIP switch banks: bit k-1 set means switch k ON; -1 means no setting.
struct DcBanks {
  std::int32_t s1 = -1;  // 10 switches
  std::int32_t s2 = -1;  // 5 switches
  std::int32_t s3 = -1;  // 3 switches
};

// The DC module's entries and calculation results.
struct DcConfig {
  // Entries, as typed or as stored.
  std::string inMinText;
  std::string inMaxText;
  std::string outMinText;
  std::string outMaxText;
  int inUnit = kDcInMilliAmpere;           // 0 mA, 1 mV, 2 V
  int outUnit = kDcOutVolt;                // 0 mA, 1 V
  int bandwidth = kDcBandwidthAbove10kHz;  // 0 "< 10 Hz", 1 "> 10 kHz"

  // Results. Limits in A or V after unit conversion and polarity folding (start <= end).
  double inStart = 0;
  double inEnd = 0;
  double outStart = 0;
  double outEnd = 0;
  bool inIsCurrent = false;
  bool outIsCurrent = false;
  bool inReversed = false;   // only the input side falls: wire the input reversed
  bool outReversed = false;  // only the output side falls
  double gain = 0;           // (outEnd - outStart) / (inEnd - inStart)
  double overdrive = 0;      // the larger of abs(inStart) and abs(inEnd)
  std::array<std::array<TCellRec, kDcOutputRangeCount>, kDcInputRangeCount> rangeMatrix{};
  std::vector<TEvalRec> evalList;  // admissible combinations, most preferred first
  std::int32_t evalIndex = 0;      // the chosen entry of evalList
  std::int32_t s1 = -1;
  std::int32_t s2 = -1;
  std::int32_t s3 = -1;

  std::string userText;  // the module's note; never touched by the calculation
};

// The whole calculation: validation, then (only when that says Ok) matrix, list, choice and
// banks. With an empty list, evalIndex stays 0 and the banks keep their values.
DcCheck CalculateDc(DcConfig& dc);

// Step 1: reads and checks the entries. On EntryError nothing changes; from the span checks on,
// the kind and polarity flags are already set; the limits are stored only with Ok.
DcCheck ValidateDcEntries(DcConfig& dc);
// Step 2: gain, overdrive and the 16 x 6 matrix from the validated limits.
void BuildRangeMatrix(DcConfig& dc);
// Step 3: the admissible cells, by potentiometer need, then output and input index descending.
void BuildEvalList(DcConfig& dc);
// Step 4: the first exact entry whose input range equals the entered magnitude, else entry 0.
void ChooseEvalIndex(DcConfig& dc);
// Step 5: the bank values for one combination; no setting for a record out of the tables.
DcBanks DcSwitchBanks(const TEvalRec& entry, int bandwidth);

// The potentiometer-need priority of a combination: 1 switches alone, 2 SPAN only,
// 3 ZERO only, 4 both.
int DcPriority(bool zeroPot, bool spanPot);

}  // namespace setrix
