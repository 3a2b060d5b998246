#pragma once
// What the DC screen shows for one task, for `setrix-cli dc`: the instruction texts, the
// two-step procedure, the service tables; as JSON and as readable text.
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "devices/module_run.h"
#include "modules/dc_calc.h"
#include "modules/dc_screen.h"

namespace setrix::cli {

// The DC screen run for a task and its two steps live with the device runs.
using devices::DcScreenRun;
using devices::DcStepScreen;
using devices::RunDcScreen;

// The instruction texts as the screen shows them (a hidden label shows "").
nlohmann::ordered_json DcScreenTextsJson(const DcScreen& screen);
// The service screens: three result grids, the evaluation grid and the five labels.
nlohmann::ordered_json DcServiceJson(const DcServiceTables& service);
// The keys the screen adds to the `dc` JSON: twoStep, screen, helpPanelVisible, documentable,
// message (when refused), service and, in the two-step case, steps.
void AddDcScreenJson(nlohmann::ordered_json& out, const DcScreenRun& run);

// "On the screen:" and the instructions as the screen words them, one label after the other,
// continuation lines under the first; in the two-step case the note and both steps with their
// banks (switch 3 of S3 following the bandwidth, as the documents show it).
std::string DcScreenText(const DcScreenRun& run);

}  // namespace setrix::cli
