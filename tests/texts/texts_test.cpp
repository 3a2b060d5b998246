#include "texts/texts.h"
#include "texts/texts_reading.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using namespace setrix::texts;

namespace {

constexpr int kDe = 0, kEn = 1, kIt = 2, kEs = 3;

// Restores German after each test: the language is process-wide.
class TextsTest : public ::testing::Test {
 protected:
  void TearDown() override { SetCurrentLanguage(kDe); }
};

struct PerLanguageCase {
  const PerLanguage* entry;
  int language;
  std::string_view expected;
};

}  // namespace

TEST(Texts, PerLanguageEntriesHoldTheTablesBytes) {
  const PerLanguageCase cases[] = {
      {&txFile, kDe, "&Datei"},
      {&txFile, kEn, "&File"},
      {&txFile, kIt, "&File"},
      {&txFile, kEs, "&Archivo"},
      {&txPrint, kIt, "S&tampa..."},
      // Lone carriage returns.
      {&txFurtherFineAdjustmentNecessary, kIt, "Possibilmente un allineamento fine\rulteriore è necessario."},
      {&txAdjustSwitchesS1S2S3, kEs, "Ajustar los conmutadores S1, S2 y S3\rsegún indicado %S. "},
      {&txAdjustSwitchesS1S2S3, kEn, "Adjust the Switches S1, S2 and S3 %S. "},
      // Trailing blanks, and one German text without it.
      {&txDate, kDe, "Datum: "},
      {&txDate, kEn, "Date: "},
      {&txPage, kEs, "Página: "},
      {&txIllustration, kIt, "Figura "},
      {&txDesiredSettingTakesPlace, kDe,
       "Die gewünschte Einstellung erfolgt in $S Schritten. Befolgen Sie die Anweisungen Schritt für Schritt."},
      {&txReady, kEn, "Ready."},
      // Leading line break, umlauts, ±, ´.
      {&txSettingInvalid, kDe, "\r\nDiese Geräteeinstellung ist leider nicht möglich:"},
      {&txPermissibleOffsetHasBeen, kEn,
       "The permissible offset has been exceeded.\r\nMaximum permissible offset is ±125 %."},
      {&txAmplificationRequiredOutRange, kIt, "L´amplificazione richiesta è fuori range."},
      {&txInputSpanTooShort, kIt,
       "Span di ingresso troppo corto.\r\nil range di ingresso è (±)20 mV fino a  (±)200 V o\r\n"
       "(±)0.1 mA fino a  (±)100 mA, rispet."},
      {&txFrqInputTerminals, kEs,
       "Terminal 1: Voltaje de salida aprox. 16V DC @ máx. 15mA\r\nTerminal 2: Entrada PNP\r\n"
       "Terminal 3: Entrada NPN / Namur\r\nTerminal 4: Gnd"},
      {&txRtdTerminals4Wire, kDe,
       "Klemme 1: RTD+ (Source+)\r\nKlemme 2: Sense-\r\nKlemme 3: RTD- (Source-)\r\nKlemme 4: Sense+"},
      {&txLEDLightsUpWhen, kIt,
       "Il LED si accende quando la freq. di ingresso è misurata. La frequenza è stata salvata quando il LED "
       "sta esponendo a flash.Si può scollegare l'alimentazione. "},
      {&txUserTextPrompt, kEs,
       "Aquí puede escribir el texto que usted desee\r\n(48 caracteres, alfanuméricos), Por ejemplo, número\r\n"
       "de serie del módulo:"},
      // Entries given as notes.
      {&txPdfFileFilter, kDe, "Adobe PDF-Dateien (*.pdf)|*.pdf"},
      {&txPdfFileFilter, kIt, "Adobe PDF-Files (*.pdf)|*.pdf"},
      {&txPdfFileFilter, kEs, "Fichero Adobe (*.pdf)|*.pdf"},
      {&txOn, kDe, "\"Ein\""},
      {&txOn, kEs, "\"On\""},
      {&txOff, kDe, "\"Aus\""},
      {&txOff, kEn, "\"Off\""},
      // The Italian error caption is the word for error, not the language's name.
      {&txError, kDe, "Fehler"},
      {&txError, kIt, "Errore"},
      {&txError, kEs, "Error"},
      {&txChooseOperatingModeFirst, kEn, "Choose operating mode first"},
      {&txChooseOperatingModeFirst, kEs, "Primero seleccionar el modo de operación"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Tx(*c.entry, c.language), c.expected) << c.entry->name << " language " << c.language;
  }
}

TEST(Texts, ThreePerLanguageIndexesLanguageTimesThreePlusVariant) {
  EXPECT_EQ(Tx(txPolarityInputPlus, 0, kDe), "1 (+) und 4 (-)");
  EXPECT_EQ(Tx(txPolarityInputPlus, 2, kDe), "3 (+) und 4 (-)");
  EXPECT_EQ(Tx(txPolarityInputPlus, 1, kEn), "2 (+) and 4 (-)");
  EXPECT_EQ(Tx(txPolarityInputMinus, 2, kIt), "4 (+) e 3 (-)");
  EXPECT_EQ(Tx(txPolarityInputMinus, 0, kEs), "4 (+) y 1 (-)");
  EXPECT_EQ(Tx(txOutputVoltage, 0, kIt), "Tensione di uscita voltage:");
  EXPECT_EQ(Tx(txOutputVoltage, 2, kEs), "Corriente de salida:");
  // Variants outside 0..2 are clamped.
  EXPECT_EQ(Tx(txPolarityInputPlus, -1, kEn), "1 (+) and 4 (-)");
  EXPECT_EQ(Tx(txPolarityInputPlus, 3, kEn), "3 (+) and 4 (-)");
}

TEST(Texts, ItemListsIndexItemTimesFourPlusLanguage) {
  EXPECT_EQ(Tx(txRtdTypeList, 3, kEs), "Resistencia / 2 hilos");
  EXPECT_EQ(Tx(txRtdTypeList, 3, kDe), "Widerstand / 2-Leiter");
  EXPECT_EQ(Tx(txRtdTypeList, 7, kEs), "Potenciómetro 100R...100K");
  EXPECT_EQ(Tx(txRtdTypeList, 7, kIt), "Potenziometro 100R..100k");
  EXPECT_EQ(Tx(txThermoTypeList, 0, kIt), "Thermocoppia type K");
  EXPECT_EQ(Tx(txThermoTypeList, 4, kDe), "Thermoelement Typ N");
  EXPECT_EQ(Tx(txThermoTypeList, 7, kEs), "Termopar tipo B");
  EXPECT_EQ(Tx(txThermoTypeList, 7, kEn), "Thermocouple type B");
  EXPECT_EQ(Tx(txOnLower, 0, kDe), "ein");
  EXPECT_EQ(Tx(txOffLower, 1, kDe), "ein");
  EXPECT_EQ(Tx(txResponseList, 1, kEs), "Rápido 1.2s");
  EXPECT_EQ(Tx(txTwoWord, 1, kIt), "tre");
  // Items outside 0..k-1 are clamped.
  EXPECT_EQ(Tx(txRtdTypeList, 8, kEn), "Potentiometer 100R..100k");
  EXPECT_EQ(Tx(txTwoWord, -5, kEn), "two");
}

TEST_F(TextsTest, LookupFollowsTheCurrentLanguage) {
  SetCurrentLanguage(kIt);
  EXPECT_EQ(CurrentLanguage(), kIt);
  EXPECT_EQ(Tx(txError), "Errore");
  EXPECT_EQ(Tx(txPolarityOutputPlus), "5 (+) e 6 (-)");
  EXPECT_EQ(Tx(txPolarityInputPlus, 1), "2 (+) e 4 (-)");
  EXPECT_EQ(Tx(txTwoWord, 0), "due");
  EXPECT_EQ(Tx(txMakerWebAddress), "www.zantrel.example");
  SetCurrentLanguage(kEs);
  EXPECT_EQ(Tx(txRtdTypeList, 3), "Resistencia / 2 hilos");
  EXPECT_EQ(Tx(txOutputVoltage, 0), "Tensión de salida:");
}

TEST_F(TextsTest, LanguageOutsideRangeFallsBackToGerman) {
  for (int bad : {7, 4, -1, -2147483647 - 1, 2147483647}) {
    SetCurrentLanguage(kEn);
    SetCurrentLanguage(bad);
    EXPECT_EQ(CurrentLanguage(), kDe) << bad;
    EXPECT_EQ(Tx(txError), "Fehler") << bad;
    EXPECT_EQ(Tx(txPolarityInputPlus, 2), "3 (+) und 4 (-)") << bad;
    EXPECT_EQ(Tx(txRtdTypeList, 3), "Widerstand / 2-Leiter") << bad;
    // An explicit language out of range as well.
    EXPECT_EQ(Tx(txSave, bad), "&Speichern...") << bad;
    EXPECT_EQ(Tx(txOutputVoltage, 1, bad), "Ausgangsstrom:") << bad;
    EXPECT_EQ(Tx(txTwoWord, 1, bad), "drei") << bad;
  }
}

TEST(Texts, LanguageFromCode) {
  EXPECT_EQ(LanguageFromCode("de"), kDe);
  EXPECT_EQ(LanguageFromCode("en"), kEn);
  EXPECT_EQ(LanguageFromCode("it"), kIt);
  EXPECT_EQ(LanguageFromCode("es"), kEs);
  EXPECT_EQ(LanguageFromCode("ES"), kEs);
  for (std::string_view bad : {"", "fr", "e", "eng", "de "}) EXPECT_EQ(LanguageFromCode(bad), -1) << bad;
}

TEST(Texts, ReplaceAllIgnoresAsciiCaseAndReplacesEveryOccurrence) {
  struct Case {
    std::string_view text, placeholder, with, expected;
  };
  const Case cases[] = {
      {"Apply %I to $I, %I again", "%I", "7 V", "Apply 7 V to $I, 7 V again"},
      {"Apply %i and %I", "%I", "x", "Apply x and x"},
      {"terminals $O.", "$o", "5 (+) and 6 (-)", "terminals 5 (+) and 6 (-)."},
      {"%I%I%I", "%I", "ab", "ababab"},
      {"%I", "%I", "%I%I", "%I%I"},  // the replacement is not scanned again
      {"no placeholder", "%I", "x", "no placeholder"},
      {"%", "%I", "x", "%"},
      {"keep", "", "x", "keep"},
      {"Äpfel äpfel", "ä", "a", "Äpfel apfel"},  // only ASCII letters fold
      {"", "%I", "x", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplaceAll(c.text, c.placeholder, c.with), c.expected) << c.text << " / " << c.placeholder;
  }
}

TEST(Texts, ItalianStepNoteReadsAsTheScreenShowsIt) {
  EXPECT_EQ(ReplaceAll(Tx(txDesiredSettingTakesPlace, kIt), "$S", Tx(txTwoWord, 0, kIt)),
            "La configurazione desiderata richiede due step. Seguire le istruzioni. ");
}

TEST(Texts, PlaceholdersSurviveInEveryLanguage) {
  struct Case {
    const PerLanguage* entry;
    std::vector<std::string_view> placeholders;
  };
  const Case cases[] = {
      {&txZeroAdjustInstruction, {"%I", "%O", "$I", "$O"}},
      {&txSpanAdjustInstruction, {"%I", "%O", "$I", "$O"}},
      {&txTerminalsInOut, {"$I", "$O"}},
      {&txTerminalsOutput, {"$K", "$P", "$O"}},
      {&txOutputGnd, {"$O"}},
      {&txThermoTerminals, {"$T"}},
      {&txDesiredSettingTakesPlace, {"$S"}},
      {&txAdjustSwitchesS1S2, {"%S"}},
      {&txAdjustSwitchesS1S2S3, {"%S"}},
      {&txShownIllustration, {"%A"}},
      {&txPotentiometerName, {"$P"}},
      {&txBankSwitchOne, {"$B", "$K"}},
      {&txBankSwitchRange, {"$B", "$K", "$L"}},
      {&txBankSwitchPair, {"$B", "$K", "$L"}},
      {&txGiveNoValue, {"$S", "$Q"}},
      {&txDoNotFit, {"$S", "$V"}},
      {&txNotOfferedForType, {"$S", "$V", "$T"}},
      {&txAboveHighest, {"$S", "$V", "$T", "$H"}},
      {&txRangeNeedsSpan, {"$S", "$V"}},
      {&txLiveZeroOffset, {"$S", "$V"}},
      {&txMustBeOff, {"$S", "$V"}},
      {&txOtherSwitchesForValue, {"$S", "$V", "$C"}},
      {&txStepOfSteps, {"$N", "$M"}},
      {&txTwoStepBanks, {"$N"}},
      {&txSetLeverTo, {"$S", "$V"}},
      {&txThenTrim, {"$P"}},
      {&txSwitchesShow, {"$V"}},
      {&txOtherAdmissible, {"$V"}},
  };
  for (const auto& c : cases) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
      for (std::string_view p : c.placeholders) {
        EXPECT_NE(Tx(*c.entry, lang).find(p), std::string_view::npos) << c.entry->name << " " << lang << " " << p;
      }
    }
  }
}

TEST(Texts, EveryEntryIsListedOnceWithWellFormedTexts) {
  std::set<std::string_view> names;
  for (const Entry& e : AllEntries()) {
    EXPECT_TRUE(names.insert(e.name).second) << "listed twice: " << e.name;
    EXPECT_TRUE(e.name.starts_with("tx")) << e.name;
    for (int lang = 0; lang < kLanguageCount; ++lang) {
      const auto texts = EntryTexts(e, lang);
      ASSERT_EQ(texts.size(), e.count) << e.name;
      for (std::string_view t : texts) {
        EXPECT_FALSE(t.empty()) << e.name << " " << lang;
        // Line feeds only as part of CR LF; no escape sequence left over as text.
        for (std::size_t i = 0; i < t.size(); ++i) {
          if (t[i] == '\n') {
            EXPECT_TRUE(i > 0 && t[i - 1] == '\r') << e.name << " " << lang;
          }
        }
        EXPECT_EQ(t.find('\\'), std::string_view::npos) << e.name << " " << lang;
      }
    }
  }
  // The 105 entries of the screens and documents, the 26 of reading a device and the 5 of
  // the desktop program's read mode.
  EXPECT_EQ(names.size(), 105u + 26u + 5u);
  EXPECT_TRUE(names.contains("txChooseOperatingModeFirst"));
  EXPECT_TRUE(names.contains("txMakerAddressLines"));
  EXPECT_TRUE(names.contains("txIllustration"));
}

TEST(Texts, EntryViewIndexesLikeTx) {
  auto find = [](std::string_view name) -> const Entry& {
    for (const Entry& e : AllEntries()) {
      if (e.name == name) return e;
    }
    throw std::out_of_range(std::string(name));
  };
  EXPECT_EQ(EntryText(find("txPolarityInputMinus"), 2, kIt), Tx(txPolarityInputMinus, 2, kIt));
  EXPECT_EQ(EntryText(find("txRtdTypeList"), 3, kEs), Tx(txRtdTypeList, 3, kEs));
  EXPECT_EQ(EntryText(find("txRtdTypeList"), 9, kEs), Tx(txRtdTypeList, 7, kEs));
  EXPECT_EQ(EntryText(find("txMakerWebAddress"), 0, kIt), Tx(txMakerWebAddress));
  EXPECT_EQ(EntryText(find("txSave"), 0, 9), "&Speichern...");
  EXPECT_EQ(EntryTexts(find("txOutputVoltage"), kEn),
            (std::vector<std::string_view>{"Output voltage:", "Output current:", "Output current:"}));
}

TEST(Texts, MakerAddressLinesMatchTheAddressBlock) {
  // The documents print a line up to each "|"; the information dialog shows the block.
  std::string_view lines = Tx(txMakerAddressLines);
  ASSERT_TRUE(lines.ends_with('|'));
  std::string joined;
  int count = 0;
  for (std::size_t bar; (bar = lines.find('|')) != std::string_view::npos; lines.remove_prefix(bar + 1)) {
    if (count++ > 0) joined += "\r\n";
    joined += lines.substr(0, bar);
  }
  EXPECT_EQ(count, 5);
  for (int lang = 0; lang < kLanguageCount; ++lang) EXPECT_EQ(Tx(txMakerAddressBlock, lang), joined) << lang;
  EXPECT_TRUE(Tx(txMakerWebAddress).ends_with(".example"));
}

TEST(Texts, ContentsHelpIsCompleteInEveryLanguage) {
  // Seven dashed steps and a closing line in every language, like the English text.
  for (int lang = 0; lang < kLanguageCount; ++lang) {
    const std::string_view help = Tx(txContentsHelp, lang);
    std::size_t steps = 0;
    for (std::size_t at = 0; (at = help.find("-  ", at)) != std::string_view::npos; at += 3) ++steps;
    EXPECT_EQ(steps, 7u) << lang;
    EXPECT_TRUE(help.ends_with(".")) << lang;
    EXPECT_NE(help.find("(ZERO)"), std::string_view::npos) << lang;
    EXPECT_NE(help.find("(SPAN)"), std::string_view::npos) << lang;
  }
  EXPECT_TRUE(
      Tx(txContentsHelp, kEn).ends_with("\r\n\r\n   For further questions please contact your distributor."));
  EXPECT_NE(Tx(txContentsHelp, kIt).find("come mostrato in figura.\r\n"), std::string_view::npos);
}
