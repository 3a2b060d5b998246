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

inline QString WindowTx(const WindowText& text, int language) {
  return QString::fromUtf8(text[static_cast<std::size_t>(language >= 0 && language < 4 ? language : 0)]);
}

}  // namespace setrix::app
