// The desk's start: which folders it opens, the class it makes, and its first window.
#include "desk_start.h"

#include <sys/stat.h>

#include <QFileDialog>
#include <QMainWindow>
#include <QPushButton>
#include <QtTest>

#include "desk_test_support.h"
#include "other_user.h"

using namespace kz::test;
using kz::desk::classFolderProblem;

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// The folder's entries: files with their bytes, links with their targets.
std::map<std::string, std::string> entries(const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> out;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        const std::string name = fs::relative(it->path(), root).string();
        if (it->is_symlink()) {
            out[name] = "-> " + fs::read_symlink(it->path()).string();
        } else if (it->is_regular_file()) {
            std::ifstream in(it->path(), std::ios::binary);
            out[name] = {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        } else {
            out[name] = "<folder>";
        }
    }
    return out;
}

}  // namespace

class DeskStartTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void foldersItCannotOpenAreNamed() {
        TempDir tmp;
        const std::string dir = newClass(tmp, "class");
        QCOMPARE(classFolderProblem(q(dir)), QString());
        QVERIFY(classFolderProblem(q((tmp / "none").string())).contains("is not a folder"));
        std::filesystem::create_directories(tmp / "empty");
        QVERIFY(classFolderProblem(q((tmp / "empty").string())).contains("GLOBSET.WQ"));

        // Marked read-only: refused, even for an administrator's account.
        const auto before = entries(dir);
        for (const char* f : {"GLOBSET.WQ", "USERS.WQ"}) {
            ::chmod((std::filesystem::path(dir) / f).c_str(), 0444);
        }
        QVERIFY(classFolderProblem(q(dir)).contains("may not change"));
        for (const char* f : {"GLOBSET.WQ", "USERS.WQ"}) {
            ::chmod((std::filesystem::path(dir) / f).c_str(), 0644);
        }
        QVERIFY(entries(dir) == before);
    }

    // Another account's class (the files are this account's, readable by all): the other
    // account is told it may not change it.
    void anotherAccountsClassIsRefused() {
        if (!runningAsRoot()) QSKIP("needs root to act as another account");
        TempDir tmp;
        ::chmod(tmp.path().c_str(), 0755);
        const std::string dir = newClass(tmp, "class");
        ::chmod(dir.c_str(), 0755);
        const auto before = entries(dir);
        QVERIFY(
            runAsOtherUser([&] { return classFolderProblem(q(dir)).contains("may not change"); }));
        QVERIFY(entries(dir) == before);
    }

    // A class the desk makes is the class `wqadmin init DIR --programs` makes, entry for entry.
    void makesTheClassWqadminMakes() {
        TempDir tmp;
        const std::string dir = (tmp / "class").string();
        QCOMPARE(kz::desk::makeClass(q(dir), KZ_STAGE_DIR), QString());
        const auto made = entries(dir);
        std::filesystem::remove_all(dir);
        QCOMPARE(wq({"init", dir, "--programs", "--from", KZ_STAGE_DIR}).status, 0);
        QVERIFY(entries(dir) == made);
        QVERIFY(made.count("GLOBSET.WQ") && made.count("kiv.desktop"));
        // A folder holding a sign-in list of its own is not made over.
        tmp.write("other/USERS.WQ", "1");
        const auto other = entries(tmp / "other");
        QVERIFY(kz::desk::makeClass(q((tmp / "other").string()), KZ_STAGE_DIR)
                    .contains("nothing was written"));
        QVERIFY(entries(tmp / "other") == other);
    }

    // The first window: "Make a new class" through the real folder dialog opens the new class.
    void firstWindowMakesAClass() {
        TempDir tmp;
        const std::string dir = (tmp / "new class").string();
        std::filesystem::create_directories(dir);
        kz::desk::StartWindow start;
        start.setStartFolder(q(tmp.str()));
        start.setInstalledPrograms(KZ_STAGE_DIR);
        whenModalIs<QFileDialog>([&](QFileDialog* d) {
            d->setDirectory(q(dir));
            static_cast<QDialog*>(d)->accept();
        });
        QPushButton* make = nullptr;
        for (auto* b : start.findChildren<QPushButton*>()) {
            if (b->accessibleName() == "Make a new class") make = b;
        }
        QTimer::singleShot(0, make, &QPushButton::click);
        QCOMPARE(start.exec(), int(QDialog::Accepted));
        QCOMPARE(std::filesystem::path(start.chosenFolder().toStdString()),
                 std::filesystem::path(dir));
        QVERIFY(std::filesystem::exists(std::filesystem::path(dir) / "USERS.WQ"));
    }

    void remembersTheFolderAndTheWindowSize() {
        kz::desk::rememberClassFolder("/tmp/some class");
        QCOMPARE(kz::desk::lastClassFolder(), QString("/tmp/some class"));
        QMainWindow a;
        a.resize(700, 500);
        kz::desk::rememberWindowSize(a);
        QMainWindow b;
        kz::desk::restoreWindowSize(b);
        QCOMPARE(b.size(), QSize(700, 500));
    }
};

QTEST_MAIN(DeskStartTest)
#include "desk_start_test.moc"
