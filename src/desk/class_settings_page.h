#pragma once

#include <QMap>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kz::desk {

class DeskClass;

// The "Class settings" page: the teacher's password, the sign-in mode in plain words, logging,
// the data directory, the display warnings and the class's language. Save writes only the
// fields the teacher changed, through the same engine as `wqadmin globals set`, so that a
// program saving at the same moment keeps its own; a field changed here and on disk since the
// page showed it is not overwritten without asking which to keep.
class ClassSettingsPage : public QWidget {
    Q_OBJECT
public:
    ClassSettingsPage(DeskClass& deskClass, QWidget* parent = nullptr);

    // Shows what is on disk in every field the teacher has not changed.
    void reload();
    // Saves the changed fields; false when nothing was saved (a refusal, shown).
    bool save();

    // The keys of the fields, as `wqadmin globals set` names them, and "language".
    static const QStringList& keys();
    QWidget* field(const QString& key) const;

private:
    QMap<QString, QString> diskValues(QString* problem) const;
    QString value(const QString& key) const;
    void setValue(const QString& key, const QString& value);
    QString shownText(const QString& key, const QString& value) const;
    void chooseDataDir();
    void updateButtons();

    DeskClass& m_class;
    QMap<QString, QString> m_shown;  // what the page showed of the disk, per key
    QLineEdit* m_password;
    QComboBox* m_mode;
    QLabel* m_modeText;
    QCheckBox* m_log;
    QLineEdit* m_dataDir;
    QPushButton* m_chooseDataDir;
    QCheckBox *m_colourWarning, *m_fontWarning;
    QComboBox* m_language;
    QPushButton *m_save, *m_revert;
    QLabel* m_status;
};

}  // namespace kz::desk
