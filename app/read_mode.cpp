#include "app/read_mode.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextEdit>
#include <algorithm>
#include <cmath>
#include <limits>

#include "app/dc_page.h"
#include "app/dip_switch.h"
#include "app/frq_page.h"
#include "app/list_pages.h"
#include "app/main_window.h"
#include "app/models.h"
#include "app/module_page.h"
#include "app/style.h"
#include "app/widgets.h"
#include "texts/texts.h"
#include "texts/texts_reading.h"

namespace setrix::app {

using texts::Tx;

namespace {

QString T(const texts::PerLanguage& e) { return DisplayText(Tx(e)); }
QString Html(const std::string& s) { return DisplayText(s).toHtmlEscaped(); }

const QColor kFocusMark(0, 200, 255);    // the chosen lever
const QColor kMoveRing(255, 140, 0);     // a lever to move: its slot
const QColor kMoveTarget(255, 214, 0);   // ... and where the lever has to go
const QColor kTaskVeil(10, 22, 38, 96);  // over the task while reading

QRect ToRect(const dipswitch::BodyRect& b) { return QRect(b.L, b.T, b.R - b.L, b.B - b.T); }

// What the device is set for, the switches no setting produces, the notes, the check, and
// the bank values, as rich text.
QString ReadingHtml(const DeviceReading& r) {
  QString h =
      QStringLiteral("<p style='margin:0'><b>%1</b></p>").arg(Html(std::string(Tx(texts::txDeviceSetFor))));
  h += QStringLiteral("<table cellspacing='0' cellpadding='1' style='margin-top:3px'>");
  for (const ReadingLine& line : r.reading.lines)
    h += QStringLiteral("<tr><td>%1:</td><td width='10'></td><td>%2</td></tr>")
             .arg(Html(line.caption), Html(line.text));
  h += QStringLiteral("</table>");
  if (!r.reading.problems.empty()) {
    h += QStringLiteral("<p style='margin-top:6px; margin-bottom:0; color:#b00000'><b>%1</b></p>")
             .arg(Html(std::string(Tx(texts::txNoSettingGivesThese))));
    for (const ReadingProblem& p : r.reading.problems)
      h += QStringLiteral("<p style='margin:0 0 0 22px; text-indent:-10px; color:#b00000'>- %1</p>")
               .arg(Html(p.text));
  }
  for (const std::string& note : r.reading.notes)
    h += QStringLiteral("<p style='margin-top:6px; margin-bottom:0'>%1</p>").arg(Html(note));
  if (r.check) {
    const CheckResult& c = *r.check;
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
      const QString line = Html(c.lines[i]);
      if (i == 0) {
        h += QStringLiteral("<p style='margin-top:8px; margin-bottom:0; color:%1'><b>%2</b></p>")
                 .arg(c.matches ? QStringLiteral("#16752c") : QStringLiteral("#b34700"), line);
      } else if (!c.matches && i <= c.levers.size()) {
        // The lever lines sit under their heading.
        h += QStringLiteral("<p style='margin:0 0 0 12px; color:#b34700'>%1</p>").arg(line);
      } else {
        h += QStringLiteral("<p style='margin-top:3px; margin-bottom:0'>%1</p>").arg(line);
      }
    }
  }
  QStringList values;
  for (std::size_t b = 0; b < r.banks.size(); ++b) values << QStringLiteral("S%1 = %2").arg(b + 1).arg(r.banks[b]);
  h += QStringLiteral("<p style='margin-top:8px; margin-bottom:0; color:#6b7580'>%1</p>")
           .arg(values.join(QStringLiteral(", ")));
  return h;
}

}  // namespace

// --- the board ----------------------------------------------------------------------------

// Drawn above the banks: the focus mark and the levers to move.
class ReadBoard::Marks : public QWidget {
 public:
  explicit Marks(ReadBoard& board) : QWidget(&board), board_(board) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    for (const SwitchRef& s : board_.marked_) {
      const QRect slot = board_.SlotRect(s);
      if (slot.isEmpty()) continue;
      TDIPSwitch* bank = board_.BankWidget(s.bank);
      const bool on = bank->SwitchSettings().SwitchOn(s.number);
      // The place the lever has to go, and a ring round the slot.
      const std::optional<dipswitch::BodyRect> target = bank->Bank().Lever(s.number, !on);
      if (target) {
        p.fillRect(ToRect(*target).translated(bank->pos()), kMoveTarget);
        // The lever as it is stays red where the two places meet.
        const QRect now = ToRect(*bank->Bank().Lever(s.number, on)).translated(bank->pos());
        p.fillRect(now, QColor(255, 0, 0));
      }
      // A pointer beside the bank, at the ON end's side, that a glance finds.
      const QRectF body = bank->geometry();
      const QPointF c = QRectF(slot).center();
      QPolygonF pointer;
      if (dipswitch::IsHorizontal(bank->SwitchSettings().Alignment()))
        pointer << QPointF(c.x(), body.top() - 3) << QPointF(c.x() - 3.5, body.top() - 10)
                << QPointF(c.x() + 3.5, body.top() - 10);
      else
        pointer << QPointF(body.left() - 3, c.y()) << QPointF(body.left() - 10, c.y() - 3.5)
                << QPointF(body.left() - 10, c.y() + 3.5);
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(Qt::NoPen);
      p.setBrush(kMoveRing);
      p.drawPolygon(pointer);
      p.restore();
      p.fillRect(QRect(slot.left() - 1, slot.top() - 1, slot.width() + 2, 1), kMoveRing);
      p.fillRect(QRect(slot.left() - 1, slot.bottom() + 1, slot.width() + 2, 1), kMoveRing);
      p.fillRect(QRect(slot.left() - 1, slot.top(), 1, slot.height()), kMoveRing);
      p.fillRect(QRect(slot.right() + 1, slot.top(), 1, slot.height()), kMoveRing);
    }
    // The chosen lever, while the keys go to the board.
    if (board_.window()->focusWidget() == &board_) {
      const QRect slot = board_.SlotRect(board_.focused_);
      if (!slot.isEmpty()) {
        const QRect r = slot.adjusted(-2, -2, 2, 2);
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), kFocusMark);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), kFocusMark);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), kFocusMark);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), kFocusMark);
      }
    }
  }

 private:
  ReadBoard& board_;
};

ReadBoard::ReadBoard(const std::vector<TDIPSwitch*>& banks, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ReadBoard"));
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  for (TDIPSwitch* shown : banks) {
    const auto alignment =
        static_cast<TDIPSwitch::Alignment>(static_cast<int>(shown->SwitchSettings().Alignment()));
    auto* bank = new TDIPSwitch(shown->Count(), alignment, this);
    bank->setObjectName(shown->objectName() + QStringLiteral("_Read"));
    bank->move(shown->pos());
    banks_.push_back(bank);
  }
  marks_ = new Marks(*this);
  marks_->raise();
}

TDIPSwitch* ReadBoard::BankWidget(int bank) const {
  if (bank < 1 || bank > BankCount()) return nullptr;
  return banks_[static_cast<std::size_t>(bank - 1)];
}

QRect ReadBoard::SlotRect(SwitchRef s) const {
  TDIPSwitch* bank = BankWidget(s.bank);
  if (!bank) return {};
  const std::optional<dipswitch::BodyRect> slot = bank->Bank().Slot(s.number);
  if (!slot) return {};
  return ToRect(*slot).translated(bank->pos());
}

std::vector<SwitchRef> ReadBoard::AllLevers() const {
  std::vector<SwitchRef> out;
  for (int b = 1; b <= BankCount(); ++b)
    for (int k = 1; k <= BankWidget(b)->Count(); ++k) out.push_back({b, k});
  return out;
}

std::optional<SwitchRef> ReadBoard::LeverAt(QPointF p) const {
  for (const SwitchRef& s : AllLevers()) {
    // The slot and half the gap to its neighbours; across the bank a little more.
    const bool horizontal = dipswitch::IsHorizontal(BankWidget(s.bank)->SwitchSettings().Alignment());
    const QRect slot = SlotRect(s);
    const QRectF hit =
        horizontal ? QRectF(slot).adjusted(-1.5, -4, 1.5, 4) : QRectF(slot).adjusted(-4, -1.5, 4, 1.5);
    if (hit.contains(p)) return s;
  }
  return std::nullopt;
}

void ReadBoard::SetFocused(SwitchRef s) {
  if (SlotRect(s).isEmpty()) return;
  focused_ = s;
  marks_->update();
}

void ReadBoard::SetMarked(std::vector<SwitchRef> levers) {
  marked_ = std::move(levers);
  marks_->update();
}

SwitchRef ReadBoard::Neighbour(int dx, int dy) const {
  const QPointF from = QRectF(SlotRect(focused_)).center();
  SwitchRef best = focused_;
  double bestScore = std::numeric_limits<double>::max();
  for (const SwitchRef& s : AllLevers()) {
    const QPointF d = QRectF(SlotRect(s)).center() - from;
    const double along = d.x() * dx + d.y() * dy;
    if (along <= 0.5) continue;
    // Straight on first: a lever beside the way counts three times its offset.
    const double score = along + 3 * std::fabs(d.x() * dy - d.y() * dx);
    if (score < bestScore) {
      bestScore = score;
      best = s;
    }
  }
  return best;
}

void ReadBoard::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (event->button() != Qt::LeftButton) return;
  if (const std::optional<SwitchRef> s = LeverAt(event->position())) {
    SetFocused(*s);
    emit flipRequested(*s);
  }
}

void ReadBoard::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left: SetFocused(Neighbour(-1, 0)); break;
    case Qt::Key_Right: SetFocused(Neighbour(1, 0)); break;
    case Qt::Key_Up: SetFocused(Neighbour(0, -1)); break;
    case Qt::Key_Down: SetFocused(Neighbour(0, 1)); break;
    case Qt::Key_Space: emit flipRequested(focused_); break;
    default: event->ignore(); return;
  }
  event->accept();
}

void ReadBoard::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  marks_->setGeometry(rect());
}

void ReadBoard::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  marks_->update();
}

void ReadBoard::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  marks_->update();
}

// --- the layer ----------------------------------------------------------------------------

ReadOverlay::ReadOverlay(ModulePage* page, const ReadLayout& layout, DeviceReader reader)
    : QWidget(page), page_(page), layout_(layout), reader_(std::move(reader)) {
  setObjectName(QStringLiteral("ReadOverlay"));
  setGeometry(page->rect());

  board = new ReadBoard(layout.banks, this);
  board->setGeometry(layout.board->geometry());

  title = WhiteLabel(this, "ReadTitle", QString(), 15, true);
  hint = WhiteLabel(this, "ReadHint", QString(), 12);
  hint->setWordWrap(true);
  hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  leaveButton = new QPushButton(this);
  leaveButton->setObjectName(QStringLiteral("ReadLeave"));
  leaveButton->setFont(ArialFont(12, true));
  leaveButton->setAutoDefault(true);  // Enter on the focused button presses it

  auto* card = new QFrame(this);
  card->setObjectName(QStringLiteral("ReadPanel"));
  card->setGeometry(layout.panel);
  MakeCard(card);
  panel = card;
  text = new QTextEdit(card);
  text->setObjectName(QStringLiteral("ReadText"));
  text->setReadOnly(true);
  text->setFocusPolicy(Qt::NoFocus);  // the keys stay with the board
  text->setFrameShape(QFrame::NoFrame);
  text->setGeometry(8, 6, layout.panel.width() - 14, layout.panel.height() - 12);
  text->viewport()->setAutoFillBackground(false);
  text->setStyleSheet(QStringLiteral("QTextEdit { background: transparent; }"));
  text->document()->setDefaultFont(ArialFont(12));
  text->document()->setDocumentMargin(2);

  connect(board, &ReadBoard::flipRequested, this, &ReadOverlay::Flip);
  connect(leaveButton, &QPushButton::clicked, this, &ReadOverlay::leaveRequested);

  // The banks as the screen shows them; a bank without setting starts all OFF.
  std::vector<int> shown;
  for (TDIPSwitch* bank : layout.banks) shown.push_back(bank->Value());
  reader_.Start(shown);
  for (int b = 1; b <= board->BankCount(); ++b)
    board->BankWidget(b)->SetValue(reader_.Banks()[static_cast<std::size_t>(b - 1)]);
  ApplyLanguage();
}

void ReadOverlay::ApplyLanguage() {
  const QRect h = layout_.header;
  title->setText(T(texts::txReadDeviceTitle));
  title->adjustSize();
  title->move(h.left() + 2, h.top() + 2);
  leaveButton->setText(T(texts::txLeaveReading));
  const int width = std::max(84, leaveButton->sizeHint().width() + 8);
  leaveButton->setGeometry(h.right() - width + 1, h.top(), width, 24);
  hint->setText(T(texts::txReadDeviceHint));
  hint->setGeometry(h.left() + 2, h.top() + 26, h.width() - 4, h.height() - 26);
  // A smaller type where the hint would not fit.
  for (int size : {12, 11, 10}) {
    hint->setFont(ArialFont(size));
    if (hint->heightForWidth(hint->width()) <= hint->height()) break;
  }
  Refresh();
}

void ReadOverlay::Refresh() {
  shown_ = reader_.Read(texts::CurrentLanguage());
  board->SetMarked(shown_.Differing());
  text->setHtml(ReadingHtml(shown_));
}

void ReadOverlay::Flip(SwitchRef lever) {
  if (!reader_.Flip(lever)) return;
  board->BankWidget(lever.bank)->SetSwitch(lever.number, reader_.IsOn(lever));
  board->SetFocused(lever);
  Refresh();
}

void ReadOverlay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // The heading covers the screen's instructions with the screen's own background.
  const QPixmap background = page_->background->pixmap();
  if (!background.isNull() && !layout_.header.isEmpty()) {
    const qreal ratio = background.devicePixelRatio();
    const QRectF source(layout_.header.x() * ratio, layout_.header.y() * ratio, layout_.header.width() * ratio,
                        layout_.header.height() * ratio);
    p.drawPixmap(QRectF(layout_.header), background, source);
  }
  // The task stays readable but is not for editing while reading.
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kTaskVeil);
  p.drawRoundedRect(QRectF(layout_.taskCard).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

void ReadOverlay::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    emit leaveRequested();
    return;
  }
  QWidget::keyPressEvent(event);
}

void ReadOverlay::mousePressEvent(QMouseEvent* event) {
  // Nothing under the layer reacts while reading.
  event->accept();
}

bool ReadOverlay::focusNextPrevChild(bool next) {
  if (!isVisible()) return QWidget::focusNextPrevChild(next);
  // Tab goes between the board and the Leave button only.
  if (board->hasFocus())
    leaveButton->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  else
    board->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

// --- the mode -----------------------------------------------------------------------------

DeviceReadMode::DeviceReadMode(TForm1& window) : QObject(&window), window_(window) {
  window.MenuProdukt->addSeparator();
  action_ = window.MenuProdukt->addAction(QString());
  action_->setObjectName(QStringLiteral("MenuReadDevice"));
  action_->setCheckable(true);
  action_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
  connect(action_, &QAction::triggered, this, &DeviceReadMode::Toggle);
  connect(window.PageControl, &QStackedWidget::currentChanged, this, &DeviceReadMode::PageChanged);
  // Choosing a screen, also the one in view, ends the mode.
  for (QAction* a : window.productItems) connect(a, &QAction::triggered, this, &DeviceReadMode::Leave);
  for (QAction* a : window.serviceItems) connect(a, &QAction::triggered, this, &DeviceReadMode::Leave);
  PageChanged();
}

void DeviceReadMode::PageChanged() {
  if (overlay_ && window_.ActivePage() != overlay_->Page()) Leave();
  action_->setEnabled(window_.ActiveModule() != ModuleKind::None);
}

void DeviceReadMode::Toggle() {
  if (Active())
    Leave();
  else
    Enter();
}

ReadLayout DeviceReadMode::LayoutOf(ModulePage* page) const {
  ReadLayout l;
  if (auto* dc = qobject_cast<DcPage*>(page)) {
    l.board = dc->ImagePCB_DC;
    l.banks = {dc->SW1_DC, dc->SW2_DC, dc->SW3_DC};
    l.taskCard = dc->PanelDC->geometry();
    l.header = QRect(292, 52, 447, 46);  // over the heading and first line above the board
    l.panel = dc->HelpDCPanel->geometry();
  } else if (auto* list = qobject_cast<ListPage*>(page)) {
    l.board = list->board;
    l.banks = {list->SW1, list->SW2};
    if (auto* card = list->findChild<QFrame*>(QStringLiteral("Panel_%1").arg(page->objectName())))
      l.taskCard = card->geometry();
    l.header = QRect(12, 294, 342, 54);  // over the captions above the board
    l.panel = list->helpPanel->geometry();
  } else if (auto* frq = qobject_cast<FrqPage*>(page)) {
    l.board = frq->board;
    l.banks = {frq->SW1_FRQ, frq->SW2_FRQ};
    if (auto* card = frq->findChild<QFrame*>(QStringLiteral("Panel_TS_FRQ"))) l.taskCard = card->geometry();
    const QRect help = frq->HelpFRQPanel->geometry();
    l.header = QRect(help.left(), help.top() - 2, help.width(), 62);
    l.panel = help.adjusted(0, 62, 0, 0);
  }
  return l;
}

DeviceReader DeviceReadMode::ReaderOf(ModulePage* page) const {
  Models& m = window_.models();
  if (qobject_cast<DcPage*>(page)) return DeviceReader::ForDc(m.dc);
  if (qobject_cast<ThermoPage*>(page)) return DeviceReader::ForThermo(m.thermo);
  if (qobject_cast<RtdPage*>(page)) return DeviceReader::ForRtd(m.rtd);
  return DeviceReader::ForFrq(m.frq);
}

void DeviceReadMode::Enter() {
  if (Active()) return;
  QWidget* active = window_.ActivePage();
  // Only a module screen can be read.
  auto* page = window_.ActiveModule() != ModuleKind::None ? qobject_cast<ModulePage*>(active) : nullptr;
  if (!page) {
    action_->setChecked(false);
    return;
  }
  focusBefore_ = page->window()->focusWidget();
  overlay_ = new ReadOverlay(page, LayoutOf(page), ReaderOf(page));
  connect(overlay_, &ReadOverlay::leaveRequested, this, &DeviceReadMode::Leave);
  overlay_->show();
  overlay_->raise();
  overlay_->board->setFocus(Qt::OtherFocusReason);
  action_->setChecked(true);
}

void DeviceReadMode::Leave() {
  action_->setChecked(false);
  if (!overlay_) return;
  ReadOverlay* overlay = overlay_;
  overlay_ = nullptr;
  // The focus goes back where it was before the layer is taken away.
  if (focusBefore_ && focusBefore_->isVisible())
    focusBefore_->setFocus(Qt::OtherFocusReason);
  else if (QWidget* f = overlay->window()->focusWidget(); f && overlay->isAncestorOf(f))
    f->clearFocus();
  overlay->hide();
  // Leaving may be asked for from inside the layer (its button, Escape).
  overlay->deleteLater();
}

void DeviceReadMode::ApplyLanguage() {
  action_->setText(T(texts::txReadDevice));
  if (overlay_) overlay_->ApplyLanguage();
}

}  // namespace setrix::app
