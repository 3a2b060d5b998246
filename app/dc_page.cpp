#include "app/dc_page.h"

#include <QGridLayout>
#include <algorithm>

#include "app/pictures.h"
#include "app/style.h"
#include "modules/numbers.h"
#include "texts/texts.h"

namespace setrix::app {

namespace {

constexpr std::array<DcEdit, 4> kEdits = {DcEdit::EditEMin, DcEdit::EditEMax, DcEdit::EditAMin, DcEdit::EditAMax};

QLabel* CardLabel(QWidget* parent, const char* name, QPoint at, int pixelSize = 12, bool bold = false) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setTextFormat(Qt::PlainText);
  l->setFont(ArialFont(pixelSize, bold));
  l->move(at);
  return l;
}

QRadioButton* Radio(QWidget* parent, const char* name, const QString& caption, QPoint at) {
  auto* r = new QRadioButton(caption, parent);
  r->setObjectName(QString::fromLatin1(name));
  r->move(at);
  r->adjustSize();
  return r;
}

QFrame* Rule(QWidget* parent, int y) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(10, y, 248, 2);
  return line;
}

void SetLabel(QLabel* label, const DcLabel& model) {
  label->setText(DisplayText(model.text));
  label->setVisible(model.visible);
}

void SetButton(QPushButton* button, const DcButton& model) {
  button->setVisible(model.visible);
  button->setEnabled(model.enabled);
}

}  // namespace

DcPage::DcPage(DcScreen& model, QWidget* parent)
    : ModulePage("TS_DC", "Label1Vari", QStringLiteral("ZOR DC"), parent), model_(model) {
  // --- entries, units, bandwidth and the buttons on the left ---
  PanelDC = new QFrame(this);
  PanelDC->setObjectName(QStringLiteral("PanelDC"));
  PanelDC->setGeometry(12, 60, 268, 446);
  MakeCard(PanelDC);

  auto entry = [this](int i, const char* name, QPoint at) {
    auto* e = new FilteredEdit(
        [](QChar c) -> std::optional<QChar> {
          if (c.unicode() > 127) return std::nullopt;
          const std::optional<char> k = DCEditKeyPress(static_cast<char>(c.unicode()));
          if (!k) return std::nullopt;
          return QChar(static_cast<unsigned char>(*k));
        },
        PanelDC);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(static_cast<int>(DcScreen::kEntryMaxLength));
    e->setGeometry(at.x(), at.y(), 124, 24);
    connect(e, &QLineEdit::textEdited, this,
            [this, i](const QString& text) { EditChange(kEdits[static_cast<std::size_t>(i)], text); });
    // Enter in an entry calculates, as the button would.
    connect(e, &QLineEdit::returnPressed, this, [this] {
      if (model_.BitBtnWeiter().visible && model_.BitBtnWeiter().enabled) BitBtnWeiterClick();
    });
    edits[static_cast<std::size_t>(i)] = e;
  };

  LabelEingang = CardLabel(PanelDC, "LabelEingang", {14, 10}, 14, true);
  LabelEMin = CardLabel(PanelDC, "LabelEMin", {14, 39});
  LabelEMax = CardLabel(PanelDC, "LabelEMax", {14, 69});
  entry(0, "EditEMin", {128, 35});
  entry(1, "EditEMax", {128, 65});
  RBtnEmA = Radio(PanelDC, "RBtnEmA", QStringLiteral("mA"), {14, 98});
  RBtnEmV = Radio(PanelDC, "RBtnEmV", QStringLiteral("mV"), {86, 98});
  RBtnEV = Radio(PanelDC, "RBtnEV", QStringLiteral("V"), {158, 98});
  auto* inUnits = new QButtonGroup(this);
  inUnits->addButton(RBtnEmA);
  inUnits->addButton(RBtnEmV);
  inUnits->addButton(RBtnEV);
  Rule(PanelDC, 128);

  LabelAusgang = CardLabel(PanelDC, "LabelAusgang", {14, 138}, 14, true);
  LabelAMin = CardLabel(PanelDC, "LabelAMin", {14, 167});
  LabelAMax = CardLabel(PanelDC, "LabelAMax", {14, 197});
  entry(2, "EditAMin", {128, 163});
  entry(3, "EditAMax", {128, 193});
  RBtnAmA = Radio(PanelDC, "RBtnAmA", QStringLiteral("mA"), {14, 226});
  RBtnAV = Radio(PanelDC, "RBtnAV", QStringLiteral("V"), {86, 226});
  auto* outUnits = new QButtonGroup(this);
  outUnits->addButton(RBtnAmA);
  outUnits->addButton(RBtnAV);
  Rule(PanelDC, 256);

  LabelGrenzfrequenz = CardLabel(PanelDC, "LabelGrenzfrequenz", {14, 266}, 14, true);
  RBtn10Hz = Radio(PanelDC, "RBtn10Hz", QStringLiteral("< 10 Hz"), {14, 292});
  RBtn10kHz = Radio(PanelDC, "RBtn10kHz", QStringLiteral("> 10 kHz"), {128, 292});
  auto* bandwidth = new QButtonGroup(this);
  bandwidth->addButton(RBtn10Hz);
  bandwidth->addButton(RBtn10kHz);
  Rule(PanelDC, 322);

  BitBtnWeiter = new QPushButton(PanelDC);
  BitBtnWeiter->setObjectName(QStringLiteral("BitBtnWeiter"));
  BitBtnWeiter->setGeometry(14, 334, 240, 32);
  BitBtnWeiter->setFont(ArialFont(13, true));
  Btn_DCStepOne = new QPushButton(PanelDC);
  Btn_DCStepOne->setObjectName(QStringLiteral("Btn_DCStepOne"));
  Btn_DCStepOne->setGeometry(14, 334, 116, 32);
  Btn_DCStepTwo = new QPushButton(PanelDC);
  Btn_DCStepTwo->setObjectName(QStringLiteral("Btn_DCStepTwo"));
  Btn_DCStepTwo->setGeometry(138, 334, 116, 32);
  // Enter on a focused button presses it; the pressed step stays marked.
  for (QPushButton* b : {BitBtnWeiter, Btn_DCStepOne, Btn_DCStepTwo}) b->setAutoDefault(true);
  Btn_DCStepOne->setCheckable(true);
  Btn_DCStepTwo->setCheckable(true);
  Lbl_DCStep = CardLabel(PanelDC, "Lbl_DCStep", {14, 374});
  Lbl_DCStep->setWordWrap(true);
  Lbl_DCStep->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Lbl_DCStep->setGeometry(14, 374, 240, 64);

  connect(RBtnEmA, &QRadioButton::clicked, this, [this] { RadioBtnClick(DcUnitButton::RBtnEmA); });
  connect(RBtnEmV, &QRadioButton::clicked, this, [this] { RadioBtnClick(DcUnitButton::RBtnEmV); });
  connect(RBtnEV, &QRadioButton::clicked, this, [this] { RadioBtnClick(DcUnitButton::RBtnEV); });
  connect(RBtnAmA, &QRadioButton::clicked, this, [this] { RadioBtnClick(DcUnitButton::RBtnAmA); });
  connect(RBtnAV, &QRadioButton::clicked, this, [this] { RadioBtnClick(DcUnitButton::RBtnAV); });
  connect(RBtn10Hz, &QRadioButton::clicked, this, [this] { RBtnGrenzClick(DcBandwidthButton::RBtn10Hz); });
  connect(RBtn10kHz, &QRadioButton::clicked, this, [this] { RBtnGrenzClick(DcBandwidthButton::RBtn10kHz); });
  connect(BitBtnWeiter, &QPushButton::clicked, this, &DcPage::BitBtnWeiterClick);
  connect(Btn_DCStepOne, &QPushButton::clicked, this, &DcPage::Btn_DCStepOneClick);
  connect(Btn_DCStepTwo, &QPushButton::clicked, this, &DcPage::Btn_DCStepTwoClick);

  // --- instructions above the board, the board with its banks ---
  LabelEinstellungenDC = WhiteLabel(this, "LabelEinstellungenDC", QString(), 15, true);
  LabelEinstellungenDC->move(294, 58);
  Lbl_DCStepHeading = WhiteLabel(this, "Lbl_DCStepHeading", QString(), 15, true, true);
  Lbl_DCStepHeading->move(294, 58);
  Lbl_DCStepHeading->hide();
  Label1HelpDC = WhiteLabel(this, "Label1HelpDC", QString(), 13);
  Label1HelpDC->setGeometry(294, 78, 440, 18);

  ImagePCB_DC = new QLabel(this);
  ImagePCB_DC->setObjectName(QStringLiteral("ImagePCB_DC"));
  ImagePCB_DC->setGeometry(QRect(QPoint(292, 100), pictures::kDcBoardSize));
  pictures::Show(*ImagePCB_DC, pictures::DcBoard);
  SW1_DC = new TDIPSwitch(DcScreen::kS1Count, TDIPSwitch::Alignment::Deg_90, ImagePCB_DC);
  SW1_DC->setObjectName(QStringLiteral("SW1_DC"));
  SW1_DC->move(pictures::kDcBankS1);
  SW2_DC = new TDIPSwitch(DcScreen::kS2Count, TDIPSwitch::Alignment::Deg_0, ImagePCB_DC);
  SW2_DC->setObjectName(QStringLiteral("SW2_DC"));
  SW2_DC->move(pictures::kDcBankS2);
  SW3_DC = new TDIPSwitch(DcScreen::kS3Count, TDIPSwitch::Alignment::Deg_90, ImagePCB_DC);
  SW3_DC->setObjectName(QStringLiteral("SW3_DC"));
  SW3_DC->move(pictures::kDcBankS3);
  const char* bankLabelNames[3] = {"LabelS1_DC", "LabelS2_DC", "LabelS3_DC"};
  TDIPSwitch* banks[3] = {SW1_DC, SW2_DC, SW3_DC};
  for (int i = 0; i < 3; ++i) {
    QLabel* l = WhiteLabel(ImagePCB_DC, bankLabelNames[i], QStringLiteral("S%1").arg(i + 1), 12, true);
    const QRect b = banks[i]->geometry();
    l->move(b.center().x() - l->width() / 2, b.bottom() + 7);
  }

  // --- the help panel ---
  HelpDCPanel = new QFrame(this);
  HelpDCPanel->setObjectName(QStringLiteral("HelpDCPanel"));
  HelpDCPanel->setGeometry(292, 318, 447, 188);
  MakeCard(HelpDCPanel);
  auto* grid = new QGridLayout(HelpDCPanel);
  grid->setContentsMargins(12, 10, 12, 8);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(8);
  auto helpLabel = [this](const char* name) {
    QLabel* l = CardLabel(HelpDCPanel, name, {0, 0});
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
  };
  Label2IndexDC = helpLabel("Label2IndexDC");
  Label2HelpDC = helpLabel("Label2HelpDC");
  LabelSpecIndexDC = helpLabel("LabelSpecIndexDC");
  LabelSpecHelpDC = helpLabel("LabelSpecHelpDC");
  Label3IndexDC = helpLabel("Label3IndexDC");
  Label3HelpDC = helpLabel("Label3HelpDC");
  Label4HelpDC = helpLabel("Label4HelpDC");
  for (QLabel* index : {Label2IndexDC, LabelSpecIndexDC, Label3IndexDC}) index->setMinimumWidth(16);
  grid->addWidget(Label2IndexDC, 0, 0);
  grid->addWidget(Label2HelpDC, 0, 1);
  grid->addWidget(LabelSpecIndexDC, 1, 0);
  grid->addWidget(LabelSpecHelpDC, 1, 1);
  grid->addWidget(Label3IndexDC, 2, 0);
  grid->addWidget(Label3HelpDC, 2, 1);
  grid->addWidget(Label4HelpDC, 3, 1);
  grid->setRowStretch(4, 1);
  grid->setColumnStretch(1, 1);
  ImageLogoDC = new QLabel(HelpDCPanel);
  ImageLogoDC->setObjectName(QStringLiteral("ImageLogoDC"));
  pictures::Show(*ImageLogoDC, pictures::MakerLogo);
  grid->addWidget(ImageLogoDC, 5, 0, 1, 2, Qt::AlignRight | Qt::AlignBottom);

  Sync();
}

void DcPage::ApplyLanguage() {
  const DcCaptions c = DcScreenCaptions();
  BitBtnWeiter->setText(DisplayText(c.BitBtnWeiter));
  Btn_DCStepOne->setText(DisplayText(c.Btn_DCStepOne));
  Btn_DCStepTwo->setText(DisplayText(c.Btn_DCStepTwo));
  LabelEingang->setText(DisplayText(c.LabelEingang));
  LabelAusgang->setText(DisplayText(c.LabelAusgang));
  LabelEMin->setText(DisplayText(c.LabelEMin));
  LabelEMax->setText(DisplayText(c.LabelEMax));
  LabelAMin->setText(DisplayText(c.LabelAMin));
  LabelAMax->setText(DisplayText(c.LabelAMax));
  LabelGrenzfrequenz->setText(DisplayText(c.LabelGrenzfrequenz));
  Lbl_DCStep->setText(DisplayText(c.Lbl_DCStep));
  for (QLabel* l : {LabelEingang, LabelAusgang, LabelEMin, LabelEMax, LabelAMin, LabelAMax, LabelGrenzfrequenz})
    l->adjustSize();
  ApplyTitle();
}

void DcPage::LanguageChanged() {
  model_.LanguageChanged();
  AfterEvent();
}

void DcPage::TS_DCEnter() {
  model_.TS_DCEnter();
  AfterEvent();
}

void DcPage::ResetDcDisplay() {
  model_.ResetDcDisplay();
  AfterEvent();
}

void DcPage::AfterEvent() {
  Sync();
  emit documentableChanged(model_.CalcDone());
}

void DcPage::Sync() {
  for (std::size_t i = 0; i < 4; ++i) {
    const QString text = FromUtf8(model_.EditText(kEdits[i]));
    // The length limit holds for typing; a longer stored text is shown whole.
    edits[i]->setMaxLength(std::max(static_cast<int>(DcScreen::kEntryMaxLength), static_cast<int>(text.size())));
    if (edits[i]->text() != text) {
      const QSignalBlocker block(edits[i]);
      edits[i]->setText(text);
    }
  }
  const DcConfig& c = model_.Config();
  for (QRadioButton* r : {RBtnEmA, RBtnEmV, RBtnEV, RBtnAmA, RBtnAV, RBtn10Hz, RBtn10kHz}) r->blockSignals(true);
  (c.inUnit == 1 ? RBtnEmV : c.inUnit == 2 ? RBtnEV : RBtnEmA)->setChecked(true);
  (c.outUnit == 1 ? RBtnAV : RBtnAmA)->setChecked(true);
  (c.bandwidth == 0 ? RBtn10Hz : RBtn10kHz)->setChecked(true);
  for (QRadioButton* r : {RBtnEmA, RBtnEmV, RBtnEV, RBtnAmA, RBtnAV, RBtn10Hz, RBtn10kHz}) r->blockSignals(false);

  SetButton(BitBtnWeiter, model_.BitBtnWeiter());
  SetButton(Btn_DCStepOne, model_.Btn_DCStepOne());
  SetButton(Btn_DCStepTwo, model_.Btn_DCStepTwo());
  Lbl_DCStep->setVisible(model_.Lbl_DCStepVisible());
  const int step = model_.ActiveStep();
  Btn_DCStepOne->setChecked(step == 1);
  Btn_DCStepTwo->setChecked(step == 2);
  Lbl_DCStepHeading->setVisible(step > 0);
  if (step > 0) {
    Lbl_DCStepHeading->setText(QStringLiteral("%1. ").arg(step) + DisplayText(texts::Tx(texts::txStep)));
    Lbl_DCStepHeading->adjustSize();
  }

  const DcInstructionLabels& l = model_.Labels();
  SetLabel(LabelEinstellungenDC, l.LabelEinstellungenDC);
  LabelEinstellungenDC->adjustSize();
  SetLabel(Label1HelpDC, l.Label1HelpDC);
  SetLabel(Label2IndexDC, l.Label2IndexDC);
  SetLabel(Label2HelpDC, l.Label2HelpDC);
  SetLabel(LabelSpecIndexDC, l.LabelSpecIndexDC);
  SetLabel(LabelSpecHelpDC, l.LabelSpecHelpDC);
  SetLabel(Label3IndexDC, l.Label3IndexDC);
  SetLabel(Label3HelpDC, l.Label3HelpDC);
  SetLabel(Label4HelpDC, l.Label4HelpDC);
  HelpDCPanel->setVisible(model_.HelpPanelVisible());

  const DcBanks b = model_.Banks();
  SW1_DC->SetValue(b.s1);
  SW2_DC->SetValue(b.s2);
  SW3_DC->SetValue(b.s3);
}

void DcPage::EditChange(DcEdit edit, const QString& text) {
  model_.EditChange(edit, text.toStdString());
  AfterEvent();
}

void DcPage::RadioBtnClick(DcUnitButton button) {
  model_.RadioBtnClick(button);
  AfterEvent();
}

void DcPage::RBtnGrenzClick(DcBandwidthButton button) {
  // The bank follows switch by switch, so a bank without setting shows only switch 3.
  const int before = model_.Banks().s3;
  model_.RBtnGrenzClick(button);
  if (model_.Banks().s3 != before) SW3_DC->SetSwitch(3, button == DcBandwidthButton::RBtn10Hz);
  AfterEvent();
}

void DcPage::BitBtnWeiterClick() {
  const std::optional<DcMessage> message = model_.BitBtnWeiterClick();
  AfterEvent();
  if (message) ShowMessage(window(), DisplayText(message->caption), DisplayText(message->text));
}

void DcPage::Btn_DCStepOneClick() {
  model_.Btn_DCStepOneClick();
  AfterEvent();
}

void DcPage::Btn_DCStepTwoClick() {
  model_.Btn_DCStepTwoClick();
  AfterEvent();
}

}  // namespace setrix::app
