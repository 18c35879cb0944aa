#include "profile/profile_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using profile::ReadError;
using profile::ReadProfile;

// What Notepad shows of a saved profile, as the bytes on disk: Windows-1252 ("ü" is 0xFC),
// every line ended by CR LF, the header first, [Ende] last.
TEST(ProfileFile, IsWrittenAsWindows1252LinesWithAHeaderAndAnEnd) {
  profile::Profile saved;
  saved.header = {1, "Kalmora 2x 1.2.3", "LABOR-07", "Microsoft Windows NT 5.0 (Build: 2195)",
                  "2026-12-07 08:30:00"};
  saved.sections = {{137, "Drucker - Priorität Drucker Spooler", {{"Auswahl", "Hoch", 0}}, 0},
                    {42, "", {{"Größe", "32", 0}, {"Pfad", " C:\\Bilder ", 0}}, 0}};
  EXPECT_EQ(profile::WriteProfile(saved),
            "; Kalmora 2x - Profil. Jede Seite steht als [Seite <Nummer>: <\xDC"
            "berschrift>],\r\n"
            "; darunter jede Einstellung als <Einstellung>=<Wert>, wie die Seite sie zeigt.\r\n"
            "[Kalmora 2x Profil]\r\n"
            "Format=1\r\n"
            "Programm=Kalmora 2x 1.2.3\r\n"
            "Rechner=LABOR-07\r\n"
            "Windows=Microsoft Windows NT 5.0 (Build: 2195)\r\n"
            "Zeit=2026-12-07 08:30:00\r\n"
            "\r\n"
            "[Seite 137: Drucker - Priorit\xE4t Drucker Spooler]\r\n"
            "Auswahl=Hoch\r\n"
            "\r\n"
            "[Seite 42]\r\n"
            "Gr\xF6\xDF"
            "e=32\r\n"
            "Pfad= C:\\Bilder \r\n"
            "\r\n"
            "[Ende]\r\n");
}

constexpr const char* kProfileUtf8 =
    "[Kalmora 2x Profil]\nFormat=1\nRechner=LABOR-07\n; a remark\n\n"
    "[Seite 137: Drucker]\n  Größe = ja\nPfad= C:\\a=b\n[Seite 9]\n[Ende]\n";

std::string Utf16Le(const std::u16string& text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

// A file Notepad saved as ANSI, as UTF-8 or as Unicode reads alike; blanks around a name go,
// a value is kept as it stands after the first "=".
TEST(ProfileFile, ReadsEveryEncodingNotepadSaves) {
  const std::string ansi =
      "[Kalmora 2x Profil]\r\nFormat=1\r\nRechner=LABOR-07\r\n; a remark\r\n\r\n"
      "[Seite 137: Drucker]\r\n  Gr\xF6\xDF"
      "e = ja\r\nPfad= C:\\a=b\r\n[Seite 9]\r\n[Ende]\r\n";
  const std::string utf8 = std::string("\xEF\xBB\xBF") + kProfileUtf8;
  const std::u16string text =
      u"[Kalmora 2x Profil]\r\nFormat=1\r\nRechner=LABOR-07\r\n"
      u"[Seite 137: Drucker]\r\n  Größe = ja\r\nPfad= C:\\a=b\r\n"
      u"[Seite 9]\r\n[Ende]";
  for (const std::string& bytes : {ansi, utf8, Utf16Le(text)}) {
    ReadError error;
    const auto read = ReadProfile(bytes, error);
    ASSERT_TRUE(read) << profile::Describe(error);
    EXPECT_EQ(read->header.machine, "LABOR-07");
    ASSERT_EQ(read->sections.size(), 2u);
    const profile::Section& printer = read->sections[0];
    EXPECT_EQ(printer.pageId, 137);
    EXPECT_EQ(printer.title, "Drucker");
    ASSERT_EQ(printer.entries.size(), 2u);
    EXPECT_EQ(printer.entries[0].name, "Größe");
    EXPECT_EQ(printer.entries[0].value, " ja");
    EXPECT_EQ(printer.entries[1].value, " C:\\a=b");
    EXPECT_TRUE(read->sections[1].entries.empty());
    EXPECT_EQ(read->Find(9), &read->sections[1]);
    EXPECT_EQ(printer.Find("Pfad"), &printer.entries[1]);
  }
}

struct Broken {
  const char* what;
  std::string bytes;
  int line;
  const char* message;
};

// Every way a file is no usable profile, with the line that says so.
TEST(ProfileFile, NamesTheLineOfEachError) {
  const std::string head = "[Kalmora 2x Profil]\r\nFormat=1\r\n";
  const std::vector<Broken> cases = {
      {"empty", "", 0, "kein Kalmora-2x-Profil"},
      {"other text", "Hallo\r\n", 1, "kein Kalmora-2x-Profil"},
      {"an ini file", "[boot loader]\r\ntimeout=30\r\n", 1, "kein Kalmora-2x-Profil"},
      {"no format", "[Kalmora 2x Profil]\r\nRechner=X\r\n[Ende]\r\n", 3, "\"Format\""},
      {"later format", "[Kalmora 2x Profil]\r\nFormat=2\r\n[Ende]\r\n", 2, "Format 2"},
      {"format no number", "[Kalmora 2x Profil]\r\nFormat=eins\r\n", 2, "keine Zahl"},
      {"no equals", head + "[Seite 5]\r\nnur Text\r\n[Ende]\r\n", 4, "kein \"=\""},
      {"no name", head + "[Seite 5]\r\n=ja\r\n[Ende]\r\n", 4, "Name"},
      {"unknown section", head + "[Seiten 5]\r\n[Ende]\r\n", 3, "Unbekannter Abschnitt"},
      {"page no number", head + "[Seite fünf: X]\r\n[Ende]\r\n", 3, "Unbekannter Abschnitt"},
      {"page twice", head + "[Seite 5]\r\n[Seite 6]\r\n[Seite 5: X]\r\n[Ende]\r\n", 5, "zweimal"},
      {"setting twice", head + "[Seite 5]\r\na=1\r\nb=2\r\na=3\r\n[Ende]\r\n", 6, "zweimal"},
      {"cut short", head + "[Seite 5]\r\na=1\r\n", 5, "unvollständig"},
      {"after the end", head + "[Ende]\r\n[Seite 5]\r\n", 4, "Nach [Ende]"},
      {"binary", head + std::string("[Ende]\0", 7), 0, "keine Textdatei"},
      {"bad utf-8", "\xEF\xBB\xBF" + head + "\xFF[Ende]", 0, "UTF-8"},
      {"too big", head + std::string(profile::kMaxProfileBytes, ';'), 0, "zu groß"},
  };
  for (const Broken& broken : cases) {
    ReadError error;
    EXPECT_FALSE(ReadProfile(broken.bytes, error)) << broken.what;
    EXPECT_EQ(error.line, broken.line) << broken.what;
    EXPECT_NE(error.message.find(broken.message), std::string::npos)
        << broken.what << ": " << error.message;
  }
  EXPECT_EQ(profile::Describe({4, "Die Zeile hat kein \"=\": x"}),
            "Zeile 4: Die Zeile hat kein \"=\": x");
  EXPECT_EQ(profile::Describe({0, "Die Datei ist keine Textdatei."}),
            "Die Datei ist keine Textdatei.");
}

// A file cut at any byte is either refused or, cut only in its trailing line end, read whole.
TEST(ProfileFile, AFileCutAnywhereIsRefused) {
  const std::string whole = std::string("[Kalmora 2x Profil]\r\nFormat=1\r\n") +
                            "[Seite 5: A]\r\na=ja\r\n[Seite 6]\r\nb=nein\r\n[Ende]\r\n";
  for (size_t length = 0; length < whole.size(); ++length) {
    ReadError error;
    const auto read = ReadProfile(whole.substr(0, length), error);
    if (length >= whole.size() - 2) {
      ASSERT_TRUE(read) << length;
      EXPECT_EQ(read->sections.size(), 2u);
    } else {
      EXPECT_FALSE(read) << "cut at " << length;
    }
  }
}

}  // namespace
