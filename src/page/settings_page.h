// A settings page as a record: its description, build-flag policy, controls with their slots and
// places, and for every control the registry value behind it and how its states are stored.
// One engine (page/engine.h) builds, reads and writes every such page; what is really special
// hooks in beside the record. Records are data: a program can list every value a page reads or
// writes, and the names of its reader, writer and actions are kept as searchable text.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "access/reg_kinds.h"

namespace page {

class PageContext;

// --- registry values ---------------------------------------------------------------------------

using sysaccess::Kind;
using sysaccess::Removal;
using sysaccess::Root;

// "HKEY_CURRENT_USER" and so on.
const char* RootName(Root root);

// The user's own key below HKEY_USERS ("S-1-5-21-...") at the start of a key path.
inline constexpr const char* kUserKey = "{user}";
// In a listed key path: any one subkey; as a listed value name: any value of the key (the page
// works on keys and values it finds).
inline constexpr const char* kAnyKey = "{any}";

// One registry value a page reads or writes; name "" is the key's default value.
struct RegBinding {
  Root root = Root::CurrentUser;
  std::string key;  // may start with kUserKey
  std::string name;
  Kind kind = Kind::Integer;
  // false: written only into a key that exists already (nothing is written otherwise).
  bool createsKey = true;
};

// The key path with kUserKey put in.
std::string ResolveKey(const PageContext& form, const std::string& key);

// --- check settings ----------------------------------------------------------------------------

// How the checked state is stored in its value.
enum class CheckRule {
  Number,    // checked: not empty and a number other than 0; writes onText / offText
  Inverted,  // checked: a number that is 0
  Exact,     // checked: exactly checkedText
  Bit,       // checked: the value's bits under mask are set; writes the value with them set/clear
};

// A check box, or an item of a check-box list, and the stored state behind it.
struct CheckSetting {
  std::string caption;
  std::optional<RegBinding> value;
  CheckRule rule = CheckRule::Number;
  std::string checkedText;  // Exact
  std::string onText = "1";
  std::string offText = "0";
  uint32_t mask = 0;  // Bit
  // A one-off action shown as a check box (clear on every visit): no state a profile keeps.
  bool oneOff = false;

  // A special case replaces the value: its own reader and writer, and the values they touch.
  std::function<bool(PageContext&)> read;
  std::function<void(PageContext&, bool checked)> write;
  std::vector<RegBinding> touches;
};

// "1"/"0" of the kind; inverted stores "0" when checked.
CheckSetting NumberCheck(std::string caption, RegBinding value, bool inverted = false);
// Checked when the value reads exactly as checkedText; writes onText or offText.
CheckSetting TextCheck(std::string caption, RegBinding value, std::string checkedText,
                       std::string onText, std::string offText);
// Number checks in one key, caption i paired with value name i.
std::vector<CheckSetting> PairedChecks(const std::vector<std::string>& captions, Root root,
                                       const std::string& key,
                                       const std::vector<std::string>& names,
                                       Kind kind = Kind::Integer);

// --- controls -----------------------------------------------------------------------------------

struct Place {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// An action of the page, bound to a control's event; name as the page table gives it.
struct ActionRef {
  std::string name;
  std::function<void(PageContext&)> run;
};

struct Label {
  int slot = 0;
  int left = 0;
  int top = 0;
  std::string caption;
};

// Check boxes in CheckBoxes firstSlot, firstSlot + 1, ..., one below the other, or each at
// its own place; inside the group box in GroupBoxes slot groupSlot when there is one.
struct CheckBoxes {
  int firstSlot = 0;
  int left = 20;
  int top = 40;
  int width = 350;
  int step = 20;
  std::vector<CheckSetting> checks;
  std::vector<Place> places;  // left, top and width of box i, when given
  int groupSlot = -1;
};

// A report list with check boxes and the one column "Programm", in ListViews slot.
struct CheckList {
  int slot = 0;
  Place at;
  std::vector<CheckSetting> checks;
};

// One value that selects one of several radio buttons: button i stands for stored[i]; a
// stored text that matches none leaves the buttons as built.
struct Radios {
  int firstSlot = 0;
  int left = 40;
  int top = 40;
  int width = 300;
  int step = 15;
  std::vector<std::string> captions;
  RegBinding value;
  std::vector<std::string> stored;
  int checkedAtBuild = -1;    // the button the builder checks, if any
  std::vector<Place> places;  // left, top and width of button i, when given
  // Group box (in GroupBoxes slot groupSlot) holding the buttons at their places inside it.
  std::optional<int> groupSlot;
  std::string groupCaption;
  Place groupAt;
};

// What a delete box does once the user said yes.
enum class AfterDelete { ResetSlider, ReadAgain };

// A check box that removes the slider's value at once, after asking.
struct DeleteBox {
  int slot = 0;
  Place at;
  std::string caption;
  ActionRef action;  // its name; the engine does the work unless run is set
  std::string question = "Wollen Sie den Registrierungseintrag entfernen ?";
  bool asksOnlyWhenChecked = false;
  AfterDelete after = AfterDelete::ReadAgain;
};

// A number behind a slider, with its value label (Labels slot valueLabel) that follows it.
// Without a value the slider is the page's own business (hooks read, write and bind it).
struct Slider {
  int slot = 0;
  int min = 0;
  int max = 100;
  int start = 0;
  Place at;
  std::optional<RegBinding> value;
  int valueLabel = 1;
  std::string missingText;  // the value label when nothing is stored ("" keeps what it shows)
  std::string readSuffix;   // after the number when the reader shows it (" ms")
  int scale = 1;            // the value holds the slider's number times scale (ms for s)
  ActionRef track;          // the change action's name (the engine shows the value)
  std::optional<DeleteBox> deleteBox;
};

// What an empty edit writes.
enum class EmptyEdit { WritesEmpty, DeletesValue, KeepsStored };

struct Edit {
  int slot = 0;
  int left = 0;
  int top = 0;
  int width = 200;
  std::optional<RegBinding> value;  // none: a special case reads and writes it
  EmptyEdit empty = EmptyEdit::WritesEmpty;
  bool readOnly = false;
};

struct Button {
  int slot = 0;
  Place at;
  std::string caption;
  ActionRef action;
};

struct GroupBox {
  int slot = 0;
  Place at;
  std::string caption;
};

using Control = std::variant<Label, CheckBoxes, CheckList, Radios, Slider, Edit, Button, GroupBox>;

// The usual check-list page: a text at top, the list below it down to the page's bottom.
std::vector<Control> CheckListControls(std::string text, int top, std::vector<CheckSetting> checks);

// --- the page -----------------------------------------------------------------------------------

// What a page's builder does with PageBuilding.
enum class BuildFlagPolicy { Untouched, HeldWhileBuilding, SetAndLeft, ClearedAtEnd };

using Hook = std::function<void(PageContext&)>;

struct SettingsPage {
  int pageId = 0;  // headline and information area come from the page table
  std::string description;
  BuildFlagPolicy buildFlag = BuildFlagPolicy::Untouched;
  std::vector<Control> controls;

  // Names as the page table gives them; the reader's hooks run under readerName.
  std::string readerName;
  std::string writerName;  // empty: the page binds no writer

  // Special cases beside the record, in this order: build, read, write.
  Hook afterBuild;  // more controls, made after the record's
  Hook beforeRead;
  Hook reader;  // replaces the walk over the controls' values
  Hook afterRead;
  Hook beforeWrite;
  Hook writer;      // replaces the walk over the controls' values
  Hook afterWrite;  // before "Änderungen übernommen"
  bool reportsApplied = true;
  // The writer does nothing while PageBuilding is 1: control events of the build write nothing.
  bool idleWhileBuilding = false;
  // What the hooks read or write and the actions they bind, for listing.
  std::vector<RegBinding> hookTouches;
  std::vector<std::string> hookActions;
};

// Every value a page reads or writes, in the order of its controls, then the hooks' values.
std::vector<RegBinding> PageValues(const SettingsPage& page);
// The names of the page's reader, writer and actions, for search and help.
std::vector<std::string> PageNames(const SettingsPage& page);

}  // namespace page
