// Language index and text lookup.
#include "texts/texts.h"

#include <atomic>

namespace setrix::texts {
namespace {

std::atomic<int> currentLanguage{0};

int ValidLanguage(int language) { return language >= 0 && language < kLanguageCount ? language : 0; }

int Clamp(int index, int count) {
  if (index < 0) return 0;
  return index >= count ? count - 1 : index;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

}  // namespace

int CurrentLanguage() { return currentLanguage.load(std::memory_order_relaxed); }

// A stored or passed index outside 0..3 (an old or edited setting) falls back to German.
void SetCurrentLanguage(int language) {
  currentLanguage.store(ValidLanguage(language), std::memory_order_relaxed);
}

int LanguageFromCode(std::string_view code) {
  static constexpr std::array<std::string_view, kLanguageCount> kCodes{"de", "en", "it", "es"};
  for (int i = 0; i < kLanguageCount; ++i) {
    if (EqualsIgnoringAsciiCase(code, kCodes[static_cast<std::size_t>(i)])) return i;
  }
  return -1;
}

std::string_view Tx(const PerLanguage& e) { return Tx(e, CurrentLanguage()); }

std::string_view Tx(const PerLanguage& e, int language) {
  return e.text[static_cast<std::size_t>(ValidLanguage(language))];
}

std::string_view Tx(const Single& e) { return e.text; }

std::string_view Tx(const ThreePerLanguage& e, int variant) { return Tx(e, variant, CurrentLanguage()); }

std::string_view Tx(const ThreePerLanguage& e, int variant, int language) {
  return e.text[static_cast<std::size_t>(ValidLanguage(language) * 3 + Clamp(variant, 3))];
}

std::string ReplaceAll(std::string_view text, std::string_view placeholder, std::string_view with) {
  if (placeholder.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.size() - i >= placeholder.size() &&
        EqualsIgnoringAsciiCase(text.substr(i, placeholder.size()), placeholder)) {
      out += with;
      i += placeholder.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

std::string_view EntryText(const Entry& e, int index, int language) {
  const auto lang = static_cast<std::size_t>(ValidLanguage(language));
  const auto i = static_cast<std::size_t>(Clamp(index, static_cast<int>(e.count)));
  switch (e.layout) {
    case Layout::kPerLanguage: return e.texts[lang];
    case Layout::kSingle: return e.texts[0];
    case Layout::kThreePerLanguage: return e.texts[lang * 3 + i];
    case Layout::kItems: return e.texts[i * 4 + lang];
  }
  return {};
}

std::vector<std::string_view> EntryTexts(const Entry& e, int language) {
  std::vector<std::string_view> out;
  out.reserve(e.count);
  for (std::size_t i = 0; i < e.count; ++i) out.push_back(EntryText(e, static_cast<int>(i), language));
  return out;
}

}  // namespace setrix::texts
