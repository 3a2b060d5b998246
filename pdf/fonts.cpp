#include "pdf/fonts.h"

#include <algorithm>

#include "pdf/font_widths.h"

namespace setrix::pdf {

int TPdfFont::GlyphWidth(std::string_view, int) const { return 0; }

TPdfType1Font::TPdfType1Font(TPdfObjectMgr& mgr, std::string name, const char* baseFont,
                             std::span<const std::uint16_t, kTableCodes> widths)
    : TPdfFont(std::move(name)) {
  auto* dict = mgr.Register(std::make_unique<TPdfDictionary>(&mgr));
  dict->Put("Type", std::make_unique<TPdfName>("Font"));
  dict->Put("Subtype", std::make_unique<TPdfName>("Type1"));
  dict->Put("Encoding", std::make_unique<TPdfName>("WinAnsiEncoding"));
  dict->Put("FirstChar", std::make_unique<TPdfNumber>(kTableFirst));
  dict->Put("LastChar", std::make_unique<TPdfNumber>(kTableLast));
  dict->Put("BaseFont", std::make_unique<TPdfName>(baseFont));
  auto array = std::make_unique<TPdfArray>(&mgr);
  array->Reserve(widths.size());
  for (const std::uint16_t w : widths) array->Add(std::make_unique<TPdfNumber>(w));
  dict->PutInternal("Widths", std::move(array));
  // What AttachDict would read back from the dictionary just made, taken from the table.
  TPdfFont::AttachDict(dict);
  widths_.fill(0);
  firstChar_ = kTableFirst;
  lastChar_ = kTableLast;
  std::copy(widths.begin(), widths.end(), widths_.begin() + firstChar_);
  source_ = widths.data();  // a table of the program, alive for the whole run
}

void TPdfType1Font::AttachDict(TPdfDictionary* dict) {
  TPdfFont::AttachDict(dict);
  source_ = nullptr;  // widths read from the dictionary
  const TPdfNumber* missing = dict->LookupNumber("MissingWidth");
  widths_.fill(static_cast<std::uint16_t>(missing ? missing->Value() : 0));
  const TPdfNumber* first = dict->LookupNumber("FirstChar");
  const TPdfNumber* last = dict->LookupNumber("LastChar");
  firstChar_ = static_cast<std::uint8_t>(first ? first->Value() & 0xFF : 0);
  lastChar_ = static_cast<std::uint8_t>(last ? last->Value() & 0xFF : 0);
  if (const TPdfArray* w = dict->LookupArray("Widths")) {
    for (int i = 0; i < w->Count() && firstChar_ + i < 256; ++i)
      if (const auto* n = dynamic_cast<const TPdfNumber*>(w->Item(i)))
        widths_[static_cast<std::size_t>(firstChar_ + i)] = static_cast<std::uint16_t>(n->Value());
  }
}

int TPdfType1Font::GlyphWidth(std::string_view text, int pos) const {
  if (pos < 1 || pos > static_cast<int>(text.size())) return 0;
  return widths_[static_cast<unsigned char>(text[static_cast<std::size_t>(pos - 1)])];
}

namespace {
constexpr FontWidthTable kCourierWidths = [] {
  FontWidthTable t{};
  t.fill(600);
  return t;
}();
}  // namespace

#define SETRIX_PDF_FONT_CTOR(Class, BaseFont, Widths) \
  Class::Class(TPdfObjectMgr& mgr, std::string name) : TPdfType1Font(mgr, std::move(name), BaseFont, Widths) {}

SETRIX_PDF_FONT_CTOR(TPdfFixedWidth, "Courier", kCourierWidths)
SETRIX_PDF_FONT_CTOR(TPdfFixedWidthBold, "Courier-Bold", kCourierWidths)
SETRIX_PDF_FONT_CTOR(TPdfFixedWidthItalic, "Courier-Oblique", kCourierWidths)
SETRIX_PDF_FONT_CTOR(TPdfFixedWidthBoldItalic, "Courier-BoldOblique", kCourierWidths)
SETRIX_PDF_FONT_CTOR(TPdfArial, "Helvetica", kHelveticaWidths)
SETRIX_PDF_FONT_CTOR(TPdfArialBold, "Helvetica-Bold", kHelveticaBoldWidths)
SETRIX_PDF_FONT_CTOR(TPdfArialItalic, "Helvetica-Oblique", kHelveticaWidths)
SETRIX_PDF_FONT_CTOR(TPdfArialBoldItalic, "Helvetica-BoldOblique", kHelveticaBoldWidths)
SETRIX_PDF_FONT_CTOR(TPdfTimesRoman, "Times-Roman", kTimesRomanWidths)
SETRIX_PDF_FONT_CTOR(TPdfTimesBold, "Times-Bold", kTimesBoldWidths)
SETRIX_PDF_FONT_CTOR(TPdfTimesItalic, "Times-Italic", kTimesItalicWidths)
SETRIX_PDF_FONT_CTOR(TPdfTimesBoldItalic, "Times-BoldItalic", kTimesBoldItalicWidths)

#undef SETRIX_PDF_FONT_CTOR

}  // namespace setrix::pdf
