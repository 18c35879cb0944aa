// The bytes of one stored change set: a header with the format's version, the length and a
// checksum of what follows, so that a file cut short or damaged is recognised and left alone.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "journal/change_set.h"

namespace journal {

inline constexpr uint32_t kJournalFormatVersion = 1;

std::string EncodeChangeSet(const ChangeSet& set);
// None for anything that is not a whole set of a known version.
std::optional<ChangeSet> DecodeChangeSet(std::string_view bytes);

}  // namespace journal
