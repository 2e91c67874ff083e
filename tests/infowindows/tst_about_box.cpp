// The about box closes by OK (click, Enter or Return) and by its close box,
// always as "rejected"; Esc leaves it open.
#include "infowindows/about_box.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace vexa;

class TestAboutBox : public QObject {
    Q_OBJECT

private slots:
    void closing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Return") << QStringLiteral("Return") << true;
        QTest::newRow("Enter on the keypad") << QStringLiteral("Enter") << true;
        QTest::newRow("click on OK") << QStringLiteral("click") << true;
        QTest::newRow("close box") << QStringLiteral("close") << true;
        QTest::newRow("Esc") << QStringLiteral("Escape") << false;
    }

    void closing()
    {
        QFETCH(QString, action);
        QFETCH(bool, closes);

        TForm2 box;
        QSignalSpy finished(&box, &QDialog::finished);
        box.open();   // modal like exec(), without blocking the test
        QVERIFY(QTest::qWaitForWindowActive(&box));
        auto* ok = box.findChild<QPushButton*>(QStringLiteral("Button1"));
        QVERIFY(ok);
        QVERIFY(ok->isDefault());
        // Keys go where a user's keys go: to the focused widget.
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &box;

        if (action == QLatin1String("Return"))
            QTest::keyClick(target, Qt::Key_Return);
        else if (action == QLatin1String("Enter"))
            QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
        else if (action == QLatin1String("Escape"))
            QTest::keyClick(target, Qt::Key_Escape);
        else if (action == QLatin1String("click"))
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            box.close();

        QCOMPARE(box.isVisible(), !closes);
        if (closes) {
            QCOMPARE(finished.count(), 1);
            QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Rejected));
            QCOMPARE(box.result(), int(QDialog::Rejected));
        } else {
            QCOMPARE(finished.count(), 0);
        }
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_about_box.moc"
