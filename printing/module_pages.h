#pragma once
// The printed documentation of the four modules: one print job each, with one page, or two
// for the DC isolator's two-step case and the frequency converter's modes with more than one
// step. The pages lay out a document's content (sheets/content.h); the module entry points
// build it from the module's screen model in the current language, with the note beside
// "Note:" (the module's user text) and the date of the options. The model is only read.
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
#include "sheets/content.h"

namespace setrix::printing {

// A document of any module, in the language it was built in.
void PrintDocument(PageSink& printer, const sheets::Document& document, const PrintOptions& options);

void PrintDCDocumentation(PageSink& printer, const DcScreen& dc, std::string_view userText,
                          const PrintOptions& options);
void PrintThermoDocumentation(PageSink& printer, const ThermoModel& thermo, std::string_view userText,
                              const PrintOptions& options);
void PrintRTDDocumentation(PageSink& printer, const RtdModel& rtd, std::string_view userText,
                           const PrintOptions& options);
// The frequency entries are printed as they stand (FrqSettleEntries first).
void PrintFRQDocumentation(PageSink& printer, const FrqModel& frq, std::string_view userText,
                           const PrintOptions& options);

}  // namespace setrix::printing
