#include "app/frq_page.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>

#include "app/pictures.h"
#include "app/style.h"
#include "texts/texts.h"

namespace setrix::app {

namespace {

constexpr int kRowMode = 14, kRowOut = 49, kRowFirst = 88, kRowSecond = 123;
constexpr int kEntryLeft = 140, kEntryWidth = 120;

QLabel* CardLabel(QWidget* parent, const char* name, QRect geometry) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setTextFormat(Qt::PlainText);
  l->setGeometry(geometry);
  return l;
}

QStringList Texts(const ChoiceList& list) {
  QStringList out;
  for (const ListItem& item : list.items) out << DisplayText(item.text);
  return out;
}

void ShowList(ChoiceBox* box, const ChoiceList& model) {
  if (model.style == ListStyle::Simple)
    box->SetSimple(DisplayText(model.prompt));
  else
    box->SetList(Texts(model), model.index, DisplayText(model.prompt));
}

// A paragraph's line breaks stay inside the paragraph.
QString ParagraphText(const std::string& text) {
  QString s = DisplayText(text);
  s.replace(QLatin1Char('\n'), QChar::LineSeparator);
  return s;
}

}  // namespace

FrqPage::FrqPage(FrqModel& model, QWidget* parent)
    : ModulePage("TS_FRQ", "Label1FRQ", QStringLiteral("ZOR FREQUENCY"), parent), model_(model) {
  auto* card = new QFrame(this);
  card->setObjectName(QStringLiteral("Panel_TS_FRQ"));
  card->setGeometry(12, 60, 340, 248);
  MakeCard(card);

  Label_Frq_OpMode = CardLabel(card, "Label_Frq_OpMode", {14, kRowMode + 4, 124, 18});
  Combo_FRQ_OpMode = new ChoiceBox(card);
  Combo_FRQ_OpMode->setObjectName(QStringLiteral("Combo_FRQ_OpMode"));
  Combo_FRQ_OpMode->setGeometry(kEntryLeft, kRowMode, 188, 26);
  Label_Frq_Out = CardLabel(card, "Label_Frq_Out", {14, kRowOut + 4, 124, 18});
  Combo_FRQ_Out = new ChoiceBox(card);
  Combo_FRQ_Out->setObjectName(QStringLiteral("Combo_FRQ_Out"));
  Combo_FRQ_Out->setGeometry(kEntryLeft, kRowOut, 188, 26);
  connect(Combo_FRQ_OpMode, &QComboBox::activated, this, [this](int i) { ComboChange(FrqList::Mode, i); });
  connect(Combo_FRQ_Out, &QComboBox::activated, this, [this](int i) { ComboChange(FrqList::Output, i); });

  Label_Frq_LowerFRQ = CardLabel(card, "Label_Frq_LowerFRQ", {14, kRowFirst + 4, 124, 18});
  Label_Frq_LowerFRQ->setWordWrap(true);
  Label_Frq_LowerFRQ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label_Frq_UpperFRQ = CardLabel(card, "Label_Frq_UpperFRQ", {14, kRowSecond + 4, 124, 18});
  auto filter = [](QChar c) -> std::optional<QChar> {
    if (c.unicode() > 127) return std::nullopt;
    const std::optional<char> k = FrqEditKeyPress(static_cast<char>(c.unicode()));
    if (!k) return std::nullopt;
    return QChar(static_cast<unsigned char>(*k));
  };
  Ed_FRQLower = new FilteredEdit(filter, card);
  Ed_FRQLower->setObjectName(QStringLiteral("Ed_FRQLower"));
  Ed_FRQLower->setGeometry(kEntryLeft, kRowFirst, kEntryWidth, 24);
  Ed_FRQUpper = new FilteredEdit(filter, card);
  Ed_FRQUpper->setObjectName(QStringLiteral("Ed_FRQUpper"));
  Ed_FRQUpper->setGeometry(kEntryLeft, kRowSecond, kEntryWidth, 24);
  Ed_FRQLower->setMaxLength(24);
  Ed_FRQUpper->setMaxLength(24);
  connect(Ed_FRQLower, &QLineEdit::textEdited, this, [this] { Ed_FRQChange(FrqEntry::Lower); });
  connect(Ed_FRQUpper, &QLineEdit::textEdited, this, [this] { Ed_FRQChange(FrqEntry::Upper); });
  Label_FRQ_HZLow = CardLabel(card, "Label_FRQ_HZLow", {kEntryLeft + kEntryWidth + 6, kRowFirst + 4, 30, 18});
  Label_FRQ_HZUp = CardLabel(card, "Label_FRQ_HZUp", {kEntryLeft + kEntryWidth + 6, kRowSecond + 4, 30, 18});
  Label_FRQ_HZLow->setText(QStringLiteral("Hz"));
  Label_FRQ_HZUp->setText(QStringLiteral("Hz"));

  for (int i = 0; i < 3; ++i) {
    auto* b = new QPushButton(card);
    b->setObjectName(QStringLiteral("Btn_FRQStep%1").arg(i + 1));
    b->setGeometry(14 + i * 106, 162, 100, 28);
    connect(b, &QPushButton::clicked, this, [this, i] { StepClick(i + 1); });
    stepButtons[static_cast<std::size_t>(i)] = b;
  }
  Lbl_FRQStep = CardLabel(card, "Lbl_FRQStep", {14, 198, 314, 46});
  Lbl_FRQStep->setWordWrap(true);
  Lbl_FRQStep->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  board = new QLabel(this);
  board->setObjectName(QStringLiteral("ImageBoard_TS_FRQ"));
  board->setGeometry(QRect(QPoint(12, 316), pictures::kFrqBoardSize));
  pictures::Show(*board, pictures::FrqBoard);
  SW1_FRQ = new TDIPSwitch(8, TDIPSwitch::Alignment::Deg_180, board);
  SW1_FRQ->setObjectName(QStringLiteral("SW1_FRQ"));
  SW1_FRQ->move(pictures::kFrqBankS1);
  SW2_FRQ = new TDIPSwitch(8, TDIPSwitch::Alignment::Deg_180, board);
  SW2_FRQ->setObjectName(QStringLiteral("SW2_FRQ"));
  SW2_FRQ->move(pictures::kFrqBankS2);
  for (int i = 0; i < 2; ++i) {
    TDIPSwitch* bank = i == 0 ? SW1_FRQ : SW2_FRQ;
    QLabel* l = WhiteLabel(board, "", QStringLiteral("S%1").arg(i + 1), 12, true);
    l->move(bank->x() + bank->width() / 2 - l->width() / 2, bank->y() + bank->height() + 6);
  }
  terminalPlan = new QLabel(this);
  terminalPlan->setObjectName(QStringLiteral("ImageKP_TS_FRQ"));
  terminalPlan->setGeometry(QRect(QPoint(12 + pictures::kFrqBoardSize.width() + 8, 316), pictures::kFrqPlanSize));
  pictures::Show(*terminalPlan, pictures::FrqTerminalPlan);

  HelpFRQPanel = new QFrame(this);
  HelpFRQPanel->setObjectName(QStringLiteral("HelpFRQPanel"));
  HelpFRQPanel->setGeometry(364, 60, 375, 446);
  MakeCard(HelpFRQPanel);
  FRQ_RichHelp = new QTextEdit(HelpFRQPanel);
  FRQ_RichHelp->setObjectName(QStringLiteral("FRQ_RichHelp"));
  FRQ_RichHelp->setReadOnly(true);
  FRQ_RichHelp->setFrameShape(QFrame::NoFrame);
  FRQ_RichHelp->setGeometry(8, 8, 359, 446 - 8 - 44);
  FRQ_RichHelp->viewport()->setAutoFillBackground(false);
  FRQ_RichHelp->setStyleSheet(QStringLiteral("QTextEdit { background: transparent; }"));
  auto* logo = new QLabel(HelpFRQPanel);
  logo->setObjectName(QStringLiteral("ImageLogo_TS_FRQ"));
  pictures::Show(*logo, pictures::MakerLogo);
  logo->setGeometry(
      QRect(QPoint(375 - 12 - pictures::kMakerLogoSize.width(), 446 - 8 - pictures::kMakerLogoSize.height()),
            pictures::kMakerLogoSize));

  Sync();
}

void FrqPage::ApplyLanguage() {
  Label_Frq_OpMode->setText(DisplayText(texts::Tx(texts::txOperatingMode)) + QLatin1Char(':'));
  Label_Frq_Out->setText(DisplayText(texts::Tx(texts::txOutput)) + QLatin1Char(':'));
  ApplyTitle();
}

void FrqPage::Update() {
  FrqUpdate(model_);
  Sync();
  emit documentableChanged(model_.documentable);
}

void FrqPage::ComboChange(FrqList list, int index) {
  FrqChoose(model_, list, index);
  Sync();
  emit documentableChanged(model_.documentable);
}

void FrqPage::Ed_FRQChange(FrqEntry entry) {
  FilteredEdit* edit = entry == FrqEntry::Lower ? Ed_FRQLower : Ed_FRQUpper;
  const int caret = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
  const int selection = edit->hasSelectedText() ? static_cast<int>(edit->selectedText().size()) : 0;
  const FrqEntryEdit result = FrqEntryChanged(model_, entry, edit->text().toStdString(), caret, selection);
  if (result.rewritten) {
    // The rewrite keeps caret and selection where they were.
    const QSignalBlocker block(edit);
    edit->setText(FromUtf8(result.text));
    if (result.selectionLength > 0)
      edit->setSelection(result.caret, result.selectionLength);
    else
      edit->setCursorPosition(result.caret);
  }
  Sync();
  emit documentableChanged(model_.documentable);
}

void FrqPage::StepClick(int step) {
  FrqShowStep(model_, step);
  Sync();
  emit documentableChanged(model_.documentable);
}

void FrqPage::Sync() {
  ShowList(Combo_FRQ_OpMode, model_.mode);
  ShowList(Combo_FRQ_Out, model_.output);

  const FrqConfig& c = model_.config;
  for (auto [edit, text] : {std::pair{Ed_FRQLower, &c.lowerText}, std::pair{Ed_FRQUpper, &c.upperText}}) {
    const QString t = FromUtf8(*text);
    if (edit->text() != t) {
      const QSignalBlocker block(edit);
      edit->RewriteKeepingCaret(t);
    }
  }

  const FrqEntryRows& r = model_.rows;
  Label_Frq_LowerFRQ->setText(DisplayText(r.firstCaption));
  Label_Frq_LowerFRQ->setVisible(r.firstCaptionVisible);
  Label_Frq_UpperFRQ->setText(DisplayText(r.secondCaption));
  Label_Frq_UpperFRQ->setVisible(r.secondCaptionVisible);
  // Without entries in the first row its caption may use the whole width.
  const bool firstRowHasEntry = r.lowerEntryVisible || (r.upperEntryVisible && r.upperEntryRow == 1);
  Label_Frq_LowerFRQ->setGeometry(14, kRowFirst + 4, firstRowHasEntry ? 124 : 314, firstRowHasEntry ? 18 : 54);
  Label_FRQ_HZLow->setVisible(r.hzLowVisible);
  Label_FRQ_HZUp->setVisible(r.hzUpVisible);
  Ed_FRQLower->setVisible(r.lowerEntryVisible);
  Ed_FRQUpper->setVisible(r.upperEntryVisible);
  Ed_FRQUpper->move(kEntryLeft, r.upperEntryRow == 1 ? kRowFirst : kRowSecond);

  for (std::size_t i = 0; i < 3; ++i) {
    stepButtons[i]->setText(DisplayText(model_.stepButtonCaptions[i]));
    stepButtons[i]->setVisible(model_.stepButtonVisible[i]);
  }
  Lbl_FRQStep->setText(DisplayText(model_.stepLine));
  Lbl_FRQStep->setVisible(model_.stepLineVisible);

  HelpFRQPanel->setVisible(model_.helpPanelVisible);
  ShowHelp();
  SW1_FRQ->SetValue(c.s1);
  SW2_FRQ->SetValue(c.s2);
}

void FrqPage::ShowHelp() {
  if (model_.help == shownHelp_ && !FRQ_RichHelp->document()->isEmpty()) return;
  shownHelp_ = model_.help;
  // Headings bold and underlined, instructions as a bulleted list, the rest plain.
  QTextDocument* doc = FRQ_RichHelp->document();
  doc->clear();
  doc->setDefaultFont(ArialFont(12));
  QTextCursor cursor(doc);
  QTextCharFormat plain;
  plain.setFont(ArialFont(12));
  QTextCharFormat heading = plain;
  heading.setFontWeight(QFont::Bold);
  heading.setFontUnderline(true);
  QTextBlockFormat block;
  block.setBottomMargin(2);
  QTextListFormat bullets;
  bullets.setStyle(QTextListFormat::ListDisc);
  bullets.setIndent(1);
  QTextList* list = nullptr;
  bool first = true;
  for (const Paragraph& p : model_.help) {
    if (!first)
      cursor.insertBlock(block, plain);
    else
      cursor.setBlockFormat(block);
    first = false;
    if (p.style == ParagraphStyle::Bullet) {
      if (list)
        list->add(cursor.block());
      else
        list = cursor.createList(bullets);
    } else {
      list = nullptr;
    }
    cursor.insertText(ParagraphText(p.text), p.style == ParagraphStyle::Heading ? heading : plain);
  }
  FRQ_RichHelp->moveCursor(QTextCursor::Start);
}

}  // namespace setrix::app
