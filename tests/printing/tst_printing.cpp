#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "certificate.h"
#include "metafile.h"
#include "qt_printer.h"
#include "test_program.h"
#include "worksheet_files.h"
#include "worksheet_print.h"

using namespace bt;
using namespace bt::test;

namespace {

const QString kFailed = QStringLiteral("There was a problem printing to your printer.");

// Pages in a PDF file, by its page objects; -1 when it is not a PDF.
int pdfPages(const QString& path) {
    const QByteArray pdf = fileBytes(path);
    if (!pdf.startsWith("%PDF")) return -1;
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

}  // namespace

class TestPrinting : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> t_;

    void perfectQuiz() {
        QVERIFY(t_->addWorksheets({QStringLiteral("Pond life")}));
        QVERIFY(t_->startAtMenu());
        QVERIFY(t_->openFromCatalogue());
        for (int q = 1; q <= 10; ++q) {
            QVERIFY(t_->click(kQuiz, QStringLiteral("Option1"), rightAnswer(q)));
            QVERIFY(t_->click(kQuiz, QStringLiteral("Label3"), 1));
        }
        QTRY_COMPARE(QApplication::focusWidget(), t_->find(kResults, QStringLiteral("Text1")));
    }

  private Q_SLOTS:
    void init() { t_ = std::make_unique<TestProgram>(); }
    void cleanup() { t_.reset(); }

    void certificateFromTheResults() {
        perfectQuiz();
        QTest::keyClicks(t_->find(kResults, QStringLiteral("Text1")), QStringLiteral("Amy Jones"));
        t_->sound.played.clear();
        QVERIFY(t_->click(kResults, QStringLiteral("Label3"), 0));
        QCOMPARE(t_->dialogs.texts(), QStringList{QStringLiteral("Your certificate is now printing.")});
        QCOMPARE(t_->printJobs, 1);
        for (const char* line :
             {"Amy Jones", "You have scored 10 out of 10.", "Brambleton", "Excellent Work"})
            QVERIFY2(t_->printer.ops.contains(QStringLiteral("print '%1' end").arg(QLatin1String(line))),
                     line);
        QCOMPARE(t_->printer.ops.count(QStringLiteral("end")), 1);
        QVERIFY(t_->sound.played.isEmpty());  // no click after printing
    }

    void failuresAreReportedOnce_data() {
        QTest::addColumn<int>("failAt");
        QTest::newRow("no printer") << 1;
        QTest::newRow("mid-page") << 30;
        QTest::newRow("the spooler refuses the job") << 82;
    }
    void failuresAreReportedOnce() {
        QFETCH(int, failAt);
        perfectQuiz();
        t_->printer.failAt = failAt;
        QVERIFY(t_->click(kResults, QStringLiteral("Label3"), 0));
        QCOMPARE(t_->dialogs.texts(), QStringList{kFailed});
        QVERIFY(!t_->printer.ops.contains(QStringLiteral("end")));
        QCOMPARE(t_->top(), kResults);
    }

    void worksheetFromQuestionFive() {
        QVERIFY(t_->startAtMenu());
        QVERIFY(t_->click(kMenu, QStringLiteral("Label2"), 1));
        QVERIFY(t_->click(QStringLiteral("parts"), QStringLiteral("Label3"), 0));
        for (int q = 1; q <= 4; ++q) QVERIFY(t_->click(kQuiz, QStringLiteral("Label3"), 1));
        QVERIFY(t_->click(kQuiz, QStringLiteral("Option1"), 3));
        t_->sound.played.clear();
        QVERIFY(t_->click(kQuiz, QStringLiteral("Label3"), 3));  // Print Worksheet
        QCOMPARE(t_->dialogs.texts(), QStringList{QStringLiteral("Your worksheet is now printing.")});
        // Every question with its four answers.
        for (const char* line : {"print 'Question", "print 'A. ", "print 'B. ", "print 'C. ", "print 'D. "})
            QCOMPARE(t_->printer.ops.filter(QLatin1String(line)).size(), 10);
        QVERIFY(t_->printer.ops.contains(QStringLiteral("print 'Parts of a Plant' end")));
        QCOMPARE(t_->text(kQuiz, QStringLiteral("Label4")),
                 QStringLiteral("Question 5"));  // the quiz as it was
        QVERIFY(t_->find<QRadioButton>(kQuiz, QStringLiteral("Option1"), 3)->isChecked());
        QCOMPARE(t_->sound.played, QStringList{kClick});
        t_->printer.failAt = 1;
        QVERIFY(t_->click(kQuiz, QStringLiteral("Label3"), 3));
        QCOMPARE(t_->dialogs.texts().last(), kFailed);
    }

    void teacherPagesPrintTheirPrintVersion() {
        QVERIFY(t_->startAtMenu());
        QVERIFY(t_->click(kMenu, QStringLiteral("Label2"), 15));
        t_->sound.played.clear();
        QVERIFY(t_->click(kTeacher, QStringLiteral("Label3"), 0));
        QCOMPARE(t_->printer.ops, (QStringList{"print ' ' end", "picture 1000 1000", "end"}));
        QVERIFY(t_->dialogs.shown.isEmpty());  // no message when it works, and no click
        QVERIFY(t_->sound.played.isEmpty());
        QVERIFY(t_->click(kTeacher, QStringLiteral("Label3"), 2));
        // The guide prints its text pages only.
        QVERIFY(t_->click(kMenu, QStringLiteral("Label2"), 20));
        QVERIFY(t_->click(kGuide, QStringLiteral("Label3"), 2));  // page 2
        QVERIFY(t_->click(kGuide, QStringLiteral("Label3"), 0));
        QCOMPARE(t_->printJobs, 2);
        QVERIFY(t_->click(kGuide, QStringLiteral("Label3"), 2));
        QVERIFY(t_->click(kGuide, QStringLiteral("Label3"), 2));  // page 4: a picture page
        QTest::mouseClick(t_->find(kGuide, QStringLiteral("Label3"), 0), Qt::LeftButton);
        QCOMPARE(t_->printJobs, 2);
    }

    // The real printer service, writing PDF files: each is at least a page.
    void pdfOutput() {
        QTemporaryDir dir;
        const std::optional<Worksheet> plants =
            readWorksheetFile(sourceContent() + QStringLiteral("/multiple/Parts of a Plant.txt"));
        QVERIFY(plants);
        {
            QtPrinter p(dir.filePath(QStringLiteral("certificate.pdf")));
            printCertificate(p, QStringLiteral("Brambleton"), QStringLiteral("Amy Jones"), 10, 10,
                             [](const QString& s) { return 100.0 * s.size(); });
        }
        {
            QtPrinter p(dir.filePath(QStringLiteral("worksheet.pdf")));
            printWorksheet(p, QStringLiteral("Brambleton"), *plants);
        }
        {
            QtPrinter p(dir.filePath(QStringLiteral("page.pdf")));
            const std::optional<Metafile> page =
                Metafile::load(sourceContent() + QStringLiteral("/wmf2/key parts.wmf"));
            QVERIFY(page);
            p.print(QStringLiteral(" "), true);
            p.drawPicture(*page, 1000, 1000);
            p.endDocument();
        }
        const QString keep = qEnvironmentVariable("BRAMBLETON_KEEP_PDF");
        for (const QString name : {"certificate.pdf", "worksheet.pdf", "page.pdf"}) {
            QVERIFY2(pdfPages(dir.filePath(name)) >= 1, qPrintable(name));
            if (!keep.isEmpty()) QFile::copy(dir.filePath(name), keep + QLatin1Char('/') + name);
        }
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
