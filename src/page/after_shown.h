// Work a page does once it is on the screen: lists that take long to read are filled after the
// page has shown, in steps on a timer of the page, so the window answers between steps. The
// timer goes with the page: a page change meanwhile ends the work (the program has no threads).
#pragma once

#include <functional>
#include <string>

namespace page {

class PageContext;

// The timer's interval; the system makes it at least the shortest it has (10 ms on NT).
inline constexpr int kAfterShownMs = 1;

// Runs step, quietly, once the page has shown, and again on every tick while it returns true.
// Without a page (none built yet) the steps run at once.
void AfterShown(PageContext& form, std::function<bool()> step, std::string where);

}  // namespace page
