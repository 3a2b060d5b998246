#include "printing/module_pages.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "printing/page_body.h"
#include "sheets/doc_texts.h"
#include "sheets/pdf_layout.h"
#include "texts/texts.h"

namespace setrix::printing {

namespace {

using dipswitch::TDIPAlignment;
using dipswitch::TDIPSwitch;
using pages::BoardBank;
using pages::Caption;
using pages::Colon;
using pages::NamePlace;
using pages::PageBody;
using pages::Plan;
using pages::ScreenBank;
using texts::Tx;

double PrintDcInputOutput(Printout& out, const DcScreen& dc, int step, double y) {
  const DcConfig& c = dc.Config();
  const double lh = out.LineHeight();
  // The units follow the numbers after a blank.
  std::string inUnit(" "), outUnit(" ");
  inUnit += sheets::DcInputUnit(c.inUnit);
  outUnit += sheets::DcOutputUnit(c.outUnit);
  const sheets::DcNumberTexts n = sheets::DcDocumentNumbers(dc);
  const std::string bandwidth = DcScreenCaptions().LabelGrenzfrequenz;

  out.SetPrinterFont(11, false, false);
  const std::string start = Colon(Tx(texts::txStartValue));
  const std::string end = Colon(Tx(texts::txEndValue));
  const std::string band = Colon(bandwidth);
  double q = std::max({kColumns[1] + out.TextWidth(start) + out.TextWidth("   "),
                       kColumns[1] + out.TextWidth(end) + out.TextWidth("  "),
                       kColumns[1] + out.TextWidth(band) + out.TextWidth("  ")});
  q += std::max(
      {out.TextWidth(n.inStart), out.TextWidth(n.inEnd), out.TextWidth(n.outStart), out.TextWidth(n.outEnd)});
  const double numberX = q - out.TextWidth(" ");
  auto row = [&](std::string_view label, std::string_view number, std::string_view unit) {
    out.TextAt(label, kColumns[1], y);
    out.SetAlign(TextAlign::RightBaseline);
    out.TextAt(number, numberX, y);
    out.SetAlign(TextAlign::LeftBaseline);
    out.TextAt(unit, q, y);
  };

  y += 1.7 * lh;
  Caption(out, Colon(Tx(texts::txInput)), y);
  row(start, n.inStart, inUnit);
  y += lh;
  row(end, n.inEnd, inUnit);
  y += lh;
  if (c.bandwidth == kDcBandwidthBelow10Hz)
    row(band, "<10", " Hz");
  else
    row(band, ">10", " kHz");

  y += 1.7 * lh;
  Caption(out, Colon(Tx(texts::txOutput)), y);
  row(start, n.outStart, outUnit);
  y += lh;
  row(end, n.outEnd, outUnit);

  y += 1.7 * lh;
  Caption(out, Colon(Tx(texts::txSettings)), y);
  const DcInstructionLabels& l = dc.Labels();
  if (dc.TwoStep()) {
    out.TextAt(std::to_string(step) + ".", kColumns[1], y);
    out.TextAt(Tx(texts::txStep), kColumns[2], y);
  } else if (!l.Label2IndexDC.text.empty()) {
    out.TextAt("1.", kColumns[1], y);
    out.TextAt(Tx(texts::txAdjustSwitches), kColumns[2], y);
  } else {
    out.TextAt(l.Label1HelpDC.text, kColumns[1], y);
  }
  return y + 1.7 * lh;
}

// The screen's instruction lines: a step number at the margin and its text in column 4, or
// a text without number from the margin.
double PrintDcInstructions(Printout& out, const DcScreen& dc, double y) {
  const DcInstructionLabels& l = dc.Labels();
  const double lh = out.LineHeight();
  out.SetPrinterFont(11, false, false);
  const double y0 = y + lh;
  if (l.Label2HelpDC.text.empty()) return y0 + 1.7 * lh;
  auto numbered = [&](const DcLabel& index, const DcLabel& help, double at) {
    if (index.text.empty()) return out.PrintLines(help.text, 0, at);
    out.TextAt(index.text, kColumns[0], at);
    return out.PrintLines(help.text, 4, at);
  };
  y = numbered(l.Label2IndexDC, l.Label2HelpDC, y0);
  if (!l.Label3HelpDC.text.empty())
    y = numbered(l.Label3IndexDC, l.Label3HelpDC, y + lh);
  else
    y += lh;
  y = out.PrintLines(l.Label4HelpDC.text, l.Label3IndexDC.text.empty() ? 0 : 4, y + lh);
  return y + 1.7 * lh;
}

double PrintDcTwoStepInstructions(Printout& out, int step, double y) {
  const double lh = out.LineHeight();
  out.SetPrinterFont(11, false, false);
  y = out.PrintLines(sheets::DcTwoStepTextA(step), 0, y + 2 * lh);
  y = out.PrintLines(sheets::DcTwoStepTextB(step), 0, y + 2 * lh);
  y = out.PrintLines(Tx(texts::txTerminalsPowerWide), 0, y + 2 * lh);
  if (step == 2) y = out.PrintLines(Tx(texts::txFurtherFineAdjustmentNecessary), 0, y + 2 * lh);
  return y + 1.7 * lh;
}

// The DC banks: the screen's, or in the two-step case the layout form's scratch banks set to
// the presets of the page.
std::vector<BoardBank> DcBoardBanks(const DcScreen& dc, sheets::TPDFForm& form, int page) {
  const struct {
    const char* name;
    double width, x, y;
    NamePlace place;
  } kPlaces[] = {{"S1", 1.05, 0.95, 2.9, NamePlace::RightOfTop},
                 {"S2", 1.3, 2.6, 1.85, NamePlace::AboveLeft},
                 {"S3", 1.05, 4.3, 1.5, NamePlace::AboveLeft}};
  std::vector<BoardBank> banks;
  if (dc.TwoStep()) {
    const DcBanks presets = DcTwoStepDocumentBanks(page, dc.Config().bandwidth);
    TDIPSwitch* scratch[] = {&form.SW1_DC, &form.SW2_DC, &form.SW3_DC};
    const int values[] = {presets.s1, presets.s2, presets.s3};
    for (int i = 0; i < 3; ++i) {
      scratch[i]->SwitchSettings().SetValue(values[i]);
      banks.push_back(
          BoardBank{scratch[i], kPlaces[i].width, kPlaces[i].x, kPlaces[i].y, kPlaces[i].name, kPlaces[i].place});
    }
    return banks;
  }
  const DcBanks v = dc.Banks();
  const int counts[] = {DcScreen::kS1Count, DcScreen::kS2Count, DcScreen::kS3Count};
  const TDIPAlignment turns[] = {TDIPAlignment::Deg_90, TDIPAlignment::Deg_0, TDIPAlignment::Deg_90};
  const int values[] = {v.s1, v.s2, v.s3};
  for (int i = 0; i < 3; ++i) {
    banks.push_back(ScreenBank(counts[i], turns[i], values[i], kPlaces[i].width, kPlaces[i].x, kPlaces[i].y,
                               kPlaces[i].name, kPlaces[i].place));
  }
  return banks;
}

}  // namespace

void PrintDCDocumentation(PageSink& printer, sheets::TPDFForm& form, const DcScreen& dc, std::string_view userText,
                          const PrintOptions& options) {
  const bool twoStep = dc.TwoStep();
  const int pages = twoStep ? 2 : 1;
  Printout out(printer, options);
  for (int page = 1; page <= pages; ++page) {
    if (page > 1) out.NewPage();
    out.CreateScratchImage();
    out.BeginPrintPage(page == 1);
    double y = out.PrintHeader("DC", userText, twoStep ? page : 0, twoStep ? 2 : 0, true);
    y = PrintDcInputOutput(out, dc, page, y);
    std::vector<BoardBank> banks = DcBoardBanks(dc, form, page);
    y = PageBody(out, "PCB_DC", banks, Plan{"KP_DC", 0.8, Plan::EightWithPots}, y).y;
    if (twoStep) {
      out.PrintCaption(page, y);
      PrintDcTwoStepInstructions(out, page, y);
    } else {
      PrintDcInstructions(out, dc, y);
    }
    out.EndPage();
  }
  out.EndDocument();
}

}  // namespace setrix::printing
