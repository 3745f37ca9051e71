#include "core/main_menu.h"

#include <QMenu>

#include "core/model_catalogue.h"
#include "core/qt_text.h"

namespace lavrix {
namespace {

QMenu* AddMenu(QMenuBar& bar, const QString& name, const QString& caption) {
  QMenu* menu = bar.addMenu(caption);
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  return menu;
}

QAction* AddItem(QMenu& menu, const QString& name, const QString& caption) {
  QAction* item = menu.addAction(caption);
  item->setObjectName(name);
  return item;
}

void AddModelItems(QMenu& menu, const std::vector<std::string_view>& order, MainMenu& result) {
  for (std::string_view name : order) {
    if (name.empty()) {
      menu.addSeparator();
      continue;
    }
    const ModelRow& row = *FindModelItem(name);
    QAction* item = menu.addAction(ToQString(row.menuCaption));
    item->setObjectName(ToQString(name));
    item->setCheckable(true);
    item->setVisible(!row.hiddenInMenu);
    item->setEnabled(!row.hiddenInMenu);
    result.models.emplace(std::string(name), item);
  }
}

}  // namespace

MainMenu BuildMainMenu(QMenuBar& bar) {
  MainMenu result;

  QMenu* arquivo = AddMenu(bar, "Arquivo", "&Arquivo");
  AddItem(*arquivo, "MNovo", "&Novo");
  AddItem(*arquivo, "Abrir", "A&brir ...");
  AddItem(*arquivo, "Salvar", "&Salvar");
  AddItem(*arquivo, "SalvarComo", "Salvar &Como ...");
  arquivo->addSeparator();
  AddItem(*arquivo, "Importar", "&Importar");
  AddItem(*arquivo, "Opcoes", "&Opções");
  arquivo->addSeparator();
  result.sair = AddItem(*arquivo, "Sair", "Sai&r");
  // Writing goes through the button; this item is never available.
  QAction* gravar = AddItem(*arquivo, "GravarTeclado", "Gravar &Teclado");
  gravar->setVisible(false);
  gravar->setEnabled(false);

  AddModelItems(*AddMenu(bar, "MModelo", "&Modelo"), ModelMenuOrder(), result);

  QMenu* pagina = AddMenu(bar, "MPagina", "&Pagina");
  for (int page = 1; page <= kPageCount; ++page) {
    QAction* item =
        AddItem(*pagina, QString("Paginam%1").arg(page), QString("Pagina &%1").arg(page));
    item->setCheckable(true);
    result.pages[page - 1] = item;
  }

  AddModelItems(*AddMenu(bar, "GeraVly", "&Gera VLY Ruvo's"), GenerateOnlyMenuOrder(), result);

  QMenu* ajuda = AddMenu(bar, "Ajuda", "Aju&da");
  result.ajudaLavrix = AddItem(*ajuda, "AjudaLX", "Ajuda &Lavrix");
  result.sobre = AddItem(*ajuda, "SobreLX", "So&bre ...");
  return result;
}

}  // namespace lavrix
