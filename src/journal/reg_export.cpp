#include "journal/reg_export.h"

#include <algorithm>

#include "base/text.h"

namespace journal {
namespace {

using Op = os::RegFileOperation;

Op KeyOp(Op::Kind kind, os::RegRoot root, std::string path) {
  Op op;
  op.kind = kind;
  op.root = root;
  op.path = std::move(path);
  return op;
}

Op ValueOp(const Change& change, const std::optional<os::RegValue>& value) {
  Op op = KeyOp(value ? Op::Kind::SetValue : Op::Kind::DeleteValue, change.root, change.path);
  op.valueName = change.name;
  if (value) op.value = *value;
  return op;
}

void AddTree(std::vector<Op>& ops, os::RegRoot root, const std::string& path, const KeyTree& tree) {
  ops.push_back(KeyOp(Op::Kind::CreateKey, root, path));
  for (const auto& [name, value] : tree.values) {
    Op op = KeyOp(Op::Kind::SetValue, root, path);
    op.valueName = name;
    op.value = value;
    ops.push_back(std::move(op));
  }
  for (const KeyTree& sub : tree.subKeys) AddTree(ops, root, path + "\\" + sub.name, sub);
}

// Whether the value's key lies at or below the key (an importing regedit would make the key
// again for the value's section).
bool Below(const Change& value, const Change& key) {
  if (value.root != key.root) return false;
  const std::string path = base::UpperCase(value.path);
  const std::string top = base::UpperCase(key.path);
  return path == top || path.starts_with(top + "\\");
}

void SortById(std::vector<ChangeSet>& sets) {
  std::sort(sets.begin(), sets.end(),
            [](const ChangeSet& a, const ChangeSet& b) { return a.id < b.id; });
}

}  // namespace

std::string ExportChanges(std::vector<ChangeSet> sets, os::RegFileFormat format) {
  SortById(sets);
  std::vector<Op> ops;
  for (const ChangeSet& set : sets) {
    // Keys the set deleted go last, so that no value section of the set makes them again.
    std::vector<const Change*> deleted;
    for (const Change& change : set.changes) {
      if (change.kind == Change::Kind::Key && !change.keyAfter) deleted.push_back(&change);
    }
    for (const Change& change : set.changes) {
      if (change.kind == Change::Kind::Key && change.keyAfter) {
        if (change.keyBefore) ops.push_back(KeyOp(Op::Kind::DeleteKey, change.root, change.path));
        ops.push_back(KeyOp(Op::Kind::CreateKey, change.root, change.path));
      } else if (change.kind == Change::Kind::Value &&
                 std::none_of(deleted.begin(), deleted.end(),
                              [&](const Change* key) { return Below(change, *key); })) {
        ops.push_back(ValueOp(change, change.valueAfter));
      }
    }
    for (const Change* key : deleted) {
      ops.push_back(KeyOp(Op::Kind::DeleteKey, key->root, key->path));
    }
  }
  return os::WriteRegText(ops, format);
}

std::string ExportPrevious(std::vector<ChangeSet> sets, os::RegFileFormat format) {
  SortById(sets);
  std::vector<Op> ops;
  // The same order as undoing: the last change of the newest set first.
  for (auto set = sets.rbegin(); set != sets.rend(); ++set) {
    for (auto change = set->changes.rbegin(); change != set->changes.rend(); ++change) {
      if (change->kind == Change::Kind::Value) {
        ops.push_back(ValueOp(*change, change->valueBefore));
      } else if (change->kind == Change::Kind::Key) {
        ops.push_back(KeyOp(Op::Kind::DeleteKey, change->root, change->path));
        if (change->keyBefore) AddTree(ops, change->root, change->path, *change->keyBefore);
      }
    }
  }
  return os::WriteRegText(ops, format);
}

}  // namespace journal
