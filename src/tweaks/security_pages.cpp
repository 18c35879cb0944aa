// The pages of the "Sicherheitseinstellungen" branch that lock parts of the display, network,
// printer and password settings through policy values, as page records. "Systemdateien
// sichern" is a tool of its own.
#include <string>
#include <vector>

#include "page/engine.h"
#include "tweaks/branches.h"

namespace tweaks {
using namespace page;
namespace {

constexpr const char* kPoliciesSystem =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
constexpr const char* kPoliciesExplorer =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kPoliciesNetwork =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network";

CheckSetting UserExplorer(std::string caption, std::string name) {
  return NumberCheck(std::move(caption), {Root::CurrentUser, kPoliciesExplorer, std::move(name)});
}
CheckSetting UserNetwork(std::string caption, std::string name) {
  return NumberCheck(std::move(caption), {Root::CurrentUser, kPoliciesNetwork, std::move(name)});
}
CheckSetting MachineNetwork(std::string caption, std::string name) {
  return NumberCheck(std::move(caption), {Root::LocalMachine, kPoliciesNetwork, std::move(name)});
}

// The same value name lives in the Explorer and the Network policies; each item keeps its key.
std::vector<CheckSetting> NetworkChecks() {
  return {
      UserExplorer("Drucker im Netzwerk nicht mehr freigegeben", "NoPrinterSharingControl"),
      UserExplorer("Datei- und Druckerfreigabe des Netzes ausgeschalten", "NoFileSharingControl"),
      UserExplorer("Icon Netzwerk nicht mehr angezeigen", "NoNetHood"),
      UserExplorer("\"Map Laufwerk\"und \"Netzwerklaufwerk Menü\" in dem rechtsklick Menü "
                   "entfernt",
                   "NoNetConnectDisconnect"),
      UserExplorer("Netzwerk und DFÜ-Verbindung aus dem Startmenü entfernen ",
                   "NoNetworkConnections"),
      UserNetwork("\"Gesamtes Netzwerk\" aus der Netzwerkumgebung ausgeblenden. ",
                  "NoEntireNetwork"),
      UserNetwork("Arbeitsgruppen im Netzwerk nicht mehr angezeigen", "NoWorkgroupContents"),
      UserNetwork("Es können eine neuen Freigaben mehr erstellt werden ", "NoFileSharingControl"),
      UserNetwork("Keine neuen Drucker mehr freigegeben ", "NoPrintSharingControl"),
      MachineNetwork("Keine Freigaben im Netz", "NoFileSharing"),
      MachineNetwork("Keine Druckerfreigabe im Netz", "NoPrintSharing"),
      MachineNetwork("Netzwerksetup aus der Systemsteuerung entfernen ", "NoNetSetup"),
      MachineNetwork("Registereintrag \"Identifikation\" aus der Systemsteuerung -> Netzwerk "
                     "entfernen",
                     "NoNetSetupIDPage"),
      MachineNetwork("Registereintrag \"Zugriffssteuerung\" aus der Systemsteuerung -> Netzwerk "
                     "entfernen",
                     "NoNetSetupSecurityPage"),
      MachineNetwork("Zugriff auf den Rechner über das Modem deaktivieren", "NoDialIn"),
  };
}

std::vector<CheckSetting> PrinterChecks() {
  return {
      UserExplorer("Installieren von neuen Druckern  deaktivieren", "NoAddPrinter"),
      UserExplorer("Entfernen von Druckern deaktivieren", "NoDeletePrinter"),
      UserExplorer("Drucker im Netzwerk nicht mehr freigegeben", "NoPrinterSharingControl"),
      UserExplorer("Datei- u. Druckerfreigabe des Netzes deaktivieren", "NoFileSharingControl"),
      UserExplorer("Register \"Allgemein\" und \"Deteils\" im Druckermenü deaktivieren",
                   "NoPrinterTabs"),
      UserNetwork("Freigabe von neuen Druckern deaktivieren ", "NoPrintSharingControl"),
      MachineNetwork("Freigabe von neuen Druckern im Netz deaktivieren ", "NoPrintSharing"),
  };
}

// The security pages write nothing while they are being built.
SettingsPage SecurityPage(int pageId, std::string description, std::vector<Control> controls,
                          std::string reader, std::string writer) {
  return {.pageId = pageId,
          .description = std::move(description),
          .buildFlag = BuildFlagPolicy::HeldWhileBuilding,
          .controls = std::move(controls),
          .readerName = std::move(reader),
          .writerName = std::move(writer),
          .idleWhileBuilding = true};
}

std::vector<SettingsPage> MakeSecurityPages() {
  std::vector<SettingsPage> pages;

  pages.push_back(SecurityPage(
      37,
      "Sperren Sie das Symbol \"Anzeige\" der Systemsteuerung oder einzelne seiner Seiten für "
      "den angemeldeten Benutzer. Markieren Sie die Einschränkungen und klicken Sie auf "
      "\"Übernehmen\"; sie wirken beim nächsten Öffnen der Anzeigeeigenschaften.",
      CheckListControls("Bestimmen Sie die Einschränkungen für die Anzeigeeigenschaften", 40,
                        PairedChecks({"Anzeigesymbol in der Systemsteuerung deaktivieren",
                                      "Seite mit Allgemeine Einstellungen deaktivieren",
                                      "Seite mit Hintergrundeinstellungen deaktivieren",
                                      "Seite mit Darstellung deaktivieren",
                                      "Seite mit Bildschirmschoner deaktivieren"},
                                     Root::CurrentUser, kPoliciesSystem,
                                     {"NoDispCPL", "NoDispSettingsPage", "NoDispBackgroundPage",
                                      "NoDispAppearancePage", "NoDispScrSavPage"})),
      "GetAnzeigeSicherheit", "WriteAnzeigeSicherheit"));

  pages.push_back(SecurityPage(
      38,
      "Schränken Sie ein, was der angemeldete Benutzer im Netzwerk sehen und freigeben darf. "
      "Die letzten sechs Einstellungen gelten für alle Benutzer des Rechners und lassen sich "
      "nur mit Administratorrechten ändern. Markieren Sie die Einschränkungen und klicken Sie "
      "auf \"Übernehmen\"; sie wirken nach dem nächsten Anmelden.",
      CheckListControls("Bestimmen Sie die Einschränkungen für das Netzwerk", 10, NetworkChecks()),
      "GetNetzSicherheit", "WriteNetzSicherheit"));

  pages.push_back(SecurityPage(
      39,
      "Legen Sie fest, ob Drucker installiert, entfernt und freigegeben werden dürfen. Die "
      "letzte Einstellung gilt für alle Benutzer des Rechners und lässt sich nur mit "
      "Administratorrechten ändern. Markieren Sie die Einschränkungen und klicken Sie auf "
      "\"Übernehmen\".",
      CheckListControls("Bestimmen Sie die Einschränkungen für Drucker", 40, PrinterChecks()),
      "GetDruckerSicherheit", "WriteDruckerSicherheit"));

  pages.push_back(SecurityPage(
      40,
      "Sperren Sie das Symbol \"Kennwörter\" der Systemsteuerung oder einzelne seiner Seiten "
      "für den angemeldeten Benutzer. Markieren Sie die Einschränkungen und klicken Sie auf "
      "\"Übernehmen\".",
      CheckListControls("Bestimmen Sie die Einschränkungen für Kennwörter", 40,
                        PairedChecks({"Kennwortsymbol in der Systemsteuerung deaktivieren",
                                      "Seite mit Kennwort ändern deaktivieren",
                                      "Seite mit Remote Administration deaktivieren",
                                      "Seite mit Benutzerprofile deaktivieren"},
                                     Root::CurrentUser, kPoliciesSystem,
                                     {"NoSecCPL", "NoPwdPage", "NoAdminPage", "NoProfilePage"})),
      "GetKennwortSicherheit", "WriteKennwortSicherheit"));

  return pages;
}

}  // namespace

const std::vector<SettingsPage>& SecurityPages() {
  static const std::vector<SettingsPage> pages = MakeSecurityPages();
  return pages;
}

void RegisterSecurityPages(PageTable& table) {
  RegisterSettingsPages(table, SecurityPages());
}

}  // namespace tweaks
