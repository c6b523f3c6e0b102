#pragma once

#include <QDialog>
#include <QString>

class QMainWindow;

namespace kz::desk {

// Why the desk cannot open a folder (system path, UTF-8) as a class: it is no folder, holds no
// class (GLOBSET.WQ), names a data directory that is gone, or this account may not change its
// files. Empty when the desk can open it. Nothing is written to the folder in finding out.
QString classFolderProblem(const QString& folder);

// Makes a new class in folder as `wqadmin init FOLDER --programs` makes it (the programs linked
// from the desk's own installation folder). Empty when made, else the message.
QString makeClass(const QString& folder, const QString& installedPrograms = {});

// Puts the desk's windows into the language of the class in folder (system path): its
// LANGUAGE.TXT, else the desktop's (LANGUAGE, LANG ...), which also holds while no folder is
// known (empty). The compiled translations (desk_xx.qm, kzui_xx.qm) come from
// translationsFolder, by default the desk's own installation folder. Called before the windows
// it is for are made; returns the language in force ("en" when its files are missing).
QString useClassLanguage(const QString& folder, const QString& translationsFolder = {});

// The class folder opened last and the desk window's size, kept in the teacher's own settings.
QString lastClassFolder();
void rememberClassFolder(const QString& folder);
void restoreWindowSize(QMainWindow& window);
void rememberWindowSize(const QMainWindow& window);

// The small first window shown when the desk has no class folder to open: choose one or make a
// new one. Accepted with chosenFolder() set once a folder the desk can open is chosen or made.
class StartWindow : public QDialog {
    Q_OBJECT
public:
    explicit StartWindow(QWidget* parent = nullptr);
    QString chosenFolder() const { return m_folder; }

    // Where the folder dialogs start (tests point it at a scratch folder).
    void setStartFolder(const QString& folder) { m_startFolder = folder; }
    // The installed programs a new class links to (default: the desk's own folder).
    void setInstalledPrograms(const QString& folder) { m_installed = folder; }

private:
    void chooseFolder();
    void makeNewClass();
    QString askFolder(const QString& caption);

    QString m_folder, m_startFolder, m_installed;
};

}  // namespace kz::desk
