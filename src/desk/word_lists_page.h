#pragma once

#include <QString>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "message_service.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTemporaryDir;
class QTimer;

namespace kz {
class AudioCapture;
class AudioOutput;
class WavePlayer;
}  // namespace kz

namespace kz::desk {

class DeskClass;

// The "Word lists" page: the word lists of the class's data directory by the titles the word
// activity's chooser shows them under; a list made or edited (its title and words) and saved
// as the activity's loader reads it; and each word's recording: which words have none, a
// recording made with espeak-ng or with the microphone, heard before it is kept.
class WordListsPage : public QWidget {
    Q_OBJECT
public:
    WordListsPage(DeskClass& deskClass, QWidget* parent = nullptr);
    ~WordListsPage() override;

    // For tests: the page's message boxes, and the file of the list being edited.
    ui::MessageService& messages() { return m_messages; }
    std::string editedName() const { return m_name; }

public slots:
    void reload();

private:
    struct Pending {
        std::string wave;  // a wave file made but not kept yet
        QString from;      // "espeak-ng" or "microphone", for the word's line
    };

    void buildLayout();
    void showList(int row);
    void newList();
    void showFile(const QString& path);
    void saveList();
    void showWords();
    std::vector<std::string> typedWords() const;
    QString selectedWord() const;
    void makeWithSpeech();
    void toggleRecording();
    void hear();
    void keep();
    void playWave(const std::string& wave);
    void playFile(const std::string& path);
    void warn(const QString& text);
    QString problemText(int kind, const QString& subject, int reason) const;
    void updateButtons();

    DeskClass& m_class;
    ui::MessageService m_messages;
    std::vector<std::string> m_files;  // the listed lists' names, parallel to m_lists
    std::string m_name;                // the list being edited ("" before any)
    std::vector<std::string> m_savedWords;
    std::map<std::string, Pending> m_pending;  // by word, upper-cased

    QListWidget* m_lists;
    QPushButton* m_new;
    QLineEdit* m_title;
    QLabel* m_fileLabel;
    QPlainTextEdit* m_words;
    QPushButton* m_save;
    QListWidget* m_sounds;
    QComboBox* m_voice;
    QSpinBox* m_speed;
    QPushButton* m_speak;
    QPushButton* m_record;
    QPushButton* m_hear;
    QPushButton* m_keep;
    QLabel* m_status;
    QTimer* m_level;

    std::unique_ptr<AudioCapture> m_capture;
    std::unique_ptr<AudioOutput> m_output;
    std::unique_ptr<WavePlayer> m_player;
    std::unique_ptr<QTemporaryDir> m_temp;
    QString m_recordingWord;
};

}  // namespace kz::desk
