#include "activity_window.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolButton>

#include "dialogs.h"
#include "kiv/word_activity.h"
#include "press_button.h"
#include "qt_text.h"
#include "session/app_state.h"
#include "session/startup.h"
#include "svg_art.h"
#include "twips.h"
#include "window_style.h"

static void registerKivArt() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(kiv_art);
        return true;
    }();
    (void)registered;
}

namespace kz::ui {

namespace {

QString padResource(PadPicture picture) {
    switch (picture) {
        case PadPicture::Sitting:
            return ":/kiv/frog_sit.svg";
        case PadPicture::Missed:
            return ":/kiv/frog_missed.svg";
        case PadPicture::Winning:
            return ":/kiv/frog_win.svg";
        case PadPicture::Empty:
            break;
    }
    return ":/kiv/frog_pad.svg";
}

QColor textColour(TextColour colour) { return colour == TextColour::Red ? Qt::red : Qt::black; }

void setTextColour(QWidget* widget, TextColour colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, textColour(colour));
    p.setColor(QPalette::Text, textColour(colour));
    widget->setPalette(p);
}

QFrame* panel(QWidget* parent, const char* name, QColor fill, QColor border) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setStyleSheet(QString("QFrame#%1 { background: %2; border: 1px solid %3; }")
                         .arg(name, fill.name(), border.name()));
    return f;
}

}  // namespace

void ChoiceLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    emit clicked();
}

void AnswerBox::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        event->accept();  // the box keeps the keys while a word is typed
        return;
    }
    if (text.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        event->ignore();  // menus and access keys; nothing that edits
        return;
    }
    typeCharacters(text.left(1));
    event->accept();
}

void AnswerBox::typeCharacters(const QString& text) {
    // The filter judges Windows-1252 codes, as the words are held: œ is 156 there, not U+0153.
    for (const QChar c : text) {
        const auto code = toFileText(QString(c));
        const int byte = code && code->size() == 1 ? static_cast<unsigned char>((*code)[0]) : 0;
        if (const auto letter = filter ? filter(byte) : std::nullopt)
            insert(fromFileText(std::string_view(&*letter, 1)));
    }
}

void AnswerBox::inputMethodEvent(QInputMethodEvent* event) {
    // Only what the input method commits counts; what it is still composing is not shown, as
    // the box holds letters the child has typed and nothing else.
    typeCharacters(event->commitString());
    event->accept();
}

bool AnswerBox::focusNextPrevChild(bool) {
    // Tab would take the focus to See, after which the child's letters go nowhere.
    return true;
}

void AnswerBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    emit clickedOrFocused();
}

void AnswerBox::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button's release would paste the selection: text nobody typed, judged as a
    // wrong answer. Only keys typed reach the box.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void AnswerBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit clickedOrFocused();
}

ActivityWindow::ActivityWindow(AppState& state, ProgramPorts& ports, Hooks hooks, QWidget* parent)
    : QWidget(parent), m_state(state), m_ports(ports), m_hooks(std::move(hooks)) {
    registerKivArt();
    setObjectName("frmKiv");
    setFocusPolicy(Qt::StrongFocus);
    setFont(fontAt("Arial", 24 * state.scale, false, this));
    m_scales = {state.scaleX, state.scaleY, state.scale};
    m_activity = std::make_unique<WordActivity>(state, ports, *this);
    buildControls();
    buildMenus();
}

ActivityWindow::~ActivityWindow() {
    // The controls outlive the activity by a moment while the window is taken down: nothing
    // they signal then may reach it.
    for (QObject* child : children()) child->disconnect(this);
}

bool ActivityWindow::start() {
    const bool found = m_activity->open(m_scales);
    layoutActivity();
    takeFocus();
    return found;
}

void ActivityWindow::takeFocus() {
    // The keys reach the window (1 to 4 for the choices) or the answer box from the start.
    if (m_activity->answerStyle() == 1)
        focusAnswerBox();
    else
        setFocus();
}

void ActivityWindow::buildControls() {
    setAutoFillBackground(true);
    setWindowColours(this, Qt::white, Qt::black);
    m_lake = new QLabel(this);
    m_lake->setObjectName("lake");
    m_lake->setScaledContents(true);
    m_yellow = panel(this, "shpyellow", QColor(255, 255, 0), QColor(255, 255, 0));
    m_margin = panel(this, "shpMargin", QColor(128, 128, 128), QColor(64, 64, 64));
    m_marginLine = panel(this, "linMargin", QColor(64, 64, 64), QColor(64, 64, 64));
    m_word = new QLabel(this);
    m_word->setObjectName("lbl_word");
    m_word->setAlignment(Qt::AlignCenter);
    m_word->setStyleSheet("QLabel { background: white; color: black; }");
    m_word->hide();  // shown by a question; with no list loaded there is none
    m_txt = new AnswerBox;
    m_txt->setParent(this);
    m_txt->setObjectName("txt");
    m_txt->setContextMenuPolicy(Qt::NoContextMenu);
    m_txt->setAcceptDrops(false);
    m_txt->setAlignment(Qt::AlignCenter);
    m_txt->filter = [this](int code) { return m_activity->answerKey(code); };
    m_txt->hide();
    connect(m_txt, &QLineEdit::textChanged, this, &ActivityWindow::answerTextEdited);
    connect(m_txt, &AnswerBox::clickedOrFocused, this, [this] { m_activity->answerBoxClicked(); });
    for (int j = 1; j <= 4; ++j) {
        auto* label = new ChoiceLabel;
        label->setParent(this);
        label->setObjectName(QString("lbl_choice%1").arg(j));
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        QPalette p = label->palette();
        p.setColor(QPalette::Window, QColor(0, 255, 255));
        label->setPalette(p);
        label->hide();
        connect(label, &ChoiceLabel::clicked, this, [this, j] { m_activity->choiceClicked(j); });
        m_choices[j - 1] = label;
    }
    auto button = [this](const char* name, void (WordActivity::*command)()) {
        auto* b = new PressButton(this);
        b->setObjectName(name);
        b->setStyleSheet("QToolButton { background: rgb(192,192,192); }");
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setFocusPolicy(Qt::StrongFocus);
        b->hide();
        connect(b, &QToolButton::clicked, this,
                [this, command] { (m_activity.get()->*command)(); });
        return b;
    };
    m_see = button("cmdSee", &WordActivity::see);
    m_hear = button("cmdHear", &WordActivity::hear);
    m_next = button("cmdNext", &WordActivity::next);
    m_frogJump = new QLabel(this);
    m_frogJump->setObjectName("imgFrogjmp");
    m_frogJump->hide();
}

void ActivityWindow::place(QWidget* widget, const TwipRect& r) {
    // The edges are rounded, not the size: controls that meet in the design (the choice labels,
    // the buttons) meet on the screen, without a hairline between them at any size.
    const int left = twipsToPixels(r.left, this);
    const int top = twipsToPixels(r.top, this);
    const int right = twipsToPixels(static_cast<double>(r.left) + r.width, this);
    const int bottom = twipsToPixels(static_cast<double>(r.top) + r.height, this);
    widget->setGeometry(left, top, std::max(1, right - left), std::max(1, bottom - top));
}

void ActivityWindow::setPicture(QLabel* label, const QString& resource) {
    label->setPixmap(svgPixmap(resource, label->size(), this));
}

void ActivityWindow::layoutActivity() {
    const int tpp = static_cast<int>(twipsPerPixel(this));
    const int widthTwips = static_cast<int>(pixelsToTwips(width(), this));
    const ActivityLayout l = kz::layoutActivity(m_scales, m_activity->padCount(), widthTwips, tpp);
    place(m_margin, l.margin);
    place(m_marginLine, {l.margin.width, 0, tpp, l.margin.height});
    place(m_yellow, l.yellow);
    place(m_see, l.see);
    place(m_hear, l.hear);
    place(m_next, l.next);
    place(m_word, l.word);
    place(m_lake, l.lake);
    setPicture(m_lake, ":/kiv/lake.svg");
    m_lake->setVisible(!l.pads.empty());
    for (size_t i = 0; i < m_pads.size() && i < l.pads.size(); ++i) {
        place(m_pads[i], l.pads[i]);
        setPicture(m_pads[i], padResource(m_padPictures[i]));
    }
    m_word->setFont(fontAt("Arial", l.wordFontPt, true, this));
    m_txt->setFont(fontAt("Arial", l.wordFontPt, false, this));
    for (auto* c : m_choices) c->setFont(fontAt("Arial", l.choiceFontPt, true, this));
    setFont(fontAt("Arial", l.windowFontPt, false, this));
    const struct {
        QToolButton* button;
        const char* caption;
        const char* picture;
        const char* key;
    } buttons[] = {{m_see, QT_TR_NOOP("&See"), ":/kiv/button_see.svg", "Alt+S"},
                   {m_hear, QT_TR_NOOP("&Hear"), ":/kiv/button_hear.svg", "Alt+H"},
                   {m_next, QT_TR_NOOP("&Next"), ":/kiv/button_next.svg", "Alt+N"}};
    for (const auto& b : buttons) {
        // Big pictures with captions; small ones alone, the access key kept all the same.
        b.button->setText(l.bigButtons ? tr(b.caption) : QString());
        b.button->setFont(fontAt("Arial", 12 * m_scales.s, false, this));
        const int side = l.bigButtons
                             ? std::min({96, b.button->width() - 8, b.button->height() * 3 / 5})
                             : std::min({48, b.button->width() - 8, b.button->height() - 8});
        b.button->setIcon(QIcon(svgPixmap(b.picture, QSize(side, side), this)));
        b.button->setIconSize(QSize(side, side));
        if (!l.bigButtons) b.button->setShortcut(QKeySequence(b.key));
    }
    if (m_frogJumpFrom >= 0) showFrogJump(m_frogJumpFrom);
    placeAnswerControls();
}

void ActivityWindow::placeAnswerControls() {
    place(m_txt, answerBoxRect(m_answerWidth, m_scales));
    for (int j = 1; j <= 4; ++j) place(m_choices[j - 1], choiceRect(j, m_answerWidth, m_scales));
}

void ActivityWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_shape.reshape(m_hooks.frame ? m_hooks.frame() : nullptr)) return;
    const ScaleFactors f =
        scaleFactors(pixelsToTwips(width(), this), pixelsToTwips(height(), this));
    m_state.scaleX = f.x;
    m_state.scaleY = f.y;
    m_state.scale = f.scale;
    m_scales = {f.x, f.y, f.scale};
    m_activity->setScales(m_scales);
    layoutActivity();
}

void ActivityWindow::keyPressEvent(QKeyEvent* event) {
    // The keys 1 to 4 choose the labels from the top, as a click would.
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_4 && !(event->modifiers() & ~Qt::KeypadModifier)) {
        m_activity->choiceClicked(key - Qt::Key_0);
        return;
    }
    QWidget::keyPressEvent(event);
}

void ActivityWindow::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    takeFocus();
}

void ActivityWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    takeFocus();
}

void ActivityWindow::setCaption(std::string_view title) { setWindowTitle(fromFileText(title)); }

void ActivityWindow::setPadCount(int padCount) {
    for (QLabel* pad : m_pads) delete pad;
    m_pads.clear();
    m_padPictures.clear();
    if (padCount <= 1) return;
    for (int i = 0; i <= padCount; ++i) {
        auto* pad = new QLabel(this);
        pad->setObjectName(QString("imgPad%1").arg(i));
        pad->show();
        m_pads.push_back(pad);
        m_padPictures.push_back(PadPicture::Empty);
    }
    m_frogJump->raise();
    layoutActivity();
}

void ActivityWindow::setPadPicture(int pad, PadPicture picture) {
    if (pad < 0 || pad >= static_cast<int>(m_pads.size())) return;
    m_padPictures[pad] = picture;
    setPicture(m_pads[pad], padResource(picture));
    m_pads[pad]->setProperty("picture", static_cast<int>(picture));
}

void ActivityWindow::showFrogJump(int fromPad) {
    m_frogJumpFrom = fromPad;
    place(m_frogJump, frogJumpRect(fromPad, m_activity->padCount(), m_scales));
    setPicture(m_frogJump, ":/kiv/frog_jump.svg");
    m_frogJump->raise();
    m_frogJump->show();
}

void ActivityWindow::hideFrogJump() {
    m_frogJumpFrom = -1;
    m_frogJump->hide();
}

void ActivityWindow::setWord(std::string_view word) { m_word->setText(fromFileText(word)); }

void ActivityWindow::showWord(bool visible) { m_word->setVisible(visible); }

void ActivityWindow::setAnswerWidth(int answerWidth) {
    m_answerWidth = answerWidth;
    placeAnswerControls();
}

void ActivityWindow::showChoice(int j, std::string_view text) {
    ChoiceLabel* label = m_choices.at(j - 1);
    label->setText(fromFileText(text));
    setTextColour(label, TextColour::Black);
    label->show();
}

void ActivityWindow::setChoiceColour(int j, TextColour colour) {
    setTextColour(m_choices.at(j - 1), colour);
}

void ActivityWindow::hideChoice(int j) { m_choices.at(j - 1)->hide(); }

void ActivityWindow::showAnswerBox(bool visible) { m_txt->setVisible(visible); }

void ActivityWindow::setAnswerText(std::string_view text, TextColour colour) {
    const QString t = fromFileText(text);
    if (m_txt->text() != t) {
        m_settingText = true;
        m_txt->setText(t);
        m_settingText = false;
    }
    m_txt->setCursorPosition(static_cast<int>(t.size()));
    setTextColour(m_txt, colour);
}

void ActivityWindow::answerTextEdited(const QString& text) {
    if (m_settingText) return;
    m_activity->answerTextChanged(toFileText(text).value_or(std::string()));
}

void ActivityWindow::showButton(KivButton button, bool visible) {
    QToolButton* b = button == KivButton::See ? m_see : button == KivButton::Hear ? m_hear : m_next;
    b->setVisible(visible);
}

void ActivityWindow::focusAnswerBox() {
    if (!m_txt->isHidden()) m_txt->setFocus();
}

void ActivityWindow::focusNext() {
    if (!m_next->isHidden()) m_next->setFocus();
}

std::string ActivityWindow::chooseWordList(std::string_view folder, std::string_view pattern,
                                           std::string_view currentFile) {
    const ChooserChoice choice =
        runChooserDialog(window(), {"NO", std::string(folder), std::string(pattern),
                                    std::string(currentFile), Program::Kiv, m_state.dataDir});
    update();
    return choice.fileName;
}

}  // namespace kz::ui
