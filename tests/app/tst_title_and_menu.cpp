#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "fonts.h"
#include "grey.h"
#include "picture_box.h"
#include "run.h"
#include "test_program.h"

using namespace bt;
using namespace bt::test;

class TestTitleAndMenu : public ProgramTest {
    Q_OBJECT

    Grey& grey() { return t_->program().grey(); }
    LabelButton* entry(int i) { return t_->find<LabelButton>(kMenu, "Label2", i); }
    bool clickEntry(int i) { return t_->click(kMenu, "Label2", i); }
    QRadioButton* soundOff() { return t_->find<QRadioButton>(kMenu, "Option2"); }

  private Q_SLOTS:
    void initTestCase() { registerFonts(); }

    void startsOnTheTitleScreen() {
        QVERIFY(t_->start());
        QWidget* title = t_->screen(kTitle);
        QCOMPARE(t_->top(), kTitle);
        QCOMPARE(grey().windowTitle(), QStringLiteral("Brambleton"));
        showBrambletonIcon();
        QCOMPARE(grey().windowIcon().pixmap(48).size(), QSize(48, 48));  // the icon is in the program
        QCOMPARE(t_->text(kTitle, "Command1"), QStringLiteral("OK"));
        QCOMPARE(title->geometry().center(), grey().rect().center());
        // The backdrop shows around the title screen.
        const QImage window = grey().grab().toImage();
        QCOMPARE(window.pixelColor(5, 5), QColor(48, 133, 214));
        QCOMPARE(window.pixelColor(title->x() + 3, title->y() + 20), QColor(192, 192, 192));
        QVERIFY(t_->find<PictureBox>(kTitle, "Picture1")->hasPicture());
        for (const char* name : {"Label1", "Label5", "Label3", "Label4"}) {
            auto* credit = t_->find<QLabel>(kTitle, QString::fromLatin1(name));
            QVERIFY2(credit->fontMetrics().horizontalAdvance(credit->text()) <= credit->width(), name);
        }
        // Exit before the menu has ever loaded ends at once, silently: sound is not on yet.
        QVERIFY(t_->click(kTitle, "Command2"));
        QCOMPARE(t_->ended, 1);
        QVERIFY(t_->sound.played.isEmpty());
    }

    void okOpensTheMenu() {
        QVERIFY(t_->startAtMenu());
        QVERIFY(!t_->screen(kTitle));
        QCOMPARE(grey().windowTitle(), QStringLiteral("Brambleton"));
        QCOMPARE(t_->sound.played, QStringList{kClick});  // heard: the menu has just switched sound on
        QVERIFY(t_->find<PictureBox>(kMenu, "Image1")->hasPicture());
        // The sound options are readable: on the screen's blue.
        const QImage shot = t_->screen(kMenu)->grab().toImage();
        QCOMPARE(shot.pixelColor(soundOff()->geometry().topRight() + QPoint(-2, 2)), QColor(0, 78, 152));
    }

    void menuEntries() {
        QVERIFY(t_->startAtMenu());
        const QSet<int> active{1, 10, 15, 16, 17, 18, 19, 20};
        for (int i = 0; i <= 20; ++i) {
            QVERIFY(entry(i));
            QCOMPARE(entry(i)->isActive(), active.contains(i));
            QVERIFY2(entry(i)->fontMetrics().horizontalAdvance(entry(i)->caption()) < entry(i)->width() - 4,
                     qPrintable(entry(i)->caption()));
        }
        QCOMPARE(entry(1)->caption(), QStringLiteral("Parts of a Plant"));
        QCOMPARE(entry(10)->caption(), QStringLiteral("Animals in your Locality"));
        // A greyed entry does nothing, silently; nor does the right button.
        t_->sound.played.clear();
        for (int i : {0, 2, 8, 11, 14}) QTest::mouseClick(entry(i), Qt::LeftButton);
        QTest::mouseClick(entry(17), Qt::RightButton);
        QVERIFY(t_->sound.played.isEmpty());
        QCOMPARE(t_->top(), kMenu);
    }

    void hoverLightsAndTheBackgroundUnlights() {
        QVERIFY(t_->startAtMenu());
        QWidget* menu = t_->screen(kMenu);
        const QPoint background(560, 420);
        QCOMPARE(menu->childAt(background), nullptr);
        pointAt(menu, background);
        for (int i = 0; i <= 20; ++i) QVERIFY(!entry(i)->isLit());
        pointAt(entry(1));
        pointAt(entry(10));  // a fast move straight from one entry to another: both stay lit
        QVERIFY(entry(1)->isLit() && entry(10)->isLit());
        pointAt(entry(17));
        pointAt(entry(9));  // a greyed entry never lights: hovering it is hovering the background
        QVERIFY(!entry(9)->isLit() && !entry(17)->isLit());
    }

    void exitThenCancelKeepsTheMenuAndItsSoundSetting() {
        QVERIFY(t_->startAtMenu());
        QTest::mouseClick(soundOff(), Qt::LeftButton);
        QWidget* before = t_->screen(kMenu);
        t_->sound.played.clear();
        QVERIFY(clickEntry(16));  // Exit
        QCOMPARE(t_->top(), kTitle);
        QCOMPARE(t_->text(kTitle, "Command1"), QStringLiteral("Cancel"));
        QCOMPARE(grey().childAt(5, 5), grey().curtain());  // the backdrop stands in front of the menu
        QVERIFY(t_->click(kTitle, "Command1"));
        QVERIFY(!t_->screen(kTitle));
        QCOMPARE(t_->screen(kMenu), before);  // the same menu, not loaded afresh
        QVERIFY(soundOff()->isChecked());
        QVERIFY(clickEntry(15));
        QVERIFY(t_->sound.played.isEmpty());  // sound stayed off throughout
        QCOMPARE(t_->ended, 0);
    }

    void keysAndTheConfirmationsExit() {
        QVERIFY(t_->start());
        QTest::keyClick(t_->screen(kTitle), Qt::Key_Return);  // "OK" has the focus at start
        settle();
        QCOMPARE(t_->top(), kMenu);
        QVERIFY(clickEntry(16));
        auto* exit = t_->find<QPushButton>(kTitle, "Command2");
        exit->setFocus();
        t_->sound.played.clear();
        QTest::keyClick(exit, Qt::Key_Enter);
        QCOMPARE(t_->ended, 1);
        QCOMPARE(t_->sound.played, QStringList{kClick});
    }

    // The menu reads the register into memory soon after it opens; without one it stays quiet.
    void menuReadsTheRegister() {
        QVERIFY(t_->addWorksheets({QStringLiteral("Minibeasts"), QStringLiteral("A, b")}));
        QVERIFY(t_->startAtMenu());
        QTRY_COMPARE(t_->context().shared.worksheetcount, 2);
        t_ = std::make_unique<TestProgram>(false);
        QVERIFY(t_->startAtMenu());
        QTRY_VERIFY(!t_->screen(kMenu)->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        QVERIFY(t_->dialogs.shown.isEmpty() && t_->context().shared.worksheetcount == 0);
    }
};

QTEST_MAIN(TestTitleAndMenu)
#include "tst_title_and_menu.moc"
