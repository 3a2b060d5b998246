#pragma once
// What the fuzz targets share: an invariant check that stops the run with a message (the
// fuzzer then keeps the input as a crash), and splitting an input into lines.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#define FUZZ_CHECK(condition, ...)                                                           \
  do {                                                                                       \
    if (!(condition)) {                                                                      \
      std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
      std::fprintf(stderr, "  " __VA_ARGS__);                                                \
      std::fprintf(stderr, "\n");                                                            \
      std::abort();                                                                          \
    }                                                                                        \
  } while (0)

namespace setrix::fuzz {

inline std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// A small signed number from a text, wrapping instead of overflowing; "" and junk give 0.
inline int SmallInt(std::string_view text) {
  long long v = 0;
  bool negative = false;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) v = (v * 10 + (text[i] - '0')) % 4294967296LL;
  return static_cast<int>(static_cast<unsigned>(negative ? -v : v));
}

}  // namespace setrix::fuzz
