// The program by keyboard alone: Tab to a control, Enter or Space to press it, the answer keys, Escape.
#include <QApplication>
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
    void aQuizByKeyboard() {
        QVERIFY(t_->start());
        key(Qt::Key_Return);  // "OK"
        auto* plants = t_->find<LabelButton>(kMenu, "Label2", 1);
        QVERIFY(tabTo(plants));
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
        QVERIFY(tabTo(t_->find(kQuiz, "Label3", 1)));
        key(Qt::Key_Enter);
        QCOMPARE(t_->text(kQuiz, "Label4"), u"Question 2"_s);
        key(Qt::Key_Escape);  // the quiz's Exit, then the topic page's
        QCOMPARE(t_->top(), u"parts"_s);
        key(Qt::Key_Escape);
        QCOMPARE(t_->top(), kMenu);
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
