#include "word_lists_page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include "admin_common.h"
#include "audio_capture.h"
#include "audio_output.h"
#include "desk_class.h"
#include "files/cp1252.h"
#include "files/file_stem.h"
#include "files/paths.h"
#include "files/story_catalogue.h"
#include "files/text.h"
#include "files/wave_trim.h"
#include "files/word_list.h"
#include "narrow_layouts.h"
#include "qt_text.h"
#include "session/chooser.h"
#include "word_list_edit.h"
#include "word_recordings.h"

namespace kz::desk {
namespace {

admin::Installation installation(const DeskClass& c) { return {c.appDir(), c.dataDir()}; }

QString fromUtf8(const std::string& s) { return QString::fromStdString(s); }

// The fields of the words box as the loader would read them: split at line ends and commas,
// trimmed, blank ones left out.
std::vector<std::string> splitWords(const QString& text) {
    std::vector<std::string> words;
    for (const auto& line : text.split(QRegularExpression("[\\n,]"))) {
        const QString word = line.trimmed();
        if (!word.isEmpty()) words.push_back(word.toStdString());
    }
    return words;
}

}  // namespace

WordListsPage::WordListsPage(DeskClass& deskClass, QWidget* parent)
    : QWidget(parent),
      m_class(deskClass),
      m_lists(new QListWidget(this)),
      m_new(new QPushButton(tr("&New list"), this)),
      m_title(new QLineEdit(this)),
      m_fileLabel(new QLabel(this)),
      m_words(new QPlainTextEdit(this)),
      m_save(new QPushButton(tr("S&ave list"), this)),
      m_sounds(new QListWidget(this)),
      m_voice(new QComboBox(this)),
      m_speed(new QSpinBox(this)),
      m_speak(new QPushButton(tr("Make with &espeak-ng"), this)),
      m_record(new QPushButton(tr("&Record"), this)),
      m_hear(new QPushButton(tr("&Hear"), this)),
      m_keep(new QPushButton(tr("&Keep"), this)),
      m_status(new QLabel(this)),
      m_level(new QTimer(this)),
      m_capture(std::make_unique<AudioCapture>()) {
    setObjectName("WordListsPage");
    buildLayout();
    connect(m_lists, &QListWidget::currentRowChanged, this, &WordListsPage::showList);
    connect(m_new, &QPushButton::clicked, this, &WordListsPage::newList);
    connect(m_save, &QPushButton::clicked, this, &WordListsPage::saveList);
    connect(m_words, &QPlainTextEdit::textChanged, this, &WordListsPage::showWords);
    connect(m_sounds, &QListWidget::currentRowChanged, this, &WordListsPage::updateButtons);
    connect(m_speak, &QPushButton::clicked, this, &WordListsPage::makeWithSpeech);
    connect(m_record, &QPushButton::clicked, this, &WordListsPage::toggleRecording);
    connect(m_hear, &QPushButton::clicked, this, &WordListsPage::hear);
    connect(m_keep, &QPushButton::clicked, this, &WordListsPage::keep);
    connect(&m_class, &DeskClass::filesChanged, this, &WordListsPage::reload);
    m_level->setInterval(100);
    connect(m_level, &QTimer::timeout, this, [this] {
        m_status->setText(
            tr("Recording \"%1\": %2 s. Press Stop recording when the word is said.")
                .arg(m_recordingWord)
                .arg(double(m_capture->recordedFrames()) / AudioCapture::kCaptureRate, 0, 'f', 1));
    });
    reload();
}

WordListsPage::~WordListsPage() = default;

void WordListsPage::buildLayout() {
    auto* listsLabel = new QLabel(tr("&Lists"), this);
    listsLabel->setBuddy(m_lists);
    m_lists->setObjectName("lists");
    m_lists->setAccessibleName(tr("Word lists"));
    m_new->setObjectName("new");
    m_new->setAccessibleName(tr("New list"));
    auto* listsColumn = new QWidget(this);
    auto* left = new QVBoxLayout(listsColumn);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(listsLabel);
    left->addWidget(m_lists, 1);
    left->addWidget(m_new);

    auto* editor = new QGroupBox(tr("The list"), this);
    auto* form = new QFormLayout;
    // Labels above their fields: the words box keeps the group's whole width, in any language.
    form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_title->setObjectName("title");
    m_title->setAccessibleName(tr("Title"));
    m_title->setMaxLength(int(admin::kMaxListTitle) + 20);  // longer text gets the message
    m_words->setObjectName("words");
    m_words->setAccessibleName(tr("Words, one a line"));
    m_words->setTabChangesFocus(true);
    m_save->setObjectName("save");
    m_save->setAccessibleName(tr("Save list"));
    m_fileLabel->setAccessibleName(tr("File"));
    // A long class path must not widen the page past a small screen: it wraps after a folder.
    m_fileLabel->setWordWrap(true);
    m_fileLabel->setTextFormat(Qt::PlainText);
    form->addRow(tr("T&itle:"), m_title);
    form->addRow(tr("File:"), m_fileLabel);
    form->addRow(tr("W&ords (one a line):"), m_words);
    form->addRow(QString(), m_save);
    editor->setLayout(form);

    auto* sounds = new QGroupBox(tr("Recordings"), this);
    auto* soundsBox = new QVBoxLayout;
    auto* soundsLabel = new QLabel(tr("Recor&dings of the words:"), this);
    soundsLabel->setBuddy(m_sounds);
    m_sounds->setObjectName("sounds");
    m_sounds->setAccessibleName(tr("Recordings of the words"));
    m_voice->setObjectName("voice");
    m_voice->setEditable(true);
    m_voice->addItems({"en-gb", "en-us", "en-gb-scotland", "fr", "es", "de", "it", "nl"});
    // The class's own language speaks first: a French class hears French without choosing it.
    m_voice->setCurrentText(QString::fromStdString(admin::classVoice(m_class.appDir())));
    m_voice->setAccessibleName(tr("espeak-ng voice"));
    m_speed->setObjectName("speed");
    m_speed->setRange(80, 450);
    m_speed->setValue(admin::SpeechVoice{}.wordsPerMinute);
    m_speed->setAccessibleName(tr("Speed in words a minute"));
    auto* voiceLabel = new QLabel(tr("&Voice:"), this);
    voiceLabel->setBuddy(m_voice);
    auto* speedLabel = new QLabel(tr("Speed (words a &minute):"), this);
    speedLabel->setBuddy(m_speed);
    auto* voiceRows = new QFormLayout;
    // A long label goes above its field rather than pushing the field out of the group.
    voiceRows->setRowWrapPolicy(QFormLayout::WrapLongRows);
    voiceRows->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    voiceRows->addRow(voiceLabel, m_voice);
    voiceRows->addRow(speedLabel, m_speed);
    m_speak->setObjectName("speak");
    m_record->setObjectName("record");
    m_hear->setObjectName("hear");
    m_keep->setObjectName("keep");
    m_speak->setAccessibleName(tr("Make with espeak-ng"));
    m_record->setAccessibleName(tr("Record with the microphone"));
    m_hear->setAccessibleName(tr("Hear"));
    m_keep->setAccessibleName(tr("Keep the recording"));
    auto* buttons = new QGridLayout;
    buttons->addWidget(m_speak, 0, 0);
    buttons->addWidget(m_record, 0, 1);
    buttons->addWidget(m_hear, 1, 0);
    buttons->addWidget(m_keep, 1, 1);
    m_status->setObjectName("status");
    m_status->setWordWrap(true);
    m_status->setAccessibleName(tr("What happened"));
    soundsBox->addWidget(soundsLabel);
    soundsBox->addWidget(m_sounds, 1);
    soundsBox->addLayout(voiceRows);
    soundsBox->addLayout(buttons);
    soundsBox->addWidget(m_status);
    sounds->setLayout(soundsBox);

    // The lists, the list and its recordings side by side on a wide screen; on a narrow one the
    // recordings go below the other two, and on a narrower one everything stacks.
    m_lists->setMinimumWidth(m_lists->fontMetrics().horizontalAdvance("30 Sandcastles"));
    auto* listAndWords = new SideBySide(this);
    listAndWords->addWidget(listsColumn, 4);
    listAndWords->addWidget(editor, 5);
    auto* all = new SideBySide(this);
    all->addWidget(listAndWords, 9);
    all->addWidget(sounds, 5);
    auto* page = new QVBoxLayout(this);
    page->addWidget(all);
    setTabOrder(m_lists, m_new);
    setTabOrder(m_new, m_title);
    setTabOrder(m_title, m_words);
    setTabOrder(m_words, m_save);
    setTabOrder(m_save, m_sounds);
    setTabOrder(m_sounds, m_voice);
    setTabOrder(m_voice, m_speed);
    setTabOrder(m_speed, m_speak);
    setTabOrder(m_speak, m_record);
    setTabOrder(m_record, m_hear);
    setTabOrder(m_hear, m_keep);
}

void WordListsPage::reload() {
    const auto inst = installation(m_class);
    m_files.clear();
    const auto listed = chooserList(listFolder(joinPath(inst.dataDir, "WORDLIST"), "*.TXT"), "NO",
                                    m_name, Program::Kiv, readCatalogueFile(inst.dataDir));
    const QSignalBlocker blocker(m_lists);
    m_lists->clear();
    for (const auto& entry : listed.entries) {
        m_lists->addItem(ui::fromFileText(entry.title));
        m_files.push_back(wordListBaseName(entry.fileName));
    }
    if (listed.selected) m_lists->setCurrentRow(int(*listed.selected));
    // The words on screen follow the file unless the teacher has changed them (a save then asks).
    if (!m_name.empty() && typedWords() == m_savedWords && listed.selected) {
        const auto list = loadWordList(admin::wordListPath(inst, m_name));
        if (list.words != m_savedWords) showList(int(*listed.selected));
    }
    showWords();
}

void WordListsPage::showList(int row) {
    if (row < 0 || size_t(row) >= m_files.size()) return;
    const auto inst = installation(m_class);
    m_name = m_files[size_t(row)];
    const auto list = loadWordList(admin::wordListPath(inst, m_name));
    m_savedWords.clear();
    for (const auto& w : list.words) m_savedWords.push_back(cp1252ToUtf8(w));
    const bool ranged = admin::hasRangeTitle(m_name);
    m_title->setText(
        ui::fromFileText(storyTitle(m_name, Program::Kiv, readCatalogueFile(inst.dataDir)).title));
    m_title->setReadOnly(ranged);
    m_title->setToolTip(ranged ? tr("A list named by a book range is titled by it.") : QString());
    showFile(ui::fromFileText(shownPath(admin::wordListPath(inst, m_name))));
    QStringList lines;
    for (const auto& w : m_savedWords) lines << fromUtf8(w);
    m_words->setPlainText(lines.join('\n'));
    if (list.outcome != WordListOutcome::Loaded && list.outcome != WordListOutcome::TooFewWords)
        m_status->setText(
            tr("The activity cannot load this list as it is; saving it rewrites it."));
}

void WordListsPage::showFile(const QString& path) {
    // A line may break after each folder of the path (a zero-width space, not shown).
    QString breakable = path;
    breakable.replace('/', QStringLiteral("/\u200B")).replace('\\', QStringLiteral("\\\u200B"));
    m_fileLabel->setText(breakable);
    m_fileLabel->setAccessibleDescription(path);
    m_fileLabel->setToolTip(path);
}

void WordListsPage::newList() {
    const std::string name = admin::freeListName(installation(m_class));
    if (name.empty()) {
        warn(tr("Every list name this desk gives is taken: remove a list first."));
        return;
    }
    m_name = name;
    m_savedWords.clear();
    {
        const QSignalBlocker blocker(m_lists);
        m_lists->setCurrentRow(-1);
    }
    m_title->clear();
    m_title->setReadOnly(false);
    showFile(ui::fromFileText(shownPath(admin::wordListPath(installation(m_class), m_name))));
    m_words->clear();
    m_title->setFocus();
    m_status->setText(tr("A new list: give it a title and at least four words, then save it."));
}

std::vector<std::string> WordListsPage::typedWords() const {
    return splitWords(m_words->toPlainText());
}

void WordListsPage::saveList() {
    if (m_name.empty()) {
        warn(tr("Choose a list, or make a new one, first."));
        return;
    }
    const auto inst = installation(m_class);
    const auto words = typedWords();
    const std::string title = m_title->text().trimmed().toStdString();
    if (const auto problem = admin::checkWordList(m_name, title, words)) {
        warn(problemText(problem->kind, fromUtf8(problem->subject), int(problem->reason)));
        return;
    }
    // A list changed on disk since it was shown (another desk, an editor) is not overwritten
    // unasked.
    const auto onDisk = loadWordList(admin::wordListPath(inst, m_name));
    std::vector<std::string> diskWords;
    for (const auto& w : onDisk.words) diskWords.push_back(cp1252ToUtf8(w));
    if (onDisk.outcome != WordListOutcome::Failed && diskWords != m_savedWords) {
        const auto answer = m_messages.show(
            this, {tr("The list was changed on disk since it was shown here.\n\nReplace it with "
                      "the words shown here?"),
                   tr("Teacher's Desk"), MessageIcon::Question, MessageButtons::YesNo});
        if (answer != MessageAnswer::Yes) return;
    }
    if (const auto problem = admin::saveWordList(inst, m_name, title, words)) {
        const QString subject = problem->kind == admin::ListProblem::CannotWrite
                                    ? ui::fromFileText(shownPath(problem->subject))
                                    : fromUtf8(problem->subject);
        warn(problemText(problem->kind, subject, int(problem->reason)));
        return;
    }
    m_savedWords = words;
    m_status->setText(tr("Saved."));
    reload();
}

QString WordListsPage::problemText(int kind, const QString& subject, int reason) const {
    using P = admin::ListProblem;
    switch (P::Kind(kind)) {
        case P::BadName:
            return tr("The list name \"%1\" is not one the word activity offers.").arg(subject);
        case P::EmptyTitle:
            return tr("Give the list a title: the word activity shows it.");
        case P::TitleTooLong:
            return tr("The title is longer than %1 characters.").arg(admin::kMaxListTitle);
        case P::TitleNotStorable:
            return tr("The title \"%1\" holds a character the word activity cannot show.")
                .arg(subject);
        case P::WordNotStorable:
            return tr("The word \"%1\" holds a character the word activity cannot store.")
                .arg(subject);
        case P::WordSkipped:
            switch (SkipReason(reason)) {
                case SkipReason::TooShort:
                    return tr("The word \"%1\" is shorter than 3 letters, so the activity would "
                              "leave it out.")
                        .arg(subject);
                case SkipReason::TooLong:
                    return tr("The word \"%1\" is longer than 11 letters, so the activity would "
                              "leave it out.")
                        .arg(subject);
                case SkipReason::Comment:
                    return tr("The word \"%1\" starts with \"*\", which marks a comment, so the "
                              "activity would leave it out.")
                        .arg(subject);
                default:
                    return tr("The word \"%1\" holds something other than the letters A to Z "
                              "and the accented letters of French, Spanish and German, so the "
                              "activity would leave it out.")
                        .arg(subject);
            }
        case P::DuplicateWord:
            return tr("The word \"%1\" is in the list twice.").arg(subject);
        case P::TooFewWords:
            return tr("A list needs at least %1 words.").arg(kMinListWords);
        case P::TooManyWords:
            return tr("A list holds at most %1 words.").arg(kMaxListWords);
        case P::CannotWrite:
            return tr("The desk cannot write %1.").arg(subject);
    }
    return {};
}

void WordListsPage::showWords() {
    const QString current = selectedWord();
    const auto inst = installation(m_class);
    std::vector<std::string> words;
    for (const auto& w : typedWords()) {
        if (auto stored = ui::toFileText(fromUtf8(w)); stored && isListWord(*stored, true))
            words.push_back(*stored);
    }
    const QSignalBlocker blocker(m_sounds);
    m_sounds->clear();
    for (const auto& sound : admin::wordSounds(inst, words)) {
        const QString word = ui::fromFileText(sound.word);
        QString state;
        const auto pending = m_pending.find(toUpperCp1252(sound.word));
        if (pending != m_pending.end())
            state = tr("new, from %1: not kept yet").arg(pending->second.from);
        else if (sound.where == admin::Where::Nowhere)
            state = tr("no recording");
        else if (sound.where == admin::Where::InstallationDirectory &&
                 !sameDirectory(inst.appDir, inst.dataDir))
            // Played before the data folder's copy: a recording made here would not be heard.
            state = tr("recorded (installation folder)");
        else
            state = tr("recorded");
        auto* item = new QListWidgetItem(
            tr("%1  -  %2.WAV  -  %3").arg(word, ui::fromFileText(sound.stem), state), m_sounds);
        item->setData(Qt::UserRole, word);
        if (word == current) m_sounds->setCurrentItem(item);
    }
    updateButtons();
}

QString WordListsPage::selectedWord() const {
    const auto* item = m_sounds->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void WordListsPage::updateButtons() {
    const QString word = selectedWord();
    const bool recording = m_capture->isRecording();
    m_speak->setEnabled(!word.isEmpty() && !recording);
    m_record->setEnabled(!word.isEmpty() || recording);
    const bool pending =
        !word.isEmpty() && m_pending.count(toUpperCp1252(ui::toFileText(word).value_or(""))) > 0;
    m_hear->setEnabled(!word.isEmpty() && !recording);
    m_keep->setEnabled(pending && !recording);
}

void WordListsPage::makeWithSpeech() {
    const QString word = selectedWord();
    if (word.isEmpty()) return;
    if (!admin::speechProgramInstalled()) {
        warn(
            tr("espeak-ng is not installed, so no recording can be made with it. Install the "
               "package espeak-ng."));
        return;
    }
    admin::SpeechVoice voice;
    voice.name = m_voice->currentText().trimmed().toStdString();
    voice.wordsPerMinute = m_speed->value();
    const std::string stored = ui::toFileText(word).value_or("");
    const auto spoken = admin::spokenWord(stored, voice);
    if (spoken.outcome != admin::SpokenWord::Spoken) {
        warn(tr("espeak-ng could not say \"%1\" with the voice \"%2\".")
                 .arg(word, m_voice->currentText()));
        return;
    }
    m_pending[toUpperCp1252(stored)] = {spoken.wave, "espeak-ng"};
    showWords();
    playWave(spoken.wave);
    m_status->setText(tr("\"%1\" made with espeak-ng. Hear it again, press Keep to keep it, or "
                         "make it again with another voice or speed.")
                          .arg(word));
}

void WordListsPage::toggleRecording() {
    if (!m_capture->isRecording()) {
        const QString word = selectedWord();
        if (word.isEmpty()) return;
        if (m_player) m_player->command(SoundCommand::Close);
        if (!m_capture->start()) {
            warn(tr("No microphone could be opened: %1").arg(fromUtf8(m_capture->error())));
            return;
        }
        m_recordingWord = word;
        m_record->setText(tr("Stop &recording"));
        m_record->setAccessibleName(tr("Stop recording"));
        m_level->start();
        updateButtons();
        return;
    }
    m_level->stop();
    const std::string wave = m_capture->stop();
    m_record->setText(tr("&Record"));
    m_record->setAccessibleName(tr("Record with the microphone"));
    const auto trimmed = trimSilence(wave);
    if (!trimmed || !waveHasSound(*trimmed)) {
        m_status->clear();
        updateButtons();
        warn(
            tr("Nothing was heard from the microphone. Check that it is plugged in and not "
               "muted, and record the word again."));
        return;
    }
    const std::string stored = ui::toFileText(m_recordingWord).value_or("");
    m_pending[toUpperCp1252(stored)] = {*trimmed, tr("the microphone")};
    showWords();
    playWave(*trimmed);
    m_status->setText(
        tr("\"%1\" recorded. Hear it again, press Keep to keep it, or record it again.")
            .arg(m_recordingWord));
}

void WordListsPage::hear() {
    const QString word = selectedWord();
    const std::string stored = ui::toFileText(word).value_or("");
    if (const auto it = m_pending.find(toUpperCp1252(stored)); it != m_pending.end()) {
        playWave(it->second.wave);
        return;
    }
    const auto sound = admin::findWordSound(installation(m_class), stored);
    if (sound.where == admin::Where::Nowhere) {
        warn(tr("\"%1\" has no recording yet.").arg(word));
        return;
    }
    playFile(sound.foundAt);
}

void WordListsPage::keep() {
    const QString word = selectedWord();
    const std::string stored = ui::toFileText(word).value_or("");
    const auto it = m_pending.find(toUpperCp1252(stored));
    if (it == m_pending.end()) return;
    if (!admin::saveWordRecording(installation(m_class), stored, it->second.wave)) {
        warn(tr("The desk cannot write the recording of \"%1\" in the data folder.").arg(word));
        return;
    }
    m_pending.erase(it);
    showWords();
    m_status->setText(tr("The recording of \"%1\" is kept.").arg(word));
}

void WordListsPage::playWave(const std::string& wave) {
    if (!m_temp) m_temp = std::make_unique<QTemporaryDir>();
    if (!m_temp->isValid()) return;
    // A file of its own each time: the player may still hold the last one open.
    static int count = 0;
    const std::string path =
        fromSystemPath(m_temp->filePath(QString("heard%1.wav").arg(++count)).toStdString());
    if (writeFileAtomically(path, wave)) playFile(resolvePath(path));
}

void WordListsPage::playFile(const std::string& path) {
    if (!m_output) m_output = std::make_unique<AudioOutput>("desk");
    if (!m_player) m_player = m_output->createPlayer();
    m_player->prepare(fromSystemPath(path));
    m_player->command(SoundCommand::Play);
}

void WordListsPage::warn(const QString& text) {
    m_messages.show(this,
                    {text, tr("Teacher's Desk"), MessageIcon::Exclamation, MessageButtons::Ok});
}

}  // namespace kz::desk
