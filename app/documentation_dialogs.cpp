#include "app/documentation_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

#include "app/alpha_code_box.h"

namespace setrix::app {

QString QtNameFilter(const QString& filter) {
  const qsizetype bar = filter.indexOf(QLatin1Char('|'));
  if (bar < 0) return filter;
  const QString description = filter.left(bar).trimmed();
  const QString pattern = filter.mid(bar + 1).trimmed();
  // The description usually names the pattern already.
  if (description.contains(pattern)) return description;
  return description + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

bool PlatformDialogs::ChoosePrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

void PlatformDialogs::ShowPrompt(TAlphaCodeBox& box) {
  if (QWidget* owner = box.parentWidget()) {
    box.move(owner->frameGeometry().center() - QPoint(box.width() / 2, box.height() / 2));
  }
  box.exec();
}

QString PlatformDialogs::ChooseSaveFile(QWidget* parent, const SaveFileRequest& request) {
  return ShowSaveFileDialog(parent, request);
}

QString ShowSaveFileDialog(QWidget* parent, const SaveFileRequest& request) {
  QFileDialog dialog(parent, request.title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(request.filter);
  dialog.setDefaultSuffix(request.defaultSuffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  QString name = request.proposedName;
  if (!request.startLocation.isEmpty()) {
    // The folder of the last saved file, with the task's name proposed (else the last name).
    const QFileInfo last(request.startLocation);
    if (last.dir().exists()) {
      dialog.setDirectory(last.absolutePath());
      if (name.isEmpty()) name = last.fileName();
    }
  }
  if (!name.isEmpty()) dialog.selectFile(name);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace setrix::app
