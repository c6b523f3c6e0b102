#pragma once

#include <QString>
#include <QWidget>
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
