#include "pdf/objects.h"

#include <cstdio>

#include "pdf/format.h"

namespace setrix::pdf {

namespace {
constexpr std::string_view kCrLf = "\r\n";
}

// ---- TPdfObject ----------------------------------------------------------------------

void TPdfObject::SetObjectNumber(int n) {
  number_ = n;
  if (type_ == TPdfObjectType::otVirtualObject) return;
  type_ = n > 0 ? TPdfObjectType::otIndirectObject : TPdfObjectType::otDirectObject;
}

void TPdfObject::WriteTo(std::string& out) {
  if (type_ == TPdfObjectType::otDirectObject) {
    WriteValue(out);
    return;
  }
  out += std::to_string(number_);
  out += ' ';
  out += std::to_string(generation_);
  out += " R";
}

void TPdfObject::WriteValue(std::string&) {}

void TPdfObject::WriteIndirect(std::string& out) {
  if (type_ != TPdfObjectType::otIndirectObject) throw EPdfInvalidOperation("internal error wrong object type");
  out += std::to_string(number_);
  out += ' ';
  out += std::to_string(generation_);
  out += " obj";
  out += kCrLf;
  WriteValue(out);
  out += kCrLf;
  out += "endobj";
  out += kCrLf;
}

std::unique_ptr<TPdfVirtualObject> TPdfVirtualObject::CreateVirtual(int number) {
  std::unique_ptr<TPdfVirtualObject> v(new TPdfVirtualObject());
  v->SetObjectType(TPdfObjectType::otVirtualObject);
  v->SetObjectNumber(number);
  v->SetGenerationNumber(0);
  return v;
}

// ---- value objects --------------------------------------------------------------------

void TPdfNull::WriteValue(std::string& out) { out += "null"; }

void TPdfBoolean::WriteValue(std::string& out) { out += value_ ? "true" : "false"; }

void TPdfNumber::WriteValue(std::string& out) { out += std::to_string(value_); }

void TPdfReal::WriteValue(std::string& out) { out += FormatRealValue(value_); }

void TPdfText::WriteValue(std::string& out) {
  if (IsMultiByte(value_)) {
    out += '<';
    out += LanguagePrefix();
    out += UnicodeHex(value_);
    out += '>';
  } else {
    out += '(';
    out += EscapeText(value_);
    out += ')';
  }
}

void TPdfName::WriteValue(std::string& out) {
  out += '/';
  AppendEscapedName(out, value_);
}

// ---- TPdfArray ------------------------------------------------------------------------

void TPdfArray::AddOwned(std::unique_ptr<TPdfObject> obj) {
  if (!obj) throw EPdfInvalidValue("Add --object is null.");
  if (obj->ObjectType() == TPdfObjectType::otIndirectObject) {
    // Owned by the object manager: keep a reference only.
    const TPdfObject* indirect = obj.release();
    Add(*indirect);
    return;
  }
  // Already an item (handed over again through a pointer from Item): nothing happens, and
  // the array stays its only owner.
  if (obj->ownerArray_ == this) {
    static_cast<void>(obj.release());
    return;
  }
  obj->ownerArray_ = this;
  items_.push_back(std::move(obj));
}

void TPdfArray::Add(const TPdfObject& indirect) {
  if (indirect.IsDirect())
    throw EPdfInvalidOperation("Add --a direct object must be handed over with its ownership.");
  items_.push_back(TPdfVirtualObject::CreateVirtual(indirect.ObjectNumber()));
}

TPdfObject* TPdfArray::Resolve(TPdfObject* item) const {
  if (item->ObjectType() != TPdfObjectType::otVirtualObject) return item;
  return mgr_ ? mgr_->ObjectByNumber(item->ObjectNumber()) : nullptr;
}

TPdfObject* TPdfArray::Item(int i) const {
  if (i < 0 || i >= Count())
    throw std::out_of_range("TPdfArray::Item --index " + std::to_string(i) + " out of range 0.." +
                            std::to_string(Count() - 1));
  return Resolve(items_[static_cast<std::size_t>(i)].get());
}

TPdfName* TPdfArray::LookupName(std::string_view value) const {
  for (const auto& item : items_) {
    auto* name = dynamic_cast<TPdfName*>(Resolve(item.get()));
    if (name && name->Value() == value) return name;
  }
  return nullptr;
}

bool TPdfArray::DropName(std::string_view value) {
  for (auto it = items_.begin(); it != items_.end(); ++it) {
    auto* name = dynamic_cast<TPdfName*>(Resolve(it->get()));
    if (name && name->Value() == value) {
      items_.erase(it);  // frees the item (the name itself or the reference to it)
      return true;
    }
  }
  return false;
}

std::unique_ptr<TPdfArray> TPdfArray::FromIntegers(TPdfObjectMgr* mgr, std::span<const int> values) {
  auto array = std::make_unique<TPdfArray>(mgr);
  for (const int v : values) array->Add(std::make_unique<TPdfNumber>(v));
  return array;
}

void TPdfArray::WriteValue(std::string& out) {
  out += '[';
  for (const auto& item : items_) {
    item->WriteTo(out);
    out += ' ';
  }
  out += ']';
}

// ---- TPdfDictionary -------------------------------------------------------------------

TPdfDictionaryElement::TPdfDictionaryElement(std::string key, std::unique_ptr<TPdfObject> value, bool internal)
    : key_(std::move(key)), value_(std::move(value)), internal_(internal) {
  if (!value_) throw EPdfInvalidValue("internal error. wrong object.");
}

void TPdfDictionary::PutOwned(std::string_view key, std::unique_ptr<TPdfObject> value, bool internal) {
  if (value && value->ObjectType() == TPdfObjectType::otIndirectObject) {
    // Owned by the object manager: keep a reference only.
    const TPdfObject* indirect = value.release();
    PutReference(key, *indirect, internal);
    return;
  }
  std::string k(key);  // key may point into the element removed
  Remove(k);
  Append(std::move(k), std::move(value), internal);
}

void TPdfDictionary::PutReference(std::string_view key, const TPdfObject& indirect, bool internal) {
  if (indirect.IsDirect())
    throw EPdfInvalidOperation("Put --a direct object must be handed over with its ownership.");
  const int number = indirect.ObjectNumber();  // read before Remove may free a reference
  std::string k(key);                          // key may point into the element removed
  Remove(k);
  Append(std::move(k), TPdfVirtualObject::CreateVirtual(number), internal);
}

void TPdfDictionary::Append(std::string key, std::unique_ptr<TPdfObject> value, bool internal) {
  TPdfDictionaryElement element(std::move(key), std::move(value), internal);  // checks the value
  if (elements_.empty()) elements_.reserve(kFirstCapacity);
  elements_.push_back(std::move(element));
}

TPdfObject* TPdfDictionary::Lookup(std::string_view key) const {
  for (const auto& e : elements_) {
    if (e.Key() != key) continue;
    TPdfObject* v = e.Value();
    if (v->ObjectType() == TPdfObjectType::otVirtualObject)
      return mgr_ ? mgr_->ObjectByNumber(v->ObjectNumber()) : nullptr;
    return v;
  }
  return nullptr;
}

void TPdfDictionary::Remove(std::string_view key) {
  for (auto it = elements_.begin(); it != elements_.end(); ++it) {
    if (it->Key() == key) {
      elements_.erase(it);
      return;
    }
  }
}

const TPdfDictionaryElement& TPdfDictionary::Element(int i) const {
  if (i < 0 || i >= Count())
    throw std::out_of_range("TPdfDictionary::Element --index " + std::to_string(i) + " out of range 0.." +
                            std::to_string(Count() - 1));
  return elements_[static_cast<std::size_t>(i)];
}

std::string_view TPdfDictionary::TypeName() const {
  const TPdfName* name = LookupName("Type");
  return name ? std::string_view(name->Value()) : std::string_view();
}

void TPdfDictionary::WriteValue(std::string& out) {
  out += "<<";
  out += kCrLf;
  for (const auto& e : elements_) {
    if (e.IsInternal()) continue;
    out += '/';
    AppendEscapedName(out, e.Key());
    out += ' ';
    e.Value()->WriteTo(out);
    out += kCrLf;
  }
  out += ">>";
}

// ---- TPdfStream, TPdfBinary -----------------------------------------------------------

TPdfStream::TPdfStream(TPdfObjectMgr* mgr) : dict_(std::make_unique<TPdfDictionary>(mgr)) {
  dict_->Put("Length", std::make_unique<TPdfNumber>(0));
  dict_->Put("Filter", std::make_unique<TPdfArray>());
}

void TPdfStream::WriteValue(std::string& out) {
  if (TPdfArray* filter = dict_->LookupArray("Filter")) filter->DropName("FlateDecode");
  TPdfNumber* length = dict_->LookupNumber("Length");
  if (!length) length = dict_->Put("Length", std::make_unique<TPdfNumber>(0));
  const std::string& data = data_.View();
  length->SetValue(static_cast<std::int32_t>(data.size()));
  dict_->WriteTo(out);
  out += kCrLf;
  out += "stream";
  out += kCrLf;
  out += data;
  out += "\nendstream";
}

void TPdfBinary::WriteValue(std::string& out) { out += data_.View(); }

// ---- TPdfXref -------------------------------------------------------------------------

void TPdfXrefEntry::WriteTo(std::string& out) const {
  // "%010d %05d %c" CR LF, written digit by digit (a document has hundreds of entries).
  const auto digits = [](char* end, long long v, int width) {
    const bool negative = v < 0;
    unsigned long long u =
        negative ? 0ull - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    char* p = end;
    do {
      *--p = static_cast<char>('0' + u % 10);
      u /= 10;
    } while (u != 0);
    while (end - p < width - (negative ? 1 : 0)) *--p = '0';
    if (negative) *--p = '-';
    return p;
  };
  char buf[48];
  char* const offsetEnd = buf + 24;
  const char* const offsetStart = digits(offsetEnd, offset_ < 0 ? 0 : offset_, 10);
  char* const generationEnd = buf + 46;
  const char* const generationStart = digits(generationEnd, generation_, 5);
  out.append(offsetStart, static_cast<std::size_t>(offsetEnd - offsetStart));
  out += ' ';
  out.append(generationStart, static_cast<std::size_t>(generationEnd - generationStart));
  out += ' ';
  out += kind_;
  out += "\r\n";
}

TPdfXref::TPdfXref() { entries_.push_back(std::make_unique<TPdfXrefEntry>('f', 65535, nullptr)); }

TPdfObject* TPdfXref::AddObject(std::unique_ptr<TPdfObject> obj) {
  if (!obj) throw EPdfInvalidValue("AddObject --object is null.");
  if (!obj->IsDirect()) {
    // An indirect object is owned elsewhere already; never free it from here.
    if (obj->ObjectType() == TPdfObjectType::otIndirectObject) static_cast<void>(obj.release());
    throw EPdfInvalidOperation("AddObject --wrong object type.");
  }
  TPdfObject* raw = obj.get();
  const int generation = obj->GenerationNumber();
  entries_.push_back(std::make_unique<TPdfXrefEntry>('n', generation, std::move(obj)));
  raw->SetObjectNumber(Count() - 1);
  return raw;
}

TPdfObject* TPdfXref::ObjectByNumber(int n) const {
  if (n < 0 || n >= Count()) return nullptr;
  return entries_[static_cast<std::size_t>(n)]->Value();
}

TPdfXrefEntry& TPdfXref::Entry(int i) const {
  if (i < 0 || i >= Count())
    throw std::out_of_range("TPdfXref::Entry --index " + std::to_string(i) + " out of range 0.." +
                            std::to_string(Count() - 1));
  return *entries_[static_cast<std::size_t>(i)];
}

void TPdfXref::WriteTo(std::string& out) const {
  out += "xref";
  out += kCrLf;
  out += "0 " + std::to_string(Count());
  out += kCrLf;
  for (const auto& e : entries_) e->WriteTo(out);
}

}  // namespace setrix::pdf
