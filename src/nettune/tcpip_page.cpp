#include "nettune/tcpip_page.h"

#include "nettune/tcpip_frame.h"
#include "page/page_context.h"
#include "page/page_frame.h"

namespace nettune {
namespace {

void BuildTcpIpPage(page::PageContext& form) {
  page::BeginPage(form, kTcpIpPage, "");
  // The stack's parameters are laid out per adapter on NT 4.0 and per interface on Windows
  // 2000; other systems get an empty page.
  if (form.WindowsVersion != 1 && form.WindowsVersion != 2) return;
  if (!form.PagePanel) return;
  auto* frame = form.PagePanel->Add<TFrame51>(
      form, form.WindowsVersion == 1 ? Layout::Adapters : Layout::Interfaces);
  page::Quietly(
      form, [frame] { frame->Load(); }, "TFrame51");
}

}  // namespace

void RegisterTcpIpPages(page::PageTable& table) {
  table.Register(kTcpIpPage, BuildTcpIpPage);
}

}  // namespace nettune
