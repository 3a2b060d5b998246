#pragma once
// The module screen models owned by the main window for the whole run.
#include "modules/module_models.h"

namespace setrix::app {

struct Models : ModuleModels {};

}  // namespace setrix::app
