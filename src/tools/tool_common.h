// What the list tools share: headline, description, buttons and list views laid out through the
// page factories, and the way their readers and handlers report an error.
#pragma once

#include <exception>
#include <functional>
#include <string>

#include "page/page_context.h"
#include "page/page_frame.h"
#include "ui/controls.h"
#include "ui/list_view.h"
#include "ui/picture.h"

namespace tools {

// Runs a reader or handler. An error (a registry value of the wrong type, an unreadable file)
// ends it with the application's default exception message; the page change would otherwise
// swallow errors raised while a page is built. The shared registry object is left closed.
template <class F>
void Reported(page::PageContext& form, F&& body) {
  try {
    body();
  } catch (const std::exception& error) {
    form.SharedRegistry.CloseKey();
    form.Backend().HandleException(error);
  }
}

// A button in BitBtns slot `slot` whose click runs `onClick`.
inline ui::Button* MakeButton(page::PageContext& form, int slot, const std::string& caption,
                              const ui::Rect& bounds, std::function<void()> onClick) {
  ui::Button* button = form.Create(form.BitBtns, slot);
  if (!button) return nullptr;
  form.WorkText = caption;
  form.BitBtn(slot, bounds.left, bounds.top, bounds.width, bounds.height);
  button->OnClick = [onClick = std::move(onClick)](ui::Control&) { onClick(); };
  return button;
}

// The list view of a tool page in ListViews slot 0: no border, the selection visible when the
// list loses the focus.
inline ui::ListView* MakeList(page::PageContext& form, const ui::Rect& bounds, ui::ViewStyle style,
                              bool flatScrollBars = true) {
  ui::ListView* list = form.Create(form.ListViews, 0);
  if (!list) return nullptr;
  form.ListView(0, bounds.left, bounds.top, bounds.width, bounds.height);
  list->SetStyle(style);
  list->SetBorder(ui::BorderStyle::None);
  list->SetFlatScrollBars(flatScrollBars);
  list->SetHideSelection(false);
  return list;
}

// The page's list, or none once the page is gone.
inline ui::ListView* PageList(page::PageContext& form) {
  return form.ListViews[0];
}

// Keeps a list's bulk update balanced while the list is the page's; a list whose page has gone
// is only waiting to be freed.
class PageListUpdate {
 public:
  PageListUpdate(page::PageContext& form, ui::ListView& list) : form_(form), list_(list) {
    list_.BeginUpdate();
  }
  ~PageListUpdate() {
    if (PageList(form_) == &list_) list_.EndUpdate();
  }
  PageListUpdate(const PageListUpdate&) = delete;
  PageListUpdate& operator=(const PageListUpdate&) = delete;

 private:
  page::PageContext& form_;
  ui::ListView& list_;
};

}  // namespace tools
