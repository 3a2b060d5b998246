#pragma once
// The DC service screens (German only): the results matrix with span ratios and zero
// offsets, and the evaluation list of admissible combinations.
#include <QLabel>
#include <QTableWidget>
#include <QWidget>

#include "modules/dc_screen.h"

namespace setrix::app {

// A string grid: cells addressed by (column, row); the first `fixedRows` rows and
// `fixedColumns` columns are headings drawn in `fixedColor`.
class StringGrid : public QTableWidget {
  Q_OBJECT
 public:
  StringGrid(int columns, int rows, int fixedColumns, int fixedRows, int columnWidth, int rowHeight,
             const QColor& fixedColor, QWidget* parent);
  QString Cell(int column, int row) const;
  void SetCell(int column, int row, const QString& text);
  void SetRowCount(int rows);

 private:
  int fixedColumns_, fixedRows_;
  int rowHeight_;
  QColor fixedColor_;
};

class ResultsPage : public QWidget {
  Q_OBJECT
 public:
  ResultsPage(const DcScreen& model, QWidget* parent);
  void Sync();

  StringGrid* SGridDaten;
  StringGrid* SGridSpan;
  StringGrid* SGridZero;
  QLabel* LabelInVerpolt;
  QLabel* LabelOutVerpolt;
  QLabel* LabelV;
  QLabel* LabelInU;

 private:
  const DcScreen& model_;
};

class EvaluationPage : public QWidget {
  Q_OBJECT
 public:
  EvaluationPage(const DcScreen& model, QWidget* parent);
  void Sync();

  StringGrid* SGridAW;
  QLabel* LabelfIndex;

 private:
  const DcScreen& model_;
};

}  // namespace setrix::app
