#include "app/service_pages.h"

#include <QHeaderView>

#include "app/widgets.h"

namespace setrix::app {

namespace {

QLabel* BoldLabel(QWidget* parent, const char* name, QPoint at) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setTextFormat(Qt::PlainText);
  l->setFont(ArialFont(12, true));
  l->setGeometry(at.x(), at.y(), 210, 18);
  return l;
}

QLabel* Caption(QWidget* parent, const QString& text, QPoint at) {
  auto* l = new QLabel(text, parent);
  l->setFont(ArialFont(12, true));
  l->move(at);
  l->adjustSize();
  return l;
}

template <typename Grid>
void CopyGrid(StringGrid* to, const Grid& from) {
  for (std::size_t r = 0; r < from.size(); ++r)
    for (std::size_t c = 0; c < from[r].size(); ++c)
      to->SetCell(static_cast<int>(c), static_cast<int>(r), FromUtf8(from[r][c]));
}

}  // namespace

StringGrid::StringGrid(int columns, int rows, int fixedColumns, int fixedRows, int columnWidth, int rowHeight,
                       const QColor& fixedColor, QWidget* parent)
    : QTableWidget(rows, columns, parent),
      fixedColumns_(fixedColumns),
      fixedRows_(fixedRows),
      rowHeight_(rowHeight),
      fixedColor_(fixedColor) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setMinimumSectionSize(8);
  verticalHeader()->setMinimumSectionSize(8);
  horizontalHeader()->setDefaultSectionSize(columnWidth);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setFocusPolicy(Qt::NoFocus);
  setFont(ArialFont(10));
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetRowCount(rows);
}

void StringGrid::SetRowCount(int rows) {
  setRowCount(rows);
  for (int r = 0; r < rows; ++r) {
    setRowHeight(r, rowHeight_);
    for (int c = 0; c < columnCount(); ++c) {
      if (!item(r, c)) {
        auto* it = new QTableWidgetItem;
        if (r < fixedRows_ || c < fixedColumns_) it->setBackground(fixedColor_);
        setItem(r, c, it);
      }
    }
  }
}

QString StringGrid::Cell(int column, int row) const {
  const QTableWidgetItem* it = item(row, column);
  return it ? it->text() : QString();
}

void StringGrid::SetCell(int column, int row, const QString& text) {
  if (row >= rowCount()) SetRowCount(row + 1);
  item(row, column)->setText(text);
}

ResultsPage::ResultsPage(const DcScreen& model, QWidget* parent) : QWidget(parent), model_(model) {
  setObjectName(QStringLiteral("TS_Results"));
  setAutoFillBackground(true);
  // 7 x 17, first row and column fixed; no scroll bars.
  SGridDaten = new StringGrid(7, 17, 1, 1, 74, 15, QColor(255, 255, 0), this);
  SGridDaten->setObjectName(QStringLiteral("SGridDaten"));
  SGridDaten->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SGridDaten->setGeometry(6, 6, 7 * 74 + 2 * SGridDaten->frameWidth() + 1,
                          17 * 15 + 2 * SGridDaten->frameWidth() + 1);

  const int right = SGridDaten->geometry().right() + 12;
  LabelInVerpolt = BoldLabel(this, "LabelInVerpolt", {right, 10});
  LabelOutVerpolt = BoldLabel(this, "LabelOutVerpolt", {right, 32});
  LabelV = BoldLabel(this, "LabelV", {right, 54});
  LabelInU = BoldLabel(this, "LabelInU", {right, 76});

  const int top = SGridDaten->geometry().bottom() + 8;
  Caption(this, QStringLiteral("Span"), {6, top});
  Caption(this, QStringLiteral("Zero"), {378, top});
  const int gridTop = top + 20;
  const int gridHeight = 518 - gridTop - 6;
  SGridSpan = new StringGrid(7, 17, 1, 1, 48, 15, QColor(192, 220, 192), this);
  SGridSpan->setObjectName(QStringLiteral("SGridSpan"));
  SGridSpan->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SGridSpan->setGeometry(6, gridTop, 366, gridHeight);
  SGridZero = new StringGrid(7, 17, 1, 1, 48, 15, QColor(166, 202, 240), this);
  SGridZero->setObjectName(QStringLiteral("SGridZero"));
  SGridZero->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SGridZero->setGeometry(378, gridTop, 366, gridHeight);
}

void ResultsPage::Sync() {
  const DcServiceTables& t = model_.Service();
  CopyGrid(SGridDaten, t.SGridDaten);
  CopyGrid(SGridSpan, t.SGridSpan);
  CopyGrid(SGridZero, t.SGridZero);
  LabelInVerpolt->setText(FromUtf8(t.LabelInVerpolt));
  LabelOutVerpolt->setText(FromUtf8(t.LabelOutVerpolt));
  LabelV->setText(FromUtf8(t.LabelV));
  LabelInU->setText(FromUtf8(t.LabelInU));
}

EvaluationPage::EvaluationPage(const DcScreen& model, QWidget* parent) : QWidget(parent), model_(model) {
  setObjectName(QStringLiteral("TS_Evaluation"));
  setAutoFillBackground(true);
  // 6 columns, one fixed heading row, no fixed column; fills the height at the left.
  SGridAW = new StringGrid(6, 2, 0, 1, 74, 20, QColor(255, 255, 0), this);
  SGridAW->setObjectName(QStringLiteral("SGridAW"));
  SGridAW->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  SGridAW->setGeometry(6, 6, 6 * 74 + 2 * SGridAW->frameWidth() + 18, 518 - 12);
  LabelfIndex = BoldLabel(this, "LabelfIndex", {SGridAW->geometry().right() + 12, 10});
}

void EvaluationPage::Sync() {
  const DcServiceTables& t = model_.Service();
  SGridAW->setRowCount(0);
  SGridAW->SetRowCount(static_cast<int>(t.SGridAW.size()));
  for (std::size_t r = 0; r < t.SGridAW.size(); ++r)
    for (std::size_t c = 0; c < t.SGridAW[r].size(); ++c)
      SGridAW->SetCell(static_cast<int>(c), static_cast<int>(r), FromUtf8(t.SGridAW[r][c]));
  LabelfIndex->setText(FromUtf8(t.LabelfIndex));
}

}  // namespace setrix::app
