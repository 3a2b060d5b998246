#pragma once
// The four module screen models a program holds for a whole run (the desktop window owns
// one set; the command line loads one from a settings file).
#include "modules/dc_screen.h"
#include "modules/frq.h"
#include "modules/rtd.h"
#include "modules/thermo.h"

namespace setrix {

// Module kinds, as the note, the settings and the documentation use them; None: no module
// screen is active.
enum class ModuleKind { None = 0, DC = 1, Thermo = 2, RTD = 3, FRQ = 4 };

struct ModuleModels {
  DcScreen dc;
  ThermoModel thermo;
  RtdModel rtd;
  FrqModel frq;
};

}  // namespace setrix
