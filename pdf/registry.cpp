#include "pdf/registry.h"

#include <array>

#include "pdf/fonts.h"
#include "pdf/images.h"

namespace setrix::pdf {

namespace {

struct FontClass {
  const char* name;
  std::unique_ptr<TPdfFont> (*make)(TPdfObjectMgr&, const std::string&);
};

template <class T>
std::unique_ptr<TPdfFont> MakeFont(TPdfObjectMgr& mgr, const std::string& name) {
  return std::make_unique<T>(mgr, name);
}

constexpr std::array<FontClass, 12> kFonts = {{
    {"FixedWidth", MakeFont<TPdfFixedWidth>},
    {"FixedWidth-Bold", MakeFont<TPdfFixedWidthBold>},
    {"FixedWidth-Italic", MakeFont<TPdfFixedWidthItalic>},
    {"FixedWidth-BoldItalic", MakeFont<TPdfFixedWidthBoldItalic>},
    {"Arial", MakeFont<TPdfArial>},
    {"Arial-Bold", MakeFont<TPdfArialBold>},
    {"Arial-Italic", MakeFont<TPdfArialItalic>},
    {"Arial-BoldItalic", MakeFont<TPdfArialBoldItalic>},
    {"Times-Roman", MakeFont<TPdfTimesRoman>},
    {"Times-Bold", MakeFont<TPdfTimesBold>},
    {"Times-Italic", MakeFont<TPdfTimesItalic>},
    {"Times-BoldItalic", MakeFont<TPdfTimesBoldItalic>},
}};

constexpr const char* kBitmapCreator = "Pdf-Bitmap";

const FontClass* FindFont(const std::string& name) {
  for (const auto& f : kFonts)
    if (name == f.name) return &f;
  return nullptr;
}

}  // namespace

std::unique_ptr<TPdfFont> CreateFontByName(const std::string& name, TPdfObjectMgr& mgr) {
  if (const FontClass* f = FindFont(name)) return f->make(mgr, name);
  if (name == kBitmapCreator) throw EPdfInvalidValue("CreateFont --" + name + " is not a font class.");
  throw EClassNotFound(name);
}

std::unique_ptr<TPdfImageCreator> CreateImageCreatorByName(const std::string& name) {
  if (name == kBitmapCreator) return std::make_unique<TPdfBitmapImage>();
  if (FindFont(name)) throw EPdfInvalidValue("MakeImageByClassName --" + name + " is not an image creator class.");
  throw EClassNotFound(name);
}

std::vector<std::string> RegisteredClassNames() {
  std::vector<std::string> names;
  for (const auto& f : kFonts) names.emplace_back(f.name);
  names.emplace_back(kBitmapCreator);
  return names;
}

}  // namespace setrix::pdf
