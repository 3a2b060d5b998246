#pragma once
// `setrix-cli dc`: the DC isolator calculation from the command line, as JSON for scripts or
// as readable text for people.
#include <nlohmann/json.hpp>

#include <string>

#include "modules/dc_calc.h"

namespace setrix::cli {

// The result object: module, check, the flags, limits, matrix, evalList, evalIndex and banks,
// each key present as far as the calculation got.
nlohmann::ordered_json DcJson(const DcConfig& dc, DcCheck check);

// The task, the outcome in words, the chosen ranges, zero step, trimming and the three banks.
// Numbers use the process-wide decimal separator. For a two-step task only the task and
// the outcome: the steps bring their own banks.
std::string DcText(const DcConfig& dc, DcCheck check, bool twoStep = false);

}  // namespace setrix::cli
