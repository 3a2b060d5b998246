// The printed documentation: a document's content (sheets/content.h) laid out on the printer
// canvas, page by page, in centimetres.
#include <algorithm>
#include <string>
#include <vector>

#include "printing/module_pages.h"
#include "printing/page_body.h"
#include "sheets/content.h"
#include "texts/texts.h"

namespace setrix::printing {

namespace {

using pages::Caption;

// The value column of a task block: right of the widest label (or the text a row makes room
// for) and four blanks.
double ValueColumn(Printout& out, const sheets::TaskBlock& task) {
  double p = 0;
  for (const sheets::TaskGroup& g : task.groups)
    for (const sheets::TaskRow& r : g.rows)
      p = std::max(p, kColumns[1] + out.TextWidth(r.room.value_or(r.label) + "    "));
  return p;
}

double PrintTask(Printout& out, const sheets::TaskBlock& task, double y) {
  const double lh = out.LineHeight();
  out.SetPrinterFont(11, false, false);
  double p = 0, q = 0, numberX = 0;
  if (task.style == sheets::TaskStyle::Numbers) {
    // The numbers end a blank before the unit column, which leaves room after the widest label.
    const std::vector<sheets::TaskRow>& first = task.groups.front().rows;
    q = std::max({kColumns[1] + out.TextWidth(first[0].label) + out.TextWidth("   "),
                  kColumns[1] + out.TextWidth(first[1].label) + out.TextWidth("  "),
                  kColumns[1] + out.TextWidth(first[2].label) + out.TextWidth("  ")});
    double widest = 0;
    for (const sheets::TaskGroup& g : task.groups)
      for (const sheets::TaskRow& r : g.rows)
        if (r.entered) widest = std::max(widest, out.TextWidth(r.value));
    q += widest;
    numberX = q - out.TextWidth(" ");
  } else {
    p = ValueColumn(out, task);
    // The unit column leaves room after the widest value that has a unit.
    for (const sheets::TaskGroup& g : task.groups)
      for (const sheets::TaskRow& r : g.rows)
        if (!r.unit.empty()) q = std::max(q, p + out.TextWidth(r.value + "    "));
  }
  const auto row = [&](const sheets::TaskRow& r) {
    out.TextAt(r.label, kColumns[1], y);
    switch (task.style) {
      case sheets::TaskStyle::Numbers:
        out.SetAlign(TextAlign::RightBaseline);
        out.TextAt(r.value, numberX, y);
        out.SetAlign(TextAlign::LeftBaseline);
        out.TextAt(" " + r.unit, q, y);
        break;
      case sheets::TaskStyle::Lists: out.TextAt(r.value, p, y); break;
      case sheets::TaskStyle::Frequencies:
        out.TextAt(r.value, p, y);
        if (!r.unit.empty()) out.TextAt(r.unit, q, y);
        break;
    }
  };
  for (const sheets::TaskGroup& g : task.groups) {
    y += 1.7 * lh;
    Caption(out, g.caption, y);
    for (std::size_t i = 0; i < g.rows.size(); ++i) {
      if (i > 0) y += lh;
      row(g.rows[i]);
    }
  }
  y += 1.7 * lh;
  if (task.settings) {
    const sheets::SettingsLine& s = *task.settings;
    Caption(out, s.caption, y);
    if (!s.number.empty()) {
      out.TextAt(s.number, kColumns[1], y);
      out.TextAt(s.text, kColumns[2], y);
    } else {
      out.TextAt(s.text, kColumns[1], y);
    }
    y += 1.7 * lh;
  }
  return y;
}

// The screen's instruction lines: a step number at the margin and its text in column 4, or
// a text without number from the margin; the power supply line follows the third line's
// column.
void PrintNumberedLines(Printout& out, const std::vector<sheets::InstructionLine>& lines, double y) {
  const double lh = out.LineHeight();
  out.SetPrinterFont(11, false, false);
  if (lines.empty()) return;
  const auto numbered = [&](const sheets::InstructionLine& l, double at) {
    if (l.index.empty()) return out.PrintLines(l.text, 0, at);
    out.TextAt(l.index, kColumns[0], at);
    return out.PrintLines(l.text, 4, at);
  };
  y = numbered(lines[0], y + lh);
  const bool third = lines.size() > 2;
  if (third)
    y = numbered(lines[1], y + lh);
  else
    y += lh;
  out.PrintLines(lines.back().text, third && !lines[1].index.empty() ? 4 : 0, y + lh);
}

void PrintParagraphs(Printout& out, const std::vector<std::string>& paragraphs, double y) {
  const double lh = out.LineHeight();
  out.SetPrinterFont(11, false, false);
  for (const std::string& p : paragraphs) y = out.PrintLines(p, 0, y + 2 * lh);
}

void PrintTerminalLists(Printout& out, const std::vector<std::string>& lists, double y) {
  const double lh = out.LineHeight();
  out.SetPrinterFont(11, false, false);
  for (const std::string& list : lists) y = out.PrintTerminalList(list, y + lh);
}

// The step headings and their texts; a heading every 8 lines however long the text is.
void PrintSteps(Printout& out, const std::vector<sheets::FrqStepText>& steps, double y) {
  const double lh = out.LineHeight();
  double heading = y + lh;
  for (const sheets::FrqStepText& step : steps) {
    Caption(out, step.heading, heading);
    const double text = heading + 2.2 * lh;
    out.PrintLines(out.WrapToWidth(step.text, 0.65), 0, text);
    heading = text + 8 * lh;
  }
}

void PrintPinning(Printout& out, const sheets::Pinning& pinning, double y) {
  const double lh = out.LineHeight();
  double a = y + lh;
  if (!pinning.caption.empty()) {
    Caption(out, pinning.caption, y + lh);
    a = y + lh + 2.2 * lh;
  }
  out.SetPrinterFont(11, false, false);
  for (const sheets::PinGroup& g : pinning.groups) {
    for (std::size_t i = 0; i < g.terminals.size(); ++i)
      out.TextAt(g.terminals[i], kColumns[0], a + static_cast<double>(i) * lh);
    out.PrintLines(g.meanings, 1, a);
    a = a + static_cast<double>(g.terminals.size()) * lh + 0.7 * lh;
  }
}

}  // namespace

void PrintDocument(PageSink& printer, const sheets::Document& document, const PrintOptions& options) {
  Printout out(printer, options);
  for (std::size_t i = 0; i < document.pages.size(); ++i) {
    const sheets::Page& page = document.pages[i];
    if (i > 0) out.NewPage();
    out.CreateScratchImage();
    out.BeginPrintPage(i == 0);
    double y = out.PrintHeader(page.header, true);
    // A page without task block (the frequency converter's page 2): the boards start a line
    // below the note.
    y = page.task ? PrintTask(out, *page.task, y) : y + out.LineHeight();
    for (std::size_t k = 0; k < page.boards.size(); ++k) {
      const sheets::Board& board = page.boards[k];
      // Each further board is put together in a new scratch image.
      if (k > 0) out.CreateScratchImage();
      y = pages::PageBody(out, board, y).y;
      if (!board.caption.empty()) out.PrintCaption(board.caption, y);
    }
    const sheets::Instructions& in = page.instructions;
    if (!in.paragraphs.empty())
      PrintParagraphs(out, in.paragraphs, y);
    else if (!in.terminalLists.empty())
      PrintTerminalLists(out, in.terminalLists, y);
    else if (!in.steps.empty())
      PrintSteps(out, in.steps, y);
    else if (in.pinning)
      PrintPinning(out, *in.pinning, y);
    else if (page.task && page.task->style == sheets::TaskStyle::Numbers)
      PrintNumberedLines(out, in.lines, y);
    out.EndPage();
  }
  out.EndDocument();
}

namespace {

sheets::ContentOptions Options(std::string_view note, const PrintOptions& options) {
  return {texts::CurrentLanguage(), std::string(note), options.date};
}

}  // namespace

void PrintDCDocumentation(PageSink& printer, const DcScreen& dc, std::string_view userText,
                          const PrintOptions& options) {
  PrintDocument(printer, sheets::DcDocument(dc, Options(userText, options)), options);
}
void PrintThermoDocumentation(PageSink& printer, const ThermoModel& thermo, std::string_view userText,
                              const PrintOptions& options) {
  PrintDocument(printer, sheets::ThermoDocument(thermo, Options(userText, options)), options);
}
void PrintRTDDocumentation(PageSink& printer, const RtdModel& rtd, std::string_view userText,
                           const PrintOptions& options) {
  PrintDocument(printer, sheets::RtdDocument(rtd, Options(userText, options)), options);
}
void PrintFRQDocumentation(PageSink& printer, const FrqModel& frq, std::string_view userText,
                           const PrintOptions& options) {
  PrintDocument(printer, sheets::FrqDocument(frq, Options(userText, options)), options);
}

}  // namespace setrix::printing
