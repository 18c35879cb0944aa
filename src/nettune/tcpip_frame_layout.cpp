// The frame's controls, as the designer laid them out: a toolbar with the two drop-down menus
// above a page control with the adapter sheet and the global sheet.
#include <initializer_list>
#include <string>

#include "nettune/tcpip_frame.h"

namespace nettune {
namespace {

template <class T>
T* Named(ui::Container& parent, const char* name, const ui::Rect& bounds) {
  T* control = parent.Add<T>();
  control->SetName(name);
  control->SetBounds(bounds);
  return control;
}

ui::Label* MakeLabel(ui::Container& parent, const char* name, const ui::Rect& bounds,
                     std::string caption) {
  auto* label = Named<ui::Label>(parent, name, bounds);
  label->SetCaption(std::move(caption));
  return label;
}

ui::RadioButton* MakeRadio(ui::Container& parent, int number, const ui::Rect& bounds,
                           std::string caption) {
  auto* button = parent.Add<ui::RadioButton>();
  button->SetName("RadioButton" + std::to_string(number));
  button->SetBounds(bounds);
  button->SetCaption(std::move(caption));
  return button;
}

ui::CheckBox* MakeCheck(ui::Container& parent, const char* name, const ui::Rect& bounds,
                        std::string caption) {
  auto* box = Named<ui::CheckBox>(parent, name, bounds);
  box->SetCaption(std::move(caption));
  return box;
}

ui::GroupBox* MakeGroup(ui::Container& parent, const char* name, const ui::Rect& bounds,
                        std::string caption) {
  auto* group = Named<ui::GroupBox>(parent, name, bounds);
  group->SetCaption(std::move(caption));
  return group;
}

}  // namespace

TFrame51::TFrame51(page::PageContext& form, Layout layout)
    : PopupMenu1(form.Backend()),
      PopupMenu2(form.Backend()),
      form_(form),
      layout_(layout),
      registry_(form.services.registry) {
  SetName("TFrame51");
  SetColor(ui::clWhite);
  SetBevelOuter(ui::BevelCut::None);
  SetAlign(ui::Align::Client);
  BuildToolBar();
  PageControl1 = Add<ui::PageControl>();
  PageControl1->SetName("PageControl1");
  PageControl1->SetAlign(ui::Align::Client);
  PageControl1->SetTabWidth(200);
  TabSheet1 = PageControl1->AddSheet("Adaptereinstellungen");
  TabSheet1->SetName("TabSheet1");
  TabSheet2 = PageControl1->AddSheet("Globale Einstellungen");
  TabSheet2->SetName("TabSheet2");
  BuildAdapterSheet();
  BuildGlobalSheet();
}

void TFrame51::BuildToolBar() {
  Panel1 = Add<ui::Panel>();
  Panel1->SetName("Panel1");
  Panel1->SetBevelOuter(ui::BevelCut::None);
  Panel1->SetColor(ui::clWhite);
  Panel1->SetBounds({0, 0, 450, 28});
  Panel1->SetAlign(ui::Align::Top);
  ToolBar1 = Panel1->Add<ui::ToolBar>();
  ToolBar1->SetName("ToolBar1");
  ToolBar1->SetBounds({0, 2, 260, 24});
  ToolBar1->SetShowCaptions(true);
  ToolBar1->SetFlat(true);
  ToolBar1->SetButtonSize(110, 22);
  MakeLabel(*Panel1, "Label2", {300, 7, 140, 13}, "Informationen siehe Hilfe");

  ToolButton1 = ToolBar1->AddButton(ui::ToolButtonStyle::DropDown);
  ToolButton1->SetName("ToolButton1");
  ToolButton1->SetCaption("Optimieren");
  ToolButton1->SetDropdownMenu(&PopupMenu1);
  ToolButton3 = ToolBar1->AddButton(ui::ToolButtonStyle::DropDown);
  ToolButton3->SetName("ToolButton3");
  ToolButton3->SetCaption("Einstellungen");
  ToolButton3->SetDropdownMenu(&PopupMenu2);
  // The buttons only open their menus.
  ToolButton1->OnClick = [](ui::ToolButton& button) { button.UserDropDown(); };
  ToolButton3->OnClick = [](ui::ToolButton& button) { button.UserDropDown(); };

  ui::MenuItem& presets = PopupMenu1.Items();
  const auto bind = [this](void (TFrame51::*action)()) {
    return [this, action](ui::MenuItem&) { Run(action); };
  };
  presets.Add("Optimieren Analoges Modem", bind(&TFrame51::AnalogesModem1Click));
  presets.Add("Optimieren ISDN", bind(&TFrame51::ISDN1Click));
  presets.Add("Optimieren DSL / Kabel", bind(&TFrame51::DSLKabel1Click));
  presets.Add("Optimieren Netzwerk", bind(&TFrame51::Netzwerk1Click));
  presets.Add("-");
  presets.Add("auf Standardwerte zurücksetzen", bind(&TFrame51::Standardwerte1Click));
  PopupMenu2.Items().Add("Speichern", bind(&TFrame51::Speichern1Click));
}

void TFrame51::BuildAdapterSheet() {
  ui::TabSheet& sheet = *TabSheet1;
  Label3 = MakeLabel(sheet, "Label3", {8, 6, 420, 26},
                     "Bestiimen Sie den Netzwerkadapter. Die MTU/IPMTU-Werte sind nur \n"
                     "wirksam für den gewählten Adapter.");
  ListView1 = Named<ui::ListView>(sheet, "ListView1", {8, 36, 420, 72});
  ListView1->SetStyle(ui::ViewStyle::Report);
  ListView1->SetShowColumnHeaders(false);
  ListView1->SetReadOnly(true);
  ListView1->SetHideSelection(false);
  ListView1->SetFont(ui::Font::Of("MS Sans Serif", 8, ui::kFontRegular, ui::clBlue));
  ListView1->AddColumn("", 370);
  ListView1->OnClick = [this](ui::Control&) { Run(&TFrame51::ListView1Click); };

  GroupBox1 =
      MakeGroup(sheet, "GroupBox1", {8, 114, 250, 150}, "Maximum Transmission Unit (MTU / IPMTU)");
  const char* captions[] = {"552 (kleinster Wert)",
                            "576 (Empfohlen  Analog)",
                            "1002 (Terminal Server)",
                            "1492 (DSL)",
                            "1500 Windows-Standard (ISDN)",
                            "3000 (DSL-FP/LAN)",
                            "benutzerdefiniert (Vorsicht !!!)"};
  for (int i = 0; i < 7; ++i) {
    MtuButtons.push_back(MakeRadio(*GroupBox1, i + 1, {10, 18 + 18 * i, 180, 17}, captions[i]));
  }
  Edit1 = Named<ui::Edit>(*GroupBox1, "Edit1", {190, 124, 52, 21});

  GroupBox5 = MakeGroup(sheet, "GroupBox5", {266, 114, 162, 150}, "IP Adressen-Information");
  MakeLabel(*GroupBox5, "Label8", {10, 20, 140, 13}, "Adapter IP-Adresse");
  Edit4 = Named<ui::Edit>(*GroupBox5, "Edit4", {10, 36, 142, 21});
  Edit4->SetReadOnly(true);
  MakeLabel(*GroupBox5, "Label9", {10, 66, 140, 13}, "Adapter SubnetMask");
  Edit5 = Named<ui::Edit>(*GroupBox5, "Edit5", {10, 82, 142, 21});
  Edit5->SetReadOnly(true);
}

void TFrame51::BuildGlobalSheet() {
  ui::TabSheet& sheet = *TabSheet2;
  CheckBox4 = MakeCheck(sheet, "CheckBox4", {8, 6, 400, 17},
                        "Internetseiten sollen schneller geladen werden");

  GroupBox2 = MakeGroup(sheet, "GroupBox2", {8, 28, 200, 100}, "TimeToLive (TTL)");
  const char* ttl[] = {"32 (Standard)", "64 (Empfohlen ASDL/ISDN", "128 (Empfohlen Analog)",
                       "benutzerdefiniert"};
  for (int i = 0; i < 4; ++i) {
    TtlButtons.push_back(MakeRadio(*GroupBox2, i + 8, {10, 18 + 19 * i, 180, 17}, ttl[i]));
  }
  TtlButtons.back()->SetWidth(110);
  Edit2 = Named<ui::Edit>(*GroupBox2, "Edit2", {124, 73, 60, 21});

  GroupBox4 = MakeGroup(sheet, "GroupBox4", {216, 28, 212, 124}, "Scaling");
  CheckBox1 =
      MakeCheck(*GroupBox4, "CheckBox1", {10, 18, 196, 17}, "Aktivieren MTU/IPMTU AutoDiscover");
  CheckBox2 = MakeCheck(*GroupBox4, "CheckBox2", {10, 36, 196, 17},
                        "Aktivieren MTU/IPMTU Black Hole Detect");
  CheckBox3 =
      MakeCheck(*GroupBox4, "CheckBox3", {10, 54, 196, 17}, "Aktivieren Selective Ack (SackOps)");
  Label7 = MakeLabel(*GroupBox4, "Label7", {10, 76, 190, 13}, "Window Scaling(Tcp1323Opts )");
  ComboBox1 = Named<ui::ComboBox>(*GroupBox4, "ComboBox1", {10, 92, 192, 21});
  ComboBox1->SetStyle(ui::ComboStyle::DropDownList);
  ComboBox1->SetItems(
      {"Ausgeschaltet", "Fenster einstellbar,kein Timestamp", "Fenster einstellbar mit Timstamp"});

  GroupBox3 = MakeGroup(sheet, "GroupBox3", {8, 156, 420, 120}, "RWIN ");
  RadioButton12 =
      MakeRadio(*GroupBox3, 12, {10, 18, 260, 17}, "MSS berechnen lassen = (MTU-40)*Faktor");
  RadioButton12->SetChecked(true);
  TrackBar1 = Named<ui::Slider>(*GroupBox3, "TrackBar1", {10, 38, 260, 24});
  TrackBar1->SetRange(1, 50);
  TrackBar1->SetValue(1);
  TrackBar1->OnChange = [this](ui::Control&) { Run(&TFrame51::TrackBar1Change); };
  MakeLabel(*GroupBox3, "Label4", {14, 64, 10, 13}, "1");
  MakeLabel(*GroupBox3, "Label5", {256, 64, 14, 13}, "50");
  Label1 = MakeLabel(*GroupBox3, "Label1", {280, 42, 136, 13}, "Faktor :");
  RadioButton13 = MakeRadio(*GroupBox3, 13, {10, 88, 110, 17}, "benutzerdefiniert");
  Edit3 = Named<ui::Edit>(*GroupBox3, "Edit3", {124, 86, 70, 21});
  Label6 = MakeLabel(*GroupBox3, "Label6", {206, 90, 130, 13}, "Max Segment Size (MSS)");
  CSpinEdit1 = Named<ui::SpinEdit>(*GroupBox3, "CSpinEdit1", {340, 86, 70, 22});
  CSpinEdit1->SetRange(0, 99999);

  if (layout_ == Layout::Adapters) {
    // NT 4.0 has none of these parameters.
    for (ui::Control* control :
         std::initializer_list<ui::Control*>{CSpinEdit1, Label6, Label7, ComboBox1, CheckBox3}) {
      control->Hide();
    }
  }
}

}  // namespace nettune
