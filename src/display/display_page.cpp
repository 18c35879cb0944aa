#include "display/display_page.h"

#include <memory>
#include <optional>
#include <string>

#include "base/convert.h"
#include "display/monitor_dialog.h"
#include "page/page_frame.h"
#include "ui/list_view.h"

namespace display {
namespace {

constexpr const char* kDescription =
    "Es folgt die Auflistung aller durch die Grafikkarte unterstützten Grafikmodi. Falls Sie auf "
    "einen Eintrag klicken, wird in den Modus gewechselt.\n Manche Grafikkarten erlauben nicht "
    "das genaue Auslesen der Refreshrate. Hier steht deshalb im Refresh \"0\". Es wird dann in den "
    "Zustand \"Optimal\" gewechselt";

// What a test answer of the driver leads to: whether the mode is applied, and the message.
struct Outcome {
  bool apply;
  const char* message;  // none when null
};

Outcome OutcomeOf(os::DisplayChange answer, const char* restartMessage) {
  switch (answer) {
    case os::DisplayChange::Successful:
      return {true, nullptr};
    case os::DisplayChange::Restart:
      return {true, restartMessage};
    case os::DisplayChange::BadMode:
      return {false, "Graphikmodus wird nicht unterstützt"};
    case os::DisplayChange::NotUpdated:
      return {false,
              "Nur Windows NT : Eintragungen konnten nicht in Registrierung übernommen werden"};
    case os::DisplayChange::BadFlags:
      return {false, "Ungültige Parameter"};
    case os::DisplayChange::Failed:
    case os::DisplayChange::BadParam:
      return {false, nullptr};
  }
  return {false, nullptr};
}

// Tests mode n with the driver and applies it when the driver agrees.
void SwitchTo(page::PageContext& form, int n, const char* restartMessage) {
  os::Display& display = form.services.display;
  const Outcome outcome = OutcomeOf(display.ChangeTo(n, os::ChangeKind::Test), restartMessage);
  if (outcome.apply) display.ChangeTo(n, os::ChangeKind::UpdateRegistry);
  if (outcome.message) {
    form.MessageDlg(outcome.message, ui::kApplicationTitle, ui::MsgButtons::Ok, ui::MsgIcon::None);
  }
}

}  // namespace

int GetSettings_2(page::PageContext& form) {
  ui::ListView* list = form.ListViews[0];
  if (!list) return -1;
  os::Display& display = form.services.display;
  const os::DisplayMode current = display.Current();
  int currentModeIndex = -1;
  list->BeginUpdate();
  for (int n = 0;; ++n) {
    const std::optional<os::DisplayMode> mode = display.Mode(n);
    if (!mode) break;
    ui::ListItem* row =
        list->Add(base::IntToStr(mode->width) + " x " + base::IntToStr(mode->height));
    row->AddSubItem(base::IntToStr(mode->bitsPerPixel));
    row->AddSubItem(base::IntToStr(mode->frequency));
    if (*mode == current) currentModeIndex = n;
  }
  list->EndUpdate();
  if (currentModeIndex >= 0) {
    list->SetItemIndex(currentModeIndex);
    list->SetFocus();
  }
  return currentModeIndex;
}

void SetSettings(page::PageContext& form, int currentModeIndex) {
  ui::ListView* list = form.ListViews[0];
  if (!list || list->ItemIndex() < 0) return;
  SwitchTo(form, list->ItemIndex(), "Der Coputer muss neu gestartet werden");
  TForm5 confirmation(form.Backend(), &form.OwnerForm());
  if (!confirmation.Init()) ResetSettings(form, currentModeIndex);
}

void ResetSettings(page::PageContext& form, int currentModeIndex) {
  SwitchTo(form, currentModeIndex, "Der Computer muss neu gestartet werden");
}

namespace {

void BuildDisplayModesPage(page::PageContext& form) {
  page::BeginPage(form, kDisplayModesPage, kDescription);
  ui::ListView* list = form.Create(form.ListViews, 0);
  if (!list) return;
  form.ListView(0, 10, 40, 420, 260);
  list->SetStyle(ui::ViewStyle::Report);
  list->SetRowSelect(true);
  list->SetReadOnly(true);
  list->SetFlatScrollBars(true);
  list->SetHideSelection(false);
  list->AddColumn("Auflösung", 140);
  list->AddColumn("Farben(Bit)", 120);
  list->AddColumn("Refreshrate(Hz)", 130);
  // Rebuilt with the page, so the mode to go back to is the one current when the page opened.
  const int currentModeIndex = GetSettings_2(form);
  list->OnClick = [&form, currentModeIndex](ui::Control&) {
    page::Quietly(
        form, [&] { SetSettings(form, currentModeIndex); }, "display mode");
  };
}

}  // namespace

void RegisterDisplayPages(page::PageTable& table) {
  table.Register(kDisplayModesPage, BuildDisplayModesPage);
}

}  // namespace display
