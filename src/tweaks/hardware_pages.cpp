// The pages of the "Hardware" branch: CD autostart, mouse, disks, keyboard, printers, sound and
// monitor compatibility, as page records; what a record cannot say is in the hooks below it.
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/text.h"
#include "page/engine.h"
#include "page/page_context.h"
#include "page/page_frame.h"
#include "tweaks/branches.h"

namespace tweaks {
using namespace page;
namespace {

constexpr const char* kPoliciesExplorer =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kPoliciesNetwork =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network";
constexpr const char* kDesktop = "Control Panel\\Desktop";
constexpr const char* kPrint = "\\System\\CurrentControlSet\\Control\\Print";
constexpr const char* kPrintNoSlash = "System\\CurrentControlSet\\Control\\Print";

// --- 11 Autostart Data-CD ----------------------------------------------------------------------

constexpr const char* kNoDriveAutoRun = "NoDriveTypeAutorun";
// Windows' own setting: autostart off for unknown, network-less and floppy types.
constexpr int64_t kAutoRunBase = 189;

struct DriveBit {
  const char* caption;
  int64_t bit;
};
const DriveBit kDriveBits[] = {
    {"Autostart für wechselbarer Datenträger (z.B. Diskette)", 4},
    {"Autostart für CD-ROM", 32},
    {"Autostart für Festplatte", 8},
    {"Autostart für Netzlaufwerk", 16},
};

std::vector<CheckSetting> DriveAutoRunChecks() {
  std::vector<CheckSetting> checks;
  for (const DriveBit& drive : kDriveBits) {
    CheckSetting check;
    check.caption = drive.caption;
    const int64_t bit = drive.bit;
    // A box is on when Windows is not told to skip its drive type.
    check.read = [bit](PageContext& form) {
      const std::string text =
          form.ReadReg(Root::CurrentUser, kPoliciesExplorer, kNoDriveAutoRun, Kind::Integer);
      int32_t stored = 0;
      if (text.empty() || !base::TryStrToInt(text, stored)) return false;
      return (stored & bit) == 0;
    };
    check.write = [](PageContext&, bool) {};
    check.touches = {{Root::CurrentUser, kPoliciesExplorer, kNoDriveAutoRun, Kind::Integer}};
    checks.push_back(std::move(check));
  }
  return checks;
}

// The writer always starts from Windows' base, so bits the page does not show are reset.
void NoDriveAutoRun(PageContext& form) {
  int64_t value = kAutoRunBase;
  for (size_t i = 0; i < std::size(kDriveBits); ++i) {
    const ui::CheckBox* box = form.CheckBoxes[i];
    if (box && box->Checked()) value -= kDriveBits[i].bit;
  }
  form.WriteReg(Root::CurrentUser, kPoliciesExplorer, kNoDriveAutoRun, base::IntToStr(value),
                Kind::Integer);
}

// --- 12 AutoStart Audio-CD ---------------------------------------------------------------------

constexpr const char* kAudioCdShell = "SOFTWARE\\Classes\\AudioCD\\shell";

CheckSetting PlayAudioCheck() {
  CheckSetting check;
  check.caption = "Audio-CDs automatisch abspielen";
  check.read = [](PageContext& form) {
    return base::UpperCase(form.ReadReg(Root::LocalMachine, kAudioCdShell, "", Kind::String)) ==
           "PLAY";
  };
  check.write = [](PageContext& form, bool checked) {
    form.WriteReg(Root::LocalMachine, kAudioCdShell, "", checked ? "play" : "", Kind::String);
  };
  check.touches = {{Root::LocalMachine, kAudioCdShell, "", Kind::String}};
  return check;
}

// --- 13 AutoStart CD_Player -------------------------------------------------------------------

constexpr const char* kAudioCdPlay = "SOFTWARE\\Classes\\AudioCD\\shell\\play\\command";
constexpr const char* kCdaFilePlay = "SOFTWARE\\Classes\\cdafile\\shell\\play\\command";

void NewCDPlayer(PageContext& form) {
  ui::FileDialogOptions options;
  options.title = "CD-Abspielgerät suchen";
  options.filter = "Programmdateien (*.exe)|*.EXE";
  const std::optional<std::string> path = form.Backend().GetDialogs().OpenFile(options);
  if (!path || path->empty()) return;
  form.Edits[0]->SetText(*path + "  /play %1");
}

// Audio CDs and single tracks opened from the explorer play with the same program.
void WriteCdaPlayer(PageContext& form) {
  form.WriteReg(Root::LocalMachine, kCdaFilePlay, "", form.Edits[0]->Text(), Kind::String);
}

// --- 103 DMA-Modus -----------------------------------------------------------------------------

constexpr const char* kAtapi = "\\System\\CurrentControlSet\\Services\\atapi\\Parameters";
constexpr const char* kDmaValue = "DriverParameter";
constexpr const char* kDmaPrefix = "DmaDetectionLevel = ";
const char* const kDmaCodes[] = {"0x0", "0x1", "0x2"};
constexpr int kDmaDevices = 4;
constexpr int kDmaBuiltRadio = 2;

std::string DeviceKey(int device) {
  return std::string(kAtapi) + "\\Device" + base::IntToStr(static_cast<int64_t>(device));
}

int SelectedDevice(PageContext& form) {
  const ui::ComboBox* combo = form.ComboBoxes[0];
  const int index = combo ? combo->ItemIndex() : 0;
  return index >= 0 && index < kDmaDevices ? index : 0;
}

void ShowDmaMode(PageContext& form, int device) {
  // Another disk's setting is never left on show: without a value the buttons are as built.
  form.RadioButtons[kDmaBuiltRadio]->SetChecked(true);
  const std::string text =
      form.ReadReg(Root::LocalMachine, DeviceKey(device), kDmaValue, Kind::String);
  if (text.empty()) return;
  for (size_t i = 0; i < std::size(kDmaCodes); ++i) {
    if (text.find(kDmaCodes[i]) != std::string::npos) {
      form.RadioButtons[i]->SetChecked(true);
      return;
    }
  }
}

void GetDmaMode(PageContext& form) {
  ShowDmaMode(form, 0);
}

void GetDmaModeDriveX(PageContext& form) {
  ShowDmaMode(form, SelectedDevice(form));
}

void WriteDmaMode(PageContext& form) {
  const int checked = CheckedRadio(form, 0, static_cast<int>(std::size(kDmaCodes)));
  if (checked < 0) return;
  form.WriteReg(Root::LocalMachine, DeviceKey(SelectedDevice(form)), kDmaValue,
                std::string(kDmaPrefix) + kDmaCodes[checked], Kind::String);
}

void DeleteDmaMode(PageContext& form) {
  if (!form.Confirm("Wollen Sie den Registrierungseintrag wirklich entfernen ?")) return;
  for (int device = 0; device < kDmaDevices; ++device) {
    const std::string name = "Device" + base::IntToStr(static_cast<int64_t>(device));
    if (WithExistingKey(
            form, Root::LocalMachine, DeviceKey(device), [](sysaccess::TRegistry&) {},
            kReadOnlyKey)) {
      form.DeleteReg(Root::LocalMachine, kAtapi, name, Removal::Subkey);
    }
  }
}

void MakeDiskCombo(PageContext& form) {
  ui::ComboBox* combo = form.Create(form.ComboBoxes, 0);
  combo->SetStyle(ui::ComboStyle::DropDownList);
  combo->SetItems({"Festplatte 1", "Festplatte 2", "Festplatte 3", "Festplatte 4"});
  combo->SetItemIndex(0);
  form.ComboBox(0, 20, 40, 200, 21);
  combo->OnClick = Action(form, GetDmaModeDriveX);
  form.CheckBoxes[0]->OnClick = Action(form, DeleteDmaMode);
}

std::vector<RegBinding> DmaValues() {
  std::vector<RegBinding> values;
  for (int device = 0; device < kDmaDevices; ++device) {
    values.push_back({Root::LocalMachine, DeviceKey(device), kDmaValue, Kind::String});
  }
  return values;
}

CheckSetting DeleteDmaBox() {
  CheckSetting check;
  check.caption = "Alle Einträge aus der Registrierung entfernen";
  check.oneOff = true;
  // A one-shot action, not a setting: it shows clear and writes nothing.
  check.read = [](PageContext&) { return false; };
  check.write = [](PageContext&, bool) {};
  return check;
}

// --- 138 Ausgeschaltete Netzwerkdrucker ---------------------------------------------------------

constexpr const char* kDecayPeriod = "NetPrinterDecayPeriode";
constexpr int64_t kMillisPerMinute = 60000;

// The registry keeps milliseconds, the slider shows minutes.
void GetDruckerOut(PageContext& form) {
  const std::string text = form.ReadReg(Root::LocalMachine, kPrint, kDecayPeriod, Kind::Integer);
  if (text.empty()) return;
  const int64_t millis = base::StrToInt(text);
  const int minutes =
      static_cast<int>(std::llround(static_cast<double>(millis) / kMillisPerMinute));
  form.Sliders[0]->SetValue(minutes);
  form.Labels[1]->SetCaption(base::IntToStr(form.Sliders[0]->Value()));
}

void WriteDruckerOut(PageContext& form) {
  form.WriteReg(Root::LocalMachine, kPrint, kDecayPeriod,
                base::IntToStr(static_cast<int64_t>(form.Sliders[0]->Value()) * kMillisPerMinute),
                Kind::Integer);
}

// --- shared pieces -----------------------------------------------------------------------------

Radios PriorityRadios(const char* name) {
  return Radios{.captions = {"weniger Priorität", "Windowsstandard", "mehr Priorität"},
                .value = {Root::LocalMachine, kPrintNoSlash, name, Kind::Integer},
                .stored = {"-1", "0", "1"},
                // Built all checked, the last one stays checked.
                .checkedAtBuild = 2};
}

std::vector<Control> CheckListPage(std::string text, std::vector<CheckSetting> checks) {
  return {Label{0, 20, 40, std::move(text)}, CheckList{0, {20, 60, 420, 135}, std::move(checks)}};
}

std::vector<SettingsPage> MakeHardwarePages() {
  std::vector<SettingsPage> pages;

  pages.push_back({
      .pageId = 11,
      .description = "Legen Sie fest, bei welchen Laufwerken Windows eingelegte Datenträger "
                     "automatisch startet. Markieren Sie die Laufwerksarten und klicken Sie auf "
                     "\"Übernehmen\".",
      .controls = {CheckBoxes{.checks = DriveAutoRunChecks()}},
      .readerName = "GetNoDriveAutoRun",
      .writerName = "NoDriveAutoRun",
      .writer = NoDriveAutoRun,
      .hookTouches = {{Root::CurrentUser, kPoliciesExplorer, kNoDriveAutoRun, Kind::Integer}},
  });

  pages.push_back({
      .pageId = 12,
      .description = "Bestimmen Sie, ob eine eingelegte Audio-CD sofort abgespielt wird. "
                     "Klicken Sie auf \"Übernehmen\".",
      .controls = {CheckBoxes{.checks = {PlayAudioCheck()}}},
      .readerName = "GetPlayAutoAudio",
      .writerName = "PlayAutoAudio",
  });

  pages.push_back({
      .pageId = 13,
      .description = "Bestimmen Sie das Programm, das Audio-CDs abspielt. Wählen Sie es mit "
                     "\"...\" aus oder geben Sie den Befehl ein und klicken Sie auf "
                     "\"Übernehmen\".",
      .controls = {Label{0, 20, 43, "Player"},
                   Edit{0, 80, 40, 300,
                        RegBinding{Root::LocalMachine, kAudioCdPlay, "", Kind::String}},
                   Button{0, {385, 40, 25, 21}, "...", {"NewCDPlayer", NewCDPlayer}}},
      .readerName = "GetDefaultCDPlayer",
      .writerName = "WriteDefaultCDPlayer",
      .afterWrite = WriteCdaPlayer,
      .hookTouches = {{Root::LocalMachine, kCdaFilePlay, "", Kind::String}},
  });

  pages.push_back({
      .pageId = 45,
      .description = "Bestimmen Sie, wie schnell die Einfügemarke blinkt (Angabe in "
                     "Millisekunden, kleinere Werte blinken schneller). Klicken Sie auf "
                     "\"Übernehmen\".",
      .controls = {Slider{.min = 1,
                          .max = 60000,
                          .start = 530,
                          .at = {30, 60, 340, 23},
                          .value = RegBinding{Root::CurrentUser, kDesktop, "CursorBlinkRate",
                                              Kind::String},
                          .track = {"TrackBlinkSpeed", {}},
                          .deleteBox = DeleteBox{.at = {30, 140, 340, 13},
                                                 .caption = "Eintrag aus Registrierung entfernen",
                                                 .action = {"DelBlinkSpeed", {}},
                                                 .after = AfterDelete::ResetSlider}},
                   Label{1, 180, 85, kNoValue}, Label{2, 340, 85, "60000"},
                   Label{3, 30, 110, " Standardeinstellung ist 530."}},
      .readerName = "GetBlinkSpeed",
      .writerName = "WriteBlinkSpeed",
  });

  pages.push_back({
      .pageId = 46,
      .description = "Bestimmen Sie, wie weit die Maus mit gedrückter Taste bewegt werden muss, "
                     "bevor Windows ein Ziehen (Drag & Drop) erkennt (Angabe in Pixel). Klicken "
                     "Sie auf \"Übernehmen\".",
      .controls = {Label{0, 30, 40, "Entfernung horizontal"},
                   Slider{
                       .slot = 0,
                       .min = 1,
                       .max = 100,
                       .start = 2,
                       .at = {30, 60, 340, 23},
                       .value = RegBinding{Root::CurrentUser, kDesktop, "DragHeight", Kind::String},
                       .valueLabel = 1,
                       .track = {"TrackMouseDrag", {}}},
                   Label{1, 180, 85, kNoValue}, Label{2, 340, 85, "100"},
                   Label{3, 30, 120, "Entfernung vertikal"},
                   Slider{
                       .slot = 1,
                       .min = 1,
                       .max = 100,
                       .start = 2,
                       .at = {30, 140, 340, 23},
                       .value = RegBinding{Root::CurrentUser, kDesktop, "DragWidth", Kind::String},
                       .valueLabel = 4,
                       .track = {"TrackMouseDrag1", {}}},
                   Label{4, 180, 165, kNoValue}, Label{5, 340, 165, "100"}},
      .readerName = "GetMouseDrag",
      .writerName = "WriteMouseDrag",
  });

  pages.push_back({
      .pageId = 47,
      .description = "Bestimmen Sie, wie weit sich die Maus zwischen den beiden Klicks eines "
                     "Doppelklicks bewegen darf. Klicken Sie auf \"Übernehmen\".",
      .controls = {Label{
                       0, 30, 40,
                       "Maximale horizontale Bewegung des Mauszeigers während des Doppelklicks in "
                       "Pixel. "},
                   Slider{.slot = 0,
                          .min = 1,
                          .max = 100,
                          .start = 2,
                          .at = {30, 60, 340, 23},
                          .value = RegBinding{Root::CurrentUser, kDesktop, "DoubleClickWidth",
                                              Kind::String},
                          .valueLabel = 1,
                          .track = {"TrackMouseDouble", {}}},
                   Label{1, 180, 85, kNoValue}, Label{2, 340, 85, "100"},
                   Label{3, 30, 120,
                         "Maximale vertikale Bewegung des Mauszeigers während des Doppelklicks in "
                         "Pixel. "},
                   Slider{.slot = 1,
                          .min = 1,
                          .max = 100,
                          .start = 2,
                          .at = {30, 140, 340, 23},
                          .value = RegBinding{Root::CurrentUser, kDesktop, "DoubleClickHeight",
                                              Kind::String},
                          .valueLabel = 4,
                          .track = {"TrackMouseDouble1", {}}},
                   Label{4, 180, 165, kNoValue}, Label{5, 340, 165, "100"}},
      .readerName = "GetMouseDouble",
      .writerName = "WriteMouseDouble",
  });

  pages.push_back({
      .pageId = 48,
      .description = "Schalten Sie die Maus ab, wenn der Rechner nur mit der Tastatur bedient "
                     "werden soll. Klicken Sie auf \"Übernehmen\"; die Änderung wirkt nach dem "
                     "nächsten Neustart.",
      .controls = {Label{0, 20, 40, "Für administrative Zwecke können Sie die Maus deaktivieren. "},
                   CheckBoxes{.top = 65,
                              .checks = {NumberCheck(
                                  "Maus ist aktiviert",
                                  {Root::LocalMachine,
                                   "\\System\\CurrentControlSet\\Services\\Mouclass", "Start"})}}},
      .readerName = "GetMouseDeaktive",
      .writerName = "WriteMouseDeaktive",
  });

  pages.push_back({
      .pageId = 82,
      .description = "Legen Sie fest, ab wie viel Prozent freiem Speicherplatz Windows vor einer "
                     "vollen Festplatte warnt. Klicken Sie auf \"Übernehmen\".",
      .controls = {Slider{.min = 1,
                          .max = 100,
                          .start = 10,
                          .at = {30, 60, 340, 23},
                          .value = RegBinding{Root::LocalMachine,
                                              "\\System\\CurrentControlSet\\Services\\LanmanServer"
                                              "\\Parameters",
                                              "DiskSpaceThreshold", Kind::Integer},
                          .missingText = "Keine Angabe",
                          .readSuffix = " %",
                          .deleteBox = DeleteBox{.at = {30, 120, 340, 13},
                                                 .caption = "Eintrag wieder löschen",
                                                 .action = {"DeleteHDVoll", {}}}},
                   Label{1, 180, 85, kNoValue}, Label{2, 340, 85, "100"}},
      .readerName = "GetHDVoll",
      .writerName = "WriteHDVoll",
  });

  pages.push_back({
      .pageId = 103,
      .description = "Schalten Sie den DMA-Modus der IDE-Festplatten ein oder aus. Wählen Sie "
                     "die Festplatte, dann die Einstellung, und klicken Sie auf \"Übernehmen\"; "
                     "die Änderung wirkt nach dem nächsten Neustart.",
      .controls = {Radios{
                       .top = 80,
                       .step = 20,
                       .captions = {"DMA deaktiviert", "DMA automatisch wählen", "DMA aktivieren"},
                       .value = {Root::LocalMachine, DeviceKey(0), kDmaValue, Kind::String},
                       .stored = {"0x0", "0x1", "0x2"},
                       .checkedAtBuild = kDmaBuiltRadio},
                   CheckBoxes{.top = 160, .checks = {DeleteDmaBox()}}},
      .readerName = "GetDmaMode",
      .writerName = "WriteDmaMode",
      .afterBuild = MakeDiskCombo,
      .reader = GetDmaMode,
      .writer = WriteDmaMode,
      .hookTouches = DmaValues(),
      .hookActions = {"GetDmaModeDriveX", "DeleteDmaMode"},
  });

  pages.push_back({
      .pageId = 114,
      .description = "Bestimmen Sie, wie oft in der Sekunde eine PS/2-Maus abgefragt wird. "
                     "Höhere Werte lassen den Mauszeiger ruhiger laufen. Klicken Sie auf "
                     "\"Übernehmen\"; die Änderung wirkt nach dem nächsten Neustart.",
      .controls = {Label{0, 30, 40, "Wert für Mausabfrage"},
                   Slider{.min = 0,
                          .max = 200,
                          .start = 60,
                          .at = {30, 60, 340, 23},
                          .value = RegBinding{Root::LocalMachine,
                                              "\\SYSTEM\\CurrentControlSet\\Services\\i8042prt\\"
                                              "Parameters",
                                              "SampleRate", Kind::Integer}},
                   Label{1, 180, 85, "60"}, Label{2, 340, 85, "200"}},
      .readerName = "GetMausAbfrage",
      .writerName = "WriteMausAbfrage",
  });

  pages.push_back({
      .pageId = 127,
      .description = "Legen Sie das Verhalten der Tastatur fest. Klicken Sie auf \"Übernehmen\"; "
                     "die Änderungen wirken nach dem nächsten Anmelden.",
      .controls = {CheckBoxes{
          .checks = {TextCheck("Numlock-Taste beim Starten aktivieren",
                               {Root::CurrentUser, "\\Control Panel\\Keyboard",
                                "InitialKeyboardIndicators", Kind::String},
                               "2", "2", "0"),
                     NumberCheck("Windows Tasten deaktivieren",
                                 {Root::CurrentUser, kPoliciesExplorer, "NoWinKeys", Kind::String}),
                     NumberCheck("System über die Tastatur ohne Abfrage neu starten",
                                 {Root::LocalMachine,
                                  "\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                                  "EnableQuickReboot", Kind::String})}}},
      .readerName = "GetTastatur",
      .writerName = "WriteTastatur",
  });

  pages.push_back({
      .pageId = 131,
      .description = "Stellen Sie ein, wie Windows druckt und über Drucker im Netz informiert. "
                     "Markieren Sie die gewünschten Optionen und klicken Sie auf "
                     "\"Übernehmen\".",
      .controls = CheckListPage(
          "Bestimmen Sie die Druckeroptionen",
          {NumberCheck("Druckausgabe von Formularen in DOS-Programmen beschleunigen",
                       {Root::LocalMachine, "\\SYSTEM\\CurrentControlSet\\Control\\WOW",
                        "LPT_timeout", Kind::String}),
           NumberCheck("Print Info auf dem Server ausschalten",
                       {Root::LocalMachine,
                        "\\System\\CurrentControlSet\\Control\\Print\\Providers", "NetPopup"},
                       true),
           NumberCheck("Printer Browsing deaktivieren",
                       {Root::LocalMachine, kPrint, "DisableServerThread"}),
           // The caption promises silence: checked switches the beep off.
           NumberCheck("Tonausgabe beim Druckerfehler abschalten",
                       {Root::LocalMachine, kPrint, "BeepEnabled"}, true)}),
      .readerName = "GetDrucker1",
      .writerName = "WriteDrucker1",
  });

  pages.push_back({
      .pageId = 133,
      .description = "Schränken Sie ein, was Benutzer an Druckern und Freigaben ändern dürfen. "
                     "Markieren Sie die gewünschten Einschränkungen und klicken Sie auf "
                     "\"Übernehmen\".",
      .controls = CheckListPage(
          "Bestimmen Sie die Einschränkungen für Drucker",
          {NumberCheck("Freigabe von Druckern im Netz verhindern",
                       {Root::LocalMachine, kPoliciesNetwork, "NoPrintSharing"}),
           NumberCheck("Datei- und Druckerfreigabe im Netze ausschalten",
                       {Root::CurrentUser, kPoliciesExplorer, "NoFileSharingControl"}),
           NumberCheck("Im Druckermenü die Register \"Allgemein\" und \"Details\" verstecken",
                       {Root::CurrentUser, kPoliciesExplorer, "NoPrinterTabs"}),
           NumberCheck("Drucker können nicht mehr entfernt werden",
                       {Root::CurrentUser, kPoliciesExplorer, "NoDeletePrinter"}),
           NumberCheck("Neuinstallation von Druckern verhindern",
                       {Root::CurrentUser, kPoliciesExplorer, "NoAddPrinter"}),
           NumberCheck(
               "Neuen Drucker werden nicht freigegeben(bestehende Freigaben bleiben erhalten",
               {Root::CurrentUser, kPoliciesNetwork, "NoPrintSharingControl"})}),
      .readerName = "GetDrucker2",
      .writerName = "WriteDrucker2",
  });

  pages.push_back({
      .pageId = 135,
      .description = "Bestimmen Sie, mit welcher Priorität Windows die Druckeranschlüsse "
                     "bedient. Klicken Sie auf \"Übernehmen\".",
      .controls = {PriorityRadios("PortThreadPriority")},
      .readerName = "GetDruckPrio",
      .writerName = "WriteDruckPrio",
  });
  pages.push_back({
      .pageId = 136,
      .description = "Bestimmen Sie, wie viel Prozessorzeit der Zeitplandienst der Drucker "
                     "erhält. Klicken Sie auf \"Übernehmen\".",
      .controls = {PriorityRadios("SchedulerThreadPriority")},
      .readerName = "GetDruckThread",
      .writerName = "WriteDruckThread",
  });
  pages.push_back({
      .pageId = 137,
      .description = "Bestimmen Sie die Priorität des Druckerspoolers. Klicken Sie auf "
                     "\"Übernehmen\".",
      .controls = {PriorityRadios("SpoolerPriority")},
      .readerName = "GetDruckSpoolerPrio",
      .writerName = "WriteDruckSpoolerPrio",
  });

  pages.push_back({
      .pageId = 138,
      .description = "Bestimmen Sie, nach wie vielen Minuten ein ausgeschalteter Drucker im Netz "
                     "aus der Liste verschwindet. Klicken Sie auf \"Übernehmen\".",
      .controls = {Label{0, 30, 40, "Bestimmen Sie die Zeit (Min)"},
                   Slider{.min = 1, .max = 200, .start = 10, .at = {30, 60, 340, 23}},
                   Label{1, 180, 85, "60"}, Label{2, 340, 85, "200"}},
      .readerName = "GetDruckerOut",
      .writerName = "WriteDruckerOut",
      .reader = GetDruckerOut,
      .writer = WriteDruckerOut,
      .hookTouches = {{Root::LocalMachine, kPrint, kDecayPeriod, Kind::Integer}},
  });

  pages.push_back({
      .pageId = 140,
      .description = "Schalten Sie den Systemlautsprecher ab oder lassen Sie DVDs mit dem "
                     "MediaPlayer abspielen. Klicken Sie auf \"Übernehmen\".",
      .controls = {CheckBoxes{
          .checks = {TextCheck("Windows Systemlautsprecher deaktivieren",
                               {Root::CurrentUser, "\\Control Panel\\Sound", "Beep", Kind::String},
                               "NO", "NO", "YES"),
                     TextCheck(
                         "DVDs mit dem MediaPlayer abspielen",
                         {Root::CurrentUser, "\\Software\\Microsoft\\MediaPlayer\\Player\\Settings",
                          "EnableDVDUI", Kind::String},
                         "YES", "YES", "NO")}}},
      .readerName = "GetSoundOptions",
      .writerName = "WriteSoundOptions",
  });

  pages.push_back({
      .pageId = 145,
      .description = "Bestimmen Sie, was Windows nach dem Ändern der Anzeigeeigenschaften tut. "
                     "Klicken Sie auf \"Übernehmen\".",
      // Nothing stored leaves all buttons clear, so applying without a choice writes nothing.
      .controls = {Label{0, 20, 40, "Nach dem Ändern der Anzeigeeigenschaften"},
                   Radios{.top = 65,
                          .width = 400,
                          .step = 20,
                          .captions = {"Vor dem Übernhemen der neuen Anzeigeeinstellungen neu "
                                       "starten",
                                       "Die neuen Anzeigeeinstellungen ohne Neustart übernehmen",
                                       "Zum Übernehmen der neuen Anzeigeeinstellungen auffordern"},
                          .value = {Root::CurrentUser,
                                    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Controls "
                                    "Folder\\Display",
                                    "DynaSettingsChange", Kind::String},
                          .stored = {"0", "1", "2"}}},
      .readerName = "GetMonitorAnzeige",
      .writerName = "WriteMonitorAnzeige",
  });

  return pages;
}

}  // namespace

const std::vector<SettingsPage>& HardwarePages() {
  static const std::vector<SettingsPage> pages = MakeHardwarePages();
  return pages;
}

void RegisterHardwarePages(PageTable& table) {
  RegisterSettingsPages(table, HardwarePages());
}

}  // namespace tweaks
