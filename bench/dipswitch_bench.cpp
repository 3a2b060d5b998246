// Drawing a DIP switch bank into a bitmap, as the documentation does for every bank it prints.
#include <benchmark/benchmark.h>

#include "dipswitch/dipswitch.h"

using namespace setrix::dipswitch;

namespace {

// An 8-switch bank with a pattern, into a colour picture (depth 24) or a document's
// black-and-white one (depth 1).
void DrawToBitmapEightSwitches(benchmark::State& state) {
  const bool bw = state.range(0) != 0;
  TDIPSwitch bank;
  TDIPSwitchObject& s = bank.SwitchSettings();
  s.SetAlignment(TDIPAlignment::Deg_180);
  s.SetBMP_BW(bw);
  s.SetValue(0xA5);
  for (auto _ : state) {
    setrix::raster::Bitmap picture(0, 0, bw ? 1 : 24);
    DrawToBitmap(s, picture);
    benchmark::DoNotOptimize(picture.Indexed() ? picture.IndexPixels(0) : nullptr);
  }
  state.SetLabel(bw ? "black and white, 1 bit" : "BMP_ colours, 24 bit");
}
BENCHMARK(DrawToBitmapEightSwitches)->Arg(0)->Arg(1);

// Setting a new value on a painted control: the lever redraw of every switch.
void ValueChangeOnCanvas(benchmark::State& state) {
  TDIPSwitch bank;
  setrix::raster::Bitmap canvas;
  BitmapTarget target(canvas);
  bank.Paint(target);
  std::int32_t v = 0;
  for (auto _ : state) {
    bank.SwitchSettings().SetValue(v);
    v = (v + 37) & 0xFF;
  }
}
BENCHMARK(ValueChangeOnCanvas);

}  // namespace
