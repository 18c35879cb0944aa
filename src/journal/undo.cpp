#include "journal/undo.h"

#include "journal/state.h"

namespace journal {
namespace {

std::string KeyState(bool exists) {
  return exists ? "Schlüssel vorhanden" : "Schlüssel nicht vorhanden";
}

std::string FileText(const std::optional<FileState>& state) {
  if (!state) return "(nicht vorhanden)";
  if (state->attributes & os::kAttrDirectory) return "(Ordner)";
  return std::to_string(state->content.size()) + " Bytes";
}

}  // namespace

std::vector<std::string> FindConflicts(const ChangeSet& set, os::Registry& registry,
                                       os::FileSystem& files) {
  std::vector<std::string> conflicts;
  const auto report = [&](const Change& change, const std::string& then, const std::string& now) {
    conflicts.push_back(Where(change) + ": nach der Änderung " + then + ", jetzt " + now);
  };
  for (const Change& then : set.changes) {
    Change now = then;
    ReadAfter(now, registry, files);
    switch (then.kind) {
      case Change::Kind::Value:
        if (now.valueAfter != then.valueAfter) {
          report(then, DescribeValue(then.valueAfter), DescribeValue(now.valueAfter));
        }
        break;
      case Change::Kind::Key:
        if (now.keyAfter != then.keyAfter) {
          report(then, KeyState(then.keyAfter), KeyState(now.keyAfter));
        }
        break;
      case Change::Kind::File:
        if (now.fileAfter != then.fileAfter) {
          // Same size but other bytes or attributes still differs: say so.
          std::string thenText = FileText(then.fileAfter);
          std::string nowText = FileText(now.fileAfter);
          if (thenText == nowText) nowText += " (anderer Inhalt oder andere Attribute)";
          report(then, thenText, nowText);
        }
        break;
    }
  }
  return conflicts;
}

bool Undo(const ChangeSet& set, os::Registry& registry, os::FileSystem& files) {
  bool ok = true;
  for (auto change = set.changes.rbegin(); change != set.changes.rend(); ++change) {
    ok = RestoreBefore(*change, registry, files) && ok;
  }
  return ok;
}

}  // namespace journal
