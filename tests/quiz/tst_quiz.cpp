#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "grey.h"
#include "multiple.h"
#include "picture_box.h"
#include "quiz_opener.h"
#include "test_program.h"
#include "titlefrm.h"
#include "welldone.h"
#include "worksheet_files.h"
#include "wrong.h"

using namespace bt;
using namespace bt::test;

namespace {

const QString kClick = QStringLiteral("wav\\click.wav");
const QString kTypekey = QStringLiteral("wav\\typekey.wav");
const QString kSheet = QStringLiteral("multiple\\Test sheet.txt");

// A worksheet whose right answer to question q is (q - 1) % 4 + 1: A, B, C, D, A, B, ...
WorksheetDraft testSheet(const QString& title = QStringLiteral("Test sheet")) {
    WorksheetDraft d;
    d.title = title;
    for (int q = 0; q < kQuestions; ++q) {
        d.questions[q].text = QStringLiteral("What is question %1 about?").arg(q + 1);
        d.questions[q].answers = {QStringLiteral("Answer A"), QStringLiteral("Answer B"),
                                  QStringLiteral("Answer C"), QStringLiteral("Answer D")};
        d.questions[q].ticked = q % 4 + 1;
    }
    return d;
}

int rightAnswer(int q) {
    return (q - 1) % 4 + 1;
}
int wrongAnswer(int q) {
    return rightAnswer(q) % 4 + 1;
}

}  // namespace

class TestQuiz : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> t_;

    multiple* quiz() { return qobject_cast<multiple*>(t_->screen(screen::kQuiz)); }
    Welldone* results() { return qobject_cast<Welldone*>(t_->screen(screen::kResults)); }
    Wrong* wrong() { return qobject_cast<Wrong*>(t_->screen(screen::kWrong)); }

    // Start-up, "OK", then the test worksheet opened as a quiz over the menu.
    void openTestQuiz() {
        QVERIFY(writeWorksheet(t_->worksheets() + QStringLiteral("/Test sheet.txt"), testSheet()));
        QVERIFY(t_->startAtMenu());
        QVERIFY(openQuiz(t_->context(), kSheet, QStringLiteral("images\\swan1.jpg")));
        QVERIFY(quiz());
        t_->sound.played.clear();
    }

    // Picks an answer (1 to 4) by clicking it, as a pupil does.
    void choose(int answer) {
        QRadioButton* option = quiz()->option(answer);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
        QVERIFY(option->isChecked());
    }
    void press(int button) { QTest::mouseClick(quiz()->button(button), Qt::LeftButton); }

    // Answers all ten: right except the questions listed (answered wrongly, or left blank when blank is set).
    void playQuiz(const QSet<int>& wrongOnes, bool blank = false) {
        for (int q = 1; q <= kQuestions; ++q) {
            if (!wrongOnes.contains(q))
                choose(rightAnswer(q));
            else if (!blank)
                choose(wrongAnswer(q));
            press(1);
        }
        settle();
    }

    QStringList visibleWrongLines() {
        QStringList lines;
        for (int w = 0; w < Wrong::kLines; ++w)
            if (wrong()->line(w)->isVisibleTo(wrong())) lines << wrong()->line(w)->text();
        return lines;
    }

    // Waits for the results screen's start-up chain to finish.
    void waitForChain() {
        QTRY_VERIFY(!results()->findChild<QTimer*>(QStringLiteral("Timer3"))->isActive() &&
                    !results()->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive() &&
                    !results()->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    }

  private Q_SLOTS:
    void init() { t_ = std::make_unique<TestProgram>(); }
    void cleanup() { t_.reset(); }

    void firstQuestion() {
        openTestQuiz();
        QCOMPARE(t_->screens().topMost(), screen::kQuiz);
        QCOMPARE(quiz()->heading(), QStringLiteral("Brambleton"));
        QCOMPARE(quiz()->findChild<QLabel*>(QStringLiteral("Label6"))->text(), QStringLiteral("Test sheet"));
        QCOMPARE(quiz()->findChild<QLabel*>(QStringLiteral("Label4"))->text(), QStringLiteral("Question 1"));
        QCOMPARE(quiz()->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("What is question 1 about?"));
        QCOMPARE(quiz()->option(3)->text(), QStringLiteral("Answer C"));
        QVERIFY(quiz()->picture()->hasPicture());
        QVERIFY(!quiz()->button(0)->isVisible());  // no going back from question 1
        QCOMPARE(quiz()->button(1)->caption(), QStringLiteral("Next Question >>"));
        for (int i = 1; i <= 4; ++i) QVERIFY(!quiz()->option(i)->isChecked());
        QCOMPARE(t_->shared().score, 0);
        QCOMPARE(t_->shared().outof, 10);
    }

    void wholeQuizzes_data() {
        QTest::addColumn<QList<int>>("wrongOnes");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("sounds");
        const QString review = QStringLiteral("Check Wrong Answers");
        QTest::newRow("all right") << QList<int>{}
                                   << QStringLiteral("Excellent work. You have scored 10 out of 10.")
                                   << QStringLiteral("Print Certificate")
                                   << QStringList{"wav\\fanf2.wav", "wav\\fanf3.wav"};
        QTest::newRow("9 right") << QList<int>{4} << QStringLiteral("Good work. You have scored 9 out of 10.")
                                 << review
                                 << QStringList{"wav\\crowd.wav", "wav\\cheer2.wav", "wav\\klaxon.wav"};
        QTest::newRow("8 right") << QList<int>{2, 7}
                                 << QStringLiteral("Good work. You have scored 8 out of 10.") << review
                                 << QStringList{"wav\\flute.wav", "wav\\gong.wav", "wav\\clap2.wav"};
        QTest::newRow("7 right") << QList<int>{1, 5, 10} << QStringLiteral("You have scored 7 out of 10.")
                                 << review
                                 << QStringList{"wav\\drumroll.wav", "wav\\laser2.wav", "wav\\whizz.wav"};
        QTest::newRow("0 right") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                                 << QStringLiteral("You have scored 0 out of 10.") << review << QStringList{};
    }
    void wholeQuizzes() {
        QFETCH(QList<int>, wrongOnes);
        QFETCH(QString, words);
        QFETCH(QString, action);
        QFETCH(QStringList, sounds);
        openTestQuiz();
        playQuiz(QSet<int>(wrongOnes.begin(), wrongOnes.end()));

        QVERIFY(!t_->screens().isLoaded(screen::kQuiz));  // the quiz screen goes when the results come
        QCOMPARE(t_->screens().topMost(), screen::kResults);
        QCOMPARE(t_->program().grey().windowTitle(), QStringLiteral("Well Done!"));
        QCOMPARE(t_->shared().score, 10 - wrongOnes.size());
        QCOMPARE(t_->shared().certtitle, QStringLiteral("Brambleton"));
        QCOMPARE(results()->label(QStringLiteral("Label1"))->text(), words);
        QCOMPARE(results()->button(0)->caption(), action);
        QVERIFY(results()->button(0)->isVisible());
        QVERIFY(results()->label(QStringLiteral("Label5"))->isVisible());
        QVERIFY(!results()->label(QStringLiteral("Label6"))->isVisible());
        const bool perfect = wrongOnes.isEmpty();
        QCOMPARE(results()->nameBox()->isVisible(), perfect);
        QCOMPARE(results()->label(QStringLiteral("Label5"))->text().isEmpty(), perfect);

        waitForChain();
        QVERIFY(results()->picture()->hasPicture());
        QVERIFY(results()->button(0)->isLit() && results()->button(1)->isLit());
        if (perfect) QCOMPARE(results()->focusWidget(), results()->nameBox());
        // The last click, then the results sound (if the score has one).
        QCOMPARE(t_->sound.played.count(kClick), 10);
        if (sounds.isEmpty()) {
            QCOMPARE(t_->sound.played.last(), kClick);
        } else {
            QVERIFY2(sounds.contains(t_->sound.played.last()), qPrintable(t_->sound.played.last()));
        }

        QStringList expected;
        for (int q : wrongOnes) expected << QStringLiteral(" %1. What is question %1 about?").arg(q);
        QCOMPARE(visibleWrongLines(), expected);
        QCOMPARE(wrong()->title()->text(), QStringLiteral("Test sheet"));
        QVERIFY(!wrong()->isVisible());  // filled, not shown
    }

    void wrongAnswersReviewedAndClosed() {
        openTestQuiz();
        playQuiz({2, 7});
        QCOMPARE(visibleWrongLines(), (QStringList{QStringLiteral(" 2. What is question 2 about?"),
                                                   QStringLiteral(" 7. What is question 7 about?")}));
        QTest::mouseClick(results()->button(0), Qt::LeftButton);  // Check Wrong Answers
        QCOMPARE(t_->screens().topMost(), screen::kWrong);
        QCOMPARE(t_->sound.played.last(), kClick);
        t_->sound.played.clear();
        QTest::mouseClick(wrong()->exitButton(), Qt::LeftButton);
        settle();
        QVERIFY(!t_->screens().isLoaded(screen::kWrong));
        QVERIFY(!t_->screens().isLoaded(screen::kResults));
        QCOMPARE(t_->screens().topMost(), screen::kMenu);  // the screen beneath the quiz
        QVERIFY(t_->sound.played.isEmpty());               // the notice's button is silent
    }

    void resultsExitClosesNoticeToo() {
        openTestQuiz();
        playQuiz({3});
        QTest::mouseClick(results()->button(0), Qt::LeftButton);
        t_->screens().show(screen::kResults);  // the pupil brings the results forward again
        QTest::mouseClick(results()->button(1), Qt::LeftButton);
        settle();
        QVERIFY(!t_->screens().isLoaded(screen::kWrong));
        QVERIFY(!t_->screens().isLoaded(screen::kResults));
        QCOMPARE(t_->sound.played.last(), kClick);
    }

    void backAndForth() {
        openTestQuiz();
        choose(wrongAnswer(1));
        press(1);
        QVERIFY(quiz()->button(0)->isVisible());
        press(0);  // back to question 1: shown with no answer chosen
        QCOMPARE(quiz()->findChild<QLabel*>(QStringLiteral("Label4"))->text(), QStringLiteral("Question 1"));
        for (int i = 1; i <= 4; ++i) QVERIFY(!quiz()->option(i)->isChecked());
        QCOMPARE(t_->shared().marks[1], 0);
        choose(rightAnswer(1));
        press(1);
        QCOMPARE(t_->shared().marks[1], 1);
        for (int q = 2; q <= 9; ++q) {
            choose(rightAnswer(q));
            press(1);
        }
        QCOMPARE(quiz()->button(1)->caption(), QStringLiteral("Check Score >>"));
        press(0);
        QCOMPARE(quiz()->button(1)->caption(), QStringLiteral("Next Question >>"));
        QCOMPARE(t_->shared().marks[9], 1);  // kept until passed again
        press(1);                            // passed again with no answer: now wrong
        QCOMPARE(t_->shared().marks[9], 0);
        choose(rightAnswer(10));
        press(1);
        settle();
        QCOMPARE(t_->shared().score, 9);
        QCOMPARE(visibleWrongLines(), QStringList{QStringLiteral(" 9. What is question 9 about?")});
    }

    void noAnswerCountsWrong() {
        openTestQuiz();
        playQuiz({1, 10}, true);
        QCOMPARE(t_->shared().score, 8);
        QCOMPARE(visibleWrongLines().size(), 2);
    }

    void soundsOfChoosing() {
        openTestQuiz();
        choose(2);
        QCOMPARE(t_->sound.played, QStringList{kTypekey});
        choose(2);  // already chosen: nothing changes
        QCOMPARE(t_->sound.played, QStringList{kTypekey});
        press(1);  // the next question clears the choice (a typekey), then the click
        QCOMPARE(t_->sound.played, (QStringList{kTypekey, kTypekey, kClick}));
        press(1);  // nothing was chosen: only the click
        QCOMPARE(t_->sound.played, (QStringList{kTypekey, kTypekey, kClick, kClick}));
    }

    void exitMarksNothing() {
        openTestQuiz();
        choose(rightAnswer(1));
        press(1);
        press(2);  // Exit
        settle();
        QVERIFY(!t_->screens().isLoaded(screen::kQuiz));
        QVERIFY(!t_->screens().isLoaded(screen::kResults));
        QVERIFY(!t_->screens().isLoaded(screen::kWrong));
        QCOMPARE(t_->screens().topMost(), screen::kMenu);
        QCOMPARE(t_->shared().score, 0);
        QCOMPARE(t_->sound.played.last(), kClick);
    }

    void soundOffSilencesEverything() {
        openTestQuiz();
        t_->shared().soundon = 0;
        playQuiz({});
        waitForChain();
        QVERIFY(results()->picture()->hasPicture());
        QVERIFY(t_->sound.played.isEmpty());
    }

    void secondQuizShowsOnlyItsOwnWrongAnswers() {
        openTestQuiz();
        playQuiz({1, 2, 3});
        QTest::mouseClick(results()->button(1), Qt::LeftButton);
        settle();
        QVERIFY(openQuiz(t_->context(), kSheet, QString()));
        playQuiz({8});
        QCOMPARE(visibleWrongLines(), QStringList{QStringLiteral(" 8. What is question 8 about?")});
        QCOMPARE(results()->label(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Good work. You have scored 9 out of 10."));
    }

    void certificateWhenThePrinterFails() {
        openTestQuiz();
        playQuiz({});
        waitForChain();
        t_->sound.played.clear();
        t_->printer.failAt = 1;  // no printer
        QTest::mouseClick(results()->button(0), Qt::LeftButton);
        QCOMPARE(t_->dialogs.texts(),
                 QStringList{QStringLiteral("There was a problem printing to your printer.")});
        QVERIFY(t_->sound.played.isEmpty());  // no click after printing
        QCOMPARE(t_->screens().topMost(), screen::kResults);
    }

    void nameBoxHoldsTwentyFiveCharacters() {
        openTestQuiz();
        playQuiz({});
        waitForChain();
        const QString name = QStringLiteral("Bartholomew Featherstonehaugh-Smith");
        QTest::keyClicks(results()->nameBox(), name);
        QCOMPARE(results()->nameBox()->text(), name.left(25));
    }

    void damagedWorksheetNeverReachesTheQuiz_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("short") << QByteArray("Title\r\n \r\nQ1\r\nA\r\nB\r\nC\r\nD\r\n1\r\n \r\n");
        QByteArray bad;
        bad += "Title\r\n \r\n";
        for (int q = 0; q < 10; ++q)
            bad += "Q\r\nA\r\nB\r\nC\r\nD\r\n" + QByteArray(q == 4 ? "5" : "1") + "\r\n \r\n";
        QTest::newRow("answer 5") << bad;
    }
    void damagedWorksheetNeverReachesTheQuiz() {
        QFETCH(QByteArray, bytes);
        QVERIFY(t_->start());
        if (!bytes.isEmpty()) {
            QFile f(t_->worksheets() + QStringLiteral("/Broken.txt"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        QVERIFY(!openQuiz(t_->context(), QStringLiteral("multiple\\Broken.txt"), QString()));
        QCOMPARE(t_->dialogs.texts(), QStringList{QStringLiteral("This worksheet seems to be corrupted.")});
        QVERIFY(!t_->screens().isLoaded(screen::kQuiz));
    }

    // The labelling and ordering activities hand over only score and out-of.
    void activityHandover_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("outof");
        QTest::addColumn<QString>("words");
        QTest::addColumn<bool>("certificate");
        QTest::newRow("4 of 5") << 4 << 5 << QStringLiteral("Good work. You have scored 4 out of 5.")
                                << false;
        QTest::newRow("5 of 5") << 5 << 5 << QStringLiteral("Excellent work. You have scored 5 out of 5.")
                                << true;
    }
    void activityHandover() {
        QFETCH(int, score);
        QFETCH(int, outof);
        QFETCH(QString, words);
        QFETCH(bool, certificate);
        QVERIFY(t_->start());
        t_->shared().soundon = 1;
        t_->shared().score = score;
        t_->shared().outof = outof;
        t_->screens().show(screen::kResults);
        waitForChain();
        QCOMPARE(results()->label(QStringLiteral("Label1"))->text(), words);
        QCOMPARE(results()->button(0)->isVisible(), certificate);
        QCOMPARE(results()->label(QStringLiteral("Label6"))->isVisible(), !certificate);
        QVERIFY(!results()->label(QStringLiteral("Label5"))->isVisible());
        QCOMPARE(results()->nameBox()->isVisible(), certificate);
        QVERIFY(t_->sound.played.isEmpty());  // 4 and 5 have no sound, even as full marks

        // Shown again while open (the activity marks again): only brought to the front.
        t_->shared().score = 0;
        t_->screens().show(screen::kResults);
        QCOMPARE(results()->label(QStringLiteral("Label1"))->text(), words);
    }

    void resultsHover() {
        QVERIFY(t_->start());
        t_->shared().score = 3;
        t_->shared().outof = 5;
        t_->screens().show(screen::kResults);
        QVERIFY(!results()->button(1)->isLit());  // plain until the start-up chain lights it
        waitForChain();
        QVERIFY(results()->button(1)->isLit());
        pointAt(results(), QPoint(60, 300));
        QVERIFY(!results()->button(0)->isLit() && !results()->button(1)->isLit());
        pointAt(results()->button(1));
        QVERIFY(results()->button(1)->isLit());
    }
};

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
