#include "dipswitch/dipswitch.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace setrix::dipswitch {

namespace {

// Pixel glyphs, rows from top to bottom; 'X' is a text pixel. A digit cell is 7 x 8
// (the last row only ever holds shadow), the "ON" marking 11 x 7.
constexpr int kDigitW = 7, kDigitH = 8;
constexpr std::array<std::array<std::string_view, 7>, 10> kDigits = {{
    {"..XX...", ".X..X..", ".X..X..", ".X..X..", ".X..X..", ".X..X..", "..XX..."},  // 0
    {"...X...", "..XX...", "...X...", "...X...", "...X...", "...X...", "..XXX.."},  // 1
    {"..XXX..", ".X...X.", ".....X.", "....X..", "...X...", "..X....", ".XXXXX."},  // 2
    {"..XXX..", ".X...X.", ".....X.", "...XX..", ".....X.", ".X...X.", "..XXX.."},  // 3
    {"....X..", "...XX..", "..X.X..", ".X..X..", ".XXXXX.", "....X..", "....X.."},  // 4
    {".XXXXX.", ".X.....", ".XXXX..", ".....X.", ".....X.", ".X...X.", "..XXX.."},  // 5
    {"...XX..", "..X....", ".X.....", ".XXXX..", ".X...X.", ".X...X.", "..XXX.."},  // 6
    {".XXXXX.", ".....X.", "....X..", "...X...", "...X...", "...X...", "...X..."},  // 7
    {"..XXX..", ".X...X.", ".X...X.", "..XXX..", ".X...X.", ".X...X.", "..XXX.."},  // 8
    {"..XXX..", ".X...X.", ".X...X.", "..XXXX.", ".....X.", "....X..", "..XX..."},  // 9
}};
constexpr int kOnW = 11, kOnH = 7;
constexpr std::array<std::string_view, 6> kOn = {".XXX..X...X", "X...X.XX..X", "X...X.X.X.X",
                                                 "X...X.X.X.X", "X...X.X..XX", ".XXX..X...X"};

enum class Cell { Empty, Text, Shadow };

// Runs its function when the scope ends, also on an exception.
template <class F>
struct OnExit {
  F f;
  ~OnExit() { f(); }
};
template <class F>
OnExit(F) -> OnExit<F>;  // for compilers without aggregate deduction

// Text where the glyph has an 'X'; shadow on a non-text cell directly below a text pixel.
template <std::size_t N>
Cell GlyphCell(const std::array<std::string_view, N>& rows, int col, int row) {
  auto text = [&](int r) { return r >= 0 && r < int(N) && rows[r][col] == 'X'; };
  if (text(row)) return Cell::Text;
  if (text(row - 1)) return Cell::Shadow;
  return Cell::Empty;
}

struct Box {
  int l, t, r, b;
};

// Half the slot's length, rounded down: the lever covers 7 of its 13 pixels.
constexpr int kLeverShift = 6;

Box SlotAt(const BodyRect& body, bool horizontal, int p) {
  if (horizontal) return {body.L + 8 * p - 5, body.T + 10, body.L + 8 * p, body.T + 23};
  return {body.L + 10, body.T + 8 * p - 5, body.L + 23, body.T + 8 * p};
}

// Slot position of switch k: from the left (0), bottom (90), right (180) or top (270) end.
int PositionOf(TDIPAlignment a, int n, int k) {
  return a == TDIPAlignment::Deg_0 || a == TDIPAlignment::Deg_270 ? k : n - k + 1;
}

}  // namespace

std::optional<TDIPAlignment> AlignmentFromDegrees(int degrees) {
  switch (degrees) {
    case 0: return TDIPAlignment::Deg_0;
    case 90: return TDIPAlignment::Deg_90;
    case 180: return TDIPAlignment::Deg_180;
    case 270: return TDIPAlignment::Deg_270;
    default: return std::nullopt;
  }
}

int Degrees(TDIPAlignment a) { return 90 * static_cast<int>(a); }

// ---------------------------------------------------------------------------------------
// TDIPSwitchObject

TDIPSwitchObject::TDIPSwitchObject(TDIPSwitch& control) : control_(control) {
  // Value -1: every switch, also those beyond the default Count, starts as an empty slot.
  for (bool& u : undefined_) u = true;
}

void TDIPSwitchObject::SetCount(int count) {
  if (count < kMinCount || count > kMaxCount)
    throw std::out_of_range("Count: " + std::to_string(count) + " is not accepted; use 2 to 10");
  count_ = count;
  control_.RequestRepaint();
}

void TDIPSwitchObject::SetAlignment(TDIPAlignment a) {
  alignment_ = a;
  control_.RequestRepaint();
}

void TDIPSwitchObject::SetDIPColor(Color c) {
  dipColor_ = c;
  control_.RequestRepaint();
}
void TDIPSwitchObject::SetDotColor(Color c) {
  dotColor_ = c;
  control_.RequestRepaint();
}
void TDIPSwitchObject::SetTextColor(Color c) {
  textColor_ = c;
  control_.RequestRepaint();
}
void TDIPSwitchObject::SetDotBackColor(Color c) {
  dotBackColor_ = c;
  control_.RequestRepaint();
}
void TDIPSwitchObject::SetFrameColor(Color c) {
  frameColor_ = c;
  control_.RequestRepaint();
}
void TDIPSwitchObject::SetShadowColor(Color c) {
  shadowColor_ = c;
  control_.RequestRepaint();
}

void TDIPSwitchObject::SetValue(std::int32_t v) {
  if (v == value_ && !force_) return;
  if (v < 0) {
    for (int k = 1; k <= count_; ++k) {
      undefined_[k - 1] = true;
      control_.DrawLever(k);
    }
  } else {
    for (int k = 1; k <= count_; ++k) SetSwitch(k, (v >> (k - 1)) & 1);
  }
  value_ = v;  // bits above Count stay stored
}

void TDIPSwitchObject::SetSwitch(int k, bool on) {
  if (k < 1 || k > count_) return;
  if (value_ < 0) value_ = 0;
  if (on)
    value_ |= std::int32_t{1} << (k - 1);
  else
    value_ &= (std::int32_t{1} << count_) - 1 - (std::int32_t{1} << (k - 1));
  undefined_[k - 1] = false;
  control_.DrawLever(k);
}

void TDIPSwitchObject::ReapplyValue() {
  force_ = true;
  OnExit reset{[this] { force_ = false; }};
  SetValue(value_);
}

// ---------------------------------------------------------------------------------------
// TDIPSwitch

TDIPSwitch::TDIPSwitch() : settings_(*this) {}

BodyRect TDIPSwitch::Body() const {
  const int n = settings_.Count();
  BodyRect r{1, 1, 0, 0};
  if (IsHorizontal(settings_.Alignment())) {
    r.R = r.L + 8 * n + 3;
    r.B = r.T + 35;
  } else {
    r.R = r.L + 35;
    r.B = r.T + 8 * n + 3;
  }
  return r;
}

Size TDIPSwitch::ScreenSize() const {
  const BodyRect r = Body();
  return {r.R - r.L + 4, r.B - r.T + 4};
}

Size TDIPSwitch::BitmapSize() const {
  const BodyRect r = Body();
  return {r.R - r.L + 2, r.B - r.T + 2};
}

BankColors TDIPSwitch::Colors() const {
  const TDIPSwitchObject& s = settings_;
  using namespace colors;
  if (!bitmapMode_)
    return {s.DIPColor(), kWhite,        s.ShadowColor(), s.DotBackColor(),
            s.DotColor(), s.TextColor(), s.ShadowColor(), s.FrameColor()};
  if (!s.BMP_BW())
    return {s.BMP_DIPColor(),    kWhite,
            s.BMP_ShadowColor(), s.BMP_DotBackColor(),
            s.BMP_DotColor(),    s.BMP_TextColor(),
            s.BMP_ShadowColor(), s.BMP_FrameColor()};
  return {kWhite, kBlack, kBlack, kWhite, kBlack, kBlack, std::nullopt, kBlack};
}

void TDIPSwitch::RequestRepaint() {
  if (OnRepaintNeeded) OnRepaintNeeded();
}

void TDIPSwitch::Paint(DrawTarget& canvas) {
  canvas_ = controlCanvas_ = &canvas;
  FullDrawing();
}

void TDIPSwitch::PaintSwitch(DrawTarget& canvas, int k) {
  const bool savedMode = bitmapMode_;
  bitmapMode_ = false;
  const BankColors c = Colors();
  bitmapMode_ = savedMode;
  DrawLeverOn(canvas, c, k);
}

void TDIPSwitch::DrawToBitmap(raster::Bitmap& bitmap) {
  BitmapTarget target(bitmap);
  bitmapMode_ = true;
  canvas_ = &target;
  OnExit restore{[this] {
    canvas_ = controlCanvas_;
    bitmapMode_ = false;
  }};
  FullDrawing();
}

void TDIPSwitch::DrawLever(int k) {
  if (!canvas_) return;
  DrawLeverOn(*canvas_, Colors(), k);
  if (!bitmapMode_ && !painting_ && OnSwitchDrawn) OnSwitchDrawn(k);
}

std::optional<BodyRect> TDIPSwitch::Slot(int k) const {
  const int n = settings_.Count();
  if (k < 1 || k > n) return std::nullopt;
  const TDIPAlignment a = settings_.Alignment();
  const Box slot = SlotAt(Body(), IsHorizontal(a), PositionOf(a, n, k));
  return BodyRect{slot.l, slot.t, slot.r, slot.b};
}

std::optional<BodyRect> TDIPSwitch::Lever(int k, bool on) const {
  std::optional<BodyRect> lever = Slot(k);
  if (!lever) return std::nullopt;
  // The lever covers the 7 pixels at the slot's ON or OFF end; ON points to the marking.
  switch (settings_.Alignment()) {
    case TDIPAlignment::Deg_0:
      if (on)
        lever->B -= kLeverShift;
      else
        lever->T += kLeverShift;
      break;
    case TDIPAlignment::Deg_90:
      if (on)
        lever->R -= kLeverShift;
      else
        lever->L += kLeverShift;
      break;
    case TDIPAlignment::Deg_180:
      if (on)
        lever->T += kLeverShift;
      else
        lever->B -= kLeverShift;
      break;
    case TDIPAlignment::Deg_270:
      if (on)
        lever->L += kLeverShift;
      else
        lever->R -= kLeverShift;
      break;
  }
  return lever;
}

void TDIPSwitch::DrawLeverOn(DrawTarget& canvas, const BankColors& c, int k) const {
  const std::optional<BodyRect> slot = Slot(k);
  if (!slot) return;
  canvas.FillRect(slot->L, slot->T, slot->R, slot->B, c.slotBack);
  if (settings_.Undefined(k)) return;
  const BodyRect lever = *Lever(k, settings_.SwitchOn(k));
  canvas.FillRect(lever.L, lever.T, lever.R, lever.B, c.lever);
}

void TDIPSwitch::FullDrawing() {
  painting_ = true;
  OnExit done{[this] { painting_ = false; }};
  DrawAll();
}

void TDIPSwitch::DrawAll() {
  TDIPSwitchObject& s = settings_;
  const int n = s.Count();
  const TDIPAlignment a = s.Alignment();
  const bool horizontal = IsHorizontal(a);
  const BodyRect body = Body();
  const auto [L, T, R, B] = body;

  // 1. Size: the control leaves two pixels beyond its frame, a picture ends at the frame.
  const Size size = bitmapMode_ ? BitmapSize() : ScreenSize();
  canvas_->SetSize(size.width, size.height);
  const BankColors c = Colors();

  // 2. Body.
  canvas_->FillRect(L, T, R, B, c.body);
  canvas_->FrameRect(L, T, R, B, c.body);

  // 3. Sunken slots: highlight ring, background, then the shadow edge from the bottom of
  //    the left column up and along the top row (at the top left in every alignment).
  for (int p = 1; p <= n; ++p) {
    const Box sl = SlotAt(body, horizontal, p);
    canvas_->FrameRect(sl.l - 1, sl.t - 1, sl.r + 1, sl.b + 1, c.highlight);
    canvas_->FillRect(sl.l, sl.t, sl.r, sl.b, c.slotBack);
    canvas_->Line(sl.l - 1, sl.b - 1, sl.l - 1, sl.t - 1, c.shadow);
    canvas_->Line(sl.l - 1, sl.t - 1, sl.r + 1, sl.t - 1, c.shadow);
  }

  auto plot = [&](Cell cell, int x, int y) {
    if (cell == Cell::Text)
      canvas_->SetPixel(x, y, c.text);
    else if (cell == Cell::Shadow && c.glyphShadow)
      canvas_->SetPixel(x, y, *c.glyphShadow);
  };

  // 4. Switch numbers beside their slots; upright for 0 and 90 degrees, the cell turned
  //    by 180 degrees for 180 and 270.
  const bool upright = a == TDIPAlignment::Deg_0 || a == TDIPAlignment::Deg_90;
  for (int m = 1; m <= n; ++m) {
    const std::string label = std::to_string(upright ? m : n - m + 1);
    const int d = label.size() == 1 ? -6 : upright ? -8 : -4;
    for (std::size_t q = 0; q < label.size(); ++q) {
      const auto& glyph = kDigits[label[q] - '0'];
      const int shift = 5 * static_cast<int>(q);  // the second digit's offset
      for (int j = 0; j < kDigitW; ++j) {
        for (int i = 0; i < kDigitH; ++i) {
          const Cell cell = upright ? GlyphCell(glyph, j, i) : GlyphCell(glyph, kDigitW - 1 - j, kDigitH - 1 - i);
          switch (a) {
            case TDIPAlignment::Deg_0: plot(cell, L + 8 * m + d + j + shift, B - 8 + i); break;
            case TDIPAlignment::Deg_90: plot(cell, R - 8 + i, B - 1 - 8 * m - d - j - shift); break;
            case TDIPAlignment::Deg_180: plot(cell, L + 8 * m + d + j - shift, T + i); break;
            case TDIPAlignment::Deg_270: plot(cell, L + i, B - 1 - 8 * m - d - j + shift); break;
          }
        }
      }
    }
  }

  // 5. The "ON" marking at the levers' ON end, always read from the upright cell.
  for (int j = 0; j < kOnW; ++j) {
    for (int i = 0; i < kOnH; ++i) {
      const Cell cell = GlyphCell(kOn, j, i);
      switch (a) {
        case TDIPAlignment::Deg_0: plot(cell, L + 3 + j, T + 1 + i); break;
        case TDIPAlignment::Deg_90: plot(cell, L + 1 + i, B - 5 - j); break;
        case TDIPAlignment::Deg_180: plot(cell, R - 5 - j, B - 3 - i); break;
        case TDIPAlignment::Deg_270: plot(cell, R - 3 - i, T + 4 + j); break;
      }
    }
  }

  // 6. Levers: the value applied again, so every slot shows its lever or stays empty.
  s.ReapplyValue();

  // 7. Frame around the body.
  canvas_->FrameRect(L - 1, T - 1, R + 1, B + 1, c.frame);
}

}  // namespace setrix::dipswitch
