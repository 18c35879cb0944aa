// The shapes most settings pages are made of, written once: the page frame (headline,
// description, information area, apply binding, build flag), check settings on check boxes or
// on the items of a check-box list, radio settings, slider settings with their value label and
// delete box, and edit settings. A branch declares its pages as data in these terms and keeps
// its own code for what is really special.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "access/registry_object.h"
#include "ui/controls.h"
#include "ui/list_view.h"

namespace page {
class PageContext;
}

namespace page {

// --- page frame --------------------------------------------------------------------------------

// Readers, writers and actions end quietly on any failure: the page stays as far as it got, and
// the failure goes to the trace under `where`.
void Quietly(page::PageContext& form, const std::function<void()>& body,
             std::string_view where = "page");

// Puts the page table's headline of the page on PagePanel, the description into RichEdit2 and
// hides what the page's information area does not show.
void BeginPage(page::PageContext& form, int pageId, const std::string& description);

// Binds the apply button to a writer; the writer runs quietly.
void BindWriter(page::PageContext& form, void (*writer)(page::PageContext&));
// An event handler that runs a page action quietly.
ui::Control::Handler Action(page::PageContext& form, void (*action)(page::PageContext&));

// Holds PageBuilding at 1 while a page is built, so writers bound to control events can tell
// the builder's changes from the user's.
class BuildFlag {
 public:
  explicit BuildFlag(page::PageContext& form);
  ~BuildFlag();
  BuildFlag(const BuildFlag&) = delete;
  BuildFlag& operator=(const BuildFlag&) = delete;

 private:
  page::PageContext& form_;
};

// --- single controls -----------------------------------------------------------------------------

// Each creates the control in its slot on PagePanel (or on parent), captions it and lays it
// out with the factory.
ui::Label* AddLabel(page::PageContext& form, int slot, int left, int top,
                    const std::string& caption, ui::Container* parent = nullptr);
ui::CheckBox* AddCheckBox(page::PageContext& form, int slot, int left, int top, int width,
                          const std::string& caption, ui::Container* parent = nullptr);
ui::RadioButton* AddRadioButton(page::PageContext& form, int slot, int left, int top, int width,
                                const std::string& caption, ui::Container* parent = nullptr,
                                bool checked = false);
ui::Edit* AddEdit(page::PageContext& form, int slot, int left, int top, int width,
                  const std::string& text = "");
ui::Button* AddButton(page::PageContext& form, int slot, int left, int top, int width, int height,
                      const std::string& caption);
ui::GroupBox* AddGroupBox(page::PageContext& form, int slot, int left, int top, int width,
                          int height, const std::string& caption);
// A report list with check boxes and the one column "Programm".
ui::ListView* AddCheckList(page::PageContext& form, int slot, int left, int top, int width,
                           int height);

// --- registry values ----------------------------------------------------------------------------

// One registry value as the access functions address it: root selector, key path, value name
// (the empty name is the default value).
struct RegValueRef {
  int root = 1;
  std::string key;
  std::string name;
};

// Opens an existing key of the shared registry object (root selector as for ReadReg, without
// creating it; for reading only unless writable) for body and closes it again; a failing body
// ends there quietly. Returns whether the key opened.
bool WithExistingKey(page::PageContext& form, int root, std::string_view path,
                     const std::function<void(sysaccess::TRegistry&)>& body, bool writable = true);
inline constexpr bool kReadOnlyKey = false;

// True when a stored text reads as set: not empty and its integer not 0. A text that is no
// number reads as not set.
bool ReadsSet(std::string_view text);
// True when a stored text is a number that is 0 (the set state of an inverted setting).
bool ReadsZero(std::string_view text);

// --- check settings ------------------------------------------------------------------------------

// A check box or a check-box list item and the stored state behind it.
struct CheckSetting {
  std::string caption;
  std::function<bool(page::PageContext&)> read;                 // true: checked
  std::function<void(page::PageContext&, bool checked)> write;  // runs on every apply
};

// "1"/"0" of kind "i" (DWORD) or "s" (string); an inverted setting stores "0" when checked and
// reads as checked when it holds 0. A missing value reads as unchecked either way.
CheckSetting NumberCheck(std::string caption, RegValueRef value, std::string kind = "i",
                         bool inverted = false);
// Checked when the value reads exactly as checkedText; writes onText or offText of the kind.
CheckSetting TextCheck(std::string caption, RegValueRef value, std::string kind,
                       std::string checkedText, std::string onText, std::string offText);
// Integer check settings in one key, item i paired with value name i.
std::vector<CheckSetting> PairedChecks(const std::vector<std::string>& captions, int root,
                                       const std::string& key,
                                       const std::vector<std::string>& names);

// The usual check-list page: headline and description, a text at top and below it the list in
// ListViews slot 0 down to the bottom of the page area; reader and writer are the page's own.
void BuildCheckListPage(page::PageContext& form, int pageId, const std::string& description,
                        const std::string& text, int top, void (*reader)(page::PageContext&),
                        void (*writer)(page::PageContext&));

// Check-box list items: added in order, unchecked.
void AddCheckItems(ui::ListView& list, const std::vector<CheckSetting>& settings);
// Reads item i from setting i; a setting that fails leaves its item and goes on with the next.
void ReadChecks(page::PageContext& form, ui::ListView& list,
                const std::vector<CheckSetting>& settings);
void WriteChecks(page::PageContext& form, const ui::ListView& list,
                 const std::vector<CheckSetting>& settings);
// The usual reader of a check list: its items, then their stored state.
void FillChecks(page::PageContext& form, ui::ListView& list,
                const std::vector<CheckSetting>& settings);
// The usual writer: every item, then "Änderungen übernommen".
void ApplyChecks(page::PageContext& form, const ui::ListView& list,
                 const std::vector<CheckSetting>& settings);
// The same for check boxes in CheckBoxes slots firstSlot, firstSlot + 1, ...
void ReadCheckBoxes(page::PageContext& form, int firstSlot,
                    const std::vector<CheckSetting>& settings);
void WriteCheckBoxes(page::PageContext& form, int firstSlot,
                     const std::vector<CheckSetting>& settings);

// --- radio settings ------------------------------------------------------------------------------

// One value whose stored text selects one of several radio buttons: button i stands for
// values[i].
struct RadioSetting {
  RegValueRef value;
  std::string kind = "s";
  std::vector<std::string> values;
};

// The index (counted from firstSlot) of the checked one of count radio buttons, or -1.
int CheckedRadio(const page::PageContext& form, int firstSlot, int count);
// Checks the button whose value is stored; any other text leaves the buttons as they are.
void ReadRadios(page::PageContext& form, int firstSlot, const RadioSetting& setting);
// Writes the value of the checked button; nothing when none is checked.
void WriteRadios(page::PageContext& form, int firstSlot, const RadioSetting& setting);

// --- slider settings -----------------------------------------------------------------------------

// The text a slider's value label shows while no value is stored.
inline constexpr const char* kNoValue = "keine Angabe";

// Creates the slider in its slot with range and start value (without bevel) and lays it out.
ui::Slider* AddSlider(page::PageContext& form, int slot, int min, int max, int start, int left,
                      int top, int width, int height);

// A number stored as decimal text behind a slider.
struct SliderSetting {
  RegValueRef value;
  std::string kind = "s";
};
// Sets the slider from the stored number and returns true; false (slider untouched) when
// nothing is stored. A stored text that is no number throws, which ends the calling reader.
bool ReadSlider(page::PageContext& form, int slot, const SliderSetting& setting);
void WriteSlider(page::PageContext& form, int slot, const SliderSetting& setting);

// Shows the value of Sliders slot 0 in Labels slot 1 (the value label), as the slider pages
// of every branch do while the user drags.
void TrackMenuDelay(page::PageContext& form);

// --- delete box ----------------------------------------------------------------------------------

inline constexpr const char* kDeleteQuestion = "Wollen Sie den Registrierungseintrag entfernen ?";

// A check box whose click runs a delete action of the page.
ui::CheckBox* AddDeleteBox(page::PageContext& form, int slot, int left, int top, int width,
                           const std::string& caption, void (*action)(page::PageContext&));
// The delete action's question: only a box that has just been checked asks (taking the mark
// away again is no request); true when the user answered "&Ja".
bool ConfirmDelete(page::PageContext& form, const ui::CheckBox* box,
                   const std::string& question = kDeleteQuestion);

// --- edit settings -------------------------------------------------------------------------------

// A text stored as a value of kind "s" (or "i"); with emptyDeletes an empty edit removes the
// value instead of writing an empty text.
struct EditSetting {
  RegValueRef value;
  std::string kind = "s";
  bool emptyDeletes = false;
};
void ReadEdit(page::PageContext& form, int slot, const EditSetting& setting);
void WriteEdit(page::PageContext& form, int slot, const EditSetting& setting);

}  // namespace page
