#pragma once
// The standard base fonts: a font is a small dictionary naming one of the base Type 1 fonts
// that every PDF viewer has built in (nothing is embedded), plus a width table kept in
// memory for measuring text. Twelve classes cover Courier ("FixedWidth"), Helvetica
// ("Arial") and Times in four styles each; they are created by name (see registry.h).
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "pdf/objects.h"
#include "pdf/wrappers.h"

namespace setrix::pdf {

class TPdfFont : public TPdfDictionaryWrapper {
 public:
  // The registered name under which the font was created ("Arial", "Times-Bold", ...).
  const std::string& Name() const { return name_; }
  // Width of the byte at 1-based position pos of text, in 1/1000 of the font size.
  virtual int GlyphWidth(std::string_view text, int pos) const;
  // The widths by byte, when a byte's width does not depend on the text around it (null
  // otherwise).
  virtual const std::array<std::uint16_t, 256>* ByteWidths() const { return nullptr; }
  // An address that stands for these widths for the whole run (the built-in table they
  // came from), so that measuring keeps their scaled widths by it; null when the widths
  // came from elsewhere.
  virtual const void* WidthsSource() const { return nullptr; }

 protected:
  explicit TPdfFont(std::string name) : name_(std::move(name)) {}

 private:
  std::string name_;
};

// A base Type 1 font in WinAnsiEncoding with codes 32 to 255.
class TPdfType1Font : public TPdfFont {
 public:
  // Loads the width table from the dictionary: every code gets "MissingWidth" (0 when
  // absent), then the internal "Widths" array fills the codes from "FirstChar" on.
  void AttachDict(TPdfDictionary* dict) override;
  int GlyphWidth(std::string_view text, int pos) const override;
  const std::array<std::uint16_t, 256>* ByteWidths() const override { return &widths_; }
  const void* WidthsSource() const override { return source_; }
  std::uint8_t FirstChar() const { return firstChar_; }
  std::uint8_t LastChar() const { return lastChar_; }

 protected:
  // Registers the font dictionary with mgr at once (so it takes the next object number):
  // Type Font, Subtype Type1, Encoding WinAnsiEncoding, FirstChar 32, LastChar 255,
  // BaseFont baseFont, and the 224 widths as internal (never written) "Widths".
  static constexpr int kTableFirst = 32, kTableLast = 255;
  static constexpr std::size_t kTableCodes = kTableLast - kTableFirst + 1;
  TPdfType1Font(TPdfObjectMgr& mgr, std::string name, const char* baseFont,
                std::span<const std::uint16_t, kTableCodes> widths);

 private:
  std::array<std::uint16_t, 256> widths_{};
  const void* source_ = nullptr;
  std::uint8_t firstChar_ = 0, lastChar_ = 0;
};

#define SETRIX_PDF_TYPE1_FONT(Class)             \
  class Class final : public TPdfType1Font {     \
   public:                                       \
    Class(TPdfObjectMgr& mgr, std::string name); \
  };

SETRIX_PDF_TYPE1_FONT(TPdfFixedWidth)            // "FixedWidth": Courier
SETRIX_PDF_TYPE1_FONT(TPdfFixedWidthBold)        // "FixedWidth-Bold": Courier-Bold
SETRIX_PDF_TYPE1_FONT(TPdfFixedWidthItalic)      // "FixedWidth-Italic": Courier-Oblique
SETRIX_PDF_TYPE1_FONT(TPdfFixedWidthBoldItalic)  // "FixedWidth-BoldItalic": Courier-BoldOblique
SETRIX_PDF_TYPE1_FONT(TPdfArial)                 // "Arial": Helvetica
SETRIX_PDF_TYPE1_FONT(TPdfArialBold)             // "Arial-Bold": Helvetica-Bold
SETRIX_PDF_TYPE1_FONT(TPdfArialItalic)           // "Arial-Italic": Helvetica-Oblique
SETRIX_PDF_TYPE1_FONT(TPdfArialBoldItalic)       // "Arial-BoldItalic": Helvetica-BoldOblique
SETRIX_PDF_TYPE1_FONT(TPdfTimesRoman)            // "Times-Roman"
SETRIX_PDF_TYPE1_FONT(TPdfTimesBold)             // "Times-Bold"
SETRIX_PDF_TYPE1_FONT(TPdfTimesItalic)           // "Times-Italic"
SETRIX_PDF_TYPE1_FONT(TPdfTimesBoldItalic)       // "Times-BoldItalic"

#undef SETRIX_PDF_TYPE1_FONT

}  // namespace setrix::pdf
