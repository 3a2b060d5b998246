#include "cli/pdf_options.h"

#include <clocale>
#include <ctime>
#include <functional>
#include <iostream>
#include <optional>

#include "modules/dc_screen.h"
#include "modules/frq.h"
#include "modules/rtd.h"
#include "modules/thermo.h"
#include "pdf/file_output.h"
#include "sheets/doc_texts.h"
#include "sheets/pdf_layout.h"
#include "texts/texts.h"

namespace setrix::cli {

namespace {

int Refuse(std::string_view command, const std::string& why) {
  std::cerr << "setrix-cli " << command << ": no documentation written: " << why << "\n";
  return 2;
}

// Writes with `save`; the file errors (missing folder, no permission) become exit status 1.
int Write(std::string_view command, const PdfOptions& options,
          const std::function<void(sheets::TPDFForm&, const std::string&)>& save) {
  sheets::TPDFForm form;
  const std::string date = options.date.empty() ? ShortDateToday() : options.date;
  form.DateText = [date] { return date; };
  try {
    save(form, options.file);
  } catch (const pdf::EFileError& e) {
    std::cerr << "setrix-cli " << command << ": " << e.what() << "\n";
    return 1;
  } catch (const std::invalid_argument& e) {
    return Refuse(command, e.what());
  }
  return 0;
}

}  // namespace

void AddPdfOptions(CLI::App& command, PdfOptions& options) {
  command.add_option("--pdf", options.file, "Write the documentation as a PDF file")->type_name("FILE");
  // The same limit as the note prompt of the desktop program: a longer note is refused, not cut.
  command
      .add_option("--note", options.note,
                  "The note printed beside \"Note:\" (e.g. a serial number), at most 48 characters")
      ->type_name("TEXT")
      ->check(CLI::Validator(
          [](std::string& note) -> std::string {
            const std::size_t n = sheets::CharacterCount(note);
            if (n <= sheets::kNoteMaxCharacters) return {};
            return "at most " + std::to_string(sheets::kNoteMaxCharacters) + " characters, not " +
                   std::to_string(n);
          },
          ""));
  command.add_option("--date", options.date, "The date line (default: today in your short date format)")
      ->type_name("TEXT");
}

std::string ShortDateToday() {
  const char* current = std::setlocale(LC_TIME, nullptr);
  const std::string saved = current ? current : "C";
  std::setlocale(LC_TIME, "");  // the user's locale; stays "C" when it is not installed
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  char buf[64];
  const std::size_t n = std::strftime(buf, sizeof buf, "%x", &tm);
  std::setlocale(LC_TIME, saved.c_str());
  return std::string(buf, n);
}

int WriteDcPdf(const PdfOptions& options, const DcScreen& dc, const std::optional<DcMessage>& message) {
  if (const std::string why = DcRefusal(dc, message); !why.empty()) return Refuse("dc", why);
  return Write("dc", options, [&](sheets::TPDFForm& form, const std::string& file) {
    form.SaveDCDocumentation(file, dc, options.note);
  });
}

int WriteThermoPdf(const PdfOptions& options, const ThermoModel& thermo) {
  if (!thermo.documentable) return Refuse("thermo", ThermoRefusal(thermo));
  return Write("thermo", options, [&](sheets::TPDFForm& form, const std::string& file) {
    form.SaveThermoDocumentation(file, thermo, options.note);
  });
}

int WriteRtdPdf(const PdfOptions& options, const RtdModel& rtd) {
  if (!rtd.documentable) return Refuse("rtd", RtdRefusal(rtd));
  return Write("rtd", options, [&](sheets::TPDFForm& form, const std::string& file) {
    form.SaveRTDDocumentation(file, rtd, options.note);
  });
}

int WriteFrqPdf(const PdfOptions& options, FrqModel& frq) {
  if (!frq.documentable) return Refuse("frq", FrqRefusal(frq));
  FrqSettleEntries(frq);  // the entries as the switches set them, as the window documents them
  return Write("frq", options, [&](sheets::TPDFForm& form, const std::string& file) {
    form.SaveFRQDocumentation(file, frq, options.note);
  });
}

}  // namespace setrix::cli
