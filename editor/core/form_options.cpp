#include "core/form_options.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/delay_argument.h"
#include "core/file_protection.h"
#include "core/qt_text.h"

namespace lavrix {
namespace {

constexpr int kPasswordLength = 8;
constexpr int kReminderLength = 6;

QLineEdit* AddField(QGridLayout& grid, int row, const QString& number, const QString& caption) {
  auto* label = new QLabel(caption);
  label->setObjectName("Label" + number);
  auto* field = new QLineEdit;
  field->setObjectName("Text" + number);
  label->setBuddy(field);
  grid.addWidget(label, row, 0);
  grid.addWidget(field, row, 1);
  return field;
}

QPushButton* AddButton(QBoxLayout& row, const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  row.addWidget(button);
  return button;
}

}  // namespace

FormOptions::FormOptions(EditorState& state, VarnoCalls& varno, QWidget* parent)
    : QDialog(parent), state_(state), varno_(varno) {
  setObjectName("frmOptions");
  setWindowTitle("Opções Lavrix");
  setAttribute(Qt::WA_DeleteOnClose);

  auto* general = new QWidget;
  auto* grid = new QGridLayout(general);
  password_ = AddField(*grid, 0, "1", "Senha");
  password_->setMaxLength(kPasswordLength);
  reminder_ = AddField(*grid, 1, "2", "Lembrete");
  reminder_->setMaxLength(kReminderLength);

  auto* protection = new QGroupBox("Proteção do arquivo");
  protection->setObjectName("Frame2");
  auto* options = new QVBoxLayout(protection);
  for (int level = 0; level < static_cast<int>(kProtectionCaptions.size()); ++level) {
    auto* option = new QRadioButton(ToQString(kProtectionCaptions[level]));
    option->setObjectName(QString("Option%1").arg(level + 1));
    levels_.addButton(option, level);
    options->addWidget(option);
  }
  grid->addWidget(protection, 2, 0, 1, 3);

  delay_ = AddField(*grid, 3, "5", "Delay");
  auto* delayButton = new QPushButton("Delay");
  delayButton->setObjectName("Command1");
  grid->addWidget(delayButton, 3, 2);
  // Shown only: nothing fills or reads them.
  AddField(*grid, 4, "4", "Arquivo inicial")->setReadOnly(true);
  AddField(*grid, 5, "3", "Diretório Inicial")->setReadOnly(true);

  auto* tabs = new QTabWidget;
  tabs->setObjectName("tbsOptions");
  tabs->addTab(general, "Geral");

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  QPushButton* ok = AddButton(*buttons, "cmdOK", "OK");
  ok->setDefault(true);
  QPushButton* cancel = AddButton(*buttons, "cmdCancel", "Cancelar");
  QPushButton* apply = AddButton(*buttons, "cmdApply", "Aplicar");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &FormOptions::cmdOK_Click);
  connect(cancel, &QPushButton::clicked, this, &QDialog::close);
  connect(apply, &QPushButton::clicked, this, &FormOptions::cmdApply_Click);
  connect(delayButton, &QPushButton::clicked, this, &FormOptions::Command1_Click);
  Form_Load();
}

void FormOptions::Form_Load() {
  adjustSize();
  const QRect screenArea = screen()->geometry();
  move(screenArea.x() + (screenArea.width() - width()) / 2,
       screenArea.y() + (screenArea.height() - height()) / 2);
  if (QAbstractButton* option = levels_.button(static_cast<int>(state_.EnteredProtection))) {
    option->setChecked(true);
  }
  password_->setText(ToQString(state_.EnteredPassword));
  reminder_->setText(ToQString(state_.EnteredReminder));
  delay_->setText(ToQString(state_.DelayValue));
}

void FormOptions::Confirm(int heightTwips) {
  const int chosen = levels_.checkedId();
  const OptionsEntry entry{
      ToStdString(password_->text()), ToStdString(reminder_->text()),
      chosen < 0 ? state_.EnteredProtection : static_cast<ProtectionLevel>(chosen)};
  if (ConfirmOptions(state_, entry)) emit Authorised(heightTwips);
}

void FormOptions::cmdOK_Click() {
  Confirm(kOptionsOkHeight);
  close();
}

void FormOptions::cmdApply_Click() {
  Confirm(kOptionsApplyHeight);
}

void FormOptions::Command1_Click() {
  const QString text = delay_->text();
  varno_.DelayAdj(DelayArgument(ToStdString(text)));
  state_.DelayValue = ToStdString(text);
}

}  // namespace lavrix
