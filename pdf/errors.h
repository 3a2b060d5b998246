#pragma once
// Errors of the PDF engine. Every message begins with the failing operation and " --"
// (for example "AddPage --current pages null."), the fixed English texts that callers show.
#include <stdexcept>
#include <string>

namespace setrix::pdf {

// A value that the engine cannot accept (a range check, an unknown XObject, ...).
class EPdfInvalidValue : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An operation called in a state that does not allow it (no document, no page, ...).
class EPdfInvalidOperation : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A bitmap that cannot be turned into an image.
class EPdfInvalidImageFormat : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A font or image creator name that no class is registered under: "Class <name> not found".
class EClassNotFound : public std::runtime_error {
 public:
  explicit EClassNotFound(const std::string& name)
      : std::runtime_error("Class " + name + " not found"), name_(name) {}
  const std::string& Name() const { return name_; }

 private:
  std::string name_;
};

}  // namespace setrix::pdf
