#pragma once
// The printed documentation of the four modules: one print job each, with one page, or two
// for the DC isolator's two-step case and the frequency converter's modes with more than one
// step. Everything printed is read from the module's screen model at the moment of printing,
// in the current language; the note beside "Note:" is the module's user text.
//
// An error while printing ends the print job with the pages drawn so far, releases the
// scratch image and reaches the caller unchanged, with its own text.
#include <string_view>

#include "modules/dc_screen.h"
#include "modules/frq.h"
#include "modules/rtd.h"
#include "modules/thermo.h"
#include "printing/page_sink.h"
#include "printing/printout.h"

namespace setrix::sheets {
class TPDFForm;
}

namespace setrix::printing {

// The DC two-step case and the frequency converter set the layout form's scratch banks.
void PrintDCDocumentation(PageSink& printer, sheets::TPDFForm& form, const DcScreen& dc, std::string_view userText,
                          const PrintOptions& options);
void PrintThermoDocumentation(PageSink& printer, const ThermoModel& thermo, std::string_view userText,
                              const PrintOptions& options);
void PrintRTDDocumentation(PageSink& printer, const RtdModel& rtd, std::string_view userText,
                           const PrintOptions& options);
// The frequency entries are printed as they stand (FrqSettleEntries first).
void PrintFRQDocumentation(PageSink& printer, sheets::TPDFForm& form, const FrqModel& frq,
                           std::string_view userText, const PrintOptions& options);

}  // namespace setrix::printing
