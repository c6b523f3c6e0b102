#include "stories_page.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <set>

#include "desk_class.h"
#include "files/cp1252.h"
#include "files/paths.h"
#include "files/story_catalogue.h"
#include "files/text.h"
#include "narrow_layouts.h"
#include "pointer.h"
#include "qt_text.h"
#include "session/chooser.h"
#include "story_make.h"
#include "story_preview.h"
#include "zan/story_names.h"

namespace kz::desk {
namespace {

// The book number at the start of a story file's name; 0 when it has none.
int bookNumber(const std::string& fileName) {
    if (fileName.size() < 2 || !isdigit(static_cast<unsigned char>(fileName[0])) ||
        !isdigit(static_cast<unsigned char>(fileName[1])))
        return 0;
    return (fileName[0] - '0') * 10 + (fileName[1] - '0');
}

// The level a story's number gives it, as Zan's settings window explains the numbers.
QString levelOf(int number) {
    if (number >= 1 && number <= 16) return StoriesPage::tr("Red (books 1 to 16)");
    if (number >= 17 && number <= 32) return StoriesPage::tr("Yellow (books 17 to 32)");
    return StoriesPage::tr("None: Zan lists books 1 to 32 only");
}

// A code for the story of a folder: the first book number no story of the DATA folder has, then
// the first six letters or digits of the folder's name.
QString codeFor(const QString& folder, const std::vector<std::string>& storyFiles) {
    std::set<int> taken;
    for (const auto& name : storyFiles) taken.insert(bookNumber(name));
    int number = 1;
    while (number < 32 && taken.count(number)) ++number;
    QString letters;
    for (QChar c : QFileInfo(folder).fileName().toUpper()) {
        if (letters.size() < 6 && c.unicode() < 128 && c.isLetterOrNumber()) letters += c;
    }
    if (letters.isEmpty()) letters = "STORY";
    return QString("%1").arg(number, 2, 10, QChar('0')) + letters;
}

QString shown(const std::string& utf8Message) { return QString::fromStdString(utf8Message); }

// A tree asks its delegate for a row's height without saying how wide the column is, so wrapped
// text is measured on one line; this delegate measures each cell at its column's width.
class ColumnWrapDelegate : public QStyledItemDelegate {
public:
    explicit ColumnWrapDelegate(QTreeView* view) : QStyledItemDelegate(view), m_view(view) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem atWidth = option;
        atWidth.rect = QRect(0, 0, m_view->header()->sectionSize(index.column()), 1);
        return QStyledItemDelegate::sizeHint(atWidth, index);
    }

private:
    QTreeView* m_view;
};

}  // namespace

StoriesPage::StoriesPage(DeskClass& deskClass, QWidget* parent)
    : QWidget(parent), m_class(deskClass) {
    setObjectName("StoriesPage");
    auto* layout = new QVBoxLayout(this);

    auto* listLabel =
        new QLabel(tr("Stories in the &data directory, as Zan's book list shows them:"));
    m_list = new QTreeWidget;
    m_list->setObjectName("stories");
    m_list->setAccessibleName(tr("Stories"));
    m_list->setHeaderLabels({tr("Title"), tr("Level"), tr("File")});
    m_list->setRootIsDecorated(false);
    // The title and the level share the width, wrapped over more lines when it is short (a
    // small screen, a language with long words); the file name keeps its own width.
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(false);
    m_list->setWordWrap(true);
    m_list->setItemDelegate(new ColumnWrapDelegate(m_list));
    // The rows are measured again at each new column width, or a wrapped cell would keep the
    // height it had when its column was wider and be cut.
    connect(m_list->header(), &QHeaderView::sectionResized, m_list,
            [this] { m_list->doItemsLayout(); });
    // Room for a few stories above the page being looked at.
    m_list->setMinimumHeight(m_list->fontMetrics().height() * 7);
    listLabel->setBuddy(m_list);
    layout->addWidget(listLabel);
    layout->addWidget(m_list, 1);

    // Making a story and looking at it side by side on a wide screen, one above the other on a
    // small one.
    auto* row = new SideBySide(this);
    layout->addWidget(row, 1);

    auto* makeBox = new QGroupBox(tr("Make a story from a folder"));
    auto* form = new QFormLayout(makeBox);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_folder = new QLineEdit;
    m_folder->setObjectName("folder");
    m_folder->setAccessibleName(tr("Folder with story.txt and the pictures"));
    auto* choose = new QPushButton(tr("Ch&oose..."));
    choose->setAccessibleName(tr("Choose the folder"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(choose);
    form->addRow(tr("Fo&lder:"), folderRow);
    qobject_cast<QLabel*>(form->labelForField(folderRow))->setBuddy(m_folder);
    m_code = new QLineEdit;
    m_code->setObjectName("code");
    m_code->setAccessibleName(tr("Story code"));
    m_code->setMaxLength(8);
    m_code->setToolTip(tr("A book number 01 to 32 and up to six letters, such as 17WALK"));
    form->addRow(tr("Stor&y code:"), m_code);
    m_voice = new QLineEdit(QString::fromStdString(admin::classVoice(m_class.appDir())));
    m_voice->setObjectName("voice");
    m_voice->setAccessibleName(tr("Voice of the recordings"));
    form->addRow(tr("&Voice:"), m_voice);
    m_speed = new QSpinBox;
    m_speed->setObjectName("speed");
    m_speed->setAccessibleName(tr("Speed of the recordings in words a minute"));
    m_speed->setRange(80, 450);
    m_speed->setValue(admin::SpeechVoice().wordsPerMinute);
    m_speed->setSuffix(tr(" words a minute"));
    form->addRow(tr("Sp&eed:"), m_speed);
    m_replace = new QCheckBox(tr("&Replace the story that has this number"));
    m_replace->setObjectName("replace");
    form->addRow(m_replace);
    m_make = new QPushButton(tr("&Make and show it"));
    m_make->setObjectName("make");
    form->addRow(m_make);
    row->addWidget(makeBox);

    auto* previewBox = new QGroupBox(tr("The story before it is kept"));
    m_previewBox = previewBox;
    auto* previewLayout = new QVBoxLayout(previewBox);
    m_preview = new StoryPreview;
    m_preview->setObjectName("preview");
    previewLayout->addWidget(m_preview, 1);
    auto* nav = new QHBoxLayout;
    m_previous = new QPushButton(tr("Previous p&age"));
    m_previous->setObjectName("previous");
    m_pageLabel = new QLabel;
    m_pageLabel->setObjectName("pageLabel");
    m_pageLabel->setAlignment(Qt::AlignCenter);
    m_next = new QPushButton(tr("&Next page"));
    m_next->setObjectName("next");
    nav->addWidget(m_previous);
    nav->addWidget(m_pageLabel, 1);
    nav->addWidget(m_next);
    previewLayout->addLayout(nav);
    auto* actions = new QHBoxLayout;
    m_keep = new QPushButton(tr("&Keep the story"));
    m_keep->setObjectName("keep");
    m_discard = new QPushButton(tr("D&iscard it"));
    m_discard->setObjectName("discard");
    actions->addStretch(1);
    actions->addWidget(m_keep);
    actions->addWidget(m_discard);
    previewLayout->addLayout(actions);
    // Beside the form while the page keeps its smallest readable size there.
    row->addWidget(previewBox, 1, [previewBox] { return previewBox->minimumSizeHint().width(); });

    m_status = new QLabel;
    m_status->setObjectName("status");
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_status);

    setTabOrder(m_list, m_folder);
    setTabOrder(m_folder, choose);
    setTabOrder(choose, m_code);
    setTabOrder(m_code, m_voice);
    setTabOrder(m_voice, m_speed);
    setTabOrder(m_speed, m_replace);
    setTabOrder(m_replace, m_make);
    setTabOrder(m_make, m_previous);
    setTabOrder(m_previous, m_next);
    setTabOrder(m_next, m_keep);
    setTabOrder(m_keep, m_discard);

    connect(choose, &QPushButton::clicked, this, &StoriesPage::chooseFolder);
    connect(m_folder, &QLineEdit::editingFinished, this, &StoriesPage::suggestCode);
    connect(m_make, &QPushButton::clicked, this, &StoriesPage::makePreview);
    connect(m_keep, &QPushButton::clicked, this, &StoriesPage::keep);
    connect(m_discard, &QPushButton::clicked, this, &StoriesPage::discard);
    connect(m_previous, &QPushButton::clicked, this, [this] { showPage(m_preview->page() - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(m_preview->page() + 1); });
    connect(&m_class, &DeskClass::filesChanged, this, [this] {
        // A story prepared for a data directory the class no longer uses is not kept there.
        if (m_prepared && !sameDirectory(m_prepared->request.dataDir, m_class.dataDir())) {
            setPrepared(nullptr);
            m_status->setText(
                tr("The class now uses another data directory: make the story "
                   "again to keep it there. Nothing was written."));
        }
        reload();
    });

    setPrepared(nullptr);
    reload();
}

StoriesPage::~StoriesPage() = default;

void StoriesPage::reload() {
    const std::string dataDir = m_class.dataDir();
    const auto files = listFolder(joinPath(dataDir, "DATA"), "*.DAT");
    const auto catalogue = readCatalogueFile(dataDir);
    const QString current = m_list->currentItem() ? m_list->currentItem()->text(2) : QString();
    m_list->clear();
    for (const auto& name : files) {
        const std::string title = storyTitle(name, Program::Zan, catalogue).title;
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(
            0, title.empty() ? tr("No title: Zan does not list it") : ui::fromFileText(title));
        item->setText(1, levelOf(bookNumber(name)));
        item->setText(2, ui::fromFileText(name));
        if (item->text(2) == current) m_list->setCurrentItem(item);
    }
}

void StoriesPage::chooseFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Folder with story.txt and the pictures"), m_folder->text());
    if (folder.isEmpty()) return;
    m_folder->setText(folder);
    suggestCode();
}

void StoriesPage::suggestCode() {
    // A code the teacher typed stays; one the desk suggested follows the folder.
    if (!m_code->text().isEmpty() && m_code->text() != m_suggestedCode) return;
    if (m_folder->text().trimmed().isEmpty()) return;
    m_suggestedCode = codeFor(m_folder->text().trimmed(),
                              listFolder(joinPath(m_class.dataDir(), "DATA"), "*.DAT"));
    m_code->setText(m_suggestedCode);
}

void StoriesPage::makePreview() {
    setPrepared(nullptr);
    admin::StoryMakeRequest request;
    request.appDir = m_class.appDir();
    request.dataDir = m_class.dataDir();
    request.code = m_code->text().trimmed().toStdString();
    request.sourceDir = fromSystemPath(m_folder->text().trimmed().toStdString());
    request.voice.name = m_voice->text().trimmed().toStdString();
    request.voice.wordsPerMinute = m_speed->value();
    request.force = m_replace->isChecked();
    request.howToReplace = tr("tick \"Replace the story that has this number\"").toStdString();

    QString problem;
    if (m_folder->text().trimmed().isEmpty())
        problem = tr("Choose the folder that holds story.txt and the pictures.");
    else if (request.voice.name.empty())
        problem = tr("Name the voice of the recordings, such as en-gb.");
    admin::StoryPreparation prepared;
    if (problem.isEmpty()) {
        ui::BusyPointer busy;
        m_status->setText(tr("Making the story..."));
        prepared = admin::prepareStory(request);
        if (!prepared.story) problem = shown(prepared.problem);
    }
    if (!problem.isEmpty()) {
        m_status->setText(tr("Nothing was written."));
        QMessageBox::warning(this, tr("Make a story"),
                             problem + "\n\n" + tr("Nothing was written."));
        return;
    }
    setPrepared(std::make_unique<admin::PreparedStory>(std::move(*prepared.story)));
    m_status->setText(
        tr("Look through the pages, then keep the story or discard it. Nothing is "
           "written until it is kept."));
    m_preview->setFocus();
    // Stacked below the form on a small screen, the page is scrolled to.
    for (QWidget* up = parentWidget(); up; up = up->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(up)) {
            area->ensureWidgetVisible(m_preview, 0, 0);
            break;
        }
    }
}

void StoriesPage::keep() {
    if (!m_prepared) return;
    const admin::StoryMakeResult result = [&] {
        ui::BusyPointer busy;
        return admin::writeStory(*m_prepared);
    }();
    if (!result.problem.empty()) {
        QMessageBox::warning(this, tr("Keep the story"),
                             shown(result.problem) + "\n\n" + tr("Nothing was written."));
        return;
    }
    const QString file = ui::fromFileText(m_prepared->code + ".DAT");
    const QString title = ui::fromFileText(
        storyTitle(m_prepared->code, Program::Zan, parseCatalogueRows(m_prepared->catalogueLine))
            .title);
    setPrepared(nullptr);
    reload();
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (m_list->topLevelItem(i)->text(2) == file)
            m_list->setCurrentItem(m_list->topLevelItem(i));
    }
    m_status->setText(
        tr("The story \"%1\" (%2) is kept: Zan lists it under File > Open.").arg(title, file));
    m_list->setFocus();
}

void StoriesPage::discard() {
    if (!m_prepared) return;
    setPrepared(nullptr);
    m_status->setText(tr("The story was discarded. Nothing was written."));
}

void StoriesPage::setPrepared(std::unique_ptr<admin::PreparedStory> prepared) {
    m_prepared = std::move(prepared);
    if (m_prepared) {
        const auto catalogue = parseCatalogueRows(m_prepared->catalogueLine);
        m_preview->setStory(m_prepared->story, m_prepared->bitmaps,
                            storyTitle(m_prepared->code, Program::Zan, catalogue));
    } else {
        m_preview->clear();
    }
    m_previewBox->setEnabled(m_prepared != nullptr);
    showPage(m_preview->page());
}

void StoriesPage::showPage(int page) {
    m_preview->setPage(page);
    const int count = m_preview->pageCount();
    m_pageLabel->setText(count ? tr("Page %1 of %2").arg(m_preview->page()).arg(count)
                               : tr("Make a story to see its pages here."));
    m_previous->setEnabled(m_preview->page() > 1);
    m_next->setEnabled(m_preview->page() < count);
}

}  // namespace kz::desk
