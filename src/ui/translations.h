#pragma once

#include <QString>
#include <string>

namespace kz::ui {

// Puts the windows into the class's language (kz::chosenLanguage of appDir) before any window is
// made: Qt's own texts (the system's qtbase_xx.qm), the shared windows' and the core's texts
// (kzui_xx.qm) and the program's own (<program>_xx.qm, "kiv", "zan" ...), the last two from the
// installation folder appDir. The core's sentences are translated through the same files. English
// needs no file. Returns the language code in force ("en" when a file is missing for the chosen
// language, so that no window is half translated).
QString installTranslations(const std::string& appDir, const QString& program);

// The same for a language and a folder of compiled translations named directly (the tests).
QString installTranslations(const QString& language, const QString& folder, const QString& program);

// Takes every translation away again: English windows and core texts.
void removeTranslations();

}  // namespace kz::ui
