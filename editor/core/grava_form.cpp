#include "core/grava_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>

#include "core/form_inicio.h"
#include "core/manual.h"
#include "core/model_catalogue.h"
#include "core/qt_text.h"
#include "core/select_model.h"
#include "core/twips_qt.h"
#include "import/import_command.h"
#include "keys/key_fonts.h"
#include "keys/key_selection.h"
#include "keys/matrix_editing.h"
#include "keys/pc_key_table.h"
#include "keys/ui_fonts.h"

namespace lavrix {
namespace {

constexpr int kTimerIntervalAfterStart = 500;

}  // namespace

GravaForm::GravaForm(VarnoCalls& varno, GravaFormOptions options)
    : varno_(varno), options_(std::move(options)) {
  if (options_.programDirectory.isEmpty()) {
    options_.programDirectory = QCoreApplication::applicationDirPath();
  }
  setObjectName("GravaForm");
  setWindowTitle("Lavrix Velmar");
  setFont(DesignFont(kSansSerifFont, kDefaultPointSize));

  auto* client = new QWidget(this);
  client->setFixedSize(ToPixels({0, 0, 11325, 8685}).size());
  setCentralWidget(client);

  matrix_ = new MatrixFrame(client);
  model_ = new ModelFrame(options_.programDirectory, client);
  pages_ = new PageFrame(client);

  lastLine_ = new QCheckBox("Ultima Linha", client);
  lastLine_->setObjectName("ChkULinha");
  lastLine_->setGeometry(ToPixels({9360, 2760, 1695, 195}));

  progress_ = new WriteProgressBar(client);
  progress_->setGeometry(ToPixels({9360, 3000, 1815, 255}));
  writer_.emplace(varno_, *progress_, *this);

  write_ = new QPushButton("&Gravar Teclado", client);
  write_->setObjectName("Command1");
  write_->setGeometry(ToPixels({9360, 3360, 1815, 495}));

  keys_ = new PcKeyFrame(client);

  menu_ = BuildMainMenu(*menuBar());

  timer1_ = new QTimer(this);
  timer1_->setObjectName("Timer1");
  timer1_->setInterval(kTimerIntervalAfterStart);
  // A coarse timer may tick up to 5% early; the splash stays its full time.
  timer1_->setTimerType(Qt::PreciseTimer);

  ConnectCommands();
  files_ = new FileCommands(*this, state_, *this, varno_, options_.fileDialogs);
  new ImportCommand(*this, state_, *this, options_.oldFileDialog);
  adjustSize();
  setFixedSize(size());
}

void GravaForm::ConnectCommands() {
  connect(timer1_, &QTimer::timeout, this, &GravaForm::Timer1_Timer);
  connect(&matrix_->Group(), &QButtonGroup::idClicked, this,
          [this](int button) { PlaceCurrentKey(state_, *this, button); });
  connect(&keys_->Group(), &QButtonGroup::idClicked, this,
          [this](int key) { SelectPcKey(state_, *this, PcKeyTable().at(key)); });
  connect(&pages_->Group(), &QButtonGroup::idClicked, this,
          [this](int page) { SelectPage(state_, *this, page); });
  for (int page = 1; page <= kPageCount; ++page) {
    connect(menu_.pages[page - 1], &QAction::triggered, this,
            [this, page] { ChoosePageMenuItem(state_, *this, page); });
  }
  for (const auto& [name, item] : menu_.models) {
    const ModelRow* row = FindModelItem(name);
    connect(item, &QAction::triggered, this,
            [this, row] { ChooseModelMenuItem(state_, *this, *row); });
  }
  connect(lastLine_, &QCheckBox::clicked, this, [this] { ToggleLastLineOption(state_, *this); });
  connect(write_, &QPushButton::clicked, this, [this] { writer_->WriteKeyboard(state_); });
  connect(menu_.sair, &QAction::triggered, this, &GravaForm::Sair_Click);
  connect(menu_.ajudaLavrix, &QAction::triggered, this, [] { OpenManual(); });
  connect(menu_.sobre, &QAction::triggered, this, &GravaForm::SobreLX_Click);
}

void GravaForm::Form_Load() {
  InitializeEditor();
}

void GravaForm::InitializeEditor() {
  FormInicio splash(options_.programDirectory);
  splash.show();
  SetStartValues(state_, ToStdString(options_.programDirectory));
  SelectModel(state_, *this, *MainRowOfModel(0));
  // The library opens while the splash counts its seconds, rather than after them: opening
  // takes up to a second, which the user would otherwise wait for on top of the splash.
  timer1_->setInterval(options_.splashMilliseconds);
  timer1_->start();
  varno_.OpenVarno();
  FinishSplashWait();
  splash.close();
}

void GravaForm::FinishSplashWait() {
  if (!state_.TimerElapsed) {
    QEventLoop loop;
    connect(timer1_, &QTimer::timeout, &loop, &QEventLoop::quit);
    // Returns at the first tick, which has set TimerElapsed, or when the application quits.
    loop.exec();
  }
  timer1_->stop();
  timer1_->setInterval(kTimerIntervalAfterStart);
  state_.TimerElapsed = false;
}

void GravaForm::Timer1_Timer() {
  state_.TimerElapsed = true;
}

void GravaForm::Sair_Click() {
  varno_.CloseVarno();
  close();
}

void GravaForm::closeEvent(QCloseEvent* event) {
  varno_.CloseVarno();
  event->accept();
}

void GravaForm::SobreLX_Click() {
  if (!sobre_) sobre_ = new FormSobre(options_.programDirectory, this);
  sobre_->show();
  sobre_->raise();
  sobre_->activateWindow();
}

void GravaForm::SetPositionCaption(int button, std::string_view caption,
                                   std::string_view fontName) {
  if (KeyButton* key = matrix_->Button(button)) {
    key->SetCaption(ToQString(caption), ToQString(fontName));
  }
}

void GravaForm::ShowPositionButton(int button, bool shown) {
  if (KeyButton* key = matrix_->Button(button)) {
    key->setVisible(shown);
    key->setEnabled(shown);
  }
}

void GravaForm::SelectPositionButton(int button) {
  if (KeyButton* key = matrix_->Button(button)) key->setChecked(true);
}

void GravaForm::SetModelLabel(std::string_view text) {
  model_->SetLabel(ToQString(text));
}

void GravaForm::ShowModelPicture(std::string_view fileName) {
  model_->ShowPicture(ToQString(fileName));
}

void GravaForm::EnableWriteButton(bool enabled) {
  write_->setEnabled(enabled);
}

void GravaForm::CheckModelMenuItem(std::string_view item, bool checked) {
  if (const auto found = menu_.models.find(item); found != menu_.models.end()) {
    found->second->setChecked(checked);
  }
}

bool GravaForm::IsPageButtonSelected(int page) const {
  return pages_->Button(page).isChecked();
}

void GravaForm::SelectPageButton(int page) {
  pages_->Button(page).setChecked(true);
}

void GravaForm::FocusPageButton(int page) {
  QRadioButton& button = pages_->Button(page);
  button.setChecked(true);
  button.setFocus();
}

void GravaForm::CheckPageMenuItem(int page, bool checked) {
  menu_.pages[page - 1]->setChecked(checked);
}

void GravaForm::ShowPage(int page, bool shown) {
  QRadioButton& button = pages_->Button(page);
  button.setVisible(shown);
  button.setEnabled(shown);
  menu_.pages[page - 1]->setVisible(shown);
  menu_.pages[page - 1]->setEnabled(shown);
}

void GravaForm::ShowLastLineBox(bool shown) {
  lastLine_->setVisible(shown);
}

bool GravaForm::IsLastLineBoxChecked() const {
  return lastLine_->isChecked();
}

void GravaForm::SetLastLineBoxChecked(bool checked) {
  lastLine_->setChecked(checked);
}

}  // namespace lavrix
