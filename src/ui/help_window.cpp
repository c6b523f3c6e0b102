#include "help_window.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "files/paths.h"
#include "qt_text.h"
#include "session/class_language.h"

namespace kz::ui {

namespace {

// The help document's text view. Its pictures are named relative to the document, the way the
// formats name files ("help-pictures/kiv-frog.png"), and found as data files are: whatever the
// letter case of the folder copied from a CD or a shared folder.
class HelpText : public QTextBrowser {
public:
    explicit HelpText(std::string folder) : m_folder(std::move(folder)) {}

    QVariant loadResource(int type, const QUrl& name) override {
        if (type == QTextDocument::ImageResource && name.isRelative() && !name.path().isEmpty()) {
            QString relative = name.path();
            relative.replace('/', '\\');
            if (const auto held = toFileText(relative)) {
                if (const auto bytes = readWholeFile(joinPath(m_folder, *held))) {
                    QImage picture;
                    if (picture.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                                             qsizetype(bytes->size()))) {
                        return picture;
                    }
                }
            }
        }
        return QTextBrowser::loadResource(type, name);
    }

    // Each picture at its own size, or narrower to fit the view's width: a picture of the screen
    // must not run past the edge of a help window on a small screen.
    void fitPictures() {
        const qreal room = viewport()->width() - 2 * document()->documentMargin() - 4;
        QTextCursor cursor(document());
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment part = it.fragment();
                QTextImageFormat picture = part.charFormat().toImageFormat();
                if (!picture.isValid()) continue;
                const QImage image = document()
                                         ->resource(QTextDocument::ImageResource, picture.name())
                                         .value<QImage>();
                if (image.isNull() || image.width() <= 0) continue;
                const qreal width = std::max<qreal>(16, std::min<qreal>(image.width(), room));
                if (qFuzzyCompare(picture.width(), width)) continue;
                picture.setWidth(width);
                picture.setHeight(image.height() * width / image.width());
                cursor.setPosition(part.position());
                cursor.setPosition(part.position() + part.length(), QTextCursor::KeepAnchor);
                cursor.setCharFormat(picture);
            }
        }
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QTextBrowser::resizeEvent(event);
        fitPictures();
    }

private:
    std::string m_folder;
};

// The folder part of a path as the formats write it ("\" or "/" before the name).
std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

}  // namespace

std::string helpDocumentPath(std::string_view appDir, std::string_view document) {
    return helpDocumentPath(appDir, document, chosenLanguage(appDir));
}

std::string helpDocumentPath(std::string_view appDir, std::string_view document,
                             std::string_view language) {
    const size_t dot = document.rfind('.');
    if (language != "en" && dot != std::string_view::npos) {
        std::string translated(document.substr(0, dot));
        translated += '.';
        translated += language;
        translated += document.substr(dot);
        std::string path = joinPath(appDir, translated);
        if (fileLength(path).value_or(0) > 0) return path;
    }
    return joinPath(appDir, document);
}

std::vector<HelpSection> helpSections(const QString& html) {
    static const QRegularExpression heading(
        R"re(<h2\s+id="([^"]+)"(?:\s+title="([^"]*)")?\s*>(.*?)</h2>)re",
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tags("<[^>]*>");
    std::vector<HelpSection> sections;
    for (auto it = heading.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        HelpSection s;
        s.anchor = m.captured(1);
        s.heading = m.captured(3).remove(tags).simplified();
        for (const QString& k : m.captured(2).split(',', Qt::SkipEmptyParts)) {
            if (!k.trimmed().isEmpty()) s.keywords << k.trimmed();
        }
        sections.push_back(s);
    }
    return sections;
}

HelpWindow::HelpWindow(const QString& title, const std::string& documentPath, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_documentPath(documentPath),
      m_tabs(new QTabWidget),
      m_contents(new QListWidget),
      m_search(new QLineEdit),
      m_index(new QListWidget),
      m_text(new HelpText(folderOf(documentPath))) {
    setWindowTitle(title);
    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    m_search->setPlaceholderText(tr("Type a word to look for"));
    searchLayout->addWidget(m_search);
    searchLayout->addWidget(m_index);
    m_tabs->addTab(m_contents, tr("Contents"));
    m_tabs->addTab(searchPage, tr("Search"));
    auto* splitter = new QSplitter;
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_text);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    m_text->setOpenExternalLinks(false);
    // Its usual size, or less on a small screen, so that no text runs off the screen's edge.
    QSize size(760, 520);
    if (const QScreen* shownOn = screen()) {
        size = size.boundedTo(shownOn->availableGeometry().size() * 0.9);
    }
    resize(size);

    // Esc closes the help as it closes any help window; Ctrl with plus or minus sizes its text
    // ("=" too, the plus key's own face on most keyboards).
    auto key = [this](QKeySequence sequence, const char* name, auto action) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setObjectName(name);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    key(QKeySequence(Qt::Key_Escape), "keyClose", [this] { close(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Plus), "keyLarger", [this] { m_text->zoomIn(2); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Equal), "keyLarger2", [this] { m_text->zoomIn(2); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Minus), "keySmaller", [this] { m_text->zoomOut(2); });

    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::filterIndex);
    auto open = [this](QListWidgetItem* item) { goTo(item->data(Qt::UserRole).toString()); };
    connect(m_contents, &QListWidget::itemActivated, this, open);
    connect(m_contents, &QListWidget::itemClicked, this, open);
    connect(m_index, &QListWidget::itemActivated, this, open);
    connect(m_index, &QListWidget::itemClicked, this, open);
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (m_index->count() > 0) goTo(m_index->item(0)->data(Qt::UserRole).toString());
    });
}

void HelpWindow::load() {
    if (m_loaded) return;
    m_loaded = true;
    const auto bytes = readWholeFile(m_documentPath);
    if (!bytes) {
        m_text->setHtml(tr("<p>The help document %1 could not be read.</p>")
                            .arg(fromFileText(shownPath(m_documentPath)).toHtmlEscaped()));
        return;
    }
    const QString html = QString::fromUtf8(bytes->data(), qsizetype(bytes->size()));
    m_text->setHtml(html);
    static_cast<HelpText*>(m_text)->fitPictures();
    m_sections = helpSections(html);
    for (const auto& s : m_sections) {
        auto* item = new QListWidgetItem(s.heading, m_contents);
        item->setData(Qt::UserRole, s.anchor);
    }
    filterIndex({});
}

void HelpWindow::filterIndex(const QString& text) {
    // A keyword of several sections names each entry's section, so that no two entries read
    // alike and lead to different places.
    std::map<QString, int> sectionsOf;
    for (const auto& s : m_sections) {
        QSet<QString> words{s.heading.toLower()};
        for (const QString& k : s.keywords) words.insert(k.toLower());
        for (const QString& k : words) ++sectionsOf[k];
    }
    std::multimap<QString, QString> entries;  // sorted, case-insensitively, by keyword
    for (const auto& s : m_sections) {
        for (const QString& k : QStringList(s.heading) + s.keywords) {
            if (!k.contains(text.trimmed(), Qt::CaseInsensitive)) continue;
            const QString shown =
                sectionsOf[k.toLower()] > 1 ? QString("%1 (%2)").arg(k, s.heading) : k;
            entries.emplace(shown.toLower() + '\0' + shown, s.anchor);
        }
    }
    m_index->clear();
    for (const auto& [key, anchor] : entries) {
        auto* item = new QListWidgetItem(key.section(QChar('\0'), 1), m_index);
        item->setData(Qt::UserRole, anchor);
    }
}

void HelpWindow::goTo(const QString& anchor) { m_text->scrollToAnchor(anchor); }

void HelpWindow::showContents() {
    load();
    m_tabs->setCurrentIndex(0);
    show();
    raise();
    activateWindow();
}

void HelpWindow::showSearch() {
    load();
    m_search->clear();
    m_tabs->setCurrentIndex(1);
    show();
    raise();
    activateWindow();
    m_search->setFocus();
}

QStringList HelpWindow::contentsEntries() const {
    QStringList out;
    for (int i = 0; i < m_contents->count(); ++i) out << m_contents->item(i)->text();
    return out;
}

QStringList HelpWindow::indexEntries() const {
    QStringList out;
    for (int i = 0; i < m_index->count(); ++i) out << m_index->item(i)->text();
    return out;
}

}  // namespace kz::ui
