// *.setrix configuration files: JSON with a format name and a version, one device or a
// device list. Messages name the file, the line and the field.
#include <sys/stat.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "configfile/device.h"
#include "pdf/file_output.h"

namespace setrix::configfile {

namespace {

using Json = nlohmann::ordered_json;

// Containers nested deeper than this are refused: nothing this format holds needs more, and
// a hostile file must not exhaust the stack when it is written back.
constexpr int kMaxDepth = 32;

const char* const kExample =
    "{\"format\": \"setrix-configuration\", \"version\": 1, \"device\": {\"tag\": \"TT-101\", "
    "\"module\": \"thermo\", \"choices\": {\"type\": \"K\"}}}";

// An input iterator over the text that tells a shared counter how far the parser has read.
class CountingIterator {
 public:
  using iterator_category = std::input_iterator_tag;
  using value_type = char;
  using difference_type = std::ptrdiff_t;
  using pointer = const char*;
  using reference = const char&;

  CountingIterator(const char* p, const char** reached) : p_(p), reached_(reached) {}
  reference operator*() const { return *p_; }
  CountingIterator& operator++() {
    ++p_;
    if (reached_) *reached_ = p_;
    return *this;
  }
  CountingIterator operator++(int) {
    CountingIterator old = *this;
    ++*this;
    return old;
  }
  friend bool operator==(const CountingIterator& a, const CountingIterator& b) { return a.p_ == b.p_; }
  friend bool operator!=(const CountingIterator& a, const CountingIterator& b) { return a.p_ != b.p_; }

 private:
  const char* p_;
  const char** reached_;
};

// Records where every member and array element of the document is (by JSON pointer), and
// how deep the containers go. The positions are the parser's reading position right after
// a key or at the start of an element: the line is what matters.
class Locator : public nlohmann::json_sax<Json> {
 public:
  Locator(const char* begin, const char** reached) : begin_(begin), reached_(reached) {}

  bool null() override { return Value(); }
  bool boolean(bool) override { return Value(); }
  bool number_integer(number_integer_t) override { return Value(); }
  bool number_unsigned(number_unsigned_t) override { return Value(); }
  bool number_float(number_float_t, const string_t&) override { return Value(); }
  bool string(string_t&) override { return Value(); }
  bool binary(binary_t&) override { return Value(); }
  bool start_object(std::size_t) override { return Open(false); }
  bool start_array(std::size_t) override { return Open(true); }
  bool end_object() override { return Close(); }
  bool end_array() override { return Close(); }
  bool key(string_t& k) override {
    if (!stack_.empty()) {
      stack_.back().key = k;
      positions_[Path()] = Offset();  // the path ends in this key
    }
    return true;
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override { return false; }

  bool tooDeep = false;
  std::size_t deepAt = 0;
  std::map<std::string, std::size_t> positions_;

 private:
  struct Frame {
    bool array;
    int index = 0;
    std::string key;
  };
  static std::string Escape(const std::string& k) {
    std::string out;
    for (char c : k) out += c == '~' ? std::string("~0") : c == '/' ? std::string("~1") : std::string(1, c);
    return out;
  }
  std::size_t Offset() const { return static_cast<std::size_t>(*reached_ - begin_); }
  std::string Path() const {
    std::string p;
    for (const Frame& f : stack_) p += "/" + (f.array ? std::to_string(f.index) : Escape(f.key));
    return p;
  }
  bool Value() {
    if (!stack_.empty() && stack_.back().array) {
      positions_[Path()] = Offset();
      ++stack_.back().index;
    }
    return true;
  }
  bool Open(bool array) {
    if (!stack_.empty() && stack_.back().array) {
      positions_[Path()] = Offset();
    }
    stack_.push_back({array, 0, {}});
    if (static_cast<int>(stack_.size()) > kMaxDepth) {
      tooDeep = true;
      deepAt = Offset();
      return false;
    }
    return true;
  }
  bool Close() {
    stack_.pop_back();
    if (!stack_.empty() && stack_.back().array) ++stack_.back().index;
    return true;
  }
  const char* begin_;
  const char** reached_;
  std::vector<Frame> stack_;
};

// What a file's messages need: its name, its text and where each field is.
class Source {
 public:
  Source(std::string_view text, std::string name) : text_(text), name_(std::move(name)) {}
  std::map<std::string, std::size_t> positions;

  int Line(const std::string& pointer) const {
    // The field itself, or the nearest enclosing one that was recorded.
    std::string p = pointer;
    while (true) {
      const auto it = positions.find(p);
      if (it != positions.end()) return LineOf(text_, it->second);
      const auto slash = p.rfind('/');
      if (slash == std::string::npos || p.empty()) return 1;
      p.resize(slash);
    }
  }
  // "<file> line L, field "a.b": what" (the field as dotted names, array positions from 1).
  std::string At(const std::string& pointer, const std::string& what) const {
    return name_ + " line " + std::to_string(Line(pointer)) +
           (pointer.empty() ? "" : ", field \"" + Dotted(pointer) + "\"") + ": " + what;
  }
  [[noreturn]] void Fail(const std::string& pointer, const std::string& what) const {
    throw FileError(At(pointer, what));
  }
  const std::string& Name() const { return name_; }

  static std::string Dotted(const std::string& pointer) {
    std::string out;
    std::size_t i = 1;
    while (i <= pointer.size()) {
      std::size_t j = pointer.find('/', i);
      if (j == std::string::npos) j = pointer.size();
      std::string part = pointer.substr(i, j - i);
      const bool index =
          !part.empty() && std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
      if (index)
        out += "[" + std::to_string(std::stoul(part) + 1) + "]";
      else
        out += (out.empty() ? "" : ".") + part;
      i = j + 1;
    }
    return out;
  }

 private:
  std::string_view text_;
  std::string name_;
};

std::string TypeName(const Json& v) {
  if (v.is_null()) return "null";
  if (v.is_boolean()) return "true/false";
  if (v.is_number()) return "a number";
  if (v.is_string()) return "a text";
  if (v.is_array()) return "a list [...]";
  return "an object {...}";
}

// Reads a device object; a fault throws FileError (the caller turns it into an entry error
// for a list).
Device ReadDevice(const Json& j, const Source& src, const std::string& at, std::vector<std::string>& warnings,
                  std::map<std::string, int>& lines) {
  if (!j.is_object())
    src.Fail(at, "a device is an object {\"tag\": ..., \"module\": ..., \"note\": ..., \"choices\": {...}}, not " +
                     TypeName(j));
  Device d;
  const auto text = [&](const char* key, std::string& out, bool limited) {
    const auto it = j.find(key);
    if (it == j.end()) return;
    if (!it->is_string())
      src.Fail(at + "/" + key, std::string("a text in quotes is expected, not ") + TypeName(*it));
    out = it->get<std::string>();
    if (limited) {
      const std::string why = TextError(out);
      if (!why.empty()) src.Fail(at + "/" + key, why);
    }
  };
  const auto m = j.find("module");
  if (m == j.end())
    src.Fail(at, "the field \"module\" is missing; give one of \"dc\", \"thermo\", \"rtd\", \"frq\"");
  text("module", d.module, false);
  if (!IsModuleName(d.module))
    src.Fail(at + "/module", "\"" + d.module + "\" is no module; use one of \"dc\", \"thermo\", \"rtd\", \"frq\"");
  text("tag", d.tag, true);
  text("note", d.note, true);
  if (const auto c = j.find("choices"); c != j.end()) {
    if (!c->is_object())
      src.Fail(
          at + "/choices",
          "the choices are an object of option names and texts, e.g. {\"in-min\": \"4\"}, not " + TypeName(*c));
    for (const auto& [name, value] : c->items()) {
      const std::string p = at + "/choices/" + name;
      const bool nameOk =
          !name.empty() && name.front() != '-' && std::all_of(name.begin(), name.end(), [](char ch) {
            return (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '-';
          });
      if (!nameOk)
        src.Fail(p,
                 "an option name is written in small letters, digits and \"-\", without \"--\", e.g. \"in-min\"");
      if (!value.is_string())
        src.Fail(p,
                 "a choice is the text as typed, in quotes (e.g. \"400\" or \"4-20mA\"), not " + TypeName(value));
      const std::string v = value.get<std::string>();
      if (v.find_first_of(std::string("\0\r\n\t", 4)) != std::string::npos)
        src.Fail(p, "a choice holds no control characters");
      if (!v.empty()) d.choices.emplace_back(name, v);
    }
  }
  for (const char* key : {"tag", "module", "note"}) lines[key] = src.Line(at + "/" + key);
  for (const auto& [name, text] : d.choices) lines["choices." + name] = src.Line(at + "/choices/" + name);
  for (const auto& [key, value] : j.items()) {
    if (key == "tag" || key == "module" || key == "note" || key == "choices") continue;
    d.extra[key] = value;
    warnings.push_back(
        src.At(at + "/" + key, "field not known to this version; it is kept when the file is rewritten"));
  }
  return d;
}

Json DeviceJson(const Device& d) {
  Json j = Json::object();
  j["tag"] = d.tag;
  j["module"] = d.module;
  j["note"] = d.note;
  Json c = Json::object();
  for (const auto& [name, text] : d.choices) c[name] = text;
  j["choices"] = std::move(c);
  for (const auto& [key, value] : d.extra.items())
    if (!j.contains(key)) j[key] = value;
  return j;
}

Json Header() {
  Json j = Json::object();
  j["format"] = std::string(kFormatName);
  j["version"] = kFormatVersion;
  return j;
}

}  // namespace

const std::vector<std::string>& ModuleNames() {
  static const std::vector<std::string> names = {"dc", "thermo", "rtd", "frq"};
  return names;
}

bool IsModuleName(std::string_view name) {
  const auto& n = ModuleNames();
  return std::find(n.begin(), n.end(), name) != n.end();
}

const std::string* Device::Choice(std::string_view name) const {
  for (const auto& [n, t] : choices)
    if (n == name) return &t;
  return nullptr;
}

void Device::SetChoice(const std::string& name, const std::string& text) {
  for (auto& [n, t] : choices)
    if (n == name) {
      t = text;
      return;
    }
  choices.emplace_back(name, text);
}

std::size_t InvalidUtf8At(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t n = 0;
    unsigned cp = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      n = 1;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      n = 2;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      n = 3;
      cp = c & 0x07;
    } else {
      return i;
    }
    for (std::size_t k = 1; k <= n; ++k) {
      if (i + k >= s.size()) return i;
      const auto cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xC0) != 0x80) return i;
      cp = (cp << 6) | (cc & 0x3F);
    }
    if ((n == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) || (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
      return i;
    i += n + 1;
  }
  return std::string_view::npos;
}

std::size_t Utf8Length(std::string_view text) {
  std::size_t n = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

std::string TextError(std::string_view text) {
  if (InvalidUtf8At(text) != std::string_view::npos) return "not valid UTF-8 text; save the file as UTF-8";
  for (char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
      return "holds a control character (a line break or tab); use one line of text";
  if (Utf8Length(text) > kMaxTextLength)
    return std::to_string(Utf8Length(text)) + " characters are too many; at most " +
           std::to_string(kMaxTextLength);
  return {};
}

int LineOf(std::string_view text, std::size_t offset) {
  offset = std::min(offset, text.size());
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

std::string ReadFileCapped(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) throw FileError(path + ": cannot be read: " + std::strerror(errno));
  if (S_ISDIR(st.st_mode)) throw FileError(path + ": is a folder, not a file");
  if (S_ISREG(st.st_mode) && static_cast<unsigned long long>(st.st_size) > kMaxFileSize)
    throw FileError(path + ": " + std::to_string(st.st_size) + " bytes is too large; a list is at most " +
                    std::to_string(kMaxFileSize / (1024 * 1024)) + " MiB");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw FileError(path + ": cannot be read: " + std::strerror(errno));
  std::string data;
  char buf[65536];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    data.append(buf, static_cast<std::size_t>(in.gcount()));
    if (data.size() > kMaxFileSize)
      throw FileError(path + ": too large; a list is at most " + std::to_string(kMaxFileSize / (1024 * 1024)) +
                      " MiB");
  }
  if (in.bad()) throw FileError(path + ": cannot be read: " + std::strerror(errno));
  return data;
}

DeviceList ParseSetrix(std::string_view text, const std::string& name) {
  Source src(text, name);
  // First pass: where each field is, how deep the file goes, and whether it parses at all.
  {
    const char* reached = text.data();
    Locator locator(text.data(), &reached);
    const bool ok = Json::sax_parse(CountingIterator(text.data(), &reached),
                                    CountingIterator(text.data() + text.size(), &reached), &locator,
                                    nlohmann::detail::input_format_t::json, true, false);
    if (locator.tooDeep)
      throw FileError(name + " line " + std::to_string(LineOf(text, locator.deepAt)) + ": nested more than " +
                      std::to_string(kMaxDepth) + " levels deep; this is no configuration file");
    if (!ok) {
      // The parser says why; its message carries its own position, which the line replaces.
      std::string why;
      try {
        const Json ignored = Json::parse(text.begin(), text.end());
        (void)ignored;
      } catch (const Json::parse_error& e) {
        why = e.what();
        const auto colon = why.find(": ", why.find("column"));
        if (colon != std::string::npos) why = why.substr(colon + 2);
        throw FileError(name + " line " + std::to_string(LineOf(text, e.byte == 0 ? 0 : e.byte - 1)) +
                        ": not valid JSON (" + why + "); a configuration file looks like " + kExample);
      }
      throw FileError(name + ": not valid JSON; a configuration file looks like " + kExample);
    }
    src.positions = std::move(locator.positions_);
  }
  const Json j = Json::parse(text.begin(), text.end());

  if (!j.is_object())
    src.Fail("", "not a configuration file: it holds " + TypeName(j) + "; it looks like " + kExample);
  const auto format = j.find("format");
  if (format == j.end() || !format->is_string() || format->get<std::string>() != kFormatName)
    src.Fail("/format", "not a configuration file: \"format\": \"" + std::string(kFormatName) + "\" is expected");
  const auto version = j.find("version");
  if (version == j.end() || !version->is_number_integer())
    src.Fail("/version", "\"version\" is expected as a whole number, e.g. \"version\": 1");
  const auto v = version->get<long long>();
  if (v > kFormatVersion)
    src.Fail("/version", "written by a newer SETRIX (format version " + std::to_string(v) +
                             "); this program reads version " + std::to_string(kFormatVersion) +
                             " and leaves the file as it is");
  if (v < 1) src.Fail("/version", "version " + std::to_string(v) + " does not exist; the first version is 1");

  DeviceList list;
  const bool hasDevice = j.contains("device");
  const bool hasDevices = j.contains("devices");
  if (hasDevice == hasDevices)
    src.Fail("", hasDevice ? "holds both \"device\" and \"devices\"; give one of them"
                           : "holds neither \"device\" (one device) nor \"devices\" (a list)");
  if (const auto t = j.find("title"); t != j.end()) {
    if (!t->is_string()) src.Fail("/title", "the title is a text in quotes, not " + TypeName(*t));
    list.title = t->get<std::string>();
    if (list.title.find_first_of(std::string("\0\r\n", 3)) != std::string::npos || Utf8Length(list.title) > 200)
      src.Fail("/title", "the title is one line of at most 200 characters");
  }
  for (const auto& [key, value] : j.items()) {
    if (key == "format" || key == "version" || key == "device" || key == "devices" || key == "title") continue;
    list.extra[key] = value;
    list.warnings.push_back(
        src.At("/" + key, "field not known to this version; it is kept when the file is rewritten"));
  }
  if (hasDevice) {
    list.single = true;
    ListEntry e;
    e.row = 1;
    e.line = src.Line("/device");
    e.device = ReadDevice(j["device"], src, "/device", list.warnings, e.fieldLines);
    list.entries.push_back(std::move(e));
    return list;
  }
  const Json& devices = j["devices"];
  if (!devices.is_array())
    src.Fail("/devices", "\"devices\" is a list [...] of devices, not " + TypeName(devices));
  for (std::size_t i = 0; i < devices.size(); ++i) {
    const std::string at = "/devices/" + std::to_string(i);
    ListEntry e;
    e.row = static_cast<int>(i) + 1;
    e.line = src.Line(at);
    try {
      e.device = ReadDevice(devices[i], src, at, list.warnings, e.fieldLines);
    } catch (const FileError& err) {
      e.error = err.what();
      // The entry's message stands on its own; drop the file name in front of it.
      if (e.error.rfind(name + " ", 0) == 0) e.error.erase(0, name.size() + 1);
    }
    list.entries.push_back(std::move(e));
  }
  return list;
}

DeviceList ReadSetrixFile(const std::string& path) { return ParseSetrix(ReadFileCapped(path), path); }

Device ReadDeviceFile(const std::string& path) {
  DeviceList list = ReadSetrixFile(path);
  if (!list.single)
    throw FileError(path + ": holds a device list (\"devices\"); a one-device file (\"device\") is expected here");
  return *list.entries.front().device;
}

std::string SetrixText(const Device& device, bool compact) {
  Json j = Header();
  j["device"] = DeviceJson(device);
  if (!compact) return j.dump(2) + "\n";
  // The compact form (a QR code) leaves out what is empty.
  for (const char* key : {"tag", "note"})
    if (j["device"][key] == "") j["device"].erase(key);
  return j.dump();
}

std::string SetrixText(const DeviceList& list) {
  Json j = Header();
  j["title"] = list.title;
  Json devices = Json::array();
  for (const ListEntry& e : list.entries)
    if (e.device) devices.push_back(DeviceJson(*e.device));
  j["devices"] = std::move(devices);
  for (const auto& [key, value] : list.extra.items())
    if (!j.contains(key)) j[key] = value;
  return j.dump(2) + "\n";
}

void WriteTextFile(const std::string& path, std::string_view text) {
  try {
    pdf::WriteFileReplacing(path, text);
  } catch (const pdf::EFileError& e) {
    throw FileError(e.what());
  }
}

DeviceList ReadDeviceList(const std::string& path) {
  std::string lower = path;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".csv") == 0) return ReadSignalList(path);
  return ReadSetrixFile(path);
}

}  // namespace setrix::configfile
