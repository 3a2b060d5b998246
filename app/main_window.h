#pragma once
// The main window: one page control with hidden tabs holding every screen, the menus, the
// language and product selection screens, the hidden service menu, and the settings that
// are loaded when the window is created and stored when it closes.
#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/widgets.h"
#include "configfile/device.h"
#include "modules/settings_schema.h"
#include "raster/bitmap.h"

class QAction;
class QDragEnterEvent;
class QDropEvent;
class QActionGroup;
class QGraphicsView;
class QMenu;
class QPrinter;
class QStackedWidget;
class QTranslator;

namespace setrix::sheets {
class TPDFForm;
struct ContentOptions;
}  // namespace setrix::sheets

namespace setrix::devices {
class ModuleScreen;
class ModuleScreens;
}  // namespace setrix::devices

namespace setrix::app {

class DeviceReadMode;
class ConfigurationDialogs;
class DeviceListPanel;
class DocumentationDialogs;
class TAboutBox;
class TAlphaCodeBox;
class TFrm_Gag;
class TInhaltBox;
class DcPage;
class ResultsPage;
class EvaluationPage;
class ThermoPage;
class RtdPage;
class FrqPage;
class ModulePage;
struct Models;

// The four lines of a module screen's title: subtitle, family, series and model word.
struct TitleLine {
  QLabel* subtitle = nullptr;
  QLabel* family = nullptr;
  QLabel* series = nullptr;
  QLabel* model = nullptr;
  // Moves the three name labels behind the subtitle (after its text changed).
  void Arrange();
};
// Creates a title line on `page` ("ZOR DC", ...) with the subtitle's object name.
TitleLine MakeTitleLine(QWidget* page, const char* subtitleName, const QString& modelWord);

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  // Creates the window and runs FormCreate: loads the settings from `store`, scans
  // `arguments` (the first one is the program) for the service word, applies the language
  // and shows the first screen. The store must outlive the window.
  TForm1(SettingsStore& store, const QStringList& arguments, QWidget* parent = nullptr);
  ~TForm1() override;

  // --- handlers ---------------------------------------------------------------------------
  void BitBtnClick(int tag);                // a language label on the language screen
  void MenuItemSpracheClick(int language);  // the Language menu
  void ProduktClick(int tag);               // a product label or Product menu item
  void LabelMouseMove(int tag);             // mouse over a product or language label
  void Img_BausteinauswahlMouseMove();      // mouse over the background of a selection screen
  void MenuHauptanzeigeClick(int tag);      // a service menu item
  void MenuItemInhaltClick();
  void MenuItemInfoClick();
  // File / Print: the print dialog, then the user text, then the active module's document
  // on the chosen printer.
  void MenuItemDruckenClick();
  // File / Save: the user text, then the save dialog, then the active module's PDF file.
  void MenuSpeichernClick();
  // Asks for the user text of module `kind`; true when the user confirmed.
  bool QueryUserText(ModuleKind kind);
  // The active module's document: false without one; a frequency screen's entries are
  // settled first (and shown). The options of its content: language, note, date.
  bool SettleForDocument(ModuleKind kind);
  sheets::ContentOptions DocumentOptions(ModuleKind kind, std::string date) const;
  void ApplyLanguage();
  // Stores every setting (the close query does this, then the window closes).
  void StoreSettings();
  // View / Zoom: the whole window drawn at `percent` (one of kZoomLevels; others give 100).
  void SetZoom(int percent);
  int Zoom() const { return zoom_; }
  void ZoomIn();
  void ZoomOut();
  static constexpr std::array<int, 4> kZoomLevels = {100, 125, 150, 200};
  // The file name the save dialog proposes for the active module's task ("ZOR-DC_4-20mA_0-10V.Pdf").
  QString ProposedFileName() const;

  // --- state ------------------------------------------------------------------------------
  int Language() const;
  bool FirstRun() const { return firstRun_; }
  QWidget* ActivePage() const;
  ModuleKind ActiveModule() const;
  // The four user texts (notes of the documentation), by module kind.
  QString UserText(ModuleKind kind) const;
  void SetUserText(ModuleKind kind, const QString& text);
  Models& models() { return *models_; }
  SettingsStore& Store() { return store_; }

  // --- widgets (named as in the window description) ----------------------------------------
  QStackedWidget* PageControl;
  // The language screen and the product screen are made when first shown (a regular start
  // shows the product screen, a first start the language screen).
  QWidget* TS_Language();
  QWidget* TS_Bausteinauswahl();
  // The module screens, the service screens and the dialogs are made when first needed (a
  // regular start shows the product screen only).
  DcPage* TS_DC();
  ThermoPage* TS_Thermo();
  RtdPage* TS_RTD();
  FrqPage* TS_FRQ();
  ResultsPage* TS_Results();
  EvaluationPage* TS_Evaluation();

  QMenu* MenuItemDatei;
  QAction* MenuSpeichern;
  QAction* MenuItemDrucken;
  QAction* MenuItemBeenden;
  QAction* MenuOpenConfig;
  QAction* MenuSaveConfig;
  QMenu* MenuRecentFiles;
  QAction* MenuDocumentList;
  QAction* MenuQrOnPaper;
  QMenu* MenuItemSprache;
  std::array<QAction*, 4> languageItems;  // tags 0..3
  QMenu* MenuProdukt;
  std::array<QAction*, 4> productItems;  // tags 0 DC, 1 RTD, 2 THERMO, 3 FREQUENCY
  QMenu* MenuView;
  QAction* MenuZoomIn;
  QAction* MenuZoomOut;
  QAction* MenuZoomReset;
  std::array<QAction*, 4> zoomItems;  // the levels of kZoomLevels
  QMenu* MenuItemHilfe;
  QAction* MenuItemInhalt;
  QAction* MenuItemInfo;
  QMenu* MenuItemService;
  std::array<QAction*, 4> serviceItems;  // tags 0..3

  // Language screen (null until it is made).
  QLabel* Label2Vari = nullptr;
  std::array<QLabel*, 4> languageSubtitles{};   // LabelD, LabelE, LabelI, LabelS
  std::array<ClickLabel*, 4> languageLabels{};  // tags 20..23
  PictureLabel* Img_Language = nullptr;
  // Product screen.
  QLabel* Label1ProduktAuswahl;
  QLabel* Label2ProduktAuswahl;
  PictureLabel* Img_Bausteinauswahl;
  // Rows top to bottom: DC, thermocouple, RTD, frequency; each family, series, model word.
  std::array<std::array<ClickLabel*, 3>, 4> productRows;

  // Product / Read a device...: the read mode of the module screens.
  DeviceReadMode* ReadDevice = nullptr;

  TFrm_Gag* Frm_Gag();
  TInhaltBox* InhaltBox();
  TAboutBox* AboutBox();
  TAlphaCodeBox* AlphaCodeBox();
  // The PDF layout form, and the printer that the print dialog sets up (both made on first use).
  sheets::TPDFForm& PDFForm();
  QPrinter& DocumentPrinter();
  // The dialogs of File / Print and File / Save; nullptr restores the platform's own.
  void SetDocumentationDialogs(DocumentationDialogs* dialogs);

  // --- configuration files (configuration.cpp) ---------------------------------------------
  // File / Open configuration...: the open dialog, then OpenConfigurationFile.
  void MenuOpenConfigClick();
  // Opens a *.setrix file: a one-device file shows its module screen with the stored choices
  // and note, a device list the device list panel. A file that cannot be used gives a
  // message naming the file, the line and the field, and the screen stays as it was.
  // Returns whether the file was opened.
  bool OpenConfigurationFile(const QString& file);
  // File / Save configuration as...: the active module screen as a one-device file.
  void MenuSaveConfigClick();
  bool SaveConfigurationFile(const QString& file);
  // File / Document device list...: a list (*.setrix or *.csv), a folder, then the PDFs and
  // the summary with a progress dialog that can be cancelled.
  void MenuDocumentListClick();
  void DocumentDeviceList(const QString& listFile, const QString& folder);
  // The device of the active module screen, with its note and the tag it was opened with.
  configfile::Device ScreenDevice() const;
  // The recent configuration files, newest first (at most kMaxRecentFiles).
  QStringList RecentFiles() const { return recentFiles_; }
  static constexpr int kMaxRecentFiles = settings::kRecentFiles;
  // File / QR code on the paper: every printed and PDF sheet carries the screen's
  // configuration as a QR code.
  bool QrOnPaper() const;
  // The dialogs of the configuration files; nullptr restores the platform's own.
  void SetConfigurationDialogs(ConfigurationDialogs* dialogs);
  // The device list of an opened list file; made when first needed.
  DeviceListPanel* DeviceList();

  // Enables or disables File / Save and File / Print together.
  void SetDocumentable(bool enabled);
  // Shows a page and runs its enter handler.
  void ShowPage(QWidget* page);
  // The view that shows the page control at the zoom level.
  QGraphicsView* ZoomView() const { return zoomView_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // On the first show: a move to a screen of another pixel ratio draws the pictures anew.
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void FormCreate(const QStringList& arguments);
  void CreateMenus();
  void CreateLanguagePage();
  // The language screen's subtitles: the upper one in the current language, each group's in
  // its own.
  void ShowLanguageSubtitles();
  QWidget* languagePage_ = nullptr;
  bool screenWatched_ = false;
  // While the window is made, the DC screen is its initial screen (not made: its model acts).
  bool startingOnDc_ = false;
  void CreateProductPage();
  // The product screen's subtitles in the current language.
  void ShowProductSubtitles();
  QWidget* productPage_ = nullptr;
  void ResetProductRow(int row);
  void ResetLanguageLabel(int index);
  void SetMenusEnabled(bool file, bool product, bool language, bool help, bool service);
  void CheckServiceItem(int tag);
  void CheckLanguageItem(int language);  // -1: none
  void LoadSettings();
  void RunEnterHandler(QWidget* page);
  // After a page change: the window title names the module, the service screens offer no
  // Save or Print.
  void PageChanged();
  // Qt's own dialogs in the current language.
  void LoadQtTranslation();
  void ApplyWindowTexts();
  // Configuration files (configuration.cpp).
  void CreateConfigurationMenus();
  void ApplyConfigurationTexts();
  void LoadConfigurationSettings();
  void StoreConfigurationSettings();
  void AddRecentFile(const QString& file);
  void FillRecentMenu();
  // Puts a device onto its module screen and shows it; false (with the message) when a choice
  // cannot be used. `where` names the file and, per field, its line.
  bool ShowDevice(const configfile::Device& device, const QString& file,
                  const std::map<std::string, int>& fieldLines);
  // The active list row takes the screen's choices and note.
  void ScreenToListRow();
  void OpenListRow(int row);
  bool SaveDeviceList(const QString& file);
  // The QR code of the active screen's configuration for a sheet, or an empty picture.
  raster::Bitmap SheetQr() const;
  void FitWindow();
  // Runs a print or save; an error is shown in a message box with its own text.
  template <class Produce>
  void ProduceDocument(Produce produce);

  SettingsStore& store_;
  std::unique_ptr<Models> models_;
  std::unique_ptr<devices::ModuleScreens> screens_;
  // The module screens: the page of each module and the core's interface to its model.
  // The page is null until it is first needed; `make` makes it.
  struct ModuleRow {
    ModulePage* page;
    devices::ModuleScreen* screen;
    std::function<ModulePage*()> make;
  };
  std::array<ModuleRow, 4> moduleRows_{};
  const ModuleRow* RowOf(ModuleKind kind) const;
  const ModuleRow* RowOfPage(const QWidget* page) const;
  // The module's page, made now if it was not yet: in the page control, connected, in the
  // current language and showing its model.
  ModulePage* PageOf(ModuleKind kind);
  template <class Page>
  Page* ServicePage(Page*& page);
  ResultsPage* resultsPage_ = nullptr;
  EvaluationPage* evaluationPage_ = nullptr;
  TFrm_Gag* frmGag_ = nullptr;
  TInhaltBox* inhaltBox_ = nullptr;
  TAboutBox* aboutBox_ = nullptr;
  TAlphaCodeBox* alphaCodeBox_ = nullptr;
  bool firstRun_ = false;
  std::unique_ptr<sheets::TPDFForm> pdfForm_;
  std::unique_ptr<QPrinter> printer_;
  std::unique_ptr<DocumentationDialogs> platformDialogs_;
  DocumentationDialogs* dialogs_ = nullptr;
  QGraphicsView* zoomView_ = nullptr;
  int zoom_ = 100;
  bool productChosen_ = false;  // the Product menu stays enabled from the first choice on
  std::unique_ptr<QTranslator> qtTranslator_;
  std::unique_ptr<ConfigurationDialogs> platformConfigDialogs_;
  ConfigurationDialogs* configDialogs_ = nullptr;
  QStringList recentFiles_;
  DeviceListPanel* deviceList_ = nullptr;  // nullptr until a list is opened
  // Per module (index ModuleKind): the device last opened on its screen (its tag and the
  // fields this version does not know, which a saved file keeps).
  std::array<configfile::Device, 5> openedDevices_;
};

}  // namespace setrix::app
