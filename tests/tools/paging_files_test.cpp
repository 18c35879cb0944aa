// The paging-file page: drives and their paging files read from "PagingFiles", edited through
// the fields and written back byte for byte; sizes that cannot be change nothing.
#include "tool_fixture.h"

namespace {

using os::RegRoot;
using testing_support::ToolTest;
using Texts = std::vector<std::string>;

constexpr const char* kMemory =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";

class PagingFilesTest : public ToolTest {
 protected:
  PagingFilesTest() {
    // Drives of 4096 MB.
    files.AddDrive({'D', os::DriveType::Fixed, "", "NTFS", 1, 4ull << 30, 1ull << 30});
    files.AddDrive({'E', os::DriveType::CdRom, "", "CDFS", 2, 4ull << 30, 0});
    shell.displayNames["C:\\"] = "System (C:)";
  }
  void SetUp() override { Start(); }

  void Stored(const std::vector<std::string>& entries) {
    registry.CreateKey(RegRoot::LocalMachine, kMemory)
        ->SetValue("PagingFiles", os::RegValue::MultiString(entries));
  }
  std::vector<uint8_t> StoredBytes() {
    return Value(RegRoot::LocalMachine, kMemory, "PagingFiles")->data;
  }
  static std::vector<uint8_t> Bytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
  }
  void Type(const std::string& initial, const std::string& maximum, const std::string& folder) {
    form->Edits[0]->UserType(initial);
    form->Edits[1]->UserType(maximum);
    form->Edits[2]->UserType(folder);
  }
};

TEST_F(PagingFilesTest, FixedDrivesShowTheirPagingFilesAndAreWrittenBackTheSame) {
  Stored({"C:\\pagefile.sys 100 200", "d:\\Swap\\pagefile.sys 50 80"});
  Select("Auslagerungsdatei");
  EXPECT_EQ(Captions(), (Texts{"System (C:)", "Lokaler Datenträger (D:)"}));
  EXPECT_EQ(Column(0), (Texts{"C:\\", "d:\\Swap"}));
  EXPECT_EQ(Column(1), (Texts{"100-200", "50-80"}));

  ClickApply();
  EXPECT_EQ(StoredBytes(),
            Bytes(std::string("C:\\pagefile.sys 100 200\0d:\\Swap\\pagefile.sys 50 80\0\0", 52)));
  EXPECT_EQ(Value(RegRoot::LocalMachine, kMemory, "PagingFiles")->type, os::kRegMultiSz);
  EXPECT_EQ(Status(), "Änderungen übernommen");
}

TEST_F(PagingFilesTest, TheFieldsEditTheSelectedDrive) {
  Stored({"C:\\pagefile.sys 100 200"});
  Select("Auslagerungsdatei");
  List().UserClickItem(0);
  EXPECT_EQ(form->Edits[0]->Text(), "100");
  EXPECT_EQ(form->Edits[1]->Text(), "200");
  EXPECT_EQ(form->Edits[2]->Text(), "C:\\");

  // Equal sizes: no paging file on C: any more.
  Type("", "", "C:\\");
  ClickButton(0);
  List().UserClickItem(1);
  Type("64", "128", "D:\\Auslagerung");
  ClickButton(0);
  ClickApply();
  EXPECT_EQ(StoredBytes(), Bytes(std::string("D:\\Auslagerung\\pagefile.sys 64 128\0\0", 36)));

  List().UserClickItem(1);
  Type("", "", "");
  ClickButton(0);
  ClickApply();
  EXPECT_EQ(StoredBytes(), (std::vector<uint8_t>{0})) << "one empty multi-string";
}

TEST_F(PagingFilesTest, SizesThatCannotBeChangeNothing) {
  Stored({"C:\\pagefile.sys 100 200"});
  Select("Auslagerungsdatei");
  List().UserClickItem(0);
  for (const auto& [initial, maximum] : std::vector<std::pair<std::string, std::string>>{
           {"viel", "200"}, {"300", "200"}, {"100", "5000"}}) {
    Type(initial, maximum, "C:\\");
    ClickButton(0);
    EXPECT_EQ(Column(1)[0], "100-200") << initial << "-" << maximum;
  }
  ASSERT_EQ(Messages().size(), 3u);
  EXPECT_EQ(Messages()[0].caption, "Fehler");
  EXPECT_NE(Messages()[0].text.find("viel"), std::string::npos);
  EXPECT_NE(Messages()[2].text.find("4096 MB"), std::string::npos);
}

TEST_F(PagingFilesTest, TheFolderMustLieOnTheSelectedDrive) {
  Select("Auslagerungsdatei");
  List().UserClickItem(1);
  backend.Dialogs().AnswerBrowseFolder("C:\\Temp");
  ClickButton(1);
  EXPECT_EQ(form->Edits[2]->Text(), "");
  EXPECT_EQ(Shown(), (Texts{"Hinweis: Bestimmen einen Ordner auf Laufwerk D:"}));
  backend.Dialogs().AnswerBrowseFolder("d:\\Swap");
  ClickButton(1);
  EXPECT_EQ(form->Edits[2]->Text(), "d:\\Swap");
}

TEST_F(PagingFilesTest, WithoutTheKeyNothingIsWritten) {
  Select("Auslagerungsdatei");
  EXPECT_EQ(Column(1), (Texts{"", ""}));
  ClickApply();
  EXPECT_FALSE(KeyExists(RegRoot::LocalMachine, kMemory));
  EXPECT_EQ(Status(), "Änderungen übernommen");
}

}  // namespace
