#include "page/after_shown.h"

#include <memory>

#include "page/page_context.h"
#include "page/page_frame.h"

namespace page {

void AfterShown(PageContext& form, std::function<bool()> step, std::string where) {
  if (!form.PagePanel) {
    bool more = true;
    while (more) {
      more = false;
      Quietly(
          form, [&] { more = step(); }, where);
    }
    return;
  }
  auto* timer = form.PagePanel->Add<ui::Timer>();
  timer->SetInterval(kAfterShownMs);
  // Shared: a handler is copied for each event it runs, and the step keeps where it got.
  struct Work {
    std::function<bool()> step;
    bool running = false;
  };
  auto shared = std::make_shared<Work>(Work{std::move(step)});
  timer->OnTimer = [&form, shared, where = std::move(where)](ui::Control& control) {
    // A step that lets messages run gets its own timer's next ticks meanwhile: they wait.
    if (shared->running) return;
    auto& self = static_cast<ui::Timer&>(control);
    bool more = false;
    shared->running = true;
    Quietly(
        form, [&] { more = shared->step(); }, where);
    shared->running = false;
    // The step may have let a page change run: then this timer is gone with its page already.
    if (!more) self.SetActive(false);
  };
  timer->SetActive(true);
}

}  // namespace page
