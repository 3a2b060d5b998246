// setrix-cli bank: draws one DIP switch bank into a picture file, as the screen shows it
// or as the documents carry it.
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "dipswitch/dipswitch.h"
#include "raster/bitmap_io.h"

namespace setrix::cli {

namespace {

struct BankOptions {
  int count = 8;
  int alignment = 0;
  std::int32_t value = -1;
  std::string mode = "screen";
  std::string out;
};

int RunBank(const BankOptions& o) {
  using namespace setrix::dipswitch;
  TDIPSwitch bank;
  TDIPSwitchObject& s = bank.SwitchSettings();
  s.SetCount(o.count);
  s.SetAlignment(*AlignmentFromDegrees(o.alignment));
  s.SetValue(o.value);

  raster::Bitmap picture(0, 0, o.mode == "bw" ? 1 : 24);
  if (o.mode == "screen") {
    // The control's canvas; the two pixels it keeps beyond its frame stay white.
    BitmapTarget canvas(picture);
    bank.Paint(canvas);
  } else {
    s.SetBMP_BW(o.mode == "bw");
    DrawToBitmap(s, picture);
  }

  const raster::FileResult written = raster::WriteImageFile(picture, o.out, *raster::FormatFromExtension(o.out));
  if (!written) {
    std::cerr << "setrix-cli bank: " << written.error << "\n";
    return 1;
  }
  std::cout << o.out << ": " << picture.Width() << " x " << picture.Height() << " pixels\n";
  return 0;
}

}  // namespace

void AddBankCommand(CLI::App& app, int& exitCode) {
  auto* cmd = app.add_subcommand("bank", "Draw a DIP switch bank into a picture file (.pbm, .ppm or .bmp)");
  auto o = std::make_shared<BankOptions>();

  cmd->add_option("--count", o->count, "Number of switches, 2 to 10")
      ->required()
      ->check(CLI::Validator(
          [](std::string& v) -> std::string {
            int n = 0;
            if (!CLI::detail::lexical_cast(v, n) || n < 2 || n > 10)
              return "'" + v + "' is not accepted; use 2 to 10";
            return {};
          },
          "2..10"));
  cmd->add_option("--alignment", o->alignment, "Rotation counter-clockwise in degrees: 0, 90, 180 or 270")
      ->required()
      ->check(CLI::Validator(
          [](std::string& v) -> std::string {
            int d = -1;
            if (!CLI::detail::lexical_cast(v, d) || !dipswitch::AlignmentFromDegrees(d))
              return "'" + v + "' is not accepted; use 0, 90, 180 or 270";
            return {};
          },
          "0|90|180|270"));
  cmd->add_option("--value", o->value,
                  "Switch states, a signed 32-bit number (decimal, or hex with 0x): bit k-1 set means "
                  "switch k is ON; "
                  "negative (-1) shows every slot empty")
      ->required()
      ->check(CLI::Validator(
          [](std::string& v) -> std::string {
            std::int32_t n = 0;
            if (CLI::detail::lexical_cast(v, n)) return {};
            return "'" + v + "' is not accepted; use a whole number from -2147483648 to 2147483647";
          },
          "INT32"));
  cmd->add_option("--mode", o->mode,
                  "screen: as the control shows it; bitmap: the picture for documents in colour; "
                  "bw: that picture in black and white (default screen)")
      ->check(CLI::Validator(
          [](std::string& v) -> std::string {
            if (v == "screen" || v == "bitmap" || v == "bw") return {};
            return "'" + v + "' is not accepted; use screen, bitmap or bw";
          },
          "screen|bitmap|bw"));
  cmd->add_option("--out", o->out, "Picture file; its extension chooses the format: .pbm, .ppm or .bmp")
      ->required()
      ->check(CLI::Validator(
          [](std::string& v) -> std::string {
            if (raster::FormatFromExtension(v)) return {};
            return "'" + v + "' has no accepted extension; use .pbm, .ppm or .bmp";
          },
          "FILE.pbm|.ppm|.bmp"));

  cmd->callback([o, &exitCode] { exitCode = RunBank(*o); });
}

}  // namespace setrix::cli
