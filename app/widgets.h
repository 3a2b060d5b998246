#pragma once
// Small widgets shared by the screens and dialogs: plain and link labels, clickable labels
// with a tag, pictures that report the mouse, drop-down lists that can turn into a plain
// prompt box, entries with a key filter, and the program's message box hook.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <functional>
#include <optional>
#include <string_view>

namespace setrix::app {

// UTF-8 text of the tables and models to a widget text: line breaks (CR LF or a lone CR)
// become "\n".
QString DisplayText(std::string_view text);
QString FromUtf8(std::string_view text);

// The font standing in for Arial, at a pixel size.
QFont ArialFont(int pixelSize, bool bold = false, bool underline = false);

// Message boxes go through one hook so that tests can answer them.
using MessageHandler = std::function<void(QWidget* parent, const QString& caption, const QString& text)>;
void SetMessageHandler(MessageHandler handler);  // empty: the platform's message box
void ShowMessage(QWidget* parent, const QString& caption, const QString& text);

// A text label with no behaviour of its own.
class TPBLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TPBLabel(const QString& caption = {}, QWidget* parent = nullptr);
  QString Caption() const { return text(); }
  void SetCaption(const QString& caption);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// A link label: blue, underlined, hand cursor; a click opens its URL in the web browser.
class TUrlLabel : public TPBLabel {
  Q_OBJECT
 public:
  explicit TUrlLabel(const QString& caption = {}, QWidget* parent = nullptr);
  QString URL() const { return url_; }
  void SetURL(const QString& url) { url_ = url; }
  // What a click does after the ordinary click event: reports an empty URL, else opens it.
  void Open();

 private:
  QString url_;
};

// A label that carries a tag and reports clicks and mouse movement over it. Given a focus
// policy, it can be reached with Tab and chosen with Enter or Space, and looks hovered while
// it has the focus.
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  ClickLabel(const QString& text, int tag, QWidget* parent = nullptr);
  int Tag() const { return tag_; }

 signals:
  void clicked(int tag);
  void mouseMoved(int tag);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  int tag_;
};

// A picture that reports mouse movement and double-clicks.
class PictureLabel : public QLabel {
  Q_OBJECT
 public:
  explicit PictureLabel(QWidget* parent = nullptr);

 signals:
  void mouseMoved();
  void doubleClicked();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A drop-down list that can also be a plain box showing a prompt without a list.
class ChoiceBox : public QComboBox {
  Q_OBJECT
 public:
  explicit ChoiceBox(QWidget* parent = nullptr);
  // Fills the list (keeping nothing of the previous items), chooses `index` (-1: none,
  // the prompt shows instead). No change signals are emitted.
  void SetList(const QStringList& items, int index, const QString& prompt);
  // A plain box without a list that shows `prompt`.
  void SetSimple(const QString& prompt);
  bool IsSimple() const { return simple_; }
  // What the box shows: the chosen item or the prompt.
  QString ShownText() const;
  void showPopup() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool simple_ = false;
};

// A one-line entry whose typed characters pass a filter: the filter returns the character
// to insert, or nothing to discard the key. Control keys (backspace, cursor keys, shortcuts)
// are not filtered.
class FilteredEdit : public QLineEdit {
  Q_OBJECT
 public:
  using Filter = std::function<std::optional<QChar>(QChar)>;
  explicit FilteredEdit(Filter filter, QWidget* parent = nullptr);
  // Replaces the text keeping the caret position and selection as they were.
  void RewriteKeepingCaret(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Filter filter_;
};

}  // namespace setrix::app
