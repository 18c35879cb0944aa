#include "journal/change_set.h"

#include <cstdio>

#include "base/hex.h"
#include "base/text.h"

namespace journal {

Change Change::Value(os::RegRoot root, std::string path, std::string name) {
  Change change;
  change.kind = Kind::Value;
  change.root = root;
  change.path = std::move(path);
  change.name = std::move(name);
  return change;
}

Change Change::Key(os::RegRoot root, std::string path) {
  Change change;
  change.kind = Kind::Key;
  change.root = root;
  change.path = std::move(path);
  return change;
}

Change Change::File(std::string path) {
  Change change;
  change.kind = Kind::File;
  change.path = std::move(path);
  return change;
}

namespace {

// Doubled, leading and trailing backslashes do not name another key.
std::string CanonicalPath(std::string_view path) {
  std::string out;
  for (const char c : path) {
    if (c == '\\' || c == '/') {
      if (!out.empty() && out.back() != '\\') out += '\\';
    } else {
      out += c;
    }
  }
  if (!out.empty() && out.back() == '\\') out.pop_back();
  return base::UpperCase(out);
}

}  // namespace

std::string Change::Target() const {
  const std::string rootNumber = std::to_string(static_cast<int>(root));
  switch (kind) {
    case Kind::Value:
      return "V" + rootNumber + "|" + CanonicalPath(path) + "|" + base::UpperCase(name);
    case Kind::Key:
      return "K" + rootNumber + "|" + CanonicalPath(path);
    case Kind::File:
      return "F|" + CanonicalPath(path);
  }
  return {};
}

bool Change::Unchanged() const {
  switch (kind) {
    case Kind::Value:
      return valueBefore == valueAfter;
    case Kind::Key:
      // A key deleted and made again may have lost what was in it: only a key that came and
      // went again is as it was.
      return !keyBefore && !keyAfter;
    case Kind::File:
      return fileBefore == fileAfter;
  }
  return false;
}

std::string Where(const Change& change) {
  if (change.kind == Change::Kind::File) return change.path;
  std::string where(os::RootName(change.root));
  if (!change.path.empty()) where += "\\" + change.path;
  if (change.kind == Change::Kind::Value) {
    where += "\\" + (change.name.empty() ? std::string("(Standard)") : change.name);
  }
  return where;
}

std::string DescribeValue(const std::optional<os::RegValue>& value) {
  if (!value) return "(nicht vorhanden)";
  if (value->type == os::kRegSz || value->type == os::kRegExpandSz) {
    return "\"" + value->AsString() + "\"";
  }
  if (const std::optional<uint32_t> number = value->AsDword()) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%08x (%u)", *number, *number);
    return text;
  }
  if (value->type == os::kRegMultiSz) {
    std::string text;
    for (const std::string& s : value->AsMultiString())
      text += (text.empty() ? "\"" : ", \"") + s + "\"";
    return text.empty() ? "(leere Liste)" : text;
  }
  std::string bytes;
  for (const uint8_t b : value->data) bytes += (bytes.empty() ? "" : " ") + base::HexByte(b);
  return bytes.empty() ? "(leer)" : bytes;
}

namespace {

std::string DescribeFile(const std::optional<FileState>& state) {
  if (!state) return "(nicht vorhanden)";
  if (state->attributes & 0x10) return "(Ordner)";
  return std::to_string(state->content.size()) + " Bytes";
}

}  // namespace

std::string Describe(const Change& change) {
  const std::string arrow = " \xE2\x86\x92 ";
  switch (change.kind) {
    case Change::Kind::Value:
      return Where(change) + ": " + DescribeValue(change.valueBefore) + arrow +
             DescribeValue(change.valueAfter);
    case Change::Kind::Key:
      return Where(change) + ": " +
             (change.keyBefore ? "Schlüssel vorhanden" : "Schlüssel nicht vorhanden") + arrow +
             (change.keyAfter ? "vorhanden" : "gelöscht");
    case Change::Kind::File:
      return Where(change) + ": " + DescribeFile(change.fileBefore) + arrow +
             DescribeFile(change.fileAfter);
  }
  return {};
}

}  // namespace journal
