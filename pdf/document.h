#pragma once
// One PDF document under construction. It owns the object manager and with it every
// indirect object (catalog, information, page tree, pages, contents, fonts, images), the
// font list and the single page canvas. Nothing is written before SaveToStream, which
// produces the whole file in one pass: header, objects in number order, cross-reference
// table, trailer.
//
// Typical use:
//   TPdfDoc doc;
//   doc.NewDocument();
//   doc.AddPage();                       // page content starts with "/F0 10 Tf" (Arial)
//   doc.GetCanvas().SelectFont("Times-Bold", 12);
//   ...
//   doc.SaveToStream(file);
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "pdf/format.h"
#include "pdf/objects.h"
#include "pdf/wrappers.h"

namespace setrix::pdf {

class TPdfCanvas;
class TPdfFont;

enum class TPdfCompressionMethod { cmNone };

// Writes the header line "%PDF-1.2 " CR LF.
class TPdfHeader {
 public:
  void WriteTo(std::string& out) const;
};

// The trailer dictionary (Size, Root, Info) and the position of the cross-reference table.
class TPdfTrailer {
 public:
  explicit TPdfTrailer(TPdfObjectMgr* mgr);
  TPdfDictionary& Dict() { return dict_; }
  int XrefAddress() const { return xrefAddress_; }
  void SetXrefAddress(int v) { xrefAddress_ = v; }
  // "trailer" CR LF, the dictionary, CR LF "startxref" CR LF, the address, CR LF "%%EOF" CR LF.
  void WriteTo(std::string& out);

 private:
  TPdfDictionary dict_;
  int xrefAddress_ = 0;
};

// The source of "now" for CreationDate and ModDate; tests fix it.
using TPdfClock = std::function<TPdfDateTime()>;

class TPdfDoc {
 public:
  // No document yet; the canvas exists from the start. Dates come from clock.
  explicit TPdfDoc(TPdfClock clock = TPdfDateTime::Now);
  TPdfDoc(const TPdfDoc&) = delete;
  TPdfDoc& operator=(const TPdfDoc&) = delete;
  ~TPdfDoc();

  // Starts a new document (releasing any previous one): 1 catalog, (outline root,)
  // information with Producer "Zantrel SETRIX" and CreationDate, page tree root.
  void NewDocument();
  // Appends a page (and its content stream) to the page tree and attaches the canvas to
  // it. Without a document: EPdfInvalidOperation "AddPage --current pages null.".
  void AddPage();
  // Sets ModDate and writes the whole file into out (replacing its content).
  // Without a document: EPdfInvalidOperation "SaveToStream --there is no document to save.";
  // without a page: EPdfInvalidOperation "GetPage --the Page is nil".
  void SaveToStream(std::string& out);
  // The same into a stream; a stream that fails to take the bytes raises
  // std::runtime_error "SaveToStream --the output could not be written.".
  void SaveToStream(std::ostream& out);
  // Frees every object of the document; the canvas stays, without page.
  void ReleaseDocument();

  bool HasDoc() const { return hasDoc_; }
  // "GetCanvas --Document is null" without a document.
  TPdfCanvas& GetCanvas() const;
  // "GetInfo --this method can not use this state.." without a document.
  TPdfInfo& GetInfo() const;
  // "GetRoot --this method can not use this state.." without a document.
  TPdfCatalog& GetRoot() const;
  // "GetOutlineRoot --document is null.." without a document, "GetOutlineRoot --not use
  // outline mode.." when the document was made without outlines.
  TPdfOutlineRoot& GetOutlineRoot() const;
  // The object manager of the document (null without one).
  TPdfXref* ObjectMgr() const { return xref_.get(); }

  // The font created under name ("Arial", "Times-Bold", ...), created on first use.
  // "GetFont --document is null." without a document.
  TPdfFont& GetFont(const std::string& name);
  // A new font of the class registered under name; its dictionary gets "Name" F<index>
  // (F0, F1, ...). Unknown name: EClassNotFound.
  TPdfFont& CreateFont(const std::string& name);

  // The registered XObject whose "Name" is name, or null.
  TPdfXObject* XObjectByName(const std::string& name) const;
  // Registers an image (made by TPdfBitmapImage) under name and returns it.
  // A name in use: std::runtime_error "AddImage --the image named <name> is already
  // exists.."; no image or not of type XObject/Image: std::runtime_error "AddImage --the
  // image is not valid TPdfImage..".
  TPdfImage* AddImage(const std::string& name, std::unique_ptr<TPdfImage> image);
  // Registers an XObject under name and lists it (an object that already has a "Name" is
  // left as it is). Errors (EPdfInvalidValue): "RegisterXObject --AObject is null",
  // "RegisterXObject --not XObject", "RegisterXObject --dupulicate name: <name>".
  TPdfXObject* RegisterXObject(std::unique_ptr<TPdfXObject> obj, const std::string& name);
  // The same for an XObject already registered with this document's object manager.
  void RegisterXObject(TPdfXObject* obj, const std::string& name);

  bool UseOutlines() const { return useOutlines_; }
  // Takes effect at the next NewDocument.
  void SetUseOutlines(bool v) { useOutlines_ = v; }
  TPdfCompressionMethod CompressionMethod() const { return compression_; }
  void SetCompressionMethod(TPdfCompressionMethod v) { compression_ = v; }
  std::uint16_t DefaultPageWidth() const { return defaultPageWidth_; }
  std::uint16_t DefaultPageHeight() const { return defaultPageHeight_; }
  void SetDefaultPageWidth(std::uint16_t v) { defaultPageWidth_ = v; }
  void SetDefaultPageHeight(std::uint16_t v) { defaultPageHeight_ = v; }
  void SetClock(TPdfClock clock) { clock_ = std::move(clock); }

 private:
  void RequireDocument(const char* message) const;
  void ListXObject(TPdfXObject& obj, const std::string& name);

  TPdfClock clock_;
  bool hasDoc_ = false;
  bool useOutlines_ = false;
  TPdfCompressionMethod compression_ = TPdfCompressionMethod::cmNone;
  std::uint16_t defaultPageWidth_ = 596;
  std::uint16_t defaultPageHeight_ = 842;

  std::unique_ptr<TPdfXref> xref_;
  std::unique_ptr<TPdfHeader> header_;
  std::unique_ptr<TPdfTrailer> trailer_;
  std::unique_ptr<TPdfCatalog> root_;
  std::unique_ptr<TPdfInfo> info_;
  std::unique_ptr<TPdfOutlineRoot> outlineRoot_;
  TPdfDictionary* currentPages_ = nullptr;
  std::vector<std::unique_ptr<TPdfFont>> fonts_;
  std::unique_ptr<TPdfArray> xobjects_;
  // The listed XObjects by their "Name" (set once, when listed): pictures are looked up by
  // name for every drawing, and the list grows with every board of a document.
  std::unordered_map<std::string, TPdfXObject*> xobjectNames_;
  std::unique_ptr<TPdfCanvas> canvas_;
};

}  // namespace setrix::pdf
