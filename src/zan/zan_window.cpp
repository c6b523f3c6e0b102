#include "zan_window.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolButton>
#include <algorithm>

#include "dialogs.h"
#include "fatal.h"
#include "files/paths.h"
#include "help_window.h"
#include "main_frame.h"
#include "press_button.h"
#include "qt_text.h"
#include "session/app_state.h"
#include "startup_window.h"
#include "svg_art.h"
#include "twips.h"
#include "ui_host.h"
#include "window_style.h"

namespace kz::zan {
namespace {

const QColor kCyan(0, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kButtonFace(192, 192, 192);

struct ButtonInfo {
    const char* name;
    const char* caption;
    const char* art;
};
constexpr ButtonInfo kButtonInfo[5] = {
    {"cmdHear", QT_TRANSLATE_NOOP("kz::zan::ZanWindow", "&Hear"), ":/zan/button_hear.svg"},
    {"cmdBook", QT_TRANSLATE_NOOP("kz::zan::ZanWindow", "&Book"), ":/zan/button_book.svg"},
    {"cmdBack", QT_TRANSLATE_NOOP("kz::zan::ZanWindow", "&Back"), ":/zan/button_back.svg"},
    {"cmdNext", QT_TRANSLATE_NOOP("kz::zan::ZanWindow", "&Next"), ":/zan/button_next.svg"},
    {"cmdRestart", QT_TRANSLATE_NOOP("kz::zan::ZanWindow", "&Start"), ":/zan/button_start.svg"},
};

// A picture file read by its content; the palette .DIB only when told it is a bitmap.
QPixmap readPicture(const std::string& path, const char* format = nullptr) {
    QImageReader reader(QString::fromStdString(resolvePath(path)), format);
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

void setColours(QWidget* widget, QColor background, QColor text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* makeLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setContentsMargins(0, 0, 0, 0);
    label->setIndent(0);
    setColours(label, Qt::white, Qt::black);
    label->hide();
    return label;
}

}  // namespace

std::optional<int> WordListBox::selectedEntry() const {
    const auto items = selectedItems();
    if (items.isEmpty()) return std::nullopt;
    return row(items.first());
}

void WordListBox::mousePressEvent(QMouseEvent* event) {
    // Any button chooses, as a press of any button does on the desktop this was made for: the
    // entry under the pointer is selected and chosen, whichever button a small hand found.
    QListWidget::mousePressEvent(event);
    if (QListWidgetItem* under = itemAt(event->position().toPoint())) {
        if (!under->isSelected()) setCurrentItem(under);
    }
    emit chosen(selectedEntry());
}

void WordListBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            // The entry with the keyboard focus is chosen as a click on it would choose it.
            if (!selectedEntry() && currentRow() >= 0) setCurrentRow(currentRow());
            emit chosen(selectedEntry());
            return;
        default:
            QListWidget::keyPressEvent(event);
    }
}

ZanWindow::ZanWindow(ui::MainFrame& frame, ProgramPorts& ports, std::function<void()> openSettings)
    : m_frame(frame), m_openSettings(std::move(openSettings)) {
    setObjectName("frmZan");
    setColours(this, Qt::white, Qt::black);
    buildControls();
    buildMenus();
    ReaderDisplay display;
    display.twipsPerPixel = ui::twipsPerPixel(&frame);
    display.colourDepth = screen() ? screen()->depth() : 32;
    const QSize client = frame.centralWidget() ? frame.centralWidget()->size() : frame.size();
    display.width = static_cast<int>(ui::pixelsToTwips(client.width(), &frame));
    display.height = static_cast<int>(ui::pixelsToTwips(client.height(), &frame));
    ZanView& view = *this;
    m_reader = std::make_unique<StoryReader>(frame.state(), ports, view, display);
}

ZanWindow::~ZanWindow() { qDeleteAll(m_menus); }

void ZanWindow::buildControls() {
    m_margin = new QFrame(this);
    m_margin->setObjectName("shpMargin");
    setColours(m_margin, QColor(255, 255, 224), Qt::black);
    m_marginLine = new QFrame(this);
    m_marginLine->setObjectName("linMargin");
    setColours(m_marginLine, Qt::black, Qt::black);
    for (int i = 0; i < 5; ++i) {
        auto* b = new ui::PressButton(this);
        b->setObjectName(kButtonInfo[i].name);
        b->setText(tr(kButtonInfo[i].caption));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setFont(ui::fontAt("Arial", 8.25, true, this));
        QPalette palette = b->palette();
        palette.setColor(QPalette::Button, kButtonFace);
        palette.setColor(QPalette::ButtonText, Qt::black);
        b->setPalette(palette);
        b->setAutoFillBackground(true);
        m_buttons[static_cast<size_t>(i)] = b;
    }
    connect(button(ZanButton::Hear), &QToolButton::clicked, this,
            [this] { m_reader->cmdHearClick(); });
    connect(button(ZanButton::Next), &QToolButton::clicked, this,
            [this] { m_reader->cmdNextClick(); });
    connect(button(ZanButton::Back), &QToolButton::clicked, this,
            [this] { m_reader->cmdBackClick(); });
    connect(button(ZanButton::Restart), &QToolButton::clicked, this,
            [this] { m_reader->cmdRestartClick(); });
    connect(button(ZanButton::Book), &QToolButton::clicked, this, &ZanWindow::fileOpen);

    m_wordList = new WordListBox(this);
    m_wordList->setObjectName("Wordlist");
    m_wordList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_wordList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_wordList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setColours(m_wordList, kCyan, Qt::black);
    m_wordList->hide();
    connect(m_wordList, &WordListBox::chosen, this,
            [this](std::optional<int> entry) { m_reader->wordlistMouseDown(entry); });

    m_credits = makeLabel(this, "lblcredits");
    m_credits->setWordWrap(true);
    m_palette = new QLabel(this);
    m_palette->setObjectName("DIBholder");
    m_palette->setScaledContents(true);
    m_palette->hide();
}

void ZanWindow::buildMenus() {
    auto* file = new QMenu(tr("&File"));
    file->setObjectName("mnuFile");
    m_open = file->addAction(tr("&Open"), this, &ZanWindow::fileOpen);
    m_open->setObjectName("mnuFileOpen");
    file->addSeparator()->setObjectName("mnuBlank");
    file->addAction(tr("E&xit"), &m_frame, &QWidget::close)->setObjectName("mnuExit");
    // The buttons have Alt+H (Hear) and Alt+S (Start): a menu sharing a key would leave both
    // doing nothing, so the menus take other letters.
    auto* settings = new QMenu(tr("Se&ttings"));
    settings->setObjectName("mnuSettingsHead");
    settings->addAction(tr("&Alter the settings"), this, &ZanWindow::alterSettings)
        ->setObjectName("mnuSettings");
    auto* help = new QMenu(tr("Hel&p"));
    help->setObjectName("mnuHelp");
    help->addAction(tr("&Contents"), this, [this] { m_frame.help().showContents(); })
        ->setObjectName("mnuHelpContents");
    help->addAction(tr("&Search for Help on..."), this, [this] { m_frame.help().showSearch(); })
        ->setObjectName("mnuHelpSearch");
    help->addSeparator()->setObjectName("mnuHelpBlank");
    help->addAction(tr("&About WQ Story Books..."), this, [this] { ui::showAbout(&m_frame); })
        ->setObjectName("mnuHelpAbout");
    m_menus = {file, settings, help};
}

void ZanWindow::start() {
    m_started = true;
    m_reader->load();
}

void ZanWindow::fileOpen() {
    if (!m_reader->canOpenStories()) return;
    AppState& state = m_frame.state();
    std::string data = "DATA";
    const ui::ChooserChoice choice = ui::runChooserDialog(
        &m_frame, {std::string(kOpenStoryRequest), joinPath(state.dataDir, data), "*.DAT",
                   m_reader->storyCode(), Program::Zan, state.dataDir});
    repaint();
    if (choice.fileName.empty()) return;
    m_reader->openStory(choice.fileName);
}

void ZanWindow::alterSettings() {
    if (!ui::checkSettingsPassword(&m_frame, m_frame.state(), m_frame.host())) return;
    if (m_openSettings) m_openSettings();
}

QRect ZanWindow::pixels(const TwipRect& r) const {
    return {ui::twipsToPixels(r.left, this), ui::twipsToPixels(r.top, this),
            ui::twipsToPixels(r.width, this), ui::twipsToPixels(r.height, this)};
}

void ZanWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_started) applySize();
}

void ZanWindow::applySize() {
    QWidget* main = window();
    if (m_shape.reshape(main)) return;
    if (main->windowState() & Qt::WindowMinimized) return;
    m_reader->resize(static_cast<int>(ui::pixelsToTwips(width(), this)),
                     static_cast<int>(ui::pixelsToTwips(height(), this)));
}

void ZanWindow::setWindowCaption(std::string_view title) {
    setWindowTitle(ui::fromFileText(title));
}

void ZanWindow::setOpenEnabled(bool enabled) { m_open->setEnabled(enabled); }

void ZanWindow::placeControls(const ControlsLayout& layout) {
    const QRect margin = pixels(layout.margin);
    m_margin->setGeometry(margin);
    m_marginLine->setGeometry(margin.right(), 0, 1, margin.height());
    m_bigImages = layout.bigImages;
    for (int i = 0; i < 5; ++i) {
        QToolButton* b = m_buttons[static_cast<size_t>(i)];
        const QRect place = pixels(layout.buttons[i]);
        b->setGeometry(place);
        // The large or the small image set: the picture fills more or less of the face.
        const double share = layout.bigImages ? 0.75 : 0.5;
        const int side = std::max(
            8, static_cast<int>(std::min(place.width() * share, (place.height() - 20) * share)));
        b->setIconSize({side, side});
        b->setIcon(QIcon(ui::svgPixmap(kButtonInfo[i].art, {side, side}, b)));
    }
}

void ZanWindow::showMargin() {
    m_margin->show();
    m_marginLine->show();
    m_margin->lower();
}

void ZanWindow::setButtonVisible(ZanButton b, bool visible) {
    button(b)->setVisible(visible);
    if (!visible) button(b)->repaint();
}

void ZanWindow::focusButton(ZanButton b) {
    if (button(b)->isVisible()) button(b)->setFocus();
}

void ZanWindow::prepareSlots(int pictureSlots, int textSlots, const FontSpec& textFont) {
    m_textFont = textFont;
    qDeleteAll(m_texts);
    qDeleteAll(m_pictures);
    m_texts.clear();
    m_pictures.clear();
    m_pictureImages.assign(static_cast<size_t>(std::max(pictureSlots, 0)), QPixmap());
    for (int i = 1; i <= pictureSlots; ++i) {
        QLabel* picture = makeLabel(this, QString("picframe%1").arg(i));
        picture->setAutoFillBackground(false);
        m_pictures.push_back(picture);
    }
    for (int i = 1; i <= textSlots; ++i)
        m_texts.push_back(makeLabel(this, QString("Label%1").arg(i)));
    m_wordList->raise();
}

void ZanWindow::placeTextSlot(int slot, const TwipRect& rect, double pointSize, bool visible) {
    if (slot < 1 || slot > static_cast<int>(m_texts.size())) return;
    QLabel* label = m_texts[static_cast<size_t>(slot - 1)];
    QFont font = ui::fontAt(m_textFont.family.c_str(), pointSize, m_textFont.bold, this);
    font.setItalic(m_textFont.italic);
    label->setFont(font);
    if (visible) label->setGeometry(pixels(rect));
    label->setVisible(visible);
}

void ZanWindow::setTextCaption(int slot, std::string_view text) {
    if (slot < 1 || slot > static_cast<int>(m_texts.size())) return;
    m_texts[static_cast<size_t>(slot - 1)]->setText(ui::fromFileText(text));
}

void ZanWindow::setCredits(std::string_view text) {
    m_credits->setText(ui::fromFileText(text).replace("\r\n", "\n"));
}

void ZanWindow::placeCredits(const TwipRect& rect, double pointSize, bool visible) {
    m_credits->setFont(ui::fontAt("Arial", pointSize, false, this));
    m_credits->setGeometry(pixels(rect));
    m_credits->setVisible(visible);
}

void ZanWindow::hidePicture(int slot) {
    if (slot >= 1 && slot <= static_cast<int>(m_pictures.size()))
        m_pictures[static_cast<size_t>(slot - 1)]->hide();
}

bool ZanWindow::loadPicture(int slot, const std::string& path) {
    if (slot < 1 || slot > static_cast<int>(m_pictures.size())) return true;
    QPixmap picture = readPicture(path);
    if (picture.isNull()) return false;
    m_pictureImages[static_cast<size_t>(slot - 1)] = picture;
    m_pictures[static_cast<size_t>(slot - 1)]->setPixmap(picture);
    return true;
}

void ZanWindow::takePreloadedPicture(int slot) {
    if (slot < 1 || slot > static_cast<int>(m_pictures.size())) return;
    m_pictureImages[static_cast<size_t>(slot - 1)] = m_nextPicture;
    m_pictures[static_cast<size_t>(slot - 1)]->setPixmap(m_nextPicture);
}

void ZanWindow::placePicture(int slot, const TwipRect& rect, bool stretch) {
    if (slot < 1 || slot > static_cast<int>(m_pictures.size())) return;
    QLabel* label = m_pictures[static_cast<size_t>(slot - 1)];
    const QPixmap& picture = m_pictureImages[static_cast<size_t>(slot - 1)];
    label->setScaledContents(stretch);
    QRect place = pixels(rect);
    if (!stretch) place.setSize(picture.size() / picture.devicePixelRatio());
    label->setGeometry(place);
    label->show();
    label->lower();
    m_margin->lower();
}

bool ZanWindow::preloadPicture(const std::string& path) {
    m_nextPicture = readPicture(path);
    return !m_nextPicture.isNull();
}

bool ZanWindow::loadPalette(const std::string& path) {
    const QPixmap palette = readPicture(path, "BMP");
    m_palette->setPixmap(palette);
    m_palette->setGeometry(0, 0, 1, 1);
    return !palette.isNull();
}

void ZanWindow::setWordEntries(const std::vector<std::string>& entries) {
    bool sameList = m_wordList->count() == static_cast<int>(entries.size());
    for (int i = 0; sameList && i < m_wordList->count(); ++i) {
        const QString text = ui::fromFileText(entries[static_cast<size_t>(i)]);
        sameList = text.isEmpty() || text == m_wordList->item(i)->text();
    }
    if (sameList) {
        // The same phrase with an entry emptied: the selection stays where it is.
        for (int i = 0; i < m_wordList->count(); ++i)
            m_wordList->item(i)->setText(ui::fromFileText(entries[static_cast<size_t>(i)]));
        return;
    }
    m_wordList->clear();
    for (const auto& entry : entries) m_wordList->addItem(ui::fromFileText(entry));
}

void ZanWindow::placeWordList(const WordListLayout& layout) {
    m_wordList->setFont(ui::fontAt("Arial", layout.pointSize, true, this));
    m_wordList->setGeometry(pixels(layout.rect));
}

void ZanWindow::setWordListVisible(bool visible) {
    m_wordList->setVisible(visible);
    if (visible) {
        m_wordList->raise();
        m_wordList->setFocus();
    }
}

void ZanWindow::clearWordSelection() { m_wordList->clearSelection(); }

void ZanWindow::setWordListFlash(bool red) {
    setColours(m_wordList, red ? kRed : kCyan, Qt::black);
}

void ZanWindow::fatalError(const FatalError& error) { ui::fatalError(error); }

}  // namespace kz::zan
