#include "shell/extras.h"

#include "shell/form_controls.h"
#include "shell/main_window.h"

namespace shell {
using page::Kind;
using page::Root;

namespace {

constexpr const char* kExtrasRoot = "Software\\Kalmora2x\\Options\\Extras";
// The submenus' order differs from the tabs'.
constexpr std::array<int, 4> kMenuOrder{0, 2, 3, 1};
// Saving goes through the lists in this order.
constexpr std::array<int, 4> kSaveOrder{2, 3, 1, 0};

// The group's entries as the registry lists them: name and stored path.
std::vector<std::pair<std::string, std::string>> ReadGroup(TForm1& main, std::string_view group) {
  std::vector<std::pair<std::string, std::string>> entries;
  sysaccess::TRegistry& reg = main.SharedRegistry;
  reg.SetRootKey(os::RegRoot::CurrentUser);
  if (reg.OpenKeyReadOnly(ExtrasKey(group))) {
    try {
      for (const std::string& name : reg.GetValueNames()) {
        entries.emplace_back(name, reg.ReadString(name));
      }
    } catch (const std::exception& error) {
      main.Trace().Failure("Extras", error.what());
    }
  }
  reg.CloseKey();
  return entries;
}

}  // namespace

std::string ExtrasKey(std::string_view group) {
  return std::string(kExtrasRoot) + "\\" + std::string(group);
}

std::string CompleteExtrasPath(const std::string& path, const std::string& windowsDir) {
  if (path.empty() || path.find(':') != std::string::npos) return path;
  return windowsDir + "\\" + path;
}

// --- the menu ------------------------------------------------------------------------------------

void TForm1::ToolButton3Click() {
  ui::MenuItem& items = PopupMenu3.Items();
  items.Clear();
  for (const int tab : kMenuOrder) {
    const char* group = kExtrasGroups[tab].caption;
    ui::MenuItem* submenu = items.Add(group);
    const auto entries = ReadGroup(*this, group);
    for (size_t i = 0; i < entries.size(); ++i) {
      ui::MenuItem* item = submenu->Add(entries[i].first, [this, group](ui::MenuItem& sender) {
        StartExtra(group, sender.Tag());
      });
      item->SetTag(static_cast<int>(i));
    }
  }
  items.Add("-");
  items.Add("Extras &bearbeiten", [this](ui::MenuItem&) { Extrasbearbeiten(); })
      ->SetName("Extrasbearbeiten1");
}

void TForm1::StartExtra(const std::string& group, int tag) {
  const auto entries = ReadGroup(*this, group);
  // The store may have changed since the menu was built.
  if (tag < 0 || static_cast<size_t>(tag) >= entries.size()) return;
  const std::string path = CompleteExtrasPath(entries[tag].second, WindowsDir);
  if (services.shell.Execute({"Open", path, "", "", 1})) return;
  MessageDlg("Das Programm \"" + path + "\" konnte nicht gestartet werden.\n" +
                 "Prüfen Sie den Pfad des Eintrags \"" + entries[tag].first +
                 "\" unter \"Extras bearbeiten\".",
             "Fehler", ui::MsgButtons::Ok, ui::MsgIcon::Warning);
}

void TForm1::Extrasbearbeiten() {
  TForm13 editor(*this);
  editor.Execute();
}

// --- the entry window ----------------------------------------------------------------------------

TForm14::TForm14(ui::Backend& backend, ui::Form* owner) : form_(backend, owner) {
  form_.SetName("TForm14");
  form_.SetCaption("Eintrag hinzufügen");
  form_.SetBorder(ui::FormBorder::Dialog);
  form_.SetPosition(ui::FormPosition::ScreenCenter);
  form_.SetClientSize(452, 152);

  Label1 = AddLabel(form_, "Label1",
                    "Biite geben Sie einen Namen für den Eintrag ein und bestimmen Sie den "
                    "Programmpfad",
                    24, 8);
  Label2 = AddLabel(form_, "Label2", "Name", 8, 24);
  Edit1 = form_.Add<ui::Edit>();
  Edit1->SetName("Edit1");
  Edit1->SetBounds({8, 40, 400, 21});
  Label3 = AddLabel(form_, "Label3", "Programmpfad", 8, 64);
  Edit2 = form_.Add<ui::Edit>();
  Edit2->SetName("Edit2");
  Edit2->SetBounds({8, 80, 400, 21});
  Button3 = AddButton(form_, "Button3", "...", {416, 80, 20, 20});
  Button3->OnClick = [this](ui::Control&) { Button3Click(); };
  Button2 = AddButton(form_, "Button2", "&Abbrechen", {224, 112, 100, 25});
  Button2->SetCancel(true);
  Button2->OnClick = [this](ui::Control&) { Button2Click(); };
  Button1 = AddButton(form_, "Button1", "&OK", {336, 112, 100, 25});
  Button1->SetDefault(true);
  Button1->OnClick = [this](ui::Control&) { Button1Click(); };
}

std::optional<TForm14::Entry> TForm14::Execute() {
  accepted_.reset();
  form_.ShowModal();
  return accepted_;
}

void TForm14::Button1Click() {
  if (!Edit1->Text().empty() && !Edit2->Text().empty()) {
    accepted_ = Entry{Edit1->Text(), Edit2->Text()};
  }
  form_.SetModalResult(ui::mrOk);
}

void TForm14::Button2Click() {
  accepted_.reset();
  form_.SetModalResult(ui::mrCancel);
}

void TForm14::Button3Click() {
  ui::FileDialogOptions options;
  options.title = "Programm auswählen";
  options.filter = "Alle Dateien (*.*)|*.*";
  if (const auto file = form_.GetBackend()->GetDialogs().OpenFile(options)) Edit2->SetText(*file);
}

// --- the editor ----------------------------------------------------------------------------------

TForm13::TForm13(TForm1& main)
    : PopupMenu1(main.Backend()), main_(main), form_(main.Backend(), &main.Form()) {
  form_.SetName("TForm13");
  form_.SetCaption("Programme unter \"Extras\"");
  form_.SetBorder(ui::FormBorder::Dialog);
  form_.SetPosition(ui::FormPosition::ScreenCenter);
  form_.SetClientSize(546, 278);

  PageControl1 = form_.Add<ui::PageControl>();
  PageControl1->SetName("PageControl1");
  PageControl1->SetBounds({8, 8, 529, 233});
  PageControl1->SetTabWidth(125);
  PageControl1->SetPopupMenu(&PopupMenu1);
  for (const ExtrasGroup& group : kExtrasGroups) {
    ui::TabSheet* sheet = PageControl1->AddSheet(group.caption);
    sheet->SetName("TabSheet" + std::to_string(group.tab + 1));
    ui::ListView* list = sheet->Add<ui::ListView>();
    list->SetName("ListView" + std::to_string(group.tab + 1));
    list->SetAlign(ui::Align::Client);
    list->SetStyle(ui::ViewStyle::Report);
    list->SetHideSelection(false);
    list->SetRowSelect(true);
    list->AddColumn("Name", 200);
    list->AddColumn("Pfad", 300);
    list->SetSmallImages(&ui::SystemSmallIcons());
    if (group.tab < 2) list->SetPopupMenu(&PopupMenu1);
    ListViews[group.tab] = list;
  }

  Button4 = AddButton(form_, "Button4", "&Entfernen...", {8, 248, 100, 25});
  Button4->OnClick = [this](ui::Control&) { Button4Click(); };
  Button3 = AddButton(form_, "Button3", "&Hinzufügen...", {112, 248, 100, 25});
  Button3->OnClick = [this](ui::Control&) { Button3Click(); };
  Button2 = AddButton(form_, "Button2", "&Abbrechen", {328, 248, 100, 25});
  Button2->SetCancel(true);
  Button2->OnClick = [this](ui::Control&) { Button2Click(); };
  Button1 = AddButton(form_, "Button1", "&OK", {432, 248, 100, 25});
  Button1->OnClick = [this](ui::Control&) { Button1Click(); };

  auto& items = PopupMenu1.Items();
  items.Add("&Hinzufügen", [this](ui::MenuItem&) { Button3Click(); })->SetName("Hinzufgen1");
  items.Add("&Entfernen", [this](ui::MenuItem&) { Button4Click(); })->SetName("Entfernen1");
  items.Add("&OK", [this](ui::MenuItem&) { Button1Click(); })->SetName("OK1");
  items.Add("&Abbrechen", [this](ui::MenuItem&) { Button2Click(); })->SetName("Abbrechen1");
}

void TForm13::Execute() {
  for (const ExtrasGroup& group : kExtrasGroups) {
    for (const auto& [name, path] : ReadGroup(main_, group.caption)) {
      AddRow(*ListViews[group.tab], name, CompleteExtrasPath(path, main_.WindowsDir));
    }
  }
  form_.ShowModal();
}

void TForm13::AddRow(ui::ListView& list, const std::string& name, const std::string& path) {
  ui::ListItem* item = list.Add(name);
  item->SetImageIndex(main_.services.shell.SystemIconIndex(path, true));
  item->AddSubItem(path);
}

ui::ListView* TForm13::ActiveList() const {
  const int tab = PageControl1->ActivePageIndex();
  return tab >= 0 ? ListViews[tab] : nullptr;
}

void TForm13::Button3Click() {
  TForm14 entry(*form_.GetBackend(), &form_);
  const auto added = entry.Execute();
  if (ui::ListView* list = ActiveList(); added && list) AddRow(*list, added->name, added->path);
}

void TForm13::Button4Click() {
  ui::ListView* list = ActiveList();
  if (!list || !list->Selected()) return;
  if (main_.Confirm("Wollen Sie den  Eintrag wirklich entfernen ?")) list->Delete(list->Selected());
}

void TForm13::Button1Click() {
  SaveOptions();
  form_.SetModalResult(ui::mrOk);
}

void TForm13::Button2Click() {
  form_.SetModalResult(ui::mrCancel);
}

void TForm13::SaveOptions() {
  sysaccess::TRegistry& reg = main_.SharedRegistry;
  reg.SetRootKey(os::RegRoot::CurrentUser);
  if (reg.OpenKey(kExtrasRoot, false)) {
    for (const int tab : kSaveOrder) {
      const char* group = kExtrasGroups[tab].caption;
      if (reg.KeyExists(group)) reg.DeleteKey(group);
    }
  }
  reg.CloseKey();
  for (const int tab : kSaveOrder) {
    const ui::ListView& list = *ListViews[tab];
    const std::string key = "\\" + ExtrasKey(kExtrasGroups[tab].caption);
    for (int i = 0; i < list.Count(); ++i) {
      main_.WriteReg(Root::CurrentUser, key, list.Item(i)->Caption(), list.Item(i)->SubItem(0),
                     Kind::String);
    }
  }
}

}  // namespace shell
