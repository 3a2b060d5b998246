// The settings object: defaults, Value and SetSwitch, the undefined flags, and when the
// control draws what.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dipswitch/dipswitch.h"

using namespace setrix::dipswitch;
using setrix::raster::Bitmap;

namespace {

// Draws into a bitmap and counts the slot fills, so a test sees what a change redrew.
class CountingTarget : public DrawTarget {
 public:
  Bitmap bitmap{0, 0, 24};
  int sizeCalls = 0, fills = 0;
  void SetSize(int w, int h) override {
    ++sizeCalls;
    inner_.SetSize(w, h);
  }
  void SetPixel(int x, int y, Color c) override { inner_.SetPixel(x, y, c); }
  void FillRect(int l, int t, int r, int b, Color c) override {
    ++fills;
    inner_.FillRect(l, t, r, b, c);
  }
  void Reset() { fills = sizeCalls = 0; }

 private:
  BitmapTarget inner_{bitmap};
};

enum class Lever { Empty, On, Off };

// Reads slot k of an 8-switch Deg_0 picture drawn in screen colours: red at the top end is
// ON, red at the bottom end OFF, silver at both ends an empty slot.
Lever LeverAt(const Bitmap& b, int k) {
  const int x = 8 * k - 2;  // middle column of the slot
  const bool top = b.ColorAt(x, 11) == setrix::raster::ToRgb(colors::kRed);
  const bool bottom = b.ColorAt(x, 23) == setrix::raster::ToRgb(colors::kRed);
  if (top && !bottom) return Lever::On;
  if (bottom && !top) return Lever::Off;
  EXPECT_FALSE(top || bottom) << "slot " << k << " red at both ends";
  return Lever::Empty;
}

std::vector<Lever> Levers(const Bitmap& b) {
  std::vector<Lever> v;
  for (int k = 1; k <= 8; ++k) v.push_back(LeverAt(b, k));
  return v;
}

constexpr Lever E = Lever::Empty, N = Lever::On, F = Lever::Off;

}  // namespace

TEST(DipSwitchSettings, Defaults) {
  TDIPSwitch sw;
  const TDIPSwitchObject& s = sw.SwitchSettings();
  EXPECT_EQ(s.Count(), 8);
  EXPECT_EQ(s.Alignment(), TDIPAlignment::Deg_0);
  EXPECT_EQ(s.Value(), -1);
  EXPECT_FALSE(s.BMP_BW());
  EXPECT_FALSE(s.Force());
  EXPECT_EQ(&s.Control(), &sw);
  const Color screen[] = {s.DIPColor(),     s.DotColor(),   s.TextColor(),
                          s.DotBackColor(), s.FrameColor(), s.ShadowColor()};
  const Color bmp[] = {s.BMP_DIPColor(),     s.BMP_DotColor(),   s.BMP_TextColor(),
                       s.BMP_DotBackColor(), s.BMP_FrameColor(), s.BMP_ShadowColor()};
  const Color expected[] = {0x808080, 0xFF0000, 0xFFFFFF, 0xC0C0C0, 0x000000, 0x000000};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(screen[i], expected[i]) << i;
    EXPECT_EQ(bmp[i], expected[i]) << i;
  }
  // Every switch starts empty, also those a larger Count adds later.
  for (int k = 1; k <= 10; ++k) EXPECT_TRUE(s.Undefined(k)) << k;
  EXPECT_FALSE(sw.HasCanvas());
  EXPECT_FALSE(sw.BitmapMode());
}

TEST(DipSwitchSettings, CountOutsideTwoToTenIsRefused) {
  TDIPSwitch sw;
  for (int bad : {1, 11, 0, -3}) {
    try {
      sw.SwitchSettings().SetCount(bad);
      ADD_FAILURE() << bad << " accepted";
    } catch (const std::out_of_range& e) {
      EXPECT_EQ(std::string(e.what()), "Count: " + std::to_string(bad) + " is not accepted; use 2 to 10");
    }
  }
  EXPECT_EQ(sw.SwitchSettings().Count(), 8);
  sw.SwitchSettings().SetCount(2);
  sw.SwitchSettings().SetCount(10);
  EXPECT_EQ(sw.SwitchSettings().Count(), 10);
}

TEST(DipSwitchSettings, OnlyScreenPropertiesAskForARepaint) {
  TDIPSwitch sw;
  int repaints = 0;
  sw.OnRepaintNeeded = [&] { ++repaints; };
  TDIPSwitchObject& s = sw.SwitchSettings();
  s.SetCount(5);
  s.SetAlignment(TDIPAlignment::Deg_90);
  s.SetDIPColor(1);
  s.SetDotColor(2);
  s.SetTextColor(3);
  s.SetDotBackColor(4);
  s.SetFrameColor(5);
  s.SetShadowColor(6);
  EXPECT_EQ(repaints, 8);
  s.SetBMP_BW(true);
  s.SetBMP_DIPColor(1);
  s.SetBMP_DotColor(1);
  s.SetBMP_TextColor(1);
  s.SetBMP_DotBackColor(1);
  s.SetBMP_FrameColor(1);
  s.SetBMP_ShadowColor(1);
  s.SetValue(3);
  s.SetSwitch(1, false);
  EXPECT_EQ(repaints, 8);
  EXPECT_EQ(s.DIPColor(), 1u);
  EXPECT_EQ(s.ShadowColor(), 6u);
  EXPECT_TRUE(s.BMP_BW());
}

TEST(DipSwitchValue, ValueAndSetSwitchRules) {
  struct Step {
    enum { Value, Switch } kind;
    int a;         // value, or switch number
    bool on;       // for Switch
    int expected;  // Value afterwards
  };
  const struct {
    const char* name;
    int count;
    std::vector<Step> steps;
    std::vector<int> undefinedAfter;  // switches 1..count still empty at the end
  } cases[] = {
      {"plain value", 8, {{Step::Value, 5, false, 5}}, {}},
      {"bits above Count stay stored", 3, {{Step::Value, 0xF5, false, 0xF5}}, {}},
      {"switching on keeps them", 3, {{Step::Value, 0xF0, false, 0xF0}, {Step::Switch, 1, true, 0xF1}}, {}},
      {"switching off clears them", 3, {{Step::Value, 0xF7, false, 0xF7}, {Step::Switch, 2, false, 5}}, {}},
      {"switch on from -1", 8, {{Step::Switch, 4, true, 8}}, {1, 2, 3, 5, 6, 7, 8}},
      {"switch off from -1", 8, {{Step::Switch, 4, false, 0}}, {1, 2, 3, 5, 6, 7, 8}},
      {"negative value empties every slot",
       8,
       {{Step::Value, 9, false, 9}, {Step::Value, -7, false, -7}},
       {1, 2, 3, 4, 5, 6, 7, 8}},
      {"switch 0 does nothing", 8, {{Step::Value, 2, false, 2}, {Step::Switch, 0, true, 2}}, {}},
      {"switches outside the bank do nothing",
       8,
       {{Step::Value, 2, false, 2},
        {Step::Switch, 9, true, 2},
        {Step::Switch, 9, false, 2},
        {Step::Switch, 31, true, 2},
        {Step::Switch, -1, true, 2}},
       {}},
      {"ten switches", 10, {{Step::Value, 0x3FF, false, 0x3FF}, {Step::Switch, 10, false, 0x1FF}}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TDIPSwitch sw;
    TDIPSwitchObject& s = sw.SwitchSettings();
    s.SetCount(c.count);
    for (const Step& st : c.steps) {
      if (st.kind == Step::Value)
        s.SetValue(st.a);
      else
        s.SetSwitch(st.a, st.on);
      EXPECT_EQ(s.Value(), st.expected);
    }
    for (int k = 1; k <= c.count; ++k) {
      const bool expectUndefined =
          std::find(c.undefinedAfter.begin(), c.undefinedAfter.end(), k) != c.undefinedAfter.end();
      EXPECT_EQ(s.Undefined(k), expectUndefined) << "switch " << k;
      if (s.Value() >= 0) {
        EXPECT_EQ(s.SwitchOn(k), ((s.Value() >> (k - 1)) & 1) != 0) << k;
      }
    }
  }
}

TEST(DipSwitchDrawing, AValueSetBeforeTheFirstPaintShowsAtThatPaint) {
  TDIPSwitch sw;
  sw.SwitchSettings().SetValue(5);  // no canvas yet: nothing to draw on, no crash
  EXPECT_FALSE(sw.HasCanvas());
  CountingTarget canvas;
  sw.Paint(canvas);
  EXPECT_EQ(Levers(canvas.bitmap), (std::vector<Lever>{N, F, N, F, F, F, F, F}));
}

TEST(DipSwitchDrawing, ValueChangesRedrawOnlyTheirSlots) {
  TDIPSwitch sw;
  TDIPSwitchObject& s = sw.SwitchSettings();
  CountingTarget canvas;
  sw.Paint(canvas);
  EXPECT_EQ(Levers(canvas.bitmap), std::vector<Lever>(8, E));

  canvas.Reset();
  s.SetValue(0x81);
  EXPECT_EQ(canvas.sizeCalls, 0);  // no full repaint
  EXPECT_EQ(canvas.fills, 2 * 8);  // slot background and lever for every switch
  EXPECT_EQ(Levers(canvas.bitmap), (std::vector<Lever>{N, F, F, F, F, F, F, N}));

  canvas.Reset();
  s.SetValue(0x81);  // the same value again draws nothing
  EXPECT_EQ(canvas.fills, 0);

  canvas.Reset();
  s.SetValue(-1);
  EXPECT_EQ(canvas.fills, 8);  // slot backgrounds only
  EXPECT_EQ(Levers(canvas.bitmap), std::vector<Lever>(8, E));

  canvas.Reset();
  sw.Paint(canvas);  // a full repaint always redraws every lever
  EXPECT_EQ(canvas.sizeCalls, 1);
  EXPECT_GE(canvas.fills, 8 + 8);
}

TEST(DipSwitchDrawing, SwitchSetFromNoValueShowsAloneUntilTheNextRepaint) {
  TDIPSwitch sw;
  CountingTarget canvas;
  sw.Paint(canvas);
  sw.SwitchSettings().SetSwitch(3, true);
  EXPECT_EQ(sw.SwitchSettings().Value(), 4);
  EXPECT_EQ(Levers(canvas.bitmap), (std::vector<Lever>{E, E, N, E, E, E, E, E}));
  sw.Paint(canvas);
  EXPECT_EQ(Levers(canvas.bitmap), (std::vector<Lever>{F, F, N, F, F, F, F, F}));
}

TEST(DipSwitchDrawing, BitsAboveCountAreNotShown) {
  TDIPSwitch sw;
  CountingTarget canvas;
  sw.SwitchSettings().SetValue(0x102);  // bit 8 belongs to no switch of an 8-bank
  sw.Paint(canvas);
  EXPECT_EQ(Levers(canvas.bitmap), (std::vector<Lever>{F, N, F, F, F, F, F, F}));
  EXPECT_EQ(sw.SwitchSettings().Value(), 0x102);
}

TEST(DipSwitchDrawing, DrawToBitmapLeavesTheScreenCanvasInCharge) {
  TDIPSwitch sw;
  TDIPSwitchObject& s = sw.SwitchSettings();

  // Before the first paint there is still no canvas afterwards.
  Bitmap early;
  DrawToBitmap(s, early);
  EXPECT_FALSE(sw.HasCanvas());
  const Bitmap untouched = early;
  s.SetValue(3);
  EXPECT_EQ(early, untouched);

  CountingTarget canvas;
  sw.Paint(canvas);
  Bitmap picture;
  DrawToBitmap(s, picture);
  EXPECT_FALSE(sw.BitmapMode());
  const Bitmap drawn = picture;
  canvas.Reset();
  s.SetSwitch(8, true);
  EXPECT_EQ(picture, drawn);  // the lever went to the screen canvas
  EXPECT_EQ(canvas.fills, 2);
  EXPECT_EQ(LeverAt(canvas.bitmap, 8), Lever::On);
}

TEST(DipSwitchDrawing, WidgetNotificationsAndPaintSwitch) {
  TDIPSwitch sw;
  std::vector<int> drawn;
  sw.OnSwitchDrawn = [&](int k) { drawn.push_back(k); };
  sw.SwitchSettings().SetValue(1);  // no canvas: nothing drawn, nothing to show
  EXPECT_TRUE(drawn.empty());

  CountingTarget canvas;
  sw.Paint(canvas);  // a full drawing reports no single levers
  Bitmap picture;
  sw.DrawToBitmap(picture);
  EXPECT_TRUE(drawn.empty());

  sw.SwitchSettings().SetSwitch(2, true);
  sw.SwitchSettings().SetValue(-1);
  EXPECT_EQ(drawn, (std::vector<int>{2, 1, 2, 3, 4, 5, 6, 7, 8}));

  // A widget replaying one slot onto a fresh copy of its last full picture.
  sw.SwitchSettings().SetSwitch(5, false);
  CountingTarget replay;
  replay.bitmap = Bitmap(71, 39, 24);
  sw.PaintSwitch(replay, 5);
  sw.PaintSwitch(replay, 6);
  EXPECT_EQ(LeverAt(replay.bitmap, 5), Lever::Off);
  EXPECT_EQ(LeverAt(replay.bitmap, 6), Lever::Empty);
  EXPECT_EQ(replay.sizeCalls, 0);
}
