#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "qt_printer.h"
#include "test_program.h"

using namespace bt;
using namespace bt::test;
using namespace Qt::StringLiterals;

namespace {

const QString kFailed = QStringLiteral("There was a problem printing to your printer.");

// Pages in a PDF file, by its page objects; -1 when it is not a PDF.
int pdfPages(const QString& path) {
    const QByteArray pdf = fileBytes(path);
    if (!pdf.startsWith("%PDF")) return -1;
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

}  // namespace

class TestPrinting : public ProgramTest {
    Q_OBJECT

    void perfectQuiz() {
        QVERIFY(t_->addWorksheets({QStringLiteral("Pond life")}));
        QVERIFY(t_->startAtMenu());
        QVERIFY(t_->openFromCatalogue() && t_->answerQuiz());
        QTRY_COMPARE(QApplication::focusWidget(), t_->find(kResults, "Text1"));
    }

  private Q_SLOTS:
    void certificateFromTheResults() {
        perfectQuiz();
        QTest::keyClicks(t_->find(kResults, "Text1"),
                         QStringLiteral("Amy Jones of Featherstonehaugh Row"));  // 25 letters kept
        t_->sound.played.clear();
        QVERIFY(t_->click(kResults, "Label3", 0));
        QCOMPARE(t_->dialogs.texts(), QStringList{QStringLiteral("Your certificate is now printing.")});
        QCOMPARE(t_->printJobs, 1);
        for (const char* line :
             {"Amy Jones of Featherstone", "You have scored 10 out of 10.", "Brambleton", "Excellent Work"})
            QVERIFY2(t_->printer.ops.contains(QStringLiteral("print '%1' end").arg(QLatin1String(line))),
                     line);
        QCOMPARE(t_->printer.ops.count(QStringLiteral("end")), 1);
        QVERIFY(t_->sound.played.isEmpty());  // no click after printing
    }

    // Where a job stops is the certificate's test; the screen reports any stop once.
    void failureIsReportedOnce() {
        perfectQuiz();
        t_->printer.failAt = 30;  // mid-page
        QVERIFY(t_->click(kResults, "Label3", 0));
        QCOMPARE(t_->dialogs.texts(), QStringList{kFailed});
        QVERIFY(!t_->printer.ops.contains(QStringLiteral("end")));
        QCOMPARE(t_->top(), kResults);
    }

    void worksheetFromQuestionFive() {
        QVERIFY(t_->startAtMenu());
        QVERIFY(t_->click(kMenu, "Label2", 1));
        QVERIFY(t_->click("parts", "Label3", 0));
        for (int q = 1; q <= 4; ++q) QVERIFY(t_->click(kQuiz, "Label3", 1));
        QVERIFY(t_->click(kQuiz, "Option1", 3));
        t_->sound.played.clear();
        QVERIFY(t_->click(kQuiz, "Label3", 3));  // Print Worksheet
        QCOMPARE(t_->dialogs.texts(), QStringList{QStringLiteral("Your worksheet is now printing.")});
        // Every question with its four answers.
        for (const char* line : {"print 'Question", "print 'A. ", "print 'B. ", "print 'C. ", "print 'D. "})
            QCOMPARE(t_->printer.ops.filter(QLatin1String(line)).size(), 10);
        QVERIFY(t_->printer.ops.contains(QStringLiteral("print 'Parts of a Plant' end")));
        QCOMPARE(t_->text(kQuiz, "Label4"),
                 QStringLiteral("Question 5"));  // the quiz as it was
        QVERIFY(t_->find<QRadioButton>(kQuiz, "Option1", 3)->isChecked());
        QCOMPARE(t_->sound.played, QStringList{kClick});
    }

    void teacherPagesPrintTheirPrintVersion() {
        QVERIFY(t_->startAtMenu());
        QVERIFY(t_->click(kMenu, "Label2", 15));
        t_->sound.played.clear();
        QVERIFY(t_->click(kTeacher, "Label3", 0));
        QCOMPARE(t_->printer.ops, (QStringList{"print ' ' end", "picture 1000 1000", "end"}));
        QVERIFY(t_->dialogs.shown.isEmpty());  // no message when it works, and no click
        QVERIFY(t_->sound.played.isEmpty());
        QVERIFY(t_->click(kTeacher, "Label3", 2));
        // The guide prints its text pages only.
        QVERIFY(t_->click(kMenu, "Label2", 20));
        QVERIFY(t_->click(kGuide, "Label3", 2));  // page 2
        QVERIFY(t_->click(kGuide, "Label3", 0));
        QCOMPARE(t_->printJobs, 2);
        QVERIFY(t_->click(kGuide, "Label3", 2));
        QVERIFY(t_->click(kGuide, "Label3", 2));  // page 4: a picture page
        QTest::mouseClick(t_->find(kGuide, "Label3", 0), Qt::LeftButton);
        QCOMPARE(t_->printJobs, 2);
    }

    // The real printer service from the real screens: each job written as a PDF file of a page or more or,
    // run by print_e2e.sh with a CUPS server of its own, sent to the system's default printer. The script
    // sets BRAMBLETON_E2E_EXPECT to "pdf" when its PDF printer is the default and "none" when there is none.
    void realPrinter() {
        const QString expect = qEnvironmentVariable("BRAMBLETON_E2E_EXPECT");
        QTemporaryDir dir;
        int jobs = 0;
        t_->context().printer = defaultPrinter();
        if (expect.isEmpty())
            t_->context().printer = [&] {
                return std::make_unique<QtPrinter>(dir.filePath(u"%1.pdf"_s.arg(++jobs)));
            };
        QVERIFY(t_->printThreeJobs());
        const QStringList printed{u"Your worksheet is now printing."_s,
                                  u"Your certificate is now printing."_s};
        QCOMPARE(t_->dialogs.texts(),
                 expect == u"none"_s ? (QStringList{kFailed, kFailed, kFailed}) : printed);
        if (!expect.isEmpty()) return;
        QCOMPARE(jobs, 3);
        const QString keep = qEnvironmentVariable("BRAMBLETON_KEEP_PDF");
        for (const char* name : {"1.pdf", "2.pdf", "3.pdf"}) {
            QVERIFY2(pdfPages(dir.filePath(QLatin1String(name))) >= 1, name);
            if (!keep.isEmpty())
                QFile::copy(dir.filePath(QLatin1String(name)), keep + u'/' + QLatin1String(name));
        }
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
