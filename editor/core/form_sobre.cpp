#include "core/form_sobre.h"

#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "core/about_texts.h"
#include "core/manual.h"

namespace lavrix {
namespace {

void AddLabel(QWidget* parent, const char* name, const QString& text, QRect place,
              int pointSize = 0, bool bold = false) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(place);
  label->setWordWrap(true);
  QFont font = label->font();
  if (pointSize > 0) font.setPointSize(pointSize);
  font.setBold(bold);
  label->setFont(font);
}

}  // namespace

FormSobre::FormSobre(const QString& pictureDirectory, QWidget* parent)
    : QWidget(parent, Qt::Dialog) {
  setObjectName("FormSobre");
  setWindowTitle("Sobre");
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_QuitOnClose, false);
  setFixedSize(420, 230);

  auto* picture = new QLabel(this);
  picture->setObjectName("picIcon");
  picture->setGeometry(16, 16, 100, 63);
  picture->setScaledContents(true);
  picture->setPixmap(QPixmap(QDir(pictureDirectory).filePath(kProductPicture)));

  AddLabel(this, "lblProductName", kProductName, {132, 12, 270, 34}, 18, true);
  AddLabel(this, "lblCompanyProduct", "Programa de Configuração dos Teclados Velmar",
           {132, 48, 270, 34});
  AddLabel(this, "lblVersion", kVersionText, {132, 84, 270, 18});
  AddLabel(this, "lblDescription",
           "Edição de layouts e gravação dos teclados programáveis para ponto de venda.",
           {16, 110, 388, 34});
  AddLabel(this, "lblDisclaimer", QString("Manual do usuário: %1").arg(kManualPath),
           {16, 148, 388, 34});

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("Command1");
  ok->setGeometry(314, 188, 90, 28);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QWidget::close);
}

}  // namespace lavrix
