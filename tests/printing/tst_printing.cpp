#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "certificate.h"
#include "guide.h"
#include "intro0.h"
#include "metafile.h"
#include "multiple.h"
#include "qt_printer.h"
#include "quiz_opener.h"
#include "screens.h"
#include "teacher.h"
#include "test_program.h"
#include "titlefrm.h"
#include "welldone.h"
#include "worksheet_files.h"
#include "worksheet_print.h"

using namespace bt;
using namespace bt::test;

namespace {

const QString kFailed = QStringLiteral("There was a problem printing to your printer.");

// Pages in a PDF file, by its page objects; -1 when it is not a PDF.
int pdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray pdf = f.readAll();
    if (!pdf.startsWith("%PDF")) return -1;
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

}  // namespace

class TestPrinting : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> t_;

    intro0* menu() { return qobject_cast<intro0*>(t_->screen(screen::kMenu)); }
    multiple* quiz() { return qobject_cast<multiple*>(t_->screen(screen::kQuiz)); }

    void toMenu() { QVERIFY(t_->startAtMenu()); }
    void openPlantQuiz() {
        toMenu();
        QVERIFY(openQuiz(t_->context(), QStringLiteral("multiple\\Parts of a Plant.txt"),
                         QStringLiteral("images\\poppies2sm.jpg")));
        t_->sound.played.clear();
    }
    void answerAllRight() {
        for (int q = 1; q <= 10; ++q) {
            QRadioButton* right = quiz()->option(t_->shared().correctanswer[q].toInt());
            QTest::mouseClick(right, Qt::LeftButton, {}, QPoint(8, right->height() / 2));
            QTest::mouseClick(quiz()->button(1), Qt::LeftButton);
        }
        settle();
    }

  private Q_SLOTS:
    void init() { t_ = std::make_unique<TestProgram>(); }
    void cleanup() { t_.reset(); }

    void certificateFromTheResults() {
        openPlantQuiz();
        answerAllRight();
        auto* results = qobject_cast<Welldone*>(t_->screen(screen::kResults));
        QTRY_COMPARE(results->focusWidget(), results->nameBox());
        QTest::keyClicks(results->nameBox(), QStringLiteral("Amy Jones"));
        t_->sound.played.clear();
        QTest::mouseClick(results->button(0), Qt::LeftButton);
        QCOMPARE(t_->dialogs.texts(), QStringList{QStringLiteral("Your certificate is now printing.")});
        QCOMPARE(t_->printJobs, 1);
        QVERIFY(t_->printer.ops.contains(QStringLiteral("print 'Amy Jones' end")));
        QVERIFY(t_->printer.ops.contains(QStringLiteral("print 'You have scored 10 out of 10.' end")));
        QVERIFY(t_->printer.ops.contains(QStringLiteral("print 'Brambleton' end")));  // the quiz's heading
        QCOMPARE(t_->printer.ops.last(), QStringLiteral("end"));
        QVERIFY(t_->sound.played.isEmpty());  // no click after printing
    }

    void failuresAtEveryStepAreReportedOnce_data() {
        QTest::addColumn<int>("failAt");
        QTest::newRow("no printer") << 1;
        QTest::newRow("mid-page") << 30;
        QTest::newRow("the spooler refuses the job") << 82;
    }
    void failuresAtEveryStepAreReportedOnce() {
        QFETCH(int, failAt);
        openPlantQuiz();
        answerAllRight();
        auto* results = qobject_cast<Welldone*>(t_->screen(screen::kResults));
        t_->printer.failAt = failAt;
        QTest::mouseClick(results->button(0), Qt::LeftButton);
        QCOMPARE(t_->dialogs.texts(), QStringList{kFailed});
        QVERIFY(!t_->printer.ops.contains(QStringLiteral("end")));
    }

    void worksheetOnQuestionFive() {
        openPlantQuiz();
        for (int q = 1; q <= 4; ++q) QTest::mouseClick(quiz()->button(1), Qt::LeftButton);
        QRadioButton* c = quiz()->option(3);
        QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(8, c->height() / 2));
        t_->sound.played.clear();
        QTest::mouseClick(quiz()->button(3), Qt::LeftButton);  // Print Worksheet
        QCOMPARE(t_->dialogs.texts(), QStringList{QStringLiteral("Your worksheet is now printing.")});
        QCOMPARE(t_->printer.ops.filter(QStringLiteral("print 'Question")).size(), 10);
        QVERIFY(t_->printer.ops.contains(QStringLiteral("print 'Parts of a Plant' end")));
        QCOMPARE(t_->shared().questnum, 5);  // the quiz is left as it was
        QVERIFY(quiz()->option(3)->isChecked());
        QCOMPARE(t_->sound.played, QStringList{QStringLiteral("wav\\click.wav")});
        t_->printer.failAt = 1;
        t_->printer.ops.clear();
        QTest::mouseClick(quiz()->button(3), Qt::LeftButton);
        QCOMPARE(t_->dialogs.texts().last(), kFailed);
    }

    void teacherPagePrintsItsPrintVersion() {
        toMenu();
        QTest::mouseClick(menu()->entry(15), Qt::LeftButton);
        auto* page = qobject_cast<teacher*>(t_->screen(QStringLiteral("teacher")));
        t_->sound.played.clear();
        QTest::mouseClick(page->button(0), Qt::LeftButton);
        QCOMPARE(t_->printer.ops, (QStringList{"print ' ' end", "picture 1000 1000", "end"}));
        QVERIFY(t_->dialogs.shown.isEmpty());  // no message
        QVERIFY(t_->sound.played.isEmpty());
    }

    void guidePrintsOnlyTextPages() {
        toMenu();
        QTest::mouseClick(menu()->entry(20), Qt::LeftButton);
        auto* g = qobject_cast<guide*>(t_->screen(QStringLiteral("guide")));
        QTest::mouseClick(g->button(2), Qt::LeftButton);  // page 2
        QTest::mouseClick(g->button(0), Qt::LeftButton);
        QCOMPARE(t_->printJobs, 1);
        QCOMPARE(g->image2()->source(), QStringLiteral("wmf2\\guide2.wmf"));
        QTest::mouseClick(g->button(2), Qt::LeftButton);
        QTest::mouseClick(g->button(2), Qt::LeftButton);  // page 4: a picture page
        QTest::mouseClick(g->button(0), Qt::LeftButton);
        QCOMPARE(t_->printJobs, 1);
    }

    // The real printer service, writing PDF files: each is a page with the expected pictures and text.
    void pdfOutput() {
        QTemporaryDir dir;
        SharedValues m;
        QVERIFY(
            readWorksheetFile(QStringLiteral(BRAMBLETON_SOURCE_CONTENT "/multiple/Parts of a Plant.txt"), m));
        {
            QtPrinter p(dir.filePath(QStringLiteral("certificate.pdf")));
            printCertificate(p, QStringLiteral("Brambleton"), QStringLiteral("Amy Jones"), 10, 10,
                             [](const QString& s) { return 100.0 * s.size(); });
        }
        {
            QtPrinter p(dir.filePath(QStringLiteral("worksheet.pdf")));
            printWorksheet(p, QStringLiteral("Brambleton"), m.worktitle, m);
        }
        {
            QtPrinter p(dir.filePath(QStringLiteral("page.pdf")));
            const std::optional<Metafile> page =
                Metafile::load(QStringLiteral(BRAMBLETON_SOURCE_CONTENT "/wmf2/key parts.wmf"));
            QVERIFY(page);
            p.print(QStringLiteral(" "), true);
            p.drawPicture(*page, 1000, 1000);
            p.endDocument();
        }
        for (const char* name : {"certificate.pdf", "worksheet.pdf", "page.pdf"})
            QVERIFY2(pdfPages(dir.filePath(QString::fromLatin1(name))) >= 1, name);
        if (qEnvironmentVariableIsSet("BRAMBLETON_KEEP_PDF"))
            for (const char* name : {"certificate.pdf", "worksheet.pdf", "page.pdf"})
                QFile::copy(dir.filePath(QString::fromLatin1(name)),
                            qEnvironmentVariable("BRAMBLETON_KEEP_PDF") + QLatin1Char('/') +
                                QString::fromLatin1(name));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
