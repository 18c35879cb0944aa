// The registry pages of the "Windowseinstellungen" branch with "Installation" and "Optimieren",
// and the "Bootvorgang" pages for automatic log-on, the disk check and the boot options, as page
// records; what a record cannot say is in the hooks below it. The support information page lives in
// its own file (it writes files, not values).
#include <cstdint>
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

constexpr const char* kWinlogon = "\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr const char* kDesktop = "\\Control Panel\\Desktop";
constexpr const char* kMemory =
    "\\System\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr const char* kMemoryUpper =
    "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
constexpr const char* kSessionManager = "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager";
constexpr const char* kNtCurrentVersion = "Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr int kMillisPerSecond = 1000;

RegBinding Machine(const char* key, const char* name, Kind kind) {
  return {Root::LocalMachine, key, name, kind};
}

// Built all checked, so the last button shows checked until the reader finds a stored text.
int LastChecked(const std::vector<std::string>& captions) {
  return static_cast<int>(captions.size()) - 1;
}

Radios RadioSetting(std::vector<std::string> captions, RegBinding value,
                    std::vector<std::string> stored, int width = 420) {
  const int last = LastChecked(captions);
  return Radios{.top = 45,
                .width = width,
                .step = 25,
                .captions = std::move(captions),
                .value = std::move(value),
                .stored = std::move(stored),
                .checkedAtBuild = last};
}

// Labels under a slider: the lowest number at the left, the value label in the middle, the
// highest at the right.
std::vector<Control> SliderScale(int valueSlot, int firstSlot, int top, const char* low,
                                 const char* middle, const char* high) {
  return {Label{firstSlot, 30, top, low}, Label{valueSlot, 190, top, middle},
          Label{firstSlot + 1, 355, top, high}};
}

template <class... Parts>
std::vector<Control> Join(Parts... parts) {
  std::vector<Control> joined;
  (joined.insert(joined.end(), parts.begin(), parts.end()), ...);
  return joined;
}

// --- 129 Optionen ------------------------------------------------------------------------------

constexpr const char* kNtWindows = "\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

// Any stored text but "0" means the messages are off, a missing value included.
CheckSetting ErrorModeCheck() {
  CheckSetting check;
  check.caption = "Keine Systemfehlermeldungen beim Booten anzeigen";
  check.read = [](PageContext& form) {
    return form.ReadReg(Root::CurrentUser, kNtWindows, "ErrorMode", Kind::Integer) != "0";
  };
  check.write = [](PageContext& form, bool checked) {
    form.WriteReg(Root::CurrentUser, kNtWindows, "ErrorMode", checked ? "1" : "0", Kind::Integer);
  };
  check.touches = {{Root::CurrentUser, kNtWindows, "ErrorMode", Kind::Integer}};
  return check;
}

// --- 51 Digitale Signatur ------------------------------------------------------------------------

void CheckDigSignature(PageContext& form) {
  const char* program = form.WindowsVersion >= 1 ? "\\System32\\sigverif.exe" : "\\sigverif.exe";
  form.services.shell.Execute({"open", form.WindowsDir + program, "", "", 1});
}

// --- 56 Willkommen Dialog
// --------------------------------------------------------------------------

constexpr const char* kTips =
    "{user}\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\tips";

RegBinding Tips(const char* name) {
  return {Root::Users, kTips, name, Kind::Integer};
}

CheckSetting BrowserWelcomeCheck() {
  CheckSetting check;
  check.caption = "InternetExplorer \"Willkommen Fenster\" anzeigen";
  check.read = [](PageContext& form) {
    const std::string text =
        form.ReadReg(Root::Users, ResolveKey(form, kTips), "ShowIE4Plus", Kind::Integer);
    return !text.empty() && base::StrToInt(text) != 0;
  };
  check.write = [](PageContext&, bool) {};  // the page's writer stores it
  check.touches = {Tips("ShowIE4Plus")};
  return check;
}

// Only the NT family keeps these per user; elsewhere the page writes nothing.
void WriteWelcome(PageContext& form) {
  if (form.WindowsVersion < 1) return;
  const std::string key = ResolveKey(form, kTips);
  form.WriteReg(Root::Users, key, "Show", form.CheckBoxes[0]->Checked() ? "1" : "0", Kind::Integer);
  // Switching the browser's welcome off also clears its flag, so it stays off.
  const bool browser = form.CheckBoxes[1]->Checked();
  form.WriteReg(Root::Users, key, "DisableStartHtm", browser ? "0" : "1", Kind::Integer);
  form.WriteReg(Root::Users, key, "ShowIE4", browser ? "1" : "0", Kind::Integer);
}

// --- 64 Automatischer Login
// ------------------------------------------------------------------------

constexpr const char* kWinlogonKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

void MaskPassword(PageContext& form) {
  form.Edits[2]->SetPasswordChar('*');
}

// A password turns automatic log-on on; without one it is switched off.
void WriteAutoLogon(PageContext& form) {
  if (form.Edits[2]->Text().empty()) {
    form.DeleteReg(Root::LocalMachine, kWinlogonKey, "AutoAdminLogon", Removal::Value);
  } else {
    form.WriteReg(Root::LocalMachine, kWinlogonKey, "AutoAdminLogon", "1", Kind::String);
  }
}

// --- 125 Dateisystemoperationen
// --------------------------------------------------------------------

// A lock limit other than Windows' own goes with the large system cache.
void WriteCacheForLockLimit(PageContext& form) {
  const int checked = CheckedRadio(form, 0, 5);
  if (checked < 0) return;
  form.WriteReg(Root::LocalMachine, kMemoryUpper, "LargeSystemCache", checked == 0 ? "0" : "3",
                Kind::Integer);
}

// --- 126 Dll-Dateien im Speicher
// -------------------------------------------------------------------

constexpr const char* kExplorerMachine = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";

// Windows looks only at whether the value is there.
CheckSetting UnloadDllCheck() {
  CheckSetting check;
  check.caption = "Nicht gebrauchte DLL sofort aus dem Speicher entfernen";
  check.read = [](PageContext& form) {
    bool present = false;
    WithExistingKey(
        form, Root::LocalMachine, kExplorerMachine,
        [&](sysaccess::TRegistry& key) { present = key.ValueExists("AlwaysUnloadDLL"); },
        kReadOnlyKey);
    return present;
  };
  check.write = [](PageContext& form, bool checked) {
    if (checked) {
      form.WriteReg(Root::LocalMachine, kExplorerMachine, "AlwaysUnloadDLL", "", Kind::String);
    } else {
      form.DeleteReg(Root::LocalMachine, kExplorerMachine, "AlwaysUnloadDLL", Removal::Value);
    }
  };
  check.touches = {Machine(kExplorerMachine, "AlwaysUnloadDLL", Kind::String)};
  return check;
}

// --- 128 CHKDSK
// ------------------------------------------------------------------------------------

constexpr const char* kBootExecuteKey = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";

// "/p" makes the check at start-up run on every start, not only on dirty volumes.
CheckSetting CheckDiskAtStartCheck() {
  CheckSetting check;
  check.caption = "CHKDSK bei jedem Systemstart ausführen";
  check.read = [](PageContext& form) {
    const std::string text =
        form.ReadReg(Root::LocalMachine, kBootExecuteKey, "BootExecute", Kind::MultiString);
    return base::UpperCase(text).find("/P") != std::string::npos;
  };
  // Only into the existing key, and only with full access to it.
  check.write = [](PageContext& form, bool checked) {
    WithExistingKey(
        form, Root::LocalMachine, kBootExecuteKey, [checked](sysaccess::TRegistry& key) {
          key.WriteMultiString("BootExecute",
                               {checked ? "autocheck autochk/p*" : "autocheck autochk *"});
        });
  };
  check.touches = {Machine(kBootExecuteKey, "BootExecute", Kind::MultiString)};
  return check;
}

// --- 147 Focus
// -------------------------------------------------------------------------------------

void MakeFocusSpinEdits(PageContext& form) {
  struct Spin {
    int min, max, start, top;
    const char* caption;
  };
  const Spin spins[] = {
      {0, 3600, 200, 40,
       "Zeit in Sekunden, bevor ein Programm im Hintergrund den Fokus erhält "
       "(Standard : 200)"},
      {0, 99, 3, 100, "Anzahl der Blinkzeichen (Standard : 3)"},
  };
  for (int i = 0; i < 2; ++i) {
    const Spin& spin = spins[i];
    AddLabel(form, i, 20, spin.top, spin.caption);
    ui::SpinEdit* edit = form.Create(form.SpinEdits, i);
    edit->SetRange(spin.min, spin.max);
    edit->SetValue(spin.start);
    form.SpinEdit(i, 20, spin.top + 20, 80, 22);
  }
}

void GetFocus(PageContext& form) {
  const std::string timeout =
      form.ReadReg(Root::CurrentUser, kDesktop, "ForegroundLockTimeout", Kind::Integer);
  if (!timeout.empty()) form.SpinEdits[0]->SetValue(base::StrToInt(timeout) / kMillisPerSecond);
  const std::string flashes =
      form.ReadReg(Root::CurrentUser, kDesktop, "ForegroundFlashCount", Kind::Integer);
  if (!flashes.empty()) form.SpinEdits[1]->SetValue(base::StrToInt(flashes));
}

void WriteFocus(PageContext& form) {
  const int64_t millis = static_cast<int64_t>(form.SpinEdits[0]->Value()) * kMillisPerSecond;
  form.WriteReg(Root::CurrentUser, kDesktop, "ForegroundLockTimeout", base::IntToStr(millis),
                Kind::Integer);
  form.WriteReg(Root::CurrentUser, kDesktop, "ForegroundFlashCount",
                base::IntToStr(static_cast<int64_t>(form.SpinEdits[1]->Value())), Kind::Integer);
}

// --- edit pages
// ------------------------------------------------------------------------------------

struct EditRow {
  const char* label;
  RegBinding value;
};

// Labels at the left, their edits beside them, one row under the other.
std::vector<Control> EditRows(const std::vector<EditRow>& rows, EmptyEdit lastEmpty) {
  std::vector<Control> controls;
  for (size_t i = 0; i < rows.size(); ++i) {
    const int slot = static_cast<int>(i);
    const int top = 40 + 30 * slot;
    controls.push_back(Label{slot, 20, top + 3, rows[i].label});
    controls.push_back(Edit{.slot = slot,
                            .left = 150,
                            .top = top,
                            .width = 250,
                            .value = rows[i].value,
                            .empty = i + 1 == rows.size() ? lastEmpty : EmptyEdit::WritesEmpty});
  }
  return controls;
}

RegBinding MachineString(const char* key, const char* name) {
  return {Root::LocalMachine, key, name, Kind::String};
}

std::vector<SettingsPage> MakeWindowsPages() {
  std::vector<SettingsPage> pages;

  pages.push_back({
      .pageId = 51,
      .description = "Bestimmen Sie, wie Windows mit Treibern ohne digitale Signatur umgeht: "
                     "Ebene 0 installiert sie ohne Nachfrage, Ebene 1 warnt, Ebene 2 verweigert "
                     "sie. Klicken Sie auf \"Übernehmen\".",
      .controls = {RadioSetting(
                       {"Ebene 0", "Ebene 1", "Ebene 2"},
                       Machine("\\Software\\Microsoft\\Driver Signing", "Policy", Kind::Binary),
                       {"00", "01", "02"}, 200),
                   Button{0,
                          {40, 130, 260, 25},
                          "Dateien auf Digitale Signatur überprüfen",
                          {"CheckDigSignature", CheckDigSignature}}},
      .readerName = "GetDigSiganture",
      .writerName = "SetDigitalSignature",
  });

  pages.push_back({
      .pageId = 56,
      .description = "Bestimmen Sie, ob Windows und der InternetExplorer beim Start ihr "
                     "Willkommen-Fenster zeigen. Klicken Sie auf \"Übernehmen\".",
      .controls = {CheckBoxes{
          .top = 45,
          .width = 400,
          .step = 25,
          .checks = {NumberCheck("Windows \"Willkommen Fenster\" anzeigen", Tips("Show")),
                     BrowserWelcomeCheck()}}},
      .readerName = "GetWelcome",
      .writerName = "WriteWelcome",
      .writer = WriteWelcome,
      .hookTouches = {Tips("Show"), Tips("DisableStartHtm"), Tips("ShowIE4")},
  });

  pages.push_back({
      .pageId = 64,
      .description = "Melden Sie Windows beim Start ohne Kennwortabfrage an. Mit einem Kennwort "
                     "ist die automatische Anmeldung eingeschaltet; lassen Sie das Kennwort leer, "
                     "wird sie ausgeschaltet und das gespeicherte Kennwort gelöscht. Klicken Sie "
                     "auf \"Übernehmen\".",
      .controls = EditRows({{"DefaultDomainName", MachineString(kWinlogonKey, "DefaultDomainName")},
                            {"DefaultUserName", MachineString(kWinlogonKey, "DefaultUserName")},
                            {"DefaultPassword", MachineString(kWinlogonKey, "DefaultPassword")}},
                           EmptyEdit::DeletesValue),
      .readerName = "GetAutoLogin",
      .writerName = "WriteAutoLogin",
      .afterBuild = MaskPassword,
      .afterWrite = WriteAutoLogon,
      .hookTouches = {MachineString(kWinlogonKey, "AutoAdminLogon")},
  });

  pages.push_back({
      .pageId = 111,
      .description = "Bestimmen Sie, ob Windows hängende Programme ohne Nachfrage beendet und wie "
                     "lange es zuvor wartet. Klicken Sie auf \"Übernehmen\".",
      .controls = Join(
          std::vector<Control>{
              CheckBoxes{.checks = {NumberCheck(
                             "Anwendungen ohne Nachfrage schließen",
                             {Root::CurrentUser, kDesktop, "AutoEndTasks", Kind::String})}},
              Label{0, 30, 75,
                    "Zeit in Sekunden bis eine Dialogbox beim \"Aufhängen des Systems\" "
                    "erscheint"},
              Slider{
                  .slot = 0,
                  .min = 0,
                  .max = 30,
                  .start = 5,
                  .at = {30, 95, 340, 23},
                  .value = RegBinding{Root::CurrentUser, kDesktop, "HungAppTimeout", Kind::String},
                  .valueLabel = 1,
                  .scale = kMillisPerSecond,
                  .track = {"TrackMenuDelay", {}}}},
          SliderScale(1, 2, 120, "0", "5", "30"),
          std::vector<Control>{
              Label{4, 30, 155,
                    "Zeit in Sekunden bis eine Applikation beim Herunterfahren automatisch "
                    "beendet werden soll"},
              Slider{.slot = 1,
                     .min = 0,
                     .max = 50,
                     .start = 20,
                     .at = {30, 175, 340, 23},
                     .value = RegBinding{Root::CurrentUser, kDesktop, "WaitToKillAppTimeout",
                                         Kind::String},
                     .valueLabel = 5,
                     .scale = kMillisPerSecond,
                     .track = {"TrackMenuDelay1", {}}}},
          SliderScale(5, 6, 200, "0", "20", "50")),
      .readerName = "GetHangUpTime",
      .writerName = "WriteHangUpTime",
  });

  pages.push_back({
      .pageId = 112,
      .description = "Bestimmen Sie, ob Windows den Rechner nach dem Herunterfahren ausschaltet. "
                     "Klicken Sie auf \"Übernehmen\".",
      .controls = {CheckBoxes{
          .width = 400,
          .checks = {NumberCheck("Nach dem Herunterfahren den Rechner ausschalten",
                                 Machine(kWinlogon, "PowerdownAfterShutdown", Kind::String))}}},
      .readerName = "GetStromAbschalten",
      .writerName = "WriteStromAbschalten",
  });

  pages.push_back({
      .pageId = 113,
      .description = "Schalten Sie die Überprüfung der Systemdateien ab, die ersetzte "
                     "Systemdateien wiederherstellt. Klicken Sie auf \"Übernehmen\"; die "
                     "Änderung wirkt nach dem nächsten Neustart.",
      .controls = {CheckBoxes{
          .width = 400,
          .checks = {NumberCheck("System File Protection (SMP) deaktivieren",
                                 Machine(kWinlogon, "SFCDisable", Kind::Integer))}}},
      .readerName = "GetSystemFilesDeakt",
      .writerName = "WriteSystemFilesDeakt",
  });

  pages.push_back({
      .pageId = 120,
      .description = "Bestimmen Sie, wie Windows den Arbeitsspeicher zwischen Dateicache und "
                     "Programmen aufteilt. Klicken Sie auf \"Übernehmen\"; die Änderung wirkt "
                     "nach dem nächsten Neustart.",
      .controls = {RadioSetting(
          {"Speicherbenutzung minimieren",
           "Durchsatz Ausgeglichen (Cache und Arbeitsseiten haben dieselbe Priorität)",
           "Durchsatz für Dateifreigaben maximieren (höhere Priorität für den Cache)",
           "Durchsatz für Netzwerkanwendungen maximieren"},
          Machine(kMemory, "LargeSystemCache", Kind::Integer), {"0", "1", "2", "3"}, 460)},
      .readerName = "GetLargeSystemCache",
      .writerName = "WriteLargeSystemCache",
  });

  pages.push_back({
      .pageId = 121,
      .description = "Teilen Sie Windows die Größe des Second-Level-Caches Ihres Prozessors mit. "
                     "Klicken Sie auf \"Übernehmen\"; die Änderung wirkt nach dem nächsten "
                     "Neustart.",
      .controls = {RadioSetting({"Standardwert 256KB SecondLevelDataCache",
                                 "512KB SecondLevelDataCache", "1024KB SecondLevelDataCache"},
                                Machine(kMemory, "SecondLevelDataCache", Kind::Integer),
                                {"0", "512", "1024"})},
      .readerName = "GetSecondLevelCache",
      .writerName = "WriteSecondLevelCache",
  });

  pages.push_back({
      .pageId = 123,
      .description = "Bestimmen Sie, was Windows in die Auslagerungsdatei schreibt. Klicken Sie "
                     "auf \"Übernehmen\"; die Änderungen wirken nach dem nächsten Neustart.",
      .controls = {CheckBoxes{
          .width = 460,
          .step = 25,
          .checks = {NumberCheck("Nicht Systemcode (Kernel+USER-Teil) in die Auslagerungsdatei "
                                 "auslagern",
                                 Machine(kMemoryUpper, "DisablePagingExecutive", Kind::Integer)),
                     NumberCheck(
                         "Auslagerungsdatei beim Herunterfahren mit Nullen überschreiben  ",
                         Machine(kMemoryUpper, "ClearPageFileAtShutdown", Kind::Integer))}}},
      .readerName = "GetSpeicherVerschiedenes",
      .writerName = "WriteSpeicherVerschiedenes",
  });

  pages.push_back({
      .pageId = 125,
      .description = "Bestimmen Sie, wie viel Arbeitsspeicher Windows für Ein- und Ausgaben des "
                     "Dateisystems festhalten darf. Klicken Sie auf \"Übernehmen\"; die Änderung "
                     "wirkt nach dem nächsten Neustart.",
      .controls = {RadioSetting({"Windows Standard", "32MB RamSpeicher", "64  RamSpeicher",
                                 "128  RamSpeicher", "256  RamSpeicher"},
                                Machine(kMemoryUpper, "IoPageLockLimit", Kind::Integer),
                                {"0", "4096", "8192", "16384", "65536"})},
      .readerName = "GetDateisystemoperationen",
      .writerName = "WriteDateisystemoperationen",
      .beforeWrite = WriteCacheForLockLimit,
      .hookTouches = {Machine(kMemoryUpper, "LargeSystemCache", Kind::Integer)},
  });

  pages.push_back({
      .pageId = 126,
      .description = "Bestimmen Sie, ob Windows nicht mehr gebrauchte DLL-Dateien sofort aus dem "
                     "Speicher entfernt. Klicken Sie auf \"Übernehmen\".",
      .controls = {CheckBoxes{.width = 400, .checks = {UnloadDllCheck()}}},
      .readerName = "GetSpeicherDLL",
      .writerName = "WriteSpeicherDLL",
  });

  pages.push_back({
      .pageId = 128,
      .description = "Bestimmen Sie, ob CHKDSK bei jedem Start die Laufwerke prüft und wie lange "
                     "Windows vor der Prüfung auf einen Abbruch wartet. Klicken Sie auf "
                     "\"Übernehmen\"; die Änderung wirkt beim nächsten Start.",
      .controls = Join(
          std::vector<Control>{
              CheckBoxes{.width = 400, .checks = {CheckDiskAtStartCheck()}},
              Label{0, 30, 75, "Zeit in Sek die NT beim Ausführen von CHKDSK wartet"},
              Slider{.slot = 0,
                     .min = 1,
                     .max = 50,
                     .start = 10,
                     .at = {30, 95, 340, 23},
                     .value = Machine(kSessionManager, "AutoChkTimeOut", Kind::Integer),
                     .valueLabel = 1,
                     .track = {"TrackMouseDouble", {}}}},
          SliderScale(1, 2, 120, "1", "10", "50")),
      .readerName = "GetCHKDSK",
      .writerName = "WriteCHKDSK",
  });

  pages.push_back({
      .pageId = 147,
      .description = "Bestimmen Sie, wie lange Windows nach Ihrer letzten Eingabe verhindert, "
                     "dass ein Programm im Hintergrund sich in den Vordergrund drängt, und wie oft "
                     "seine Schaltfläche in der Taskleiste stattdessen blinkt. Klicken Sie auf "
                     "\"Übernehmen\".",
      .readerName = "GetFocus",
      .writerName = "WriteFocus",
      .afterBuild = MakeFocusSpinEdits,
      .reader = GetFocus,
      .writer = WriteFocus,
      .hookTouches = {{Root::CurrentUser, kDesktop, "ForegroundLockTimeout", Kind::Integer},
                      {Root::CurrentUser, kDesktop, "ForegroundFlashCount", Kind::Integer}},
  });

  pages.push_back({
      .pageId = 150,
      .description = "Ändern Sie die Daten, mit denen Windows registriert ist: Benutzer, Firma, "
                     "Computername, Produktnummern und den Pfad der Installationsdateien. Klicken "
                     "Sie auf \"Übernehmen\".",
      .controls =
          EditRows({{"Benutzername", MachineString(kNtCurrentVersion, "RegisteredOwner")},
                    {"Firma", MachineString(kNtCurrentVersion, "RegisteredOrganization")},
                    {"Computername",
                     MachineString("System\\CurrentControlSet\\Control\\ComputerName\\ComputerName",
                                   "ComputerName")},
                    {"ProductID", MachineString(kNtCurrentVersion, "ProductId")},
                    {"ProductKey", MachineString(kNtCurrentVersion, "ProductKey")},
                    {"Installationspfad", MachineString(kNtCurrentVersion, "SourcePath")}},
                   EmptyEdit::WritesEmpty),
      .readerName = "GetBenutzerdaten",
      .writerName = "WriteBenutzerdaten",
  });

  pages.push_back({
      .pageId = 164,
      .description = "Bestimmen Sie, was die Eingabeaufforderung (CMD) ausführen darf. Klicken "
                     "Sie auf \"Übernehmen\".",
      .controls = {RadioSetting(
          {"CMD (Eingabeaufforderung) kann Aktionen ausführen",
           "CMD (Eingabeaufforderung) kann nur Batch-Dateien ausführen",
           "CMD (Eingabeaufforderung) kann keine Aktionen mehr ausführen"},
          {Root::CurrentUser, "Software\\Policies\\Microsoft\\Windows\\System", "DisableCMD",
           Kind::Integer},
          {"0", "1", "2"})},
      .readerName = "GetCMD",
      .writerName = "WriteCMD",
  });

  pages.push_back({
      .pageId = 129,
      .description =
          "Stellen Sie die Popupmeldungen während des  Bootvorgangs ab\n"
          "Nervende Fehlermeldungen können Sie hiemit abstellen\n"
          "NT wertet Autoexec.bat nur die Werte für Prompt, Path usw. aus, alles andere "
          "wird ignoriert. Bestimmen Sie, daß die gesamte Autoexec.bat abgearbeitet wird",
      .controls = {CheckBoxes{
          .top = 100,
          .width = 400,
          .step = 15,
          .checks = {TextCheck("Bildschirmmeldungen beim Booten deaktivieren",
                               {Root::CurrentUser, kNtWindows, "NoPopUpsOnBoot", Kind::Integer},
                               "1", "1", "0"),
                     ErrorModeCheck(),
                     TextCheck("NT soll AUTOEXEC.BAT starten",
                               {Root::CurrentUser, kWinlogon, "ParseAutoexec", Kind::String}, "0",
                               "0", "1")}}},
      .readerName = "GetBootOptions",
      .writerName = "WriteBootOptions",
  });

  pages.push_back(OemInfoPage());
  return pages;
}

}  // namespace

const std::vector<SettingsPage>& WindowsPages() {
  static const std::vector<SettingsPage> pages = MakeWindowsPages();
  return pages;
}

void RegisterWindowsPages(PageTable& table) {
  RegisterSettingsPages(table, WindowsPages());
}

}  // namespace tweaks
