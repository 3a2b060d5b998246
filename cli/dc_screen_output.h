#pragma once
// What the DC screen shows for one task, for `setrix-cli dc`: the instruction texts, the
// two-step procedure, the service tables; as JSON and as readable text.
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "modules/dc_calc.h"
#include "modules/dc_screen.h"

namespace setrix::cli {

// The screen after the technician has chosen the units and the bandwidth of `task`, typed
// its four entries and, unless the two-step mode came up, pressed "Calculate settings".
struct DcScreenRun {
  DcScreen screen;
  std::optional<DcMessage> message;  // the message box of refused entries
};
DcScreenRun RunDcScreen(const DcConfig& task);

// The screen after one of the two step buttons (step 1 or 2).
DcScreen DcStepScreen(const DcScreen& screen, int step);

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
