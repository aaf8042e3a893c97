// Printing from the real screens to the system's default printer, end to end. Run by print_e2e.sh, which
// starts a CUPS server with a PDF printer (or none): BRAMBLETON_E2E_EXPECT is "pdf" when the default
// printer is there and "none" when there is no printer at all.

#include <QTest>

#include "qt_printer.h"
#include "test_program.h"

using namespace bt;
using namespace bt::test;

class TestPrintEndToEnd : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void threeJobsFromTheScreens() {
        const bool printer = qEnvironmentVariable("BRAMBLETON_E2E_EXPECT") == QLatin1String("pdf");
        TestProgram t;
        t.context().printer = defaultPrinter();  // the real service
        QVERIFY(t.printThreeJobs());

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
