// The real Kalmora2x.exe on the command line in a prepared prefix: exit codes, the profile and
// the log it writes, what an apply changes in the real registry, and that it opens no window.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

const wchar_t* const kProgram = L"C:\\Programme\\Kalmora2x\\Kalmora2x.exe";
const char* const kProfile = "C:\\park.txt";
const char* const kLog = "C:\\park.log";
const wchar_t* const kDesktop = L"Control Panel\\Desktop";
// The log is Windows-1252: "übernommen" as its bytes.
const char* const kApplied =
    "\xFC"
    "bernommen";

struct Outcome {
  DWORD exitCode = 0xFFFFFFFF;
  int windows = 0;  // top-level windows the process made while it ran
  double milliseconds = 0;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM data) {
  auto* seen = reinterpret_cast<std::pair<DWORD, int>*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == seen->first) ++seen->second;
  return TRUE;
}

Outcome RunProgram(const std::wstring& arguments) {
  std::wstring line = std::wstring(L"\"") + kProgram + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  Outcome outcome;
  const auto begin = std::chrono::steady_clock::now();
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return outcome;
  }
  // Polled while it runs: any window it made, even for a moment, is counted.
  while (WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT) {
    std::pair<DWORD, int> seen{process.dwProcessId, 0};
    EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&seen));
    outcome.windows = std::max(outcome.windows, seen.second);
  }
  outcome.milliseconds =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
  GetExitCodeProcess(process.hProcess, &outcome.exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return outcome;
}

std::string Read(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

DWORD VersionNumber() {
  DWORD value = 99;
  DWORD size = sizeof value;
  RegGetValueW(HKEY_CURRENT_USER, kDesktop, L"PaintDesktopVersion", RRF_RT_REG_DWORD, nullptr,
               &value, &size);
  return value;
}

void SetVersionNumber(DWORD value) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kDesktop, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, L"PaintDesktopVersion", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                 sizeof value);
  RegCloseKey(key);
}

int JournalSets() {
  WIN32_FIND_DATAW found;
  wchar_t appData[MAX_PATH];
  GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH);
  const std::wstring pattern = std::wstring(appData) + L"\\Kalmora2x\\Journal\\*.k2j";
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do {
    ++count;
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return count;
}

void Report(const char* what, const Outcome& outcome) {
  std::printf("[bench] Kalmora2x.exe %s, whole profile: %.0f ms\n", what, outcome.milliseconds);
}

TEST(ProfileCommandLine, SavesComparesAndAppliesWithItsExitCodesAndNoWindow) {
  SetVersionNumber(0);
  const Outcome save = RunProgram(L"/save C:\\park.txt");
  Report("/save", save);
  EXPECT_EQ(save.exitCode, 0u);
  EXPECT_EQ(save.windows, 0);
  const std::string saved = Read(kProfile);
  ASSERT_EQ(saved.rfind("; Kalmora 2x - Profil.", 0), 0u) << saved.substr(0, 200);
  EXPECT_NE(saved.find("\r\nAnzeigen der Versionsnummer auf dem Desktop=nein\r\n"),
            std::string::npos);
  EXPECT_NE(saved.find("\r\n[Ende]\r\n"), std::string::npos);

  const Outcome same = RunProgram(L"/compare C:\\park.txt /log C:\\park.log");
  Report("/compare", same);
  EXPECT_EQ(same.exitCode, 0u);
  EXPECT_EQ(same.windows, 0);
  EXPECT_EQ(Read(kLog).find("\tabweichend\r\n"), std::string::npos);

  SetVersionNumber(1);
  EXPECT_EQ(RunProgram(L"/compare C:\\park.txt /log C:\\park.log").exitCode, 1u);
  EXPECT_NE(
      Read(kLog).find("\tAnzeigen der Versionsnummer auf dem Desktop\tja\tnein\tabweichend\r\n"),
      std::string::npos);

  const int setsBefore = JournalSets();
  const Outcome apply = RunProgram(L"/apply C:\\park.txt /log C:\\park.log");
  Report("/apply (one setting differs)", apply);
  EXPECT_EQ(apply.exitCode, 0u) << Read(kLog);
  EXPECT_EQ(apply.windows, 0);
  EXPECT_EQ(VersionNumber(), 0u);
  EXPECT_NE(Read(kLog).find(std::string("\tja\tnein\t") + kApplied + "\r\n"), std::string::npos)
      << Read(kLog);
  EXPECT_EQ(JournalSets(), setsBefore + 1);

  const Outcome again = RunProgram(L"/apply C:\\park.txt /log C:\\park.log");
  Report("/apply (nothing differs)", again);
  EXPECT_EQ(again.exitCode, 0u);
  EXPECT_EQ(Read(kLog).find(kApplied), std::string::npos);
  EXPECT_NE(Read(kLog).find("\tnein\tnein\tgleich\r\n"), std::string::npos);
  EXPECT_EQ(JournalSets(), setsBefore + 1);
}

TEST(ProfileCommandLine, AnUnusableProfileOrLineChangesNothingAndExitsWith2) {
  SetVersionNumber(1);
  const std::string saved = Read(kProfile);
  ASSERT_FALSE(saved.empty());
  {
    std::ofstream cut("C:\\cut.txt", std::ios::binary);
    cut << saved.substr(0, saved.size() / 2);
  }
  const Outcome broken = RunProgram(L"/apply C:\\cut.txt /log C:\\park.log");
  EXPECT_EQ(broken.exitCode, 2u);
  EXPECT_EQ(broken.windows, 0);
  EXPECT_NE(Read(kLog).find("Profil unbrauchbar: C:\\cut.txt: "), std::string::npos) << Read(kLog);
  EXPECT_EQ(VersionNumber(), 1u);
  EXPECT_EQ(RunProgram(L"/apply C:\\missing.txt").exitCode, 2u);
  EXPECT_EQ(RunProgram(L"/apply C:\\park.txt /scope everyone").exitCode, 2u);
  EXPECT_EQ(RunProgram(L"/frobnicate").exitCode, 2u);
  EXPECT_EQ(VersionNumber(), 1u);
}

}  // namespace
