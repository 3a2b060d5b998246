// The text tables. Language order in every entry: German, English, Italian, Spanish.
// Texts are UTF-8; "\r\n" and lone "\r" line breaks, trailing blanks and "&" accelerators
// belong to the texts.
#include "texts/texts.h"
#include "texts/texts_reading.h"

namespace setrix::texts {

constinit const PerLanguage txProgramSubtitle{"txProgramSubtitle", {
    /* de */ "Die Software zur einfachen\r\n"
             "Parametrierung der",
    /* en */ "The software for easy\r\n"
             "configuration of the",
    /* it */ "Il software per una semplice\r\n"
             "configurazione di",
    /* es */ "El software para configurar\r\n"
             "fácilmente el"
}};

constinit const PerLanguage txFile{"txFile", {
    /* de */ "&Datei",
    /* en */ "&File",
    /* it */ "&File",
    /* es */ "&Archivo"
}};

constinit const PerLanguage txSaveDocumentation{"txSaveDocumentation", {
    /* de */ "Dokumentation speichern unter",
    /* en */ "Save Documentation as",
    /* it */ "Salva con nome...",
    /* es */ "Guardar como..."
}};

constinit const PerLanguage txPdfFileFilter{"txPdfFileFilter", {
    /* de */ "Adobe PDF-Dateien (*.pdf)|*.pdf",
    /* en */ "Adobe PDF-Files (*.pdf)|*.pdf",
    /* it */ "Adobe PDF-Files (*.pdf)|*.pdf",
    /* es */ "Fichero Adobe (*.pdf)|*.pdf"
}};

constinit const PerLanguage txSave{"txSave", {
    /* de */ "&Speichern...",
    /* en */ "&Save...",
    /* it */ "&Salva...",
    /* es */ "&Guardar..."
}};

constinit const PerLanguage txPrint{"txPrint", {
    /* de */ "&Drucken...",
    /* en */ "&Print...",
    /* it */ "S&tampa...",
    /* es */ "&Imprimir..."
}};

constinit const PerLanguage txExit{"txExit", {
    /* de */ "&Beenden",
    /* en */ "&Exit",
    /* it */ "&Esci",
    /* es */ "&Salir"
}};

constinit const PerLanguage txLanguage{"txLanguage", {
    /* de */ "&Sprache",
    /* en */ "&Language",
    /* it */ "&Lingua",
    /* es */ "&Idioma"
}};

constinit const PerLanguage txProduct{"txProduct", {
    /* de */ "&Produkt",
    /* en */ "&Product",
    /* it */ "&Prodotto",
    /* es */ "&Producto"
}};

constinit const PerLanguage txHelp{"txHelp", {
    /* de */ "&Hilfe",
    /* en */ "&Help",
    /* it */ "&Aiuto",
    /* es */ "&Ayuda"
}};

constinit const PerLanguage txContents{"txContents", {
    /* de */ "&Inhalt...",
    /* en */ "&Contents...",
    /* it */ "&Contenuto",
    /* es */ "&Contenido"
}};

constinit const PerLanguage txScreenLanguageSelect{"txScreenLanguageSelect", {
    /* de */ "Screen &Sprachauswahl",
    /* en */ "Screen &Language select",
    /* it */ "Screen &selezione lingua",
    /* es */ "Screen &Selección idioma"
}};

constinit const PerLanguage txScreenProductSelect{"txScreenProductSelect", {
    /* de */ "Screen &Produktauswahl",
    /* en */ "Screen &Product select",
    /* it */ "Screen &selezione prodotto",
    /* es */ "Screen &Selección producto"
}};

constinit const PerLanguage txScreenResultsDC{"txScreenResultsDC", {
    /* de */ "Screen &Ergebnisse DC",
    /* en */ "Screen &Results DC",
    /* it */ "Screen &risultato DC",
    /* es */ "Screen &Resultado DC"
}};

constinit const PerLanguage txScreenDataEvaluationDC{"txScreenDataEvaluationDC", {
    /* de */ "Screen &Auswertung DC",
    /* en */ "Screen &Data evaluation DC",
    /* it */ "Screen &valutazione dati DC",
    /* es */ "Screen &Evaluación datos DC"
}};

constinit const PerLanguage txFurtherFineAdjustmentNecessary{"txFurtherFineAdjustmentNecessary", {
    /* de */ "Eventuell ist ein weiterer Feinabgleich nötig.",
    /* en */ "A further fine adjustment could be necessary.",
    /* it */ "Possibilmente un allineamento fine\rulteriore è necessario.",
    /* es */ "Otro ajuste fino podía ser necesario."
}};

constinit const PerLanguage txFilter{"txFilter", {
    /* de */ "Filter",
    /* en */ "Filter",
    /* it */ "Filtro",
    /* es */ "Filtro"
}};

constinit const PerLanguage txOn{"txOn", {
    /* de */ "\"Ein\"",
    /* en */ "\"On\"",
    /* it */ "\"On\"",
    /* es */ "\"On\""
}};

constinit const PerLanguage txOff{"txOff", {
    /* de */ "\"Aus\"",
    /* en */ "\"Off\"",
    /* it */ "\"Off\"",
    /* es */ "\"Off\""
}};

constinit const PerLanguage txChooseProduct{"txChooseProduct", {
    /* de */ "wählen Sie das zu konfiguriende Produkt:",
    /* en */ "choose your product:",
    /* it */ "seleziona il prodotto:",
    /* es */ "Elija su producto:"
}};

constinit const PerLanguage txSignalIsolator{"txSignalIsolator", {
    /* de */ "für Signaltrennwandler",
    /* en */ "for signal isolator",
    /* it */ "per isolatore segnale",
    /* es */ "para convertidores analógicos"
}};

constinit const PerLanguage txInput{"txInput", {
    /* de */ "Eingang",
    /* en */ "Input",
    /* it */ "Ingresso",
    /* es */ "Entrada"
}};

constinit const PerLanguage txOutput{"txOutput", {
    /* de */ "Ausgang",
    /* en */ "Output",
    /* it */ "Uscita",
    /* es */ "Salida"
}};

constinit const PerLanguage txStartValue{"txStartValue", {
    /* de */ "Anfangswert",
    /* en */ "Start value",
    /* it */ "Valore minimo",
    /* es */ "Valor inicial"
}};

constinit const PerLanguage txEndValue{"txEndValue", {
    /* de */ "Endwert",
    /* en */ "End value",
    /* it */ "Valore massimo",
    /* es */ "Valor final"
}};

constinit const PerLanguage txSettings{"txSettings", {
    /* de */ "Einstellungen",
    /* en */ "Settings",
    /* it */ "Settings",
    /* es */ "Configuración"
}};

constinit const PerLanguage txFineCalibration{"txFineCalibration", {
    /* de */ "Man. Feinabgleich:",
    /* en */ "Fine calibration:",
    /* it */ "Calibrazione fine:",
    /* es */ "Calibración fina:"
}};

constinit const PerLanguage txAdjustSwitches{"txAdjustSwitches", {
    /* de */ "Schalter einstellen",
    /* en */ "Adjust switches",
    /* it */ "Posizione switch",
    /* es */ "Ajuste mediante interruptores"
}};

constinit const PerLanguage txBandwidth{"txBandwidth", {
    /* de */ "Grenzfrequenz",
    /* en */ "Bandwidth",
    /* it */ "Banda passante",
    /* es */ "Ancho de Banda"
}};

constinit const PerLanguage txCalculateSettings{"txCalculateSettings", {
    /* de */ "&Einstellungen berechnen",
    /* en */ "&Calculate settings",
    /* it */ "&Calcolo configurazioni",
    /* es */ "&Calcular configuración"
}};

constinit const ThreePerLanguage txPolarityInputPlus{"txPolarityInputPlus", {
    /* de 0 */ "1 (+) und 4 (-)",
    /* de 1 */ "2 (+) und 4 (-)",
    /* de 2 */ "3 (+) und 4 (-)",
    /* en 0 */ "1 (+) and 4 (-)",
    /* en 1 */ "2 (+) and 4 (-)",
    /* en 2 */ "3 (+) and 4 (-)",
    /* it 0 */ "1 (+) e 4 (-)",
    /* it 1 */ "2 (+) e 4 (-)",
    /* it 2 */ "3 (+) e 4 (-)",
    /* es 0 */ "1 (+) y 4 (-)",
    /* es 1 */ "2 (+) y 4 (-)",
    /* es 2 */ "3 (+) y 4 (-)"
}};

constinit const ThreePerLanguage txPolarityInputMinus{"txPolarityInputMinus", {
    /* de 0 */ "4 (+) und 1 (-)",
    /* de 1 */ "4 (+) und 2 (-)",
    /* de 2 */ "4 (+) und 3 (-)",
    /* en 0 */ "4 (+) and 1 (-)",
    /* en 1 */ "4 (+) and 2 (-)",
    /* en 2 */ "4 (+) and 3 (-)",
    /* it 0 */ "4 (+) e 1 (-)",
    /* it 1 */ "4 (+) e 2 (-)",
    /* it 2 */ "4 (+) e 3 (-)",
    /* es 0 */ "4 (+) y 1 (-)",
    /* es 1 */ "4 (+) y 2 (-)",
    /* es 2 */ "4 (+) y 3 (-)"
}};

constinit const PerLanguage txPolarityOutputPlus{"txPolarityOutputPlus", {
    /* de */ "5 (+) und 6 (-)",
    /* en */ "5 (+) and 6 (-)",
    /* it */ "5 (+) e 6 (-)",
    /* es */ "5 (+) y 6 (-)"
}};

constinit const PerLanguage txPolarityOutputMinus{"txPolarityOutputMinus", {
    /* de */ "6 (+) und 5 (-)",
    /* en */ "6 (+) and 5 (-)",
    /* it */ "6 (+) e 5 (-)",
    /* es */ "6 (+) y 5 (-)"
}};

constinit const PerLanguage txTerminalsInOut{"txTerminalsInOut", {
    /* de */ "Klemme $I : Eingang\r\n"
             "Klemme $O : Ausgang",
    /* en */ "Terminal $I : Input\r\n"
             "Terminal $O : Output",
    /* it */ "Polo $I : Ingresso\r\n"
             "Polo $O : Uscita",
    /* es */ "Terminal $I : Entrada\r\n"
             "Terminal $O : Salida"
}};

constinit const PerLanguage txZeroAdjustInstruction{"txZeroAdjustInstruction", {
    /* de */ "Legen Sie %I an die Klemmen $I\r\n"
             "und drehen Sie das ZERO-Poti, bis an den\r\n"
             "Klemmen $O %O gemessen werden.",
    /* en */ "Apply %I to the terminals $I.\r\n"
             "Adjust ZERO pot until %O are measured\r\n"
             "across the terminals $O.",
    /* it */ "Applicare %I al polo $I.\r\n"
             "Regolare il potenziometro ZERO finchè\r\n"
             "sono misurati %O attraverso i poli $O.",
    /* es */ "Aplicar %I a los terminales $I.\r\n"
             "Ajustar el potenciómetro ZERO hasta que mida %O\r\n"
             "entre los terminales $O."
}};

constinit const PerLanguage txSpanAdjustInstruction{"txSpanAdjustInstruction", {
    /* de */ "Legen Sie %I an die Klemmen $I\r\n"
             "und drehen Sie das SPAN-Poti, bis an den\r\n"
             "Klemmen $O %O gemessen werden.",
    /* en */ "Apply %I to the terminals $I.\r\n"
             "Adjust SPAN pot until %O are measured\r\n"
             "across the terminals $O.",
    /* it */ "Applicare %I al polo $I.\r\n"
             "Regolare il potenziometro SPAN finchè\r\n"
             "sono misurati %O attraverso i poli $O.",
    /* es */ "Aplicar %I a los terminales $I.\r\n"
             "Ajustar el potenciómetro SPAN hasta que mida %O\r\n"
             "entre los terminales $O."
}};

constinit const PerLanguage txTerminalsPowerWide{"txTerminalsPowerWide", {
    /* de */ "Klemmen 7 und 8: Hilfsenergie 20 .. 253 V AC/DC",
    /* en */ "Terminals 7 and 8: Power supply 20 .. 253 V AC/DC",
    /* it */ "Poli 7 e 8: Alimentazione 20 .. 253 V AC/DC",
    /* es */ "Terminales 7 y 8: Alimentación 20 .. 253 V AC/DC"
}};

constinit const PerLanguage txTerminalsPower10{"txTerminalsPower10", {
    /* de */ "Klemme 10: Hilfsenergie +18 .. 30 V DC\r\n"
             "Klemme 11: Masse",
    /* en */ "Terminal 10: Power supply +18 .. 30 V DC\r\n"
             "Terminal 11: Gnd",
    /* it */ "Polo 10: Alimentazione +18 .. 30 V DC\r\n"
             "Polo 11: Gnd",
    /* es */ "Terminal 10: Alimentación +18 .. 30 V DC\r\n"
             "Terminal 11: Gnd"
}};

constinit const PerLanguage txThermoTerminals{"txThermoTerminals", {
    /* de */ "Klemme 1: $T; Positver Schenkel\r\n"
             "Klemme 3: $T; Negativer Schenkel",
    /* en */ "Terminal 1: $T; positive branch\r\n"
             "Terminal 3: $T; negative branch",
    /* it */ "Polo 1: $T; polo positivo\r\n"
             "Polo 3: $T; polo negativo",
    /* es */ "Terminal 1: $T; positivo\r\n"
             "Terminal 3: $T; negativo"
}};

constinit const PerLanguage txTerminalsOutput{"txTerminalsOutput", {
    /* de */ "Klemme $K: Ausgang $O\r\n"
             "Klemme $P: Masse",
    /* en */ "Terminal $K: Output $O\r\n"
             "Terminal $P: Gnd",
    /* it */ "Polo $K: Uscita $O\r\n"
             "Polo $P: Gnd",
    /* es */ "Terminal $K: Salida $O\r\n"
             "Terminal $P: Gnd"
}};

constinit const PerLanguage txRtdTerminals4Wire{"txRtdTerminals4Wire", {
    /* de */ "Klemme 1: RTD+ (Source+)\r\n"
             "Klemme 2: Sense-\r\n"
             "Klemme 3: RTD- (Source-)\r\n"
             "Klemme 4: Sense+",
    /* en */ "Terminal 1: RTD+ (Source+)\r\n"
             "Terminal 2: Sense-\r\n"
             "Terminal 3: RTD- (Source-)\r\n"
             "Terminal 4: Sense+",
    /* it */ "Polo 1: RTD+ (Source+)\r\n"
             "Polo 2: Sense-\r\n"
             "Polo 3: RTD- (Source-)\r\n"
             "Polo 4: Sense+",
    /* es */ "Terminal 1: RTD+ (Source+)\r\n"
             "Terminal 2: Sense-\r\n"
             "Terminal 3: RTD- (Source-)\r\n"
             "Terminal 4: Sense+"
}};

constinit const PerLanguage txRtdTerminals3Wire{"txRtdTerminals3Wire", {
    /* de */ "Klemme 1: RTD+ (Source+)\r\n"
             "Klemme 2: Sense-\r\n"
             "Klemme 3: RTD- (Source-)",
    /* en */ "Terminal 1: RTD+ (Source+)\r\n"
             "Terminal 2: Sense-\r\n"
             "Terminal 3: RTD- (Source-)",
    /* it */ "Polo 1: RTD+ (Source+)\r\n"
             "Polo 2: Sense-\r\n"
             "Polo 3: RTD- (Source-)",
    /* es */ "Terminal 1: RTD+ (Source+)\r\n"
             "Terminal 2: Sense-\r\n"
             "Terminal 3: RTD- (Source-)"
}};

constinit const PerLanguage txRtdTerminals2Wire{"txRtdTerminals2Wire", {
    /* de */ "Klemme 1: RTD+\r\n"
             "Klemme 3: RTD-",
    /* en */ "Terminal 1: RTD+\r\n"
             "Terminal 3: RTD-",
    /* it */ "Polo 1: RTD+\r\n"
             "Polo 3: RTD-",
    /* es */ "Terminal 1: RTD+\r\n"
             "Terminal 3: RTD-"
}};

constinit const PerLanguage txResistorTerminals{"txResistorTerminals", {
    /* de */ "Klemme 1: Widerstand+ (RTD+)\r\n"
             "Klemme 3: Widerstand- (RTD-)",
    /* en */ "Terminal 1: Resistor+ (RTD+)\r\n"
             "Terminal 3: Resistor- (RTD-)",
    /* it */ "Polo 1: Resistor+ (RTD+)\r\n"
             "Polo 3: Resistor- (RTD-)",
    /* es */ "Terminal 1: Resistencia+ (RTD+)\r\n"
             "Terminal 3: Resistencia- (RTD-)"
}};

constinit const PerLanguage txPotentiometerTerminals{"txPotentiometerTerminals", {
    /* de */ "Klemme 1: Potentiometer+ (RTD+)\r\n"
             "Klemme 2: Schleiferabgriff (Sense-)\r\n"
             "Klemme 3: Potentiometer- (RTD-)",
    /* en */ "Terminal 1: Potentiometer+ (RTD+)\r\n"
             "Terminal 2: Wiper (Sense-)\r\n"
             "Terminal 3: Potentiometer- (RTD-)",
    /* it */ "Polo 1: Potentiometro+ (RTD+)\r\n"
             "Polo 2: Wiper (Sense-)\r\n"
             "Polo 3: Potentiometro- (RTD-)",
    /* es */ "Terminal 1: Potenciómetro+ (RTD+)\r\n"
             "Terminal 2: Cursor (Sense-)\r\n"
             "Terminal 3: Potenciómetro- (RTD-)"
}};

constinit const PerLanguage txError{"txError", {
    /* de */ "Fehler",
    /* en */ "Error",
    /* it */ "Errore",
    /* es */ "Error"
}};

constinit const PerLanguage txIncompleteIllegalInput{"txIncompleteIllegalInput", {
    /* de */ "Eingabe unvollständig bzw. unzulässig",
    /* en */ "Incomplete or illegal input",
    /* it */ "Incompleto o illegale entrata",
    /* es */ "Disculpe, esta configuración es incorrecta"
}};

constinit const PerLanguage txSettingInvalid{"txSettingInvalid", {
    /* de */ "\r\n"
             "Diese Geräteeinstellung ist leider nicht möglich:",
    /* en */ "\r\n"
             "Sorry, this setting is invalid:",
    /* it */ "\r\n"
             "Attenzione, questa impostazione non è consentita:",
    /* es */ "\r\n"
             "Disculpe, esta configuración es incorrecta:"
}};

constinit const PerLanguage txAmplificationRequiredOutRange{"txAmplificationRequiredOutRange", {
    /* de */ "Die erforderliche Verstärkung liegt außerhalb des\r\n"
             "zulässigen Bereiches.",
    /* en */ "The amplification required is out of range.",
    /* it */ "L´amplificazione richiesta è fuori range.",
    /* es */ "La amplificación requerida está fuera de rango."
}};

constinit const PerLanguage txPermissibleOffsetHasBeen{"txPermissibleOffsetHasBeen", {
    /* de */ "Die zulässige Nullpunktverschiebung\r\n"
             "wurde überschritten. Die maximal mögliche\r\n"
             "Nullpunktverschiebung beträgt ±125 %.",
    /* en */ "The permissible offset has been exceeded.\r\n"
             "Maximum permissible offset is ±125 %.",
    /* it */ "Gli offset consentiti sono stati superati.\r\n"
             "L´offset massimo consentito è ±125 %.",
    /* es */ "El offset máximo ha sido superado.\r\n"
             "Offset máximo permitido es ±125 %."
}};

constinit const PerLanguage txInputSpanTooShort{"txInputSpanTooShort", {
    /* de */ "Die zulässige Eingangsspanne wurde unterschritten.\r\n"
             "Der Eingangsbereich ist (±)20 mV bis (±)200 V bzw.\r\n"
             "(±)0,1 mA bis (±)100 mA.",
    /* en */ "Input span too short.\r\n"
             "Input range is (±)20 mV to (±)200 V or\r\n"
             "(±)0.1 mA to (±)100 mA, resp.",
    /* it */ "Span di ingresso troppo corto.\r\n"
             "il range di ingresso è (±)20 mV fino a  (±)200 V o\r\n"
             "(±)0.1 mA fino a  (±)100 mA, rispet.",
    /* es */ "El margen de entrada es demasiado pequeño.\r\n"
             "El margen de entrada es de (±)20mV a (±)200V o\r\n"
             "(±)0.1 mA a (±)100 mA, respectivamente."
}};

constinit const PerLanguage txInputRangeTooLarge{"txInputRangeTooLarge", {
    /* de */ "Der zulässige Eingangsbereich wurde überschritten.\r\n"
             "Der maximale Eingangswert ist (±)200 V bzw.\r\n"
             "(±)100 mA.",
    /* en */ "Input range too large.\r\n"
             "Max. input value is (±)200 V or\r\n"
             "(±)100 mA, resp.",
    /* it */ "Range di ingresso troppo ampio.\r\n"
             "Il max valore di ingresso è (±)200 V o\r\n"
             "(±)100 mA, rispet.",
    /* es */ "El margen de entrada es demasiado grande.\r\n"
             "El máximo valor de entrada es (±)200 V o\r\n"
             "(±)100 mA respectivamente."
}};

constinit const PerLanguage txOutputSpanTooShort{"txOutputSpanTooShort", {
    /* de */ "Die zulässige Ausgangsspanne wurde unterschritten.",
    /* en */ "Output span too short.",
    /* it */ "Span di uscita troppo corto.",
    /* es */ "El margen de salida es demasiado pequeño."
}};

constinit const PerLanguage txOutputRangeTooLarge{"txOutputRangeTooLarge", {
    /* de */ "Der zulässige Ausgangsbereich wurde überschritten.\r\n"
             "Der maximale Ausgangswert ist (±)10 V bzw. (±)20 mA.",
    /* en */ "Output range too large.\r\n"
             "Maximum output value is (±)10 V or (±)20 mA.",
    /* it */ "Range di uscita troppo ampio.\r\n"
             "Il massimo valore di uscita è (±)10 V o (±)20 mA.",
    /* es */ "El margen de salida es demasiado grande.\r\n"
             "El máximo valor de salida es (±)10 V o (±) 20 mA."
}};

constinit const PerLanguage txMakerAddressBlock{"txMakerAddressBlock", {
    /* de */ "Zantrel GmbH\r\n"
             "Am Messfeld 7\r\n"
             "D-99999 Feldbrunn\r\n"
             "Tel. +49 (0)123 4567-0\r\n"
             "Fax +49 (0)123 4567-99",
    /* en */ "Zantrel GmbH\r\n"
             "Am Messfeld 7\r\n"
             "D-99999 Feldbrunn\r\n"
             "Tel. +49 (0)123 4567-0\r\n"
             "Fax +49 (0)123 4567-99",
    /* it */ "Zantrel GmbH\r\n"
             "Am Messfeld 7\r\n"
             "D-99999 Feldbrunn\r\n"
             "Tel. +49 (0)123 4567-0\r\n"
             "Fax +49 (0)123 4567-99",
    /* es */ "Zantrel GmbH\r\n"
             "Am Messfeld 7\r\n"
             "D-99999 Feldbrunn\r\n"
             "Tel. +49 (0)123 4567-0\r\n"
             "Fax +49 (0)123 4567-99"
}};

constinit const Single txMakerAddressLines{"txMakerAddressLines", "Zantrel GmbH|Am Messfeld 7|D-99999 Feldbrunn|Tel. +49 (0)123 4567-0|Fax +49 (0)123 4567-99|"};

constinit const PerLanguage txContentsTitle{"txContentsTitle", {
    /* de */ "Inhalt",
    /* en */ "Contents",
    /* it */ "Contenuto",
    /* es */ "Contenido"
}};

constinit const PerLanguage txContentsHelp{"txContentsHelp", {
    /* de */ "-  Anfangs- und Endwerte für Eingangs- und Ausgangsbereich eingeben.\r\n"
             "-  Einheiten der Meßbereiche für Eingang und Ausgang festlegen.\r\n"
             "-  Gewünschte Eingaben durch Betätigen der Schalt-\r\n"
             "   fläche \"Einstellungen berechnen\" abschließen (gilt nur für DC).\r\n"
             "\r\n"
             "-  Drucken oder Speichern der erzeugten Dokumentation.\r\n"
             "\r\n"
             "-  Gerät gemäß den beschriebenen Einstellungen parametrieren.\r\n"
             "-  Einstellen der DIP-Schalter wie in der Abbildung dargestellt.\r\n"
             "-  Nullpunkt (ZERO) und Verstärkung (SPAN) bei Bedarf abgleichen.\r\n"
             "\r\n"
             "   Bei weiteren Fragen wenden Sie sich bitte an Ihren Händler.",
    /* en */ "-  Enter start and end values for both input and output.\r\n"
             "-  Select measuring range for both input and output.\r\n"
             "-  Conclude entries by clicking the \"Calculate settings\" button\r\n"
             "   (only for DC).\r\n"
             "\r\n"
             "-  Print or save the generated documentation.\r\n"
             "-  Configure unit following the procedure described.\r\n"
             "-  Set DIP switches as shown in the picture.\r\n"
             "-  Adjust zero point (ZERO) and amplification (SPAN) when needed.\r\n"
             "\r\n"
             "   For further questions please contact your distributor.",
    /* it */ "-  Immettere il valore massimo e minimo sia di ingresso che di uscita.\r\n"
             "-  Selezionare il range di misurasia per ingresos che per uscita.\r\n"
             "-  Concludere l´imputazione cliccando sul pulsante \"Calcolo configurazioni\"\r\n"
             "   (solo per DC).\r\n"
             "\r\n"
             "-  Stampa p salva il documento generato.\r\n"
             "-  procedere alla configurazione come descritto nel documento generato.\r\n"
             "-  Settare i DIP switches come mostrato in figura.\r\n"
             "-  Regolare lo zero (ZERO) e l´amplificazione (SPAN) se necessario.\r\n"
             "\r\n"
             "   Per ulteriori domande contattare il vostro distributore.",
    /* es */ "-  Introduzca los valores iniciales y finales de entrada y de salida.\r\n"
             "-  Seleccione el rango para la entrada y la salida.\r\n"
             "-  Concluya la entrada de datos pulsando \"Calcular configuración\"\r\n"
             "   (sólo para DC).\r\n"
             "\r\n"
             "-  Imprima o guarde la documentación generada.\r\n"
             "-  Configure el módulo siguiendo el procedimiento descrito.\r\n"
             "-  Fije los interruptores como se muestra en la figura.\r\n"
             "-  Ajuste el valor mínimo (ZERO) y la amplificación (SPAN) si es necesario.\r\n"
             "\r\n"
             "   Para más consultas, póngase en contacto con su distribuidor."
}};

constinit const PerLanguage txNote{"txNote", {
    /* de */ "Notiz:",
    /* en */ "Note:",
    /* it */ "Nota:",
    /* es */ "Nota:"
}};

constinit const PerLanguage txUserTextPrompt{"txUserTextPrompt", {
    /* de */ "Hier können Sie eine beliebige Notiz (48 Stellen, alphanumerisch)\r\n"
             "eingeben, z.B. die Artikel- oder Seriennummer des Gerätes:",
    /* en */ "Here you can enter any text you like\r\n"
             "(48 characters, alphanumeric), e.g. serial number of device:",
    /* it */ "Qui si può inserire un testo (48 caratteri alfanumerici),\r\n"
             "e.g. numero di serie del dispositivo:",
    /* es */ "Aquí puede escribir el texto que usted desee\r\n"
             "(48 caracteres, alfanuméricos), Por ejemplo, número\r\n"
             "de serie del módulo:"
}};

constinit const PerLanguage txDate{"txDate", {
    /* de */ "Datum: ",
    /* en */ "Date: ",
    /* it */ "Data: ",
    /* es */ "Fecha: "
}};

constinit const Single txMakerWebAddress{"txMakerWebAddress", "www.zantrel.example"};

constinit const Items<8> txRtdTypeList{"txRtdTypeList", {
    /* 0 de */ "PT100 / 2-Leiter",
    /* 0 en */ "PT100 / 2-wire",
    /* 0 it */ "PT100 / 2-wire",
    /* 0 es */ "PT100 / 2 hilos",
    /* 1 de */ "PT100 / 3-Leiter",
    /* 1 en */ "PT100 / 3-wire",
    /* 1 it */ "PT100 / 3-wire",
    /* 1 es */ "PT100 / 3 hilos",
    /* 2 de */ "PT100 / 4-Leiter",
    /* 2 en */ "PT100 / 4-wire",
    /* 2 it */ "PT100 / 4-wire",
    /* 2 es */ "PT100 / 4 hilos",
    /* 3 de */ "Widerstand / 2-Leiter",
    /* 3 en */ "Resistor / 2-wire",
    /* 3 it */ "Resistor / 2-wire",
    /* 3 es */ "Resistencia / 2 hilos",
    /* 4 de */ "NI100 / 2-Leiter",
    /* 4 en */ "NI100 / 2-wire",
    /* 4 it */ "NI100 / 2-wire",
    /* 4 es */ "NI100 / 2 hilos",
    /* 5 de */ "NI100 / 3-Leiter",
    /* 5 en */ "NI100 / 3-wire",
    /* 5 it */ "NI100 / 3-wire",
    /* 5 es */ "NI100 / 3 hilos",
    /* 6 de */ "NI100 / 4-Leiter",
    /* 6 en */ "NI100 / 4-wire",
    /* 6 it */ "NI100 / 4-wire",
    /* 6 es */ "NI100 / 4 hilos",
    /* 7 de */ "Potentiometer 100R..100k",
    /* 7 en */ "Potentiometer 100R..100k",
    /* 7 it */ "Potenziometro 100R..100k",
    /* 7 es */ "Potenciómetro 100R...100K"
}};

constinit const Items<8> txThermoTypeList{"txThermoTypeList", {
    /* 0 de */ "Thermoelement Typ K",
    /* 0 en */ "Thermocouple type K",
    /* 0 it */ "Thermocoppia type K",
    /* 0 es */ "Termopar tipo K",
    /* 1 de */ "Thermoelement Typ J",
    /* 1 en */ "Thermocouple type J",
    /* 1 it */ "Thermocoppia type J",
    /* 1 es */ "Termopar tipo J",
    /* 2 de */ "Thermoelement Typ T",
    /* 2 en */ "Thermocouple type T",
    /* 2 it */ "Thermocoppia type T",
    /* 2 es */ "Termopar tipo T",
    /* 3 de */ "Thermoelement Typ E",
    /* 3 en */ "Thermocouple type E",
    /* 3 it */ "Thermocoppia type E",
    /* 3 es */ "Termopar tipo E",
    /* 4 de */ "Thermoelement Typ N",
    /* 4 en */ "Thermocouple type N",
    /* 4 it */ "Thermocoppia type N",
    /* 4 es */ "Termopar tipo N",
    /* 5 de */ "Thermoelement Typ R",
    /* 5 en */ "Thermocouple type R",
    /* 5 it */ "Thermocoppia type R",
    /* 5 es */ "Termopar tipo R",
    /* 6 de */ "Thermoelement Typ S",
    /* 6 en */ "Thermocouple type S",
    /* 6 it */ "Thermocoppia type S",
    /* 6 es */ "Termopar tipo S",
    /* 7 de */ "Thermoelement Typ B",
    /* 7 en */ "Thermocouple type B",
    /* 7 it */ "Thermocoppia type B",
    /* 7 es */ "Termopar tipo B"
}};

constinit const ThreePerLanguage txOutputVoltage{"txOutputVoltage", {
    /* de 0 */ "Ausgangsspannung:",
    /* de 1 */ "Ausgangsstrom:",
    /* de 2 */ "Ausgangsstrom:",
    /* en 0 */ "Output voltage:",
    /* en 1 */ "Output current:",
    /* en 2 */ "Output current:",
    /* it 0 */ "Tensione di uscita voltage:",
    /* it 1 */ "Corrente di uscita:",
    /* it 2 */ "Corrente di uscita:",
    /* es 0 */ "Tensión de salida:",
    /* es 1 */ "Corriente de salida:",
    /* es 2 */ "Corriente de salida:"
}};

constinit const PerLanguage txType{"txType", {
    /* de */ "Typ:",
    /* en */ "Type:",
    /* it */ "Type:",
    /* es */ "Tipo:"
}};

constinit const PerLanguage txPleaseChoose{"txPleaseChoose", {
    /* de */ "Bitte wählen...",
    /* en */ "Please choose...",
    /* it */ "Per favore selezionare...",
    /* es */ "Por favor, elija..."
}};

constinit const PerLanguage txChooseInputFirst{"txChooseInputFirst", {
    /* de */ "Zuerst Eingang angeben...",
    /* en */ "Choose input first...",
    /* it */ "Selezionare prima l´ingresso...",
    /* es */ "Elija la entrada..."
}};

constinit const PerLanguage txChooseStartValueFirst{"txChooseStartValueFirst", {
    /* de */ "Zuerst Anfangswert angeben...",
    /* en */ "Choose start value first...",
    /* it */ "Selezionare prima valore di inizio...",
    /* es */ "Elija valor inicial..."
}};

constinit const Items<2> txOnLower{"txOnLower", {
    /* 0 de */ "ein",
    /* 0 en */ "on",
    /* 0 it */ "on",
    /* 0 es */ "on",
    /* 1 de */ "aus",
    /* 1 en */ "off",
    /* 1 it */ "off",
    /* 1 es */ "off"
}};

constinit const Items<2> txOffLower{"txOffLower", {
    /* 0 de */ "aus",
    /* 0 en */ "off",
    /* 0 it */ "off",
    /* 0 es */ "off",
    /* 1 de */ "ein",
    /* 1 en */ "on",
    /* 1 it */ "on",
    /* 1 es */ "on"
}};

constinit const Items<2> txResponseList{"txResponseList", {
    /* 0 de */ "langsam 2.2s",
    /* 0 en */ "slow 2.2s",
    /* 0 it */ "lento 2.2s",
    /* 0 es */ "Lento 2.2s",
    /* 1 de */ "schnell 1.2s",
    /* 1 en */ "fast 1.2s",
    /* 1 it */ "veloce 1.2s",
    /* 1 es */ "Rápido 1.2s"
}};

constinit const PerLanguage txResponseTime{"txResponseTime", {
    /* de */ "Sprungantwortzeit:",
    /* en */ "Response time:",
    /* it */ "Tempo di risposta:",
    /* es */ "Tiempo de respuesta:"
}};

constinit const PerLanguage txOperatingMode{"txOperatingMode", {
    /* de */ "Betriebsart",
    /* en */ "Operating mode",
    /* it */ "Modalità",
    /* es */ "Modo de operación"
}};

constinit const PerLanguage txLowerFrequency{"txLowerFrequency", {
    /* de */ "Untere Frequenz",
    /* en */ "Lower frequency",
    /* it */ "Frequenza minima",
    /* es */ "Min. Frecuencia"
}};

constinit const PerLanguage txUpperFrequency{"txUpperFrequency", {
    /* de */ "Obere Frequenz",
    /* en */ "Upper frequency",
    /* it */ "Frequenza massima",
    /* es */ "Máx. Frecuencia"
}};

constinit const PerLanguage txChooseOperatingModeFirst{"txChooseOperatingModeFirst", {
    /* de */ "Zuerst Betriebsart wählen",
    /* en */ "Choose operating mode first",
    /* it */ "Selezionare prima modalità",
    /* es */ "Primero seleccionar el modo de operación"
}};

constinit const PerLanguage txSpecialRange{"txSpecialRange", {
    /* de */ "Sonderbereich",
    /* en */ "Special range",
    /* it */ "Range speciale",
    /* es */ "Rango especial"
}};

constinit const PerLanguage txSettingRangeUsingFrequency{"txSettingRangeUsingFrequency", {
    /* de */ "Einstellen des Eingangsbereiches mit einem Frequenzgenerator.",
    /* en */ "Setting the range using a frequency generator.",
    /* it */ "Impostare range con utilizzo di generatore di frequenza.",
    /* es */ "Ajustar el rango usando un generador de frecuencia."
}};

constinit const PerLanguage txStep{"txStep", {
    /* de */ "Schritt",
    /* en */ "Step",
    /* it */ "Passo",
    /* es */ "Paso"
}};

constinit const PerLanguage txPinning{"txPinning", {
    /* de */ "Klemmenbelegung",
    /* en */ "Pinning",
    /* it */ "Mappa pin",
    /* es */ "Conexionado"
}};

constinit const PerLanguage txSavingLowerFrequency{"txSavingLowerFrequency", {
    /* de */ "(Untere Messfrequenz speichern)",
    /* en */ "(Saving the lower frequency)",
    /* it */ "(Salvare frequenza minima)",
    /* es */ "(Guardando la frecuencia mínima)"
}};

constinit const PerLanguage txSavingUpperFrequency{"txSavingUpperFrequency", {
    /* de */ "(Obere Messfrequenz speichern)",
    /* en */ "(Saving the upper frequency)",
    /* it */ "(Salvare frequenza massima)",
    /* es */ "(Guardando la frecuencia máxima)"
}};

constinit const PerLanguage txSettingUpperFrequency{"txSettingUpperFrequency", {
    /* de */ "(Obere Messfrequenz einstellen)",
    /* en */ "(Setting the upper frequency)",
    /* it */ "(Impostare frequenza massima)",
    /* es */ "(Ajustando la frecuencia máxima)"
}};

constinit const PerLanguage txAdjustSwitchesS1S2{"txAdjustSwitchesS1S2", {
    /* de */ "Schalter S1 und S2 %S dargestellt einstellen. ",
    /* en */ "Adjust the Switches S1 and S2 %S. ",
    /* it */ "Impostare switch S1 e switch S2 come indicato %S. ",
    /* es */ "Ajustar los conmutadores S1 y S2 según indicado %S. "
}};

constinit const PerLanguage txAdjustSwitchesS1S2S3{"txAdjustSwitchesS1S2S3", {
    /* de */ "Schalter S1, S2 und S3 %S dargestellt einstellen. ",
    /* en */ "Adjust the Switches S1, S2 and S3 %S. ",
    /* it */ "Impostare switch S1, S2 e switch S3 come\rindicato %S. ",
    /* es */ "Ajustar los conmutadores S1, S2 y S3\rsegún indicado %S. "
}};

constinit const PerLanguage txShownLeft{"txShownLeft", {
    /* de */ "wie links",
    /* en */ "as shown on the left",
    /* it */ "a sinistra",
    /* es */ "a la izquierda"
}};

constinit const PerLanguage txShownIllustration{"txShownIllustration", {
    /* de */ "wie in Abblildung %A.",
    /* en */ "as shown in Illustration %A",
    /* it */ "in figura %A",
    /* es */ "la fig. %A"
}};

constinit const PerLanguage txConnectModulePowerSupply{"txConnectModulePowerSupply", {
    /* de */ "Zum Speichern der Frequenz den Baustein kurz an die Spannungsversorung anschliessen. ",
    /* en */ "Connect the module to the power supply to save the frequency. ",
    /* it */ "Connettere il modulo all'alimentazione per salvare la frequenza. ",
    /* es */ "Conectar el módulo a la fuente de alimentación para guardar la frecuencia. "
}};

constinit const PerLanguage txReady{"txReady", {
    /* de */ "Fertig.",
    /* en */ "Ready.",
    /* it */ "Pronto.",
    /* es */ "Listo."
}};

constinit const PerLanguage txApplyMinFrequency100kHz{"txApplyMinFrequency100kHz", {
    /* de */ "Min. Frequenz (100kHz max.) an den Baustein anlegen. ",
    /* en */ "Apply min. frequency (100kHz max.) to the module. ",
    /* it */ "Applicare la frequenza min. (100kHz max.) al modulo. ",
    /* es */ "Aplicar la frecuencia mínima (100kHz máx.) al módulo. "
}};

constinit const PerLanguage txApplyMaxFrequency100kHz{"txApplyMaxFrequency100kHz", {
    /* de */ "Max. Frequenz (100kHz max.) an den Baustein anlegen. ",
    /* en */ "Apply max. frequency (100kHz max.) to the module. ",
    /* it */ "Applicare la frequenza max. (100kHz max.) al modulo. ",
    /* es */ "Aplicar la frecuencia máxima (100kHz máx.) al módulo. "
}};

constinit const PerLanguage txLEDLightsUpWhen{"txLEDLightsUpWhen", {
    /* de */ "Die LED leuchtet auf wenn die Eingangsfrequenz gemesen wird. Wenn die LED blinkt, ist die Frequenz gespeichert worden und der Baustein kann wieder von der Spannungsversorgung getrennt werden. ",
    /* en */ "The LED lights up when the input frequency is measured. The frequency has been saved when the LED is flashing. The module can be disconnected from the power suppy. ",
    /* it */ "Il LED si accende quando la freq. di ingresso è misurata. La frequenza è stata salvata quando il LED sta esponendo a flash.Si può scollegare l'alimentazione. ",
    /* es */ "El LED se enciende cuando la frecuencia de entrada está medida. La frecuencia ha sido guardada cuando el LED está parpadeando. El módulo puede ser desconectado de la fuente de Alimentación. "
}};

constinit const PerLanguage txDesiredSettingTakesPlace{"txDesiredSettingTakesPlace", {
    /* de */ "Die gewünschte Einstellung erfolgt in $S Schritten. Befolgen Sie die Anweisungen Schritt für Schritt.",
    /* en */ "The desired setting takes place in $S steps. Follow the instructions step by step. ",
    /* it */ "La configurazione desiderata richiede $S step. Seguire le istruzioni. ",
    /* es */ "El ajuste deseado se realiza en $S pasos. Seguir la instrucciones paso a paso. "
}};

constinit const Items<2> txTwoWord{"txTwoWord", {
    /* 0 de */ "zwei",
    /* 0 en */ "two",
    /* 0 it */ "due",
    /* 0 es */ "dos",
    /* 1 de */ "drei",
    /* 1 en */ "three",
    /* 1 it */ "tre",
    /* 1 es */ "tres"
}};

constinit const PerLanguage txTerminalsPower7{"txTerminalsPower7", {
    /* de */ "Klemme 7: Hilfsenergie +18 .. 30 V DC\r\n"
             "Klemme 8: Masse",
    /* en */ "Terminal 7: Power supply +18 .. 30 V DC\r\n"
             "Terminal 8: Gnd",
    /* it */ "Polo 7: Alimentazione +18 .. 30 V DC\r\n"
             "Polo 8: Gnd",
    /* es */ "Terminal 7: Alimentación +18 .. 30 V DC\r\n"
             "Terminal 8: Gnd"
}};

constinit const PerLanguage txFrqInputTerminals{"txFrqInputTerminals", {
    /* de */ "Klemme 1: Spannungsausgang ca. 16V DC @ max. 15mA\r\n"
             "Klemme 2: PNP Eingang\r\n"
             "Klemme 3: NPN / Namur Eingang\r\n"
             "Klemme 4: Gnd",
    /* en */ "Terminal 1: Voltage output approx. 16V DC @ max. 15mA\r\n"
             "Terminal 2: PNP input\r\n"
             "Terminal 3: NPN / Namur input\r\n"
             "Terminal 4: Gnd",
    /* it */ "Polo 1: Tensione di uscita appr. 16V DC @ max. 15mA\r\n"
             "Polo 2: Ingresso PNP\r\n"
             "Polo 3: Ingresso NPN / Namur\r\n"
             "Polo 4: Gnd",
    /* es */ "Terminal 1: Voltaje de salida aprox. 16V DC @ máx. 15mA\r\n"
             "Terminal 2: Entrada PNP\r\n"
             "Terminal 3: Entrada NPN / Namur\r\n"
             "Terminal 4: Gnd"
}};

constinit const PerLanguage txFrqInputTerminalNames{"txFrqInputTerminalNames", {
    /* de */ "Spannungsausgang ca. 16V DC @ max. 15mA\r\n"
             "PNP Eingang\r\n"
             "NPN / Namur Eingang\r\n"
             "Gnd",
    /* en */ "Voltage output approx. 16V DC @ max. 15mA\r\n"
             "PNP input\r\n"
             "NPN / Namur input\r\n"
             "Gnd",
    /* it */ "Tensione di uscita appr. 16V DC @ max. 15mA\r\n"
             "Ingresso PNP\r\n"
             "Ingresso NPN / Namur\r\n"
             "Gnd",
    /* es */ "Voltaje de salida aprox. 16V DC @ máx. 15mA\r\n"
             "Entrada PNP\r\n"
             "Entrada NPN / Namur\r\n"
             "Gnd"
}};

constinit const PerLanguage txPowerSupplyGnd8{"txPowerSupplyGnd8", {
    /* de */ "Hilfsenergie +18 .. 30 V DC\r\n"
             "Masse",
    /* en */ "Power supply +18 .. 30 V DC\r\n"
             "Gnd",
    /* it */ "Alimentazione +18 .. 30 V DC\r\n"
             "Gnd",
    /* es */ "Alimentación +18 .. 30 V DC\r\n"
             "Gnd"
}};

constinit const PerLanguage txOutputGnd{"txOutputGnd", {
    /* de */ "Ausgang $O\r\n"
             "Masse",
    /* en */ "Output $O\r\n"
             "Gnd",
    /* it */ "Uscita $O\r\n"
             "Gnd",
    /* es */ "Salida $O\r\n"
             "Gnd"
}};

constinit const PerLanguage txTerminal{"txTerminal", {
    /* de */ "Klemme",
    /* en */ "Terminal",
    /* it */ "Polo",
    /* es */ "Terminal"
}};

constinit const PerLanguage txUserDefined{"txUserDefined", {
    /* de */ "Benutzerdefiniert",
    /* en */ "User defined",
    /* it */ "Utente definito",
    /* es */ "Usuario definido"
}};

constinit const PerLanguage txPage{"txPage", {
    /* de */ "Seite: ",
    /* en */ "Page: ",
    /* it */ "Pagina: ",
    /* es */ "Página: "
}};

constinit const PerLanguage txIllustration{"txIllustration", {
    /* de */ "Abbildung ",
    /* en */ "Illustration ",
    /* it */ "Figura ",
    /* es */ "fig. "
}};

// Reading a device: what switches found on a module mean, and which levers to move.

constinit const PerLanguage txZeroOffset{"txZeroOffset", {
    /* de */ "Nullpunktverschiebung",
    /* en */ "Zero offset",
    /* it */ "Offset dello zero",
    /* es */ "Desplazamiento del cero"
}};

constinit const PerLanguage txPotentiometerName{"txPotentiometerName", {
    /* de */ "$P-Poti",
    /* en */ "$P potentiometer",
    /* it */ "Potenziometro $P",
    /* es */ "Potenciómetro $P"
}};

constinit const PerLanguage txPotInUse{"txPotInUse", {
    /* de */ "in Gebrauch: der Bereich stimmt erst nach dem Abgleich",
    /* en */ "in use: the range holds only after trimming",
    /* it */ "in uso: il campo è valido solo dopo la taratura",
    /* es */ "en uso: el rango sólo es válido tras el ajuste"
}};

constinit const PerLanguage txPotNotInUse{"txPotNotInUse", {
    /* de */ "nicht in Gebrauch",
    /* en */ "not in use",
    /* it */ "non in uso",
    /* es */ "no se usa"
}};

constinit const PerLanguage txBankSwitchOne{"txBankSwitchOne", {
    /* de */ "$B Schalter $K",
    /* en */ "$B switch $K",
    /* it */ "$B interruttore $K",
    /* es */ "$B interruptor $K"
}};

constinit const PerLanguage txBankSwitchRange{"txBankSwitchRange", {
    /* de */ "$B Schalter $K bis $L",
    /* en */ "$B switches $K to $L",
    /* it */ "$B interruttori da $K a $L",
    /* es */ "$B interruptores $K a $L"
}};

constinit const PerLanguage txBankSwitchPair{"txBankSwitchPair", {
    /* de */ "$B Schalter $K und $L",
    /* en */ "$B switches $K and $L",
    /* it */ "$B interruttori $K e $L",
    /* es */ "$B interruptores $K y $L"
}};

constinit const PerLanguage txGiveNoValue{"txGiveNoValue", {
    /* de */ "$S ergeben keinen gültigen Wert für: $Q",
    /* en */ "$S give no valid value for: $Q",
    /* it */ "$S non danno alcun valore valido per: $Q",
    /* es */ "$S no dan ningún valor válido para: $Q"
}};

constinit const PerLanguage txDoNotFit{"txDoNotFit", {
    /* de */ "$S passen nicht zu $V",
    /* en */ "$S do not fit $V",
    /* it */ "$S non corrispondono a $V",
    /* es */ "$S no corresponden a $V"
}};

constinit const PerLanguage txNotOfferedForType{"txNotOfferedForType", {
    /* de */ "$S: $V wird für Typ $T nicht angeboten",
    /* en */ "$S: $V is not offered for type $T",
    /* it */ "$S: $V non è offerto per il tipo $T",
    /* es */ "$S: $V no se ofrece para el tipo $T"
}};

constinit const PerLanguage txAboveHighest{"txAboveHighest", {
    /* de */ "$S: $V liegt über der höchsten Temperatur von Typ $T, $H",
    /* en */ "$S: $V lies above the highest temperature of type $T, $H",
    /* it */ "$S: $V supera la temperatura massima del tipo $T, $H",
    /* es */ "$S: $V supera la temperatura máxima del tipo $T, $H"
}};

constinit const PerLanguage txRangeNeedsSpan{"txRangeNeedsSpan", {
    /* de */ "$S: der Eingangsbereich $V braucht immer das SPAN-Poti",
    /* en */ "$S: the input range $V always needs the SPAN potentiometer",
    /* it */ "$S: il campo di ingresso $V richiede sempre il potenziometro SPAN",
    /* es */ "$S: el rango de entrada $V siempre necesita el potenciómetro SPAN"
}};

constinit const PerLanguage txLiveZeroOffset{"txLiveZeroOffset", {
    /* de */ "$S: mit dem Eingangsbereich $V gibt es nur die Nullpunktverschiebung 0 %, "
             "-50 % und +50 % nur mit dem ZERO-Poti",
    /* en */ "$S: the input range $V takes only the zero offset 0 %, "
             "-50 % and +50 % only with the ZERO potentiometer",
    /* it */ "$S: il campo di ingresso $V ammette solo l'offset dello zero 0 %, "
             "-50 % e +50 % solo con il potenziometro ZERO",
    /* es */ "$S: el rango de entrada $V sólo admite el desplazamiento del cero 0 %, "
             "-50 % y +50 % sólo con el potenciómetro ZERO"
}};

constinit const PerLanguage txMustBeOff{"txMustBeOff", {
    /* de */ "$S müssen für $V auf OFF stehen",
    /* en */ "$S must be OFF for $V",
    /* it */ "$S devono essere su OFF per $V",
    /* es */ "$S deben estar en OFF para $V"
}};

constinit const PerLanguage txOtherSwitchesForValue{"txOtherSwitchesForValue", {
    /* de */ "$S: das Programm stellt $V mit anderen Schaltern ein ($C)",
    /* en */ "$S: the program sets $V with other switches ($C)",
    /* it */ "$S: il programma imposta $V con altri interruttori ($C)",
    /* es */ "$S: el programa ajusta $V con otros interruptores ($C)"
}};

constinit const PerLanguage txNotInTheseSwitches{"txNotInTheseSwitches", {
    /* de */ "nicht in diesen Schaltern (wird in einem anderen Schritt eingestellt)",
    /* en */ "not in these switches (set in another step)",
    /* it */ "non in questi interruttori (impostato in un altro passo)",
    /* es */ "no está en estos interruptores (se ajusta en otro paso)"
}};

constinit const PerLanguage txStepOfSteps{"txStepOfSteps", {
    /* de */ "Schritt $N von $M",
    /* en */ "step $N of $M",
    /* it */ "passo $N di $M",
    /* es */ "paso $N de $M"
}};

constinit const PerLanguage txTwoStepBanks{"txTwoStepBanks", {
    /* de */ "Dies sind die Schalter von Schritt $N der Einstellung 4 .. 20 mA -> -10 .. +10 V in zwei Schritten",
    /* en */ "These are the switches of step $N of the two-step setting 4 .. 20 mA -> -10 .. +10 V",
    /* it */ "Questi sono gli interruttori del passo $N dell'impostazione in due passi 4 .. 20 mA -> -10 .. +10 V",
    /* es */ "Estos son los interruptores del paso $N del ajuste en dos pasos 4 .. 20 mA -> -10 .. +10 V"
}};

constinit const PerLanguage txSetLeverTo{"txSetLeverTo", {
    /* de */ "$S: auf $V stellen",
    /* en */ "$S: set to $V",
    /* it */ "$S: portare su $V",
    /* es */ "$S: poner en $V"
}};

constinit const PerLanguage txDeviceMatches{"txDeviceMatches", {
    /* de */ "Das Gerät entspricht der Einstellung.",
    /* en */ "The device matches the setting.",
    /* it */ "Il dispositivo corrisponde all'impostazione.",
    /* es */ "El dispositivo corresponde al ajuste."
}};

constinit const PerLanguage txLeversToMove{"txLeversToMove", {
    /* de */ "Zu verstellende Schalter:",
    /* en */ "Levers to move:",
    /* it */ "Interruttori da spostare:",
    /* es */ "Interruptores a mover:"
}};

constinit const PerLanguage txThenTrim{"txThenTrim", {
    /* de */ "Nach den Schaltern abgleichen: $P",
    /* en */ "After the switches, trim: $P",
    /* it */ "Dopo gli interruttori tarare: $P",
    /* es */ "Después de los interruptores ajustar: $P"
}};

constinit const PerLanguage txSwitchesShow{"txSwitchesShow", {
    /* de */ "Die Schalter zeigen $V.",
    /* en */ "The switches show $V.",
    /* it */ "Gli interruttori mostrano $V.",
    /* es */ "Los interruptores muestran $V."
}};

constinit const PerLanguage txOtherAdmissible{"txOtherAdmissible", {
    /* de */ "Die Schalter zeigen eine andere zulässige Einstellung für diese Aufgabe: $V",
    /* en */ "The switches show another admissible setting for this task: $V",
    /* it */ "Gli interruttori mostrano un'altra impostazione ammessa per questo compito: $V",
    /* es */ "Los interruptores muestran otro ajuste admisible para esta tarea: $V"
}};

constinit const PerLanguage txNoSettingToCheck{"txNoSettingToCheck", {
    /* de */ "Für diese Aufgabe gibt es keine Einstellung, mit der das Gerät verglichen werden kann.",
    /* en */ "This task has no setting to compare the device with.",
    /* it */ "Questo compito non ha alcuna impostazione con cui confrontare il dispositivo.",
    /* es */ "Esta tarea no tiene ningún ajuste con el que comparar el dispositivo."
}};

constinit const PerLanguage txNoSettingGivesThese{"txNoSettingGivesThese", {
    /* de */ "Keine Einstellung des Programms ergibt diese Schalter:",
    /* en */ "No setting of the program gives these switches:",
    /* it */ "Nessuna impostazione del programma dà questi interruttori:",
    /* es */ "Ningún ajuste del programa da estos interruptores:"
}};

// The desktop program's read mode: the Product menu item, the heading and hint above the
// board, the heading of the reading and the button that ends the mode.

constinit const PerLanguage txReadDevice{"txReadDevice", {
    /* de */ "Gerät &auslesen...",
    /* en */ "Read a de&vice...",
    /* it */ "&Leggi un dispositivo...",
    /* es */ "&Leer un dispositivo..."
}};

constinit const PerLanguage txReadDeviceTitle{"txReadDeviceTitle", {
    /* de */ "Gerät auslesen",
    /* en */ "Read a device",
    /* it */ "Leggi un dispositivo",
    /* es */ "Leer un dispositivo"
}};

constinit const PerLanguage txReadDeviceHint{"txReadDeviceHint", {
    /* de */ "Schalter wie vorgefunden stellen: Klick, oder Pfeiltasten und Leertaste.",
    /* en */ "Set the levers as found: click one, or use the arrow keys and Space.",
    /* it */ "Impostare gli interruttori come trovati: clic, oppure frecce e Spazio.",
    /* es */ "Poner los interruptores como se encuentran: clic, o flechas y Espacio."
}};

constinit const PerLanguage txDeviceSetFor{"txDeviceSetFor", {
    /* de */ "Das Gerät ist eingestellt auf:",
    /* en */ "The device is set for:",
    /* it */ "Il dispositivo è impostato per:",
    /* es */ "El dispositivo está ajustado para:"
}};

constinit const PerLanguage txLeaveReading{"txLeaveReading", {
    /* de */ "Auslesen beenden",
    /* en */ "Leave",
    /* it */ "Esci",
    /* es */ "Salir"
}};

std::span<const Entry> AllEntries() {
  // Built on first use, so that it is complete whenever it is asked for.
  static const Entry kAllEntries[] = {
    Entry::Of(txProgramSubtitle),
    Entry::Of(txFile),
    Entry::Of(txSaveDocumentation),
    Entry::Of(txPdfFileFilter),
    Entry::Of(txSave),
    Entry::Of(txPrint),
    Entry::Of(txExit),
    Entry::Of(txLanguage),
    Entry::Of(txProduct),
    Entry::Of(txHelp),
    Entry::Of(txContents),
    Entry::Of(txScreenLanguageSelect),
    Entry::Of(txScreenProductSelect),
    Entry::Of(txScreenResultsDC),
    Entry::Of(txScreenDataEvaluationDC),
    Entry::Of(txFurtherFineAdjustmentNecessary),
    Entry::Of(txFilter),
    Entry::Of(txOn),
    Entry::Of(txOff),
    Entry::Of(txChooseProduct),
    Entry::Of(txSignalIsolator),
    Entry::Of(txInput),
    Entry::Of(txOutput),
    Entry::Of(txStartValue),
    Entry::Of(txEndValue),
    Entry::Of(txSettings),
    Entry::Of(txFineCalibration),
    Entry::Of(txAdjustSwitches),
    Entry::Of(txBandwidth),
    Entry::Of(txCalculateSettings),
    Entry::Of(txPolarityInputPlus),
    Entry::Of(txPolarityInputMinus),
    Entry::Of(txPolarityOutputPlus),
    Entry::Of(txPolarityOutputMinus),
    Entry::Of(txTerminalsInOut),
    Entry::Of(txZeroAdjustInstruction),
    Entry::Of(txSpanAdjustInstruction),
    Entry::Of(txTerminalsPowerWide),
    Entry::Of(txTerminalsPower10),
    Entry::Of(txThermoTerminals),
    Entry::Of(txTerminalsOutput),
    Entry::Of(txRtdTerminals4Wire),
    Entry::Of(txRtdTerminals3Wire),
    Entry::Of(txRtdTerminals2Wire),
    Entry::Of(txResistorTerminals),
    Entry::Of(txPotentiometerTerminals),
    Entry::Of(txError),
    Entry::Of(txIncompleteIllegalInput),
    Entry::Of(txSettingInvalid),
    Entry::Of(txAmplificationRequiredOutRange),
    Entry::Of(txPermissibleOffsetHasBeen),
    Entry::Of(txInputSpanTooShort),
    Entry::Of(txInputRangeTooLarge),
    Entry::Of(txOutputSpanTooShort),
    Entry::Of(txOutputRangeTooLarge),
    Entry::Of(txMakerAddressBlock),
    Entry::Of(txMakerAddressLines),
    Entry::Of(txContentsTitle),
    Entry::Of(txContentsHelp),
    Entry::Of(txNote),
    Entry::Of(txUserTextPrompt),
    Entry::Of(txDate),
    Entry::Of(txMakerWebAddress),
    Entry::Of(txRtdTypeList),
    Entry::Of(txThermoTypeList),
    Entry::Of(txOutputVoltage),
    Entry::Of(txType),
    Entry::Of(txPleaseChoose),
    Entry::Of(txChooseInputFirst),
    Entry::Of(txChooseStartValueFirst),
    Entry::Of(txOnLower),
    Entry::Of(txOffLower),
    Entry::Of(txResponseList),
    Entry::Of(txResponseTime),
    Entry::Of(txOperatingMode),
    Entry::Of(txLowerFrequency),
    Entry::Of(txUpperFrequency),
    Entry::Of(txChooseOperatingModeFirst),
    Entry::Of(txSpecialRange),
    Entry::Of(txSettingRangeUsingFrequency),
    Entry::Of(txStep),
    Entry::Of(txPinning),
    Entry::Of(txSavingLowerFrequency),
    Entry::Of(txSavingUpperFrequency),
    Entry::Of(txSettingUpperFrequency),
    Entry::Of(txAdjustSwitchesS1S2),
    Entry::Of(txAdjustSwitchesS1S2S3),
    Entry::Of(txShownLeft),
    Entry::Of(txShownIllustration),
    Entry::Of(txConnectModulePowerSupply),
    Entry::Of(txReady),
    Entry::Of(txApplyMinFrequency100kHz),
    Entry::Of(txApplyMaxFrequency100kHz),
    Entry::Of(txLEDLightsUpWhen),
    Entry::Of(txDesiredSettingTakesPlace),
    Entry::Of(txTwoWord),
    Entry::Of(txTerminalsPower7),
    Entry::Of(txFrqInputTerminals),
    Entry::Of(txFrqInputTerminalNames),
    Entry::Of(txPowerSupplyGnd8),
    Entry::Of(txOutputGnd),
    Entry::Of(txTerminal),
    Entry::Of(txUserDefined),
    Entry::Of(txPage),
    Entry::Of(txIllustration),
    // Reading a device.
    Entry::Of(txZeroOffset),
    Entry::Of(txPotentiometerName),
    Entry::Of(txPotInUse),
    Entry::Of(txPotNotInUse),
    Entry::Of(txBankSwitchOne),
    Entry::Of(txBankSwitchRange),
    Entry::Of(txBankSwitchPair),
    Entry::Of(txGiveNoValue),
    Entry::Of(txDoNotFit),
    Entry::Of(txNotOfferedForType),
    Entry::Of(txAboveHighest),
    Entry::Of(txRangeNeedsSpan),
    Entry::Of(txLiveZeroOffset),
    Entry::Of(txMustBeOff),
    Entry::Of(txOtherSwitchesForValue),
    Entry::Of(txNotInTheseSwitches),
    Entry::Of(txStepOfSteps),
    Entry::Of(txTwoStepBanks),
    Entry::Of(txSetLeverTo),
    Entry::Of(txDeviceMatches),
    Entry::Of(txLeversToMove),
    Entry::Of(txThenTrim),
    Entry::Of(txSwitchesShow),
    Entry::Of(txOtherAdmissible),
    Entry::Of(txNoSettingToCheck),
    Entry::Of(txNoSettingGivesThese),
    Entry::Of(txReadDevice),
    Entry::Of(txReadDeviceTitle),
    Entry::Of(txReadDeviceHint),
    Entry::Of(txDeviceSetFor),
    Entry::Of(txLeaveReading),
  };
  return kAllEntries;
}

}  // namespace setrix::texts
