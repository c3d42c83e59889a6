#include "ui/qt_popup_menus.h"

#include <QCursor>
#include <QMenu>
#include <map>

#include "ui/menu.h"

namespace vx::ui {
namespace {

void Fill(QMenu& target, const Menu& source, std::map<QAction*, Menu*>& entries) {
  for (Menu* e : source.Entries()) {
    if (!e->Visible()) continue;
    if (e->IsSeparator()) {
      target.addSeparator();
    } else if (!e->Entries().empty()) {
      QMenu* sub = target.addMenu(QString::fromStdString(e->Caption()));
      sub->setEnabled(e->Enabled());
      Fill(*sub, *e, entries);
    } else {
      QAction* a = target.addAction(QString::fromStdString(e->Caption()));
      a->setEnabled(e->Enabled());
      if (e->Checked()) {
        a->setCheckable(true);
        a->setChecked(true);
      }
      entries[a] = e;
    }
  }
}

}  // namespace

Menu* QtPopupMenus::Choose(Menu& menu) {
  QMenu popup;
  std::map<QAction*, Menu*> entries;
  Fill(popup, menu, entries);
  QAction* chosen = popup.exec(QCursor::pos());
  auto it = entries.find(chosen);
  return it == entries.end() ? nullptr : it->second;
}

}  // namespace vx::ui
