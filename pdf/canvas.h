#pragma once
// The page canvas: writes the content stream of the current page of a TPdfDoc as PDF
// operators in plain text, one operator per line ending in LF, numbers in FormatReal form.
// It keeps the text state so that unchanged settings are not written again, measures text
// with the metrics of the selected font, and offers text in a box, text flowed into a box
// and image painting. A locked canvas keeps its state and measures but writes nothing.
#include <cstdint>
#include <string>
#include <string_view>

#include "pdf/objects.h"

namespace setrix::pdf {

class TPdfDoc;
class TPdfFont;

// Horizontal alignment of TextInBox: 0 left, 1 right, 2 center.
enum class TPdfAlignment { taLeftJustify, taRightJustify, taCenter };

// The current text state. A setter raises EPdfInvalidValue for a value out of range and
// then changes nothing.
class TPdfCanvasAttribute {
 public:
  float WordSpace() const { return wordSpace_; }
  // >= 0, else "SetWordSpace --invalid word space".
  void SetWordSpace(float v);
  float CharSpace() const { return charSpace_; }
  // -30 to 300, else "SetCharSpace --invalid char space".
  void SetCharSpace(float v);
  float FontSize() const { return fontSize_; }
  // 0 to 300, else "SetFontSize --invalid font size".
  void SetFontSize(float v);
  TPdfFont* Font() const { return font_; }
  void SetFont(TPdfFont* font) { font_ = font; }
  float Leading() const { return leading_; }
  // 0 to 300, else "SetLeading --invalid leading".
  void SetLeading(float v);
  // Percent; only affects measuring.
  std::uint16_t HorizontalScaling() const { return hScaling_; }
  // 10 to 300, else "SetHorizontalScaling --invalid horizontal scaling".
  void SetHorizontalScaling(int v);

  // Width of the byte at 1-based position pos of text in points, with char space and,
  // for a space that is not the last byte, word space.
  float CharWidth(std::string_view text, int pos) const;
  // Sum of the character widths minus one char space (the empty text measures -char space).
  float MeasureWidth(std::string_view text) const;
  // The number of leading bytes whose widths add up to at most width.
  int FitChars(std::string_view text, float width) const;
  // ScaledWidths()[b]: CharWidth of byte b where it is no inner space; null for a font
  // whose widths are not a built-in table (measured a byte at a time).
  const float* ScaledWidths() const;
  // The same as above with ScaledWidths() of this state looked up beforehand, for measuring
  // many pieces in one state.
  float MeasureWidth(std::string_view text, const float* widths) const;
  int FitChars(std::string_view text, float width, const float* widths) const;

 private:
  // A glyph width (1/1000 of the size) scaled, with char space, and word space for a space
  // inside the text.
  float SpacedWidth(long double glyph, bool innerSpace) const;

  float wordSpace_ = 0, charSpace_ = 0, fontSize_ = 0, leading_ = 0;
  TPdfFont* font_ = nullptr;
  std::uint16_t hScaling_ = 100;
};

class TPdfCanvas {
 public:
  explicit TPdfCanvas(TPdfDoc& doc) : doc_(doc) {}
  TPdfCanvas(const TPdfCanvas&) = delete;
  TPdfCanvas& operator=(const TPdfCanvas&) = delete;

  // ---- primitive operators ----
  void PushState();                                                         // q
  void PopState();                                                          // Q
  void ConcatMatrix(float a, float b, float c, float d, float e, float f);  // a b c d e f cm
  void MoveTo(float x, float y);                                            // x y m
  void LineTo(float x, float y);                                            // x y l
  void AddRect(float x, float y, float w, float h);                         // x y w h re
  void CloseSubpath();                                                      // h
  void EndPath();                                                           // n
  void ClipPath();                                                          // W
  void StartText();                                                         // BT
  void FinishText();                                                        // ET
  void MoveTextOrigin(float x, float y);                                    // x y Td
  void NextLine();                                                          // T*
  void ShowString(std::string_view text);                                   // (text) Tj
  void PaintXObject(std::string_view name);                                 // /name Do
  void EmitFont(std::string_view name, float size);                         // /F0 10 Tf
  // Always written: r g b rg. Values <= 0 are black; otherwise the lowest byte is red,
  // the next green, the next blue.
  void SetFillRGB(std::int32_t color);

  // ---- state operators: written only when the value changes ----
  void SetCharSpace(float v);  // Tc
  void SetWordSpace(float v);  // Tw
  void SetLeading(float v);    // TL
  // Selects the document's font of that name (created on first use, listed in the page's
  // resources) at size; writes "/F<n> size Tf" unless font and size are already current.
  void SelectFont(const std::string& name, float size);

  // ---- page and document ----
  // Makes page current: stores the text state on the previous page (internal entries),
  // then restores the state stored on page, or, for a new page, selects "Arial" 10 and
  // resets the spacings.
  void AttachPage(TPdfDictionary& page);
  // "GetPage --the Page is nil" when no page is attached.
  TPdfDictionary& GetPage() const;
  TPdfDoc& GetDoc() const { return doc_; }
  // The content stream of the current page, or null.
  TPdfStream* Contents() const { return contents_; }
  // The fourth number of the page's MediaBox (the document's default height without one).
  int MediaHeight() const;
  void SetMediaWidth(int n);
  void SetMediaHeight(int n);

  // ---- measuring (never writes) ----
  float MeasureWidth(std::string_view text) const { return attr_.MeasureWidth(text); }
  int FitChars(std::string_view text, float width) const { return attr_.FitChars(text, width); }
  // The word at 1-based pos, with its trailing space or CR LF; pos moves past it. Empty
  // when pos is beyond the text.
  static std::string NextWord(std::string_view text, int& pos);
  // The same word as a piece of text.
  static std::string_view WordAt(std::string_view text, int& pos);

  // ---- composite operations ----
  // One line in a box: baseline 0.85 x font size below Top, aligned, optionally clipped to
  // the box; never wrapped or cut.
  void TextInBox(const TPdfBox& box, std::string_view text, TPdfAlignment alignment, bool clipping);
  // Lines flowed into a box: breaks at CR LF and, with wordWrap, between words; lines
  // wider than the box are cut; lines that would start less than one font size above
  // Bottom are dropped.
  void TextBlockInBox(TPdfBox box, std::string_view text, bool wordWrap);
  // Paints the XObject named name into the rectangle (x, y, w, h).
  // Unknown name: EPdfInvalidValue "DrawXObject --XObject not found: <name>".
  void DrawXObject(float x, float y, float w, float h, const std::string& name);
  // Paints it at (x, y, w, h), cut to the clip rectangle.
  // Unknown name: EPdfInvalidValue "DrawXObjectEx --XObject not found: <name>".
  void DrawXObjectEx(float x, float y, float w, float h, float clipX, float clipY, float clipW, float clipH,
                     const std::string& name);

  TPdfCanvasAttribute& Attribute() { return attr_; }
  const TPdfCanvasAttribute& Attribute() const { return attr_; }
  bool Locked() const { return locked_; }
  void SetLocked(bool v) { locked_ = v; }

 private:
  friend class TPdfDoc;
  // Forgets page, contents and font (their document is being released).
  void Detach();
  bool Writing() const { return !locked_ && contents_; }
  void Write(std::string_view line);
  void WriteNumbers(std::initializer_list<float> values, std::string_view op);
  TPdfDictionary& Resources(std::string_view kind);
  TPdfXObject& FindXObject(const std::string& name, const char* operation);

  TPdfDoc& doc_;
  TPdfDictionary* page_ = nullptr;
  TPdfStream* contents_ = nullptr;
  TPdfCanvasAttribute attr_;
  bool locked_ = false;
};

}  // namespace setrix::pdf
