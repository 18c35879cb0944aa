#include "profile/command_line.h"

#include <algorithm>
#include <utility>

#include "base/convert.h"
#include "base/text.h"

namespace profile {

const char* const kUsage =
    "Kalmora2x.exe                     öffnet das Fenster\n"
    "Kalmora2x.exe /save DATEI [/pages NR,NR,...]\n"
    "    speichert die Einstellungen dieses Rechners als Profil (alle Seiten oder die genannten)\n"
    "Kalmora2x.exe /compare DATEI [/log DATEI]\n"
    "    vergleicht diesen Rechner mit dem Profil\n"
    "Kalmora2x.exe /apply DATEI [/log DATEI] [/scope user|machine]\n"
    "    übernimmt das Profil (nur den Teil des Benutzers oder des Rechners)\n"
    "Kalmora2x.exe /?                  zeigt diese Hilfe\n"
    "\n"
    "Rückgabewerte: 0 = alles wie im Profil, 1 = Abweichungen (/compare) oder\n"
    "übersprungene und fehlgeschlagene Einstellungen (/apply), 2 = Profil oder\n"
    "Befehlszeile unbrauchbar (dann wird nichts geändert).";

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> args;
  std::string current;
  bool inArg = false;
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if ((c == ' ' || c == '\t') && !quoted) {
      if (inArg) args.push_back(std::exchange(current, {}));
      inArg = false;
      continue;
    }
    inArg = true;
    if (c == '\\') {
      size_t count = 0;
      while (i < line.size() && line[i] == '\\') {
        ++count;
        ++i;
      }
      if (i < line.size() && line[i] == '"') {
        current.append(count / 2, '\\');
        if (count % 2 == 1) {
          current += '"';
        } else {
          quoted = !quoted;
        }
      } else {
        current.append(count, '\\');
        --i;
      }
      continue;
    }
    if (c == '"') {
      // Inside quotes, "" is a literal quote.
      if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
        current += '"';
        ++i;
      } else {
        quoted = !quoted;
      }
      continue;
    }
    current += c;
  }
  if (inArg) args.push_back(current);
  return args;
}

namespace {

Command Unusable(std::string error, std::string log = "") {
  Command command;
  command.action = Action::Unusable;
  command.error = std::move(error);
  command.log = std::move(log);
  return command;
}

bool ParsePages(const std::string& text, std::vector<int>& pages) {
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = std::min(text.find(',', start), text.size());
    const std::string part = text.substr(start, comma - start);
    int32_t pageId = 0;
    if (part.empty() || part.find_first_not_of("0123456789") != std::string::npos ||
        !base::TryStrToInt(part, pageId)) {
      return false;
    }
    pages.push_back(pageId);
    start = comma + 1;
  }
  return !pages.empty();
}

}  // namespace

Command ParseCommandLine(const std::vector<std::string>& args) {
  Command command;
  std::string scope;
  std::string pages;
  bool sawPages = false;
  bool sawScope = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const std::string option =
        !arg.empty() && (arg[0] == '/' || arg[0] == '-') ? base::UpperCase(arg.substr(1)) : "";
    if (option == "?" || option == "H" || option == "HELP") {
      command.action = Action::Usage;
      return command;
    }
    const bool takesValue = option == "SAVE" || option == "COMPARE" || option == "APPLY" ||
                            option == "LOG" || option == "PAGES" || option == "SCOPE";
    if (!takesValue) return Unusable("Unbekannte Angabe \"" + arg + "\".", command.log);
    if (i + 1 >= args.size() || args[i + 1].empty()) {
      return Unusable("Nach " + arg + " fehlt der Wert.", command.log);
    }
    const std::string& value = args[++i];
    if (option == "LOG") {
      command.log = value;
    } else if (option == "PAGES") {
      pages = value;
      sawPages = true;
    } else if (option == "SCOPE") {
      scope = base::UpperCase(value);
      sawScope = true;
    } else {
      if (command.action != Action::Window) {
        return Unusable("Nur eine von /save, /compare und /apply ist möglich.", command.log);
      }
      command.action = option == "SAVE"      ? Action::Save
                       : option == "COMPARE" ? Action::Compare
                                             : Action::Apply;
      command.file = value;
    }
  }
  if (command.action == Action::Window) {
    return args.empty() ? command : Unusable("Es fehlt /save, /compare oder /apply.", command.log);
  }
  if (sawPages && command.action != Action::Save) {
    return Unusable("/pages gehört zu /save.", command.log);
  }
  if (!command.log.empty() && command.action == Action::Save) {
    return Unusable("/log gehört zu /compare und /apply.");
  }
  if (sawScope && command.action != Action::Apply) {
    return Unusable("/scope gehört zu /apply.", command.log);
  }
  if (sawPages && !ParsePages(pages, command.pages)) {
    return Unusable("/pages erwartet Seitennummern, durch Kommas getrennt: " + pages);
  }
  if (sawScope) {
    if (scope == "USER") {
      command.scope = Scope::User;
    } else if (scope == "MACHINE") {
      command.scope = Scope::Machine;
    } else {
      return Unusable("/scope erwartet user oder machine.", command.log);
    }
  }
  return command;
}

}  // namespace profile
