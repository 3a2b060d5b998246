#pragma once
// A device as a technician keeps it on record: its tag, its module, its note and its choices
// exactly as they are typed or picked (the words of the module command's options), and
// device lists of a plant or cabinet. Read from and written to `*.setrix` files (JSON) and
// read from CSV signal lists.
#include <nlohmann/json.hpp>

#include <cstddef>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace setrix::configfile {

inline constexpr std::string_view kFormatName = "setrix-configuration";
inline constexpr int kFormatVersion = 1;
// Tags and notes: at most this many characters (not bytes).
inline constexpr std::size_t kMaxTextLength = 48;
// Files larger than this are refused before they are read.
inline constexpr std::size_t kMaxFileSize = 16u * 1024u * 1024u;

// The modules a device can be: "dc", "thermo", "rtd", "frq".
const std::vector<std::string>& ModuleNames();
bool IsModuleName(std::string_view name);

// Option name -> text as given, in the order given; names are unique.
using Choices = std::vector<std::pair<std::string, std::string>>;

struct Device {
  std::string tag;     // free text, may be empty
  std::string module;  // one of ModuleNames()
  std::string note;    // the note printed on the sheet
  Choices choices;
  // Fields this version does not know, kept so that a rewritten file loses nothing.
  nlohmann::ordered_json extra = nlohmann::ordered_json::object();

  const std::string* Choice(std::string_view name) const;
  void SetChoice(const std::string& name, const std::string& text);
  friend bool operator==(const Device&, const Device&) = default;
};

// One device of a list as read: the device, or why it cannot be used.
struct ListEntry {
  int row = 0;   // CSV: the spreadsheet row (the header is row 1); JSON: the device number
  int line = 0;  // the line in the file where the device starts
  std::optional<Device> device;
  std::string error;  // set when device is empty
  // The line of each field: "tag", "module", "note", "choices.<name>" (JSON files only).
  std::map<std::string, int> fieldLines;
};

struct DeviceList {
  std::string title;
  bool single = false;  // a one-device file
  std::vector<ListEntry> entries;
  nlohmann::ordered_json extra = nlohmann::ordered_json::object();  // unknown top-level fields
  // Notes about the file that do not stop its use (unknown fields), one line each.
  std::vector<std::string> warnings;
};

// A file that cannot be read or used at all. The message names the file, the line and the
// field where it can, and the accepted form.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The bytes of a file, refused (FileError) when missing, unreadable or larger than kMaxFileSize.
std::string ReadFileCapped(const std::string& path);

// ---- *.setrix (JSON) ----
// Parses a configuration file's text; `name` is the file name used in messages. A device of
// a list that is not valid becomes an entry with its error; the same fault in a one-device
// file, a file that does not parse, another format or a newer version throw FileError.
DeviceList ParseSetrix(std::string_view text, const std::string& name);
DeviceList ReadSetrixFile(const std::string& path);
// The one device of a one-device file (FileError for a list).
Device ReadDeviceFile(const std::string& path);

// A one-device file: pretty-printed, or compact (no blanks, for a QR code).
std::string SetrixText(const Device& device, bool compact = false);
// A device list (entries without device are left out).
std::string SetrixText(const DeviceList& list);
// Writes completely or not at all (FileError naming the file and the reason).
void WriteTextFile(const std::string& path, std::string_view text);

// ---- CSV signal lists ----
// A header row with the columns "tag", "module", "note" and option names, one device a
// row, "," or ";" as separator (taken from the header row), quoted fields. An empty cell
// means the option is not given; rows whose cells are all empty are skipped. A row that
// cannot be used becomes an entry with its error; a list without header, without a
// "module" column, with an unclosed quote or with a header that is not valid throws.
DeviceList ParseSignalList(std::string_view text, const std::string& name);
DeviceList ReadSignalList(const std::string& path);

// A list by its file: a CSV signal list when the name ends in ".csv" (any case), a
// configuration file otherwise.
DeviceList ReadDeviceList(const std::string& path);

// Why a tag or note cannot be used, or empty: longer than kMaxTextLength characters,
// not UTF-8, or holding control characters.
std::string TextError(std::string_view text);
// The number of characters of UTF-8 text.
std::size_t Utf8Length(std::string_view text);
// The first byte offset where text is not valid UTF-8, or npos.
std::size_t InvalidUtf8At(std::string_view text);
// The 1-based line of a byte offset.
int LineOf(std::string_view text, std::size_t offset);

}  // namespace setrix::configfile
