// Printing from the real screens to the system's default printer, end to end. Run by print_e2e.sh, which
// starts a CUPS server with a PDF printer (or none): BRAMBLETON_E2E_EXPECT is "pdf" when the default
// printer is there and "none" when there is no printer at all.

#include <QRadioButton>
#include <QTest>

#include "intro0.h"
#include "multiple.h"
#include "qt_printer.h"
#include "quiz_opener.h"
#include "screens.h"
#include "teacher.h"
#include "test_program.h"
#include "titlefrm.h"
#include "welldone.h"

using namespace bt;
using namespace bt::test;

class TestPrintEndToEnd : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void threeJobsFromTheScreens() {
        const bool printer = qEnvironmentVariable("BRAMBLETON_E2E_EXPECT") == QLatin1String("pdf");
        TestProgram t;
        t.context().printer = defaultPrinter();  // the real service
        QVERIFY(t.startAtMenu());

        // A worksheet, from the quiz screen.
        QVERIFY(openQuiz(t.context(), QStringLiteral("multiple\\Parts of a Plant.txt"), QString()));
        auto* quiz = qobject_cast<multiple*>(t.screen(screen::kQuiz));
        QTest::mouseClick(quiz->button(3), Qt::LeftButton);

        // A certificate, after full marks.
        for (int q = 1; q <= 10; ++q) {
            QRadioButton* right = quiz->option(t.shared().correctanswer[q].toInt());
            QTest::mouseClick(right, Qt::LeftButton, {}, QPoint(8, right->height() / 2));
            QTest::mouseClick(quiz->button(1), Qt::LeftButton);
        }
        settle();
        auto* results = qobject_cast<Welldone*>(t.screen(screen::kResults));
        QTRY_COMPARE(results->focusWidget(), results->nameBox());
        QTest::keyClicks(results->nameBox(), QStringLiteral("Amy Jones"));
        QTest::mouseClick(results->button(0), Qt::LeftButton);
        QTest::mouseClick(results->button(1), Qt::LeftButton);
        settle();

        // A teacher page.
        QTest::mouseClick(qobject_cast<intro0*>(t.screen(screen::kMenu))->entry(15), Qt::LeftButton);
        auto* page = qobject_cast<teacher*>(t.screen(QStringLiteral("teacher")));
        QTest::mouseClick(page->button(0), Qt::LeftButton);

        const QString failed = QStringLiteral("There was a problem printing to your printer.");
        if (printer)
            QCOMPARE(t.dialogs.texts(), (QStringList{QStringLiteral("Your worksheet is now printing."),
                                                     QStringLiteral("Your certificate is now printing.")}));
        else
            QCOMPARE(t.dialogs.texts(), (QStringList{failed, failed, failed}));
    }
};

QTEST_MAIN(TestPrintEndToEnd)
#include "tst_print_e2e.moc"
