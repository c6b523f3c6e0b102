// The teacher's desk: desk DIR opens the class folder DIR.
#include <QApplication>
#include <QMessageBox>

#include "command_failed.h"
#include "desk_class.h"
#include "desk_window.h"
#include "files/paths.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("desk");
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        QMessageBox::warning(nullptr, QObject::tr("Teacher's Desk"),
                             QObject::tr("Name the class folder to open: desk FOLDER"));
        return 2;
    }
    try {
        kz::desk::DeskClass deskClass(kz::fromSystemPath(args.at(1).toStdString()));
        kz::desk::DeskWindow window(deskClass);
        window.show();
        return QApplication::exec();
    } catch (const kz::admin::CommandFailed& failed) {
        QMessageBox::warning(nullptr, QObject::tr("Teacher's Desk"),
                             QString::fromStdString(failed.what()));
        return 1;
    }
}
