#pragma once
// The four module screen models a program holds for a whole run (the desktop window owns
// one set; the command line loads one from a settings file).
#include "modules/dc_screen.h"
#include "modules/frq.h"
#include "modules/rtd.h"
#include "modules/thermo.h"

namespace setrix {

struct ModuleModels {
  DcScreen dc;
  ThermoModel thermo;
  RtdModel rtd;
  FrqModel frq;
};

}  // namespace setrix
