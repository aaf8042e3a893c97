// Every pupil: the program by keyboard alone (Tab to a control, Enter or Space to press it, the answer keys,
// Escape) and read aloud.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "colours.h"
#include "test_program.h"

using namespace bt;
using namespace bt::test;
using namespace Qt::StringLiterals;

class TestKeyboard : public ProgramTest {
    Q_OBJECT

    void key(Qt::Key k) {
        QTest::keyClick(QApplication::focusWidget(), k);
        settle();
    }
    // Tabs on to a control (at most once round the screen); false if Tab never reaches it.
    bool tabTo(QWidget* control) {
        for (int i = 0; i < 60 && QApplication::focusWidget() != control; ++i) key(Qt::Key_Tab);
        return QApplication::focusWidget() == control;
    }

  private Q_SLOTS:
    // A topic's quiz begun and left by keyboard, then a whole worksheet quiz, to the same results as by
    // pointer.
    void aQuizByKeyboard() {
        QVERIFY(t_->addWorksheets({u"Pond life"_s}) && t_->start());
        key(Qt::Key_Return);  // "OK"
        auto* plants = t_->find<LabelButton>(kMenu, "Label2", 1);
        QVERIFY(tabTo(plants));
        // The arrows move along the menu's columns and rows, past the greyed entries.
        for (const auto& [k, entry] : {std::pair(Qt::Key_Right, 10), std::pair(Qt::Key_Left, 1),
                                       std::pair(Qt::Key_Up, 15), std::pair(Qt::Key_Down, 1)}) {
            key(k);
            QCOMPARE(QApplication::focusWidget(), t_->find(kMenu, "Label2", entry));
        }
        // The focused button is drawn lit, with a ring in its text's colour inside the border.
        plants->setLit(false);
        QCOMPARE(plants->grab().toImage().pixelColor(2, plants->height() / 2), colours::kYellow);
        key(Qt::Key_Return);
        QCOMPARE(t_->top(), u"parts"_s);
        QVERIFY(tabTo(t_->find(u"parts"_s, "Label3", 0)));  // Multiple Choice
        key(Qt::Key_Space);
        QCOMPARE(t_->top(), kQuiz);
        // An answer by its number or its letter; Next by Enter.
        for (const auto& [k, answer] : {std::pair(Qt::Key_2, 2), std::pair(Qt::Key_D, 4)}) {
            key(k);
            QVERIFY(t_->find<QRadioButton>(kQuiz, "Option1", answer)->isChecked());
        }
        // The focused answer has a ring round its text in the text's colour, gone when the focus moves on.
        auto* fourth = t_->find<QRadioButton>(kQuiz, "Option1", 4);
        const auto yellow = [fourth] {
            const QImage image = fourth->grab().toImage();
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colours::kYellow;
            return n;
        };
        QCOMPARE(QApplication::focusWidget(), fourth);
        const int ringed = yellow();
        key(Qt::Key_Tab);
        QVERIFY(yellow() < ringed - 2 * fourth->height());
        QVERIFY(tabTo(t_->find(kQuiz, "Label3", 1)));
        key(Qt::Key_Enter);
        QCOMPARE(t_->text(kQuiz, "Label4"), u"Question 2"_s);
        key(Qt::Key_Escape);  // the quiz's Exit, then the topic page's
        QCOMPARE(t_->top(), u"parts"_s);
        key(Qt::Key_Escape);
        QCOMPARE(t_->top(), kMenu);

        QVERIFY(tabTo(t_->find(kMenu, "Label2", 18)));  // Worksheet Catalogue
        key(Qt::Key_Return);
        QVERIFY(tabTo(t_->find(kCatalogue, "Label2", 1)));
        key(Qt::Key_Return);
        for (int q = 1; q <= 10; ++q) {  // by number and by letter in turn; question 3 wrongly
            const int answer = q == 3 ? wrongAnswer(q) : rightAnswer(q);
            key(Qt::Key(q % 2 ? Qt::Key_0 + answer : Qt::Key_A + answer - 1));
            QVERIFY(tabTo(t_->find(kQuiz, "Label3", 1)));
            key(Qt::Key_Return);
        }
        QCOMPARE(t_->top(), kResults);
        QVERIFY(t_->text(kResults, "Label1").contains(u"9 out of 10"_s));
        TestProgram byPointer;
        QVERIFY(byPointer.addWorksheets({u"Pond life"_s}) && byPointer.startAtMenu() &&
                byPointer.openFromCatalogue() && byPointer.answerQuiz({3}));
        QCOMPARE(t_->text(kResults, "Label1"), byPointer.text(kResults, "Label1"));
        QCOMPARE(t_->text(kResults, "Label5"), byPointer.text(kResults, "Label5"));
    }

    // Each label picked up, carried box by box to its own and put down: full marks, as by the pointer.
    void aLabellingBoardByKeyboard() {
        QVERIFY(t_->startAtMenu() && t_->click(kMenu, "Label2", 1) && t_->click(u"parts"_s, "Label3", 1));
        const QString board = u"partslab"_s;
        QWidget* label0 = t_->find(board, "Label2", 0);
        const QPoint home = label0->pos();
        QVERIFY(tabTo(label0));
        // A screen reader's press picks it up, as Enter does.
        QAccessible::queryAccessibleInterface(label0)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        key(Qt::Key_Right);
        QCOMPARE(label0->pos(), QPoint(48, 216));  // carried onto the first box in reading order, the apple's
        key(Qt::Key_Escape);                       // put back, and the board stays
        QCOMPARE(label0->pos(), home);
        QCOMPARE(t_->top(), board);
        t_->sound.played.clear();
        for (int k = 0; k < 7; ++k) {
            QVERIFY(tabTo(t_->find(board, "Label2", k)));
            key(Qt::Key_Space);
            QWidget* label = t_->find(board, "Label2", k);
            QWidget* own = t_->find(board, "Label1", k);
            key(Qt::Key_Left);  // round to the last box, then on box by box to its own
            for (int step = 0; step < 7 && label->pos() != own->pos(); ++step) key(Qt::Key_Right);
            key(Qt::Key_Return);
            QCOMPARE(label->pos(), own->pos());
        }
        QCOMPARE(t_->sound.played, QStringList(7, u"wav\\thud3.wav"_s));
        QVERIFY(tabTo(t_->find(board, "Label3", 2)));  // Check Score
        key(Qt::Key_Return);
        QCOMPARE(t_->top(), kResults);
        QTRY_VERIFY(t_->text(kResults, "Label1").contains(u"7 out of 7"_s));
    }

    // Switched on, the quiz reads each question and its answers, a board its instruction and each label
    // picked up, the results screen its words; each stops when its screen goes. Off, nothing is read.
    void readAloud() {
        QVERIFY(t_->addWorksheets({u"Pond life"_s}) && t_->startAtMenu());
        auto* check = t_->find<QCheckBox>(kMenu, "Check1");
        QVERIFY(check->isEnabled() && !check->isChecked());
        QVERIFY(t_->click(kMenu, "Label2", 1) && t_->click(u"parts"_s, "Label3", 0));
        QVERIFY(t_->speech.said.isEmpty());
        QVERIFY(t_->click(kQuiz, "Label3", 2) && t_->click(u"parts"_s, "Label3", 2) &&
                t_->click(kMenu, "Check1"));
        QCOMPARE(t_->context().shared.readaloud, 1);

        const auto question = [this] {
            QStringList shown{t_->text(kQuiz, "Label2")};
            for (int i = 1; i <= 4; ++i) shown << t_->text(kQuiz, "Option1", i);
            return shown;
        };
        QVERIFY(t_->click(kMenu, "Label2", 1) && t_->click(u"parts"_s, "Label3", 0));
        QCOMPARE(t_->speech.said, QList<QStringList>{question()});
        QVERIFY(t_->click(kQuiz, "Option1", 2) && t_->click(kQuiz, "Label3", 1));  // Next Question
        QCOMPARE(t_->speech.said.size(), 2);
        QCOMPARE(t_->speech.said.last(), question());
        const int stops = t_->speech.stops;
        QVERIFY(t_->click(kQuiz, "Label3", 2));  // Exit
        QCOMPARE(t_->speech.stops, stops + 1);

        QVERIFY(t_->click(u"parts"_s, "Label3", 1));
        const QString board = u"partslab"_s;
        QCOMPARE(t_->speech.said.last(), QStringList{u"Drag the labels into the correct boxes."_s});
        QWidget* label = t_->find(board, "Label2", 0);
        const qsizetype before = t_->speech.said.size();
        QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
        QTest::mouseMove(label, label->rect().center() + QPoint(30, 30));
        QTest::mouseMove(label, label->rect().center() + QPoint(20, 20));  // still the same label: read once
        QTest::mouseRelease(label, Qt::LeftButton, {}, label->rect().center());
        QCOMPARE(t_->speech.said.size(), before + 1);
        QCOMPARE(t_->speech.said.last(), QStringList{t_->find(board, "Label2", 0)->accessibleName()});
        QVERIFY(tabTo(t_->find(board, "Label2", 3)));
        key(Qt::Key_Return);  // picked up by keyboard
        QCOMPARE(t_->speech.said.last(), QStringList{t_->find(board, "Label2", 3)->accessibleName()});
        const int said = int(t_->speech.said.size());
        QVERIFY(t_->click(board, "Label3", 0) && t_->click(u"parts"_s, "Label3", 2));
        QCOMPARE(t_->speech.said.size(), said);

        // Kept while the program runs: the menu built again still has it on.
        QVERIFY(t_->click(kMenu, "Label2", 16) && t_->click(kTitle, "Command1"));
        QVERIFY(t_->find<QCheckBox>(kMenu, "Check1")->isChecked());
        QVERIFY(t_->openFromCatalogue() && t_->answerQuiz());
        QCOMPARE(t_->top(), kResults);
        QCOMPARE(t_->speech.said.last(),
                 QStringList({u"Well Done!"_s, t_->text(kResults, "Label1"), t_->text(kResults, "Label2")}));
    }

    // Without a voice the switch is greyed; a voice that cannot be made turns it off and greys it.
    void readAloudWithoutAVoice() {
        t_->speech.voice = false;
        QVERIFY(t_->startAtMenu());
        auto* check = t_->find<QCheckBox>(kMenu, "Check1");
        QVERIFY(!check->isEnabled());
        t_->speech.voice = true;
        t_->context().screens->unload(screen::kMenu);
        t_->context().screens->show(screen::kMenu);
        check = t_->find<QCheckBox>(kMenu, "Check1");
        QVERIFY(check->isEnabled());
        t_->speech.voice = false;
        QVERIFY(t_->click(kMenu, "Check1"));
        QVERIFY(!check->isChecked() && !check->isEnabled());
        QCOMPARE(t_->context().shared.readaloud, 0);
    }

    void enterInTheNameBoxPrints() {
        QVERIFY(t_->addWorksheets({u"Pond life"_s}) && t_->startAtMenu() && t_->openFromCatalogue());
        QVERIFY(t_->answerQuiz());
        QTRY_COMPARE(QApplication::focusWidget(), t_->find(kResults, "Text1"));
        QTest::keyClicks(QApplication::focusWidget(), u"Amy Jones"_s);
        key(Qt::Key_Return);
        QCOMPARE(t_->printJobs, 1);
        QCOMPARE(t_->dialogs.texts(), QStringList{u"Your certificate is now printing."_s});
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
