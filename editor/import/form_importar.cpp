#include "import/form_importar.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/qt_text.h"

namespace lavrix {

FormImportar::FormImportar(EditorState& state, OldFileDialog& files, QWidget* parent)
    : QDialog(parent), state_(state), files_(files) {
  setObjectName("FormImportar");
  setWindowTitle(ToQString(kImportDialogTitle));
  auto* normal = new QGroupBox("Normal", this);
  normal->setObjectName("Frame1");
  auto* cruzada = new QGroupBox("Cruzada", this);
  cruzada->setObjectName("Frame2");
  auto* normalColumn = new QVBoxLayout(normal);
  auto* cruzadaColumn = new QVBoxLayout(cruzada);
  cruzadaColumn->setAlignment(Qt::AlignTop);
  for (const OldLayoutButton& row : OldLayoutButtons()) {
    const bool isNormal = row.frame == ImportFrame::Normal;
    auto* button = new QPushButton(ToQString(row.caption), isNormal ? normal : cruzada);
    button->setObjectName(QString("Command%1").arg(row.button));
    button->setAutoDefault(false);
    (isNormal ? normalColumn : cruzadaColumn)->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, &row] { Command_Click(row); });
  }
  auto* frames = new QHBoxLayout(this);
  frames->addWidget(normal);
  frames->addWidget(cruzada);
}

void FormImportar::Command_Click(const OldLayoutButton& row) {
  const std::optional<QString> path =
      files_.Choose(QString::fromStdString(state_.InitialDirectory), this);
  // A cancelled dialog or a name that names no file ends the click: the dialog stays.
  if (!path) return;
  const QFileInfo file(*path);
  if (!file.isFile()) return;
  if (file.size() != static_cast<qint64>(row.fileLength)) {
    QMessageBox box(QMessageBox::Warning, ToQString(kWrongLengthTitle), ToQString(kWrongLengthText),
                    QMessageBox::Ok, this);
    box.exec();
    return;
  }
  state_.ImportFileName = ToStdString(*path);
  state_.ImportKind = row.kind;
  accept();
}

}  // namespace lavrix
