// CSV signal lists, read with libcsv: a header row naming the columns, one device a row.
#include <csv.h>

#include <algorithm>
#include <map>

#include "configfile/device.h"

namespace setrix::configfile {

namespace {

struct Row {
  std::vector<std::string> cells;
  int line = 0;            // the line where the row starts
  std::string parseError;  // a quote libcsv could not place
};

struct Collector {
  std::vector<Row> rows;
  Row current;
  bool rowOpen = false;
};

void OnField(void* s, std::size_t len, void* data) {
  auto* c = static_cast<Collector*>(data);
  c->current.cells.emplace_back(static_cast<const char*>(s), len);
}

void OnRowEnd(int, void* data) {
  auto* c = static_cast<Collector*>(data);
  c->rows.push_back(std::move(c->current));
  c->current = Row{};
  c->rowOpen = false;
}

bool Blank(std::string_view line) {
  return std::all_of(line.begin(), line.end(),
                     [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; });
}

char DetectSeparator(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(pos, end - pos);
    if (!Blank(line)) {
      int commas = 0, semicolons = 0;
      bool quoted = false;
      for (char ch : line) {
        if (ch == '"') quoted = !quoted;
        if (quoted) continue;
        if (ch == ',') ++commas;
        if (ch == ';') ++semicolons;
      }
      return semicolons > commas ? ';' : ',';
    }
    pos = end + 1;
  }
  return ',';
}

// Splits the text into rows with libcsv, one physical line at a time, so that every row
// knows the line it starts on and a stray quote spoils only its own row.
std::vector<Row> SplitRows(std::string_view text, char separator, const std::string& name) {
  constexpr unsigned char kOptions = CSV_STRICT | CSV_STRICT_FINI;
  csv_parser parser;
  if (csv_init(&parser, kOptions) != 0) throw FileError(name + ": out of memory");
  csv_set_delim(&parser, static_cast<unsigned char>(separator));
  Collector c;
  int line = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    end = end == std::string_view::npos ? text.size() : end + 1;
    const std::string_view chunk = text.substr(pos, end - pos);
    pos = end;
    ++line;
    if (!c.rowOpen) {
      if (Blank(chunk)) {
        // An empty line is an empty row of the spreadsheet; libcsv would skip it.
        Row empty;
        empty.line = line;
        c.rows.push_back(std::move(empty));
        continue;
      }
      c.current.line = line;
      c.rowOpen = true;
    }
    const std::size_t done = csv_parse(&parser, chunk.data(), chunk.size(), OnField, OnRowEnd, &c);
    if (done != chunk.size() || csv_error(&parser) != CSV_SUCCESS) {
      // A quote inside an unquoted field or after a closing quote: this row is malformed.
      Row bad;
      bad.line = c.rowOpen ? c.current.line : line;
      bad.parseError =
          "a quote stands inside a field; put the whole field in quotes and double every quote in it (\"\")";
      c.rows.push_back(std::move(bad));
      c.current = Row{};
      c.rowOpen = false;
      csv_free(&parser);
      if (csv_init(&parser, kOptions) != 0) throw FileError(name + ": out of memory");
      csv_set_delim(&parser, static_cast<unsigned char>(separator));  // the rest of the line is dropped
    }
  }
  const int startLine = c.current.line;
  const bool open = c.rowOpen;
  if (csv_fini(&parser, OnField, OnRowEnd, &c) != 0) {
    csv_free(&parser);
    throw FileError(name + " line " + std::to_string(open ? startLine : line) +
                    ": a quoted field starts here and is never closed (a \" is missing); nothing was read");
  }
  csv_free(&parser);
  return c.rows;
}

std::string Lower(std::string s) {
  for (char& ch : s)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return s;
}

std::string Trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

}  // namespace

DeviceList ParseSignalList(std::string_view text, const std::string& name) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a spreadsheet's byte order mark
  const char separator = DetectSeparator(text);
  std::vector<Row> rows = SplitRows(text, separator, name);
  const auto emptyRow = [](const Row& r) {
    return r.parseError.empty() &&
           std::all_of(r.cells.begin(), r.cells.end(), [](const std::string& s) { return Trim(s).empty(); });
  };
  std::size_t first = 0;
  while (first < rows.size() && emptyRow(rows[first])) ++first;
  if (first == rows.size())
    throw FileError(name +
                    ": empty; a signal list starts with a header row such as tag,module,note,type,start,end");
  const Row& head = rows[first];
  if (!head.parseError.empty())
    throw FileError(name + " line " + std::to_string(head.line) + ", the header row: " + head.parseError);

  std::vector<std::string> columns;
  std::map<std::string, int> seen;
  for (std::size_t i = 0; i < head.cells.size(); ++i) {
    const std::string where =
        name + " line " + std::to_string(head.line) + ", header column " + std::to_string(i + 1);
    if (InvalidUtf8At(head.cells[i]) != std::string_view::npos)
      throw FileError(where + ": not valid UTF-8 text; save the list as UTF-8");
    std::string col = Lower(Trim(head.cells[i]));
    if (col.rfind("--", 0) == 0) col.erase(0, 2);
    const bool ok = std::all_of(col.begin(), col.end(), [](char ch) {
      return (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '-';
    });
    if (!ok)
      throw FileError(
          where + " \"" + head.cells[i] +
          "\": a column is named tag, module, note or by an option of the module command, e.g. in-min");
    if (!col.empty() && seen.count(col))
      throw FileError(where + ": the column \"" + col + "\" is given twice (also column " +
                      std::to_string(seen[col]) + ")");
    if (!col.empty()) seen[col] = static_cast<int>(i) + 1;
    columns.push_back(col);
  }
  if (!seen.count("module"))
    throw FileError(name + " line " + std::to_string(head.line) +
                    ": the header row has no \"module\" column; it names the columns, e.g. tag" +
                    std::string(1, separator) + "module" + std::string(1, separator) + "note" +
                    std::string(1, separator) + "type");

  DeviceList list;
  for (std::size_t r = first + 1; r < rows.size(); ++r) {
    Row& row = rows[r];
    ListEntry e;
    e.row = static_cast<int>(r) + 1;
    e.line = row.line;
    if (!row.parseError.empty()) {
      e.error = row.parseError;
      list.entries.push_back(std::move(e));
      continue;
    }
    if (emptyRow(row)) continue;
    Device d;
    std::string error;
    for (std::size_t i = 0; i < row.cells.size() && error.empty(); ++i) {
      const std::string& cell = row.cells[i];
      if (cell.empty()) continue;
      if (i >= columns.size() || columns[i].empty()) {
        error = "cell " + std::to_string(i + 1) + " (\"" + cell +
                "\") stands in a column without a name in the header row; " +
                "a separator inside a text needs quotes";
        break;
      }
      const std::string& col = columns[i];
      if (InvalidUtf8At(cell) != std::string_view::npos) {
        error = "column " + col + ": not valid UTF-8 text; save the list as UTF-8";
        break;
      }
      if (col == "tag" || col == "note") {
        const std::string why = TextError(cell);
        if (!why.empty()) error = "column " + col + ": " + why;
        (col == "tag" ? d.tag : d.note) = cell;
      } else if (col == "module") {
        d.module = Lower(Trim(cell));
      } else {
        if (cell.find_first_of(std::string("\0\r\n\t", 4)) != std::string::npos)
          error = "column " + col + ": a choice holds no line breaks or tabs";
        const std::string v = Trim(cell);
        if (!v.empty()) d.choices.emplace_back(col, v);
      }
    }
    if (error.empty() && d.module.empty())
      error = "the module is missing; give dc, thermo, rtd or frq in the column module";
    if (error.empty() && !IsModuleName(d.module))
      error = "column module: \"" + d.module + "\" is no module; give dc, thermo, rtd or frq";
    if (error.empty())
      e.device = std::move(d);
    else
      e.error = error;
    list.entries.push_back(std::move(e));
  }
  return list;
}

DeviceList ReadSignalList(const std::string& path) { return ParseSignalList(ReadFileCapped(path), path); }

}  // namespace setrix::configfile
