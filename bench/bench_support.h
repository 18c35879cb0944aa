// What the benchmarks share: a clock for one piece of work and the demo data of sandbox/registry
// loaded into a registry.
#pragma once

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "os/reg_file.h"
#include "os/registry.h"

namespace bench {

inline double MicrosecondsOf(const std::function<void()>& work) {
  const auto begin = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - begin)
      .count();
}

// Every .reg file of the folder; a file that does not import is named and passed over.
inline void Seed(os::Registry& registry, const std::string& folder) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().extension() != ".reg") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    os::RegFileError failure;
    if (!os::ImportRegFile(registry, bytes.str(), failure)) {
      std::fprintf(stderr, "%s: %s\n", entry.path().string().c_str(), failure.message.c_str());
    }
  }
}

}  // namespace bench
