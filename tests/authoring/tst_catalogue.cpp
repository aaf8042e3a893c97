#include <QTest>

#include "authoring_support.h"
#include "intro0.h"
#include "multiple.h"
#include "picture_box.h"
#include "screens.h"
#include "test_program.h"
#include "titlefrm.h"
#include "welldone.h"
#include "worksheets.h"

using namespace bt;
using namespace bt::test;

namespace {
const QString kCorrupted = QStringLiteral("This worksheet seems to be corrupted.");
const QString kClick = QStringLiteral("wav\\click.wav");
}  // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> t_;

    worksheets* cat() { return qobject_cast<worksheets*>(t_->screen(screen::kCatalogue)); }
    intro0* menu() { return qobject_cast<intro0*>(t_->screen(screen::kMenu)); }
    QString reg() { return t_->worksheets() + QStringLiteral("/track.txt"); }
    QString sheet(const QString& title) {
        return t_->worksheets() + QLatin1Char('/') + title + QStringLiteral(".txt");
    }

    // A register of n names, each with a worksheet file whose question 1 has answer (i % 4) + 1 right.
    void makeWorksheets(int n, int withFiles = -1) {
        writeRegisterOf(reg(), n);
        for (int i = 1; i <= (withFiles < 0 ? n : withFiles); ++i) {
            WorksheetDraft d;
            d.title = QStringLiteral("Sheet %1").arg(i);
            for (auto& q : d.questions) {
                q.text = QStringLiteral("Question?");
                q.answers = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                             QStringLiteral("d")};
            }
            d.questions[0].ticked = i % 4 + 1;
            QVERIFY(writeWorksheet(sheet(d.title), d));
        }
    }

    // Start-up, "OK", then "Worksheet Catalogue" on the menu.
    void openCatalogue() {
        QVERIFY(t_->startAtMenu());
        QTest::mouseClick(menu()->entry(18), Qt::LeftButton);
        settle();
        QVERIFY(cat());
        t_->sound.played.clear();
    }

    QStringList shownNames() {
        QStringList names;
        for (int i = 1; i <= worksheets::kSlots; ++i)
            if (cat()->slot(i)->isVisibleTo(cat())) names << cat()->slot(i)->caption();
        return names;
    }
    void nextPage() { QTest::mouseClick(cat()->pageLink(1), Qt::LeftButton); }
    bool linkShown(int i) { return cat()->pageLink(i)->isVisibleTo(cat()); }
    void tick(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }

  private Q_SLOTS:
    void init() { t_ = std::make_unique<TestProgram>(); }
    void cleanup() { t_.reset(); }

    void replacesTheMenu() {
        makeWorksheets(3);
        openCatalogue();
        QVERIFY(!t_->screens().isLoaded(screen::kMenu));
        QCOMPARE(shownNames(), (QStringList{"Sheet 1", "Sheet 2", "Sheet 3"}));
        QCOMPARE(cat()->pageCaption()->text(), QStringLiteral("Page 1"));
        QVERIFY(!linkShown(0) && !linkShown(1));
    }

    void paging_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("nextOnFirst");
        QTest::newRow("24 fit one page") << 24 << false;
        QTest::newRow("25 need two") << 25 << true;
    }
    void paging() {
        QFETCH(int, count);
        QFETCH(bool, nextOnFirst);
        makeWorksheets(count, 0);
        openCatalogue();
        QCOMPARE(shownNames().size(), 24);
        QCOMPARE(linkShown(1), nextOnFirst);
        QVERIFY(!linkShown(0));
        if (!nextOnFirst) return;
        nextPage();
        QCOMPARE(shownNames(), QStringList{QStringLiteral("Sheet 25")});
        QCOMPARE(cat()->pageCaption()->text(), QStringLiteral("Page 2"));
        QVERIFY(linkShown(0) && !linkShown(1));
        QCOMPARE(t_->sound.played, QStringList{kClick});
        QTest::mouseClick(cat()->pageLink(0), Qt::LeftButton);
        QCOMPARE(shownNames().first(), QStringLiteral("Sheet 1"));
        QCOMPARE(cat()->pageCaption()->text(), QStringLiteral("Page 1"));
    }

    void lastReachablePage() {
        makeWorksheets(1000, 0);
        openCatalogue();
        for (int p = 1; p <= 40; ++p) nextPage();
        QCOMPARE(cat()->pageCaption()->text(), QStringLiteral("Page 41"));
        QVERIFY(!linkShown(1));  // page index 40 is the last
        QVERIFY(linkShown(0));
        const QStringList names = shownNames();
        QCOMPARE(names.size(), 24);
        QCOMPARE(names.first(), QStringLiteral("Sheet 961"));
        QCOMPARE(names.last(), QStringLiteral("Sheet 984"));
    }

    void ticksExcludeEachOther() {
        openCatalogue();
        tick(cat()->editBox());
        tick(cat()->deleteBox());
        QVERIFY(cat()->deleteBox()->isChecked() && !cat()->editBox()->isChecked());
        tick(cat()->editBox());
        QVERIFY(cat()->editBox()->isChecked() && !cat()->deleteBox()->isChecked());
        tick(cat()->editBox());  // unticking leaves the other alone
        QVERIFY(!cat()->editBox()->isChecked() && !cat()->deleteBox()->isChecked());
    }

    void nameOpensAQuiz() {
        makeWorksheets(3);
        openCatalogue();
        QTest::mouseClick(cat()->slot(2), Qt::LeftButton);
        QCOMPARE(t_->screens().topMost(), screen::kQuiz);
        auto* quiz = qobject_cast<multiple*>(t_->screen(screen::kQuiz));
        QCOMPARE(quiz->heading(), QStringLiteral("Brambleton"));
        QVERIFY(quiz->picture()->hasPicture());
        QCOMPARE(t_->shared().worktitle, QStringLiteral("Sheet 2"));
        QCOMPARE(t_->sound.played.first(), kClick);
        QTest::mouseClick(quiz->button(2), Qt::LeftButton);  // Exit: the catalogue is beneath
        settle();
        QCOMPARE(t_->screens().topMost(), screen::kCatalogue);
    }

    void editModeFillsTheWizard() {
        makeWorksheets(3);
        openCatalogue();
        tick(cat()->editBox());
        QTest::mouseClick(cat()->slot(2), Qt::LeftButton);  // Sheet 2: question 1's answer is C
        QCOMPARE(t_->screens().topMost(), screen::kWizard);
        auto* w = qobject_cast<wizard*>(t_->screen(screen::kWizard));
        QCOMPARE(w->titleBox()->text(), QStringLiteral("Sheet 2"));
        for (int j = 0; j < 4; ++j) QCOMPARE(w->tickBox(j)->isChecked(), j == 2);
        QCOMPARE(w->answerBox(3)->text(), QStringLiteral("d"));
        QTest::mouseClick(w->button(0), Qt::LeftButton);
        settle();
        QCOMPARE(t_->screens().topMost(), screen::kCatalogue);
        QVERIFY(cat()->editBox()->isChecked());  // the ticks stay across clicks
    }

    void deleteTheThirdOfFive() {
        makeWorksheets(5);
        openCatalogue();
        tick(cat()->deleteBox());
        t_->dialogs.answers = {true};
        QTest::mouseClick(cat()->slot(3), Qt::LeftButton);
        QCOMPARE(t_->dialogs.texts(),
                 QStringList{QStringLiteral("Are you sure that you want to delete the worksheet Sheet 3?")});
        QCOMPARE(fileBytes(reg()), QByteArray(" 4 \r\nSheet 1\r\nSheet 2\r\nSheet 4\r\nSheet 5\r\n"));
        QCOMPARE(shownNames(), (QStringList{"Sheet 1", "Sheet 2", "Sheet 4", "Sheet 5"}));
        QVERIFY(QFile::exists(sheet(QStringLiteral("Sheet 3"))));
    }

    void cancelLeavesEverything() {
        makeWorksheets(5);
        const QByteArray before = fileBytes(reg());
        openCatalogue();
        tick(cat()->deleteBox());
        t_->dialogs.answers = {false};
        QTest::mouseClick(cat()->slot(3), Qt::LeftButton);
        QCOMPARE(fileBytes(reg()), before);
        QCOMPARE(shownNames().size(), 5);
    }

    void deleteOnlyNameOnALaterPage() {
        makeWorksheets(25);
        openCatalogue();
        nextPage();
        tick(cat()->deleteBox());
        t_->dialogs.answers = {true};
        QTest::mouseClick(cat()->slot(1), Qt::LeftButton);
        QVERIFY(shownNames().isEmpty());
        QCOMPARE(cat()->pageCaption()->text(), QStringLiteral("Page 2"));
        QVERIFY(linkShown(0));
        QTest::mouseClick(cat()->pageLink(0), Qt::LeftButton);
        QCOMPARE(shownNames().size(), 24);
    }

    void missingWorksheetInEveryMode_data() {
        QTest::addColumn<int>("mode");  // 0 quiz, 1 edit, 2 delete
        QTest::newRow("quiz") << 0;
        QTest::newRow("edit") << 1;
        QTest::newRow("delete") << 2;
    }
    void missingWorksheetInEveryMode() {
        QFETCH(int, mode);
        makeWorksheets(3);
        QVERIFY(QFile::remove(sheet(QStringLiteral("Sheet 2"))));
        const QByteArray before = fileBytes(reg());
        openCatalogue();
        if (mode == 1) tick(cat()->editBox());
        if (mode == 2) tick(cat()->deleteBox());
        t_->dialogs.answers = {true};
        QTest::mouseClick(cat()->slot(2), Qt::LeftButton);
        QCOMPARE(t_->dialogs.texts(), QStringList{kCorrupted});
        QCOMPARE(t_->sound.played, QStringList{kClick});  // the click comes first, failure or not
        QCOMPARE(t_->screens().topMost(), screen::kCatalogue);
        QCOMPARE(fileBytes(reg()), before);
    }

    void exitBringsAFreshMenu() {
        openCatalogue();
        t_->shared().soundon = 0;  // as if switched off before
        QTest::mouseClick(cat()->slot(0), Qt::LeftButton);
        settle();
        QVERIFY(!t_->screens().isLoaded(screen::kCatalogue));
        QCOMPARE(t_->screens().topMost(), screen::kMenu);
        QCOMPARE(t_->shared().soundon, 1);
        QVERIFY(menu()->soundOn()->isChecked());
    }

    // A teacher's day: write a worksheet, find it, let a pupil take it, edit it, delete it.
    void teachersDay() {
        QVERIFY(t_->startAtMenu());
        QTest::mouseClick(menu()->entry(17), Qt::LeftButton);
        auto* w = qobject_cast<wizard*>(t_->screen(screen::kWizard));
        typeWorksheet(w, QStringLiteral("Our pond, Year 4"));
        QTest::mouseClick(w->button(1), Qt::LeftButton);
        QCOMPARE(t_->dialogs.texts().last(), QStringLiteral("Your worksheet has been saved."));
        QTest::mouseClick(w->button(0), Qt::LeftButton);
        settle();

        QTest::mouseClick(menu()->entry(18), Qt::LeftButton);
        settle();
        QCOMPARE(shownNames(), QStringList{QStringLiteral("Our pond, Year 4")});

        QTest::mouseClick(cat()->slot(1), Qt::LeftButton);  // a pupil takes it
        auto* quiz = qobject_cast<multiple*>(t_->screen(screen::kQuiz));
        for (int q = 1; q <= kQuestions; ++q) {
            QRadioButton* right = quiz->option((q - 1) % 4 + 1);
            QTest::mouseClick(right, Qt::LeftButton, {}, QPoint(8, right->height() / 2));
            QTest::mouseClick(quiz->button(1), Qt::LeftButton);
        }
        settle();
        auto* results = qobject_cast<Welldone*>(t_->screen(screen::kResults));
        QCOMPARE(results->label(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Excellent work. You have scored 10 out of 10."));
        QTest::mouseClick(results->button(1), Qt::LeftButton);
        settle();
        QCOMPARE(t_->screens().topMost(), screen::kCatalogue);

        tick(cat()->editBox());
        QTest::mouseClick(cat()->slot(1), Qt::LeftButton);
        w = qobject_cast<wizard*>(t_->screen(screen::kWizard));
        QCOMPARE(w->questionBox(9)->text(), QStringLiteral("Question number 10?"));
        typeInto(w->questionBox(9), QStringLiteral("Which animal lays frogspawn?"));
        QTest::mouseClick(w->button(1), Qt::LeftButton);
        QTest::mouseClick(w->button(0), Qt::LeftButton);
        settle();
        QVERIFY(
            fileBytes(sheet(QStringLiteral("Our pond, Year 4"))).contains("Which animal lays frogspawn?"));

        tick(cat()->deleteBox());
        t_->dialogs.answers = {true};
        QTest::mouseClick(cat()->slot(1), Qt::LeftButton);
        QVERIFY(shownNames().isEmpty());
        QCOMPARE(fileBytes(reg()), QByteArray(" 0 \r\n"));
    }
};

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
