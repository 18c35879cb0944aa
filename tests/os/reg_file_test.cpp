#include "os/reg_file.h"

#include <gtest/gtest.h>

#include "os/memory_registry.h"

namespace {

using os::MemoryRegistry;
using os::RegAccess;
using os::RegFileError;
using os::RegFileFormat;
using os::RegRoot;
using os::RegStatus;
using os::RegValue;

RegValue Get(os::Registry& registry, RegRoot root, const std::string& path,
             const std::string& name) {
  auto key = registry.OpenKey(root, path, RegAccess::Read);
  RegValue value;
  if (!key || key->QueryValue(name, value) != RegStatus::Ok) return {os::kRegNone, {0xEE}};
  return value;
}

void Import(os::Registry& registry, const std::string& text) {
  RegFileError error;
  ASSERT_TRUE(os::ImportRegFile(registry, text, error)) << error.message;
}

TEST(RegFile, ReadsEveryValueEncoding) {
  MemoryRegistry registry;
  Import(registry,
         "Windows Registry Editor Version 5.00\r\n"
         "\r\n"
         "; a comment\r\n"
         "[HKEY_CURRENT_USER\\Software\\Seed]\r\n"
         "@=\"standard\"\r\n"
         "\"Text\"=\"C:\\\\Programme\\\\\\\"quoted\\\" ä\"\r\n"
         "\"Number\"=dword:0000ffff\r\n"
         "\"Bytes\"=hex:01,00,ff\r\n"
         "\"Empty\"=hex:\r\n"
         "\"Expand\"=hex(2):25,00,54,00,00,00\r\n"
         "\"Multi\"=hex(7):41,00,00,00,42,00,00,00,00,00\r\n"
         "\"Qword\"=hex(b):01,02,03,04,05,06,07,08\r\n"
         "\"Long\"=hex:01,02,\\\r\n"
         "  03,04\r\n");
  const std::vector<std::pair<std::string, RegValue>> expected = {
      {"", RegValue::String("standard")},
      {"Text", RegValue::String("C:\\Programme\\\"quoted\" ä")},
      {"Number", RegValue::Dword(0xFFFF)},
      {"Bytes", RegValue::Binary({1, 0, 0xFF})},
      {"Empty", RegValue::Binary({})},
      {"Expand", RegValue::String("%T", os::kRegExpandSz)},
      {"Multi", RegValue::MultiString({"A", "B"})},
      {"Qword", RegValue{os::kRegQword, {1, 2, 3, 4, 5, 6, 7, 8}}},
      {"Long", RegValue::Binary({1, 2, 3, 4})},
  };
  for (const auto& [name, value] : expected) {
    EXPECT_EQ(Get(registry, RegRoot::CurrentUser, "Software\\Seed", name), value) << name;
  }
}

TEST(RegFile, Regedit4StringDataIsWindows1252) {
  MemoryRegistry registry;
  Import(registry,
         "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Alt]\n"
         "\"Multi\"=hex(7):e4,00,42,00,00\n"
         "\"Name\"=\"Stra\xDF"
         "e\"\n");
  EXPECT_EQ(Get(registry, RegRoot::LocalMachine, "Software\\Alt", "Multi"),
            RegValue::MultiString({"ä", "B"}));
  EXPECT_EQ(Get(registry, RegRoot::LocalMachine, "Software\\Alt", "Name"),
            RegValue::String("Straße"))
      << "a file that is not UTF-8 is read as Windows-1252";
}

TEST(RegFile, ReadsUtf16FilesWithByteOrderMark) {
  const std::string text =
      "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_USERS\\.DEFAULT\\Ü]\r\n\"v\"=\"€\"\r\n";
  MemoryRegistry registry;
  Import(registry, os::EncodeRegFile(text, RegFileFormat::Regedit5));
  EXPECT_EQ(Get(registry, RegRoot::Users, ".DEFAULT\\ü", "v"), RegValue::String("€"));
}

TEST(RegFile, DeletesKeysAndValues) {
  MemoryRegistry registry;
  registry.CreateKey(RegRoot::LocalMachine, "Software\\Gone\\Child");
  auto key = registry.CreateKey(RegRoot::LocalMachine, "Software\\Keep");
  key->SetValue("drop", RegValue::Dword(1));
  key->SetValue("stay", RegValue::Dword(2));
  Import(registry,
         "REGEDIT4\n[-HKLM\\Software\\Gone]\n[-HKLM\\Software\\NeverWas]\n"
         "[HKEY_LOCAL_MACHINE\\Software\\Keep]\n\"drop\"=-\n\"absent\"=-\n");
  EXPECT_FALSE(registry.OpenKey(RegRoot::LocalMachine, "Software\\Gone", RegAccess::Read));
  EXPECT_EQ(key->ValueNames(), std::vector<std::string>{"stay"});
}

struct BadInput {
  const char* text;
  int line;
  friend std::ostream& operator<<(std::ostream& out, const BadInput& input) {
    return out << "line " << input.line << ": " << input.text;
  }
};

class RegFileErrors : public ::testing::TestWithParam<BadInput> {};

TEST_P(RegFileErrors, NameTheLineAndChangeNothing) {
  MemoryRegistry registry;
  const std::string text =
      std::string("REGEDIT4\n[HKEY_CURRENT_USER\\Before]\n\"v\"=dword:1\n") + GetParam().text;
  RegFileError error;
  EXPECT_FALSE(os::ImportRegFile(registry, text, error));
  EXPECT_EQ(error.line, GetParam().line) << error.message;
  EXPECT_EQ(error.message.rfind("Zeile " + std::to_string(GetParam().line) + ": ", 0), 0u)
      << error.message;
  EXPECT_FALSE(registry.OpenKey(RegRoot::CurrentUser, "Before", RegAccess::Read))
      << "nothing of a bad file is applied";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegFileErrors,
    ::testing::Values(BadInput{"[HKEY_NOWHERE\\x]\n", 4}, BadInput{"[HKEY_CURRENT_USER\\x\n", 4},
                      BadInput{"\"a\"=dword:123456789\n", 4}, BadInput{"\"a\"=dword:xyz\n", 4},
                      BadInput{"\"a\"=hex:1g\n", 4}, BadInput{"\"a\"=hex(zz):00\n", 4},
                      BadInput{"\"a\"=\"open\n", 4}, BadInput{"\"a\" \"b\"\n", 4},
                      BadInput{"\"a\"=\"x\" trailing\n", 4}, BadInput{"\"a\"=\"\\q\"\n", 4},
                      BadInput{"\n\nstray text\n", 6}, BadInput{"\"a\"=\n", 4},
                      BadInput{"[-HKEY_CURRENT_USER]\n", 4},
                      BadInput{"\"a\"=hex:01,\\\n 02,zz\n", 4}));

TEST(RegFile, RefusesAMissingHeaderAndValuesBeforeAnyKey) {
  MemoryRegistry registry;
  RegFileError error;
  EXPECT_FALSE(os::ImportRegFile(registry, "\n\n[HKEY_CURRENT_USER\\x]\n", error));
  EXPECT_EQ(error.line, 3);
  EXPECT_FALSE(os::ImportRegFile(registry, "", error));
  EXPECT_EQ(error.line, 1);
  EXPECT_FALSE(os::ImportRegFile(registry, "REGEDIT4\n\"v\"=\"x\"\n", error));
  EXPECT_EQ(error.line, 2);
  EXPECT_FALSE(os::ImportRegFile(registry, "REGEDIT4\n[-HKCU\\a]\n\"v\"=\"x\"\n", error));
  EXPECT_EQ(error.line, 3) << "values after a deleted key have nowhere to go";
}

TEST(RegFile, ExportThenImportGivesTheSameTree) {
  MemoryRegistry source;
  auto key = source.CreateKey(RegRoot::LocalMachine, "Software\\Round\\Trip");
  key->SetValue("", RegValue::String("def"));
  key->SetValue("quote\"back\\slash", RegValue::String("line\nbreak"));
  key->SetValue("sz", RegValue::String("Grüße \"zitiert\" C:\\Pfad"));
  key->SetValue("dw", RegValue::Dword(0x12345678));
  key->SetValue("bin", RegValue::Binary(std::vector<uint8_t>(100, 0xAB)));
  key->SetValue("multi", RegValue::MultiString({"eins", "zwei ä"}));
  key->SetValue("expand", RegValue::String("%PATH%", os::kRegExpandSz));
  key->SetValue("odd", RegValue{0x20, {1}});
  source.CreateKey(RegRoot::LocalMachine, "Software\\Round\\Empty");

  for (const auto format : {RegFileFormat::Regedit5, RegFileFormat::Regedit4}) {
    const std::string text =
        os::ExportRegText(source, RegRoot::LocalMachine, "Software\\Round", format);
    MemoryRegistry target;
    Import(target, os::EncodeRegFile(text, format));
    EXPECT_EQ(os::ExportRegText(target, RegRoot::LocalMachine, "Software\\Round", format), text);
    auto copy = target.OpenKey(RegRoot::LocalMachine, "Software\\Round\\Trip", RegAccess::Read);
    ASSERT_TRUE(copy);
    for (const auto& name : key->ValueNames()) {
      RegValue original;
      RegValue copied;
      key->QueryValue(name, original);
      ASSERT_EQ(copy->QueryValue(name, copied), RegStatus::Ok) << name;
      EXPECT_EQ(copied, original) << name;
    }
  }
}

TEST(RegFile, ExportWrapsLongHexListsLikeRegedit) {
  MemoryRegistry registry;
  registry.CreateKey(RegRoot::CurrentUser, "W")
      ->SetValue("b", RegValue::Binary(std::vector<uint8_t>(60, 1)));
  const std::string text = os::ExportRegText(registry, RegRoot::CurrentUser, "W");
  EXPECT_NE(text.find(",\\\r\n  01,"), std::string::npos) << text;
  for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    EXPECT_LE(end - start, 80u);
  }
}

}  // namespace
