#include "pdf/document.h"

#include <ostream>

#include "pdf/canvas.h"
#include "pdf/fonts.h"
#include "pdf/registry.h"

namespace setrix::pdf {

void TPdfHeader::WriteTo(std::string& out) const { out += "%PDF-1.2 \r\n"; }

TPdfTrailer::TPdfTrailer(TPdfObjectMgr* mgr) : dict_(mgr) { dict_.Put("Size", std::make_unique<TPdfNumber>(0)); }

void TPdfTrailer::WriteTo(std::string& out) {
  out += "trailer\r\n";
  dict_.WriteTo(out);
  out += "\r\nstartxref\r\n";
  out += std::to_string(xrefAddress_);
  out += "\r\n%%EOF\r\n";
}

TPdfDoc::TPdfDoc(TPdfClock clock) : clock_(std::move(clock)), canvas_(std::make_unique<TPdfCanvas>(*this)) {}

TPdfDoc::~TPdfDoc() { ReleaseDocument(); }

void TPdfDoc::RequireDocument(const char* message) const {
  if (!hasDoc_) throw EPdfInvalidOperation(message);
}

void TPdfDoc::NewDocument() {
  ReleaseDocument();
  xref_ = std::make_unique<TPdfXref>();
  TPdfXref* mgr = xref_.get();
  header_ = std::make_unique<TPdfHeader>();
  trailer_ = std::make_unique<TPdfTrailer>(mgr);
  xobjects_ = std::make_unique<TPdfArray>(mgr);

  auto* catalog = mgr->Register(std::make_unique<TPdfDictionary>(mgr));
  catalog->Put("Type", std::make_unique<TPdfName>("Catalog"));
  trailer_->Dict().Put("Root", *catalog);
  root_ = std::make_unique<TPdfCatalog>();
  root_->AttachDict(catalog);

  if (useOutlines_) {
    auto* outlines = mgr->Register(std::make_unique<TPdfDictionary>(mgr));
    outlines->Put("Type", std::make_unique<TPdfName>("Outlines"));
    catalog->Put("Outlines", *outlines);
    outlineRoot_ = std::make_unique<TPdfOutlineRoot>();
    outlineRoot_->AttachDict(outlines);
  }

  auto* info = mgr->Register(std::make_unique<TPdfDictionary>(mgr));
  info->Put("Producer", std::make_unique<TPdfText>("Zantrel SETRIX"));
  trailer_->Dict().Put("Info", *info);
  info_ = std::make_unique<TPdfInfo>();
  info_->AttachDict(info);
  info_->SetCreationDate(clock_());

  auto* pages = mgr->Register(std::make_unique<TPdfDictionary>(mgr));
  pages->Put("Type", std::make_unique<TPdfName>("Pages"));
  pages->Put("Kids", std::make_unique<TPdfArray>(mgr));
  pages->Put("Count", std::make_unique<TPdfNumber>(0));
  root_->SetPages(*pages);
  currentPages_ = pages;
  hasDoc_ = true;
}

void TPdfDoc::AddPage() {
  if (!currentPages_) throw EPdfInvalidOperation("AddPage --current pages null.");
  TPdfXref* mgr = xref_.get();
  auto* page = mgr->Register(std::make_unique<TPdfDictionary>(mgr));
  TPdfArray* kids = currentPages_->LookupArray("Kids");
  if (!kids) kids = currentPages_->Put("Kids", std::make_unique<TPdfArray>(mgr));
  kids->Add(*page);
  if (TPdfNumber* count = currentPages_->LookupNumber("Count"))
    count->SetValue(kids->Count());
  else
    currentPages_->Put("Count", std::make_unique<TPdfNumber>(kids->Count()));

  page->Put("Type", std::make_unique<TPdfName>("Page"));
  page->Put("Parent", *currentPages_);
  page->Put("MediaBox", TPdfArray::FromIntegers(mgr, {0, 0, defaultPageWidth_, defaultPageHeight_}));
  auto* resources = page->Put("Resources", std::make_unique<TPdfDictionary>(mgr));
  resources->Put("Font", std::make_unique<TPdfDictionary>(mgr));
  resources->Put("XObject", std::make_unique<TPdfDictionary>(mgr));
  auto* procSet = resources->Put("ProcSet", std::make_unique<TPdfArray>(mgr));
  for (const char* n : {"PDF", "Text", "ImageC"}) procSet->Add(std::make_unique<TPdfName>(n));
  auto* contents = mgr->Register(std::make_unique<TPdfStream>(mgr));
  page->Put("Contents", *contents);

  canvas_->AttachPage(*page);
}

void TPdfDoc::SaveToStream(std::string& out) {
  RequireDocument("SaveToStream --there is no document to save.");
  canvas_->GetPage();  // a document needs at least one page
  info_->SetModDate(clock_());
  root_->SaveOpenAction();
  if (outlineRoot_) outlineRoot_->SaveEntries();

  out.clear();
  // Room for the stream data (pictures mostly) and the rest, so that the file is not moved
  // again and again as it grows.
  std::size_t data = 0;
  for (int i = 1; i < xref_->Count(); ++i)
    if (const auto* stream = dynamic_cast<const TPdfStream*>(xref_->Entry(i).Value()))
      data += stream->Data().size();
  out.reserve(data + 256 * static_cast<std::size_t>(xref_->Count()) + 4096);
  header_->WriteTo(out);
  for (int i = 1; i < xref_->Count(); ++i) {
    TPdfXrefEntry& entry = xref_->Entry(i);
    const auto position = static_cast<int>(out.size());
    entry.Value()->WriteIndirect(out);
    entry.SetByteOffset(position);
  }
  trailer_->SetXrefAddress(static_cast<int>(out.size()));
  xref_->WriteTo(out);
  if (TPdfNumber* size = trailer_->Dict().LookupNumber("Size"))
    size->SetValue(xref_->Count());
  else
    trailer_->Dict().Put("Size", std::make_unique<TPdfNumber>(xref_->Count()));
  trailer_->WriteTo(out);
}

void TPdfDoc::SaveToStream(std::ostream& out) {
  std::string bytes;
  SaveToStream(bytes);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out) throw std::runtime_error("SaveToStream --the output could not be written.");
}

void TPdfDoc::ReleaseDocument() {
  if (!hasDoc_) return;
  canvas_->Detach();
  xobjects_.reset();
  xobjectNames_.clear();
  fonts_.clear();
  root_.reset();
  info_.reset();
  outlineRoot_.reset();
  currentPages_ = nullptr;
  xref_.reset();
  header_.reset();
  trailer_.reset();
  hasDoc_ = false;
}

TPdfCanvas& TPdfDoc::GetCanvas() const {
  RequireDocument("GetCanvas --Document is null");
  return *canvas_;
}

TPdfInfo& TPdfDoc::GetInfo() const {
  RequireDocument("GetInfo --this method can not use this state..");
  return *info_;
}

TPdfCatalog& TPdfDoc::GetRoot() const {
  RequireDocument("GetRoot --this method can not use this state..");
  return *root_;
}

TPdfOutlineRoot& TPdfDoc::GetOutlineRoot() const {
  RequireDocument("GetOutlineRoot --document is null..");
  if (!outlineRoot_) throw EPdfInvalidOperation("GetOutlineRoot --not use outline mode..");
  return *outlineRoot_;
}

TPdfFont& TPdfDoc::GetFont(const std::string& name) {
  RequireDocument("GetFont --document is null.");
  for (const auto& f : fonts_)
    if (f->Name() == name) return *f;
  return CreateFont(name);
}

TPdfFont& TPdfDoc::CreateFont(const std::string& name) {
  RequireDocument("CreateFont --document is null.");
  std::unique_ptr<TPdfFont> font = CreateFontByName(name, *xref_);
  font->Dict()->Put("Name", std::make_unique<TPdfName>("F" + std::to_string(fonts_.size())));
  fonts_.push_back(std::move(font));
  return *fonts_.back();
}

TPdfXObject* TPdfDoc::XObjectByName(const std::string& name) const {
  if (!xobjects_) return nullptr;
  const auto hit = xobjectNames_.find(name);
  return hit == xobjectNames_.end() ? nullptr : hit->second;
}

TPdfImage* TPdfDoc::AddImage(const std::string& name, std::unique_ptr<TPdfImage> image) {
  RequireDocument("AddImage --document is null.");
  if (XObjectByName(name)) throw std::runtime_error("AddImage --the image named " + name + " is already exists..");
  if (!image || image->Dict().TypeName() != "XObject" || !image->Dict().LookupName("Subtype") ||
      image->Dict().LookupName("Subtype")->Value() != "Image")
    throw std::runtime_error("AddImage --the image is not valid TPdfImage..");
  TPdfImage* raw = xref_->Register(std::move(image));
  RegisterXObject(raw, name);
  return raw;
}

TPdfXObject* TPdfDoc::RegisterXObject(std::unique_ptr<TPdfXObject> obj, const std::string& name) {
  RequireDocument("RegisterXObject --document is null.");
  if (!obj) throw EPdfInvalidValue("RegisterXObject --AObject is null");
  if (obj->Dict().TypeName() != "XObject") throw EPdfInvalidValue("RegisterXObject --not XObject");
  if (!obj->IsDirect()) {  // already owned by an object manager
    TPdfXObject* raw = obj.release();
    RegisterXObject(raw, name);
    return raw;
  }
  TPdfXObject* raw = xref_->Register(std::move(obj));
  ListXObject(*raw, name);
  return raw;
}

void TPdfDoc::RegisterXObject(TPdfXObject* obj, const std::string& name) {
  RequireDocument("RegisterXObject --document is null.");
  if (!obj) throw EPdfInvalidValue("RegisterXObject --AObject is null");
  if (obj->Dict().TypeName() != "XObject") throw EPdfInvalidValue("RegisterXObject --not XObject");
  if (obj->ObjectType() != TPdfObjectType::otIndirectObject || xref_->ObjectByNumber(obj->ObjectNumber()) != obj)
    throw EPdfInvalidOperation("RegisterXObject --the object does not belong to this document.");
  ListXObject(*obj, name);
}

void TPdfDoc::ListXObject(TPdfXObject& obj, const std::string& name) {
  if (obj.Dict().Lookup("Name")) return;
  if (XObjectByName(name)) throw EPdfInvalidValue("RegisterXObject --dupulicate name: " + name);
  xobjects_->Add(obj);
  obj.Dict().Put("Name", std::make_unique<TPdfName>(name));
  xobjectNames_.emplace(name, &obj);
}

}  // namespace setrix::pdf
