#pragma once
// The classes the engine creates by name: the twelve fonts under their font names
// ("FixedWidth", "Arial-Bold", "Times-Italic", ...) and the image creator "Pdf-Bitmap".
#include <memory>
#include <string>
#include <vector>

#include "pdf/objects.h"

namespace setrix::pdf {

class TPdfFont;
class TPdfImageCreator;

// A new font of the class registered under name, its dictionary registered with mgr.
// Unknown name: EClassNotFound "Class <name> not found"; the name of the image creator:
// EPdfInvalidValue.
std::unique_ptr<TPdfFont> CreateFontByName(const std::string& name, TPdfObjectMgr& mgr);

// A new image creator of the class registered under name. Unknown name: EClassNotFound;
// a font name: EPdfInvalidValue.
std::unique_ptr<TPdfImageCreator> CreateImageCreatorByName(const std::string& name);

// The thirteen registered names, fonts first.
std::vector<std::string> RegisteredClassNames();

}  // namespace setrix::pdf
