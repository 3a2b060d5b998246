#pragma once
// Terminal texts shared by the thermocouple, RTD and frequency converters.
#include <string>
#include <string_view>

namespace setrix {

// The output terminal lines (txTerminalsOutput) of one language: the output terminal, the
// output range text and the ground terminal put in place of "$K", "$O" and "$P".
std::string OutputTerminalsText(int language, std::string_view outputTerminal, std::string_view outputText,
                                std::string_view groundTerminal);

}  // namespace setrix
