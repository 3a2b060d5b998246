#pragma once
// The PDF documentation's page layout: the report object, the three report pages with every
// element at its place, and the five scratch DIP switch banks that the documents draw into
// pictures. The layout is built once from the tables in pdf_layout.cpp and lives as long as
// its owner; the documentation fills it, moves a few elements and prints its pages (see
// pdf_documentation.h). What a save changes stays changed for the next save.
#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dipswitch/dipswitch.h"
#include "pdf/report.h"
#include "sheets/content.h"

namespace setrix {
class DcScreen;
struct ThermoModel;
struct RtdModel;
struct FrqModel;
}  // namespace setrix

namespace setrix::sheets {

// ---- the layout as data ---------------------------------------------------------------

enum class ElementKind { Panel, Label, Text, Image };

struct ElementFont {
  float size = 0;  // 0: no font (panels and images)
  bool bold = false;
  bool italic = false;
};

struct ElementOther {
  bool rightAligned = false;
  float leading = 0;  // text blocks: the line distance
  bool wordWrap = false;
  bool notPrintable = false;
  bool sharedImage = false;
  bool notStretched = false;
};

// One element of a page: where it sits, how it looks and its fixed text (null: set at run
// time or empty). Positions are PDF points from the top-left corner of the container named
// in `in`.
struct LayoutElement {
  std::string_view name;
  ElementKind kind;
  std::string_view in;
  int left, top, width, height;
  ElementFont font;
  ElementOther other;
  const char* content;
};

// The elements of each page, in the order the page holds them.
std::span<const LayoutElement> PdfPageElements();
std::span<const LayoutElement> FrqPage1Elements();
std::span<const LayoutElement> FrqPage2Elements();

// The scratch banks: name, switch count and rotation.
struct ScratchBank {
  std::string_view name;
  int count;
  dipswitch::TDIPAlignment alignment;
};
std::span<const ScratchBank> ScratchBanks();

// The report object's stored properties.
inline constexpr std::string_view kReportAuthor = "Zantrel GmbH";
inline constexpr std::string_view kReportKeywords = "Zantrel Vornex DC RTD Thermo Frequency";
inline constexpr pdf::TPdfDateTime kReportCreationDate{2001, 11, 1, 0, 21, 42};

// ---- the layout form ------------------------------------------------------------------

class TPDFForm {
 public:
  TPDFForm();
  TPDFForm(const TPDFForm&) = delete;
  TPDFForm& operator=(const TPDFForm&) = delete;

  pdf::TPReport PDFReport;
  pdf::TPRPage PDFPage{"PDFPage"};            // DC, thermocouple and RTD
  pdf::TPRPage FRQ_PDFPage1{"FRQ_PDFPage1"};  // frequency converter, page 1
  pdf::TPRPage FRQ_PDFPage2{"FRQ_PDFPage2"};  // frequency converter, page 2

  dipswitch::TDIPSwitch SW1_DC, SW2_DC, SW3_DC, SW1_FRQ, SW2_FRQ;

  // An element of any page by name; an unknown name or another kind throws
  // std::out_of_range naming it.
  pdf::TPRLabel& Label(std::string_view name) const { return Find<pdf::TPRLabel>(name); }
  pdf::TPRText& Text(std::string_view name) const { return Find<pdf::TPRText>(name); }
  pdf::TPRImage& Image(std::string_view name) const { return Find<pdf::TPRImage>(name); }
  pdf::TPRPanel& Panel(std::string_view name) const { return Find<pdf::TPRPanel>(name); }
  pdf::TControl& Element(std::string_view name) const;
  // A scratch bank by name ("SW1_DC", ...).
  dipswitch::TDIPSwitch& Bank(std::string_view name);

  // ---- the documentation (pdf_documentation.cpp) ----
  // Each builds the document's content from the module's screen model in the current
  // language and with DateText, and writes the file: complete or
  // not at all (pdf::EFileError names the file and the system's reason). `note` is the
  // module's user text. Texts are UTF-8; they are written in Windows-1252, characters
  // outside it as "?".
  void SaveDCDocumentation(const std::string& fileName, const DcScreen& dc, std::string_view note);
  void SaveThermoDocumentation(const std::string& fileName, const ThermoModel& thermo, std::string_view note);
  void SaveRTDDocumentation(const std::string& fileName, const RtdModel& rtd, std::string_view note);
  // The frequency entries are documented as they stand (FrqSettleEntries first).
  void SaveFRQDocumentation(const std::string& fileName, const FrqModel& frq, std::string_view note);

  // A document's content (content.h) laid out and written to a file, or into memory.
  void Save(const std::string& fileName, const Document& document);
  std::string Write(const Document& document);
  // Into `out`, replacing what it held; a caller that writes many documents keeps one
  // buffer and so does not have its memory allocated and given back for every one.
  void Write(const Document& document, std::string& out);

  // The same documents written into memory.
  std::string DCDocumentation(const DcScreen& dc, std::string_view note);
  std::string ThermoDocumentation(const ThermoModel& thermo, std::string_view note);
  std::string RTDDocumentation(const RtdModel& rtd, std::string_view note);
  std::string FRQDocumentation(const FrqModel& frq, std::string_view note);

  // The board pictures painted last, newest first (pdf_documentation.cpp): a board with the
  // same banks is drawn once and embedded from the same picture.
  struct PaintedBoard {
    std::string key;
    std::shared_ptr<const raster::Bitmap> picture;
    std::vector<pdf::TRect> banks;  // each bank's rectangle on the picture
  };
  static constexpr std::size_t kPaintedBoardsKept = 8;
  std::vector<PaintedBoard> PaintedBoards;

  // The date shown in the address column; by default today in the user's short date
  // format. Tests and the command line fix it.
  std::function<std::string()> DateText;

  // The frequency output's range ("0 .. 5", ...) and unit ("V", "mA"); empty without output.
  static std::string FrqRangeText(const FrqModel& frq);
  static std::string FrqRangeUnit(const FrqModel& frq);
  // Sets SW1_FRQ and SW2_FRQ to the banks of step 1 to 3 of the frequency converter.
  void FrqDocumentBanks(const FrqModel& frq, int step);

  // The content options of a document in the current language: the note and DateText.
  ContentOptions Options(std::string_view note) const;

 private:
  template <class T>
  T& Find(std::string_view name) const;

  // Every element by name, with its kinds found once: the documents look elements up by
  // name hundreds of times each. Open addressing over a power-of-two table with a short
  // hash of the name.
  class ElementIndex {
   public:
    struct Entry {
      std::string name;
      pdf::TControl* control = nullptr;
      pdf::TPRLabel* label = nullptr;
      pdf::TPRText* text = nullptr;
      pdf::TPRImage* image = nullptr;
      pdf::TPRPanel* panel = nullptr;
    };
    // nullptr for a name not held.
    const Entry* Find(std::string_view name) const;
    // Keeps the first control added under a name.
    void Add(std::string_view name, pdf::TControl& control);

   private:
    std::size_t Slot(std::string_view name) const;
    std::vector<Entry> slots_ = std::vector<Entry>(64);
    std::size_t used_ = 0;
  };
  ElementIndex elements_;
  // The entry of an element; an unknown name throws std::out_of_range naming it.
  const ElementIndex::Entry& EntryOf(std::string_view name) const;
};

}  // namespace setrix::sheets
