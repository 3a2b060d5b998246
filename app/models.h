#pragma once
// The module screen models owned by the main window for the whole run.
#include "modules/dc_screen.h"
#include "modules/frq.h"
#include "modules/rtd.h"
#include "modules/thermo.h"

namespace setrix::app {

struct Models {
  DcScreen dc;
  ThermoModel thermo;
  RtdModel rtd;
  FrqModel frq;
};

}  // namespace setrix::app
