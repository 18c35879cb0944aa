#include "page/page_context.h"

namespace page {

PageContext::PageContext(Services& servicesIn, ui::Panel*& pageHost)
    : PageArea(pageHost, WorkText, UserFont, servicesIn.trace),
      services(servicesIn),
      SharedRegistry(servicesIn.registry),
      regAccess_(SharedRegistry, *this, servicesIn.system, servicesIn.trace) {}

}  // namespace page
