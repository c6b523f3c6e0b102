// The desk on a 640x480 screen (an old projector, a small netbook), in each of its languages:
// every page fits the window's width with nothing to scroll sideways, no control reaches past
// the right edge, and no caption, button, heading or cell is cut. The offscreen screen is made
// 640x480 before the application starts, so the window sizes itself as on such a screen; the
// same checks run on 800x600 and 1280x1024 screens (KZ_DESK_SCREEN), where pages stand side by
// side again.
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>
#include <QtTest>
#include <fstream>

#include "desk_class.h"
#include "desk_start.h"
#include "desk_test_support.h"
#include "desk_window.h"
#include "files/paths.h"
#include "files/tracking_log.h"
#include "files/user_list.h"
#include "translations.h"

using namespace kz::test;

namespace {

// The screen: 640x480, or for a look at another size KZ_DESK_SCREEN=800x600 (the same checks).
QSize screenSize() {
    const QStringList asked = qEnvironmentVariable("KZ_DESK_SCREEN", "640x480").split('x');
    return asked.size() == 2 ? QSize(asked[0].toInt(), asked[1].toInt()) : QSize(640, 480);
}

const char* const kLanguages[] = {"en", "fr", "es", "de"};

std::string session(kz::LocalTime at, int minutes, std::string_view activity) {
    return kz::composeSessionEntry(at, 0, float(minutes * 60), activity);
}

// A class as a teacher has it after some weeks: children with names as long as the list takes,
// sessions in both programs this week (so the totals and the chart have rows), word lists and
// stories of every level, one with no title.
void fillClass(const TempDir& tmp, const std::string& folder, const char* language) {
    const auto put = [&](const std::string& name, const std::string& bytes) {
        tmp.write(folder + "/" + name, bytes);
    };
    put("LANGUAGE.TXT", std::string(language) + "\r\n");
    const QDate today = QDate::currentDate();
    const auto at = [&](int daysAgo, int hour) {
        const QDate d = today.addDays(-daysAgo);
        return kz::LocalTime{d.year(), d.month(), d.day(), hour, 45};
    };
    std::string log;
    log = kz::insertLogEntry(log, session(at(1, 9), 12, "Words"), "Maximiliano Ruiz");
    log = kz::insertLogEntry(log, session(at(0, 10), 25, "Phrases"), "Maximiliano Ruiz");
    log = kz::insertLogEntry(log, session(at(3, 13), 7, "Phrases"), "Wilhelmina Brown");
    log = kz::insertLogEntry(log, session(at(9, 11), 130, "Words"), "Sam");
    put("LOG.WQ", kz::encodeLogFile({}, log));
    put("USERS.WQ", kz::encodeUserList({"Teacher", "Maximiliano Ruiz", "Wilhelmina Brown", "Sam",
                                        "Anneliese Meyer"}));
    put("WORDLIST/0001TO24.TXT", "*WORDLIST*\r\nthe\r\nand\r\ncan\r\nsee\r\n");
    put("WORDLIST/99LIST01.TXT", "*WORDLIST*\r\nfrog\r\nlog\r\nbog\r\ndog\r\n");
    put("DATA/TITLES.TXT", "# rows\r\n99list01\tPond words\t\t\r\n");
    put("DATA/PHRASES.TXT", "# rows\r\n19MOON\t|1,-1|2,3|\r\n05SUN\t|1,-1|\r\n");
    for (const char* story : {"05SUN.DAT", "19MOON.DAT", "45NOTE.DAT"})
        put(std::string("DATA/") + story, "x");
}

// The cells of column `c` of `view` whose text does not show whole: wider than the column, or,
// where the view wraps its text, taller once wrapped than the row.
QStringList cutCells(QAbstractItemView* view, int c, const QString& heading) {
    QStringList out;
    const auto* table = qobject_cast<QTableView*>(view);
    const auto* tree = qobject_cast<QTreeView*>(view);
    const bool wraps = (table && table->wordWrap()) || (tree && tree->wordWrap());
    const int margin = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    for (int r = 0; r < view->model()->rowCount(); ++r) {
        const QModelIndex index = view->model()->index(r, c);
        const QString text = index.data().toString();
        const QRect cell = view->visualRect(index);
        const QRect needed = view->fontMetrics().boundingRect(
            QRect(0, 0, cell.width() - margin, 100000), wraps ? Qt::TextWordWrap : 0, text);
        if (needed.width() > cell.width() - margin || needed.height() > cell.height())
            out << QString("%1 column %2 cuts \"%3\"").arg(view->accessibleName(), heading, text);
    }
    return out;
}

// What of `page` a teacher cannot see without scrolling sideways or reads cut, one line each.
QStringList cutOrOutside(QWidget* page, const QWidget* viewport) {
    QStringList out;
    const auto name = [](const QWidget* w) {
        const QString text = w->accessibleName();
        return QString("%1 \"%2\"")
            .arg(w->metaObject()->className(), text.isEmpty() ? w->objectName() : text);
    };
    const int right = viewport->width();
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(page) || w->width() <= 0) continue;
        const auto* scroll = qobject_cast<const QAbstractScrollArea*>(w);
        if (scroll && scroll->horizontalScrollBar()->isVisible())
            out << name(w) + " scrolls sideways";
        // A view's heading and cells, measured before the rule below skips what a view holds
        // (the header is the view's own child).
        if (auto* header = qobject_cast<QHeaderView*>(w);
            header && header->orientation() == Qt::Horizontal) {
            auto* view = qobject_cast<QAbstractItemView*>(header->parentWidget());
            for (int c = 0; c < header->count(); ++c) {
                if (header->isSectionHidden(c)) continue;
                const QString heading = header->model()->headerData(c, Qt::Horizontal).toString();
                if (header->sectionSize(c) < header->sectionSizeHint(c))
                    out << QString("%1 heading %2 cut").arg(name(w), heading);
                if (view) out << cutCells(view, c, heading);
            }
            continue;
        }
        // A widget inside another scrolled area (a list's rows, a chart) is measured by it.
        bool nested = false;
        for (QWidget* p = w->parentWidget(); p && p != page; p = p->parentWidget())
            nested = nested || qobject_cast<QAbstractScrollArea*>(p->parentWidget()) ||
                     qobject_cast<QAbstractScrollArea*>(p);
        if (nested) continue;
        const QRect onViewport(w->mapTo(viewport, QPoint(0, 0)), w->size());
        if (onViewport.right() >= right)
            out << QString("%1 reaches x=%2, past %3")
                       .arg(name(w))
                       .arg(onViewport.right())
                       .arg(right);
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            if (label->wordWrap() ? label->height() < label->heightForWidth(label->width())
                                  : label->width() < label->sizeHint().width())
                out << name(w) + " cut: " + label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w);
                   button && !button->text().isEmpty() &&
                   button->width() < button->sizeHint().width()) {
            out << name(w) + " cut: " + button->text();
        } else if (auto* box = qobject_cast<QComboBox*>(w); box && !box->isEditable()) {
            QStyleOptionComboBox option;
            option.initFrom(box);
            const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                             QStyle::SC_ComboBoxEditField, box);
            if (field.width() < box->fontMetrics().horizontalAdvance(box->currentText()))
                out << name(w) + " cut: " + box->currentText();
        } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w);
                   spin && spin->width() < spin->sizeHint().width()) {
            out << name(w) + " cut: " + spin->text();
        }
    }
    return out;
}

}  // namespace

class DeskSmallScreenTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCOMPARE(QGuiApplication::primaryScreen()->size(), screenSize());
    }
    void cleanup() { kz::ui::removeTranslations(); }

    void everyPageFitsTheWidth_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("page");
        const char* const pages[] = {"Children", "Class settings", "Progress", "Word lists",
                                     "Stories"};
        for (const char* language : kLanguages) {
            for (int p = 0; p < 5; ++p)
                QTest::addRow("%s %s", language, pages[p]) << QString(language) << p;
        }
    }

    // The window as the desk sizes it on the small screen, each page at the window's width.
    void everyPageFitsTheWidth() {
        QFETCH(QString, language);
        QFETCH(int, page);
        TempDir tmp;
        const std::string folder = "a class folder with a rather long name";
        const std::string dir = newClass(tmp, folder);
        fillClass(tmp, folder, language.toLatin1().constData());
        QCOMPARE(kz::desk::useClassLanguage(QString::fromStdString(dir), KZ_QM_DIR), language);

        kz::desk::DeskClass deskClass(kz::fromSystemPath(dir));
        kz::desk::DeskWindow window(deskClass);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.width() <= screenSize().width());

        QTabBar* tabs = window.pages()->tabBar();
        for (int t = 0; t < tabs->count(); ++t)
            QVERIFY2(tabs->tabRect(t).right() < tabs->width(),
                     qPrintable(tabs->tabText(t) + " is past the tab bar's edge"));

        window.pages()->setCurrentIndex(page);
        auto* scroll = qobject_cast<QScrollArea*>(window.pages()->currentWidget());
        QVERIFY(scroll != nullptr);
        QWidget* content = scroll->widget();
        // With an entry of each list chosen, as the teacher works: the chosen word list shows
        // its file's long path.
        for (auto* view : content->findChildren<QAbstractItemView*>()) {
            if (view->model()->rowCount() > 0 && !view->currentIndex().isValid())
                view->setCurrentIndex(view->model()->index(0, 0));
        }
        // The page laid out at the window's width: its layout has run and the scroll area has
        // taken its size.
        QTRY_VERIFY(content->isVisible() && content->width() >= scroll->viewport()->width() &&
                    !content->layout()->geometry().isEmpty());
        QStringList problems = cutOrOutside(content, scroll->viewport());
        if (const int over = scroll->horizontalScrollBar()->maximum(); over > 0)
            problems.prepend(QString("the page is %1 pixels wider than the window").arg(over));
        // To look at what was measured: KZ_DESK_SHOTS=/tmp/folder.
        if (const QString shots = qEnvironmentVariable("KZ_DESK_SHOTS"); !shots.isEmpty()) {
            window.grab().save(shots + "/" + QTest::currentDataTag() + ".png");
            content->grab().save(shots + "/" + QTest::currentDataTag() + " whole.png");
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
    }

    // The first window, shown before a class is known, fits the screen in every language.
    void firstWindowFits() {
        for (const char* language : kLanguages) {
            qputenv("LANGUAGE", language);
            QCOMPARE(kz::desk::useClassLanguage({}, KZ_QM_DIR), QString(language));
            kz::desk::StartWindow start;
            start.show();
            QVERIFY(QTest::qWaitForWindowExposed(&start));
            QVERIFY2(start.frameGeometry().width() <= screenSize().width(), language);
            const QStringList problems = cutOrOutside(&start, &start);
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
            kz::ui::removeTranslations();
        }
        qunsetenv("LANGUAGE");
    }

    // A refusal naming a long folder stays on the screen: the teacher reads all of it.
    void messageWithALongPathFits() {
        const QString folder =
            "/home/teacher/Documents/school_year_2026/class_two_reading_group/not_a_class_folder";
        QMessageBox box(QMessageBox::Warning, "Teacher's Desk",
                        kz::desk::classFolderProblem(folder));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY2(box.frameGeometry().width() <= screenSize().width(),
                 qPrintable(QString::number(box.frameGeometry().width())));
    }
};

int main(int argc, char** argv) {
    // A 640x480 screen for the whole run: the desk sizes its window from the screen it is on.
    kz::test::TempDir config;
    config.write(
        "screen.json",
        QString("{\"screens\": [{\"name\": \"small\", \"x\": 0, \"y\": 0, \"width\": %1, "
                "\"height\": %2, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
            .arg(screenSize().width())
            .arg(screenSize().height())
            .toStdString());
    qputenv("QT_QPA_PLATFORM",
            ("offscreen:configfile=" + (config / "screen.json").string()).c_str());
    QApplication app(argc, argv);
    DeskSmallScreenTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "desk_small_screen_test.moc"
