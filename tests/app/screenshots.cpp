// Takes a picture of every screen and dialog in each language, for looking at the layout:
//   app_screenshots <folder> [languages...]      (languages as 0..3; default 0 1 2 3)
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTextStream>
#include <QThread>

#include "app/dc_page.h"
#include "app/device_list_panel.h"
#include "app/dialogs.h"
#include "app/frq_page.h"
#include "app/list_pages.h"
#include "app/main_window.h"
#include "app/read_mode.h"
#include "app/service_pages.h"
#include "app/style.h"
#include "modules/settings_store.h"

using namespace setrix;
using namespace setrix::app;

namespace {

QString g_dir;

void Save(QWidget* w, const QString& name) {
  QApplication::processEvents();
  w->grab().save(g_dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void Type(DcPage* dc, std::array<const char*, 4> texts) {
  const DcEdit edits[4] = {DcEdit::EditEMin, DcEdit::EditEMax, DcEdit::EditAMin, DcEdit::EditAMax};
  for (int i = 0; i < 4; ++i) dc->EditChange(edits[i], QString::fromLatin1(texts[static_cast<std::size_t>(i)]));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  SetupApplication(app);
  SetMessageHandler([](QWidget*, const QString&, const QString&) {});
  g_dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
  QDir().mkpath(g_dir);
  QList<int> languages;
  for (int i = 2; i < argc; ++i) languages << QString::fromLocal8Bit(argv[i]).toInt();
  if (languages.isEmpty()) languages = {0, 1, 2, 3};

  for (int lang : languages) {
    const QString l = QStringLiteral("de,en,it,es").split(QLatin1Char(',')).at(lang);
    MemorySettingsStore store;
    TForm1 w(store, {QStringLiteral("setrix"), QStringLiteral("Wartungstor")});
    w.show();
    w.BitBtnClick(20 + lang);
    w.LabelMouseMove(20 + lang);
    w.ShowPage(w.TS_Language());
    Save(&w, l + QStringLiteral("_01_language"));
    w.Img_BausteinauswahlMouseMove();
    w.ShowPage(w.TS_Bausteinauswahl());
    w.LabelMouseMove(1);
    Save(&w, l + QStringLiteral("_02_products"));

    w.ProduktClick(0);
    Save(&w, l + QStringLiteral("_03_dc_empty"));
    w.TS_DC()->RadioBtnClick(DcUnitButton::RBtnEV);
    w.TS_DC()->RadioBtnClick(DcUnitButton::RBtnAV);
    Type(w.TS_DC(), {"0", "7", "0", "10"});
    w.TS_DC()->BitBtnWeiterClick();
    Save(&w, l + QStringLiteral("_04_dc_result"));
    w.MenuHauptanzeigeClick(2);
    Save(&w, l + QStringLiteral("_05_results"));
    w.MenuHauptanzeigeClick(3);
    Save(&w, l + QStringLiteral("_06_evaluation"));
    w.ProduktClick(0);
    w.TS_DC()->RadioBtnClick(DcUnitButton::RBtnEmA);
    Type(w.TS_DC(), {"0", "20", "0", "10"});
    w.TS_DC()->RadioBtnClick(DcUnitButton::RBtnEV);
    Type(w.TS_DC(), {"1", "3", "-2", "9"});
    w.TS_DC()->BitBtnWeiterClick();
    Save(&w, l + QStringLiteral("_07_dc_zero_span"));
    w.TS_DC()->RadioBtnClick(DcUnitButton::RBtnEmA);
    Type(w.TS_DC(), {"4", "20", "-10", "10"});
    w.TS_DC()->Btn_DCStepTwoClick();
    Save(&w, l + QStringLiteral("_08_dc_two_step"));
    w.TS_DC()->RBtn10Hz->click();
    w.TS_DC()->Btn_DCStepOne->click();
    Save(&w, l + QStringLiteral("_08_dc_two_step1_10Hz"));
    w.SetZoom(150);
    Save(&w, l + QStringLiteral("_08_dc_two_step1_zoom150"));
    w.SetZoom(100);
    w.TS_DC()->RBtn10kHz->click();
    Type(w.TS_DC(), {"2", "10", "-10", "10"});
    w.TS_DC()->RadioBtnClick(DcUnitButton::RBtnEV);
    w.TS_DC()->BitBtnWeiterClick();
    Save(&w, l + QStringLiteral("_09_dc_invalid"));

    w.ProduktClick(2);
    Save(&w, l + QStringLiteral("_10_thermo_empty"));
    for (auto [list, index] : {std::pair{0, 0}, {1, 0}, {2, 6}, {3, 2}, {4, 0}})
      w.TS_Thermo()->Choose(list, index);
    Save(&w, l + QStringLiteral("_11_thermo_done"));

    w.ProduktClick(1);
    for (auto [list, index] : {std::pair{0, 7}, {1, 0}, {2, 9}, {3, 0}, {4, 0}}) w.TS_RTD()->Choose(list, index);
    Save(&w, l + QStringLiteral("_12_rtd_poti"));
    w.TS_RTD()->Choose(0, 2);
    for (auto [list, index] : {std::pair{1, 6}, {2, 12}}) w.TS_RTD()->Choose(list, index);
    Save(&w, l + QStringLiteral("_13_rtd_4wire"));

    w.ProduktClick(3);
    Save(&w, l + QStringLiteral("_14_frq_empty"));
    w.TS_FRQ()->ComboChange(FrqList::Mode, 1);
    w.TS_FRQ()->Ed_FRQLower->setText(QStringLiteral("50"));
    w.TS_FRQ()->Ed_FRQChange(FrqEntry::Lower);
    w.TS_FRQ()->Ed_FRQUpper->setText(QStringLiteral("1234"));
    w.TS_FRQ()->Ed_FRQChange(FrqEntry::Upper);
    w.TS_FRQ()->ComboChange(FrqList::Output, 3);
    w.TS_FRQ()->StepClick(2);
    Save(&w, l + QStringLiteral("_15_frq_step2"));
    w.TS_FRQ()->ComboChange(FrqList::Mode, 2);
    w.TS_FRQ()->StepClick(1);
    Save(&w, l + QStringLiteral("_16_frq_special1"));
    w.TS_FRQ()->ComboChange(FrqList::Mode, 0);
    Save(&w, l + QStringLiteral("_17_frq_zero_max"));

    {
      // Product / Read a device...: the levers of a 4 .. 20 mA -> 0 .. 10 V device read on
      // a DC screen without a task; then the task entered and one lever off; then the
      // thermocouple screen with its setting and one lever off.
      MemorySettingsStore readStore;
      readStore.KeyAt(kKeyDC)["Language"] = lang;
      readStore.KeyAt(kKeyDC)["OutValue"] = 0;
      TForm1 r(readStore, {QStringLiteral("setrix")});
      r.show();
      r.activateWindow();
      // The focus mark shows only in the active window.
      for (int i = 0; i < 100 && !r.isActiveWindow(); ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
      }
      r.ProduktClick(0);
      r.ReadDevice->Enter();
      for (SwitchRef s : {SwitchRef{1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 1}, {2, 4}, {2, 5}, {3, 1}, {3, 2}, {3, 3}})
        r.ReadDevice->Overlay()->Flip(s);
      Save(&r, l + QStringLiteral("_18_dc_read"));
      r.ReadDevice->Leave();
      r.TS_DC()->RBtn10Hz->click();
      r.TS_DC()->RadioBtnClick(DcUnitButton::RBtnAV);
      Type(r.TS_DC(), {"4", "20", "0", "10"});
      r.TS_DC()->BitBtnWeiterClick();
      r.ReadDevice->Enter();
      r.ReadDevice->Overlay()->Flip({1, 5});
      Save(&r, l + QStringLiteral("_18_dc_read_differs"));
      r.ProduktClick(2);
      for (auto [list, index] : {std::pair{0, 0}, {1, 0}, {2, 6}, {3, 2}, {4, 0}})
        r.TS_Thermo()->Choose(list, index);
      r.ReadDevice->Enter();
      r.ReadDevice->Overlay()->Flip({2, 1});
      Save(&r, l + QStringLiteral("_19_thermo_read"));
      r.ProduktClick(1);
      r.ReadDevice->Enter();
      Save(&r, l + QStringLiteral("_19_rtd_read"));
      r.ProduktClick(3);
      r.ReadDevice->Enter();
      for (SwitchRef s : {SwitchRef{1, 2}, {1, 4}, {2, 2}, {2, 3}, {2, 6}}) r.ReadDevice->Overlay()->Flip(s);
      Save(&r, l + QStringLiteral("_19_frq_read"));
      r.ProduktClick(0);
      r.ReadDevice->Enter();
      r.ReadDevice->Overlay()->Flip({1, 5});
      r.SetZoom(200);
      Save(&r, l + QStringLiteral("_19_dc_read_differs_zoom200"));
      r.SetZoom(100);
      r.ReadDevice->Leave();
    }

    w.InhaltBox()->Prepare(lang);
    w.InhaltBox()->show();
    Save(w.InhaltBox(), l + QStringLiteral("_20_contents"));
    w.InhaltBox()->hide();
    w.AboutBox()->Prepare(lang);
    w.AboutBox()->show();
    Save(w.AboutBox(), l + QStringLiteral("_21_info"));
    w.AboutBox()->hide();
    // A plant's device list beside the window, its second row on the screen.
    {
      const QString list = g_dir + QStringLiteral("/plant.setrix");
      QFile::remove(list);
      QFile::copy(QStringLiteral(SETRIX_SCREENSHOT_LIST), list);
      w.OpenConfigurationFile(list);
      emit w.DeviceList()->Table->cellDoubleClicked(1, 0);
      Save(w.DeviceList(), l + QStringLiteral("_23_device_list"));
      w.DeviceList()->hide();
      QFile::remove(list);
    }
    if (lang == languages.first()) {
      w.Frm_Gag()->show();
      Save(w.Frm_Gag(), QStringLiteral("22_credits"));
      w.Frm_Gag()->hide();
    }
  }
  QTextStream(stdout) << "pictures in " << g_dir << "\n";
  return 0;
}
