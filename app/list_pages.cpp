#include "app/list_pages.h"

#include <QVBoxLayout>

#include "app/pictures.h"
#include "app/style.h"
#include "texts/texts.h"

namespace setrix::app {

namespace {

QString WithColon(const texts::PerLanguage& e) { return DisplayText(texts::Tx(e)) + QLatin1Char(':'); }

QStringList Texts(const ChoiceList& list) {
  QStringList out;
  for (const ListItem& item : list.items) out << DisplayText(item.text);
  return out;
}

}  // namespace

// --- shared layout ------------------------------------------------------------------------

ListPage::ListPage(const Names& n, QWidget* parent)
    : ModulePage(n.page, n.subtitle, QString::fromLatin1(n.model), parent) {
  auto* card = new QFrame(this);
  card->setObjectName(QStringLiteral("Panel_%1").arg(QString::fromLatin1(n.page)));
  card->setGeometry(12, 60, 340, 232);
  MakeCard(card);
  for (int i = 0; i < 6; ++i) {
    const int y = 14 + i * 35;
    auto* caption = new QLabel(card);
    caption->setObjectName(QString::fromLatin1(n.captions[static_cast<std::size_t>(i)]));
    caption->setTextFormat(Qt::PlainText);
    caption->setGeometry(14, y + 4, 124, 18);
    captions[static_cast<std::size_t>(i)] = caption;
    auto* combo = new ChoiceBox(card);
    combo->setObjectName(QString::fromLatin1(n.combos[static_cast<std::size_t>(i)]));
    combo->setGeometry(140, y, 188, 26);
    connect(combo, &QComboBox::activated, this, [this, i](int index) { Choose(i, index); });
    combos[static_cast<std::size_t>(i)] = combo;
  }

  settingsCaption = WhiteLabel(this, n.settingsCaption, QString(), 15, true);
  settingsCaption->move(14, 300);
  switchesCaption = WhiteLabel(this, n.switchesCaption, QString(), 13);
  switchesCaption->setGeometry(14, 320, 338, 18);

  board = new QLabel(this);
  board->setObjectName(QStringLiteral("ImageBoard_%1").arg(QString::fromLatin1(n.page)));
  board->setGeometry(QRect(QPoint(12, 350), pictures::kThermoBoardSize));
  pictures::Show(*board, pictures::ThermoBoard);
  SW1 = new TDIPSwitch(8, TDIPSwitch::Alignment::Deg_180, board);
  SW1->setObjectName(QString::fromLatin1(n.bank1));
  SW1->move(pictures::kThermoBankS1);
  SW2 = new TDIPSwitch(8, TDIPSwitch::Alignment::Deg_180, board);
  SW2->setObjectName(QString::fromLatin1(n.bank2));
  SW2->move(pictures::kThermoBankS2);
  for (int i = 0; i < 2; ++i) {
    TDIPSwitch* bank = i == 0 ? SW1 : SW2;
    QLabel* l = WhiteLabel(board, "", QStringLiteral("S%1").arg(i + 1), 12, true);
    l->move(bank->x() + bank->width() / 2 - l->width() / 2, bank->y() + bank->height() + 7);
  }

  terminalPlan = new QLabel(this);
  terminalPlan->setObjectName(QStringLiteral("ImageKP_%1").arg(QString::fromLatin1(n.page)));
  terminalPlan->setGeometry(QRect(QPoint(364, 60), pictures::kThermoPlanSize));
  pictures::Show(*terminalPlan, pictures::ThermoTerminalPlan);

  helpPanel = new QFrame(this);
  helpPanel->setObjectName(QString::fromLatin1(n.panel));
  helpPanel->setGeometry(364, 198, 375, 308);
  MakeCard(helpPanel);
  for (int i = 0; i < 3; ++i) {
    auto* l = new QLabel(helpPanel);
    l->setObjectName(QString::fromLatin1(n.helpLabels[static_cast<std::size_t>(i)]));
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    helpLabels[static_cast<std::size_t>(i)] = l;
  }
  logo = new QLabel(helpPanel);
  logo->setObjectName(QStringLiteral("ImageLogo_%1").arg(QString::fromLatin1(n.page)));
  pictures::Show(*logo, pictures::MakerLogo);
  logo->setGeometry(
      QRect(QPoint(375 - 12 - pictures::kMakerLogoSize.width(), 308 - 10 - pictures::kMakerLogoSize.height()),
            pictures::kMakerLogoSize));
}

void ListPage::ShowList(int list, const ChoiceList& model) {
  ChoiceBox* box = combos[static_cast<std::size_t>(list)];
  if (model.style == ListStyle::Simple)
    box->SetSimple(DisplayText(model.prompt));
  else
    box->SetList(Texts(model), model.index, DisplayText(model.prompt));
}

void ListPage::ShowInstructions(bool visible, int s1, int s2, const std::string& settings,
                                const std::string& switches, const std::string& input, const std::string& output,
                                const std::string& power) {
  settingsCaption->setText(DisplayText(settings));
  settingsCaption->adjustSize();
  switchesCaption->setText(DisplayText(switches));
  helpLabels[0]->setText(DisplayText(input));
  helpLabels[1]->setText(DisplayText(output));
  helpLabels[2]->setText(DisplayText(power));
  helpPanel->setVisible(visible);
  SW1->SetValue(s1);
  SW2->SetValue(s2);
}

void ListPage::ApplyLanguage() {
  captions[0]->setText(WithColon(texts::txInput));
  captions[1]->setText(WithColon(texts::txStartValue));
  captions[2]->setText(WithColon(texts::txEndValue));
  captions[3]->setText(WithColon(texts::txOutput));
  captions[4]->setText(FifthCaption());
  captions[5]->setText(DisplayText(texts::Tx(texts::txFineCalibration)));
  ApplyTitle();
}

void ListPage::Update() {
  UpdateModel();
  Sync();
  emit documentableChanged(ModelDocumentable());
}

void ListPage::Choose(int list, int index) {
  ChooseInModel(list, index);
  Sync();
  emit documentableChanged(ModelDocumentable());
}

// --- thermocouple -------------------------------------------------------------------------

namespace {
const ListPage::Names kThermoNames{"TS_Thermo",
                                   "Label1Thermo",
                                   "ZOR THERMO",
                                   {"Label_Thermo_Type", "Label_Thermo_Min", "Label_Thermo_Max",
                                    "Label_Thermo_Out", "Label_Thermo_Filter", "Label_Thermo_Manual"},
                                   {"Combo_Thermo_Type", "Combo_Thermo_Min", "Combo_Thermo_Max",
                                    "Combo_Thermo_Out", "Combo_Thermo_Filter", "Combo_Thermo_Manual"},
                                   "SW1_Thermo",
                                   "SW2_Thermo",
                                   "LabelEinstellungenThermo",
                                   "Label1HelpThermo",
                                   "HelpThermoPanel",
                                   {"Label2HelpThermo", "Label3HelpThermo", "Label4HelpThermo"}};
constexpr std::array<ThermoList, 6> kThermoLists = {ThermoList::Type,   ThermoList::Start,  ThermoList::End,
                                                    ThermoList::Output, ThermoList::Filter, ThermoList::Manual};
}  // namespace

ThermoPage::ThermoPage(ThermoModel& model, QWidget* parent) : ListPage(kThermoNames, parent), model_(model) {
  auto* layout = new QVBoxLayout(helpPanel);
  layout->setContentsMargins(14, 12, 14, 48);
  layout->setSpacing(12);
  for (QLabel* l : helpLabels) layout->addWidget(l);
  layout->addStretch(1);
  Sync();
}

QString ThermoPage::FifthCaption() const { return WithColon(texts::txFilter); }

void ThermoPage::ChooseInModel(int list, int index) {
  ThermoChoose(model_, kThermoLists[static_cast<std::size_t>(list)], index);
}

void ThermoPage::Sync() { ShowModel(model_, model_.filter); }

// --- RTD ----------------------------------------------------------------------------------

namespace {
const ListPage::Names kRtdNames{"TS_RTD",
                                "Label1RTD",
                                "ZOR RTD",
                                {"Label_RTD_Type", "Label_RTD_Min", "Label_RTD_Max", "Label_RTD_Output",
                                 "Label_RTD_Response", "Label_RTD_Manual"},
                                {"Combo_RTD_Type", "Combo_RTD_Min", "Combo_RTD_Max", "Combo_RTD_Out",
                                 "Combo_RTD_Response", "Combo_RTD_Manual"},
                                "SW1_RTD",
                                "SW2_RTD",
                                "LabelEinstellungenRTD",
                                "Label1HelpRTD",
                                "HelpRTDPanel",
                                {"Label2HelpRTD", "Label3HelpRTD", "Label4HelpRTD"}};
constexpr std::array<RtdList, 6> kRtdLists = {RtdList::Type,   RtdList::Start,    RtdList::End,
                                              RtdList::Output, RtdList::Response, RtdList::Manual};

QPixmap WiringByName(const std::string& name) {
  using pictures::Wiring;
  if (name == "Image2W") return pictures::WiringPicture(Wiring::TwoWire);
  if (name == "Image3W") return pictures::WiringPicture(Wiring::ThreeWire);
  if (name == "Image4W") return pictures::WiringPicture(Wiring::FourWire);
  if (name == "Image2WRes") return pictures::WiringPicture(Wiring::Resistor);
  if (name == "Image3WPoti") return pictures::WiringPicture(Wiring::Potentiometer);
  return {};
}
}  // namespace

RtdPage::RtdPage(RtdModel& model, QWidget* parent) : ListPage(kRtdNames, parent), model_(model) {
  // Terminal texts on the left, the wiring picture at the right of the input terminals.
  helpLabels[0]->setGeometry(14, 12, 205, 70);
  helpLabels[1]->setGeometry(14, 134, 347, 36);
  helpLabels[2]->setGeometry(14, 182, 347, 36);
  ImageRTDHelp = new QLabel(helpPanel);
  ImageRTDHelp->setObjectName(QStringLiteral("ImageRTDHelp"));
  ImageRTDHelp->setGeometry(QRect(QPoint(375 - 12 - pictures::kWiringSize.width(), 10), pictures::kWiringSize));
  Sync();
}

QString RtdPage::FifthCaption() const { return DisplayText(texts::Tx(texts::txResponseTime)); }

void RtdPage::ChooseInModel(int list, int index) {
  RtdChoose(model_, kRtdLists[static_cast<std::size_t>(list)], index);
}

void RtdPage::Sync() {
  ShowModel(model_, model_.response);
  pictures::Show(*ImageRTDHelp, [name = model_.config.wiringPicture] { return WiringByName(name); });
}

}  // namespace setrix::app
