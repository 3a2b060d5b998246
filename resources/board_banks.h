#pragma once
// Where the documents paint the switch banks onto the board pictures: one place per bank of
// every module, read by the board drawing (which keeps these places clear), by the document
// content (which names the banks) and by both document layouts.
#include <array>
#include <string_view>

namespace setrix::resources {

// Where a bank's name stands beside it.
enum class BankNamePlace {
  RightOfTop,     // right of the bank, level with its top
  AboveLeft,      // above the bank, at its left edge
  RightOfBottom,  // right of the bank, level with its bottom
};

struct BankPlace {
  std::string_view name;     // "S1", "S2", "S3"
  int count;                 // switches: the bank picture is 8 x count + 5 long and 37 across
  int turn;                  // degrees the bank is turned (0, 90 or 180); 90 runs down the board
  int left, top;             // in the PDF: picture pixels, the bank at its own size
  double widthCm, xCm, yCm;  // in print: stretched to the width, in cm of the 7.6 cm board
  BankNamePlace namePlace;
  int pdfNameGap;  // in the PDF: points between the bank's right edge and a name right of it
  bool Vertical() const { return turn == 90 || turn == 270; }
};

// The DC isolator's board "PCB_DC": S1 (10 switches, vertical), S2 (5), S3 (3, vertical).
inline constexpr std::array<BankPlace, 3> kDcBankPlaces{{
    {"S1", 10, 90, 31, 97, 1.05, 0.95, 2.9, BankNamePlace::RightOfTop, 2},
    {"S2", 5, 0, 83, 60, 1.3, 2.6, 1.85, BankNamePlace::AboveLeft, 2},
    {"S3", 3, 90, 143, 51, 1.05, 4.3, 1.5, BankNamePlace::AboveLeft, 2},
}};
// The thermocouple and RTD converters on "PCB_RTD": S2 above S1.
inline constexpr std::array<BankPlace, 2> kTemperatureBankPlaces{{
    {"S2", 8, 180, 91, 26, 2.1, 2.7, 0.8, BankNamePlace::RightOfBottom, 2},
    {"S1", 8, 180, 91, 72, 2.1, 2.7, 2.1, BankNamePlace::RightOfBottom, 2},
}};
// The frequency converter on the same board, its banks elsewhere: S2, then S1.
inline constexpr std::array<BankPlace, 2> kFrqBankPlaces{{
    {"S2", 8, 180, 70, 55, 2.1, 2.1, 1.6, BankNamePlace::RightOfTop, 4},
    {"S1", 8, 180, 30, 135, 2.1, 0.9, 4.0, BankNamePlace::RightOfTop, 4},
}};

}  // namespace setrix::resources
