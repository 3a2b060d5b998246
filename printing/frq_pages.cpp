#include "printing/module_pages.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "modules/numbers.h"
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

// The layout form's frequency banks set to a step.
std::vector<BoardBank> FrqBoardBanks(sheets::TPDFForm& form, const FrqModel& frq, int step) {
  form.FrqDocumentBanks(frq, step);
  return {BoardBank{&form.SW2_FRQ, 2.1, 2.1, 1.6, "S2", NamePlace::RightOfTop},
          BoardBank{&form.SW1_FRQ, 2.1, 0.9, 4.0, "S1", NamePlace::RightOfTop}};
}

double PrintFrqInputOutput(Printout& out, const FrqModel& frq, double y) {
  const FrqConfig& c = frq.config;
  const int m = c.modeIndex;
  const double lh = out.LineHeight();
  std::string lower, upper;  // the frequencies as printed
  if (m == kFrqModeZeroToMax) {
    lower = "0";
    upper = NormalizeNumberText(c.upperText, false);
  } else if (m == kFrqModeMinToMax) {
    lower = NormalizeNumberText(c.lowerText, false);
    upper = NormalizeNumberText(c.upperText, false);
  } else {
    lower = upper = std::string(Tx(texts::txUserDefined));
  }
  const std::string output(Tx(texts::txOutputVoltage, std::max(c.outputIndex - 1, 0)));
  const std::string range = sheets::TPDFForm::FrqRangeText(frq);
  const std::string unit = sheets::TPDFForm::FrqRangeUnit(frq);
  const std::string mode = frq.mode.Text();
  const std::string lowerLabel = Colon(Tx(texts::txLowerFrequency));
  const std::string upperLabel = Colon(Tx(texts::txUpperFrequency));

  out.SetPrinterFont(11, false, false);
  const std::string gap = "    ";
  double p = 0;
  for (const std::string* s : {&mode, &lowerLabel, &upperLabel, &output}) {
    p = std::max(p, kColumns[1] + out.TextWidth(*s + gap));
  }
  double r = 0;
  if (m == kFrqModeSpecial) {
    r = p + out.TextWidth(range + gap);
  } else {
    for (const std::string* s : std::initializer_list<const std::string*>{&lower, &upper, &range}) {
      r = std::max(r, p + out.TextWidth(*s + gap));
    }
  }

  y += 1.7 * lh;
  Caption(out, Colon(Tx(texts::txInput)), y);
  out.TextAt(Colon(Tx(texts::txOperatingMode)), kColumns[1], y);
  out.TextAt(mode, p, y);
  y += lh;
  out.TextAt(lowerLabel, kColumns[1], y);
  out.TextAt(lower, p, y);
  if (m != kFrqModeSpecial) out.TextAt("Hz", r, y);
  y += lh;
  out.TextAt(upperLabel, kColumns[1], y);
  out.TextAt(upper, p, y);
  if (m != kFrqModeSpecial) out.TextAt("Hz", r, y);
  y += 1.7 * lh;
  Caption(out, Colon(Tx(texts::txOutput)), y);
  out.TextAt(output, kColumns[1], y);
  out.TextAt(range, p, y);
  out.TextAt(unit, r, y);
  y += 1.7 * lh;
  if (m == kFrqModeZeroToMax) {
    Caption(out, Colon(Tx(texts::txSettings)), y);
    out.TextAt(Tx(texts::txAdjustSwitches), kColumns[1], y);
    y += 1.7 * lh;
  }
  return y;
}

void PrintFrqPinning(Printout& out, const FrqModel& frq, double y) {
  const FrqConfig& c = frq.config;
  const double lh = out.LineHeight();
  double a = y + lh;
  if (c.modeIndex != kFrqModeZeroToMax) {
    Caption(out, Tx(texts::txPinning), y + lh);
    a = y + lh + 2.2 * lh;
  }
  out.SetPrinterFont(11, false, false);
  auto terminals = [&](int first, int last, double at) {
    for (int t = first; t <= last; ++t) {
      out.TextAt(std::string(Tx(texts::txTerminal)) + " " + std::to_string(t) + ":", kColumns[0],
                 at + (t - first) * lh);
    }
  };
  terminals(1, 4, a);
  out.PrintLines(Tx(texts::txFrqInputTerminalNames), 1, a);
  const double cy = a + 4 * lh + 0.7 * lh;
  terminals(5, 6, cy);
  const std::string range = sheets::TPDFForm::FrqRangeText(frq) + " " + sheets::TPDFForm::FrqRangeUnit(frq);
  out.PrintLines(texts::ReplaceAll(Tx(texts::txOutputGnd), "$O", range), 1, cy);
  const double d = cy + 2 * lh + 0.7 * lh;
  terminals(7, 8, d);
  out.PrintLines(Tx(texts::txPowerSupplyGnd8), 1, d);
}

// The step headings and their texts; a heading every 8 lines however long the text is.
void PrintFrqSteps(Printout& out, const FrqModel& frq, double y) {
  const double lh = out.LineHeight();
  double heading = y + lh;
  for (const sheets::FrqStepText& step : sheets::FrqDocumentSteps(frq.config.modeIndex)) {
    Caption(out, step.heading, heading);
    const double text = heading + 2.2 * lh;
    out.PrintLines(out.WrapToWidth(step.text, 0.65), 0, text);
    heading = text + 8 * lh;
  }
}

}  // namespace

void PrintFRQDocumentation(PageSink& printer, sheets::TPDFForm& form, const FrqModel& frq,
                           std::string_view userText, const PrintOptions& options) {
  const int m = frq.config.modeIndex;
  const bool twoPages = m != kFrqModeZeroToMax;
  const Plan plan{"KP_FRQ", 0.8, Plan::Eight};
  Printout out(printer, options);
  out.CreateScratchImage();
  out.BeginPrintPage(true);
  double y = out.PrintHeader("FREQUENCY", userText, twoPages ? 1 : 0, twoPages ? 2 : 0, true);
  y = PrintFrqInputOutput(out, frq, y);
  std::vector<BoardBank> banks = FrqBoardBanks(form, frq, 1);
  y = PageBody(out, "PCB_RTD", banks, plan, y).y;
  if (!twoPages) {
    PrintFrqPinning(out, frq, y);
  } else {
    out.PrintCaption(1, y);
    PrintFrqSteps(out, frq, y);
  }
  out.EndPage();

  if (twoPages) {
    out.NewPage();
    out.CreateScratchImage();
    out.BeginPrintPage(false);
    // The note on page 2 too, so that a loose page still names its device; the boards start
    // a line below it.
    y = out.PrintHeader("FREQUENCY", userText, 2, 2, true) + out.LineHeight();
    banks = FrqBoardBanks(form, frq, 2);
    y = PageBody(out, "PCB_RTD", banks, plan, y).y;
    out.PrintCaption(2, y);
    out.CreateScratchImage();
    if (m == kFrqModeSpecial) {
      banks = FrqBoardBanks(form, frq, 3);
      y = PageBody(out, "PCB_RTD", banks, plan, y).y;
      out.PrintCaption(3, y);
    }
    PrintFrqPinning(out, frq, y);
    out.EndPage();
  }
  out.EndDocument();
}

}  // namespace setrix::printing
