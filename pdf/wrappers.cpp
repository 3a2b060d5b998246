#include "pdf/wrappers.h"

#include <array>

namespace setrix::pdf {

namespace {
constexpr std::array kLayoutNames = {"SinglePage", "OneColumn", "TwoColumnLeft", "TwoColumnRight"};
constexpr std::array kModeNames = {"UseNone", "UseOutlines", "UseThumbs", "FullScreen"};
constexpr std::array kPreferenceNames = {"HideToolbar", "HideMenubar", "HideWindowUI", "FitWindow",
                                         "CenterWindow"};
}  // namespace

const char* PdfName(TPdfPageLayout v) { return kLayoutNames.at(static_cast<std::size_t>(v)); }
const char* PdfName(TPdfPageMode v) { return kModeNames.at(static_cast<std::size_t>(v)); }
const char* PdfName(TPdfViewerPreference v) { return kPreferenceNames.at(static_cast<std::size_t>(v)); }

void TPdfInfo::SetText(std::string_view key, std::string text) {
  Dict()->Put(key, std::make_unique<TPdfText>(std::move(text)));
}

std::string TPdfInfo::Text(std::string_view key) const {
  const TPdfText* t = Dict()->LookupText(key);
  return t ? t->Value() : std::string();
}

void TPdfCatalog::SetName(std::string_view key, const char* name) {
  if (TPdfName* existing = Dict()->LookupName(key))
    existing->SetValue(name);
  else
    Dict()->Put(key, std::make_unique<TPdfName>(name));
}

void TPdfCatalog::SetPageLayout(TPdfPageLayout v) { SetName("PageLayout", PdfName(v)); }

TPdfPageLayout TPdfCatalog::PageLayout() const {
  if (const TPdfName* n = Dict()->LookupName("PageLayout"))
    for (std::size_t i = 0; i < kLayoutNames.size(); ++i)
      if (n->Value() == kLayoutNames[i]) return static_cast<TPdfPageLayout>(i);
  return TPdfPageLayout::plSinglePage;
}

void TPdfCatalog::SetPageMode(TPdfPageMode v) { SetName("PageMode", PdfName(v)); }

TPdfPageMode TPdfCatalog::PageMode() const {
  if (const TPdfName* n = Dict()->LookupName("PageMode"))
    for (std::size_t i = 0; i < kModeNames.size(); ++i)
      if (n->Value() == kModeNames[i]) return static_cast<TPdfPageMode>(i);
  return TPdfPageMode::pmUseNone;
}

void TPdfCatalog::SetNonFullScreenPageMode(TPdfPageMode v) {
  TPdfDictionary* prefs = Dict()->LookupDictionary("ViewerPreferences");
  if (!prefs) prefs = Dict()->Put("ViewerPreferences", std::make_unique<TPdfDictionary>(Dict()->ObjectMgr()));
  if (v == TPdfPageMode::pmUseOutlines || v == TPdfPageMode::pmUseThumbs) {
    if (TPdfName* existing = prefs->LookupName("NonFullScreenPageMode"))
      existing->SetValue(PdfName(v));
    else
      prefs->Put("NonFullScreenPageMode", std::make_unique<TPdfName>(PdfName(v)));
  } else {
    prefs->Remove("NonFullScreenPageMode");
  }
}

void TPdfCatalog::SetViewerPreference(TPdfViewerPreferences set) {
  TPdfDictionary* prefs = Dict()->LookupDictionary("ViewerPreferences");
  if (!prefs && !set.Empty())
    prefs = Dict()->Put("ViewerPreferences", std::make_unique<TPdfDictionary>(Dict()->ObjectMgr()));
  if (!prefs) return;
  for (std::size_t i = 0; i < kPreferenceNames.size(); ++i) {
    const auto member = static_cast<TPdfViewerPreference>(i);
    if (set.Contains(member))
      prefs->Put(kPreferenceNames[i], std::make_unique<TPdfBoolean>(true));
    else
      prefs->Remove(kPreferenceNames[i]);
  }
}

TPdfViewerPreferences TPdfCatalog::ViewerPreference() const {
  TPdfViewerPreferences set;
  if (const TPdfDictionary* prefs = Dict()->LookupDictionary("ViewerPreferences"))
    for (std::size_t i = 0; i < kPreferenceNames.size(); ++i)
      if (const TPdfBoolean* b = prefs->LookupAs<TPdfBoolean>(kPreferenceNames[i]); b && b->Value())
        set.Include(static_cast<TPdfViewerPreference>(i));
  return set;
}

void TPdfCatalog::SetPages(const TPdfDictionary& pages) {
  if (pages.TypeName() == "Pages") Dict()->Put("Pages", pages);
}

void TPdfCatalog::SaveOpenAction() { Dict()->Remove("OpenAction"); }

void TPdfOutlineEntry::SaveEntries() {
  Dict()->Put("Count", std::make_unique<TPdfNumber>(opened_ ? childCount_ : -childCount_));
}

}  // namespace setrix::pdf
