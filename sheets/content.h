#pragma once
// What a module's document says, built once from its screen model as plain data: pages of
// blocks (header, task, boards with their banks, instructions). The PDF layout
// (pdf_documentation.cpp) and the printed pages (printing/) only place this content, each in
// its own geometry; every text, bank value and instruction is chosen here.
//
// The builders read the model and never change it. Texts are UTF-8, in the language given
// (the model's own texts, such as instruction lines and list items, in the language it was
// last updated in). Numbers use the process-wide decimal separator.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dipswitch/dipswitch.h"
#include "resources/board_banks.h"
#include "sheets/doc_texts.h"

namespace setrix {
class DcScreen;
struct ThermoModel;
struct RtdModel;
struct FrqModel;
}  // namespace setrix

namespace setrix::sheets {

// The header of a page: product line, the maker's address with date and page line, the note.
struct PageHeader {
  int language = 0;         // the layouts place the product line by language
  std::string model;        // "DC", "THERMO", "RTD", "FREQUENCY"
  std::string title;        // the document's title: "SETRIX Version 1.31 for signal isolator DC"
  std::string productLine;  // "for signal isolator VORNEX"
  std::string modelLine;    // "ZOR DC"
  std::vector<std::string> address;
  std::string dateLine;  // "Date: 24.12.2026"
  int page = 0;          // 0: no page line
  int pageCount = 0;
  std::string pageLine;     // "Page: 1 / 2", or empty
  std::string noteCaption;  // "Note:"
  std::string note;
};

// The task block: groups of rows under a bold caption, then the settings line.
enum class TaskStyle {
  Numbers,      // DC: entered numbers right-aligned in a column, the unit behind them
  Lists,        // thermocouple, RTD: the chosen list items
  Frequencies,  // frequency converter: values and a unit column
};

struct TaskRow {
  TaskRow() = default;
  TaskRow(std::string label, std::string value, std::string unit, std::optional<std::string> room = std::nullopt,
          bool entered = false)
      : label(std::move(label)),
        value(std::move(value)),
        unit(std::move(unit)),
        room(std::move(room)),
        entered(entered) {}

  std::string label;  // "Start value:"
  std::string value;  // "4.0", "Thermocouple type K": "K"
  std::string unit;   // "mA", "Hz", or empty
  // The text the value column makes room for, when it is not the label ("Thermocouple type"
  // for the label "Thermocouple type:").
  std::optional<std::string> room;
  bool entered = false;  // the value is an entered number (the DC number column's width)
};

struct TaskGroup {
  std::string caption;  // "Input:", "Output:"
  std::vector<TaskRow> rows;
};

struct SettingsLine {
  std::string caption;  // "Settings:"
  std::string number;   // "1.", or empty
  std::string text;     // "Adjust the switches", "Step"
  // The line as one text: "1. Step", or the text alone.
  std::string Joined() const { return number.empty() ? text : number + " " + text; }
};

struct TaskBlock {
  TaskStyle style = TaskStyle::Lists;
  std::vector<TaskGroup> groups;
  std::optional<SettingsLine> settings;  // none on the frequency converter's step documents
};

// A bank painted onto a board picture.
struct BoardBank {
  std::string name;  // "S1"
  int count = 8;
  dipswitch::TDIPAlignment alignment = dipswitch::TDIPAlignment::Deg_0;
  int value = -1;  // -1: no setting shown (no levers)
  resources::BankPlace place;
};

// The numbers beside a terminal plan, by row from the top; an empty number is left out.
struct TerminalRow {
  std::string left, right;
};

struct TerminalPlan {
  std::string picture;            // "KP_DC", "KP_THERMO", "KP_RTD", "KP_FRQ"
  int terminals = 8;              // 8 or 12: the plan's drawing and the rows of its numbers
  std::vector<TerminalRow> rows;  // four rows, top to bottom
  bool potentiometers = false;    // "Zero" and "Span" beside the plan
};

// A board picture with its banks, the lever legend and the terminal plan.
struct Board {
  std::string picture;  // "PCB_DC", "PCB_RTD"
  std::vector<BoardBank> banks;
  std::string onWord, offWord;  // the lever legend
  TerminalPlan plan;
  int illustration = 0;  // 0: no caption
  std::string caption;   // "Illustration 1.)", or empty
};

// An instruction line of the DC screen: a step number (or none) and its text.
struct InstructionLine {
  std::string index;  // "2.", or empty
  std::string text;   // lines separated by CR LF
};

// The frequency converter's terminal block: terminal names and what they carry.
struct PinGroup {
  std::vector<std::string> terminals;  // "Terminal 1:" ...
  std::string meanings;                // one line per terminal, CR LF separated
};
struct Pinning {
  std::string caption;  // "Pinning", or empty where the pinning follows the board directly
  std::vector<PinGroup> groups;
};

// The instructions of a page; which fields are filled depends on the module.
struct Instructions {
  // DC: the screen's numbered lines (the last is the power supply line, without number);
  // empty when the screen shows no instruction.
  std::vector<InstructionLine> lines;
  // DC two-step: paragraphs, each a text with CR LF line breaks.
  std::vector<std::string> paragraphs;
  // Thermocouple, RTD: the screen's terminal lists ("Terminal 1: ...", CR LF separated).
  std::vector<std::string> terminalLists;
  // Frequency converter, page 1 of modes with steps: the steps.
  std::vector<FrqStepText> steps;
  // Frequency converter, last page: the pinning.
  std::optional<Pinning> pinning;
};

struct Page {
  PageHeader header;
  std::optional<TaskBlock> task;  // none on the frequency converter's page 2
  std::vector<Board> boards;
  Instructions instructions;
};

struct Document {
  std::string model;
  std::vector<Page> pages;
};

// What the builders need besides the model.
struct ContentOptions {
  int language = 0;  // 0 German, 1 English, 2 Italian, 3 Spanish
  std::string note;  // the module's user text
  std::string date;  // the date in the address column
};

// The documents. The DC builder raises std::invalid_argument naming an entry that is no
// number.
Document DcDocument(const DcScreen& dc, const ContentOptions& options);
Document ThermoDocument(const ThermoModel& thermo, const ContentOptions& options);
Document RtdDocument(const RtdModel& rtd, const ContentOptions& options);
Document FrqDocument(const FrqModel& frq, const ContentOptions& options);

// The terminal plans: eight terminals (DC with its potentiometers, frequency) or twelve
// (thermocouple without terminals 4 and 6, RTD; both with potentiometers).
TerminalPlan EightTerminals(std::string picture, bool potentiometers);
TerminalPlan TwelveTerminals(std::string picture, bool thermocouple);

// A page header alone (the printed pages' header primitive).
PageHeader MakePageHeader(std::string_view model, int language, std::string_view note, std::string_view date,
                          int page, int pageCount);

// "Thermocouple type K": the words before the type letter, and the letter. A text shorter
// than two characters has no words; its letter is the text.
struct ThermoTypeSplit {
  std::string words, letter;
};
ThermoTypeSplit SplitThermoType(std::string_view typeText);

}  // namespace setrix::sheets
