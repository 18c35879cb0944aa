#include "helpgen/help_pages.h"

#include <algorithm>

#include "base/utf.h"

namespace helpgen {

namespace {

constexpr const char* kIntroPath = "themen/einfuehrung.htm";
constexpr const char* kToolsPath = "themen/werkzeuge.htm";
constexpr const char* kContentsPath = "inhalt.hhc";

std::string Topic(const std::string& title, const std::string& body) {
  return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\n<html><head><title>" + Html(title) +
         "</title>\n<style type=\"text/css\">body{font-family:Verdana,Arial;font-size:10pt}"
         "table{border-collapse:collapse}td,th{border:1px solid #888;padding:2px 6px;"
         "text-align:left}</style>\n</head><body>\n<h1>" +
         Html(title) + "</h1>\n" + body + "</body></html>\n";
}

const char* KindText(page::Kind kind) {
  switch (kind) {
    case page::Kind::String:
      return "Zeichenfolge";
    case page::Kind::Integer:
      return "Zahl (DWORD)";
    case page::Kind::Binary:
      return "Binärwert";
    case page::Kind::MultiString:
      return "Mehrteilige Zeichenfolge";
  }
  return "";
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

// The key as a reader of the help understands it: the placeholders named in words.
std::string KeyText(const std::string& key) {
  std::string text = Replace(key, page::kUserKey, "<Benutzer-SID>");
  text = Replace(text, page::kAnyKey, "<jeder Unterschlüssel>");
  return text.empty() || text[0] == '\\' ? text : "\\" + text;
}

bool SameBinding(const page::RegBinding& a, const page::RegBinding& b) {
  return a.root == b.root && a.key == b.key && a.name == b.name && a.kind == b.kind;
}

std::string ValuesTable(const std::vector<page::RegBinding>& values) {
  std::vector<page::RegBinding> unique;
  for (const page::RegBinding& value : values) {
    // A control whose value its page's own reader and writer handle keeps an empty binding.
    if (value.key.empty()) continue;
    bool seen = false;
    for (const page::RegBinding& kept : unique) seen = seen || SameBinding(kept, value);
    if (!seen) unique.push_back(value);
  }
  std::string html =
      "<h2>Werte in der Registrierung</h2>\n<p>Diese Seite liest und schreibt:</p>\n<table>\n"
      "<tr><th>Stamm</th><th>Schl&#252;ssel</th><th>Wert</th><th>Art</th></tr>\n";
  for (const page::RegBinding& value : unique) {
    html += "<tr><td>" + Html(page::RootName(value.root)) + "</td><td>" + Html(KeyText(value.key)) +
            "</td><td>" + Html(value.name.empty() ? "(Standard)" : value.name) + "</td><td>" +
            Html(KindText(value.kind)) + "</td></tr>\n";
  }
  return html + "</table>\n";
}

std::string InfoAreaText(page::InfoArea area) {
  switch (area) {
    case page::InfoArea::Apply:
      return "<p>Die Beschreibung steht unter der Seite; &#196;nderungen werden mit "
             "&#8222;&#220;bernehmen&#8220; gespeichert.</p>\n";
    case page::InfoArea::NoApplyButton:
      return "<p>Die Beschreibung steht unter der Seite; die Seite wirkt sofort, ohne "
             "&#8222;&#220;bernehmen&#8220;.</p>\n";
    case page::InfoArea::Hidden:
      return "";
    case page::InfoArea::Group:
      return "";
  }
  return "";
}

bool IsTool(const HelpSources& sources, int pageId) {
  return sources.tools.HasBuilder(pageId);
}

bool HasChildren(const HelpSources& sources, size_t index) {
  return index + 1 < sources.nodes.size() &&
         sources.nodes[index + 1].level > sources.nodes[index].level;
}

// Links to the nodes one level below a group node.
std::string ChildLinks(const HelpSources& sources, size_t index) {
  std::string list = "<ul>\n";
  const int level = sources.nodes[index].level;
  for (size_t i = index + 1; i < sources.nodes.size() && sources.nodes[i].level > level; ++i) {
    if (sources.nodes[i].level != level + 1) continue;
    list += "<li><a href=\"" + NodeTopicPath(i).substr(7) + "\">" + Html(sources.nodes[i].text) +
            "</a></li>\n";
  }
  return list + "</ul>\n";
}

std::string NodeTopic(const HelpSources& sources, size_t index) {
  const shell::CategoryNode& node = sources.nodes[index];
  std::string body;
  const page::PageRow* row = page::FindPageRow(node.pageId);
  if (row && row->headline) body += "<h2>" + Html(row->headline) + "</h2>\n";
  for (const page::SettingsPage* record : sources.records) {
    if (record->pageId == node.pageId && !record->description.empty())
      body += "<p>" + Html(record->description) + "</p>\n";
  }
  if (HasChildren(sources, index)) {
    body += "<p>Eine Gruppe: w&#228;hlen Sie im Baum eine der Seiten darunter.</p>\n" +
            ChildLinks(sources, index);
    return Topic(node.text, body);
  }
  if (row) body += InfoAreaText(row->infoArea);
  if (IsTool(sources, node.pageId))
    body += "<p>Ein Werkzeug: die Seite zeigt, was sie auf dem System findet.</p>\n";
  if (!sources.pages.HasBuilder(node.pageId))
    body += "<p>" + Html(page::kPageNotAvailable) + "</p>\n";
  for (const page::SettingsPage* record : sources.records) {
    if (record->pageId != node.pageId) continue;
    const std::vector<page::RegBinding> values = page::PageValues(*record);
    if (std::any_of(values.begin(), values.end(),
                    [](const page::RegBinding& value) { return !value.key.empty(); }))
      body += ValuesTable(values);
  }
  return Topic(node.text, body);
}

std::string IntroTopic(const HelpSources& sources) {
  return Topic(
      "Kalmora 2x",
      "<p>Version " + Html(sources.version) +
          "</p>\n<p>Kalmora 2x stellt Windows NT 4.0, Windows 2000 und Windows XP ein: die "
          "Seiten im Baum links lesen Einstellungen aus der Registrierung und aus Dateien des "
          "Systems und schreiben sie zur&#252;ck. Jedes Thema dieser Hilfe geh&#246;rt zu "
          "einem Knoten des Baums und nennt die Werte, die seine Seite liest und "
          "schreibt.</p>\n<p>Das Programm liegt im Installationsordner; das Setup tr&#228;gt "
          "ihn unter HKEY_CURRENT_USER\\Software\\Kalmora2x\\Options im Wert InstallDir ein. "
          "Fehlt dieser Eintrag, beendet sich das Programm beim Start mit einem "
          "Hinweis.</p>\n<p>Siehe auch: <a href=\"werkzeuge.htm\">Werkzeuge</a>.</p>\n");
}

std::string ToolsTopic(const HelpSources& sources) {
  std::string list;
  for (size_t i = 0; i < sources.nodes.size(); ++i) {
    if (!IsTool(sources, sources.nodes[i].pageId)) continue;
    list += "<li><a href=\"" + NodeTopicPath(i).substr(7) + "\">" + Html(sources.nodes[i].text) +
            "</a></li>\n";
  }
  return Topic("Werkzeuge",
               "<p>Diese Seiten stellen nichts ein, sondern zeigen Eintr&#228;ge des Systems "
               "und r&#228;umen sie auf:</p>\n<ul>\n" +
                   list + "</ul>\n");
}

// A name in the contents: the help viewer takes it in the file's 8-bit code page (German:
// Windows-1252) and shows a numeric character reference as it stands, so only markup is escaped.
std::string SitemapName(std::string_view utf8) {
  std::string escaped;
  for (const char c : utf8) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return base::Utf8ToCp1252(escaped);
}

std::string Entry(const std::string& name, const std::string& path) {
  return "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + SitemapName(name) +
         "\"><param name=\"Local\" value=\"" + path + "\"></OBJECT>\n";
}

// The tree as nested lists: a node's children follow it one level deeper.
std::string Contents(const HelpSources& sources) {
  std::string hhc = "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n<HTML><BODY>\n<UL>\n" +
                    Entry("Einführung", kIntroPath) + Entry("Werkzeuge", kToolsPath);
  int open = 0;
  for (size_t i = 0; i < sources.nodes.size(); ++i) {
    const int level = sources.nodes[i].level;
    for (; open < level; ++open) hhc += "<UL>\n";
    for (; open > level; --open) hhc += "</UL>\n";
    hhc += Entry(sources.nodes[i].text, NodeTopicPath(i));
  }
  for (; open > 0; --open) hhc += "</UL>\n";
  return hhc + "</UL>\n</BODY></HTML>\n";
}

}  // namespace

std::string NodeTopicPath(size_t index) {
  std::string number = std::to_string(index + 1);
  number.insert(0, number.size() < 3 ? 3 - number.size() : 0, '0');
  return "themen/knoten" + number + ".htm";
}

std::string Html(std::string_view utf8) {
  std::string out;
  size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t cp = base::DecodeUtf8(utf8, pos);
    switch (cp) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\n':
        out += "<br>\n";
        break;
      default:
        if (cp < 0x80) {
          out += static_cast<char>(cp);
        } else {
          out += "&#" + std::to_string(static_cast<uint32_t>(cp)) + ";";
        }
    }
  }
  return out;
}

std::vector<HelpFile> HelpProject(const HelpSources& sources) {
  std::string files = std::string(kIntroPath) + "\n" + kToolsPath + "\n";
  for (size_t i = 0; i < sources.nodes.size(); ++i) files += NodeTopicPath(i) + "\n";
  std::vector<HelpFile> project = {
      {"Kalmora2X.hhp",
       "[OPTIONS]\nCompatibility=1.1 or later\nCompiled file=Kalmora2X.chm\nContents file=" +
           std::string(kContentsPath) + "\nDefault topic=" + kIntroPath +
           "\nDisplay compile progress=No\nLanguage=0x407 German (Germany)\nTitle=Kalmora 2x "
           "Hilfe\n\n[FILES]\n" +
           files},
      {kContentsPath, Contents(sources)},
      {kIntroPath, IntroTopic(sources)},
      {kToolsPath, ToolsTopic(sources)}};
  for (size_t i = 0; i < sources.nodes.size(); ++i)
    project.push_back({NodeTopicPath(i), NodeTopic(sources, i)});
  return project;
}

}  // namespace helpgen
