#pragma once
// A bank of DIP switches as it sits on the module's circuit board: grey body, a row of
// sunken slots, one red lever per slot at its ON or OFF end, white switch numbers and a
// white "ON" marking, turned by 0, 90, 180 or 270 degrees.
//
// TDIPSwitch is the control (without any toolkit): it owns its settings object
// TDIPSwitchObject, draws the whole bank onto a DrawTarget (Paint) and draws it into
// bitmaps for documents (DrawToBitmap). A toolkit widget owns a TDIPSwitch and keeps its
// pixels in an image of its own behind a DrawTarget: on OnRepaintNeeded it calls Paint on
// that target (which resizes the widget through SetSize) and shows the image; on
// OnSwitchDrawn the image already holds the new lever and only needs showing. So a
// SetSwitch on a bank without value shows that one switch until the next full repaint.
//
// The control is a pure view: screens set its value from the computed switch pattern.
#include <cstdint>
#include <functional>
#include <optional>

#include "dipswitch/draw_target.h"
#include "raster/bitmap.h"

namespace setrix::dipswitch {

// Rotation of the whole picture, counter-clockwise.
enum class TDIPAlignment : std::uint8_t { Deg_0 = 0, Deg_90 = 1, Deg_180 = 2, Deg_270 = 3 };

// 0, 90, 180 or 270; anything else has no alignment.
std::optional<TDIPAlignment> AlignmentFromDegrees(int degrees);
int Degrees(TDIPAlignment a);
inline bool IsHorizontal(TDIPAlignment a) { return a == TDIPAlignment::Deg_0 || a == TDIPAlignment::Deg_180; }

namespace colors {
constexpr Color kBlack = 0x000000, kWhite = 0xFFFFFF, kGrey = 0x808080, kRed = 0xFF0000, kSilver = 0xC0C0C0;
}

struct Size {
  int width = 0, height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// The body rectangle: left, top, right, bottom in pixels.
struct BodyRect {
  int L = 0, T = 0, R = 0, B = 0;
  friend bool operator==(const BodyRect&, const BodyRect&) = default;
};

class TDIPSwitch;

// The settings of one bank. Setting Count, Alignment or a screen colour asks the control
// for a full repaint; the BMP_ colours and BMP_BW only take effect at the next
// DrawToBitmap. Setting Value or calling SetSwitch redraws the affected levers at once
// on the control's current canvas (nothing before the first paint).
class TDIPSwitchObject {
 public:
  static constexpr int kMinCount = 2, kMaxCount = 10;

  TDIPSwitchObject(const TDIPSwitchObject&) = delete;
  TDIPSwitchObject& operator=(const TDIPSwitchObject&) = delete;

  TDIPSwitch& Control() const { return control_; }

  // Number of switches, 2 to 10 (default 8); other values throw std::out_of_range.
  int Count() const { return count_; }
  void SetCount(int count);

  // Screen colours.
  Color DIPColor() const { return dipColor_; }          // body; grey
  Color DotColor() const { return dotColor_; }          // lever; red
  Color TextColor() const { return textColor_; }        // digits and "ON"; white
  Color DotBackColor() const { return dotBackColor_; }  // slot background; silver
  Color FrameColor() const { return frameColor_; }      // outer frame; black
  Color ShadowColor() const { return shadowColor_; }    // glyph shadows, slot edges; black
  void SetDIPColor(Color c);
  void SetDotColor(Color c);
  void SetTextColor(Color c);
  void SetDotBackColor(Color c);
  void SetFrameColor(Color c);
  void SetShadowColor(Color c);

  // Bitmap colours, and the black-and-white bitmap mode of the documents.
  bool BMP_BW() const { return bmpBW_; }
  Color BMP_DIPColor() const { return bmpDipColor_; }
  Color BMP_DotColor() const { return bmpDotColor_; }
  Color BMP_TextColor() const { return bmpTextColor_; }
  Color BMP_DotBackColor() const { return bmpDotBackColor_; }
  Color BMP_FrameColor() const { return bmpFrameColor_; }
  Color BMP_ShadowColor() const { return bmpShadowColor_; }
  void SetBMP_BW(bool bw) { bmpBW_ = bw; }
  void SetBMP_DIPColor(Color c) { bmpDipColor_ = c; }
  void SetBMP_DotColor(Color c) { bmpDotColor_ = c; }
  void SetBMP_TextColor(Color c) { bmpTextColor_ = c; }
  void SetBMP_DotBackColor(Color c) { bmpDotBackColor_ = c; }
  void SetBMP_FrameColor(Color c) { bmpFrameColor_ = c; }
  void SetBMP_ShadowColor(Color c) { bmpShadowColor_ = c; }

  TDIPAlignment Alignment() const { return alignment_; }
  void SetAlignment(TDIPAlignment a);

  // Bit k-1 set: switch k is ON. Negative (-1 by convention): no setting shown, every
  // slot empty. Bits above Count are kept although no switch shows them.
  std::int32_t Value() const { return value_; }
  void SetValue(std::int32_t v);

  // Sets switch k (1..Count) and draws its lever. A negative value first becomes 0;
  // turning a switch off also clears every bit at or above Count. k outside 1..Count
  // is ignored.
  void SetSwitch(int k, bool on);

  // Switch k (1..10) is drawn as an empty slot.
  bool Undefined(int k) const { return k >= 1 && k <= kMaxCount && undefined_[k - 1]; }
  // Bit k-1 of Value (false while Value is negative).
  bool SwitchOn(int k) const { return value_ >= 0 && k >= 1 && k <= 31 && ((value_ >> (k - 1)) & 1); }
  // True only while a full drawing re-applies the value.
  bool Force() const { return force_; }

 private:
  friend class TDIPSwitch;
  explicit TDIPSwitchObject(TDIPSwitch& control);
  // Step of a full drawing: sets Value again with the force flag, redrawing every slot.
  void ReapplyValue();

  TDIPSwitch& control_;
  int count_ = 8;
  Color dipColor_ = colors::kGrey, dotColor_ = colors::kRed, textColor_ = colors::kWhite,
        dotBackColor_ = colors::kSilver, frameColor_ = colors::kBlack, shadowColor_ = colors::kBlack;
  bool bmpBW_ = false;
  Color bmpDipColor_ = colors::kGrey, bmpDotColor_ = colors::kRed, bmpTextColor_ = colors::kWhite,
        bmpDotBackColor_ = colors::kSilver, bmpFrameColor_ = colors::kBlack, bmpShadowColor_ = colors::kBlack;
  TDIPAlignment alignment_ = TDIPAlignment::Deg_0;
  std::int32_t value_ = -1;
  bool force_ = false;
  bool undefined_[kMaxCount];
};

// The colours of one drawing, by element.
struct BankColors {
  Color body, highlight, shadow, slotBack, lever, text;
  std::optional<Color> glyphShadow;  // absent: glyph shadows are not drawn
  Color frame;
};

class TDIPSwitch {
 public:
  TDIPSwitch();
  TDIPSwitch(const TDIPSwitch&) = delete;
  TDIPSwitch& operator=(const TDIPSwitch&) = delete;

  TDIPSwitchObject& SwitchSettings() { return settings_; }
  const TDIPSwitchObject& SwitchSettings() const { return settings_; }

  // The full drawing with the screen colours onto `canvas`, which becomes (and stays)
  // the control's canvas: later Value and SetSwitch changes redraw their levers on it.
  // The canvas must outlive the control or be released with ReleaseCanvas.
  void Paint(DrawTarget& canvas);
  // The lever drawing of switch k as the settings stand (an empty slot while the switch is
  // undefined), in the screen colours, onto `canvas`; the control's canvas is unchanged.
  // A widget that cannot keep its pixels uses it to replay the levers drawn since the
  // last full repaint.
  void PaintSwitch(DrawTarget& canvas, int k);
  // Forgets the control's canvas: lever changes draw nothing until the next Paint.
  void ReleaseCanvas() { canvas_ = controlCanvas_ = nullptr; }
  bool HasCanvas() const { return canvas_ != nullptr; }

  // The full drawing into `bitmap`, with the BMP_ colours (black and white with BMP_BW).
  // The bitmap is resized to the picture including its frame; its depth is kept.
  void DrawToBitmap(raster::Bitmap& bitmap);
  // True only while DrawToBitmap runs.
  bool BitmapMode() const { return bitmapMode_; }

  // The body rectangle of the current Count and Alignment (L = T = 1).
  BodyRect Body() const;
  // The slot of switch k (1..Count) in the picture, and the part of it that the lever covers
  // ON or OFF; right and bottom exclusive. Nothing for k outside 1..Count.
  std::optional<BodyRect> Slot(int k) const;
  std::optional<BodyRect> Lever(int k, bool on) const;
  // The control's size on screen: R - L + 4 by B - T + 4.
  Size ScreenSize() const;
  // A picture's size: R - L + 2 by B - T + 2.
  Size BitmapSize() const;
  // The colours of a drawing now: screen, or bitmap (BMP_ colours or black and white).
  BankColors Colors() const;

  // Asked for by the settings when Count, Alignment or a screen colour changes; a widget
  // schedules a full repaint (Paint).
  std::function<void()> OnRepaintNeeded;
  // Called after the lever of switch k was drawn on the control's canvas, so that a
  // widget can show the changed pixels.
  std::function<void(int k)> OnSwitchDrawn;

 private:
  friend class TDIPSwitchObject;
  void FullDrawing();
  void DrawAll();
  // The lever drawing on the current target, asked for by the settings.
  void DrawLever(int k);
  void DrawLeverOn(DrawTarget& canvas, const BankColors& c, int k) const;
  void RequestRepaint();

  TDIPSwitchObject settings_;
  DrawTarget* canvas_ = nullptr;         // target of drawing operations
  DrawTarget* controlCanvas_ = nullptr;  // the control's own canvas, once painted
  bool bitmapMode_ = false;
  bool painting_ = false;  // a full drawing runs: no OnSwitchDrawn per lever
};

// Draws the bank of `settings` (its control's state) into `bitmap` for documents.
inline void DrawToBitmap(TDIPSwitchObject& settings, raster::Bitmap& bitmap) {
  settings.Control().DrawToBitmap(bitmap);
}

}  // namespace setrix::dipswitch
