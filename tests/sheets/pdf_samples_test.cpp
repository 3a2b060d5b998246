// Writes one document per module, mode and language into $SETRIX_DOCS_SAMPLES for looking at
// them (pdftoppm -png -r 70). Not part of the normal run:
//   SETRIX_DOCS_SAMPLES=/tmp/samples ./docs_pdf_samples_test --gtest_also_run_disabled_tests
#include <gtest/gtest.h>

#include <cstdlib>

#include "doc_fixtures.h"
#include "sheets/pdf_layout.h"

namespace setrix::sheets::testing {
namespace {

TEST(PdfSamples, DISABLED_WriteSamples) {
  const char* dir = std::getenv("SETRIX_DOCS_SAMPLES");
  ASSERT_NE(dir, nullptr);
  fs::create_directories(dir);
  const char* codes[] = {"de", "en", "it", "es"};
  for (int language = 0; language < 4; ++language) {
    LanguageScope scope(language, language == 1 ? '.' : ',');
    TPDFForm form;
    form.DateText = [] { return "10.12.2026"; };
    const std::string l = codes[language];
    const auto path = [&](const std::string& name) {
      return (fs::path(dir) / (name + "_" + l + ".pdf")).string();
    };
    auto dc = DcTask("0", "7", DcUnitButton::RBtnEV, "0", "10", DcUnitButton::RBtnAV);
    form.SaveDCDocumentation(path("dc_pots"), *dc, "SN 4711 Ümlaut °C");
    auto dcPlain = DcTask("0", "10", DcUnitButton::RBtnEV, "0", "10", DcUnitButton::RBtnAV, true);
    form.SaveDCDocumentation(path("dc_plain"), *dcPlain, "");
    auto two = DcTwoStep(true);
    form.SaveDCDocumentation(path("dc_twostep"), *two, "A rather long note that is wider than the value column");
    ThermoModel thermo = Thermo(0, 2, 5, 2, 0, 1);
    form.SaveThermoDocumentation(path("thermo"), thermo, "Kessel 3");
    RtdModel rtd = Rtd(1, 3, 4, 1, 1, 0);
    form.SaveRTDDocumentation(path("rtd"), rtd, "RTD");
    for (int mode = 0; mode < 3; ++mode) {
      FrqModel frq = Frq(mode, "50", "1234", 3);
      form.SaveFRQDocumentation(path("frq_mode" + std::to_string(mode)), frq,
                                mode == 1   ? "A note long enough to be wider than the value column"
                                : mode == 2 ? "SN4711-0815/ABCDEFGHIJKLMNOPQRSTUVWXYZ.012345678"
                                            : "FRQ");
    }
  }
}

}  // namespace
}  // namespace setrix::sheets::testing
