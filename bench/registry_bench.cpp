// Registry figures: ReadReg/WriteReg calls per second, and a recursive walk of a generated tree
// of about 20,000 keys and 60,000 values, on the in-memory registry and (Windows build) on the
// real one.
//
// usage: registry_bench [all|generate|walk|search|cleanup] [memory|real]
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "access/reg_access.h"
#include "access/registry_search.h"
#include "os/memory_registry.h"
#include "os/reg_values.h"
#ifdef KALMORA_BENCH_WIN32
#include "win32/win32_registry.h"
#endif

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kTreePath = "Software\\KalmoraBench";
constexpr int kFanOut[] = {20, 20, 49};  // 20 + 400 + 19,600 keys
constexpr int kValuesPerKey = 3;

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void Report(const char* backend, const char* what, double count, double seconds, const char* unit) {
  std::printf("%-7s %-34s %12.0f %s/s  (%.0f in %.3f s)\n", backend, what, count / seconds, unit,
              count, seconds);
}

void BenchValueAccess(os::Registry& registry, const char* backend, int calls) {
  sysaccess::TRegistry shared(registry);
  sysaccess::WorkArea work;
  os::MemorySystem system;
  base::TraceLog trace;
  sysaccess::RegistryAccess regAccess(shared, work, system, trace);
  const std::string key = std::string("\\") + kTreePath + "\\Access";

  auto start = Clock::now();
  for (int i = 0; i < calls; ++i) {
    regAccess.WriteReg(1, key, "value" + std::to_string(i % 16), std::to_string(i), "i");
  }
  Report(backend, "WriteReg (kind i)", calls, Seconds(start), "calls");

  start = Clock::now();
  size_t checksum = 0;
  for (int i = 0; i < calls; ++i) {
    checksum += regAccess.ReadReg(1, key, "value" + std::to_string(i % 16), "i").size();
  }
  Report(backend, "ReadReg (kind i)", calls, Seconds(start), "calls");

  start = Clock::now();
  for (int i = 0; i < calls; ++i) regAccess.WriteReg(1, key, "bytes", "01 00 FF 7F", "b");
  Report(backend, "WriteReg (kind b)", calls, Seconds(start), "calls");
  start = Clock::now();
  for (int i = 0; i < calls; ++i) checksum += regAccess.ReadReg(1, key, "bytes", "b").size();
  Report(backend, "ReadReg (kind b)", calls, Seconds(start), "calls");
  if (checksum == 0) std::printf("(no values read)\n");
  regAccess.DeleteReg(1, std::string("\\") + kTreePath, "Access", "k");
}

void Generate(os::RegKey& key, int level, int& keys, int& values) {
  for (int v = 0; v < kValuesPerKey; ++v) {
    const std::string name = "v" + std::to_string(v);
    switch (v) {
      case 0:
        key.SetValue(name, os::RegValue::String("Wert " + std::to_string(keys)));
        break;
      case 1:
        key.SetValue(name, os::RegValue::Dword(static_cast<uint32_t>(keys)));
        break;
      default:
        key.SetValue(name, os::RegValue::Binary({1, 2, 3, 4, 5, 6, 7, 8}));
        break;
    }
    ++values;
  }
  if (level == static_cast<int>(std::size(kFanOut))) return;
  for (int i = 0; i < kFanOut[level]; ++i) {
    auto child = key.CreateSubKey("Key" + std::to_string(level) + "_" + std::to_string(i));
    if (!child) continue;
    ++keys;
    Generate(*child, level + 1, keys, values);
  }
}

void GenerateTree(os::Registry& registry, const char* backend) {
  registry.DeleteKeyTree(os::RegRoot::CurrentUser, kTreePath);
  const auto start = Clock::now();
  auto root = registry.CreateKey(os::RegRoot::CurrentUser, kTreePath);
  int keys = 1;
  int values = 0;
  if (root) Generate(*root, 0, keys, values);
  const double seconds = Seconds(start);
  std::printf("%-7s generated %d keys and %d values in %.3f s\n", backend, keys, values, seconds);
}

// The bare loops the search is measured against: each value by name, or all at once.
void Walk(const os::RegKey& key, int depth, bool atOnce, long& keys, long& values) {
  ++keys;
  if (atOnce) {
    values += static_cast<long>(os::ValuesOf(key).size());
  } else {
    for (const auto& name : key.ValueNames()) {
      os::RegValue value;
      if (key.QueryValue(name, value) == os::RegStatus::Ok) ++values;
    }
  }
  if (depth >= os::kMaxRegistryDepth) return;
  for (const auto& name : key.SubKeyNames()) {
    if (auto child = key.OpenSubKey(name, os::RegAccess::Read)) {
      Walk(*child, depth + 1, atOnce, keys, values);
    }
  }
}

void WalkTree(os::Registry& registry, const char* backend) {
  for (const bool atOnce : {false, true}) {
    const auto start = Clock::now();
    long keys = 0;
    long values = 0;
    if (auto root = registry.OpenKey(os::RegRoot::CurrentUser, kTreePath, os::RegAccess::Read)) {
      Walk(*root, 0, atOnce, keys, values);
    }
    const double seconds = Seconds(start);
    Report(backend, atOnce ? "bare walk, values at once: keys" : "bare walk, value by name: keys",
           static_cast<double>(keys), seconds, "keys");
  }
}

// The registry search over the same tree, for a text no name holds but every string value's
// data is compared with: the figure to set against the bare walk above.
void SearchTree(os::Registry& registry, const char* backend) {
  sysaccess::TRegistry shared(registry);
  sysaccess::WorkArea work;
  os::MemorySystem system;
  base::TraceLog trace;
  sysaccess::RegistryAccess access(shared, work, system, trace);
  long keys = 1;
  const auto start = Clock::now();
  sysaccess::SucheInReg(access, work, os::RegRoot::CurrentUser, kTreePath, "DacType",
                        [&keys] { ++keys; });
  const double seconds = Seconds(start);
  Report(backend, "registry search: keys", static_cast<double>(keys), seconds, "keys");
  if (!work.WorkList.empty()) std::printf("(unexpected hits: %zu)\n", work.WorkList.size());
}

}  // namespace

int main(int argc, char** argv) {
  const std::string phase = argc > 1 ? argv[1] : "all";
  const std::string which = argc > 2 ? argv[2] : "both";

  std::vector<std::pair<const char*, std::function<std::unique_ptr<os::Registry>()>>> backends;
  if (which != "real") {
    backends.emplace_back("memory", [] { return std::make_unique<os::MemoryRegistry>(); });
  }
#ifdef KALMORA_BENCH_WIN32
  if (which != "memory") {
    backends.emplace_back("real", [] { return std::make_unique<win32::Win32Registry>(); });
  }
#endif

  for (const auto& [name, make] : backends) {
    auto registry = make();
    const bool real = std::strcmp(name, "real") == 0;
    if (phase == "all" || phase == "access")
      BenchValueAccess(*registry, name, real ? 5000 : 500000);
    // The in-memory tree lives only as long as its registry, so memory always runs all phases.
    if (phase == "all" || phase == "generate" || !real) GenerateTree(*registry, name);
    if (phase == "all" || phase == "walk" || !real) WalkTree(*registry, name);
    if (phase == "all" || phase == "search" || !real) SearchTree(*registry, name);
    if (phase == "all" || phase == "cleanup") {
      registry->DeleteKeyTree(os::RegRoot::CurrentUser, kTreePath);
    }
  }
  return 0;
}
