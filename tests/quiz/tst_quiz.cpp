#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "grey.h"
#include "picture_box.h"
#include "test_program.h"

using namespace bt;
using namespace bt::test;

namespace {
const QString kTypekey = QStringLiteral("wav\\typekey.wav");
}  // namespace

class TestQuiz : public ProgramTest {
    Q_OBJECT

    // "Test sheet" from the catalogue, as a pupil opens a teacher's worksheet.
    void openTestQuiz(bool soundOff = false) {
        QVERIFY(t_->addWorksheets({QStringLiteral("Test sheet")}));
        QVERIFY(t_->startAtMenu());
        if (soundOff) QTest::mouseClick(t_->find(kMenu, "Option2"), Qt::LeftButton);
        QVERIFY(t_->openFromCatalogue());
        QCOMPARE(t_->top(), kQuiz);
        t_->sound.played.clear();
    }
    void choose(int answer) {
        QVERIFY(t_->click(kQuiz, "Option1", answer));
        QVERIFY(t_->find<QRadioButton>(kQuiz, "Option1", answer)->isChecked());
    }
    void press(int button) { QVERIFY(t_->click(kQuiz, "Label3", button)); }
    QString quizText(const char* label) { return t_->text(kQuiz, QString::fromLatin1(label)); }
    QString resultsText(const char* label) { return t_->text(kResults, QString::fromLatin1(label)); }
    QStringList wrongLines() {
        QStringList lines;
        for (int w = 0; w < 10; ++w)
            if (t_->shown(kWrong, "Label2", w)) lines << t_->text(kWrong, "Label2", w);
        return lines;
    }
    LabelButton* resultsButton(int i) { return t_->find<LabelButton>(kResults, "Label3", i); }
    // The results screen's start-up chain has run: picture, lit buttons, then the sound.
    void waitForChain() {
        QTRY_VERIFY(!t_->screen(kResults)->findChild<QTimer*>(QStringLiteral("Timer3"))->isActive() &&
                    resultsButton(1)->isLit());
    }

  private Q_SLOTS:
    void firstQuestion() {
        openTestQuiz();
        QCOMPARE(quizText("Label5"), QStringLiteral("Brambleton"));
        QCOMPARE(quizText("Label6"), QStringLiteral("Test sheet"));
        QCOMPARE(quizText("Label4"), QStringLiteral("Question 1"));
        QCOMPARE(quizText("Label2"), QStringLiteral("What is question 1 about?"));
        QCOMPARE(t_->text(kQuiz, "Option1", 3), QStringLiteral("Answer C"));
        QVERIFY(t_->find<PictureBox>(kQuiz, "Picture1")->hasPicture());
        QVERIFY(!t_->shown(kQuiz, "Label3", 0));  // no going back from question 1
        QCOMPARE(t_->text(kQuiz, "Label3", 1), QStringLiteral("Next Question >>"));
        for (int i = 1; i <= 4; ++i) QVERIFY(!t_->find<QRadioButton>(kQuiz, "Option1", i)->isChecked());
    }

    void wholeQuizzes_data() {
        QTest::addColumn<QList<int>>("wrongOnes");
        QTest::addColumn<bool>("blank");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QStringList>("sounds");
        QTest::newRow("all right") << QList<int>{} << false
                                   << QStringLiteral("Excellent work. You have scored 10 out of 10.")
                                   << QStringList{"wav\\fanf2.wav", "wav\\fanf3.wav"};
        QTest::newRow("8 right, two left blank")
            << QList<int>{2, 7} << true << QStringLiteral("Good work. You have scored 8 out of 10.")
            << QStringList{"wav\\flute.wav", "wav\\gong.wav", "wav\\clap2.wav"};
        QTest::newRow("0 right") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << false
                                 << QStringLiteral("You have scored 0 out of 10.") << QStringList{};
        QTest::newRow("all right, sound off: no clicks, no typekeys, no fanfare")
            << QList<int>{} << false << QStringLiteral("Excellent work. You have scored 10 out of 10.")
            << QStringList{"-"};
    }
    void wholeQuizzes() {
        QFETCH(QList<int>, wrongOnes);
        QFETCH(bool, blank);
        QFETCH(QString, words);
        QFETCH(QStringList, sounds);
        const bool soundOff = sounds == QStringList{"-"};
        openTestQuiz(soundOff);
        QVERIFY(t_->answerQuiz(wrongOnes, blank));
        QVERIFY(!t_->screen(kQuiz));  // the quiz screen goes when the results come
        QCOMPARE(t_->top(), kResults);
        QCOMPARE(t_->program().grey().windowTitle(), QStringLiteral("Well Done!"));
        QCOMPARE(resultsText("Label1"), words);
        const bool perfect = wrongOnes.isEmpty();
        QCOMPARE(t_->text(kResults, "Label3", 0),
                 perfect ? QStringLiteral("Print Certificate") : QStringLiteral("Check Wrong Answers"));
        QVERIFY(t_->shown(kResults, "Label3", 0));  // after a quiz always
        QVERIFY(t_->shown(kResults, "Label5") && !t_->shown(kResults, "Label6"));
        QCOMPARE(resultsText("Label5").isEmpty(), perfect);
        QCOMPARE(t_->shown(kResults, "Text1"), perfect);
        QVERIFY(!resultsButton(1)->isLit());  // plain until the start-up chain lights it
        waitForChain();
        QVERIFY(t_->find<PictureBox>(kResults, "Picture1")->hasPicture());
        if (perfect) QCOMPARE(QApplication::focusWidget(), t_->find(kResults, "Text1"));
        QCOMPARE(t_->sound.played.count(kClick), soundOff ? 0 : 10);
        if (soundOff)
            QVERIFY(t_->sound.played.isEmpty());
        else if (sounds.isEmpty())
            QCOMPARE(t_->sound.played.last(), kClick);
        else
            QVERIFY2(sounds.contains(t_->sound.played.last()), qPrintable(t_->sound.played.last()));

        QStringList expected;
        for (int q : wrongOnes) expected << QStringLiteral(" %1. What is question %1 about?").arg(q);
        QCOMPARE(wrongLines(), expected);
        QCOMPARE(t_->text(kWrong, "Label6"), QStringLiteral("Test sheet"));
        QVERIFY(!t_->screen(kWrong)->isVisible());  // filled, not shown
    }

    void resultsAndNoticeCloseTogether_data() {
        QTest::addColumn<bool>("review");
        QTest::newRow("reviewed, then the notice's Exit") << true;
        QTest::newRow("not reviewed, the results' Exit") << false;
    }
    void resultsAndNoticeCloseTogether() {
        QFETCH(bool, review);
        openTestQuiz();
        QVERIFY(t_->answerQuiz({2, 7}));
        t_->sound.played.clear();
        if (review) {
            QVERIFY(t_->click(kResults, "Label3", 0));  // Check Wrong Answers
            QCOMPARE(t_->top(), kWrong);
            QVERIFY(t_->click(kWrong, "Label3", 1));
        } else {
            QVERIFY(t_->click(kResults, "Label3", 1));
        }
        QVERIFY(!t_->screen(kWrong) && !t_->screen(kResults));
        QCOMPARE(t_->top(), kCatalogue);                  // the screen beneath the quiz
        QCOMPARE(t_->sound.played, QStringList{kClick});  // the notice's own button is silent
    }

    // Going back shows the question afresh, with no answer chosen; its mark stands until it is passed again.
    void backAndForth() {
        openTestQuiz();
        for (int q = 1; q <= 9; ++q) {
            choose(rightAnswer(q));
            press(1);
        }
        QCOMPARE(t_->text(kQuiz, "Label3", 1), QStringLiteral("Check Score >>"));
        press(0);
        QCOMPARE(quizText("Label4"), QStringLiteral("Question 9"));
        QCOMPARE(t_->text(kQuiz, "Label3", 1), QStringLiteral("Next Question >>"));
        for (int i = 1; i <= 4; ++i) QVERIFY(!t_->find<QRadioButton>(kQuiz, "Option1", i)->isChecked());
        press(1);  // question 9 passed again with no answer: now wrong
        choose(rightAnswer(10));
        press(1);
        QCOMPARE(wrongLines(), QStringList{QStringLiteral(" 9. What is question 9 about?")});
    }

    void soundsOfChoosing() {
        openTestQuiz();
        choose(2);
        choose(2);  // already chosen: nothing changes
        QCOMPARE(t_->sound.played, QStringList{kTypekey});
        press(1);  // the next question clears the choice (a typekey), then the click
        press(1);  // nothing was chosen: only the click
        QCOMPARE(t_->sound.played, (QStringList{kTypekey, kTypekey, kClick, kClick}));
        press(2);  // Exit marks nothing
        QVERIFY(!t_->screen(kQuiz) && !t_->screen(kResults) && !t_->screen(kWrong));
        QCOMPARE(t_->top(), kCatalogue);
        QCOMPARE(t_->sound.played.last(), kClick);
    }
};

QTEST_MAIN(TestQuiz)
#include "tst_quiz.moc"
