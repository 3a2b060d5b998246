#include "resources/pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "resources/draw.h"

namespace {

using setrix::raster::Bitmap;
using setrix::raster::Rgb;
using setrix::resources::Picture;

bool Black(const Bitmap& b, int x, int y) { return b.Index(x, y) == 0; }

// ---------------------------------------------------------------------------

struct Size {
  const char* name;
  int width, height;
};

TEST(Pictures, EachHasItsPixelSizeOneBitBlackOnWhite) {
  const std::vector<Size> sizes{{"PCB_DC", 255, 196}, {"PCB_RTD", 255, 196}, {"KP_DC", 26, 202},
                                {"KP_FRQ", 26, 202},  {"KP_RTD", 36, 202},   {"KP_THERMO", 36, 202},
                                {"BMP_ON", 15, 37},   {"BMP_OFF", 15, 37},   {"ZTLOGO", 932, 125}};
  ASSERT_EQ(setrix::resources::DocumentPictureNames().size(), sizes.size());
  for (const Size& s : sizes) {
    SCOPED_TRACE(s.name);
    const Bitmap b = Picture(s.name);
    EXPECT_EQ(b.Width(), s.width);
    EXPECT_EQ(b.Height(), s.height);
    EXPECT_EQ(b.Depth(), 1);
    EXPECT_EQ(b.Palette(), (std::vector<Rgb>{{0, 0, 0}, {255, 255, 255}}));
    // A drawing: mostly white paper with black lines.
    long black = 0;
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x) black += Black(b, x, y);
    const long all = long(b.Width()) * b.Height();
    EXPECT_GT(black, all / 50);
    EXPECT_LT(black, all / 2);
  }
}

TEST(Pictures, SameNameDrawsTheSamePixels) {
  for (std::string_view name : setrix::resources::DocumentPictureNames())
    EXPECT_EQ(Picture(name), Picture(name)) << name;
  EXPECT_NE(Picture("BMP_ON"), Picture("BMP_OFF"));
  EXPECT_NE(Picture("KP_RTD"), Picture("KP_THERMO"));
}

TEST(Pictures, UnknownNameIsRefusedWithTheKnownNames) {
  for (const char* bad : {"", "pcb_dc", "KP_DC ", "LOGO"}) {
    try {
      Picture(bad);
      ADD_FAILURE() << "no error for \"" << bad << "\"";
    } catch (const std::invalid_argument& e) {
      const std::string what = e.what();
      EXPECT_NE(what.find("\"" + std::string(bad) + "\""), std::string::npos) << what;
      EXPECT_NE(what.find("ZTLOGO"), std::string::npos) << what;
    }
  }
}

// ---------------------------------------------------------------------------
// Board pictures: the banks are painted at fixed places. In the PDF a bank keeps
// its own size (8 x count + 5 pixels along, 37 across) at its pixel position; in
// print the 255-pixel board is 7.6 cm wide and a bank is stretched to a width in
// cm at a position in cm. The bank's name goes beside it.

struct Box {
  int left, top, right, bottom;  // inclusive
};

struct BankCase {
  const char* board;
  const char* bank;
  int count;
  bool vertical;
  int left, top;             // PDF
  double widthCm, xCm, yCm;  // print
  char nameSide;             // 'R' right of the top, 'A' above the left end, 'B' right of the bottom
};

const std::vector<BankCase> kBanks{
    {"PCB_DC", "S1", 10, true, 31, 97, 1.05, 0.95, 2.9, 'R'},
    {"PCB_DC", "S2", 5, false, 83, 60, 1.3, 2.6, 1.85, 'A'},
    {"PCB_DC", "S3", 3, true, 143, 51, 1.05, 4.3, 1.5, 'A'},
    {"PCB_RTD", "S2 (thermo, RTD)", 8, false, 91, 26, 2.1, 2.7, 0.8, 'B'},
    {"PCB_RTD", "S1 (thermo, RTD)", 8, false, 91, 72, 2.1, 2.7, 2.1, 'B'},
    {"PCB_RTD", "S2 (frequency)", 8, false, 70, 55, 2.1, 2.1, 1.6, 'R'},
    {"PCB_RTD", "S1 (frequency)", 8, false, 30, 135, 2.1, 0.9, 4.0, 'R'},
};

Box PdfBox(const BankCase& c) {
  const int along = 8 * c.count + 5;
  const int w = c.vertical ? 37 : along, h = c.vertical ? along : 37;
  return {c.left, c.top, c.left + w - 1, c.top + h - 1};
}

Box PrintBox(const BankCase& c) {
  const double s = 255 / 7.6;
  const Box pdf = PdfBox(c);
  const double w = c.widthCm * s, h = w * (pdf.bottom - pdf.top + 1) / (pdf.right - pdf.left + 1);
  return {int(std::lround(c.xCm * s)), int(std::lround(c.yCm * s)), int(std::lround(c.xCm * s + w)) - 1,
          int(std::lround(c.yCm * s + h)) - 1};
}

// The name label ("S1": 17 x 8 points in the PDF, about 20 x 10 picture pixels).
Box NameBox(const BankCase& c, const Box& bank) {
  switch (c.nameSide) {
    case 'R': return {bank.right + 2, bank.top, bank.right + 21, bank.top + 9};
    case 'A': return {bank.left, bank.top - 10, bank.left + 19, bank.top - 1};
    default: return {bank.right + 2, bank.bottom - 9, bank.right + 21, bank.bottom};
  }
}

std::vector<std::string> BlackPixelsIn(const Bitmap& b, const Box& r) {
  std::vector<std::string> found;
  for (int y = r.top; y <= r.bottom; ++y)
    for (int x = r.left; x <= r.right; ++x)
      if (Black(b, x, y)) found.push_back(std::to_string(x) + "," + std::to_string(y));
  return found;
}

TEST(BoardPictures, BankPlacesAndNamePlacesAreFreeBoard) {
  for (const BankCase& c : kBanks) {
    SCOPED_TRACE(std::string(c.board) + " " + c.bank);
    const Bitmap b = Picture(c.board);
    for (const Box& bank : {PdfBox(c), PrintBox(c)}) {
      EXPECT_EQ(BlackPixelsIn(b, bank), std::vector<std::string>{});
      EXPECT_EQ(BlackPixelsIn(b, NameBox(c, bank)), std::vector<std::string>{});
      // On the board: the board's edge lies beyond the place on every side.
      const int midX = (bank.left + bank.right) / 2, midY = (bank.top + bank.bottom) / 2;
      auto hit = [&](int dx, int dy) {
        for (int x = midX, y = midY; x >= 0 && y >= 0 && x < b.Width() && y < b.Height(); x += dx, y += dy)
          if (Black(b, x, y)) return true;
        return false;
      };
      EXPECT_TRUE(hit(-1, 0) && hit(1, 0) && hit(0, -1) && hit(0, 1));
    }
  }
}

// ---------------------------------------------------------------------------
// Terminal plans: the documents write terminal numbers on the rows n = 13, 32, 169
// and 188 (print: 189) of 202, and "Zero"/"Span" on the potentiometer rows.

struct Round {
  double cx, cy;
  int size;
};

// Small compact parts (screw heads, trimmer collars): connected black areas whose
// extent is between 6 and 13 pixels both ways.
std::vector<Round> RoundParts(const Bitmap& b) {
  std::vector<int> seen(std::size_t(b.Width()) * b.Height(), 0);
  std::vector<Round> out;
  for (int y0 = 0; y0 < b.Height(); ++y0)
    for (int x0 = 0; x0 < b.Width(); ++x0) {
      if (!Black(b, x0, y0) || seen[std::size_t(y0) * b.Width() + x0]) continue;
      int l = x0, r = x0, t = y0, bt = y0;
      std::vector<std::pair<int, int>> stack{{x0, y0}};
      seen[std::size_t(y0) * b.Width() + x0] = 1;
      while (!stack.empty()) {
        auto [x, y] = stack.back();
        stack.pop_back();
        l = std::min(l, x), r = std::max(r, x), t = std::min(t, y), bt = std::max(bt, y);
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= b.Width() || ny >= b.Height() || !Black(b, nx, ny)) continue;
            int& s = seen[std::size_t(ny) * b.Width() + nx];
            if (!s) s = 1, stack.push_back({nx, ny});
          }
      }
      const int w = r - l + 1, h = bt - t + 1;
      if (w >= 6 && w <= 13 && h >= 6 && h <= 13) out.push_back({(l + r) / 2.0, (t + bt) / 2.0, w});
    }
  return out;
}

struct PlanCase {
  const char* name;
  std::map<int, int> terminalsOnRow;  // n -> count
  int terminals;
  std::vector<int> potRows;
  char potSide;  // 'L' or 'R' half of the plan
};

TEST(TerminalPlans, ScrewsSitOnTheNumberedRowsAndPotsOnTheirRows) {
  const std::vector<PlanCase> plans{
      {"KP_DC", {{13, 2}, {32, 2}, {169, 2}, {188, 2}}, 8, {110, 134}, 'R'},
      {"KP_FRQ", {{13, 2}, {32, 2}, {169, 2}, {188, 2}}, 8, {}, ' '},
      {"KP_RTD", {{13, 3}, {32, 3}, {169, 3}, {188, 3}}, 12, {83, 107}, 'L'},
      {"KP_THERMO", {{13, 3}, {32, 3}, {169, 3}, {188, 0}}, 9, {83, 107}, 'L'},
  };
  for (const PlanCase& p : plans) {
    SCOPED_TRACE(p.name);
    const Bitmap b = Picture(p.name);
    const std::vector<Round> parts = RoundParts(b);
    int terminals = 0;
    for (const auto& [row, count] : p.terminalsOnRow) {
      std::vector<double> xs;
      for (const Round& r : parts)
        // 188 in the PDF, 189 in print.
        if (std::abs(r.cy - row) <= (row == 188 ? 1.0 : 0.5)) xs.push_back(r.cx);
      EXPECT_EQ(int(xs.size()), count) << "row " << row;
      terminals += int(xs.size());
      // Evenly spread and centred across the plan.
      std::sort(xs.begin(), xs.end());
      if (xs.size() >= 2) {
        EXPECT_NEAR(xs.front() + xs.back(), b.Width() - 1, 1.0) << "row " << row;
      }
    }
    EXPECT_EQ(terminals, p.terminals);
    std::vector<const Round*> others;
    for (const Round& r : parts) {
      bool onTerminalRow = false;
      for (const auto& [row, count] : p.terminalsOnRow) onTerminalRow |= std::abs(r.cy - row) <= 1.0;
      if (!onTerminalRow) others.push_back(&r);
    }
    for (int row : p.potRows) {
      const auto pot =
          std::find_if(others.begin(), others.end(), [&](const Round* r) { return std::abs(r->cy - row) <= 0.5; });
      ASSERT_NE(pot, others.end()) << "no potentiometer on row " << row;
      EXPECT_EQ((*pot)->cx < b.Width() / 2.0 ? 'L' : 'R', p.potSide) << "row " << row;
    }
    if (p.potRows.empty()) {
      for (const Round* r : others) EXPECT_LT(r->size, 8) << "a potentiometer-sized part at row " << r->cy;
    }
  }
}

// ---------------------------------------------------------------------------

TEST(LeverPictures, SameMarkingLeverUpForOnDownForOff) {
  const Bitmap on = Picture("BMP_ON"), off = Picture("BMP_OFF");
  int marking = 0;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 15; ++x) {
      EXPECT_EQ(Black(on, x, y), Black(off, x, y)) << x << "," << y;
      marking += Black(on, x, y);
    }
  EXPECT_GT(marking, 20);
  // Below the marking, the inked lever lies in the upper half when ON.
  auto ink = [](const Bitmap& b, int y0, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
      for (int x = 0; x < 15; ++x) n += Black(b, x, y);
    return n;
  };
  EXPECT_GT(ink(on, 9, 22), ink(on, 23, 36) + 20);
  EXPECT_GT(ink(off, 23, 36), ink(off, 9, 22) + 20);
}

TEST(Lettering, RefusesLettersItHasNoGlyphFor) {
  setrix::resources::draw::Canvas c(50, 20);
  const setrix::resources::draw::Lettering l;
  EXPECT_NO_THROW(setrix::resources::draw::Text(c, "Zantrel", 0, 15, l));
  try {
    setrix::resources::draw::Text(c, "Zq", 0, 15, l);
    ADD_FAILURE();
  } catch (const std::invalid_argument& e) {
    EXPECT_NE(std::string(e.what()).find("'q'"), std::string::npos) << e.what();
  }
}

}  // namespace

namespace setrix_cache_tests {

using setrix::resources::DrawPicture;

TEST(Pictures, DrawnOncePerProcessAndTheSameAsDrawnAnew) {
  for (std::string_view name : setrix::resources::DocumentPictureNames()) {
    const Bitmap* first = &Picture(name);
    EXPECT_EQ(&Picture(name), first) << name;
    EXPECT_EQ(*first, DrawPicture(name)) << name;
  }
  EXPECT_THROW(DrawPicture("LOGO"), std::invalid_argument);
}

TEST(Pictures, FirstUseFromSeveralThreadsGivesOnePicture) {
  // Run under the sanitizer build: a race in the first drawing shows there.
  std::vector<const Bitmap*> seen(4, nullptr);
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < seen.size(); ++i) threads.emplace_back([&seen, i] { seen[i] = &Picture("KP_FRQ"); });
  for (std::thread& t : threads) t.join();
  for (const Bitmap* p : seen) EXPECT_EQ(p, &Picture("KP_FRQ"));
}

// The rule a stroke stands for: every point within width/2 of one of its segments.
bool NearPolyline(const std::vector<setrix::resources::draw::Pt>& pts, double width, double x, double y) {
  const auto near = [&](setrix::resources::draw::Pt a, setrix::resources::draw::Pt b) {
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? std::clamp(((x - a.x) * dx + (y - a.y) * dy) / len2, 0.0, 1.0) : 0;
    const double ex = a.x + t * dx - x, ey = a.y + t * dy - y;
    return ex * ex + ey * ey <= (width / 2) * (width / 2);
  };
  if (pts.size() == 1) return near(pts[0], pts[0]);
  for (std::size_t i = 1; i < pts.size(); ++i)
    if (near(pts[i - 1], pts[i])) return true;
  return false;
}

TEST(Lettering, StrokeHoldsExactlyThePointsNearItsSegments) {
  using setrix::resources::draw::Pt;
  const struct {
    std::vector<Pt> pts;
    double width;
  } cases[] = {
      {{{5, 5}}, 3},                                   // a dot
      {{{2, 2}, {2, 2}}, 2},                           // a segment of no length
      {{{34, 34}, {90, 34}, {34, 90}, {90, 90}}, 15},  // a Z
      {{{0.5, 3.25}, {7.75, 3.25}}, 1},                // a thin line off the pixel centres
      {{{-4, -4}, {6, 9}, {12, -2}}, 5},               // partly left of and above 0
      {{}, 4},                                         // nothing
  };
  for (const auto& c : cases) {
    const setrix::resources::draw::Shape s = setrix::resources::draw::Stroke(c.pts, c.width);
    for (int y = s.top - 2; y <= s.bottom + 2; ++y)
      for (int x = s.left - 2; x <= s.right + 2; ++x) {
        EXPECT_EQ(s.inside(x, y), NearPolyline(c.pts, c.width, x, y)) << x << "," << y;
        EXPECT_EQ(s.inside(x + 0.5, y - 0.25), NearPolyline(c.pts, c.width, x + 0.5, y - 0.25)) << x << "," << y;
      }
  }
}

}  // namespace setrix_cache_tests
