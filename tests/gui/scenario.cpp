#include "scenario.h"

namespace guitest {

using namespace ui;

Scenario::Scenario(Backend& b) : backend(b), backMenu(b) {}

namespace {

template <class T>
T* Named(Container& parent, const char* name) {
  T* control = parent.Add<T>();
  control->SetName(name);
  return control;
}

template <class T>
T* Named(Container& parent, const char* name, const Rect& bounds) {
  T* control = Named<T>(parent, name);
  control->SetBounds(bounds);
  return control;
}

}  // namespace

std::unique_ptr<Scenario> BuildScenario(Backend& backend) {
  auto s = std::make_unique<Scenario>(backend);
  Scenario& sc = *s;
  auto log = [&sc](std::string line) { sc.events.push_back(std::move(line)); };
  sc.form = std::make_unique<Form>(backend);
  Form& form = *sc.form;
  form.SetName("Form");
  form.SetCaption("Kalmora 2x – Werkzeugkasten");
  form.SetBorder(FormBorder::Sizeable);
  form.SetClientSize(660, 470);
  form.SetBounds({40, 30, form.Width(), form.Height()});
  form.SetIcon(Picture::Asset("test/sample.ico"));

  sc.toolImages = ImageList{16,
                            16,
                            ImageList::Shared::None,
                            {Picture::Asset("test/sample.ico"), Picture::Asset("test/sample.jpg"),
                             Picture::Stock(32516)}};
  sc.treeImages = sc.toolImages;

  // Tool bar with a drop-down, a plain and a check button.
  sc.toolBar = Named<ToolBar>(form, "ToolBar1");
  sc.toolBar->SetHeight(26);
  sc.toolBar->SetAlign(Align::Top);
  sc.toolBar->SetShowCaptions(true);
  sc.toolBar->SetButtonSize(70, 22);
  sc.toolBar->SetImages(&sc.toolImages);
  ToolButton* back = sc.toolBar->AddButton(ToolButtonStyle::DropDown);
  back->SetName("Back");
  back->SetCaption("Zurück");
  back->SetHint("Zur vorigen Seite");
  back->SetImageIndex(0);
  back->SetDropdownMenu(&sc.backMenu);
  back->OnClick = [log](ToolButton&) { log("tool back"); };
  ToolButton* forward = sc.toolBar->AddButton();
  forward->SetName("Forward");
  forward->SetCaption("Vor");
  forward->SetHint("Zur nächsten Seite");
  forward->SetImageIndex(1);
  forward->OnClick = [log](ToolButton&) { log("tool forward"); };
  sc.toolBar->AddButton(ToolButtonStyle::Separator);
  ToolButton* font = sc.toolBar->AddButton(ToolButtonStyle::Check);
  font->SetName("Font");
  font->SetCaption("Schrift");
  font->SetImageIndex(2);
  font->OnClick = [log](ToolButton& b) {
    log(std::string("tool font ") + (b.Down() ? "down" : "up"));
  };
  sc.backMenu.OnPopup = [log](PopupMenu& menu) {
    menu.Items().Clear();
    for (int k = 1; k <= 3; ++k) {
      MenuItem* item = menu.Items().Add("Seite " + std::to_string(k), [log](MenuItem& chosen) {
        log("menu " + chosen.Caption());
      });
      item->SetTag(k);
      item->SetChecked(k == 2);
      item->SetEnabled(k != 3);
    }
    menu.Items().Add("-");
    MenuItem* more = menu.Items().Add("Weitere");
    more->Add("Verlauf", [log](MenuItem&) { log("menu Verlauf"); });
  };

  sc.statusBar = Named<StatusBar>(form, "StatusBar1");
  sc.statusBar->SetHeight(20);
  sc.statusBar->SetAlign(Align::Bottom);
  sc.statusBar->AddPanel("", 24, true);
  sc.statusBar->AddPanel("Bereit", 220);
  sc.statusBar->AddPanel("Seite 1", 100);
  sc.statusBar->OnDrawPanel = [&sc](StatusBar&, int, const Rect& rect, Canvas& canvas) {
    ++sc.panelDraws;
    canvas.FillRect(rect, clBtnFace);
    canvas.DrawImage(sc.toolImages, 0, rect.left + 2, rect.top + 1);
  };

  // The category tree, with a node whose children come when it opens.
  sc.tree = Named<TreeView>(form, "TreeView1");
  sc.tree->SetWidth(170);
  sc.tree->SetAlign(Align::Left);
  sc.tree->SetImages(&sc.treeImages);
  sc.tree->SetHideSelection(false);
  TreeNode* root = sc.tree->Add(nullptr, "Kalmora 2x");
  root->SetImageIndex(0);
  root->SetSelectedIndex(0);
  sc.hardware = sc.tree->Add(root, "Hardware");
  sc.keyboard = sc.tree->Add(sc.hardware, "Tastatur");
  sc.mouse = sc.tree->Add(sc.hardware, "Maus");
  sc.software = sc.tree->Add(root, "Software");
  sc.software->SetHasChildren(true);
  for (TreeNode* node : {sc.hardware, sc.keyboard, sc.mouse, sc.software}) {
    node->SetImageIndex(1);
    node->SetSelectedIndex(2);
  }
  root->Expand();
  sc.tree->OnExpanding = [log](TreeView& tree, TreeNode* node, bool& allow) {
    log("tree expanding " + node->Text());
    if (node->Text() == "Software" && node->Count() == 0) tree.Add(node, "Programme");
    allow = true;
  };
  sc.tree->OnChange = [log](TreeView&, TreeNode* node) {
    log("tree change " + (node ? node->Text() : std::string("-")));
  };
  sc.tree->OnMouseDown = [log](Control& sender, MouseButton, unsigned, int, int) {
    TreeNode* selected = static_cast<TreeView&>(sender).Selected();
    log("tree down " + (selected ? selected->Text() : std::string("-")));
  };

  sc.splitter = Named<Splitter>(form, "Splitter1");
  sc.splitter->SetWidth(4);
  sc.splitter->SetAlign(Align::Left);
  sc.splitter->SetBeveled(true);

  sc.pages = Named<PageControl>(form, "PageControl1");
  sc.pages->SetAlign(Align::Client);
  TabSheet* controls = sc.pages->AddSheet("Steuerelemente");
  controls->SetName("Sheet1");
  TabSheet* lists = sc.pages->AddSheet("Listen");
  lists->SetName("Sheet2");
  TabSheet* pictures = sc.pages->AddSheet("Grafik");
  pictures->SetName("Sheet3");
  sc.pages->OnChange = [log, &sc](Control&) {
    log("pages change " + std::to_string(sc.pages->ActivePageIndex()));
  };

  // Sheet 1: a page panel as the program builds its pages.
  sc.page = Named<Panel>(*controls, "PagePanel");
  sc.page->SetAlign(Align::Client);
  sc.page->SetBevelOuter(BevelCut::Lowered);
  sc.banner = Named<Image>(*sc.page, "Banner", {8, 8, 452, 44});
  sc.banner->SetStretch(true);
  sc.banner->SetPicture(Picture::Asset("test/sample.jpg"));
  sc.headline = Named<Label>(*sc.page, "Headline");
  sc.headline->SetTransparent(true);
  sc.headline->SetFont(Font::Of("Arial", 12, kBold, clWhite));
  sc.headline->SetCaption("Tastatur");
  sc.headline->SetBounds({200, 18, 10, 10});
  sc.description = Named<Label>(*sc.page, "Description");
  sc.description->SetCaption("Einstellungen der Tastatur und der Wiederholrate.");
  sc.description->SetBounds({8, 58, 10, 10});
  sc.check1 = Named<CheckBox>(*sc.page, "CheckBox1", {8, 80, 220, 17});
  sc.check1->SetCaption("NumLock beim Start einschalten");
  sc.check1->OnClick = [log, &sc](Control&) {
    log(std::string("check1 ") + (sc.check1->Checked() ? "on" : "off"));
  };
  sc.check2 = Named<CheckBox>(*sc.page, "CheckBox2", {8, 100, 220, 17});
  sc.check2->SetCaption("Tastaturlayout anzeigen");
  sc.group = Named<GroupBox>(*sc.page, "GroupBox1", {240, 76, 220, 92});
  sc.group->SetCaption("Verzögerung");
  const char* radioCaptions[3] = {"Kurz", "Mittel", "Lang"};
  for (int i = 0; i < 3; ++i) {
    sc.radios[i] = Named<RadioButton>(*sc.group, ("Radio" + std::to_string(i + 1)).c_str());
    sc.radios[i]->SetCaption(radioCaptions[i]);
    sc.radios[i]->SetBounds({10, 18 + 22 * i, 180, 17});
    sc.radios[i]->SetTag(i);
    sc.radios[i]->OnClick = [log](Control& sender) {
      log("radio " + std::to_string(sender.Tag()));
    };
  }
  sc.edit = Named<Edit>(*sc.page, "Edit1", {8, 124, 220, 21});
  sc.edit->OnChange = [log, &sc](Control&) { log("edit " + sc.edit->Text()); };
  sc.password = Named<Edit>(*sc.page, "Password", {8, 150, 220, 21});
  sc.password->SetPasswordChar('*');
  sc.apply = Named<Button>(*sc.page, "Apply", {8, 180, 100, 25});
  sc.apply->SetCaption("&Übernehmen");
  sc.apply->SetDefault(true);
  sc.apply->OnClick = [log](Control&) { log("apply"); };
  sc.glyphButton = Named<Button>(*sc.page, "GlyphButton", {116, 180, 100, 25});
  sc.glyphButton->SetCaption("Hilfe");
  sc.glyphButton->SetGlyph(Picture::Asset("test/sample.ico"));
  sc.combo = Named<ComboBox>(*sc.page, "ComboBox1", {240, 180, 220, 21});
  sc.combo->SetStyle(ComboStyle::DropDownList);
  sc.combo->SetItems({"Deutsch", "Englisch", "Französisch"});
  sc.combo->OnClick = [log](Control&) { log("combo click"); };
  sc.combo->OnChange = [log, &sc](Control&) { log("combo change " + sc.combo->Text()); };
  sc.slider = Named<Slider>(*sc.page, "Slider1", {8, 214, 220, 30});
  sc.slider->OnChange = [log, &sc](Control&) {
    log("slider " + std::to_string(sc.slider->Value()));
  };
  sc.spin = Named<SpinEdit>(*sc.page, "SpinEdit1", {240, 214, 80, 21});
  sc.spin->OnChange = [log, &sc](Control&) { log("spin " + std::to_string(sc.spin->Value())); };
  sc.gauge = Named<Gauge>(*sc.page, "Gauge1", {8, 252, 452, 18});

  // Sheet 2: lists and texts.
  sc.list = Named<ListView>(*lists, "ListView1", {8, 8, 440, 150});
  sc.list->SetStyle(ViewStyle::Report);
  sc.list->SetCheckBoxes(true);
  sc.list->SetRowSelect(true);
  sc.list->SetGridLines(true);
  sc.list->SetHideSelection(false);
  sc.list->SetSmallImages(&sc.toolImages);
  sc.list->AddColumn("Name", 140);
  sc.list->AddColumn("Wert", 160);
  sc.list->AddColumn("Größe", 80, TextAlign::Right);
  sc.list->OnSelectItem = [log](ListView&, ListItem& item, bool selected) {
    log("select " + item.Caption() + (selected ? "+" : "-"));
  };
  sc.list->OnItemChecked = [log](ListView&, ListItem& item) {
    log("checked " + item.Caption() + (item.Checked() ? "+" : "-"));
  };
  sc.memo = Named<Memo>(*lists, "Memo1", {8, 166, 215, 100});
  sc.memo->SetScrollBars(ScrollBars::Vertical);
  sc.memo->OnChange = [log, &sc](Control&) {
    log("memo " + std::to_string(sc.memo->Lines().size()));
  };
  sc.rich = Named<RichEdit>(*lists, "RichEdit1", {233, 166, 215, 100});
  sc.rich->SetReadOnly(true);

  // Sheet 3: pictures and moving things.
  sc.graph = Named<PerformanceGraph>(*pictures, "Graph1", {8, 8, 300, 120});
  sc.animation = Named<Animation>(*pictures, "Animate1", {320, 8, 140, 60});
  sc.animation->SetCommonAvi(CommonAvi::CopyFiles);
  sc.timer = Named<Timer>(*pictures, "Timer1");
  sc.timer->SetInterval(60000);

  // Each sheet shows once, so that every control has its window for the tests that look at it.
  for (int i = sc.pages->SheetCount() - 1; i >= 0; --i) sc.pages->SetActivePageIndex(i);
  return s;
}

void WorkScenario(Scenario& sc) {
  // What a page does when it is read in.
  sc.check1->SetChecked(true);
  sc.radios[1]->SetChecked(true);
  sc.edit->SetText("500");
  sc.password->SetText("geheim");
  sc.combo->SetItemIndex(1);
  sc.combo->AddItem("Italienisch");
  sc.slider->SetRange(0, 20);
  sc.slider->SetValue(12);
  sc.spin->SetRange(1, 99);
  sc.spin->SetValue(42);
  sc.spin->SetIncrement(3);
  sc.gauge->SetProgress(65);
  sc.list->BeginUpdate();
  for (const char* name : {"Autostart", "Verlauf", "Papierkorb", "Temp"}) {
    ListItem* item = sc.list->Add(name);
    item->AddSubItem(std::string(name) + " anzeigen");
    item->AddSubItem(std::to_string(std::string(name).size() * 3) + " KB");
    item->SetImageIndex(0);
  }
  sc.list->EndUpdate();
  sc.list->Item(1)->SetChecked(true);
  sc.list->SetItemIndex(2);
  sc.list->Delete(3);
  sc.list->Add("Dateien")->SetSubItem(1, "1 KB");
  sc.memo->SetLines({"Zeile eins", "Zeile zwei"});
  sc.memo->AddLine("Zeile drei");
  sc.rich->SetText("Hinweis: die Änderungen wirken\r\nnach dem nächsten Start.");
  sc.tree->SetSelected(sc.keyboard);
  sc.statusBar->SetPanelText(2, "Seite 2");
  for (int i = 0; i < 60; ++i) sc.graph->DataPoint(i % 2 ? clLime : clRed, (i * 37) % 100);
  sc.animation->SetActive(true);
  sc.toolBar->FindButton("Font")->SetDown(true);
}

}  // namespace guitest
