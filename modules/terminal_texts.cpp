#include "modules/terminal_texts.h"

#include "texts/texts.h"

namespace setrix {

std::string OutputTerminalsText(int language, std::string_view outputTerminal, std::string_view outputText,
                                std::string_view groundTerminal) {
  std::string out = texts::ReplaceAll(texts::Tx(texts::txTerminalsOutput, language), "$K", outputTerminal);
  out = texts::ReplaceAll(out, "$O", outputText);
  return texts::ReplaceAll(out, "$P", groundTerminal);
}

}  // namespace setrix
