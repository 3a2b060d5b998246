#include "app/module_page.h"

#include "app/pictures.h"
#include "texts/texts.h"

namespace setrix::app {

ModulePage::ModulePage(const char* pageName, const char* subtitleName, const QString& modelWord, QWidget* parent)
    : QWidget(parent) {
  setObjectName(QString::fromLatin1(pageName));
  background = new PictureLabel(this);
  background->setObjectName(QStringLiteral("Img_%1").arg(QString::fromLatin1(pageName)));
  background->setGeometry(QRect(QPoint(0, 0), pictures::kScreenSize));
  pictures::Show(*background, pictures::Background);
  title = MakeTitleLine(this, subtitleName, modelWord);
}

void ModulePage::ApplyTitle() {
  title.subtitle->setText(DisplayText(texts::Tx(texts::txSignalIsolator)));
  title.Arrange();
}

}  // namespace setrix::app
