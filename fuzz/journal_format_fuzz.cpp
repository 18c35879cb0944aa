// Stored change sets are read back from disk, where anything may have happened to them: reading
// never crashes, and a set that reads whole writes back to the very same bytes. The input is
// tried as it stands and as the body of a file with a header that fits it, so the reader of the
// body is reached past the checksum.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "journal/journal_format.h"

namespace {

void AppendU32(std::string& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>(value >> (8 * i));
}

std::string WithHeader(std::string_view body) {
  uint32_t hash = 2166136261u;
  for (const char c : body) {
    hash ^= static_cast<uint8_t>(c);
    hash *= 16777619u;
  }
  std::string file = "K2XJ";
  AppendU32(file, journal::kJournalFormatVersion);
  AppendU32(file, static_cast<uint32_t>(body.size()));
  AppendU32(file, hash);
  return file + std::string(body);
}

void RoundTrip(std::string_view bytes) {
  const auto set = journal::DecodeChangeSet(bytes);
  if (set && journal::EncodeChangeSet(*set) != bytes) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  RoundTrip(bytes);
  RoundTrip(WithHeader(bytes));
  return 0;
}
