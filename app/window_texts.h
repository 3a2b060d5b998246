#pragma once
// Texts of the desktop window's own additions (the View menu, the status line), one per
// language in the order of the language index.
#include <QString>
#include <array>

namespace setrix::app {

using WindowText = std::array<const char*, 4>;

inline constexpr WindowText kTxView = {"&Ansicht", "&View", "&Visualizza", "&Ver"};
inline constexpr WindowText kTxZoomIn = {
    "Ver&gr\xc3\xb6\xc3\x9f"
    "ern",
    "Zoom &in", "&Ingrandisci", "&Ampliar"};
inline constexpr WindowText kTxZoomOut = {"Ver&kleinern", "Zoom &out", "&Riduci", "&Reducir"};
inline constexpr WindowText kTxZoomReset = {
    "&Originalgr\xc3\xb6\xc3\x9f"
    "e",
    "&Actual size", "Dimensione &reale", "Tama\xc3\xb1o &real"};
// %1: the full file name.
inline constexpr WindowText kTxSavedAs = {"Dokumentation gespeichert: %1", "Documentation saved: %1",
                                          "Documentazione salvata: %1", "Documentaci\xc3\xb3n guardada: %1"};
// %1: the file where the unusable settings were kept.
inline constexpr WindowText kTxSettingsKept = {
    "Die Einstellungsdatei war nicht verwendbar; das Original liegt in %1",
    "The settings file could not be used; the original is kept as %1",
    "Il file delle impostazioni non era utilizzabile; l'originale \xc3\xa8 conservato in %1",
    "El archivo de configuraci\xc3\xb3n no se pudo usar; el original se guarda como %1"};

// File menu: configuration files and device lists.
inline constexpr WindowText kTxOpenConfig = {"Konfiguration \xc3\xb6&ffnen...", "&Open configuration...",
                                             "&Apri configurazione...", "&Abrir configuraci\xc3\xb3n..."};
inline constexpr WindowText kTxSaveConfig = {"Konfiguration speichern &unter...", "Save configuration &as...",
                                             "Salva configurazione &con nome...",
                                             "Guardar configuraci\xc3\xb3n &como..."};
inline constexpr WindowText kTxRecentFiles = {
    "&Zuletzt ge\xc3\xb6"
    "ffnet",
    "&Recent files", "File &recenti", "Archivos &recientes"};
inline constexpr WindowText kTxRecentNone = {"(keine)", "(none)", "(nessuno)", "(ninguno)"};
inline constexpr WindowText kTxDocumentList = {"Ger\xc3\xa4te&liste dokumentieren...", "&Document device list...",
                                               "&Documenta elenco dispositivi...",
                                               "&Documentar lista de equipos..."};
inline constexpr WindowText kTxQrOnPaper = {"&QR-Code auf dem Papier", "&QR code on the paper",
                                            "Codice &QR sulla carta",
                                            "C\xc3\xb3"
                                            "digo &QR en el papel"};
inline constexpr WindowText kTxConfigFilter = {
    "SETRIX-Konfiguration (*.setrix)", "SETRIX configuration (*.setrix)", "Configurazione SETRIX (*.setrix)",
    "Configuraci\xc3\xb3n SETRIX (*.setrix)"};
inline constexpr WindowText kTxListFilter = {
    "Ger\xc3\xa4telisten (*.setrix *.csv)", "Device lists (*.setrix *.csv)",
    "Elenchi dispositivi (*.setrix *.csv)", "Listas de equipos (*.setrix *.csv)"};
inline constexpr WindowText kTxChooseFolder = {"Ordner f\xc3\xbcr die Dokumente", "Folder for the documents",
                                               "Cartella per i documenti", "Carpeta para los documentos"};
// %1: the full file name.
inline constexpr WindowText kTxConfigOpened = {
    "Konfiguration ge\xc3\xb6"
    "ffnet: %1",
    "Configuration opened: %1", "Configurazione aperta: %1", "Configuraci\xc3\xb3n abierta: %1"};
inline constexpr WindowText kTxConfigSaved = {"Konfiguration gespeichert: %1", "Configuration saved: %1",
                                              "Configurazione salvata: %1", "Configuraci\xc3\xb3n guardada: %1"};
inline constexpr WindowText kTxNoModuleScreen = {
    "Bitte zuerst ein Produkt w\xc3\xa4hlen; gespeichert wird die Einstellung seiner Seite.",
    "Choose a product first; the configuration of its screen is saved.",
    "Scegliere prima un prodotto; viene salvata la configurazione della sua pagina.",
    "Elija primero un producto; se guarda la configuraci\xc3\xb3n de su pantalla."};
// %1 device number, %2 total, %3 tag.
inline constexpr WindowText kTxDocumenting = {"Ger\xc3\xa4t %1 von %2: %3", "Device %1 of %2: %3",
                                              "Dispositivo %1 di %2: %3", "Equipo %1 de %2: %3"};
// %1 documented, %2 devices done, %3 failed, %4 the folder.
inline constexpr WindowText kTxBatchDone = {
    "%1 von %2 Ger\xc3\xa4ten dokumentiert, %3 fehlgeschlagen.\nZusammenfassung: devices.csv, devices.json und "
    "overview.pdf in %4",
    "%1 of %2 devices documented, %3 failed.\nSummary: devices.csv, devices.json and overview.pdf in %4",
    "%1 di %2 dispositivi documentati, %3 non riusciti.\nRiepilogo: devices.csv, devices.json e overview.pdf in "
    "%4",
    "%1 de %2 equipos documentados, %3 fallidos.\nResumen: devices.csv, devices.json y overview.pdf en %4"};
// %1 the device number, %2 total.
inline constexpr WindowText kTxBatchStopped = {
    "Abgebrochen vor Ger\xc3\xa4t %1 von %2; was geschrieben war, bleibt.",
    "Cancelled before device %1 of %2; what was written stays.",
    "Interrotto prima del dispositivo %1 di %2; ci\xc3\xb2 che \xc3\xa8 stato scritto resta.",
    "Cancelado antes del equipo %1 de %2; lo escrito se conserva."};
// %1 the row, %2 the reason.
inline constexpr WindowText kTxRowUnusable = {"Zeile %1 ist nicht verwendbar: %2", "Row %1 cannot be used: %2",
                                              "La riga %1 non \xc3\xa8 utilizzabile: %2",
                                              "La fila %1 no se puede usar: %2"};

// The device list panel.
inline constexpr WindowText kTxDeviceList = {"Ger\xc3\xa4teliste", "Device list", "Elenco dispositivi",
                                             "Lista de equipos"};
inline constexpr WindowText kTxColTag = {"Kennzeichen", "Tag", "Sigla", "Etiqueta"};
inline constexpr WindowText kTxColModule = {"Modul", "Module", "Modulo",
                                            "M\xc3\xb3"
                                            "dulo"};
inline constexpr WindowText kTxColTask = {"Aufgabe", "Task", "Compito", "Tarea"};
inline constexpr WindowText kTxColOutcome = {"Ergebnis", "Outcome", "Esito", "Resultado"};
inline constexpr WindowText kTxOutcomeOk = {"dokumentierbar", "can be documented", "documentabile",
                                            "documentable"};
inline constexpr WindowText kTxOutcomeRefused = {"abgelehnt: %1", "refused: %1", "rifiutato: %1", "rechazado: %1"};
inline constexpr WindowText kTxOutcomeInvalid = {"ung\xc3\xbcltig: %1", "invalid: %1", "non valido: %1",
                                                 "no v\xc3\xa1lido: %1"};
inline constexpr WindowText kTxOpenRow = {"\xc3\x96&ffnen", "&Open", "&Apri", "&Abrir"};
inline constexpr WindowText kTxSaveList = {"Liste speichern &unter...", "&Save list as...",
                                           "&Salva elenco con nome...", "&Guardar lista como..."};
inline constexpr WindowText kTxClose = {
    "&Schlie\xc3\x9f"
    "en",
    "&Close", "&Chiudi", "&Cerrar"};

inline QString WindowTx(const WindowText& text, int language) {
  return QString::fromUtf8(text[static_cast<std::size_t>(language >= 0 && language < 4 ? language : 0)]);
}

}  // namespace setrix::app
