// The page frame every page shares (headline, description, information area, apply binding,
// build flag, quiet failures) and the single controls pages are made of, each created in its
// slot, captioned and laid out by its factory.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "access/registry_object.h"
#include "page/settings_page.h"
#include "ui/controls.h"
#include "ui/list_view.h"

namespace page {

class PageContext;

// --- page frame --------------------------------------------------------------------------------

// Readers, writers and actions end quietly on any failure: the page stays as far as it got, and
// the failure goes to the trace under `where`.
void Quietly(PageContext& form, const std::function<void()>& body, std::string_view where = "page");

// Puts the page table's headline of the page on PagePanel, the description into RichEdit2 and
// hides what the page's information area does not show.
void BeginPage(PageContext& form, int pageId, const std::string& description);

// Binds the apply button to a writer; the writer runs quietly.
void BindWriter(PageContext& form, void (*writer)(PageContext&));
// An event handler that runs a page action quietly.
ui::Control::Handler Action(PageContext& form, void (*action)(PageContext&));

// Holds PageBuilding at 1 while a page is built, so writers bound to control events can tell
// the builder's changes from the user's.
class BuildFlag {
 public:
  explicit BuildFlag(PageContext& form);
  ~BuildFlag();
  BuildFlag(const BuildFlag&) = delete;
  BuildFlag& operator=(const BuildFlag&) = delete;

 private:
  PageContext& form_;
};

// --- single controls -----------------------------------------------------------------------------

// Each creates the control in its slot on PagePanel (or on parent), captions it and lays it
// out with the factory.
ui::Label* AddLabel(PageContext& form, int slot, int left, int top, const std::string& caption,
                    ui::Container* parent = nullptr);
ui::CheckBox* AddCheckBox(PageContext& form, int slot, int left, int top, int width,
                          const std::string& caption, ui::Container* parent = nullptr);
ui::RadioButton* AddRadioButton(PageContext& form, int slot, int left, int top, int width,
                                const std::string& caption, ui::Container* parent = nullptr,
                                bool checked = false);
ui::Edit* AddEdit(PageContext& form, int slot, int left, int top, int width,
                  const std::string& text = "");
ui::Button* AddButton(PageContext& form, int slot, int left, int top, int width, int height,
                      const std::string& caption);
ui::GroupBox* AddGroupBox(PageContext& form, int slot, int left, int top, int width, int height,
                          const std::string& caption);
// A report list with check boxes and the one column "Programm", with an item per caption; the
// column is at least as wide as the widest caption with its check box.
ui::ListView* AddCheckList(PageContext& form, int slot, int left, int top, int width, int height,
                           const std::vector<std::string>& captions = {});
// Room for the check box and the margins beside an item's caption.
inline constexpr int kCheckListCaptionRoom = 30;

// --- registry keys ----------------------------------------------------------------------------

// Opens an existing key of the shared registry object (without creating it; for reading only
// unless writable) for body and closes it again; a failing body ends there quietly. Returns
// whether the key opened.
bool WithExistingKey(PageContext& form, Root root, std::string_view path,
                     const std::function<void(sysaccess::TRegistry&)>& body, bool writable = true);
inline constexpr bool kReadOnlyKey = false;

// --- radio buttons -------------------------------------------------------------------------------

// The index (counted from firstSlot) of the checked one of count radio buttons, or -1.
int CheckedRadio(const PageContext& form, int firstSlot, int count);
// --- sliders ---------------------------------------------------------------------------------

// The text a slider's value label shows while no value is stored.
inline constexpr const char* kNoValue = "keine Angabe";

// Creates the slider in its slot with range and start value (without bevel) and lays it out.
ui::Slider* AddSlider(PageContext& form, int slot, int min, int max, int start, int left, int top,
                      int width, int height);

// Shows the value of Sliders slot 0 in Labels slot 1 (the value label), as the slider pages
// of every branch do while the user drags.
void TrackMenuDelay(PageContext& form);

}  // namespace page
