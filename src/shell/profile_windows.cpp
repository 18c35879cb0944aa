#include "shell/profile_windows.h"

#include "base/convert.h"
#include "shell/form_controls.h"

namespace shell {
namespace {

ui::ListView* AddList(ui::Form& form, const ui::Rect& bounds) {
  ui::ListView* list = form.Add<ui::ListView>();
  list->SetName("ListView1");
  list->SetStyle(ui::ViewStyle::Report);
  list->SetReadOnly(true);
  list->SetRowSelect(true);
  list->SetBounds(bounds);
  return list;
}

void Place(ui::Form& form, const char* caption, int width, int height) {
  form.SetCaption(caption);
  form.SetBorder(ui::FormBorder::Dialog);
  form.SetPosition(ui::FormPosition::OwnerFormCenter);
  form.SetClientSize(width, height);
}

}  // namespace

ProfilePagesWindow::ProfilePagesWindow(ui::Backend& backend, ui::Form* owner,
                                       const std::vector<int>& pageIds,
                                       const std::function<std::string(int)>& titles)
    : form_(backend, owner), pageIds_(pageIds) {
  form_.SetName("ProfilePages");
  Place(form_, "Profil speichern", 460, 380);
  Label1 = AddLabel(form_, "Label1", "Welche Seiten soll das Profil enthalten?", 8, 8);
  ListView1 = AddList(form_, {8, 28, 444, 310});
  ListView1->SetCheckBoxes(true);
  // Several pages share a headline ("Restriktionen"); the number tells them apart.
  ListView1->AddColumn("Seite", 360);
  ListView1->AddColumn("Nr.", 56);
  for (const int pageId : pageIds_) {
    ui::ListItem* item = ListView1->Add(titles(pageId));
    item->AddSubItem(base::IntToStr(pageId));
    item->SetChecked(true);
  }
  const auto tickAll = [this](bool checked) {
    for (int i = 0; i < ListView1->Count(); ++i) ListView1->Item(i)->SetChecked(checked);
  };
  Button1 = AddButton(form_, "Button1", "Alle", {8, 347, 75, 25});
  Button1->OnClick = [tickAll](ui::Control&) { tickAll(true); };
  Button2 = AddButton(form_, "Button2", "Keine", {89, 347, 75, 25});
  Button2->OnClick = [tickAll](ui::Control&) { tickAll(false); };
  Button3 = AddButton(form_, "Button3", "Speichern...", {283, 347, 88, 25});
  Button3->SetDefault(true);
  Button3->SetModalResult(ui::mrOk);
  Button4 = AddButton(form_, "Button4", "Abbrechen", {377, 347, 75, 25});
  Button4->SetCancel(true);
  Button4->SetModalResult(ui::mrCancel);
}

std::optional<std::vector<int>> ProfilePagesWindow::Execute() {
  if (form_.ShowModal() != ui::mrOk) return std::nullopt;
  std::vector<int> ticked;
  for (int i = 0; i < ListView1->Count(); ++i) {
    if (ListView1->Item(i)->Checked()) ticked.push_back(pageIds_[static_cast<size_t>(i)]);
  }
  return ticked;
}

ProfileDiffWindow::ProfileDiffWindow(ui::Backend& backend, ui::Form* owner,
                                     const std::string& caption, const std::string& text,
                                     const std::vector<profile::Row>& rows, bool asks)
    : form_(backend, owner) {
  form_.SetName("ProfileDiff");
  Place(form_, caption.c_str(), 760, 380);
  Label1 = form_.Add<ui::Label>();
  Label1->SetName("Label1");
  Label1->SetCaption(text);
  Label1->SetBounds({8, 8, 0, 13});
  ListView1 = AddList(form_, {8, 28, 744, 310});
  ListView1->AddColumn("Seite", 230);
  ListView1->AddColumn("Einstellung", 250);
  ListView1->AddColumn("Hier", 120);
  ListView1->AddColumn("Profil", 120);
  for (const profile::Row& row : rows) {
    ui::ListItem* item = ListView1->Add(row.page);
    item->AddSubItem(row.setting);
    item->AddSubItem(row.outcome == profile::Outcome::Missing ? "(nicht vorhanden)" : row.here);
    item->AddSubItem(row.wanted);
    rowPages_.push_back(row.pageId);
  }
  ListView1->OnClick = [this](ui::Control&) {
    const ui::ListItem* item = ListView1->Selected();
    if (!item) return;
    chosenPage_ = rowPages_[static_cast<size_t>(item->Index())];
    form_.SetModalResult(ui::mrCancel);
  };
  Button1 =
      AddButton(form_, "Button1", asks ? "&Ja" : "Schließen", {asks ? 583 : 664, 347, 88, 25});
  Button1->SetDefault(true);
  Button1->SetModalResult(asks ? ui::mrYes : ui::mrCancel);
  Button2 = nullptr;
  if (asks) {
    Button2 = AddButton(form_, "Button2", "&Nein", {677, 347, 75, 25});
    Button2->SetModalResult(ui::mrNo);
    Button2->SetCancel(true);
  } else {
    Button1->SetCancel(true);
  }
}

bool ProfileDiffWindow::Execute(const std::function<void(int)>& goTo) {
  const int result = form_.ShowModal();
  if (chosenPage_ && goTo) goTo(*chosenPage_);
  return result == ui::mrYes && !chosenPage_;
}

}  // namespace shell
