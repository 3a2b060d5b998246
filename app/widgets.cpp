#include "app/widgets.h"

#include <QDesktopServices>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QUrl>

namespace setrix::app {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString DisplayText(std::string_view text) {
  QString s = FromUtf8(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

QFont ArialFont(int pixelSize, bool bold, bool underline) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setUnderline(underline);
  return f;
}

namespace {
MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}
}  // namespace

void SetMessageHandler(MessageHandler handler) { Handler() = std::move(handler); }

void ShowMessage(QWidget* parent, const QString& caption, const QString& text) {
  if (Handler()) {
    Handler()(parent, caption, text);
    return;
  }
  // A screen shown inside the zoomable view: the box belongs to the view's window, not into
  // the scene.
  QWidget* owner = parent != nullptr ? parent->window() : nullptr;
  if (owner != nullptr && owner->graphicsProxyWidget() != nullptr &&
      owner->graphicsProxyWidget()->scene() != nullptr &&
      !owner->graphicsProxyWidget()->scene()->views().isEmpty())
    owner = owner->graphicsProxyWidget()->scene()->views().constFirst()->window();
  QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
  box.exec();
}

// --- labels -----------------------------------------------------------------------------

TPBLabel::TPBLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setTextFormat(Qt::PlainText);
}

void TPBLabel::SetCaption(const QString& caption) {
  setText(caption);
  adjustSize();
}

void TPBLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

TUrlLabel::TUrlLabel(const QString& caption, QWidget* parent) : TPBLabel(caption, parent) {
  QFont f = font();
  f.setUnderline(true);
  setFont(f);
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
  setPalette(pal);
  setCursor(Qt::PointingHandCursor);
  connect(this, &TPBLabel::clicked, this, &TUrlLabel::Open);
}

void TUrlLabel::Open() {
  const QString url = url_.trimmed();
  if (url.isEmpty()) {
    ShowMessage(window(), QStringLiteral("SETRIX"), QStringLiteral("Error: Property URL not Specified"));
    return;
  }
  QDesktopServices::openUrl(QUrl::fromUserInput(url));
}

ClickLabel::ClickLabel(const QString& text, int tag, QWidget* parent) : QLabel(text, parent), tag_(tag) {
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  setMouseTracking(true);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked(tag_);
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event) {
  QLabel::mouseMoveEvent(event);
  emit mouseMoved(tag_);
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (focusPolicy() != Qt::NoFocus && event->modifiers() == Qt::NoModifier &&
      (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
    event->accept();
    emit clicked(tag_);
    return;
  }
  QLabel::keyPressEvent(event);
}

void ClickLabel::focusInEvent(QFocusEvent* event) {
  QLabel::focusInEvent(event);
  // The label reached by the keyboard looks as under the mouse.
  emit mouseMoved(tag_);
}

PictureLabel::PictureLabel(QWidget* parent) : QLabel(parent) { setMouseTracking(true); }

void PictureLabel::mouseMoveEvent(QMouseEvent* event) {
  QLabel::mouseMoveEvent(event);
  emit mouseMoved();
}

void PictureLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  QLabel::mouseDoubleClickEvent(event);
  emit doubleClicked();
}

// --- choice box -------------------------------------------------------------------------

ChoiceBox::ChoiceBox(QWidget* parent) : QComboBox(parent) {
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMaxVisibleItems(16);
}

void ChoiceBox::SetList(const QStringList& items, int index, const QString& prompt) {
  const QSignalBlocker block(this);
  simple_ = false;
  clear();
  addItems(items);
  setPlaceholderText(prompt);
  setCurrentIndex(index >= 0 && index < count() ? index : -1);
  update();
}

void ChoiceBox::SetSimple(const QString& prompt) {
  const QSignalBlocker block(this);
  simple_ = true;
  clear();
  setPlaceholderText(prompt);
  setCurrentIndex(-1);
  update();
}

QString ChoiceBox::ShownText() const { return currentIndex() >= 0 ? currentText() : placeholderText(); }

void ChoiceBox::showPopup() {
  if (!simple_) QComboBox::showPopup();
}

void ChoiceBox::paintEvent(QPaintEvent* event) {
  if (!simple_) {
    QComboBox::paintEvent(event);
    return;
  }
  // A plain text box: a line-edit frame with the prompt, no drop-down button.
  QStylePainter p(this);
  QStyleOptionFrame frame;
  frame.initFrom(this);
  frame.rect = rect();
  frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
  frame.midLineWidth = 0;
  frame.state |= QStyle::State_Sunken;
  p.drawPrimitive(QStyle::PE_PanelLineEdit, frame);
  p.setPen(palette().color(QPalette::Text));
  p.drawText(rect().adjusted(6, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, placeholderText());
}

// --- filtered edit ----------------------------------------------------------------------

FilteredEdit::FilteredEdit(Filter filter, QWidget* parent) : QLineEdit(parent), filter_(std::move(filter)) {}

void FilteredEdit::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  const bool control = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (filter_ && !control && text.size() == 1 && text.at(0).isPrint()) {
    const std::optional<QChar> c = filter_(text.at(0));
    if (!c) {
      event->accept();
      return;
    }
    if (*c != text.at(0)) {
      insert(QString(*c));
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void FilteredEdit::RewriteKeepingCaret(const QString& text) {
  const int selStart = hasSelectedText() ? selectionStart() : cursorPosition();
  const int selLength = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
  const bool cursorAtStart = hasSelectedText() && cursorPosition() == selStart;
  setText(text);
  const int start = std::min(selStart, static_cast<int>(text.size()));
  const int length = std::min(selLength, static_cast<int>(text.size()) - start);
  if (length > 0) {
    if (cursorAtStart)
      setSelection(start + length, -length);
    else
      setSelection(start, length);
  } else {
    setCursorPosition(start);
  }
}

}  // namespace setrix::app
