#include "devices/settings_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

namespace setrix::devices {

namespace {

// Far larger than any file the program writes.
constexpr std::size_t kMaxFileSize = 1 << 20;

std::string Trimmed(std::string_view s) {
  const auto space = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && space(s.front())) s.remove_prefix(1);
  while (!s.empty() && space(s.back())) s.remove_suffix(1);
  return std::string(s);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void AppendUtf8(std::string& out, unsigned cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// A key as the file writes it: "\" separates groups, "%XX" and "%UXXXX" stand for other
// characters.
std::string UnescapedKey(std::string_view key) {
  std::string out;
  for (std::size_t i = 0; i < key.size(); ++i) {
    const char c = key[i];
    if (c == '\\') {
      out += '/';
    } else if (c == '%' && key.size() - i > 2 && key[i + 1] != 'U' && HexDigit(key[i + 1]) >= 0 &&
               HexDigit(key[i + 2]) >= 0) {
      AppendUtf8(out, static_cast<unsigned>(HexDigit(key[i + 1]) * 16 + HexDigit(key[i + 2])));
      i += 2;
    } else if (c == '%' && key.size() - i > 5 && key[i + 1] == 'U' &&
               std::all_of(key.begin() + static_cast<std::ptrdiff_t>(i) + 2,
                           key.begin() + static_cast<std::ptrdiff_t>(i) + 6,
                           [](char h) { return HexDigit(h) >= 0; })) {
      unsigned cp = 0;
      for (std::size_t k = 2; k < 6; ++k) cp = cp * 16 + static_cast<unsigned>(HexDigit(key[i + k]));
      AppendUtf8(out, cp);
      i += 5;
    } else {
      out += c;
    }
  }
  return out;
}

// A value: quoted parts, backslash escapes, and unquoted commas that separate the items of
// a list (read back as the text written: the items joined by ", ").
std::string UnescapedValue(std::string_view s) {
  std::vector<std::string> items;
  std::string current;
  bool inQuotes = false;
  bool quoted = false;
  std::size_t keep = 0;  // trailing blanks after this position may be chopped
  std::size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  };
  const auto chop = [&] {
    if (quoted) return;
    while (current.size() > keep && (current.back() == ' ' || current.back() == '\t')) current.pop_back();
  };
  skipBlanks();
  while (i < s.size()) {
    const char c = s[i];
    if (c == '\\' && i + 1 < s.size()) {
      const char e = s[i + 1];
      i += 2;
      static constexpr std::pair<char, char> kCodes[] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                                         {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                                         {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
      bool done = false;
      for (auto [code, value] : kCodes)
        if (e == code) {
          current += value;
          done = true;
        }
      if (!done && e == 'x') {
        unsigned cp = 0;
        while (i < s.size() && HexDigit(s[i]) >= 0) cp = cp * 16 + static_cast<unsigned>(HexDigit(s[i++]));
        AppendUtf8(current, cp & 0xFFFF);
      } else if (!done && e >= '0' && e <= '7') {
        unsigned cp = static_cast<unsigned>(e - '0');
        while (i < s.size() && s[i] >= '0' && s[i] <= '7') cp = cp * 8 + static_cast<unsigned>(s[i++] - '0');
        AppendUtf8(current, cp & 0xFFFF);
      }
      keep = current.size();
    } else if (c == '"') {
      ++i;
      quoted = true;
      inQuotes = !inQuotes;
      if (!inQuotes) skipBlanks();
    } else if (c == ',' && !inQuotes) {
      chop();
      items.push_back(current);
      current.clear();
      keep = 0;
      quoted = false;
      ++i;
      skipBlanks();
    } else {
      current += c;
      ++i;
    }
  }
  chop();
  if (items.empty()) return current;
  items.push_back(current);
  std::string joined;
  for (std::size_t k = 0; k < items.size(); ++k) joined += (k ? ", " : "") + items[k];
  return joined;
}

// Forms the file uses for binary data and other stored types; none of them is a text.
bool IsBinaryForm(std::string_view raw) {
  for (std::string_view prefix :
       {"@ByteArray(", "@Variant(", "@Invalid(", "@Rect(", "@Size(", "@Point(", "@DateTime("})
    if (raw.substr(0, prefix.size()) == prefix) return true;
  return false;
}

std::string GroupOf(std::string_view path) {
  std::string g(path);
  std::replace(g.begin(), g.end(), '\\', '/');
  while (!g.empty() && g.front() == '/') g.erase(0, 1);
  while (!g.empty() && g.back() == '/') g.pop_back();
  return g;
}

}  // namespace

SettingsFileStore::SettingsFileStore(std::string file) : file_(std::move(file)) {
  std::error_code ec;
  if (std::filesystem::is_directory(file_, ec))
    throw SettingsFileError(file_ +
                            ": a folder, not a settings file (the desktop program's file is "
                            "~/.config/Zantrel/Setrix.ini)");
  std::ifstream in(file_, std::ios::binary);
  if (!in) throw SettingsFileError(file_ + ": cannot read the settings file (" + std::strerror(errno) + ")");
  std::string data;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    data.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (data.size() > kMaxFileSize)
      throw SettingsFileError(file_ + ": too large to be a settings file (the program writes a few kilobytes)");
  }
  if (in.bad()) throw SettingsFileError(file_ + ": cannot read the settings file");
  if (data.compare(0, 3, "\xEF\xBB\xBF") == 0) data.erase(0, 3);
  if (data.find('\0') != std::string::npos)
    throw SettingsFileError(file_ + ": not a settings file (it holds binary data); the program writes an INI " +
                            "file of lines such as Zantrel\\Setrix\\DC\\Language=1 under [Software]");

  std::string section;
  std::size_t pos = 0;
  int lineNumber = 0;
  while (pos < data.size()) {
    // One logical line: a backslash escapes the line break, quotes may span lines; ";"
    // outside quotes begins a comment.
    const int first = lineNumber + 1;
    std::string line;
    bool inQuotes = false;
    bool comment = false;
    while (pos < data.size()) {
      const char c = data[pos];
      if (c == '\n' || c == '\r') {
        ++pos;
        if (c == '\r' && pos < data.size() && data[pos] == '\n') ++pos;
        ++lineNumber;
        if (!inQuotes) break;
        if (!comment) line += '\n';
        continue;
      }
      ++pos;
      if (comment) continue;
      if (c == '\\' && pos < data.size()) {
        line += c;
        line += data[pos++];
        continue;
      }
      if (c == '"') inQuotes = !inQuotes;
      if (c == ';' && !inQuotes) {
        comment = true;
        continue;
      }
      line += c;
    }
    if (pos >= data.size() && (data.empty() || (data.back() != '\n' && data.back() != '\r'))) ++lineNumber;
    const std::string trimmed = Trimmed(line);
    if (trimmed.empty()) continue;
    const std::string where = file_ + " line " + std::to_string(first);
    if (trimmed.front() == '[') {
      const std::size_t close = trimmed.find(']');
      if (close == std::string::npos)
        throw SettingsFileError(where + ": the group \"" + trimmed + "\" is not closed; a group reads [Software]");
      const std::string name = Trimmed(std::string_view(trimmed).substr(1, close - 1));
      section = name == "General" || name == "general" ? std::string() : UnescapedKey(name) + "/";
      continue;
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string::npos || equals == 0)
      throw SettingsFileError(where + ": \"" + trimmed +
                              "\" is no value; a value reads NAME=VALUE, such as Zantrel\\Setrix\\DC\\Language=1");
    const std::string raw = Trimmed(std::string_view(trimmed).substr(equals + 1));
    Entry e;
    e.line = first;
    if (IsBinaryForm(raw)) {
      e.isText = false;
      e.text = raw;
    } else {
      e.text = UnescapedValue(raw);
      if (e.text.compare(0, 2, "@@") == 0) e.text.erase(0, 1);
    }
    entries_[section + UnescapedKey(Trimmed(std::string_view(trimmed).substr(0, equals)))] = std::move(e);
  }
}

bool SettingsFileStore::OpenKey(std::string_view path) {
  group_ = GroupOf(path);
  return !group_.empty();
}

const SettingsFileStore::Entry* SettingsFileStore::Find(std::string_view name) const {
  if (group_.empty()) return nullptr;
  const auto it = entries_.find(group_ + "/" + std::string(name));
  return it == entries_.end() ? nullptr : &it->second;
}

bool SettingsFileStore::HasValue(std::string_view name) const { return Find(name) != nullptr; }

void SettingsFileStore::Drop(std::string_view name, const Entry* e) const {
  const std::size_t slash = group_.rfind('/');
  unusable_.push_back({group_.substr(slash == std::string::npos ? 0 : slash + 1), std::string(name),
                       e ? e->text : std::string(), e ? e->line : 0});
}

std::optional<std::int32_t> SettingsFileStore::ReadInteger(std::string_view name) const {
  const Entry* e = Find(name);
  if (e == nullptr) return std::nullopt;
  const std::string t = Trimmed(e->text);
  long long n = 0;
  const char* begin = t.data();
  if (!t.empty() && t[0] == '+') ++begin;
  const auto [end, ec] = std::from_chars(begin, t.data() + t.size(), n);
  if (!e->isText || t.empty() || ec != std::errc() || end != t.data() + t.size() ||
      n < std::numeric_limits<std::int32_t>::min() || n > std::numeric_limits<std::int32_t>::max()) {
    Drop(name, e);
    return std::nullopt;
  }
  return static_cast<std::int32_t>(n);
}

std::optional<std::string> SettingsFileStore::ReadString(std::string_view name) const {
  const Entry* e = Find(name);
  if (e == nullptr) return std::nullopt;
  if (!e->isText) {
    Drop(name, e);
    return std::nullopt;
  }
  return e->text;
}

void SettingsFileStore::KeepOriginal(std::string_view what) { Drop(what, Find(what)); }

}  // namespace setrix::devices
