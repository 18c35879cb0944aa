#include "shell/page_values_window.h"

#include "shell/form_controls.h"

namespace shell {

PageValuesWindow::PageValuesWindow(ui::Backend& backend, ui::Form* owner,
                                   const std::string& pageText,
                                   const std::vector<page::ValueRow>& rows)
    : form_(backend, owner) {
  form_.SetName("PageValues");
  form_.SetCaption("Was ändert diese Seite?");
  form_.SetBorder(ui::FormBorder::Dialog);
  form_.SetPosition(ui::FormPosition::OwnerFormCenter);
  form_.SetClientSize(800, 300);

  Label1 = form_.Add<ui::Label>();
  Label1->SetName("Label1");
  Label1->SetCaption("Die Seite \"" + pageText +
                     "\" liest und schreibt diese Registrierungswerte:");
  Label1->SetBounds({8, 8, 0, 13});

  ListView1 = form_.Add<ui::ListView>();
  ListView1->SetName("ListView1");
  ListView1->SetStyle(ui::ViewStyle::Report);
  ListView1->SetReadOnly(true);
  ListView1->SetRowSelect(true);
  ListView1->SetBounds({8, 28, 784, 230});
  ListView1->AddColumn("Stamm", 150);
  ListView1->AddColumn("Schlüssel", 300);
  ListView1->AddColumn("Name", 160);
  ListView1->AddColumn("Typ", 80);
  ListView1->AddColumn("Aktueller Wert", 90);
  for (const page::ValueRow& row : rows) {
    ui::ListItem* item = ListView1->Add(row.root);
    item->AddSubItem(row.key);
    item->AddSubItem(row.name);
    item->AddSubItem(row.kind);
    item->AddSubItem(row.current);
  }

  Button1 = AddButton(form_, "Button1", "Schließen", {704, 267, 88, 25});
  Button1->SetDefault(true);
  Button1->SetCancel(true);
  Button1->SetModalResult(ui::mrOk);
}

}  // namespace shell
