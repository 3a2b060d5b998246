// The thermocouple and RTD documentation printed to a PDF-file printer and read back.
#include <gtest/gtest.h>

#include <set>

#include "modules/numbers.h"
#include "pdf_words.h"
#include "printing/module_pages.h"
#include "printing/qt_printer_sink.h"
#include "texts/texts.h"

namespace setrix::printing {
namespace {

using test::PdfText;
using test::Word;

constexpr double kTolerance = 0.05;  // cm

int IndexOfValue(const ChoiceList& list, double value) {
  for (std::size_t i = 0; i < list.items.size(); ++i)
    if (list.items[i].value == value) return static_cast<int>(i);
  return -1;
}

// The numbers printed beside the terminal plan (x 9.5 .. 12.5 cm, within the plan's height).
std::set<std::string> TerminalNumbers(const PdfText& pdf, double planTop) {
  std::set<std::string> numbers;
  for (const Word& w : pdf.words) {
    const bool digits = !w.text.empty() && w.text.find_first_not_of("0123456789") == std::string::npos;
    if (digits && w.left > 9.5 && w.right < 12.5 && w.top > planTop && w.bottom < planTop + 6.5) {
      numbers.insert(w.text);
    }
  }
  return numbers;
}

class TemperaturePagesTest : public testing::Test {
 protected:
  void SetUp() override {
    texts::SetCurrentLanguage(1);
    SetDecimalSeparator('.');
    options.date = "24/12/2024";
  }
  void TearDown() override { texts::SetCurrentLanguage(0); }

  template <class Print>
  PdfText PrintTo(const std::string& name, Print print) {
    const auto file = test::OutputDir() / name;
    std::filesystem::remove(file);
    auto printer = test::PdfPrinter(file, 600, QMarginsF(4, 4, 4, 4));
    QtPrinterSink sink(*printer);
    print(sink);
    return test::ReadPdfText(file);
  }

  PrintOptions options;
};

TEST_F(TemperaturePagesTest, ThermocouplePage) {
  ThermoModel m;
  ThermoUpdate(m);
  ThermoChoose(m, ThermoList::Type, 0);
  ThermoChoose(m, ThermoList::Start, IndexOfValue(m.start, 0));
  ThermoChoose(m, ThermoList::End, IndexOfValue(m.end, 400));
  ThermoChoose(m, ThermoList::Output, 2);
  ThermoChoose(m, ThermoList::Filter, 0);
  ThermoChoose(m, ThermoList::Manual, 0);
  ASSERT_TRUE(m.config.complete);

  const PdfText pdf = PrintTo(
      "thermo.pdf", [&](PageSink& sink) { PrintThermoDocumentation(sink, m, "Boiler 3, serial 4711", options); });
  ASSERT_EQ(pdf.pages, 1);
  EXPECT_EQ(pdf.LineFrom("ZOR"), (std::vector<std::string>{"ZOR", "THERMO"}));
  EXPECT_FALSE(pdf.Has("Page:"));
  EXPECT_FALSE(pdf.Has("Illustration"));
  EXPECT_NEAR(pdf.First("Boiler").left, 5.4, kTolerance);

  // The task block: captions at the margin, labels in the second column, values in one
  // column right of the widest label.
  const Word input = pdf.First("Input:");
  EXPECT_NEAR(input.left, 2.3, kTolerance);
  EXPECT_EQ(pdf.LineFrom("Input:"), (std::vector<std::string>{"Input:", "Thermocouple", "type:", "K"}));
  EXPECT_NEAR(pdf.First("Thermocouple").left, 5.4, kTolerance);
  const double valueColumn = pdf.First("K").left;
  EXPECT_GT(valueColumn, pdf.First("Fine").right);
  for (const char* value : {"0°C", "400°C", "4", "on", "off"}) {
    EXPECT_NEAR(pdf.First(value).left, valueColumn, kTolerance) << value;
  }
  EXPECT_EQ(pdf.LineFrom("Output:"),
            (std::vector<std::string>{"Output:", "Output", "current:", "4", "..", "20", "mA"}));
  EXPECT_EQ(pdf.LineFrom("Settings:"), (std::vector<std::string>{"Settings:", "Adjust", "switches"}));
  // Line spacing: 1.7 lines between the blocks, one line inside them.
  const double lh = 1.05 * 1.117 * 11 / 72 * 2.54;
  EXPECT_NEAR(pdf.First("Start").Baseline() - input.Baseline(), lh, kTolerance);
  EXPECT_NEAR(pdf.First("Output:").Baseline() - pdf.First("End").Baseline(), 1.7 * lh, kTolerance);

  // Board, legend and terminal plan start at the same y, below the task block.
  const double boardTop = pdf.First("Settings:").Baseline() + 1.7 * lh;
  EXPECT_NEAR(pdf.First("\"On\"").left, 12.7 + 0.5 + 0.2, kTolerance);
  EXPECT_EQ(TerminalNumbers(pdf, boardTop), (std::set<std::string>{"1", "3", "7", "9", "10", "12"}));
  EXPECT_TRUE(pdf.Has("Zero"));
  EXPECT_TRUE(pdf.Has("Span"));

  // The instructions: "Terminal n:" at the margin, what it carries in one column after it.
  const auto terminals = pdf.All("Terminal");
  ASSERT_EQ(terminals.size(), 6u);
  for (const Word& t : terminals) EXPECT_NEAR(t.left, 2.3, kTolerance);
  EXPECT_GT(terminals[0].top, boardTop + 6.0);
  const double second = pdf.All("Thermocouple").at(1).left;  // after "Terminal 1:"
  EXPECT_GT(second, pdf.First("11:").right);
  EXPECT_NEAR(pdf.First("Gnd").left, second, kTolerance);
  EXPECT_NEAR(pdf.First("Power").left, second, kTolerance);
}

TEST_F(TemperaturePagesTest, RtdPage) {
  RtdModel m;
  RtdUpdate(m);
  RtdChoose(m, RtdList::Type, 1);
  RtdChoose(m, RtdList::Start, IndexOfValue(m.start, -50));
  RtdChoose(m, RtdList::End, IndexOfValue(m.end, 100));
  RtdChoose(m, RtdList::Output, 0);
  RtdChoose(m, RtdList::Response, 0);
  RtdChoose(m, RtdList::Manual, 1);
  ASSERT_TRUE(m.config.complete);

  const PdfText pdf = PrintTo("rtd.pdf", [&](PageSink& sink) { PrintRTDDocumentation(sink, m, "", options); });
  ASSERT_EQ(pdf.pages, 1);
  EXPECT_EQ(pdf.LineFrom("ZOR"), (std::vector<std::string>{"ZOR", "RTD"}));
  EXPECT_EQ(pdf.LineFrom("Note:"), (std::vector<std::string>{"Note:"}));
  const std::vector<std::string> typeLine = pdf.LineFrom("Input:");
  ASSERT_GE(typeLine.size(), 3u);
  EXPECT_EQ(typeLine[1], "Type:");
  EXPECT_EQ(pdf.LineFrom("Output:"),
            (std::vector<std::string>{"Output:", "Output", "voltage:", "0", "..", "10", "V"}));
  EXPECT_NEAR(pdf.First("Response").left, 5.4, kTolerance);
  const double lh = 1.05 * 1.117 * 11 / 72 * 2.54;
  const double boardTop = pdf.First("Settings:").Baseline() + 1.7 * lh;
  EXPECT_EQ(TerminalNumbers(pdf, boardTop), (std::set<std::string>{"1", "3", "4", "6", "7", "9", "10", "12"}));
}

}  // namespace
}  // namespace setrix::printing
