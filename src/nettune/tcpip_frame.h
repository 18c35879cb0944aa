// The TCP/IP tuner's frame: MTU of one adapter (NT 4.0) or interface (Windows 2000), receive
// window, TTL, path-MTU discovery, black-hole detection, selective acknowledgements, window
// scaling and the connections per web server, with four presets, saving to every control set
// and a reset to the system's defaults. The frame reads and writes the registry itself.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "access/registry_object.h"
#include "page/page_context.h"
#include "ui/controls.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/page_control.h"
#include "ui/tool_bar.h"

namespace nettune {

// Where the stack keeps its parameters: per adapter service (NT 4.0) or per interface (2000).
enum class Layout { Adapters, Interfaces };

// A typed value the user must correct; the text says what is wrong and what is allowed.
class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Preset;

class TFrame51 : public ui::Panel {
 public:
  TFrame51(page::PageContext& form, Layout layout);

  // Fills the controls from the registry and selects the first adapter (the page build).
  void Load();

  // --- the frame's own registry routines (strings and integers; a value or a subkey) -----------
  std::string ReadReg(page::Root root, std::string_view key, std::string_view name,
                      page::Kind kind);
  void WriteReg(page::Root root, std::string_view key, std::string_view name,
                std::string_view value, page::Kind kind);
  void DeleteReg(page::Root root, std::string_view key, std::string_view name,
                 page::Removal removal);

  // --- controls and values ---------------------------------------------------------------------
  // Each Get throws InputError for a typed text that is no number or out of range; GetMTU and
  // GetTTL give 0 when no choice is made.
  int GetMTU() const;
  void SetMTU(const std::string& text);
  int GetTTL() const;
  void SetTTL(const std::string& text);
  int GetRWIN() const;
  void SetRWIN(const std::string& text);
  void TrackBar1Change();

  void InitDFUeSpeed();
  void InitDFUeSpeedNT();
  void ListView1Click();
  void Speichern1Click();
  void Standardwerte1Click();
  void ApplyPreset(const Preset& preset);
  void AnalogesModem1Click();
  void ISDN1Click();
  void DSLKabel1Click();
  void Netzwerk1Click();

  std::vector<std::string> ControlSetNames;

  ui::Panel* Panel1;
  ui::ToolBar* ToolBar1;
  ui::ToolButton* ToolButton1;  // "Optimieren"
  ui::ToolButton* ToolButton3;  // "Einstellungen"
  ui::PopupMenu PopupMenu1;
  ui::PopupMenu PopupMenu2;
  ui::PageControl* PageControl1;
  ui::TabSheet* TabSheet1;
  ui::TabSheet* TabSheet2;
  ui::Label* Label3;
  ui::ListView* ListView1;
  ui::GroupBox* GroupBox1;
  std::vector<ui::RadioButton*> MtuButtons;  // RadioButton1..7
  ui::Edit* Edit1;
  ui::GroupBox* GroupBox5;
  ui::Edit* Edit4;
  ui::Edit* Edit5;
  ui::CheckBox* CheckBox4;
  ui::GroupBox* GroupBox2;
  std::vector<ui::RadioButton*> TtlButtons;  // RadioButton8..11
  ui::Edit* Edit2;
  ui::GroupBox* GroupBox4;
  ui::CheckBox* CheckBox1;
  ui::CheckBox* CheckBox2;
  ui::CheckBox* CheckBox3;
  ui::Label* Label7;
  ui::ComboBox* ComboBox1;
  ui::GroupBox* GroupBox3;
  ui::RadioButton* RadioButton12;
  ui::RadioButton* RadioButton13;
  ui::Slider* TrackBar1;
  ui::Label* Label1;
  ui::Edit* Edit3;
  ui::Label* Label6;
  ui::SpinEdit* CSpinEdit1;

 private:
  void BuildAdapterSheet();
  void BuildGlobalSheet();
  void BuildToolBar();
  void ReadControlSetNames();
  void ReadGlobalValues(const std::string& parameters);
  void ReadConnectionLimit();
  void SelectFirstAdapter();
  void ApplyFlag(ui::CheckBox* box, const std::string& text);
  void ApplyWindowScaling(std::string text);
  // The registry key of the stack's parameters and of one adapter's MTU in a control set.
  std::string ParametersKey(const std::string& controlSet) const;
  std::string AdapterKey(const std::string& controlSet, const std::string& adapter) const;
  std::optional<int> MtuOrNone() const;
  // Runs a menu action; a failure ends it quietly.
  void Run(void (TFrame51::*action)());

  page::PageContext& form_;
  Layout layout_;
  sysaccess::TRegistry registry_;
};

}  // namespace nettune
