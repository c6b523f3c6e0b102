#include "input_blocker.h"

#include <QLineEdit>
#include <QtTest>

using namespace kz::ui;

class InputBlockerTest : public QObject {
    Q_OBJECT
private slots:
    void aBlockerSwallowsInputAndCloseRequests() {
        QLineEdit edit;
        edit.show();
        {
            InputBlocker blocker;
            QTest::keyClicks(&edit, "abc");
            edit.close();
        }
        QVERIFY(edit.text().isEmpty());
        QVERIFY(edit.isVisible());
        // Afterwards the window reacts again.
        QTest::keyClicks(&edit, "ok");
        QCOMPARE(edit.text(), QString("ok"));
        edit.close();
        QVERIFY(!edit.isVisible());
    }

    void nestedBlockersLastUntilTheOuterEnds() {
        QLineEdit edit;
        edit.show();
        {
            InputBlocker outer;
            { InputBlocker inner; }
            QTest::keyClicks(&edit, "x");
            QVERIFY(edit.text().isEmpty());
        }
        QTest::keyClicks(&edit, "y");
        QCOMPARE(edit.text(), QString("y"));
    }
};

QTEST_MAIN(InputBlockerTest)
#include "input_blocker_test.moc"
