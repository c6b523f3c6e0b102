#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

#include "files/paths.h"
#include "files/shown_text.h"
#include "qt_text.h"
#include "session/class_language.h"

namespace kz::ui {
namespace {

std::vector<std::unique_ptr<QTranslator>>& loaded() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

// The core's sentence through the windows' translations, as the Windows-1252 text the core
// handles; empty (English) when there is none or it cannot be held in Windows-1252.
std::string translateCoreText(const char* context, const char* english) {
    const QString text = QCoreApplication::translate(context, english);
    if (text == QLatin1String(english)) return {};
    return toFileText(text).value_or(std::string());
}

}  // namespace

void removeTranslations() {
    for (auto& translator : loaded()) QCoreApplication::removeTranslator(translator.get());
    loaded().clear();
    setTextTranslator({});
}

QString installTranslations(const QString& language, const QString& folder,
                            const QString& program) {
    removeTranslations();
    if (language == QLatin1String("en")) return language;
    std::vector<std::unique_ptr<QTranslator>> ours;
    for (const QString& name : {QStringLiteral("kzui"), program}) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(name + '_' + language, folder)) return QStringLiteral("en");
        ours.push_back(std::move(translator));
    }
    // Qt's own buttons and dialogs; missing on a system without Qt's translations, which leaves
    // those few words in English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        ours.push_back(std::move(qt));
    }
    for (auto& translator : ours) {
        QCoreApplication::installTranslator(translator.get());
        loaded().push_back(std::move(translator));
    }
    setTextTranslator(translateCoreText);
    return language;
}

QString installTranslations(const std::string& appDir, const QString& program) {
    const QString language = QString::fromStdString(chosenLanguage(appDir));
    return installTranslations(language, QString::fromStdString(resolvePath(appDir)), program);
}

}  // namespace kz::ui
