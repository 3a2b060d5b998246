// overview.pdf: every device of a batch run in one table, written with the program's own
// PDF engine. A4 landscape; the switch rows are small 1-bit pictures, one per bank value,
// embedded once and reused.
#include <algorithm>
#include <map>

#include "configfile/qr.h"
#include "devices/batch.h"
#include "pdf/canvas.h"
#include "pdf/document.h"
#include "pdf/format.h"

namespace setrix::devices {

namespace {

constexpr int kPageWidth = 842;
constexpr int kPageHeight = 596;
constexpr float kMargin = 28;
constexpr float kLine = 10;  // text line distance
constexpr float kFont = 7.5f;

struct Column {
  const char* caption;
  float left, width;
};
constexpr Column kRow{"Row", kMargin, 24};
constexpr Column kTag{"Tag", 54, 104};
constexpr Column kModule{"Module", 160, 38};
constexpr Column kTask{"Task", 200, 236};
constexpr Column kOutcome{"Outcome", 438, 64};
constexpr Column kBanks{"Banks", 504, 128};
constexpr Column kSwitches{"Switch rows (lever up: ON)", 634, kPageWidth - kMargin - 634};

constexpr int kSwitchPixels = 5;  // one switch: 5 x 9 pixels, drawn at one point per pixel

// A bank as a row of switches: a frame per switch, the lever's half filled.
raster::Bitmap BankPicture(int value, int count) {
  raster::Bitmap bmp(count * kSwitchPixels + 1, 9, 1);
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) bmp.SetIndex(x, y, 1);
  for (int k = 0; k < count; ++k) {
    const int x0 = k * kSwitchPixels;
    for (int x = x0; x <= x0 + kSwitchPixels; ++x) {
      bmp.SetIndex(x, 0, 0);
      bmp.SetIndex(x, 8, 0);
    }
    for (int y = 0; y < 9; ++y) {
      bmp.SetIndex(x0, y, 0);
      bmp.SetIndex(x0 + kSwitchPixels, y, 0);
    }
    const bool on = value >= 0 && ((value >> k) & 1) != 0;
    for (int y = on ? 2 : 5; y <= (on ? 3 : 6); ++y)
      for (int x = x0 + 2; x <= x0 + kSwitchPixels - 2; ++x) bmp.SetIndex(x, y, 0);
  }
  return bmp;
}

class Writer {
 public:
  explicit Writer(const BatchReport& report) : report_(report) {
    doc_.NewDocument();
    doc_.GetInfo().SetTitle(
        pdf::Utf8ToWinAnsi("SETRIX device list" + (report.title.empty() ? "" : ": " + report.title)));
  }

  std::string Bytes() {
    NewPage();
    for (const DeviceReport& d : report_.devices) Device(d);
    std::string out;
    doc_.SaveToStream(out);
    return out;
  }

 private:
  pdf::TPdfCanvas& C() { return doc_.GetCanvas(); }

  // One line of text cut to the width, its top at `top` (points from the page's top).
  void Text(float left, float top, float width, const std::string& utf8, bool bold = false, float size = kFont) {
    C().SelectFont(bold ? "Arial-Bold" : "Arial", size);
    std::string s = pdf::Utf8ToWinAnsi(utf8);
    if (C().MeasureWidth(s) > width) {
      const int fit = C().FitChars(s, width - C().MeasureWidth("..."));
      s = s.substr(0, static_cast<std::size_t>(std::max(fit, 0))) + "...";
    }
    C().TextInBox({left, kPageHeight - top, left + width, kPageHeight - top - size * 1.3f}, s,
                  pdf::TPdfAlignment::taLeftJustify, false);
  }

  // A grey line across the table.
  void Rule(float top, float thickness = 0.5f) {
    if (!doc_.XObjectByName("Rule")) {
      raster::Bitmap grey(1, 1, 1);
      grey.SetPalette({{150, 150, 150}, {255, 255, 255}});
      grey.SetIndex(0, 0, 0);
      configfile::StampImage(C(), grey, "Rule",
                             {kMargin, kPageHeight - top, kPageWidth - kMargin, kPageHeight - top - thickness});
      return;
    }
    C().DrawXObject(kMargin, kPageHeight - top - thickness, kPageWidth - 2 * kMargin, thickness, "Rule");
  }

  void NewPage() {
    doc_.AddPage();
    C().SetMediaWidth(kPageWidth);
    C().SetMediaHeight(kPageHeight);
    ++page_;
    float y = kMargin;
    Text(kMargin, y, 500, "SETRIX device list" + (report_.title.empty() ? "" : ": " + report_.title), true, 12);
    Text(kPageWidth - kMargin - 120, y + 2, 120, "Page " + std::to_string(page_), false, 8);
    y += 17;
    const int failed = report_.FailedCount();
    Text(kMargin, y, kPageWidth - 2 * kMargin,
         report_.list + "  |  " + report_.date + "  |  " + std::to_string(report_.devices.size()) + " of " +
             std::to_string(report_.total) + " devices, " + std::to_string(report_.devices.size() - failed) +
             " documented, " + std::to_string(failed) + " failed" +
             (report_.stopped ? ", stopped before the end" : ""),
         false, 8);
    y += 16;
    for (const Column& c : {kRow, kTag, kModule, kTask, kOutcome, kBanks, kSwitches})
      Text(c.left, y, c.width, c.caption, true);
    y += kLine + 2;
    Rule(y, 0.8f);
    y_ = y + 3;
  }

  void Device(const DeviceReport& d) {
    const int bankLines = std::max<int>(1, static_cast<int>(d.steps.size()));
    const int lines = std::max(bankLines, d.reason.empty() ? 1 : 2);
    const float height = lines * kLine + 4;
    if (y_ + height > kPageHeight - kMargin) NewPage();
    const float top = y_;
    Text(kRow.left, top, kRow.width, std::to_string(d.row));
    Text(kTag.left, top, kTag.width, d.tag);
    Text(kModule.left, top, kModule.width, d.module);
    Text(kTask.left, top, kTask.width, d.task);
    Text(kOutcome.left, top, kOutcome.width, d.outcome, d.Failed());
    if (!d.reason.empty()) Text(kTask.left, top + kLine, kOutcome.left + kOutcome.width - kTask.left, d.reason);
    float y = top;
    for (const StepBanks& s : d.steps) {
      std::string values = s.step > 0 ? std::to_string(s.step) + ": " : "";
      float x = kSwitches.left;
      for (const BankValue& b : s.banks) {
        values += b.name + "=" + std::to_string(b.value) + " ";
        Text(x, y, 12, b.name, false, 6);
        x += 11;
        const std::string name = "B" + std::to_string(b.count) + "_" + std::to_string(b.value);
        const raster::Bitmap picture = doc_.XObjectByName(name) ? raster::Bitmap() : BankPicture(b.value, b.count);
        const float w = static_cast<float>(b.count * kSwitchPixels + 1);
        const pdf::TPdfBox box{x, kPageHeight - y - 0.5f, x + w, kPageHeight - y - 9.5f};
        if (picture.Empty())
          C().DrawXObject(box.Left, box.Bottom, w, 9, name);
        else
          configfile::StampImage(C(), picture, name, box);
        x += w + 6;
      }
      Text(kBanks.left, y, kBanks.width, values);
      y += kLine;
    }
    y_ = top + height;
    Rule(y_ - 2);
  }

  const BatchReport& report_;
  pdf::TPdfDoc doc_;
  int page_ = 0;
  float y_ = 0;
};

}  // namespace

std::string OverviewPdf(const BatchReport& report) { return Writer(report).Bytes(); }

}  // namespace setrix::devices
