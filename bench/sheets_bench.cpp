// Each module's PDF documentation filled from a computed screen and written into memory, as a
// save does it (the layout form is built once, as in the program), beside the PDF engine's
// two-page document, the yardstick the module documents are given as ratios to. The first
// document of a process also draws the document pictures; BM_DrawPictures shows that cost.
#include <benchmark/benchmark.h>

#include "bench/ratio_reporter.h"
#include "bench/two_page_document.h"
#include "modules/dc_screen.h"
#include "modules/frq.h"
#include "modules/rtd.h"
#include "modules/thermo.h"
#include "resources/pictures.h"
#include "sheets/content.h"
#include "sheets/pdf_layout.h"
#include "texts/texts.h"

namespace {

using namespace setrix;

sheets::TPDFForm& Form() {
  static sheets::TPDFForm form;
  return form;
}

// Builds a module's document and writes it into one buffer, kept from one document to the
// next as the engine's document keeps its own (and as a batch keeps it).
template <class Model, class Build>
void Document(benchmark::State& state, const Model& model, Build build, const char* note) {
  const sheets::ContentOptions options{texts::CurrentLanguage(), note, "10.12.2026"};
  std::string file;
  for (auto _ : state) {
    Form().Write(build(model, options), file);
    benchmark::DoNotOptimize(file.data());
  }
}

void BM_DcDocument(benchmark::State& state) {
  texts::SetCurrentLanguage(1);
  DcScreen dc;
  dc.RadioBtnClick(DcUnitButton::RBtnEV);
  dc.RadioBtnClick(DcUnitButton::RBtnAV);
  dc.EditChange(DcEdit::EditEMin, "0");
  dc.EditChange(DcEdit::EditEMax, "7");
  dc.EditChange(DcEdit::EditAMin, "0");
  dc.EditChange(DcEdit::EditAMax, "10");
  dc.BitBtnWeiterClick();
  Document(state, dc, sheets::DcDocument, "SN 4711");
}
BENCHMARK(BM_DcDocument);

void BM_DcTwoStepDocument(benchmark::State& state) {
  texts::SetCurrentLanguage(0);
  DcScreen dc;
  dc.RadioBtnClick(DcUnitButton::RBtnAV);
  dc.EditChange(DcEdit::EditEMin, "4");
  dc.EditChange(DcEdit::EditEMax, "20");
  dc.EditChange(DcEdit::EditAMin, "-10");
  dc.EditChange(DcEdit::EditAMax, "10");
  dc.Btn_DCStepOneClick();
  Document(state, dc, sheets::DcDocument, "SN 4711");
}
BENCHMARK(BM_DcTwoStepDocument);

void BM_ThermoDocument(benchmark::State& state) {
  texts::SetCurrentLanguage(1);
  ThermoModel m;
  ThermoUpdate(m);
  for (auto [list, index] : {std::pair{ThermoList::Type, 0},
                             {ThermoList::Start, 2},
                             {ThermoList::End, 5},
                             {ThermoList::Output, 2},
                             {ThermoList::Filter, 0},
                             {ThermoList::Manual, 1}})
    ThermoChoose(m, list, index);
  Document(state, m, sheets::ThermoDocument, "Boiler 3");
}
BENCHMARK(BM_ThermoDocument);

void BM_RtdDocument(benchmark::State& state) {
  texts::SetCurrentLanguage(2);
  RtdModel m;
  RtdUpdate(m);
  for (auto [list, index] : {std::pair{RtdList::Type, 1},
                             {RtdList::Start, 3},
                             {RtdList::End, 4},
                             {RtdList::Output, 1},
                             {RtdList::Response, 1},
                             {RtdList::Manual, 0}})
    RtdChoose(m, list, index);
  Document(state, m, sheets::RtdDocument, "");
}
BENCHMARK(BM_RtdDocument);

void BM_FrqDocument(benchmark::State& state) {
  texts::SetCurrentLanguage(3);
  FrqModel m;
  FrqUpdate(m);
  FrqChoose(m, FrqList::Mode, static_cast<int>(state.range(0)));
  FrqEntryChanged(m, FrqEntry::Lower, "50");
  FrqEntryChanged(m, FrqEntry::Upper, "1230");
  FrqChoose(m, FrqList::Output, 3);
  Document(state, m, sheets::FrqDocument, "Zähler");
}
BENCHMARK(BM_FrqDocument)->Arg(0)->Arg(1)->Arg(2);

void BM_TwoPageDocument(benchmark::State& state) {
  const raster::Bitmap board = bench::TwoPageBoard();
  std::string file;
  for (auto _ : state) {
    bench::WriteTwoPageDocument(board, file);
    benchmark::DoNotOptimize(file.data());
  }
}
BENCHMARK(BM_TwoPageDocument);

// Every document picture drawn anew, as the first document of a process has them drawn.
void BM_DrawPictures(benchmark::State& state) {
  for (auto _ : state)
    for (std::string_view name : resources::DocumentPictureNames())
      benchmark::DoNotOptimize(resources::DrawPicture(name));
}
BENCHMARK(BM_DrawPictures);

}  // namespace

int main(int argc, char** argv) { return setrix::bench::RunWithRatios(argc, argv, "BM_TwoPageDocument"); }
