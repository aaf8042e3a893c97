#include <QTest>

#include "printer.h"
#include "worksheet_print.h"

using namespace bt;

class TestWorksheetPrint : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void layout() {
        Worksheet w{QStringLiteral("Pond life"), {}};
        for (int q = 1; q <= kQuestions; ++q)
            w.questions[q - 1] = {QStringLiteral("Question text %1?").arg(q),
                                  {QStringLiteral("a%1").arg(q), QStringLiteral("b%1").arg(q),
                                   QStringLiteral("c%1").arg(q), QStringLiteral("d%1").arg(q)}};
        w.questions[2].answers[0].clear();
        RecordingPrinter p(12000, 16000);
        printWorksheet(p, QStringLiteral("Brambleton"), w);
        const QStringList head{"font Times New Roman", "size 16", "x 1500", "print ' ' end", "x 750",
                               "print 'Brambleton" + QString(57, u' ') + "Corvane Publishing Ltd'",
                               "print ' ' end", "print ' ' end", "size 32",
                               // (12000 - 10 x 32 x 10 characters) / 2
                               "x 4400", "print 'Brambleton' end", "x 4560", "print 'Pond life' end",
                               "print ' ' end", "size 12"};
        QCOMPARE(p.ops.mid(0, head.size()), head);
        const QStringList question1{"x 750",        "print 'Question 1    Question text 1?' end",
                                    "x 4000",       "print 'A. a1'",
                                    "x 8000",       "print 'B. b1' end",
                                    "x 4000",       "print 'C. c1'",
                                    "x 8000",       "print 'D. d1' end",
                                    "print ' ' end"};
        QCOMPARE(p.ops.mid(head.size(), question1.size()), question1);
        QVERIFY(p.ops.contains(QStringLiteral("print 'A. '")));  // an empty answer prints its letter alone
        QVERIFY(p.ops.contains(QStringLiteral("print 'Question 10    Question text 10?' end")));
        QCOMPARE(p.ops.last(), QStringLiteral("end"));
        QCOMPARE(p.ops.size(), head.size() + 10 * question1.size() + 1);
    }
};

QTEST_GUILESS_MAIN(TestWorksheetPrint)
#include "tst_worksheet_print.moc"
