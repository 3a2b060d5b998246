#pragma once
// Typed access to the dictionaries of a document: the information dictionary, the catalog
// with its viewer settings, and the outline root. A wrapper never owns its dictionary; the
// dictionary is an indirect object owned by the document's object manager.
#include <cstdint>
#include <initializer_list>
#include <string>

#include "pdf/format.h"
#include "pdf/objects.h"

namespace setrix::pdf {

class TPdfDictionaryWrapper {
 public:
  TPdfDictionaryWrapper() = default;
  TPdfDictionaryWrapper(const TPdfDictionaryWrapper&) = delete;
  TPdfDictionaryWrapper& operator=(const TPdfDictionaryWrapper&) = delete;
  virtual ~TPdfDictionaryWrapper() = default;

  // Remembers the dictionary the wrapper gives access to.
  virtual void AttachDict(TPdfDictionary* dict) { dict_ = dict; }
  TPdfDictionary* Dict() const { return dict_; }

 private:
  TPdfDictionary* dict_ = nullptr;
};

// The document information dictionary: Producer, then the entries in the order they were
// last set.
class TPdfInfo final : public TPdfDictionaryWrapper {
 public:
  void SetAuthor(std::string text) { SetText("Author", std::move(text)); }
  void SetCreator(std::string text) { SetText("Creator", std::move(text)); }
  void SetTitle(std::string text) { SetText("Title", std::move(text)); }
  void SetSubject(std::string text) { SetText("Subject", std::move(text)); }
  void SetKeywords(std::string text) { SetText("Keywords", std::move(text)); }
  void SetCreationDate(const TPdfDateTime& t) { SetText("CreationDate", FormatPdfDate(t)); }
  void SetModDate(const TPdfDateTime& t) { SetText("ModDate", FormatPdfDate(t)); }

  // The stored text of an entry ("Author", "ModDate", ...), "" when absent.
  std::string Text(std::string_view key) const;

 private:
  void SetText(std::string_view key, std::string text);
};

enum class TPdfPageLayout { plSinglePage, plOneColumn, plTwoColumnLeft, plTwoColumnRight };
enum class TPdfPageMode { pmUseNone, pmUseOutlines, pmUseThumbs, pmFullScreen };
enum class TPdfViewerPreference { vpHideToolbar, vpHideMenubar, vpHideWindowUI, vpFitWindow, vpCenterWindow };

// A set of viewer preferences.
class TPdfViewerPreferences {
 public:
  TPdfViewerPreferences() = default;
  TPdfViewerPreferences(std::initializer_list<TPdfViewerPreference> members) {
    for (auto m : members) Include(m);
  }
  bool Contains(TPdfViewerPreference m) const { return (bits_ >> static_cast<int>(m)) & 1u; }
  void Include(TPdfViewerPreference m) { bits_ |= static_cast<std::uint8_t>(1u << static_cast<int>(m)); }
  void Exclude(TPdfViewerPreference m) { bits_ &= static_cast<std::uint8_t>(~(1u << static_cast<int>(m))); }
  bool Empty() const { return bits_ == 0; }
  friend bool operator==(TPdfViewerPreferences, TPdfViewerPreferences) = default;

 private:
  std::uint8_t bits_ = 0;
};

// The PDF names written for the settings ("SinglePage", "UseOutlines", "HideToolbar", ...).
const char* PdfName(TPdfPageLayout v);
const char* PdfName(TPdfPageMode v);
const char* PdfName(TPdfViewerPreference v);

// The document catalog.
class TPdfCatalog final : public TPdfDictionaryWrapper {
 public:
  // Replaces the name in place when "PageLayout" exists, else adds it at the end.
  void SetPageLayout(TPdfPageLayout v);
  // plSinglePage when not set.
  TPdfPageLayout PageLayout() const;
  void SetPageMode(TPdfPageMode v);
  // pmUseNone when not set.
  TPdfPageMode PageMode() const;
  // "NonFullScreenPageMode" in "ViewerPreferences" (created when missing): set for
  // pmUseOutlines and pmUseThumbs, removed for pmUseNone and pmFullScreen.
  void SetNonFullScreenPageMode(TPdfPageMode v);
  // One boolean true per member in "ViewerPreferences"; the others are removed. The
  // dictionary is created only for a non-empty set.
  void SetViewerPreference(TPdfViewerPreferences prefs);
  TPdfViewerPreferences ViewerPreference() const;
  // Stores the page tree root under "Pages" (only a dictionary of type Pages).
  void SetPages(const TPdfDictionary& pages);
  // Before saving: no open-action destination is ever set, so "OpenAction" is removed.
  void SaveOpenAction();

 private:
  void SetName(std::string_view key, const char* name);
};

// An outline entry: open or closed, with a number of children. The engine creates no
// entries below the root, so the root writes "/Count 0".
class TPdfOutlineEntry : public TPdfDictionaryWrapper {
 public:
  bool Opened() const { return opened_; }
  void SetOpened(bool v) { opened_ = v; }
  int ChildCount() const { return childCount_; }
  // Writes the entry's counts into its dictionary before saving.
  virtual void SaveEntries();

 private:
  bool opened_ = true;
  int childCount_ = 0;
};

class TPdfOutlineRoot final : public TPdfOutlineEntry {};

}  // namespace setrix::pdf
