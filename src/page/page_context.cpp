#include "page/page_context.h"

namespace page {

PageContext::PageContext(Services& servicesIn, ui::Panel*& pageHost)
    : PageArea(pageHost, WorkText, UserFont, servicesIn.trace),
      services(servicesIn),
      SharedRegistry(servicesIn.registry),
      regAccess_(SharedRegistry, *this, servicesIn.system, servicesIn.trace) {}

std::string PageContext::ReadReg(const RegBinding& value) {
  return ReadReg(value.root, ResolveKey(*this, value.key), value.name, value.kind);
}

void PageContext::WriteReg(const RegBinding& value, std::string_view text) {
  WriteReg(value.root, ResolveKey(*this, value.key), value.name, text, value.kind);
}

void PageContext::DeleteReg(const RegBinding& value) {
  DeleteReg(value.root, ResolveKey(*this, value.key), value.name, Removal::Value);
}

}  // namespace page
