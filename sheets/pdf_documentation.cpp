// The PDF documentation of the four modules: fills the layout's pages from a module's screen
// model, places the blocks and columns by measured widths, and writes one PDF file.
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <stdexcept>

#include "modules/dc_screen.h"
#include "modules/frq.h"
#include "modules/numbers.h"
#include "modules/rtd.h"
#include "modules/thermo.h"
#include "resources/pictures.h"
#include "sheets/content.h"
#include "sheets/doc_texts.h"
#include "sheets/pdf_layout.h"
#include "texts/texts.h"

namespace setrix::sheets {

namespace {

using texts::Tx;
using Lines = std::vector<std::string>;

// The height of "W" in the layout's measuring font: one line of the 14-point text blocks.
constexpr int kHW = 14;

// Texts are UTF-8 above this point and Windows-1252 in the report components.
std::string W(std::string_view utf8) { return pdf::Utf8ToWinAnsi(utf8); }
std::string S(std::string_view v) { return std::string(v); }

void SetLines(pdf::TPRText& text, const Lines& utf8) {
  text.Lines().clear();
  for (const std::string& l : utf8) text.Lines().push_back(W(l));
}
void Append(pdf::TPRText& text, std::string_view utf8Line) { text.Lines().push_back(W(utf8Line)); }

// Rounding as the layout does it: to the nearest whole point, halves to even.
int Round(double v) { return static_cast<int>(std::nearbyint(v)); }
int Ceil(double v) { return static_cast<int>(std::ceil(v - 1e-4)); }

// The process-wide picture itself, not a copy (it lives until the program ends).
std::shared_ptr<const raster::Bitmap> Pic(std::string_view name) {
  return std::shared_ptr<const raster::Bitmap>(std::shared_ptr<void>(), &resources::Picture(name));
}

// Left edge of "TELIQ" after the language's "for signal isolator VORNEX".
int LabelHead2Left(int language) {
  constexpr int kLeft[] = {227, 197, 217, 271};
  return kLeft[language >= 0 && language < 4 ? language : 0];
}

// The product line "VORNEX KIT" and "<for signal isolator> VORNEX TELIQ ZOR <model>": each
// word starts at its place in the layout, or after the measured word before it where the
// language's text is longer, so that they never overlap.
void PlaceHeadLine(pdf::TPRLabel& vornex, pdf::TPRLabel& kit, pdf::TPRLabel& head1, pdf::TPRLabel& head2,
                   pdf::TPRLabel& head3, int language) {
  kit.SetLeft(std::max(106, vornex.Left() + static_cast<int>(std::ceil(vornex.GetTextWidth())) + 3));
  head2.SetLeft(
      std::max(LabelHead2Left(language), head1.Left() + static_cast<int>(std::ceil(head1.GetTextWidth())) + 3));
  head3.SetLeft(head2.Left() + 38);
}

void ConfigureBank(dipswitch::TDIPSwitch& bank, int count, dipswitch::TDIPAlignment alignment, int value) {
  dipswitch::TDIPSwitchObject& s = bank.SwitchSettings();
  s.SetCount(count);
  s.SetAlignment(alignment);
  s.SetBMP_BW(true);
  s.SetValue(value);
}

// Draws a bank into a picture of its own and copies that, unscaled, into the board picture
// with its top-left corner at (x, y). Returns the bank's rectangle in the board picture.
pdf::TRect PaintBank(raster::Bitmap& board, dipswitch::TDIPSwitch& bank, int x, int y) {
  raster::Bitmap picture(1, 1, 1);
  bank.DrawToBitmap(picture);
  raster::CopyPixels(board, picture, x, y);
  return {x, y, x + picture.Width(), y + picture.Height()};
}

// Measures and places on one form.
class Layout {
 public:
  explicit Layout(TPDFForm& form) : f(form) {}

  // The width of a Windows-1252 text in the form's font (Arial at 11 pixels, read as points).
  float Measure(std::string_view text) const {
    pdf::TPdfCanvas& c = f.PDFPage.MeasuringDocument().GetCanvas();
    c.SelectFont("Arial", 11);
    c.SetCharSpace(0);
    c.SetWordSpace(0);
    return c.MeasureWidth(text);
  }
  float Widest(const pdf::TPRText& t, bool skipLast = false) const {
    float w = 0;
    const std::size_t n = t.Lines().size() - (skipLast && !t.Lines().empty() ? 1 : 0);
    for (std::size_t i = 0; i < n; ++i) w = std::max(w, Measure(t.Lines()[i]));
    return w;
  }
  float Gap() const { return Measure("     "); }
  // The user text is wider than the value column: the blocks below move down a line.
  bool NoteIsWide(std::string_view note, const pdf::TPRText& column) const {
    return Measure(W(note)) > static_cast<float>(column.Width());
  }
  // The note keeps its width of 305 points unless that would reach into the address column.
  static int NoteWidth(const pdf::TPRText& note, const pdf::TPRText& address) {
    return NoteWidth(note.Left(), address);
  }
  static int NoteWidth(int noteLeft, const pdf::TPRText& address) {
    return std::min(305, address.Left() - 4 - noteLeft);
  }
  // Where the value column (and the note) starts: right of the label column, which is as wide
  // as its widest caption and a gap.
  int ValueLeft(const pdf::TPRText& labels, const Lines& captions) const {
    float widest = 0;
    for (const std::string& c : captions) widest = std::max(widest, Measure(W(c)));
    return Round(labels.Left() + Ceil(widest + Gap()) + Gap());
  }
  // The note wrapped into its column, so that the whole note shows.
  Lines NoteLines(std::string_view note, int noteLeft, const pdf::TPRText& address) const {
    return WrapNote(note, NoteWidth(noteLeft, address), [this](std::string_view l) { return Measure(W(l)); });
  }
  // Fills a note box with its lines, tall enough for all of them.
  static void SetNote(pdf::TPRText& box, const Lines& lines) {
    SetLines(box, lines);
    box.SetHeight(std::max(30, static_cast<int>(lines.size()) * kHW + 2));
  }
  // The lines the blocks below the note move down: one for a note wider than the value
  // column, one for every further line of the note.
  static int NoteExtraLines(bool wide, const Lines& noteLines) {
    return std::max(wide ? 1 : 0, static_cast<int>(noteLines.size()) - 1);
  }
  // A label centred on row n of a terminal plan drawn 202 pixels high.
  static void PlaceOnPlanRow(pdf::TPRLabel& label, const pdf::TPRImage& plan, int n) {
    const double k = plan.Height() / 202.0;
    label.SetTop(Round(k * n) + plan.Top() - label.Height() / 2);
  }

  TPDFForm& f;
};

// One column of the task's rows (labels, values or units), a blank line between two groups.
Lines TaskColumn(const TaskBlock& task, std::string TaskRow::*column) {
  Lines lines;
  for (const TaskGroup& g : task.groups) {
    if (!lines.empty()) lines.emplace_back("");
    for (const TaskRow& r : g.rows) lines.push_back(r.*column);
  }
  return lines;
}

// The label column, and the settings line below it after a blank line.
Lines TaskLabels(const TaskBlock& task) {
  Lines lines = TaskColumn(task, &TaskRow::label);
  if (task.settings) {
    lines.emplace_back("");
    lines.push_back(task.settings->Joined());
  }
  return lines;
}

// The captions that the label column is as wide as: the note's, the groups', the settings'.
Lines LabelCaptions(const PageHeader& h, const TaskBlock& task) {
  Lines captions{h.noteCaption};
  for (const TaskGroup& g : task.groups) captions.push_back(g.caption);
  if (task.settings) captions.push_back(task.settings->caption);
  return captions;
}

// The bold label column: the note, each group's caption level with its first row, the
// settings caption level with the settings line.
Lines LabelColumn(const PageHeader& h, const TaskBlock& task, int noteExtra) {
  Lines lines{h.noteCaption, ""};
  lines.insert(lines.end(), static_cast<std::size_t>(noteExtra), "");
  for (std::size_t i = 0; i < task.groups.size(); ++i) {
    lines.push_back(task.groups[i].caption);
    if (i + 1 < task.groups.size() || task.settings) lines.insert(lines.end(), task.groups[i].rows.size(), "");
  }
  if (task.settings) lines.push_back(task.settings->caption);
  return lines;
}

// The address column: address, a blank line, the date, optionally the page line.
Lines AddressLines(const PageHeader& h) {
  Lines lines = h.address;
  lines.emplace_back(" ");
  lines.push_back(h.dateLine);
  if (!h.pageLine.empty()) {
    lines.emplace_back(" ");
    lines.push_back(h.pageLine);
  }
  return lines;
}

// The key of a board picture: the picture and every bank's count, alignment, value and place.
std::string BoardKey(const Board& board) {
  std::string key = board.picture;
  for (const BoardBank& b : board.banks) {
    key += '|';
    for (int v : {b.count, static_cast<int>(b.alignment), b.value, b.place.left, b.place.top}) {
      key += std::to_string(v);
      key += ',';
    }
  }
  return key;
}

// The board picture with its banks painted in, and where each bank lies on it. The form
// keeps the boards it painted last: a board shown again (the two steps of a DC two-step
// document, the next document of the same task) is the same picture, drawn once, whose
// image bytes the page element has kept as well.
const TPDFForm::PaintedBoard& PaintedBoardOf(TPDFForm& form, const Board& board) {
  std::vector<TPDFForm::PaintedBoard>& kept = form.PaintedBoards;
  std::string key = BoardKey(board);
  const auto hit = std::find_if(kept.begin(), kept.end(), [&](const auto& p) { return p.key == key; });
  if (hit != kept.end()) {
    std::rotate(kept.begin(), hit, hit + 1);
    return kept.front();
  }
  raster::Bitmap picture = resources::Picture(board.picture);
  std::vector<pdf::TRect> banks;
  for (const BoardBank& b : board.banks) {
    dipswitch::TDIPSwitch bank;
    ConfigureBank(bank, b.count, b.alignment, b.value);
    banks.push_back(PaintBank(picture, bank, b.place.left, b.place.top));
  }
  if (kept.size() == TPDFForm::kPaintedBoardsKept) kept.pop_back();
  kept.insert(kept.begin(),
              {std::move(key), std::make_shared<const raster::Bitmap>(std::move(picture)), std::move(banks)});
  return kept.front();
}

// Puts the board with its banks into the image element and places the banks' name labels
// (found by the bank's name) relative to it.
void PaintBoard(TPDFForm& form, pdf::TPRImage& image, const Board& board,
                const std::function<pdf::TPRLabel&(const BoardBank&)>& label) {
  const TPDFForm::PaintedBoard& painted = PaintedBoardOf(form, board);
  const double sx = 225.0 / painted.picture->Width(), sy = 172.0 / painted.picture->Height();
  for (std::size_t i = 0; i < board.banks.size(); ++i) {
    const BoardBank& b = board.banks[i];
    const pdf::TRect& r = painted.banks[i];
    pdf::TPRLabel& l = label(b);
    switch (b.place.namePlace) {
      case resources::BankNamePlace::RightOfTop:
        l.SetLeft(Round(r.Right * sx) + image.Left() + b.place.pdfNameGap);
        l.SetTop(Round(r.Top * sy) + image.Top());
        break;
      case resources::BankNamePlace::AboveLeft:
        l.SetLeft(Round(r.Left * sx) + image.Left());
        l.SetTop(Round(r.Top * sy) + image.Top() - l.Height());
        break;
      case resources::BankNamePlace::RightOfBottom:
        l.SetLeft(Round(r.Right * sx) + image.Left() + b.place.pdfNameGap);
        l.SetTop(Round(r.Bottom * sy) + image.Top() - l.Height());
        break;
    }
  }
  image.SetPicture(painted.picture);
}

// The plan's numbers in the layout's label order: left and right of the rows 169, 188, 32
// and 13 (of 202).
std::array<std::string, 8> PlanNumbers(const TerminalPlan& plan) {
  const auto& r = plan.rows;
  return {r[2].left, r[2].right, r[3].left, r[3].right, r[1].left, r[1].right, r[0].left, r[0].right};
}

// A terminal plan's width in points: 23 for the eight-terminal plans, 32 for twelve.
int PlanWidth(const TerminalPlan& plan) { return plan.terminals == 12 ? 32 : 23; }

// ==== page PDFPage: DC, thermocouple, RTD =============================================

struct PdfPageFiller : Layout {
  using Layout::Layout;
  int noteExtra = 0;  // lines the blocks move down for the note

  void Header(const PageHeader& h, const Board& board, const TaskBlock& task) {
    f.PDFReport.SetTitle(W(h.title));
    f.Image("ZTImage").SetPicture(Pic("ZTLOGO"));
    auto& head1 = f.Label("LabelHead1");
    head1.SetCaption(W(h.productLine));
    head1.SetLeft(57);
    auto& head2 = f.Label("LabelHead2");
    auto& head3 = f.Label("LabelHead3");
    head3.SetCaption(W(h.modelLine));
    PlaceHeadLine(f.Label("PRLabel3"), f.Label("PRLabel4"), head1, head2, head3, h.language);

    SetLines(f.Text("TextZT"), AddressLines(h));
    if (!board.caption.empty()) f.Label("IlluLabel").SetCaption(W(board.caption));
    const Lines noteLines =
        NoteLines(h.note, ValueLeft(f.Text("InOutTxt"), LabelCaptions(h, task)), f.Text("TextZT"));
    SetNote(f.Text("NoteTxt"), noteLines);

    // Vertical placement.
    auto& block1 = f.Text("InOutBlock1");
    noteExtra = NoteExtraLines(NoteIsWide(h.note, block1), noteLines);
    const int down = noteExtra * kHW;
    auto& pcb = f.Image("ImagePCB");
    auto& result1 = f.Text("ResultBlock1");
    block1.SetTop(165 - kHW + down);
    pcb.SetTop(308 - kHW + down);
    result1.SetTop((h.page > 0 ? 520 : 503) - kHW + down);
    f.Label("IlluLabel").SetTop(pcb.Top() + 176);
    for (const char* name : {"DCInOutBlock", "InOutBlock2", "InOutBlock3"}) f.Element(name).SetTop(block1.Top());
    for (const char* name : {"SWPan", "ImageKP"}) f.Element(name).SetTop(pcb.Top());
    f.Text("ResultBlock2").SetTop(result1.Top());

    f.Label("LblOn").SetCaption(W(board.onWord));
    f.Label("LblOff").SetCaption(W(board.offWord));
    f.Image("ImageSwOn").SetPicture(Pic("BMP_ON"));
    f.Image("ImageSWOff").SetPicture(Pic("BMP_OFF"));
  }

  void Task(const PageHeader& h, const TaskBlock& task) {
    SetLines(f.Text("InOutTxt"), LabelColumn(h, task, noteExtra));
    SetLines(f.Text("InOutBlock1"), TaskLabels(task));
    if (task.style == TaskStyle::Numbers) {
      // The numbers right-aligned in labels of their own, the units beside them.
      int i = 1;
      for (const TaskGroup& g : task.groups)
        for (const TaskRow& r : g.rows) f.Label("InOutLbl" + std::to_string(i++)).SetCaption(W(r.value));
      SetLines(f.Text("InOutBlock3"), TaskColumn(task, &TaskRow::unit));
    } else {
      SetLines(f.Text("InOutBlock2"), TaskColumn(task, &TaskRow::value));
    }
  }

  void PaintBoardOf(const Board& b) {
    auto& pcb = f.Image("ImagePCB");
    bool s3 = false;
    for (const BoardBank& bank : b.banks) s3 = s3 || bank.name == "S3";
    for (const char* name : {"LblSW1", "LblSW2"}) f.Label(name).SetPrintable(true);
    f.Label("LblSW3").SetPrintable(s3);
    PaintBoard(f, pcb, b,
               [&](const BoardBank& bank) -> pdf::TPRLabel& { return f.Label("LblSW" + bank.name.substr(1)); });

    auto& plan = f.Image("ImageKP");
    plan.SetWidth(PlanWidth(b.plan));
    plan.SetPicture(Pic(b.plan.picture));
    const std::array<std::string, 8> numbers = PlanNumbers(b.plan);
    for (int i = 1; i < 8; ++i)
      f.Label("Num" + std::to_string(i + 1)).SetCaption(W(numbers[static_cast<std::size_t>(i)]));
  }

  // The instruction lines of the DC screen in two columns that stay level.
  void DcInstructions(const std::vector<InstructionLine>& lines) {
    auto& r1 = f.Text("ResultBlock1");
    auto& r2 = f.Text("ResultBlock2");
    r1.Lines().clear();
    r2.Lines().clear();
    if (lines.empty()) return;
    const auto addBlock = [](pdf::TPRText& t, std::string_view text) {
      for (const std::string& line : SplitLines(text)) Append(t, line);
    };
    bool numbered = false;  // a line above has a number: the last line goes to the text column
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
      const InstructionLine& l = lines[i];
      if (l.index.empty()) {
        addBlock(r1, l.text);
        Append(r1, "");
      } else {
        numbered = true;
        addBlock(r1, l.index);
        const Lines help = SplitLines(l.text);
        for (std::size_t k = 1; k < help.size(); ++k) Append(r1, "");
        addBlock(r2, l.text);
        Append(r1, "");
        Append(r2, "");
      }
    }
    addBlock(numbered ? r2 : r1, lines.back().text);
  }

  void Paragraphs(const std::vector<std::string>& paragraphs) {
    f.Text("ResultBlock2").Lines().clear();
    Lines lines;
    for (const std::string& text : paragraphs) {
      if (!lines.empty()) lines.insert(lines.end(), 2, "");
      for (std::string& l : SplitLines(text)) lines.push_back(std::move(l));
    }
    SetLines(f.Text("ResultBlock1"), lines);
  }

  // Terminal lists of the thermocouple and RTD screens, split after the first ":".
  void TerminalInstructions(const std::vector<std::string>& captions) {
    auto& r1 = f.Text("ResultBlock1");
    auto& r2 = f.Text("ResultBlock2");
    r1.Lines().clear();
    r2.Lines().clear();
    for (std::size_t i = 0; i < captions.size(); ++i) {
      r1.SetWidth(Ceil(Measure(W("Terminal 11:    "))));
      r2.SetLeft(r1.Left() + r1.Width() + Ceil(Measure("   ")));
      std::string text = captions[i];
      text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
      for (const std::string& line : SplitLines(text)) {
        const auto colon = line.find(':');
        const std::string head = colon == std::string::npos ? "" : line.substr(0, colon + 1);
        const std::string rest = colon == std::string::npos ? line : line.substr(colon + 1);
        Append(r1, head);
        Append(r2, TrimLeadingBlanks(rest));
      }
      if (i + 1 < captions.size()) {
        Append(r1, "");
        Append(r2, "");
      }
    }
  }

  void Columns(bool numbers, const TerminalPlan& terminalPlan) {
    const bool eight = terminalPlan.terminals == 8;
    const float gap = Gap();
    auto& labels = f.Text("InOutTxt");
    auto& note = f.Text("NoteTxt");
    auto& block1 = f.Text("InOutBlock1");
    auto& block2 = f.Text("InOutBlock2");
    auto& block3 = f.Text("InOutBlock3");
    auto& dcBlock = f.Panel("DCInOutBlock");
    labels.SetWidth(Ceil(Widest(labels) + gap));
    const int valueLeft = Round(labels.Left() + labels.Width() + gap);
    note.SetLeft(valueLeft);
    note.SetWidth(NoteWidth(note, f.Text("TextZT")));
    block1.SetLeft(valueLeft);
    block1.SetWidth(Ceil(Widest(block1) + gap));
    block2.SetLeft(block1.Left() + Ceil(Widest(block1, true) + gap));
    dcBlock.SetLeft(block2.Left());
    const char* numberLabels[] = {"InOutLbl1", "InOutLbl2", "InOutLbl3", "InOutLbl4", "InOutLbl5"};
    if (numbers) {
      float widest = 0;
      for (const char* n : numberLabels) widest = std::max(widest, Measure(f.Label(n).Caption()));
      const int w = Ceil(widest + gap);
      for (const char* n : numberLabels) f.Label(n).SetWidth(w);
      dcBlock.SetWidth(w);
      block2.Lines().clear();
      const float twoBlanks = Measure("  ");
      block3.SetWidth(Ceil(Widest(block3) + twoBlanks));
      block3.SetLeft(Round(dcBlock.Left() + w + twoBlanks));
    } else {
      block2.SetWidth(Ceil(Widest(block2) + gap));
      block3.Lines().clear();
      for (const char* n : numberLabels) f.Label(n).SetCaption("");
    }
    auto& result1 = f.Text("ResultBlock1");
    result1.SetWidth(Ceil(Widest(result1) + gap));
    f.Text("ResultBlock2").SetLeft(Round(result1.Left() + result1.Width() + gap));

    // Terminal numbers beside the plan, centred on the terminal rows.
    const auto& plan = f.Image("ImageKP");
    const int rightColumn = plan.Left() + plan.Width() + 2;
    for (const char* n : {"Num2", "Num4", "Num6", "Num8"}) {
      auto& l = f.Label(n);
      l.SetLeft(rightColumn);
      l.SetAlignment(eight ? pdf::TPdfAlignment::taLeftJustify : pdf::TPdfAlignment::taRightJustify);
    }
    const std::pair<const char*, int> rows[] = {{"Num3", 188},
                                                {"Num4", 188},
                                                {"Num1", 169},
                                                {"Num2", 169},
                                                {"Num5", 32},
                                                {"Num6", 32},
                                                {"Num7", 13},
                                                {"Num8", 13},
                                                {"LblZero", eight ? 110 : 83},
                                                {"LblSpan", eight ? 134 : 107}};
    for (const auto& [name, n] : rows) PlaceOnPlanRow(f.Label(name), plan, n);
    f.Label("LblZero").SetLeft(rightColumn);
    f.Label("LblSpan").SetLeft(rightColumn);
  }
};

// ==== pages FRQ_PDFPage1 and FRQ_PDFPage2: frequency converter ===========================

struct FrqFiller : Layout {
  using Layout::Layout;

  // m: 0 for the one-page document, 1 with two boards, 2 with three (page 2 has two).
  void Fill(const Document& d) {
    const Page& page1 = d.pages.front();
    const Page* page2 = d.pages.size() > 1 ? &d.pages[1] : nullptr;
    const int m = page2 == nullptr ? 0 : page2->boards.size() > 1 ? 2 : 1;
    const PageHeader& h1 = page1.header;
    const TaskBlock& task = *page1.task;
    const std::string_view note = h1.note;

    // 1. Header of both pages.
    f.PDFReport.SetTitle(W(h1.title));
    for (const char* p : {"_P1", "_P2"}) {
      const std::string s(p);
      f.Image("FRQ_ZTImage" + s).SetPicture(Pic("ZTLOGO"));
      auto& head1 = f.Label("FRQ_LabelHead1" + s);
      head1.SetCaption(W(h1.productLine));
      head1.SetLeft(57);
      auto& head2 = f.Label("FRQ_LabelHead2" + s);
      auto& head3 = f.Label("FRQ_LabelHead3" + s);
      head3.SetCaption(W(h1.modelLine));
      PlaceHeadLine(f.Label(s == "_P1" ? "PRLabel1" : "PRLabel28"), f.Label(s == "_P1" ? "PRLabel2" : "PRLabel29"),
                    head1, head2, head3, h1.language);
    }
    SetLines(f.Text("FRQ_TextZT_P1"), AddressLines(h1));
    SetLines(f.Text("FRQ_TextZT_P2"), AddressLines(page2 ? page2->header : h1));
    std::vector<const Board*> boards{&page1.boards.front()};
    if (page2)
      for (const Board& b : page2->boards) boards.push_back(&b);
    for (const Board* b : boards)
      if (!b->caption.empty()) f.Label("FRQ_Illu_" + std::to_string(b->illustration)).SetCaption(W(b->caption));
    // The note on both pages, so that a loose page 2 still names its device.
    const Lines noteLines =
        NoteLines(note, ValueLeft(f.Text("FRQ_InOutTxt_P1"), LabelCaptions(h1, task)), f.Text("FRQ_TextZT_P1"));
    SetNote(f.Text("FRQ_NoteTxt_P1"), noteLines);
    SetNote(f.Text("FRQ_NoteTxt_P2"), noteLines);
    SetLines(f.Text("FRQ_InOutTxt_P2"), {h1.noteCaption});

    // 2. Vertical placement.
    auto& block1 = f.Text("FRQ_InOutBlock1_P1");
    const int extra = NoteExtraLines(NoteIsWide(note, block1), noteLines);
    const int h = m != 0 ? 2 * kHW : 0;
    const int base = 288 - kHW + extra * kHW;
    block1.SetTop(165 - kHW + extra * kHW);
    auto& pcb1 = f.Image("FRQ_ImagePCB_P1");
    pcb1.SetTop(base - h);
    auto& caption1 = f.Label("FRQ_Caption1");
    auto& result1 = f.Text("FRQ_ResultBlock1_P1");
    // Page 2 starts below its note: everything under the header moves down from its place.
    const int page2Down = (static_cast<int>(noteLines.size()) + 1) * kHW;
    for (const LayoutElement& e : FrqPage2Elements()) {
      if (e.in != "PRLayoutPanel4" || e.top < 123 || e.name == "FRQ_TextZT_P2" || e.name == "FRQ_InOutTxt_P2" ||
          e.name == "FRQ_NoteTxt_P2")
        continue;
      f.Element(e.name).SetTop(e.top + page2Down);
    }
    if (m != 0) {
      // The step texts start below the board; a note of more than two lines pushes them down.
      caption1.SetTop(500 - kHW - h + std::max(0, extra - 1) * kHW);
      result1.SetTop(caption1.Top() + caption1.Height() + kHW);
    } else {
      result1.SetTop(484 - kHW - h);
    }
    auto& result2 = f.Text("FRQ_ResultBlock2_P1");
    result2.SetTop(result1.Top());
    f.Text("FRQ_InOutBlock2_P1").SetTop(block1.Top());
    f.Panel("FRQ_InOutBlock3_P1").SetTop(block1.Top());
    f.Panel("FRQ_SWPan_P1").SetTop(pcb1.Top());
    f.Image("FRQ_ImageKP_P1").SetTop(pcb1.Top());

    // 3. Legends.
    for (const char* p : {"_P1", "_1_P2", "_2_P2"}) {
      const std::string s(p);
      f.Label("FRQ_LblOn" + s).SetCaption(W(boards.front()->onWord));
      f.Label("FRQ_LblOff" + s).SetCaption(W(boards.front()->offWord));
      f.Image("FRQ_ImageSwOn" + s).SetPicture(Pic("BMP_ON"));
      f.Image("FRQ_ImageSwOff" + s).SetPicture(Pic("BMP_OFF"));
    }

    // 4. Task block.
    SetLines(f.Text("FRQ_InOutTxt_P1"), LabelColumn(h1, task, extra));
    SetLines(block1, TaskLabels(task));
    SetLines(f.Text("FRQ_InOutBlock2_P1"), TaskColumn(task, &TaskRow::value));
    const std::vector<TaskRow>& inputRows = task.groups[0].rows;
    f.Label("FRQ_Out1Lbl").SetCaption(W(inputRows[1].unit));
    f.Label("FRQ_Out2Lbl").SetCaption(W(inputRows[2].unit));
    f.Label("FRQ_Out3Lbl").SetCaption(W(task.groups[1].rows[0].unit));

    // 5. Boards, one per step.
    struct Step {
      const char *board, *label1, *label2, *plan;
    };
    const Step steps[] = {{"FRQ_ImagePCB_P1", "Label_FRQSW1_P1", "Label_FRQSW2_P1", "FRQ_ImageKP_P1"},
                          {"FRQ_ImagePCB_1_P2", "Label_FRQSW1_1_P2", "Label_FRQSW2_1_P2", "FRQ_ImageKP_1_P2"},
                          {"FRQ_ImagePCB_2_P2", "Label_FRQSW1_2_P2", "Label_FRQSW2_2_P2", "FRQ_ImageKP_2_P2"}};
    for (const Step& s : steps) {
      auto& board = f.Image(s.board);
      board.SetBounds(board.Left(), board.Top(), 225, 172);
      auto& plan = f.Image(s.plan);
      plan.SetBounds(plan.Left(), plan.Top(), 23, 184);
    }
    for (std::size_t k = 0; k < boards.size(); ++k) {
      const Step& s = steps[k];
      const Board& b = *boards[k];
      auto& image = f.Image(s.board);
      PaintBoard(f, image, b, [&](const BoardBank& bank) -> pdf::TPRLabel& {
        return f.Label(bank.name == "S1" ? s.label1 : s.label2);
      });
      f.Image(s.plan).SetPicture(Pic(b.plan.picture));
    }

    // 6. Instructions.
    const Pinning& pinning = *d.pages.back().instructions.pinning;
    Lines pinningTerminals, pinningMeanings;
    for (const PinGroup& g : pinning.groups) {
      if (!pinningTerminals.empty()) {
        pinningTerminals.emplace_back("");
        pinningMeanings.emplace_back("");
      }
      pinningTerminals.insert(pinningTerminals.end(), g.terminals.begin(), g.terminals.end());
      for (std::string& l : SplitLines(g.meanings)) pinningMeanings.push_back(std::move(l));
    }
    auto& caption2 = f.Label("FRQ_Caption2");
    auto& caption3 = f.Label("FRQ_Caption3");
    auto& result3 = f.Text("FRQ_ResultBlock3_P1");
    auto& result4 = f.Text("FRQ_ResultBlock4_P1");
    if (m == 0) {
      for (pdf::TPRItem* item :
           std::initializer_list<pdf::TPRItem*>{&caption1, &caption2, &caption3, &result3, &result4})
        item->SetPrintable(false);
      const auto& plan = f.Image("FRQ_ImageKP_P1");
      result1.SetTop(plan.Top() + plan.Height() + kHW);
      result2.SetBounds(151, result1.Top(), 281, 305);
      result1.SetHeight(305);
      SetLines(result1, pinningTerminals);
      SetLines(result2, pinningMeanings);
    } else {
      const std::vector<FrqStepText>& texts = page1.instructions.steps;
      const auto below = [](const pdf::TControl& above) { return above.Top() + above.Height() + kHW; };
      caption1.SetPrintable(true);
      caption1.SetCaption(W(texts[0].heading));
      result1.Lines().clear();
      result1.SetHeight(97);
      result2.SetBounds(55, below(caption1), 378, 97);
      result2.SetText(W(texts[0].text));
      caption2.SetPrintable(true);
      caption2.SetCaption(W(texts[1].heading));
      caption2.SetTop(below(result2));
      result3.SetPrintable(true);
      result3.SetTop(below(caption2));
      result3.SetText(W(texts[1].text));
      caption3.SetPrintable(m == 2);
      caption3.SetTop(below(result3));
      result4.SetPrintable(m == 2);
      result4.SetTop(below(caption3));
      if (m == 2) {
        caption3.SetCaption(W(texts[2].heading));
        result4.SetText(W(texts[2].text));
      } else {
        result4.Lines().clear();
      }
      auto& caption4 = f.Label("FRQ_Caption4");
      caption4.SetCaption(W(pinning.caption));
      caption4.SetTop(below(f.Label(m == 2 ? "FRQ_Illu_3" : "FRQ_Illu_2")));
      auto& pin1 = f.Text("FRQ_ResultBlock1_P2");
      auto& pin2 = f.Text("FRQ_ResultBlock2_P2");
      pin1.SetTop(below(caption4));
      pin2.SetTop(pin1.Top());
      SetLines(pin1, pinningTerminals);
      SetLines(pin2, pinningMeanings);
    }

    // 7. Columns.
    const float gap = Gap();
    auto& labelsText = f.Text("FRQ_InOutTxt_P1");
    auto& block2 = f.Text("FRQ_InOutBlock2_P1");
    labelsText.SetWidth(Ceil(Widest(labelsText) + gap));
    const int valueLeft = Round(labelsText.Left() + labelsText.Width() + gap);
    auto& noteText = f.Text("FRQ_NoteTxt_P1");
    noteText.SetLeft(valueLeft);
    noteText.SetWidth(NoteWidth(noteText, f.Text("FRQ_TextZT_P1")));
    auto& noteText2 = f.Text("FRQ_NoteTxt_P2");
    noteText2.SetLeft(valueLeft);
    noteText2.SetWidth(noteText.Width());
    f.Text("FRQ_InOutTxt_P2").SetWidth(labelsText.Width());
    block1.SetLeft(valueLeft);
    block1.SetWidth(Ceil(Widest(block1) + gap));
    // The output kind shares its row with the range: only the settings line (mode 0) may
    // reach under the value column.
    block2.SetLeft(block1.Left() + Ceil(Widest(block1, m == 0) + gap));
    block2.SetWidth(std::max(block2.Width(), Ceil(Widest(block2) + gap)));
    f.Panel("FRQ_InOutBlock3_P1").SetLeft(block2.Left() + Ceil(Widest(block2) + gap));
    float widestUnit = 0;
    for (const char* n : {"FRQ_Out1Lbl", "FRQ_Out2Lbl", "FRQ_Out3Lbl"})
      widestUnit = std::max(widestUnit, Measure(f.Label(n).Caption()));
    for (const char* n : {"FRQ_Out1Lbl", "FRQ_Out2Lbl", "FRQ_Out3Lbl"})
      f.Label(n).SetWidth(Ceil(widestUnit + gap));

    const std::pair<const char*, int> rows[] = {{"3", 188}, {"4", 188}, {"1", 169}, {"2", 169},
                                                {"5", 32},  {"6", 32},  {"7", 13},  {"8", 13}};
    for (const char* suffix : {"_P1", "_1_P2", "_2_P2"}) {
      const std::string s(suffix);
      const auto& plan = f.Image("FRQ_ImageKP" + s);
      for (const auto& [number, n] : rows) {
        auto& label = f.Label("FRQ_Num" + S(number) + s);
        PlaceOnPlanRow(label, plan, n);
        if (std::stoi(number) % 2 == 0) label.SetLeft(plan.Left() + plan.Width() + 2);
      }
    }
    f.Label("FRQ_Illu_1").SetTop(pcb1.Top() + 176);
  }

  // 8. Printable flags of the page-2 illustration 3.
  void ThirdIllustrationPrintable(bool printable) {
    for (const char* name :
         {"FRQ_ImagePCB_2_P2", "Label_FRQSW1_2_P2", "Label_FRQSW2_2_P2", "FRQ_ImageKP_2_P2", "FRQ_ImageSwOn_2_P2",
          "FRQ_ImageSwOff_2_P2", "FRQ_LblOn_2_P2", "FRQ_LblOff_2_P2", "FRQ_Illu_3"})
      dynamic_cast<pdf::TPRItem&>(f.Element(name)).SetPrintable(printable);
    for (int i = 1; i <= 8; ++i) f.Label("FRQ_Num" + std::to_string(i) + "_2_P2").SetPrintable(printable);
  }
};

// Where a document goes: a file or memory.
struct Sink {
  const std::string* fileName = nullptr;
  std::string* out = nullptr;
};

// Fills and prints with `produce`, then writes; an error releases the open document.
template <class Produce>
void Write(TPDFForm& form, Sink sink, Produce produce) {
  try {
    if (sink.fileName) form.PDFReport.SetFileName(*sink.fileName);
    produce();
    if (sink.fileName)
      form.PDFReport.CloseDocument();
    else
      form.PDFReport.CloseDocument(*sink.out);
  } catch (...) {
    form.PDFReport.DiscardDocument();
    throw;
  }
}

// DC, thermocouple and RTD: one page layout, filled and printed once per page.
void WritePdfPages(TPDFForm& form, const Document& d, Sink sink) {
  Write(form, sink, [&] {
    PdfPageFiller p(form);
    const auto fill = [&](const Page& page) {
      const Board& board = page.boards.front();
      const TaskBlock& task = *page.task;
      p.Header(page.header, board, task);
      p.Task(page.header, task);
      p.PaintBoardOf(board);
      const Instructions& in = page.instructions;
      if (!in.paragraphs.empty())
        p.Paragraphs(in.paragraphs);
      else if (!in.terminalLists.empty())
        p.TerminalInstructions(in.terminalLists);
      else
        p.DcInstructions(in.lines);
      p.Columns(task.style == TaskStyle::Numbers, board.plan);
    };
    form.Label("IlluLabel").SetPrintable(d.pages.front().boards.front().illustration > 0);
    fill(d.pages.front());
    form.PDFReport.OpenDocument();
    form.PDFReport.PrintPage(form.PDFPage);
    for (std::size_t i = 1; i < d.pages.size(); ++i) {
      // The board of a further page carries other banks: it must not reuse the picture
      // embedded for page 1 under the same name.
      fill(d.pages[i]);
      auto& board = form.Image("ImagePCB");
      board.SetSharedImage(false);
      try {
        form.PDFReport.PrintPage(form.PDFPage);
      } catch (...) {
        board.SetSharedImage(true);
        throw;
      }
      board.SetSharedImage(true);
    }
  });
}

void WriteFrq(TPDFForm& form, const Document& d, Sink sink) {
  Write(form, sink, [&] {
    FrqFiller p(form);
    p.Fill(d);
    const bool twoPages = d.pages.size() > 1;
    form.PDFReport.OpenDocument();
    form.Label("FRQ_Illu_1").SetPrintable(twoPages);
    form.PDFReport.PrintPage(form.FRQ_PDFPage1);
    if (twoPages) {
      p.ThirdIllustrationPrintable(d.pages[1].boards.size() > 1);
      form.PDFReport.PrintPage(form.FRQ_PDFPage2);
    }
  });
}

}  // namespace

// ---- public entry points ----------------------------------------------------------------

ContentOptions TPDFForm::Options(std::string_view note) const {
  return ContentOptions{texts::CurrentLanguage(), std::string(note), DateText()};
}

void TPDFForm::Save(const std::string& fileName, const Document& document) {
  if (document.model == "FREQUENCY")
    WriteFrq(*this, document, {&fileName, nullptr});
  else
    WritePdfPages(*this, document, {&fileName, nullptr});
}

std::string TPDFForm::Write(const Document& document) {
  std::string out;
  Write(document, out);
  return out;
}

void TPDFForm::Write(const Document& document, std::string& out) {
  if (document.model == "FREQUENCY")
    WriteFrq(*this, document, {nullptr, &out});
  else
    WritePdfPages(*this, document, {nullptr, &out});
}

void TPDFForm::SaveDCDocumentation(const std::string& fileName, const DcScreen& dc, std::string_view note) {
  Save(fileName, DcDocument(dc, Options(note)));
}
void TPDFForm::SaveThermoDocumentation(const std::string& fileName, const ThermoModel& thermo,
                                       std::string_view note) {
  Save(fileName, ThermoDocument(thermo, Options(note)));
}
void TPDFForm::SaveRTDDocumentation(const std::string& fileName, const RtdModel& rtd, std::string_view note) {
  Save(fileName, RtdDocument(rtd, Options(note)));
}
void TPDFForm::SaveFRQDocumentation(const std::string& fileName, const FrqModel& frq, std::string_view note) {
  Save(fileName, FrqDocument(frq, Options(note)));
}

std::string TPDFForm::DCDocumentation(const DcScreen& dc, std::string_view note) {
  return Write(DcDocument(dc, Options(note)));
}
std::string TPDFForm::ThermoDocumentation(const ThermoModel& thermo, std::string_view note) {
  return Write(ThermoDocument(thermo, Options(note)));
}
std::string TPDFForm::RTDDocumentation(const RtdModel& rtd, std::string_view note) {
  return Write(RtdDocument(rtd, Options(note)));
}
std::string TPDFForm::FRQDocumentation(const FrqModel& frq, std::string_view note) {
  return Write(FrqDocument(frq, Options(note)));
}

std::string TPDFForm::FrqRangeText(const FrqModel& frq) { return sheets::FrqRangeText(frq.config.outputIndex); }
std::string TPDFForm::FrqRangeUnit(const FrqModel& frq) { return sheets::FrqRangeUnit(frq.config.outputIndex); }

void TPDFForm::FrqDocumentBanks(const FrqModel& frq, int step) {
  const FrqBanks banks = FrqStepSwitches(frq, step);
  SW1_FRQ.SwitchSettings().SetValue(banks.s1);
  SW2_FRQ.SwitchSettings().SetValue(banks.s2);
}

}  // namespace setrix::sheets
