#pragma once
// The in-memory model of PDF objects and their exact bytes.
//
// Ownership: a container (array, dictionary, stream) owns what it holds through
// std::unique_ptr. An indirect object (one registered with the object manager) is owned by
// its cross-reference entry; containers that store it hold a reference object
// (TPdfVirtualObject, written "N 0 R") instead. Pointers handed out by lookups never own.
//
// Every Write... function appends bytes to a std::string used as output buffer.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/errors.h"

namespace setrix::pdf {

// A rectangle in PDF points; Top is the larger y.
struct TPdfBox {
  float Left = 0, Top = 0, Right = 0, Bottom = 0;
};

enum class TPdfObjectType {
  otDirectObject,    // written where it is used
  otIndirectObject,  // registered with the object manager, written once at file level
  otVirtualObject,   // a reference standing for an indirect object
};

class TPdfObjectMgr;

class TPdfObject {
 public:
  TPdfObject() = default;
  TPdfObject(const TPdfObject&) = delete;
  TPdfObject& operator=(const TPdfObject&) = delete;
  virtual ~TPdfObject() = default;

  TPdfObjectType ObjectType() const { return type_; }
  bool IsDirect() const { return type_ == TPdfObjectType::otDirectObject; }
  int ObjectNumber() const { return number_; }
  int GenerationNumber() const { return generation_; }

  // Indirect objects and references write "N G R", direct objects their value.
  void WriteTo(std::string& out);
  // The object's own value; nothing in the base class.
  virtual void WriteValue(std::string& out);
  // "N G obj" CR LF, value, CR LF "endobj" CR LF. Only for indirect objects, else
  // EPdfInvalidOperation "internal error wrong object type".
  void WriteIndirect(std::string& out);

 protected:
  // n > 0 makes the object indirect (or keeps it a reference), otherwise direct.
  void SetObjectNumber(int n);
  void SetGenerationNumber(int g) { generation_ = g; }
  void SetObjectType(TPdfObjectType t) { type_ = t; }

 private:
  friend class TPdfXref;
  friend class TPdfArray;
  TPdfObjectType type_ = TPdfObjectType::otDirectObject;
  // The array that holds this object as an item, if any: lets an array see at once that an
  // object handed to it is already one of its items.
  const TPdfObject* ownerArray_ = nullptr;
  int number_ = -1;
  int generation_ = 0;
};

// A reference to an indirect object; made only by CreateVirtual.
class TPdfVirtualObject final : public TPdfObject {
 public:
  static std::unique_ptr<TPdfVirtualObject> CreateVirtual(int number);

 private:
  TPdfVirtualObject() = default;
};

class TPdfNull final : public TPdfObject {
 public:
  void WriteValue(std::string& out) override;
};

class TPdfBoolean final : public TPdfObject {
 public:
  explicit TPdfBoolean(bool value = false) : value_(value) {}
  bool Value() const { return value_; }
  void SetValue(bool v) { value_ = v; }
  void WriteValue(std::string& out) override;

 private:
  bool value_;
};

class TPdfNumber final : public TPdfObject {
 public:
  explicit TPdfNumber(std::int32_t value = 0) : value_(value) {}
  std::int32_t Value() const { return value_; }
  void SetValue(std::int32_t v) { value_ = v; }
  void WriteValue(std::string& out) override;

 private:
  std::int32_t value_;
};

class TPdfReal final : public TPdfObject {
 public:
  explicit TPdfReal(double value = 0) : value_(value) {}
  double Value() const { return value_; }
  void SetValue(double v) { value_ = v; }
  void WriteValue(std::string& out) override;

 private:
  double value_;
};

// A text string (Windows-1252 bytes), written as an escaped literal "(...)".
class TPdfText final : public TPdfObject {
 public:
  explicit TPdfText(std::string value = {}) : value_(std::move(value)) {}
  const std::string& Value() const { return value_; }
  void SetValue(std::string v) { value_ = std::move(v); }
  void WriteValue(std::string& out) override;

 private:
  std::string value_;
};

// A name; the value is kept without the leading "/".
class TPdfName final : public TPdfObject {
 public:
  explicit TPdfName(std::string value = {}) : value_(std::move(value)) {}
  const std::string& Value() const { return value_; }
  void SetValue(std::string v) { value_ = std::move(v); }
  void WriteValue(std::string& out) override;

 private:
  std::string value_;
};

// An ordered list of objects, written "[a b c ]".
class TPdfArray final : public TPdfObject {
 public:
  // mgr (may be null) resolves the references the array holds.
  explicit TPdfArray(TPdfObjectMgr* mgr = nullptr) : mgr_(mgr) {}

  // Appends a direct object and takes ownership; returns it. An indirect object (owned by
  // the object manager) is not taken: a reference to it is appended instead.
  template <class T>
  T* Add(std::unique_ptr<T> obj) {
    T* raw = obj.get();
    AddOwned(std::unique_ptr<TPdfObject>(std::move(obj)));
    return raw;
  }
  // Appends a reference to an indirect object (or a copy of a reference).
  void Add(const TPdfObject& indirect);

  int Count() const { return static_cast<int>(items_.size()); }
  void Reserve(std::size_t n) { items_.reserve(n); }
  // The item at 0-based i; a reference is resolved through the object manager (null
  // without one). Out of range: std::out_of_range.
  TPdfObject* Item(int i) const;
  // The first item that is a name with exactly this value, or null.
  TPdfName* LookupName(std::string_view value) const;
  // Removes (and frees) that item; false when there is none.
  bool DropName(std::string_view value);
  TPdfObjectMgr* ObjectMgr() const { return mgr_; }

  static std::unique_ptr<TPdfArray> FromIntegers(TPdfObjectMgr* mgr, std::span<const int> values);
  static std::unique_ptr<TPdfArray> FromIntegers(TPdfObjectMgr* mgr, std::initializer_list<int> values) {
    return FromIntegers(mgr, std::span<const int>(values.begin(), values.size()));
  }

  void WriteValue(std::string& out) override;

 private:
  void AddOwned(std::unique_ptr<TPdfObject> obj);
  TPdfObject* Resolve(TPdfObject* item) const;
  TPdfObjectMgr* mgr_;
  std::vector<std::unique_ptr<TPdfObject>> items_;
};

// One key/value pair of a dictionary. Internal elements are found by lookups but never
// written.
class TPdfDictionaryElement {
 public:
  // A null value: EPdfInvalidValue "internal error. wrong object.".
  TPdfDictionaryElement(std::string key, std::unique_ptr<TPdfObject> value, bool internal = false);

  const std::string& Key() const { return key_; }
  TPdfObject* Value() const { return value_.get(); }
  bool IsInternal() const { return internal_; }

 private:
  std::string key_;  // written as a name
  std::unique_ptr<TPdfObject> value_;
  bool internal_;
};

// Ordered key/value pairs, written "<<" CR LF "/Key value" CR LF ... ">>".
class TPdfDictionary final : public TPdfObject {
 public:
  explicit TPdfDictionary(TPdfObjectMgr* mgr = nullptr) : mgr_(mgr) {}

  // Removes any element with that key, then appends (key, value); an indirect value is
  // stored as a reference. A null value: EPdfInvalidValue "internal error. wrong object.".
  template <class T>
  T* Put(std::string_view key, std::unique_ptr<T> value) {
    T* raw = value.get();
    PutOwned(key, std::unique_ptr<TPdfObject>(std::move(value)), false);
    return raw;
  }
  // Stores a reference to an indirect object.
  void Put(std::string_view key, const TPdfObject& indirect) { PutReference(key, indirect, false); }
  // The same as Put, but the element is never written (state kept on the object).
  template <class T>
  T* PutInternal(std::string_view key, std::unique_ptr<T> value) {
    T* raw = value.get();
    PutOwned(key, std::unique_ptr<TPdfObject>(std::move(value)), true);
    return raw;
  }
  void PutInternal(std::string_view key, const TPdfObject& indirect) { PutReference(key, indirect, true); }

  // The value of the first element with exactly this key (references resolved through the
  // object manager; null without one), or null.
  TPdfObject* Lookup(std::string_view key) const;
  // Typed lookups: null when the key is missing or holds another kind.
  template <class T>
  T* LookupAs(std::string_view key) const {
    return dynamic_cast<T*>(Lookup(key));
  }
  TPdfNumber* LookupNumber(std::string_view key) const { return LookupAs<TPdfNumber>(key); }
  TPdfReal* LookupReal(std::string_view key) const { return LookupAs<TPdfReal>(key); }
  TPdfText* LookupText(std::string_view key) const { return LookupAs<TPdfText>(key); }
  TPdfName* LookupName(std::string_view key) const { return LookupAs<TPdfName>(key); }
  TPdfArray* LookupArray(std::string_view key) const { return LookupAs<TPdfArray>(key); }
  TPdfDictionary* LookupDictionary(std::string_view key) const { return LookupAs<TPdfDictionary>(key); }

  // Frees the first element with that key; nothing when absent.
  void Remove(std::string_view key);
  int Count() const { return static_cast<int>(elements_.size()); }
  // The i-th element; valid until the dictionary next changes.
  const TPdfDictionaryElement& Element(int i) const;
  // The value of the name under "Type", or "" (valid while the dictionary keeps it).
  std::string_view TypeName() const;
  TPdfObjectMgr* ObjectMgr() const { return mgr_; }

  void WriteValue(std::string& out) override;

 private:
  void PutOwned(std::string_view key, std::unique_ptr<TPdfObject> value, bool internal);
  void PutReference(std::string_view key, const TPdfObject& indirect, bool internal);
  void Append(std::string key, std::unique_ptr<TPdfObject> value, bool internal);
  static constexpr std::size_t kFirstCapacity = 10;  // most hold a few keys, an image nine
  TPdfObjectMgr* mgr_;
  // Held in place: one allocation for the elements of a small dictionary, not one each.
  std::vector<TPdfDictionaryElement> elements_;
};

// Bytes held by a stream or a binary object: its own, or shared with others without a copy
// (a picture's pixels or palette, written unchanged by many documents). Mutable() first takes
// a private copy of shared bytes; reading goes through View().
class TPdfBytes {
 public:
  std::string& Mutable() {
    if (shared_) {
      own_ = *shared_;
      shared_.reset();
    }
    return own_;
  }
  const std::string& View() const { return shared_ ? *shared_ : own_; }
  void Share(std::shared_ptr<const std::string> bytes) {
    shared_ = std::move(bytes);
    own_.clear();
  }

 private:
  std::string own_;
  std::shared_ptr<const std::string> shared_;
};

// A dictionary and raw data, written "<<...>>" CR LF "stream" CR LF data LF "endstream".
// Nothing is compressed: a FlateDecode filter is dropped when the stream is written.
class TPdfStream : public TPdfObject {
 public:
  // The dictionary starts with "Length" 0 and "Filter" [].
  explicit TPdfStream(TPdfObjectMgr* mgr = nullptr);

  TPdfDictionary& Dict() const { return *dict_; }
  // Writing through Data() first takes a private copy of shared bytes.
  std::string& Data() { return data_.Mutable(); }
  const std::string& Data() const { return data_.View(); }
  // Bytes that several documents write unchanged (a picture's pixels), held without a copy.
  void ShareData(std::shared_ptr<const std::string> bytes) { data_.Share(std::move(bytes)); }

  void WriteValue(std::string& out) override;

 private:
  std::unique_ptr<TPdfDictionary> dict_;
  TPdfBytes data_;
};

class TPdfXObject : public TPdfStream {
 public:
  using TPdfStream::TPdfStream;
};

class TPdfImage final : public TPdfXObject {
 public:
  using TPdfXObject::TPdfXObject;
};

// Bytes written verbatim (the hex palette of an indexed image, for example).
class TPdfBinary final : public TPdfObject {
 public:
  // Writing through Data() first takes a private copy of shared bytes.
  std::string& Data() { return data_.Mutable(); }
  const std::string& Data() const { return data_.View(); }
  // Bytes shared with others (the palette of a picture that stays set), not copied.
  void ShareData(std::shared_ptr<const std::string> bytes) { data_.Share(std::move(bytes)); }
  void WriteValue(std::string& out) override;

 private:
  TPdfBytes data_;
};

// Numbers and owns the indirect objects of one document.
class TPdfObjectMgr {
 public:
  virtual ~TPdfObjectMgr() = default;
  // Registers a direct object: it gets the next object number, becomes indirect and is
  // owned by the manager from now on. Returns it.
  virtual TPdfObject* AddObject(std::unique_ptr<TPdfObject> obj) = 0;
  // The object registered under number n, or null.
  virtual TPdfObject* ObjectByNumber(int n) const = 0;

  // AddObject with the object's own type.
  template <class T>
  T* Register(std::unique_ptr<T> obj) {
    return static_cast<T*>(AddObject(std::unique_ptr<TPdfObject>(std::move(obj))));
  }
};

// One line of the cross-reference table.
class TPdfXrefEntry {
 public:
  TPdfXrefEntry(char kind, int generation, std::unique_ptr<TPdfObject> value)
      : kind_(kind), generation_(generation), value_(std::move(value)) {}

  // 'n' (in use) or 'f' (free).
  char EntryType() const { return kind_; }
  int ByteOffset() const { return offset_; }
  void SetByteOffset(int offset) { offset_ = offset; }
  int GenerationNumber() const { return generation_; }
  TPdfObject* Value() const { return value_.get(); }
  // The 20-byte table line: offset (10 digits), generation (5 digits), kind, CR LF.
  void WriteTo(std::string& out) const;

 private:
  char kind_;
  int offset_ = -1;
  int generation_;
  std::unique_ptr<TPdfObject> value_;
};

// The object manager of one document: entry 0 is the free head (generation 65535), the
// objects follow as 1, 2, 3 ... in the order of registration.
class TPdfXref final : public TPdfObjectMgr {
 public:
  TPdfXref();

  // The object must be direct, else EPdfInvalidOperation "AddObject --wrong object type.".
  TPdfObject* AddObject(std::unique_ptr<TPdfObject> obj) override;
  TPdfObject* ObjectByNumber(int n) const override;
  int Count() const { return static_cast<int>(entries_.size()); }
  TPdfXrefEntry& Entry(int i) const;
  // "xref" CR LF "0 <count>" CR LF and one 20-byte line per entry.
  void WriteTo(std::string& out) const;

 private:
  std::vector<std::unique_ptr<TPdfXrefEntry>> entries_;
};

}  // namespace setrix::pdf
