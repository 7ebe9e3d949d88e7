#include "ui/about.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class AboutTest : public QObject {
    Q_OBJECT

  private slots:
    void theTextHasItsNineLinesInOrderJoinedByCrLf() {
        const QString text = aboutText();
        QVERIFY(!text.endsWith('\n'));
        QCOMPARE(text.count('\n'), text.count(QStringLiteral("\r\n")));
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[0], QStringLiteral("Thank you for viewing the credits."));
        QCOMPARE(lines[2], QStringLiteral("Thanks goes out to all the beta testers who've helped "
                                          "make this game possible."));
        for (int empty : {1, 4, 7}) {
            QVERIFY(lines[empty].isEmpty());
        }
        for (int written : {3, 5, 6, 8}) {
            QVERIFY(!lines[written].trimmed().isEmpty());
        }
        QVERIFY(lines[5].contains(QRegularExpression("\\S+@\\S+\\.example\\b")));
        QVERIFY(lines[6].contains(QRegularExpression("https://\\S+\\.example\\b")));
        QVERIFY(lines[8].contains(QStringLiteral("Zarvo Cycles")));
    }

    void theBoxIsTitledHasOneOkButtonAndNoIcon() {
        const auto box = makeAboutBox(nullptr);
        QCOMPARE(box->windowTitle(), QStringLiteral("About Zarvo Cycles"));
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        QCOMPARE(box->text(), aboutText());
        QCOMPARE(box->textFormat(), Qt::PlainText);
    }

    void theAboutCommandShowsTheBoxModallyUntilItIsClosed() {
        QString shownTitle;
        QTimer::singleShot(0, [&shownTitle] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr) {
                shownTitle = box->windowTitle();
                box->button(QMessageBox::Ok)->click();
            }
        });
        mnuAbout_Click(nullptr);
        QCOMPARE(shownTitle, QStringLiteral("About Zarvo Cycles"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
