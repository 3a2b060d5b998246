#pragma once
// The frequency converter ("ZOR FREQUENCY"): its screen model, the frequency coding and the
// step guidance.
//
// An input frequency range is mapped onto one of four outputs in one of three operating
// modes: 0..fmax (one step), fmin..fmax (two steps) and the special range taught with a
// frequency generator (three steps). Each step sets the two banks S1 and S2 differently and
// comes with its own instructions.
//
// The screen forwards its events to the model: list changes to `FrqChoose`, entry changes
// to `FrqEntryChanged` (which returns the rewritten text and where caret and selection go),
// key presses to `FrqEditKeyPress`, step buttons to `FrqShowStep`. After each event it copies
// the model into its widgets. The documentation reads `FrqModel::config` and uses
// `FrqQuantize`, `FrqStepSwitches` and `FrqStepParagraphs`.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "modules/choice_list.h"

namespace setrix {

// Mode list indexes.
inline constexpr int kFrqModeZeroToMax = 0;  // "0     ..  fmax": one step
inline constexpr int kFrqModeMinToMax = 1;   // "fmin ..  fmax": two steps
inline constexpr int kFrqModeSpecial = 2;    // special range: three steps

// The number of steps of a mode index (0 for none).
int FrqModeStepCount(int modeIndex);

// The output list ("0 ..   5 V", "0 .. 10 V", "0 .. 20 mA", "4 .. 20 mA", the same in every
// language) and the code each adds to S2 (switches 5 to 8).
struct FrqOutputRow {
  std::string_view text;
  int code;
};
extern const std::array<FrqOutputRow, 4> kFrqOutputs;

// A frequency as the module stores it: (m + t / 10) x 10^k.
struct FrqQuantized {
  double q = 0;        // the represented frequency
  int code = 0;        // S1: m in switches 1 to 4 and t in switches 5 to 8, bits reversed
  int decadeCode = 0;  // added to S2: 0, 2, 1, 3 for k = 0, 1, 2, 3
  int k = 0;           // decade
  int m = 0;           // integer digit
  int t = 0;           // tenth digit; 10 when f rounds up to the next integer digit
};
// Quantises f (Hz, not negative): capped at 15900, the decade chosen by f, the tenth digit
// rounded with halves to the even neighbour. 1234 gives 1230, 16.5 gives 16, 1.96 gives 2
// (m = 1, t = 10; written back into the entry, 2 then codes as m = 2, t = 0).
FrqQuantized FrqQuantize(double f);

// Reads an entry text: "," and "." count as the decimal separator. Empty, unparsable,
// negative or non-finite texts give nothing.
std::optional<double> FrqReadEntry(std::string_view text);

// The shortest decimal text (up to 15 significant digits, locale decimal separator) of a
// frequency, as written back into an entry.
std::string FrqFrequencyText(double f);

// The key filter of both entries: digits, ",", "." and backspace (8) pass; nothing else.
std::optional<char> FrqEditKeyPress(char key);

// One paragraph of a step's instructions, in the order shown.
enum class ParagraphStyle {
  Heading,  // bold and underlined
  Bullet,   // an instruction of the bulleted list
  Plain,    // plain text; an empty text is an empty paragraph
};
std::string_view ParagraphStyleName(ParagraphStyle style);  // "heading", "bullet", "plain"

struct Paragraph {
  ParagraphStyle style = ParagraphStyle::Plain;
  std::string text;  // may hold CR LF line breaks, as the text tables do
  bool operator==(const Paragraph&) const = default;
};

// The instructions of step `step` (1 to 3) of mode `modeIndex`, in `language`. `shownWhere`
// replaces "%S" of "Adjust the Switches S1 and S2 %S." (the screen uses txShownLeft, the
// documentation txShownIllustration with its illustration number); `outputText` is the
// output list's text. Empty for a step that the mode does not offer.
std::vector<Paragraph> FrqStepParagraphs(int modeIndex, int step, std::string_view outputText,
                                         std::string_view shownWhere, int language);

// Bank values of a step.
struct FrqBanks {
  int s1 = -1;
  int s2 = -1;
  bool operator==(const FrqBanks&) const = default;
};
// The banks of a step for a mode, the entries' values and an output index (-1: no output,
// which adds nothing to S2). A step that the mode does not offer gives S1 = 0 and
// S2 = output code for step 2, S1 = 0 and S2 = 15 | output code for step 3. A frequency that
// the step needs but cannot read gives no setting (-1, -1).
FrqBanks FrqStepBanks(int modeIndex, int step, std::optional<double> lower, std::optional<double> upper,
                      int outputIndex);

// The record of the frequency screen, read by the documentation.
struct FrqConfig {
  int modeIndex = -1;     // -1 none, kFrqMode...
  std::string lowerText;  // the entries' texts (after rewriting)
  std::string upperText;
  int outputIndex = -1;  // -1 none, 0 to 3 as in kFrqOutputs
  std::string outputText;
  int stepCount = 0;    // 0 while the inputs are incomplete, else 1, 2 or 3 by mode
  int currentStep = 0;  // 0 while no instructions are shown, else 1 to 3
  int s1 = -1;          // the banks; -1 while no setting is shown
  int s2 = -1;
  std::string userText;  // the module's note; never touched by the model
};

// The two entry rows of the screen. The first row sits at the lower entry's height; in mode
// 0..fmax the upper entry moves up into it.
struct FrqEntryRows {
  std::string firstCaption;  // Label_Frq_LowerFRQ
  bool firstCaptionVisible = false;
  std::string secondCaption;  // Label_Frq_UpperFRQ
  bool secondCaptionVisible = false;
  bool hzLowVisible = false;  // Label_FRQ_HZLow, behind the first row
  bool hzUpVisible = false;   // Label_FRQ_HZUp, behind the second row
  bool lowerEntryVisible = false;
  bool upperEntryVisible = false;
  int upperEntryRow = 2;  // 1 in mode 0..fmax, else 2
};

// Everything the screen shows. Entry texts, banks and the shown step live in `config`.
struct FrqModel {
  ChoiceList mode;    // Combo_FRQ_OpMode
  ChoiceList output;  // Combo_FRQ_Out
  FrqConfig config;
  FrqEntryRows rows;
  std::array<std::string, 3> stepButtonCaptions;  // "&1. Step" ... ("&" marks the access key)
  std::array<bool, 3> stepButtonVisible{};
  std::string stepLine;  // Lbl_FRQStep: how many steps the setting takes
  bool stepLineVisible = false;
  bool helpPanelVisible = false;  // HelpFRQPanel, showing config.currentStep
  std::vector<Paragraph> help;    // FRQ_RichHelp: the shown step's paragraphs
  bool documentable = false;      // Save and Print enabled
};

enum class FrqEntry { Lower, Upper };
enum class FrqList { Mode, Output };

// Recomputes the lists, the entry rows, the step buttons and line, Save and Print, and
// re-runs the shown step, in the current language. Runs when the page is entered, after a
// language change, and at start-up after the stored choices have been restored.
void FrqUpdate(FrqModel& model);

// Clears both banks and hides the instructions; `full` also hides the step buttons and the
// step line and disables Save and Print.
void FrqReset(FrqModel& model, bool full);

// The change handler of the mode and output lists: chooses item `index` (an index outside
// the list leaves nothing chosen), resets without `full` and updates. Returns whether the
// index named an item.
bool FrqChoose(FrqModel& model, FrqList list, int index);

// What the entry widget shows after a change: the text, whether the model rewrote it, and
// the caret and selection to keep (those given, limited to the new text).
struct FrqEntryEdit {
  std::string text;
  bool rewritten = false;
  int caret = 0;
  int selectionLength = 0;
};
// The change handler of the entries: stores `text`; an invalid text resets everything
// (`FrqReset(true)`) and stops; otherwise a frequency that does not quantise to itself is
// rewritten to its quantised value, then the model resets without `full` and updates.
FrqEntryEdit FrqEntryChanged(FrqModel& model, FrqEntry entry, std::string_view text, int caret = 0,
                             int selectionLength = 0);

// A step button (and the update): rewrites the entry the step uses to its quantised value,
// fills `help` with the step's paragraphs, shows the panel with currentStep = step and sets
// the banks to `FrqStepSwitches(step)`. A step that the mode does not offer hides the
// instructions. Returns whether the step is shown.
bool FrqShowStep(FrqModel& model, int step);

// The banks of step 1, 2 or 3 for the model's mode, entries and output.
FrqBanks FrqStepSwitches(const FrqModel& model, int step);

// Before a document is made: every entry that a step of the mode uses and that does not hold
// the value the switches really set is rewritten to it through the change handler, step by
// step, as typing it would. Returns whether an entry changed (the screen then shows it anew).
// An entry that is no number stays as it is; its step shows no setting.
bool FrqSettleEntries(FrqModel& model);

// The stored choices: "Mode" and "Out" as item indexes, "Min" and "Max" as entry texts.
struct FrqStoredChoices {
  std::optional<int> mode;
  std::optional<std::string> min, max;
  std::optional<int> out;
};
// Fills the lists, restores in the order "Mode", "Min", "Max", "Out" (the entries through
// their change handler), then updates.
void FrqRestore(FrqModel& model, const FrqStoredChoices& stored);

}  // namespace setrix
