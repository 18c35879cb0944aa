#include "journal/journal_format.h"

namespace journal {
namespace {

constexpr std::string_view kMagic = "K2XJ";
constexpr size_t kHeaderSize = 16;  // magic, version, length, checksum

// FNV-1a: enough to tell a damaged file from a whole one.
uint32_t Checksum(std::string_view bytes) {
  uint32_t hash = 2166136261u;
  for (const char c : bytes) {
    hash ^= static_cast<uint8_t>(c);
    hash *= 16777619u;
  }
  return hash;
}

class Writer {
 public:
  void U8(uint8_t value) { out_ += static_cast<char>(value); }
  void U32(uint32_t value) {
    for (int i = 0; i < 4; ++i) out_ += static_cast<char>(value >> (8 * i));
  }
  void Bytes(std::string_view bytes) {
    U32(static_cast<uint32_t>(bytes.size()));
    out_ += bytes;
  }
  void Value(const std::optional<os::RegValue>& value) {
    U8(value ? 1 : 0);
    if (!value) return;
    U32(value->type);
    Bytes({reinterpret_cast<const char*>(value->data.data()), value->data.size()});
  }
  void Tree(const KeyTree& tree) {
    Bytes(tree.name);
    U32(static_cast<uint32_t>(tree.values.size()));
    for (const auto& [name, value] : tree.values) {
      Bytes(name);
      Value(value);
    }
    U32(static_cast<uint32_t>(tree.subKeys.size()));
    for (const KeyTree& sub : tree.subKeys) Tree(sub);
  }
  void File(const std::optional<FileState>& state) {
    U8(state ? 1 : 0);
    if (!state) return;
    U32(state->attributes);
    Bytes(state->content);
  }
  std::string& Out() { return out_; }

 private:
  std::string out_;
};

class Reader {
 public:
  explicit Reader(std::string_view in) : in_(in) {}

  bool U8(uint8_t& value) {
    if (in_.size() < 1) return false;
    value = static_cast<uint8_t>(in_[0]);
    in_.remove_prefix(1);
    return true;
  }
  bool U32(uint32_t& value) {
    if (in_.size() < 4) return false;
    value = 0;
    for (int i = 0; i < 4; ++i)
      value |= static_cast<uint32_t>(static_cast<uint8_t>(in_[i])) << (8 * i);
    in_.remove_prefix(4);
    return true;
  }
  bool Bytes(std::string& bytes) {
    uint32_t size = 0;
    if (!U32(size) || in_.size() < size) return false;
    bytes.assign(in_.substr(0, size));
    in_.remove_prefix(size);
    return true;
  }
  bool Value(std::optional<os::RegValue>& value) {
    uint8_t present = 0;
    if (!U8(present) || present > 1) return false;
    if (!present) return true;
    os::RegValue read;
    std::string data;
    if (!U32(read.type) || !Bytes(data)) return false;
    read.data.assign(data.begin(), data.end());
    value = std::move(read);
    return true;
  }
  bool Tree(KeyTree& tree, int depth) {
    if (depth > os::kMaxRegistryDepth) return false;
    uint32_t count = 0;
    if (!Bytes(tree.name) || !U32(count)) return false;
    for (uint32_t i = 0; i < count; ++i) {
      std::string name;
      std::optional<os::RegValue> value;
      if (!Bytes(name) || !Value(value) || !value) return false;
      tree.values.emplace_back(std::move(name), std::move(*value));
    }
    if (!U32(count)) return false;
    for (uint32_t i = 0; i < count; ++i) {
      if (!Tree(tree.subKeys.emplace_back(), depth + 1)) return false;
    }
    return true;
  }
  bool File(std::optional<FileState>& state) {
    uint8_t present = 0;
    if (!U8(present) || present > 1) return false;
    if (!present) return true;
    FileState read;
    if (!U32(read.attributes) || !Bytes(read.content)) return false;
    state = std::move(read);
    return true;
  }
  bool AtEnd() const { return in_.empty(); }

 private:
  std::string_view in_;
};

void WriteChange(Writer& out, const Change& change) {
  out.U8(static_cast<uint8_t>(change.kind));
  out.U8(static_cast<uint8_t>(change.root));
  out.Bytes(change.path);
  out.Bytes(change.name);
  switch (change.kind) {
    case Change::Kind::Value:
      out.Value(change.valueBefore);
      out.Value(change.valueAfter);
      return;
    case Change::Kind::Key:
      out.U8(change.keyBefore ? 1 : 0);
      if (change.keyBefore) out.Tree(*change.keyBefore);
      out.U8(change.keyAfter ? 1 : 0);
      return;
    case Change::Kind::File:
      out.File(change.fileBefore);
      out.File(change.fileAfter);
      return;
  }
}

bool ReadChange(Reader& in, Change& change) {
  uint8_t kind = 0;
  uint8_t root = 0;
  if (!in.U8(kind) || !in.U8(root) || !in.Bytes(change.path) || !in.Bytes(change.name)) {
    return false;
  }
  if (root > static_cast<uint8_t>(os::RegRoot::DynData)) return false;
  change.root = static_cast<os::RegRoot>(root);
  uint8_t flag = 0;
  switch (kind) {
    case static_cast<uint8_t>(Change::Kind::Value):
      change.kind = Change::Kind::Value;
      return in.Value(change.valueBefore) && in.Value(change.valueAfter);
    case static_cast<uint8_t>(Change::Kind::Key):
      change.kind = Change::Kind::Key;
      if (!in.U8(flag) || flag > 1) return false;
      if (flag && !in.Tree(change.keyBefore.emplace(), 0)) return false;
      if (!in.U8(flag) || flag > 1) return false;
      change.keyAfter = flag == 1;
      return true;
    case static_cast<uint8_t>(Change::Kind::File):
      change.kind = Change::Kind::File;
      return in.File(change.fileBefore) && in.File(change.fileAfter);
    default:
      return false;
  }
}

}  // namespace

std::string EncodeChangeSet(const ChangeSet& set) {
  Writer body;
  body.U32(set.id);
  body.Bytes(set.time);
  body.Bytes(set.label);
  body.Bytes(set.user);
  body.U32(static_cast<uint32_t>(set.changes.size()));
  for (const Change& change : set.changes) WriteChange(body, change);

  Writer file;
  file.Out() += kMagic;
  file.U32(kJournalFormatVersion);
  file.U32(static_cast<uint32_t>(body.Out().size()));
  file.U32(Checksum(body.Out()));
  return file.Out() + body.Out();
}

std::optional<ChangeSet> DecodeChangeSet(std::string_view bytes) {
  if (bytes.size() < kHeaderSize || bytes.substr(0, 4) != kMagic) return std::nullopt;
  Reader header(bytes.substr(4, kHeaderSize - 4));
  uint32_t version = 0;
  uint32_t length = 0;
  uint32_t checksum = 0;
  header.U32(version);
  header.U32(length);
  header.U32(checksum);
  const std::string_view body = bytes.substr(kHeaderSize);
  if (version != kJournalFormatVersion || body.size() != length || Checksum(body) != checksum) {
    return std::nullopt;
  }
  Reader in(body);
  ChangeSet set;
  uint32_t count = 0;
  if (!in.U32(set.id) || !in.Bytes(set.time) || !in.Bytes(set.label) || !in.Bytes(set.user) ||
      !in.U32(count)) {
    return std::nullopt;
  }
  for (uint32_t i = 0; i < count; ++i) {
    if (!ReadChange(in, set.changes.emplace_back())) return std::nullopt;
  }
  if (!in.AtEnd()) return std::nullopt;
  return set;
}

}  // namespace journal
