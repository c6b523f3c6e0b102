#pragma once

#include <QString>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace kz::ui {

// One section of a help document: an <h2 id="..." title="keyword, keyword"> heading.
struct HelpSection {
    QString anchor;
    QString heading;
    QStringList keywords;
};

// The help document a program opens, in the class's language (kz::chosenLanguage): for
// "kiv-help.html" in French, "kiv-help.fr.html" in appDir when it is there (whatever its letter
// case) and not empty, else the English "kiv-help.html". Kiv, Zan and the desk each open theirs
// through it. Paths as the formats write them.
std::string helpDocumentPath(std::string_view appDir, std::string_view document);
// The same for a language named directly ("fr"): the desk's, which follows the class folder it
// works on rather than the folder it is installed in.
std::string helpDocumentPath(std::string_view appDir, std::string_view document,
                             std::string_view language);

// The sections of a help document (HTML), in document order.
std::vector<HelpSection> helpSections(const QString& html);

// The programs' help window: a help document with its contents and a keyword index with a
// search box. Opened from the Help menus; closed when the program ends.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // documentPath: the help document, as the formats write paths (resolved case-insensitively).
    HelpWindow(const QString& title, const std::string& documentPath, QWidget* parent = nullptr);

    void showContents();
    // The keyword index with an empty search box.
    void showSearch();

    QStringList contentsEntries() const;
    QStringList indexEntries() const;

private:
    void load();
    void filterIndex(const QString& text);
    void goTo(const QString& anchor);

    std::string m_documentPath;
    bool m_loaded = false;
    std::vector<HelpSection> m_sections;
    QTabWidget* m_tabs;
    QListWidget* m_contents;
    QLineEdit* m_search;
    QListWidget* m_index;
    QTextBrowser* m_text;
};

}  // namespace kz::ui
