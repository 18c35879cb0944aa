// Value-level registry access, against the in-memory registry and (under Wine) the real one.
#include "access/reg_access.h"
#include "base/text.h"

#include "support/scratch_registry.h"

namespace {

using os::RegAccess;
using os::RegRoot;
using os::RegValue;
using testing_support::BackendName;
using testing_support::RegistryBackends;
using testing_support::ScratchRegistryTest;

constexpr const char* kKey = "\\Software\\KalmoraTest\\Access";
constexpr const char* kPath = "Software\\KalmoraTest\\Access";

class RegAccessTest : public ScratchRegistryTest {
 protected:
  void SetUp() override {
    ScratchRegistryTest::SetUp();
    shared = std::make_unique<sysaccess::TRegistry>(registry());
    regAccess = std::make_unique<sysaccess::RegistryAccess>(*shared, work, system, trace);
  }

  void TearDown() override {
    shared->CloseKey();
    ScratchRegistryTest::TearDown();
  }

  void Put(RegRoot root, const std::string& path, const std::string& name, const RegValue& v) {
    auto key = registry().CreateKey(root, path);
    ASSERT_TRUE(key);
    ASSERT_EQ(key->SetValue(name, v), os::RegStatus::Ok);
  }

  std::optional<RegValue> Get(RegRoot root, const std::string& path, const std::string& name) {
    auto key = registry().OpenKey(root, path, RegAccess::Read);
    RegValue value;
    if (!key || key->QueryValue(name, value) != os::RegStatus::Ok) return std::nullopt;
    return value;
  }

  bool Exists(RegRoot root, const std::string& path) {
    return registry().OpenKey(root, path, RegAccess::Read) != nullptr;
  }

  std::string UserSid() {
    auto users = registry().OpenKey(RegRoot::Users, "", RegAccess::Read);
    for (const auto& name : users->SubKeyNames()) {
      const std::string upper = base::UpperCase(name);
      if (upper != ".DEFAULT" && upper.find("_CLASSES") == std::string::npos) return name;
    }
    return "";
  }

  sysaccess::WorkArea work;
  base::TraceLog trace;
  os::MemorySystem system;
  std::unique_ptr<sysaccess::TRegistry> shared;
  std::unique_ptr<sysaccess::RegistryAccess> regAccess;
};

TEST_P(RegAccessTest, RootSelectorsPickTheirRoots) {
  Put(RegRoot::LocalMachine, kPath, "where", RegValue::String("machine"));
  Put(RegRoot::CurrentUser, kPath, "where", RegValue::String("user"));
  EXPECT_EQ(regAccess->ReadReg(2, kKey, "where", "s"), "machine");
  EXPECT_EQ(regAccess->ReadReg(1, kKey, "where", "s"), "user");
  EXPECT_EQ(regAccess->ReadReg(3, UserSid() + "\\" + kPath, "where", "s"), "user");
  // Any other selector keeps the root the previous operation chose.
  EXPECT_EQ(regAccess->ReadReg(2, kKey, "where", "s"), "machine");
  EXPECT_EQ(regAccess->ReadReg(9, kKey, "where", "s"), "machine");
  EXPECT_EQ(regAccess->ReadReg(-1, kKey, "where", "s"), "machine");

  Put(RegRoot::LocalMachine, testing_support::kScratchClassPath, "", RegValue::String("class"));
  EXPECT_EQ(regAccess->ReadReg(0, testing_support::kScratchClass, "", "s"), "class");
  Put(RegRoot::LocalMachine, testing_support::kScratchConfigPath, "c", RegValue::Dword(4));
  EXPECT_EQ(regAccess->ReadReg(4, testing_support::kScratchConfig, "c", "i"), "4");
  regAccess->WriteReg(5, "KalmoraTest", "dyn", "5", "i");
  EXPECT_EQ(Get(RegRoot::DynData, "KalmoraTest", "dyn"), RegValue::Dword(5));
}

TEST_P(RegAccessTest, MissingValuesReadEmptyAndCreateNothing) {
  EXPECT_EQ(regAccess->ReadReg(1, kKey, "nothing", "s"), "");
  EXPECT_EQ(work.KeyOpened, 0);
  EXPECT_FALSE(Exists(RegRoot::CurrentUser, kPath));
  Put(RegRoot::CurrentUser, kPath, "other", RegValue::Dword(1));
  for (const char* kind : {"s", "i", "b", "z"}) {
    EXPECT_EQ(regAccess->ReadReg(1, kKey, "nothing", kind), "") << kind;
    EXPECT_EQ(work.KeyOpened, 1);
  }
}

TEST_P(RegAccessTest, EachKindReadsItsOwnTypeAndWrongTypesLikeMissingValues) {
  Put(RegRoot::CurrentUser, kPath, "max", RegValue::Dword(4294967295u));
  Put(RegRoot::CurrentUser, kPath, "bytes", RegValue::Binary({0x01, 0x00, 0xFF}));
  Put(RegRoot::CurrentUser, kPath, "text", RegValue::String("12"));
  Put(RegRoot::CurrentUser, kPath, "expand", RegValue::String("%X%", os::kRegExpandSz));
  EXPECT_EQ(regAccess->ReadReg(1, kKey, "max", "i"), "-1") << "signed decimal";
  EXPECT_EQ(work.WorkNumber, -1);
  EXPECT_EQ(regAccess->ReadReg(1, kKey, "missing", "i"), "");
  EXPECT_EQ(work.WorkNumber, -1) << "a missing value leaves WorkNumber alone";
  EXPECT_EQ(regAccess->ReadReg(1, kKey, "bytes", "b"), "01 00 FF");
  EXPECT_EQ(regAccess->ReadReg(1, kKey, "expand", "s"), "%X%");
  EXPECT_EQ(regAccess->ReadReg(1, kKey, "text", "i"), "");
  ASSERT_EQ(trace.Entries().size(), 1u) << "a value of the wrong type is traced";
  EXPECT_NE(trace.Entries()[0].find("Ungültiger Datentyp für 'text'"), std::string::npos);
  EXPECT_EQ(regAccess->ReadReg(1, kKey, "max", "s"), "");
  EXPECT_EQ(regAccess->ReadReg(1, kKey, "max", "b"), "");
  EXPECT_EQ(regAccess->ReadReg(1, kKey, "text", "b"), "");
  EXPECT_EQ(regAccess->ReadReg(1, kKey, "text", "q"), "") << "unknown kind";
  EXPECT_FALSE(shared->HasOpenKey()) << "every read closes its key";
}

TEST_P(RegAccessTest, MultiStringsFillTheWorkingMembers) {
  Put(RegRoot::LocalMachine, kPath, "multi", RegValue::MultiString({"A", "B"}));
  EXPECT_EQ(regAccess->ReadReg(2, kKey, "multi", "z"), "A\nB\n");
  EXPECT_EQ(work.WorkNumber, 2);
  EXPECT_EQ(work.WorkList, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(work.WorkText, "A\nB\n");

  work.WorkText = "stale";
  EXPECT_EQ(regAccess->ReadReg(2, kKey, "missing", "z"), "");
  EXPECT_EQ(work.WorkText, "stale") << "a failed query leaves the members alone";
  EXPECT_EQ(work.WorkNumber, 2);

  Put(RegRoot::LocalMachine, kPath, "none", RegValue::MultiString({}));
  EXPECT_EQ(regAccess->ReadReg(2, kKey, "none", "z"), "");
  EXPECT_EQ(work.WorkNumber, 0);
  EXPECT_TRUE(work.WorkList.empty());
}

TEST_P(RegAccessTest, WriteCreatesTheKeyWithItsParents) {
  regAccess->WriteReg(1, "\\Software\\KalmoraTest\\Deep\\Er\\Key", "v", "text", "s");
  EXPECT_EQ(work.KeyOpened, 1);
  EXPECT_EQ(Get(RegRoot::CurrentUser, Scratch("Deep\\Er\\Key"), "v"), RegValue::String("text"));
  regAccess->WriteReg(2, "Software\\KalmoraTest\\NoBackslash", "", "standard", "s");
  EXPECT_EQ(Get(RegRoot::LocalMachine, Scratch("NoBackslash"), ""), RegValue::String("standard"));
  Put(RegRoot::CurrentUser, kPath, "v", RegValue::Dword(3));
  regAccess->WriteReg(1, kKey, "v", "drei", "s");
  EXPECT_EQ(Get(RegRoot::CurrentUser, kPath, "v"), RegValue::String("drei")) << "of another type";
  regAccess->WriteReg(1, kKey, "w", "x", "z");
  EXPECT_FALSE(Get(RegRoot::CurrentUser, kPath, "w")) << "multi-strings are not written";
}

TEST_P(RegAccessTest, IntegerWritesConvertTheText) {
  regAccess->WriteReg(1, kKey, "n", "530", "i");
  EXPECT_EQ(Get(RegRoot::CurrentUser, kPath, "n"), RegValue::Dword(530));
  regAccess->WriteReg(1, kKey, "n", "1.9", "i");
  EXPECT_EQ(Get(RegRoot::CurrentUser, kPath, "n"), RegValue::Dword(1));
  regAccess->WriteReg(1, kKey, "n", "-1", "i");
  EXPECT_EQ(Get(RegRoot::CurrentUser, kPath, "n"), RegValue::Dword(0xFFFFFFFFu));
  regAccess->WriteReg(1, kKey, "n", "", "i");
  EXPECT_EQ(Get(RegRoot::CurrentUser, kPath, "n"), RegValue::Dword(0xFFFFFFFFu))
      << "the empty text writes nothing";
  regAccess->WriteReg(1, kKey, "n", "zwölf", "i");
  EXPECT_EQ(Get(RegRoot::CurrentUser, kPath, "n"), RegValue::Dword(0xFFFFFFFFu));
  // A failed write may leave its key open; the next operation still starts at its root.
  regAccess->WriteReg(1, kKey, "s", "ok", "s");
  EXPECT_EQ(Get(RegRoot::CurrentUser, kPath, "s"), RegValue::String("ok"));
}

TEST_P(RegAccessTest, BinaryWritesParseTheBinaryText) {
  regAccess->WriteReg(1, kKey, "b", "01 00 FF", "b");
  EXPECT_EQ(Get(RegRoot::CurrentUser, kPath, "b"), RegValue::Binary({0x01, 0x00, 0xFF}));
  std::string tooLong;
  for (int i = 0; i < 2049; ++i) tooLong += "11 ";
  regAccess->WriteReg(1, kKey, "b", tooLong, "b");
  EXPECT_EQ(Get(RegRoot::CurrentUser, kPath, "b"), RegValue::Binary({0x01, 0x00, 0xFF}))
      << "an over-long binary text is refused";
}

TEST_P(RegAccessTest, DeleteRemovesValuesAndSubkeys) {
  Put(RegRoot::CurrentUser, kPath, "v", RegValue::Dword(1));
  Put(RegRoot::CurrentUser, kPath, "keep", RegValue::Dword(2));
  Put(RegRoot::CurrentUser, Scratch("Access\\Sub\\Deeper"), "x", RegValue::Dword(3));
  regAccess->DeleteReg(1, kKey, "missing", "v");
  EXPECT_TRUE(Get(RegRoot::CurrentUser, kPath, "v"));
  regAccess->DeleteReg(1, kKey, "V", "v");
  EXPECT_FALSE(Get(RegRoot::CurrentUser, kPath, "v"));
  EXPECT_TRUE(Get(RegRoot::CurrentUser, kPath, "keep"));
  regAccess->DeleteReg(1, kKey, "sub", "k");
  EXPECT_FALSE(Exists(RegRoot::CurrentUser, Scratch("Access\\Sub")));
  EXPECT_TRUE(Exists(RegRoot::CurrentUser, kPath));
  regAccess->DeleteReg(1, kKey, "", "k");
  EXPECT_TRUE(Exists(RegRoot::CurrentUser, kPath)) << "the empty name never deletes the key";
  regAccess->DeleteReg(1, "\\Software\\KalmoraTest\\Nowhere", "x", "k");
  EXPECT_EQ(work.KeyOpened, 0);
  EXPECT_FALSE(Exists(RegRoot::CurrentUser, Scratch("Nowhere")));
}

TEST_P(RegAccessTest, CheckValueCollectsMatchingStrings) {
  work.WorkList = {"earlier"};
  regAccess->CheckValue(RegValue::String("Matrox Millennium").data, os::kRegSz, "MILL");
  regAccess->CheckValue(RegValue::String("other").data, os::kRegExpandSz, "MILL");
  regAccess->CheckValue(RegValue::MultiString({"a", "mill"}).data, os::kRegMultiSz, "MILL");
  EXPECT_EQ(work.WorkNumber, 2);
  regAccess->CheckValue(RegValue::Dword(0x4C4C494D).data, os::kRegDword, "MILL");
  regAccess->CheckValue(RegValue::String("äpfel").data, os::kRegSz, "ÄPFEL");
  EXPECT_EQ(work.WorkList,
            (std::vector<std::string>{"earlier", "Matrox Millennium", "a\nmill\n", "äpfel"}));
}

INSTANTIATE_TEST_SUITE_P(Backends, RegAccessTest, ::testing::ValuesIn(RegistryBackends()),
                         [](const auto& param) { return BackendName(param.param); });

}  // namespace
