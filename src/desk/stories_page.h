#pragma once

#include <QWidget>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace kz::admin {
struct PreparedStory;
}

namespace kz::desk {

class DeskClass;
class StoryPreview;

// The stories of the class's data directory, each with the title and level Zan's book chooser
// shows, and a teacher's own story made from a folder of pictures and sentences (story.txt):
// made in memory by the story-making engine wqadmin's "story make" uses, shown page by page, and
// written into the data directory only when the teacher keeps it.
class StoriesPage : public QWidget {
    Q_OBJECT
public:
    StoriesPage(DeskClass& deskClass, QWidget* parent = nullptr);
    ~StoriesPage() override;

    // Reads the DATA folder again.
    void reload();

    // The steps the buttons take (the tests call them through the buttons).
    void chooseFolder();
    void makePreview();
    void keep();
    void discard();

private:
    void suggestCode();
    void showPage(int page);
    void setPrepared(std::unique_ptr<admin::PreparedStory> prepared);

    DeskClass& m_class;
    std::unique_ptr<admin::PreparedStory> m_prepared;
    QString m_suggestedCode;

    QTreeWidget* m_list;
    QLineEdit* m_folder;
    QLineEdit* m_code;
    QLineEdit* m_voice;
    QSpinBox* m_speed;
    QCheckBox* m_replace;
    QPushButton* m_make;
    QWidget* m_previewBox;
    StoryPreview* m_preview;
    QLabel* m_pageLabel;
    QPushButton* m_previous;
    QPushButton* m_next;
    QPushButton* m_keep;
    QPushButton* m_discard;
    QLabel* m_status;
};

}  // namespace kz::desk
