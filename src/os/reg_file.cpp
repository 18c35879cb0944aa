#include "os/reg_file.h"

#include <algorithm>
#include <cstdio>

#include "base/hex.h"
#include "base/utf.h"

namespace os {
namespace {

constexpr std::string_view kHeader4 = "REGEDIT4";
constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";

std::string DecodeText(std::string_view bytes) {
  if (bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xFF &&
      static_cast<uint8_t>(bytes[1]) == 0xFE) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
      units += static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) |
                                     (static_cast<uint8_t>(bytes[i + 1]) << 8));
    }
    return base::Utf16ToUtf8(units);
  }
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (base::IsValidUtf8(bytes)) return std::string(bytes);
  return base::Cp1252ToUtf8(bytes);
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string_view Trim(std::string_view s) {
  return TrimRight(TrimLeft(s));
}

struct PhysicalLine {
  std::string_view text;
  int number;
};

std::vector<PhysicalLine> SplitLines(std::string_view text) {
  std::vector<PhysicalLine> lines;
  int number = 1;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = start;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
    lines.push_back({text.substr(start, end - start), number++});
    if (end >= text.size()) break;
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

class Parser {
 public:
  Parser(RegFile& file, RegFileError& error) : file_(file), error_(error) {}

  bool Run(std::string_view text) {
    const std::vector<PhysicalLine> lines = SplitLines(text);
    size_t i = 0;
    while (i < lines.size() && Trim(lines[i].text).empty()) ++i;
    if (i == lines.size()) return Fail(1, "die Kopfzeile fehlt");
    const std::string_view header = Trim(lines[i].text);
    if (header == kHeader4) {
      file_.format = RegFileFormat::Regedit4;
    } else if (header == kHeader5) {
      file_.format = RegFileFormat::Regedit5;
    } else {
      return Fail(lines[i].number,
                  "\"REGEDIT4\" oder \"" + std::string(kHeader5) + "\" als Kopfzeile erwartet");
    }
    for (++i; i < lines.size(); ++i) {
      const int number = lines[i].number;
      std::string logical(TrimRight(lines[i].text));
      // A line ending in a backslash goes on in the next one (long hex lists).
      while (!logical.empty() && logical.back() == '\\' && IsValueLine(logical) &&
             i + 1 < lines.size()) {
        logical.pop_back();
        logical += Trim(lines[++i].text);
        while (!logical.empty() && (logical.back() == ' ' || logical.back() == '\t')) {
          logical.pop_back();
        }
      }
      if (!ParseLine(Trim(logical), number)) return false;
    }
    return true;
  }

 private:
  static bool IsValueLine(std::string_view line) {
    line = TrimLeft(line);
    return !line.empty() && (line.front() == '"' || line.front() == '@');
  }

  bool Fail(int line, const std::string& message) {
    error_.line = line;
    error_.message = "Zeile " + std::to_string(line) + ": " + message;
    return false;
  }

  bool ParseLine(std::string_view line, int number) {
    if (line.empty() || line.front() == ';') return true;
    if (line.front() == '[') return ParseKeyLine(line, number);
    if (line.front() == '"' || line.front() == '@') return ParseValueLine(line, number);
    return Fail(number, "unerwarteter Text \"" + std::string(line.substr(0, 40)) + "\"");
  }

  bool ParseKeyLine(std::string_view line, int number) {
    const size_t close = line.rfind(']');
    if (close == std::string_view::npos) return Fail(number, "schließende Klammer ] fehlt");
    std::string_view inner = line.substr(1, close - 1);
    const bool remove = !inner.empty() && inner.front() == '-';
    if (remove) inner.remove_prefix(1);
    const size_t slash = inner.find('\\');
    const std::string_view rootName = inner.substr(0, slash);
    const auto root = ParseRootName(rootName);
    if (!root) {
      return Fail(number, "unbekannter Hauptschlüssel \"" + std::string(rootName) + "\"");
    }
    std::string path = slash == std::string_view::npos ? "" : std::string(inner.substr(slash + 1));
    while (!path.empty() && path.back() == '\\') path.pop_back();
    if (remove && path.empty()) {
      return Fail(number, "ein Hauptschlüssel kann nicht gelöscht werden");
    }
    RegFileOperation op;
    op.kind = remove ? RegFileOperation::Kind::DeleteKey : RegFileOperation::Kind::CreateKey;
    op.root = *root;
    op.path = path;
    op.line = number;
    file_.operations.push_back(op);
    haveKey_ = !remove;
    keyRoot_ = *root;
    keyPath_ = path;
    return true;
  }

  // Reads a quoted string starting at line[pos] == '"'; pos ends after the closing quote.
  bool ParseQuoted(std::string_view line, size_t& pos, std::string& out, int number) {
    ++pos;
    while (pos < line.size()) {
      const char c = line[pos++];
      if (c == '"') return true;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos >= line.size()) break;
      const char escaped = line[pos++];
      switch (escaped) {
        case '\\':
          out += '\\';
          break;
        case '"':
          out += '"';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case '0':
          out += '\0';
          break;
        default:
          return Fail(number, std::string("unbekannte Escape-Folge \\") + escaped);
      }
    }
    return Fail(number, "das schließende Anführungszeichen fehlt");
  }

  bool ParseValueLine(std::string_view line, int number) {
    if (!haveKey_) return Fail(number, "Wert ohne vorangehenden Schlüssel");
    size_t pos = 0;
    std::string name;
    if (line.front() == '@') {
      pos = 1;
    } else if (!ParseQuoted(line, pos, name, number)) {
      return false;
    }
    std::string_view rest = TrimLeft(line.substr(pos));
    if (rest.empty() || rest.front() != '=') return Fail(number, "\"=\" nach dem Wertnamen fehlt");
    rest = TrimLeft(rest.substr(1));

    RegFileOperation op;
    op.root = keyRoot_;
    op.path = keyPath_;
    op.valueName = name;
    op.line = number;
    if (rest == "-") {
      op.kind = RegFileOperation::Kind::DeleteValue;
      file_.operations.push_back(std::move(op));
      return true;
    }
    op.kind = RegFileOperation::Kind::SetValue;
    if (!ParseData(rest, op.value, number)) return false;
    file_.operations.push_back(std::move(op));
    return true;
  }

  static bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
      char c = s[i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (c != prefix[i]) return false;
    }
    return true;
  }

  static bool OnlyCommentFollows(std::string_view rest) {
    rest = TrimLeft(rest);
    return rest.empty() || rest.front() == ';';
  }

  bool ParseData(std::string_view data, RegValue& value, int number) {
    if (!data.empty() && data.front() == '"') {
      size_t pos = 0;
      std::string text;
      if (!ParseQuoted(data, pos, text, number)) return false;
      if (!OnlyCommentFollows(data.substr(pos))) {
        return Fail(number, "Text nach dem schließenden Anführungszeichen");
      }
      value = RegValue::String(text);
      return true;
    }
    if (StartsWithNoCase(data, "dword:")) {
      std::string_view digits = TrimRight(data.substr(6));
      const size_t comment = digits.find(';');
      if (comment != std::string_view::npos) digits = TrimRight(digits.substr(0, comment));
      if (digits.empty() || digits.size() > 8) return Fail(number, "ungültiger dword-Wert");
      uint32_t number32 = 0;
      for (const char c : digits) {
        uint32_t digit = 0;
        if (!HexDigit(c, digit)) return Fail(number, "ungültiger dword-Wert");
        number32 = number32 * 16 + digit;
      }
      value = RegValue::Dword(number32);
      return true;
    }
    if (StartsWithNoCase(data, "hex")) {
      std::string_view rest = data.substr(3);
      uint32_t type = kRegBinary;
      if (!rest.empty() && rest.front() == '(') {
        const size_t close = rest.find(')');
        if (close == std::string_view::npos || close == 1 || close > 9) {
          return Fail(number, "ungültige Typangabe hex(...)");
        }
        type = 0;
        for (const char c : rest.substr(1, close - 1)) {
          uint32_t digit = 0;
          if (!HexDigit(c, digit)) return Fail(number, "ungültige Typangabe hex(...)");
          type = type * 16 + digit;
        }
        rest = rest.substr(close + 1);
      }
      if (rest.empty() || rest.front() != ':') return Fail(number, "\":\" nach hex fehlt");
      std::vector<uint8_t> bytes;
      if (!ParseHexList(rest.substr(1), bytes, number)) return false;
      value.type = type;
      value.data = IsStringType(type) ? StringBytesToInternal(bytes) : std::move(bytes);
      return true;
    }
    return Fail(number, "unbekanntes Datenformat \"" + std::string(data.substr(0, 40)) + "\"");
  }

  static bool HexDigit(char c, uint32_t& digit) {
    if (c >= '0' && c <= '9') return digit = static_cast<uint32_t>(c - '0'), true;
    if (c >= 'a' && c <= 'f') return digit = static_cast<uint32_t>(c - 'a' + 10), true;
    if (c >= 'A' && c <= 'F') return digit = static_cast<uint32_t>(c - 'A' + 10), true;
    return false;
  }

  bool ParseHexList(std::string_view list, std::vector<uint8_t>& bytes, int number) {
    const size_t comment = list.find(';');
    if (comment != std::string_view::npos) list = list.substr(0, comment);
    list = Trim(list);
    if (list.empty()) return true;
    size_t pos = 0;
    while (pos <= list.size()) {
      size_t end = list.find(',', pos);
      if (end == std::string_view::npos) end = list.size();
      const std::string_view item = Trim(list.substr(pos, end - pos));
      if (item.empty() && end == list.size() && !bytes.empty()) break;  // trailing comma
      uint32_t high = 0;
      uint32_t low = 0;
      if (item.size() == 2 && HexDigit(item[0], high) && HexDigit(item[1], low)) {
        bytes.push_back(static_cast<uint8_t>(high * 16 + low));
      } else if (item.size() == 1 && HexDigit(item[0], low)) {
        bytes.push_back(static_cast<uint8_t>(low));
      } else {
        return Fail(number, "ungültiges Byte \"" + std::string(item.substr(0, 10)) + "\"");
      }
      pos = end + 1;
    }
    return true;
  }

  std::vector<uint8_t> StringBytesToInternal(const std::vector<uint8_t>& bytes) const {
    std::string text;
    if (file_.format == RegFileFormat::Regedit5) {
      std::u16string units(bytes.size() / 2, u'\0');
      for (size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
      }
      text = base::Utf16ToUtf8(units);
    } else {
      text = base::Cp1252ToUtf8(
          std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    return {text.begin(), text.end()};
  }

  RegFile& file_;
  RegFileError& error_;
  bool haveKey_ = false;
  RegRoot keyRoot_ = RegRoot::LocalMachine;
  std::string keyPath_;
};

// --- writing ---------------------------------------------------------------------------------

std::string Escape(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\0':
        out += "\\0";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string ValueNamePart(std::string_view name) {
  return name.empty() ? "@" : "\"" + Escape(name) + "\"";
}

bool IsPlainString(const RegValue& value) {
  if (value.type != kRegSz || value.data.empty() || value.data.back() != 0) return false;
  for (size_t i = 0; i + 1 < value.data.size(); ++i) {
    if (value.data[i] == 0 || value.data[i] == '\r' || value.data[i] == '\n') return false;
  }
  return true;
}

std::vector<uint8_t> StringBytesForFile(const RegValue& value, RegFileFormat format) {
  const std::string_view text(reinterpret_cast<const char*>(value.data.data()), value.data.size());
  if (format == RegFileFormat::Regedit4) {
    const std::string bytes = base::Utf8ToCp1252(text);
    return {bytes.begin(), bytes.end()};
  }
  std::vector<uint8_t> bytes;
  for (const char16_t unit : base::Utf8ToUtf16(text)) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  return bytes;
}

std::string HexList(std::string line, const std::vector<uint8_t>& bytes) {
  // Long lists wrap like regedit's: a backslash and two blanks of indentation.
  std::string out;
  for (size_t i = 0; i < bytes.size(); ++i) {
    line += base::HexByte(bytes[i]);
    std::transform(line.end() - 2, line.end(), line.end() - 2,
                   [](char c) { return static_cast<char>(c >= 'A' && c <= 'F' ? c + 32 : c); });
    if (i + 1 < bytes.size()) {
      line += ',';
      if (line.size() > 76) {
        out += line + "\\\r\n";
        line = "  ";
      }
    }
  }
  return out + line;
}

std::string FormatValue(std::string_view name, const RegValue& value, RegFileFormat format) {
  const std::string head = ValueNamePart(name) + "=";
  if (IsPlainString(value)) return head + "\"" + Escape(value.AsString()) + "\"";
  if (const std::optional<uint32_t> number = value.AsDword()) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%08x", *number);
    return head + "dword:" + digits;
  }
  if (value.type == kRegBinary) return HexList(head + "hex:", value.data);
  char type[16];
  std::snprintf(type, sizeof type, "hex(%x):", value.type);
  const std::vector<uint8_t> bytes =
      IsStringType(value.type) ? StringBytesForFile(value, format) : value.data;
  return HexList(head + type, bytes);
}

void ExportKey(const RegKey& key, const std::string& fullPath, RegFileFormat format, int depth,
               std::string& out) {
  out += "[" + fullPath + "]\r\n";
  for (const auto& name : key.ValueNames()) {
    RegValue value;
    if (key.QueryValue(name, value) != RegStatus::Ok) continue;
    out += FormatValue(name, value, format) + "\r\n";
  }
  out += "\r\n";
  if (depth >= kMaxRegistryDepth) return;
  for (const auto& name : key.SubKeyNames()) {
    const auto child = key.OpenSubKey(name, RegAccess::Read);
    if (child) ExportKey(*child, fullPath + "\\" + name, format, depth + 1, out);
  }
}

}  // namespace

bool ParseRegFile(std::string_view bytes, RegFile& file, RegFileError& error) {
  RegFile parsed;
  Parser parser(parsed, error);
  if (!parser.Run(DecodeText(bytes))) return false;
  file = std::move(parsed);
  return true;
}

bool ImportRegFile(Registry& registry, std::string_view bytes, RegFileError& error) {
  RegFile file;
  if (!ParseRegFile(bytes, file, error)) return false;
  const auto fail = [&](const RegFileOperation& op, const std::string& what) {
    error.line = op.line;
    error.message = "Zeile " + std::to_string(op.line) + ": " + what;
    return false;
  };
  for (const auto& op : file.operations) {
    switch (op.kind) {
      case RegFileOperation::Kind::CreateKey:
        if (!registry.CreateKey(op.root, op.path)) {
          return fail(op, "Schlüssel kann nicht angelegt werden");
        }
        break;
      case RegFileOperation::Kind::DeleteKey: {
        const RegStatus status = registry.DeleteKeyTree(op.root, op.path);
        if (status != RegStatus::Ok && status != RegStatus::NotFound) {
          return fail(op, "Schlüssel kann nicht gelöscht werden");
        }
        break;
      }
      case RegFileOperation::Kind::SetValue: {
        const auto key = registry.CreateKey(op.root, op.path);
        if (!key || key->SetValue(op.valueName, op.value) != RegStatus::Ok) {
          return fail(op, "Wert kann nicht geschrieben werden");
        }
        break;
      }
      case RegFileOperation::Kind::DeleteValue: {
        const auto key = registry.OpenKey(op.root, op.path, RegAccess::ReadWrite);
        if (key) key->DeleteValue(op.valueName);
        break;
      }
    }
  }
  return true;
}

std::string ExportRegText(Registry& registry, RegRoot root, std::string_view path,
                          RegFileFormat format) {
  std::string out(format == RegFileFormat::Regedit4 ? kHeader4 : kHeader5);
  out += "\r\n\r\n";
  std::string trimmed(path);
  while (!trimmed.empty() && trimmed.back() == '\\') trimmed.pop_back();
  const auto key = registry.OpenKey(root, trimmed, RegAccess::Read);
  if (!key) return out;
  std::string fullPath(RootName(root));
  if (!trimmed.empty()) fullPath += "\\" + trimmed;
  ExportKey(*key, fullPath, format, 0, out);
  return out;
}

std::string WriteRegText(const std::vector<RegFileOperation>& operations, RegFileFormat format) {
  std::string out(format == RegFileFormat::Regedit4 ? kHeader4 : kHeader5);
  out += "\r\n";
  std::string section;  // the key whose section is open
  for (const RegFileOperation& op : operations) {
    std::string key(RootName(op.root));
    if (!op.path.empty()) key += "\\" + op.path;
    if (op.kind == RegFileOperation::Kind::DeleteKey) {
      out += "\r\n[-" + key + "]\r\n";
      section.clear();
      continue;
    }
    if (key != section) {
      out += "\r\n[" + key + "]\r\n";
      section = key;
    }
    if (op.kind == RegFileOperation::Kind::SetValue) {
      out += FormatValue(op.valueName, op.value, format) + "\r\n";
    } else if (op.kind == RegFileOperation::Kind::DeleteValue) {
      out += ValueNamePart(op.valueName) + "=-\r\n";
    }
  }
  return out + "\r\n";
}

std::string EncodeRegFile(std::string_view text, RegFileFormat format) {
  if (format == RegFileFormat::Regedit4) return base::Utf8ToCp1252(text);
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : base::Utf8ToUtf16(text)) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

}  // namespace os
