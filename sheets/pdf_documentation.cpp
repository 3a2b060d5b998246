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
  // The address column: address, a blank line, the date, optionally the page line.
  void AddressColumn(pdf::TPRText& text, int page, int count) const {
    Lines lines = MakerAddressLines();
    lines.emplace_back(" ");
    lines.push_back(S(Tx(texts::txDate)) + f.DateText());
    if (page > 0) {
      lines.emplace_back(" ");
      lines.push_back(S(Tx(texts::txPage)) + std::to_string(page) + " / " + std::to_string(count));
    }
    SetLines(text, lines);
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

// ==== page PDFPage: DC, thermocouple, RTD =============================================

struct PdfPageFiller : Layout {
  using Layout::Layout;
  int noteExtra = 0;  // lines the blocks move down for the note

  void Header(std::string_view model, int page, int count, std::string_view note) {
    const int language = texts::CurrentLanguage();
    f.PDFReport.SetTitle(W("SETRIX" + S(kVersionCaption) + " " + S(Tx(texts::txSignalIsolator)) + " " + S(model)));
    f.Image("ZTImage").SetPicture(Pic("ZTLOGO"));
    auto& head1 = f.Label("LabelHead1");
    head1.SetCaption(W(S(Tx(texts::txSignalIsolator)) + " VORNEX"));
    head1.SetLeft(57);
    auto& head2 = f.Label("LabelHead2");
    auto& head3 = f.Label("LabelHead3");
    head3.SetCaption(W("ZOR " + S(model)));
    PlaceHeadLine(f.Label("PRLabel3"), f.Label("PRLabel4"), head1, head2, head3, language);

    AddressColumn(f.Text("TextZT"), page, count);
    if (page > 0) f.Label("IlluLabel").SetCaption(W(S(Tx(texts::txIllustration)) + std::to_string(page) + ".)"));
    const Lines captions{S(Tx(texts::txNote)), S(Tx(texts::txInput)) + ":", S(Tx(texts::txOutput)) + ":",
                         S(Tx(texts::txSettings)) + ":"};
    const Lines noteLines = NoteLines(note, ValueLeft(f.Text("InOutTxt"), captions), f.Text("TextZT"));
    SetNote(f.Text("NoteTxt"), noteLines);

    // Vertical placement.
    auto& block1 = f.Text("InOutBlock1");
    noteExtra = NoteExtraLines(NoteIsWide(note, block1), noteLines);
    const int down = noteExtra * kHW;
    auto& pcb = f.Image("ImagePCB");
    auto& result1 = f.Text("ResultBlock1");
    block1.SetTop(165 - kHW + down);
    pcb.SetTop(308 - kHW + down);
    result1.SetTop((page > 0 ? 520 : 503) - kHW + down);
    f.Label("IlluLabel").SetTop(pcb.Top() + 176);
    for (const char* name : {"DCInOutBlock", "InOutBlock2", "InOutBlock3"}) f.Element(name).SetTop(block1.Top());
    for (const char* name : {"SWPan", "ImageKP"}) f.Element(name).SetTop(pcb.Top());
    f.Text("ResultBlock2").SetTop(result1.Top());

    f.Label("LblOn").SetCaption(W(Tx(texts::txOn)));
    f.Label("LblOff").SetCaption(W(Tx(texts::txOff)));
    f.Image("ImageSwOn").SetPicture(Pic("BMP_ON"));
    f.Image("ImageSWOff").SetPicture(Pic("BMP_OFF"));
  }

  // The bold label column: the note, the input and output captions, the settings caption.
  // The DC output block has two lines, the others three; the settings caption stays level
  // with the settings line.
  void LabelColumn(std::string_view input, std::string_view output, int outputLines) {
    Lines lines{S(Tx(texts::txNote)), ""};
    lines.insert(lines.end(), static_cast<std::size_t>(noteExtra), "");
    lines.emplace_back(input);
    lines.insert(lines.end(), 3, "");
    lines.emplace_back(output);
    lines.insert(lines.end(), static_cast<std::size_t>(outputLines), "");
    lines.push_back(S(Tx(texts::txSettings)) + ":");
    SetLines(f.Text("InOutTxt"), lines);
  }

  void DcTaskBlock(const DcScreen& dc, int step) {
    const DcConfig& c = dc.Config();
    const std::string input = S(Tx(texts::txInput)) + ":", output = S(Tx(texts::txOutput)) + ":";
    LabelColumn(input, output, 2);
    const std::string inUnit = DcInputUnit(c.inUnit), outUnit = DcOutputUnit(c.outUnit);
    const DcNumberTexts n = DcDocumentNumbers(dc);
    const bool below10Hz = c.bandwidth == kDcBandwidthBelow10Hz;
    const std::string start = S(Tx(texts::txStartValue)) + ":", end = S(Tx(texts::txEndValue)) + ":";
    std::string settings;
    if (dc.TwoStep())
      settings = std::to_string(step) + ". " + S(Tx(texts::txStep));
    else if (!dc.Labels().Label2IndexDC.text.empty())
      settings = "1. " + S(Tx(texts::txAdjustSwitches));
    else
      settings = dc.Labels().Label1HelpDC.text;
    SetLines(f.Text("InOutBlock1"),
             {start, end, DcScreenCaptions().LabelGrenzfrequenz + ":", "", start, end, "", settings});
    f.Label("InOutLbl1").SetCaption(W(n.inStart));
    f.Label("InOutLbl2").SetCaption(W(n.inEnd));
    f.Label("InOutLbl3").SetCaption(below10Hz ? "<10" : ">10");
    f.Label("InOutLbl4").SetCaption(W(n.outStart));
    f.Label("InOutLbl5").SetCaption(W(n.outEnd));
    SetLines(f.Text("InOutBlock3"), {inUnit, inUnit, below10Hz ? "Hz" : "kHz", "", outUnit, outUnit});
  }

  // Thermocouple (thermo set) or RTD task block.
  void TemperatureTaskBlock(const ThermoModel* thermo, const RtdModel* rtd) {
    const std::string input = S(Tx(texts::txInput)) + ":", output = S(Tx(texts::txOutput)) + ":";
    LabelColumn(input, output, 3);
    const std::string start = S(Tx(texts::txStartValue)) + ":", end = S(Tx(texts::txEndValue)) + ":";
    const std::string manual = S(Tx(texts::txFineCalibration));
    if (thermo) {
      const ThermoConfig& c = thermo->config;
      const std::string type = thermo->type.ItemText();
      const std::string typeName = type.size() >= 2 ? type.substr(0, type.size() - 2) : type;
      const std::string typeLetter = type.empty() ? "" : type.substr(type.size() - 1);
      SetLines(f.Text("InOutBlock1"),
               {typeName + ":", start, end, "", S(Tx(texts::txOutputVoltage, c.outputIndex)),
                S(Tx(texts::txFilter)) + ":", manual, "", S(Tx(texts::txAdjustSwitches))});
      SetLines(f.Text("InOutBlock2"),
               {typeLetter, thermo->start.ItemText(), thermo->end.ItemText(), "", thermo->output.ItemText(),
                thermo->filter.ItemText(), thermo->manual.ItemText()});
    } else {
      const RtdConfig& c = rtd->config;
      SetLines(f.Text("InOutBlock1"),
               {S(Tx(texts::txType)), start, end, "", S(Tx(texts::txOutputVoltage, c.outputIndex)),
                S(Tx(texts::txResponseTime)), manual, "", S(Tx(texts::txAdjustSwitches))});
      SetLines(f.Text("InOutBlock2"), {rtd->type.ItemText(), rtd->start.ItemText(), rtd->end.ItemText(), "",
                                       rtd->output.ItemText(), rtd->response.ItemText(), rtd->manual.ItemText()});
    }
  }

  void DcBoard(const DcScreen& dc, int step) {
    using dipswitch::TDIPAlignment;
    raster::Bitmap board = resources::Picture("PCB_DC");
    const double sx = 225.0 / board.Width(), sy = 172.0 / board.Height();
    dipswitch::TDIPSwitch screen1, screen2, screen3;
    dipswitch::TDIPSwitch *s1 = &screen1, *s2 = &screen2, *s3 = &screen3;
    if (dc.TwoStep()) {
      // The layout's own banks with the fixed presets; switch 3 of S3 follows the bandwidth.
      s1 = &f.SW1_DC;
      s2 = &f.SW2_DC;
      s3 = &f.SW3_DC;
      s1->SwitchSettings().SetValue(step == 1 ? 15 : 143);
      s2->SwitchSettings().SetValue(step == 1 ? 17 : 1);
      s3->SwitchSettings().SetValue(3);
      s3->SwitchSettings().SetSwitch(3, dc.Config().bandwidth == kDcBandwidthBelow10Hz);
    } else {
      const DcBanks banks = dc.Banks();
      ConfigureBank(screen1, 10, TDIPAlignment::Deg_90, banks.s1);
      ConfigureBank(screen2, 5, TDIPAlignment::Deg_0, banks.s2);
      ConfigureBank(screen3, 3, TDIPAlignment::Deg_90, banks.s3);
    }
    const pdf::TRect r1 = PaintBank(board, *s1, 31, 97);
    const pdf::TRect r2 = PaintBank(board, *s2, 83, 60);
    const pdf::TRect r3 = PaintBank(board, *s3, 143, 51);

    auto& pcb = f.Image("ImagePCB");
    auto& l1 = f.Label("LblSW1");
    auto& l2 = f.Label("LblSW2");
    auto& l3 = f.Label("LblSW3");
    for (pdf::TPRLabel* l : {&l1, &l2, &l3}) l->SetPrintable(true);
    l1.SetLeft(Round(r1.Right * sx) + pcb.Left() + 2);
    l1.SetTop(Round(r1.Top * sy) + pcb.Top());
    l2.SetLeft(Round(r2.Left * sx) + pcb.Left());
    l2.SetTop(Round(r2.Top * sy) + pcb.Top() - l2.Height());
    l3.SetLeft(Round(r3.Left * sx) + pcb.Left());
    l3.SetTop(Round(r3.Top * sy) + pcb.Top() - l3.Height());
    pcb.SetPicture(std::move(board));

    auto& plan = f.Image("ImageKP");
    plan.SetWidth(23);
    plan.SetPicture(Pic("KP_DC"));
    const char* numbers[] = {"2", "3", "4", "5", "6", "7", "8"};
    for (int i = 0; i < 7; ++i) f.Label("Num" + std::to_string(i + 2)).SetCaption(numbers[i]);
  }

  void TemperatureBoard(int s1Value, int s2Value, bool thermocouple) {
    using dipswitch::TDIPAlignment;
    raster::Bitmap board = resources::Picture("PCB_RTD");
    const double sx = 225.0 / board.Width(), sy = 172.0 / board.Height();
    dipswitch::TDIPSwitch s1, s2;
    ConfigureBank(s1, 8, TDIPAlignment::Deg_180, s1Value);
    ConfigureBank(s2, 8, TDIPAlignment::Deg_180, s2Value);
    const pdf::TRect r2 = PaintBank(board, s2, 91, 26);
    const pdf::TRect r1 = PaintBank(board, s1, 91, 72);

    auto& pcb = f.Image("ImagePCB");
    auto& l1 = f.Label("LblSW1");
    auto& l2 = f.Label("LblSW2");
    l1.SetPrintable(true);
    l2.SetPrintable(true);
    f.Label("LblSW3").SetPrintable(false);
    l2.SetLeft(Round(r2.Right * sx) + pcb.Left() + 2);
    l2.SetTop(Round(r2.Bottom * sy) + pcb.Top() - l2.Height());
    l1.SetLeft(Round(r1.Right * sx) + pcb.Left() + 2);
    l1.SetTop(Round(r1.Bottom * sy) + pcb.Top() - l1.Height());
    pcb.SetPicture(std::move(board));

    auto& plan = f.Image("ImageKP");
    plan.SetWidth(32);
    plan.SetPicture(Pic(thermocouple ? "KP_THERMO" : "KP_RTD"));
    const Lines numbers =
        thermocouple ? Lines{"3", "", "", "7", "9", "10", "12"} : Lines{"3", "4", "6", "7", "9", "10", "12"};
    for (int i = 0; i < 7; ++i)
      f.Label("Num" + std::to_string(i + 2)).SetCaption(numbers[static_cast<std::size_t>(i)]);
  }

  // The instruction lines of the DC screen in two columns that stay level.
  void DcInstructions(const DcScreen& dc) {
    auto& r1 = f.Text("ResultBlock1");
    auto& r2 = f.Text("ResultBlock2");
    r1.Lines().clear();
    r2.Lines().clear();
    const DcInstructionLabels& l = dc.Labels();
    if (l.Label2HelpDC.text.empty()) return;
    const auto addBlock = [](pdf::TPRText& t, std::string_view text) {
      for (const std::string& line : SplitLines(text)) Append(t, line);
    };
    const auto blank = [&] {
      Append(r1, "");
      Append(r2, "");
    };
    if (l.Label2IndexDC.text.empty()) {
      addBlock(r1, l.Label2HelpDC.text);
      Append(r1, "");
    } else {
      addBlock(r1, l.Label2IndexDC.text);
      const Lines help = SplitLines(l.Label2HelpDC.text);
      for (std::size_t i = 1; i < help.size(); ++i) Append(r1, "");
      addBlock(r2, l.Label2HelpDC.text);
      blank();
    }
    if (!l.Label3HelpDC.text.empty()) {
      if (l.Label3IndexDC.text.empty()) {
        addBlock(r1, l.Label3HelpDC.text);
        Append(r1, "");
      } else {
        addBlock(r1, l.Label3IndexDC.text);
        const Lines help = SplitLines(l.Label3HelpDC.text);
        for (std::size_t i = 1; i < help.size(); ++i) Append(r1, "");
        addBlock(r2, l.Label3HelpDC.text);
        blank();
      }
    }
    const bool toLeft = l.Label3IndexDC.text.empty() && l.Label2IndexDC.text.empty();
    addBlock(toLeft ? r1 : r2, l.Label4HelpDC.text);
  }

  void DcTwoStepInstructions(int step) {
    f.Text("ResultBlock2").Lines().clear();
    Lines lines;
    const auto add = [&](std::string_view text) {
      if (!lines.empty()) lines.insert(lines.end(), 2, "");
      for (std::string& l : SplitLines(text)) lines.push_back(std::move(l));
    };
    add(DcTwoStepTextA(step));
    add(DcTwoStepTextB(step));
    add(Tx(texts::txTerminalsPowerWide));
    if (step == 2) add(Tx(texts::txFurtherFineAdjustmentNecessary));
    SetLines(f.Text("ResultBlock1"), lines);
  }

  // Terminal lists of the thermocouple and RTD screens, split after the first ":".
  void TerminalInstructions(const std::array<std::string, 3>& captions) {
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
      if (i < 2) {
        Append(r1, "");
        Append(r2, "");
      }
    }
  }

  void Columns(bool dc) {
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
    if (dc) {
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
      l.SetAlignment(dc ? pdf::TPdfAlignment::taLeftJustify : pdf::TPdfAlignment::taRightJustify);
    }
    const std::pair<const char*, int> rows[] = {{"Num3", 188},
                                                {"Num4", 188},
                                                {"Num1", 169},
                                                {"Num2", 169},
                                                {"Num5", 32},
                                                {"Num6", 32},
                                                {"Num7", 13},
                                                {"Num8", 13},
                                                {"LblZero", dc ? 110 : 83},
                                                {"LblSpan", dc ? 134 : 107}};
    for (const auto& [name, n] : rows) PlaceOnPlanRow(f.Label(name), plan, n);
    f.Label("LblZero").SetLeft(rightColumn);
    f.Label("LblSpan").SetLeft(rightColumn);
  }
};

// ==== pages FRQ_PDFPage1 and FRQ_PDFPage2: frequency converter ===========================

struct FrqFiller : Layout {
  using Layout::Layout;

  void Fill(FrqModel& frq, std::string_view note) {
    const int m = frq.config.modeIndex;
    const int language = texts::CurrentLanguage();
    const std::string range = FrqRangeText(frq.config.outputIndex), unit = FrqRangeUnit(frq.config.outputIndex);

    // 1. Header of both pages.
    f.PDFReport.SetTitle(W("SETRIX" + S(kVersionCaption) + " " + S(Tx(texts::txSignalIsolator)) + " FREQUENCY"));
    for (const char* p : {"_P1", "_P2"}) {
      const std::string s(p);
      f.Image("FRQ_ZTImage" + s).SetPicture(Pic("ZTLOGO"));
      auto& head1 = f.Label("FRQ_LabelHead1" + s);
      head1.SetCaption(W(S(Tx(texts::txSignalIsolator)) + " VORNEX"));
      head1.SetLeft(57);
      auto& head2 = f.Label("FRQ_LabelHead2" + s);
      auto& head3 = f.Label("FRQ_LabelHead3" + s);
      head3.SetCaption("ZOR FREQUENCY");
      PlaceHeadLine(f.Label(s == "_P1" ? "PRLabel1" : "PRLabel28"), f.Label(s == "_P1" ? "PRLabel2" : "PRLabel29"),
                    head1, head2, head3, language);
    }
    AddressColumn(f.Text("FRQ_TextZT_P1"), m != 0 ? 1 : 0, 2);
    AddressColumn(f.Text("FRQ_TextZT_P2"), m != 0 ? 2 : 0, 2);
    if (m != 0)
      for (int i = 1; i <= 3; ++i)
        f.Label("FRQ_Illu_" + std::to_string(i))
            .SetCaption(W(S(Tx(texts::txIllustration)) + std::to_string(i) + ".)"));
    // The note on both pages, so that a loose page 2 still names its device.
    Lines captions{S(Tx(texts::txNote)), S(Tx(texts::txInput)) + ":", S(Tx(texts::txOutput)) + ":"};
    if (m == 0) captions.push_back(S(Tx(texts::txSettings)) + ":");
    const Lines noteLines =
        NoteLines(note, ValueLeft(f.Text("FRQ_InOutTxt_P1"), captions), f.Text("FRQ_TextZT_P1"));
    SetNote(f.Text("FRQ_NoteTxt_P1"), noteLines);
    SetNote(f.Text("FRQ_NoteTxt_P2"), noteLines);
    SetLines(f.Text("FRQ_InOutTxt_P2"), {S(Tx(texts::txNote))});

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
      f.Label("FRQ_LblOn" + s).SetCaption(W(Tx(texts::txOn)));
      f.Label("FRQ_LblOff" + s).SetCaption(W(Tx(texts::txOff)));
      f.Image("FRQ_ImageSwOn" + s).SetPicture(Pic("BMP_ON"));
      f.Image("FRQ_ImageSwOff" + s).SetPicture(Pic("BMP_OFF"));
    }

    // 4. Task block.
    Lines labels{S(Tx(texts::txNote)), ""};
    labels.insert(labels.end(), static_cast<std::size_t>(extra), "");
    labels.push_back(S(Tx(texts::txInput)) + ":");
    labels.insert(labels.end(), 3, "");
    labels.push_back(S(Tx(texts::txOutput)) + ":");
    if (m == 0) {
      labels.emplace_back("");
      labels.push_back(S(Tx(texts::txSettings)) + ":");
    }
    SetLines(f.Text("FRQ_InOutTxt_P1"), labels);
    const std::string output = S(Tx(texts::txOutputVoltage, std::max(frq.config.outputIndex - 1, 0)));
    Lines values{S(Tx(texts::txOperatingMode)) + ":", S(Tx(texts::txLowerFrequency)) + ":",
                 S(Tx(texts::txUpperFrequency)) + ":", "", output};
    if (m == 0) {
      values.emplace_back("");
      values.push_back(S(Tx(texts::txAdjustSwitches)));
    }
    SetLines(block1, values);
    std::string lower, upper;
    if (m == 0) {
      lower = "0";
      upper = NormalizeNumberText(frq.config.upperText, false);
    } else if (m == 1) {
      lower = NormalizeNumberText(frq.config.lowerText, false);
      upper = NormalizeNumberText(frq.config.upperText, false);
    } else {
      lower = upper = S(Tx(texts::txUserDefined));
    }
    SetLines(f.Text("FRQ_InOutBlock2_P1"), {frq.mode.ItemText(), lower, upper, "", range});
    f.Label("FRQ_Out1Lbl").SetCaption(m == 2 ? "" : "Hz");
    f.Label("FRQ_Out2Lbl").SetCaption(m == 2 ? "" : "Hz");
    f.Label("FRQ_Out3Lbl").SetCaption(W(unit));

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
    const int stepCount = m == 2 ? 3 : m == 1 ? 2 : 1;
    for (int k = 1; k <= stepCount; ++k) {
      const Step& s = steps[k - 1];
      raster::Bitmap board = resources::Picture("PCB_RTD");
      const double sx = 225.0 / board.Width(), sy = 172.0 / board.Height();
      f.FrqDocumentBanks(frq, k);
      const pdf::TRect r1 = PaintBank(board, f.SW1_FRQ, 30, 135);
      const pdf::TRect r2 = PaintBank(board, f.SW2_FRQ, 70, 55);
      auto& image = f.Image(s.board);
      auto& l1 = f.Label(s.label1);
      auto& l2 = f.Label(s.label2);
      l1.SetLeft(Round(r1.Right * sx) + image.Left() + 4);
      l1.SetTop(Round(r1.Top * sy) + image.Top());
      l2.SetLeft(Round(r2.Right * sx) + image.Left() + 4);
      l2.SetTop(Round(r2.Top * sy) + image.Top());
      image.SetPicture(std::move(board));
      f.Image(s.plan).SetPicture(Pic("KP_FRQ"));
    }

    // 6. Instructions.
    const Lines pinningTerminals = FrqPinningTerminals();
    const Lines pinningMeanings = FrqPinningMeanings(range + " " + unit);
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
      const std::vector<FrqStepText> texts = FrqDocumentSteps(m);
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
      caption4.SetCaption(W(Tx(texts::txPinning)));
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

void WriteDc(TPDFForm& form, const DcScreen& dc, std::string_view note, Sink sink) {
  Write(form, sink, [&] {
    PdfPageFiller p(form);
    const bool twoStep = dc.TwoStep();
    const auto fill = [&](int step) {
      p.Header("DC", twoStep ? step : 0, twoStep ? 2 : 0, note);
      p.DcTaskBlock(dc, step);
      p.DcBoard(dc, step);
      if (twoStep)
        p.DcTwoStepInstructions(step);
      else
        p.DcInstructions(dc);
      p.Columns(true);
    };
    form.Label("IlluLabel").SetPrintable(twoStep);
    fill(1);
    form.PDFReport.OpenDocument();
    form.PDFReport.PrintPage(form.PDFPage);
    if (twoStep) {
      // The board of step 2 carries other banks: it must not reuse the picture embedded
      // for page 1 under the same name.
      fill(2);
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

void WriteTemperature(TPDFForm& form, const ThermoModel* thermo, const RtdModel* rtd, std::string_view note,
                      Sink sink) {
  Write(form, sink, [&] {
    PdfPageFiller p(form);
    form.Label("IlluLabel").SetPrintable(false);
    p.Header(thermo ? "THERMO" : "RTD", 0, 0, note);
    p.TemperatureTaskBlock(thermo, rtd);
    if (thermo) {
      p.TemperatureBoard(thermo->config.s1, thermo->config.s2, true);
      p.TerminalInstructions(
          {thermo->config.inputTerminalsText, thermo->config.outputTerminalsText, thermo->config.powerText});
    } else {
      p.TemperatureBoard(rtd->config.s1, rtd->config.s2, false);
      p.TerminalInstructions(
          {rtd->config.inputTerminalsText, rtd->config.outputTerminalsText, rtd->config.powerText});
    }
    p.Columns(false);
    form.PDFReport.OpenDocument();
    form.PDFReport.PrintPage(form.PDFPage);
  });
}

void WriteFrq(TPDFForm& form, FrqModel& frq, std::string_view note, Sink sink) {
  Write(form, sink, [&] {
    FrqFiller p(form);
    p.Fill(frq, note);
    const int m = frq.config.modeIndex;
    form.PDFReport.OpenDocument();
    form.Label("FRQ_Illu_1").SetPrintable(m > 0);
    form.PDFReport.PrintPage(form.FRQ_PDFPage1);
    if (m != 0) {
      p.ThirdIllustrationPrintable(m == 2);
      form.PDFReport.PrintPage(form.FRQ_PDFPage2);
    }
  });
}

}  // namespace

// ---- public entry points ----------------------------------------------------------------

void TPDFForm::SaveDCDocumentation(const std::string& fileName, const DcScreen& dc, std::string_view note) {
  WriteDc(*this, dc, note, {&fileName, nullptr});
}
void TPDFForm::SaveThermoDocumentation(const std::string& fileName, const ThermoModel& thermo,
                                       std::string_view note) {
  WriteTemperature(*this, &thermo, nullptr, note, {&fileName, nullptr});
}
void TPDFForm::SaveRTDDocumentation(const std::string& fileName, const RtdModel& rtd, std::string_view note) {
  WriteTemperature(*this, nullptr, &rtd, note, {&fileName, nullptr});
}
void TPDFForm::SaveFRQDocumentation(const std::string& fileName, FrqModel& frq, std::string_view note) {
  WriteFrq(*this, frq, note, {&fileName, nullptr});
}

std::string TPDFForm::DCDocumentation(const DcScreen& dc, std::string_view note) {
  std::string out;
  WriteDc(*this, dc, note, {nullptr, &out});
  return out;
}
std::string TPDFForm::ThermoDocumentation(const ThermoModel& thermo, std::string_view note) {
  std::string out;
  WriteTemperature(*this, &thermo, nullptr, note, {nullptr, &out});
  return out;
}
std::string TPDFForm::RTDDocumentation(const RtdModel& rtd, std::string_view note) {
  std::string out;
  WriteTemperature(*this, nullptr, &rtd, note, {nullptr, &out});
  return out;
}
std::string TPDFForm::FRQDocumentation(FrqModel& frq, std::string_view note) {
  std::string out;
  WriteFrq(*this, frq, note, {nullptr, &out});
  return out;
}

std::string TPDFForm::FrqRangeText(const FrqModel& frq) { return sheets::FrqRangeText(frq.config.outputIndex); }
std::string TPDFForm::FrqRangeUnit(const FrqModel& frq) { return sheets::FrqRangeUnit(frq.config.outputIndex); }

void TPDFForm::FrqDocumentBanks(FrqModel& frq, int step) {
  // The entry a step uses is rewritten to the value the switches set, as after typing.
  const int m = frq.config.modeIndex;
  std::optional<FrqEntry> entry;
  if (m == kFrqModeZeroToMax && step == 1) entry = FrqEntry::Upper;
  if (m == kFrqModeMinToMax && step == 1) entry = FrqEntry::Lower;
  if (m == kFrqModeMinToMax && step == 2) entry = FrqEntry::Upper;
  if (entry) {
    const std::string& text = *entry == FrqEntry::Lower ? frq.config.lowerText : frq.config.upperText;
    if (const std::optional<double> value = FrqReadEntry(text)) {
      const double q = FrqQuantize(*value).q;
      if (q != *value) FrqEntryChanged(frq, *entry, FrqFrequencyText(q), 0, 0);
    }
  }
  const FrqBanks banks = FrqStepSwitches(frq, step);
  SW1_FRQ.SwitchSettings().SetValue(banks.s1);
  SW2_FRQ.SwitchSettings().SetValue(banks.s2);
}

}  // namespace setrix::sheets
