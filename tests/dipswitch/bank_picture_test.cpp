// The bank's pictures, pixel for pixel, against reference pictures in data/ that were
// checked by eye, enlarged, against the drawing rules (see data/make_fixtures.py).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "dipswitch/dipswitch.h"
#include "raster/bitmap_io.h"

using namespace setrix::dipswitch;
using setrix::raster::Bitmap;
using setrix::raster::Rgb;

namespace {

enum class Mode { Screen, Bitmap, BlackWhite };

std::string DataPath(const std::string& name) { return std::string(SETRIX_TEST_DIR) + "/data/" + name; }

Bitmap Draw(int count, TDIPAlignment a, int value, Mode mode) {
  TDIPSwitch sw;
  TDIPSwitchObject& s = sw.SwitchSettings();
  s.SetCount(count);
  s.SetAlignment(a);
  s.SetValue(value);
  if (mode == Mode::Screen) {
    Bitmap canvas(0, 0, 24);  // starts white: the two pixels beyond the frame stay white
    BitmapTarget target(canvas);
    sw.Paint(target);
    return canvas;
  }
  s.SetBMP_BW(mode == Mode::BlackWhite);
  Bitmap picture(0, 0, mode == Mode::BlackWhite ? 1 : 24);
  DrawToBitmap(s, picture);
  return picture;
}

// Empty when equal; otherwise the size or the first differing pixels, and the drawn picture
// is left as a plain PPM in the temporary folder for a look.
std::string Compare(const Bitmap& actual, const Bitmap& expected, const std::string& name) {
  std::ostringstream out;
  if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
    out << "size " << actual.Width() << " x " << actual.Height() << ", expected " << expected.Width() << " x "
        << expected.Height();
  } else {
    int diffs = 0;
    for (int y = 0; y < actual.Height(); ++y)
      for (int x = 0; x < actual.Width(); ++x) {
        const Rgb a = actual.ColorAt(x, y), e = expected.ColorAt(x, y);
        if (a == e) continue;
        if (++diffs <= 8)
          out << "(" << x << "," << y << ") is " << int(a.r) << " " << int(a.g) << " " << int(a.b) << ", expected "
              << int(e.r) << " " << int(e.g) << " " << int(e.b) << "\n";
      }
    if (diffs) out << diffs << " pixels differ";
  }
  if (!out.str().empty()) {
    const auto dump = std::filesystem::temp_directory_path() / ("setrix_actual_" + name + ".ppm");
    (void)setrix::raster::WriteFileBytes(dump.string(),
                                         setrix::raster::EncodePpm(actual, setrix::raster::PnmEncoding::Plain));
    out << "\n(drawn picture: " << dump.string() << ")";
  }
  return out.str();
}

}  // namespace

TEST(BankPicture, MatchesTheCheckedReferences) {
  using A = TDIPAlignment;
  // 13 = switches 1, 3, 4 ON; 525 = switches 1, 3, 4, 10 ON: no alignment maps onto another.
  const struct {
    const char* file;
    int count;
    A alignment;
    int value;
    Mode mode;
  } cases[] = {
      {"bitmap_8_deg0_v13.ppm", 8, A::Deg_0, 13, Mode::Bitmap},
      {"bitmap_8_deg180_v13.ppm", 8, A::Deg_180, 13, Mode::Bitmap},
      {"bitmap_10_deg90_v525.ppm", 10, A::Deg_90, 525, Mode::Bitmap},
      {"bitmap_10_deg270_v525.ppm", 10, A::Deg_270, 525, Mode::Bitmap},
      {"bw_8_deg0_v13.pbm", 8, A::Deg_0, 13, Mode::BlackWhite},
      {"bw_8_deg180_v13.pbm", 8, A::Deg_180, 13, Mode::BlackWhite},
      {"bw_10_deg90_v525.pbm", 10, A::Deg_90, 525, Mode::BlackWhite},
      {"bw_10_deg270_v525.pbm", 10, A::Deg_270, 525, Mode::BlackWhite},
      {"screen_8_deg0_v13.ppm", 8, A::Deg_0, 13, Mode::Screen},
      {"screen_8_deg180_v13.ppm", 8, A::Deg_180, 13, Mode::Screen},
      {"screen_10_deg90_v525.ppm", 10, A::Deg_90, 525, Mode::Screen},
      {"screen_10_deg270_v525.ppm", 10, A::Deg_270, 525, Mode::Screen},
      {"screen_3_deg90_empty.ppm", 3, A::Deg_90, -1, Mode::Screen},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const Bitmap expected = setrix::raster::ReadImageFile(DataPath(c.file));
    const Bitmap actual = Draw(c.count, c.alignment, c.value, c.mode);
    EXPECT_EQ(Compare(actual, expected, std::filesystem::path(c.file).stem().string()), "");
  }
}

TEST(BankPicture, Sizes) {
  using A = TDIPAlignment;
  const struct {
    int count;
    A alignment;
    Mode mode;
    int w, h;
  } cases[] = {
      {8, A::Deg_0, Mode::Bitmap, 69, 37},   {8, A::Deg_180, Mode::BlackWhite, 69, 37},
      {10, A::Deg_90, Mode::Bitmap, 37, 85}, {10, A::Deg_270, Mode::BlackWhite, 37, 85},
      {8, A::Deg_0, Mode::Screen, 71, 39},   {10, A::Deg_90, Mode::Screen, 39, 87},
      {3, A::Deg_90, Mode::Screen, 39, 31},  {5, A::Deg_0, Mode::Bitmap, 45, 37},
      {2, A::Deg_270, Mode::Bitmap, 37, 21}, {10, A::Deg_0, Mode::Screen, 87, 39},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.count) + " at " + std::to_string(Degrees(c.alignment)));
    const Bitmap b = Draw(c.count, c.alignment, 0, c.mode);
    EXPECT_EQ(b.Width(), c.w);
    EXPECT_EQ(b.Height(), c.h);
    TDIPSwitch sw;
    sw.SwitchSettings().SetCount(c.count);
    sw.SwitchSettings().SetAlignment(c.alignment);
    const Size wanted = c.mode == Mode::Screen ? sw.ScreenSize() : sw.BitmapSize();
    EXPECT_EQ(wanted, (Size{c.w, c.h}));
  }
}

// The reference pictures use the default colours, where screen and BMP_ colours agree; here
// every colour differs, so each drawing must take its own set.
TEST(BankPicture, EachModeDrawsWithItsOwnColours) {
  TDIPSwitch sw;
  TDIPSwitchObject& s = sw.SwitchSettings();
  s.SetDIPColor(0x000011);
  s.SetDotColor(0x000022);
  s.SetTextColor(0x000033);
  s.SetDotBackColor(0x000044);
  s.SetFrameColor(0x000055);
  s.SetShadowColor(0x000066);
  s.SetBMP_DIPColor(0x110000);
  s.SetBMP_DotColor(0x220000);
  s.SetBMP_TextColor(0x330000);
  s.SetBMP_DotBackColor(0x440000);
  s.SetBMP_FrameColor(0x550000);
  s.SetBMP_ShadowColor(0x660000);
  s.SetValue(1);

  auto colours = [](const Bitmap& b) {
    std::set<Color> used;
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x) used.insert(setrix::raster::ToColor(b.ColorAt(x, y)));
    return used;
  };
  Bitmap canvas(0, 0, 24);
  BitmapTarget target(canvas);
  sw.Paint(target);
  // Slot highlight and the untouched margin are white.
  EXPECT_EQ(colours(canvas),
            (std::set<Color>{0x000011, 0x000022, 0x000033, 0x000044, 0x000055, 0x000066, 0xFFFFFF}));
  Bitmap picture;
  DrawToBitmap(s, picture);
  EXPECT_EQ(colours(picture),
            (std::set<Color>{0x110000, 0x220000, 0x330000, 0x440000, 0x550000, 0x660000, 0xFFFFFF}));
  s.SetBMP_BW(true);
  Bitmap bw;
  DrawToBitmap(s, bw);
  EXPECT_EQ(colours(bw), (std::set<Color>{0x000000, 0xFFFFFF}));
  // Black and white drawn into a colour bitmap is the same picture as into a 1-bit one.
  Bitmap bw1(0, 0, 1);
  DrawToBitmap(s, bw1);
  EXPECT_EQ(bw1.Depth(), 1);
  EXPECT_EQ(Compare(bw, bw1, "bw_depths"), "");
}

// Switch 1 sits at the left (0), bottom (90), right (180) or top (270) end, and its lever
// points to the "ON" marking: up, left, down, right.
TEST(BankPicture, SwitchOnePositionAndLeverPerAlignment) {
  using A = TDIPAlignment;
  const Rgb red{255, 0, 0};
  const struct {
    A alignment;
    int onX, onY, offX, offY;  // a pixel at each end of switch 1's slot (8 switches)
  } cases[] = {
      {A::Deg_0, 6, 11, 6, 23},     // slot x 4..8, y 11..23
      {A::Deg_90, 11, 62, 23, 62},  // slot x 11..23, y 60..64
      {A::Deg_180, 62, 23, 62, 11},
      {A::Deg_270, 23, 6, 11, 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Degrees(c.alignment));
    const Bitmap on = Draw(8, c.alignment, 5, Mode::Bitmap);  // 5: switches 1 and 3 ON
    EXPECT_EQ(on.ColorAt(c.onX, c.onY), red);
    EXPECT_NE(on.ColorAt(c.offX, c.offY), red);
    const Bitmap off = Draw(8, c.alignment, 4, Mode::Bitmap);
    EXPECT_NE(off.ColorAt(c.onX, c.onY), red);
    EXPECT_EQ(off.ColorAt(c.offX, c.offY), red);
  }
}

// The slot and lever boxes that screens use to find and mark a lever are where the drawing
// puts them: red exactly on the lever box, the rest of the slot silver.
TEST(BankPicture, SlotAndLeverBoxesMatchTheDrawing) {
  const Rgb red{255, 0, 0};
  for (TDIPAlignment a :
       {TDIPAlignment::Deg_0, TDIPAlignment::Deg_90, TDIPAlignment::Deg_180, TDIPAlignment::Deg_270}) {
    for (int count : {3, 10}) {
      SCOPED_TRACE(std::to_string(Degrees(a)) + " degrees, " + std::to_string(count) + " switches");
      const int value = 0b1011001101 & ((1 << count) - 1);
      const Bitmap b = Draw(count, a, value, Mode::Screen);
      TDIPSwitch sw;
      sw.SwitchSettings().SetCount(count);
      sw.SwitchSettings().SetAlignment(a);
      EXPECT_FALSE(sw.Slot(0));
      EXPECT_FALSE(sw.Slot(count + 1));
      EXPECT_FALSE(sw.Lever(count + 1, true));
      for (int k = 1; k <= count; ++k) {
        const bool on = (value >> (k - 1) & 1) != 0;
        const BodyRect slot = *sw.Slot(k);
        const BodyRect lever = *sw.Lever(k, on);
        const BodyRect other = *sw.Lever(k, !on);
        EXPECT_EQ((slot.R - slot.L) * (slot.B - slot.T), 5 * 13) << k;
        for (int y = slot.T; y < slot.B; ++y)
          for (int x = slot.L; x < slot.R; ++x) {
            const bool inLever = x >= lever.L && x < lever.R && y >= lever.T && y < lever.B;
            EXPECT_EQ(b.ColorAt(x, y) == red, inLever) << "switch " << k << " at " << x << "," << y;
          }
        // The two lever places overlap by one pixel row and together fill the slot.
        const int overlap = (std::min(lever.R, other.R) - std::max(lever.L, other.L)) *
                            (std::min(lever.B, other.B) - std::max(lever.T, other.T));
        EXPECT_EQ(overlap, 5) << k;
      }
    }
  }
}
