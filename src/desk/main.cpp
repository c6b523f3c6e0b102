// The teacher's desk: desk DIR opens the class folder DIR; without one, the folder opened last,
// or a first window that chooses or makes one. The windows speak the class's language (its
// LANGUAGE.TXT, else the desktop's); the first window, shown before a class is known, the
// desktop's.
#include <QApplication>
#include <QMessageBox>

#include "command_failed.h"
#include "desk_class.h"
#include "desk_start.h"
#include "desk_window.h"
#include "files/paths.h"

namespace {

// The folder to open: the one named, else the last one while the desk can still open it, else
// the first window's choice; empty when the teacher quits.
QString folderToOpen(const QStringList& args) {
    if (args.size() >= 2) return args.at(1);
    const QString last = kz::desk::lastClassFolder();
    if (!last.isEmpty() && kz::desk::classFolderProblem(last).isEmpty()) return last;
    kz::desk::useClassLanguage({});
    kz::desk::StartWindow start;
    return start.exec() == QDialog::Accepted ? start.chosenFolder() : QString();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("desk");
    const QStringList args = QApplication::arguments();
    const QString folder = folderToOpen(args);
    if (folder.isEmpty()) return 0;
    // Before the desk's window is made: the class chosen in the first window may have a
    // language of its own.
    kz::desk::useClassLanguage(folder);
    if (const QString problem = kz::desk::classFolderProblem(folder); !problem.isEmpty()) {
        QMessageBox::warning(nullptr, QObject::tr("Teacher's Desk"), problem);
        return 1;
    }
    try {
        kz::desk::DeskClass deskClass(kz::fromSystemPath(folder.toStdString()));
        kz::desk::rememberClassFolder(folder);
        kz::desk::DeskWindow window(deskClass);
        kz::desk::restoreWindowSize(window);
        QObject::connect(&app, &QApplication::aboutToQuit,
                         [&window] { kz::desk::rememberWindowSize(window); });
        window.show();
        return QApplication::exec();
    } catch (const kz::admin::CommandFailed& failed) {
        QMessageBox::warning(nullptr, QObject::tr("Teacher's Desk"),
                             QString::fromStdString(failed.what()));
        return 1;
    }
}
