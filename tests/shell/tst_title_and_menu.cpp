#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QTest>

#include "fonts.h"
#include "grey.h"
#include "intro0.h"
#include "picture_box.h"
#include "screens.h"
#include "test_program.h"
#include "titlefrm.h"

using namespace bt;
using namespace bt::test;

namespace {

const QString kClick = QStringLiteral("wav\\click.wav");
const QSet<int> kActiveEntries{1, 10, 15, 16, 17, 18, 19, 20};

}  // namespace

class TestTitleAndMenu : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> t_;

    Titlefrm* title() { return qobject_cast<Titlefrm*>(t_->screen(QStringLiteral("Titlefrm"))); }
    intro0* menu() { return qobject_cast<intro0*>(t_->screen(QStringLiteral("intro0"))); }
    Grey& grey() { return t_->program().grey(); }

    // From start-up to the menu, through "OK".
    void toMenu() {
        QVERIFY(t_->start());
        QTest::mouseClick(title()->command1(), Qt::LeftButton);
        settle();
        QVERIFY(menu());
    }

  private Q_SLOTS:
    void initTestCase() { registerFonts(); }
    void init() { t_ = std::make_unique<TestProgram>(); }
    void cleanup() { t_.reset(); }

    void startsOnTheTitleScreen() {
        QVERIFY(t_->start());
        QVERIFY(grey().isVisible());
        QCOMPARE(t_->screens().topMost(), QStringLiteral("Titlefrm"));
        QVERIFY(!t_->screens().isLoaded(QStringLiteral("intro0")));
        QCOMPARE(grey().windowTitle(), QStringLiteral(" "));
        QCOMPARE(title()->command1()->text(), QStringLiteral("OK"));
        QCOMPARE(title()->size(), QSize(364, 438));
        QCOMPARE(title()->geometry().center(), grey().rect().center());
        QCOMPARE(grey().childAt(grey().rect().center()), title()->childAt(title()->rect().center()));
        // The backdrop shows around the title screen.
        const QImage window = grey().grab().toImage();
        QCOMPARE(window.pixelColor(5, 5), QColor(48, 133, 214));
        QCOMPARE(window.pixelColor(title()->x() + 3, title()->y() + 20), QColor(192, 192, 192));
        auto* photo = title()->findChild<PictureBox*>(QStringLiteral("Picture1"));
        QVERIFY(photo && photo->hasPicture());
        QCOMPARE(t_->shared().soundon, 0);
        QVERIFY(t_->sound.played.isEmpty());
    }

    void titleScreenLayout() {
        QVERIFY(t_->start());
        auto* heading = title()->findChild<QLabel*>(QStringLiteral("Label4"));
        QVERIFY(heading);
        QCOMPARE(heading->text(), QStringLiteral("Brambleton"));
        QCOMPARE(QFontInfo(heading->font()).family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(heading->font().pixelSize(), 32);
        QVERIFY(heading->font().bold());
        for (const char* name : {"Label1", "Label5", "Label3"}) {
            auto* credit = title()->findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY(credit && !credit->text().isEmpty());
            QVERIFY2(credit->fontMetrics().horizontalAdvance(credit->text()) <= credit->width(), name);
        }
        QCOMPARE(title()->command2()->text(), QStringLiteral("Exit"));
        QCOMPARE(title()->command1()->geometry(), QRect(88, 400, 89, 25));
    }

    void okOpensTheMenuWithAClick() {
        toMenu();
        QCOMPARE(t_->screens().topMost(), QStringLiteral("intro0"));
        QVERIFY(!t_->screens().isLoaded(QStringLiteral("Titlefrm")));
        QCOMPARE(grey().windowTitle(), QStringLiteral("Brambleton"));
        QCOMPARE(t_->sound.played, QStringList{kClick});  // heard: the menu has just switched sound on
        QCOMPARE(t_->shared().soundon, 1);
        QVERIFY(menu()->soundOn()->isChecked());
        QCOMPARE(menu()->geometry(), QRect(0, 0, 800, 600));
        QCOMPARE(grey().childAt(400, 590), menu());  // the menu covers the window
    }

    void menuEntries() {
        toMenu();
        const QStringList captions{"Grouping of Plants",
                                   "Parts of a Plant",
                                   "Nutrition for Plants",
                                   "Growth of Plants",
                                   "Reproduction of Plants",
                                   "Plant Survival",
                                   "Plants as Food Sources",
                                   "Healthy Plants",
                                   "Habitats",
                                   "Classification of Animals",
                                   "Animals in your Locality",
                                   "Life Cycles of Animals",
                                   "Animal Adaptations",
                                   "Food Chains",
                                   "Micro-organisms",
                                   "Introduction",
                                   "Exit",
                                   "Multiple Choice Wizard",
                                   "Worksheet Catalogue",
                                   "Acknowledgments",
                                   "Teachers' Guide"};
        for (int i = 0; i < intro0::kEntries; ++i) {
            LabelButton* entry = labelOf(menu(), QStringLiteral("Label2"), i);
            QVERIFY(entry);
            QCOMPARE(entry->caption(), captions[i]);
            QCOMPARE(entry->isActive(), kActiveEntries.contains(i));
            QCOMPARE(QFontInfo(entry->font()).family(), QStringLiteral("Tahoma"));
            QVERIFY(entry->font().bold());
            QVERIFY2(entry->fontMetrics().horizontalAdvance(entry->caption()) < entry->width() - 4,
                     qPrintable(entry->caption()));
        }
        QCOMPARE(labelOf(menu(), QStringLiteral("Label2"), 16)->geometry(), QRect(704, 528, 83, 33));
        QCOMPARE(labelOf(menu(), QStringLiteral("Label2"), 16)->font().pixelSize(), 24);
        QCOMPARE(labelOf(menu(), QStringLiteral("Label2"), 20)->font().pixelSize(), 19);
        QCOMPARE(labelOf(menu(), QStringLiteral("Label2"), 0)->geometry(), QRect(8, 184, 205, 25));
        auto* heading = menu()->findChild<QLabel*>(QStringLiteral("Label1"));
        QCOMPARE(heading->font().pixelSize(), 43);
        auto* photo = menu()->findChild<PictureBox*>(QStringLiteral("Image1"));
        QVERIFY(photo && photo->hasPicture());
        // The sound options are readable: yellow on the screen's blue.
        const QImage shot = menu()->grab().toImage();
        QCOMPARE(shot.pixelColor(menu()->soundOff()->geometry().topRight() + QPoint(-2, 2)),
                 QColor(0, 78, 152));
    }

    void hoverLightsAndTheBackgroundUnlights() {
        toMenu();
        auto entry = [this](int i) { return labelOf(menu(), QStringLiteral("Label2"), i); };
        for (int i = 0; i < intro0::kEntries; ++i) QVERIFY(entry(i)->isLit());  // lit at first display
        const QPoint background(560, 420);
        QCOMPARE(menu()->childAt(background), nullptr);
        pointAt(menu(), background);
        for (int i = 0; i < intro0::kEntries; ++i) QVERIFY(!entry(i)->isLit());

        pointAt(entry(1));
        QVERIFY(entry(1)->isLit());
        // A fast move straight from one entry to another: both stay lit.
        pointAt(entry(10));
        QVERIFY(entry(1)->isLit());
        QVERIFY(entry(10)->isLit());
        pointAt(menu(), background);
        QVERIFY(!entry(1)->isLit() && !entry(10)->isLit());

        // A greyed entry never lights; hovering it is hovering the background.
        pointAt(entry(17));
        QVERIFY(entry(17)->isLit());
        pointAt(entry(9));
        QVERIFY(!entry(9)->isLit());
        QVERIFY(!entry(17)->isLit());
    }

    void greyedEntryDoesNothing() {
        toMenu();
        t_->sound.played.clear();
        for (int i : {0, 2, 8, 11, 14})
            QTest::mouseClick(labelOf(menu(), QStringLiteral("Label2"), i), Qt::LeftButton);
        QVERIFY(t_->sound.played.isEmpty());
        QCOMPARE(t_->screens().topMost(), QStringLiteral("intro0"));
    }

    void soundOffSilencesClicks() {
        toMenu();
        QTest::mouseClick(menu()->soundOff(), Qt::LeftButton);
        QCOMPARE(t_->shared().soundon, 0);
        t_->sound.played.clear();
        QTest::mouseClick(labelOf(menu(), QStringLiteral("Label2"), 15), Qt::LeftButton);
        QTest::mouseClick(labelOf(menu(), QStringLiteral("Label2"), 16),
                          Qt::LeftButton);                       // Exit: title comes
        QTest::mouseClick(title()->command1(), Qt::LeftButton);  // Cancel
        settle();
        QVERIFY(t_->sound.played.isEmpty());
        QTest::mouseClick(menu()->soundOn(), Qt::LeftButton);
        QTest::mouseClick(labelOf(menu(), QStringLiteral("Label2"), 15), Qt::LeftButton);
        QCOMPARE(t_->sound.played, QStringList{kClick});
    }

    void exitThenCancelKeepsTheSoundSetting() {
        toMenu();
        QTest::mouseClick(menu()->soundOff(), Qt::LeftButton);
        intro0* before = menu();
        QTest::mouseClick(labelOf(menu(), QStringLiteral("Label2"), 16), Qt::LeftButton);
        QCOMPARE(t_->screens().topMost(), QStringLiteral("Titlefrm"));
        QCOMPARE(title()->command1()->text(), QStringLiteral("Cancel"));
        QCOMPARE(grey().windowTitle(), QStringLiteral(" "));
        // The backdrop stands in front of the menu, the title screen in front of the backdrop.
        QCOMPARE(grey().childAt(5, 5), grey().curtain());
        QVERIFY(title()->findChild<PictureBox*>(QStringLiteral("Picture1"))->hasPicture());

        QTest::mouseClick(title()->command1(), Qt::LeftButton);
        settle();
        QVERIFY(!t_->screens().isLoaded(QStringLiteral("Titlefrm")));
        QCOMPARE(menu(), before);  // the same menu, not loaded afresh
        QCOMPARE(t_->shared().soundon, 0);
        QVERIFY(menu()->soundOff()->isChecked());
        QVERIFY(menu()->isAncestorOf(grey().childAt(5, 5)));
        QCOMPARE(t_->ended, 0);
    }

    void menuLoadedAfreshSwitchesSoundOn() {
        toMenu();
        QTest::mouseClick(menu()->soundOff(), Qt::LeftButton);
        t_->screens().unload(QStringLiteral("intro0"));
        settle();
        t_->screens().show(QStringLiteral("intro0"));
        QCOMPARE(t_->shared().soundon, 1);
        QVERIFY(menu()->soundOn()->isChecked());
    }

    void enterPressesTheFocusedButton() {
        QVERIFY(t_->start());
        QTest::keyClick(title(), Qt::Key_Return);  // "OK" has the focus at start
        settle();
        QCOMPARE(t_->screens().topMost(), QStringLiteral("intro0"));
        QTest::mouseClick(labelOf(menu(), QStringLiteral("Label2"), 16), Qt::LeftButton);
        title()->command2()->setFocus();
        QTest::keyClick(title()->command2(), Qt::Key_Enter);
        QCOMPARE(t_->ended, 1);
    }

    void exitAtStartIsSilent() {
        QVERIFY(t_->start());
        QTest::mouseClick(title()->command2(), Qt::LeftButton);
        QCOMPARE(t_->ended, 1);
        QVERIFY(t_->sound.played.isEmpty());  // sound is still off before the menu has loaded
    }

    void exitFromTheConfirmationEnds() {
        toMenu();
        QTest::mouseClick(labelOf(menu(), QStringLiteral("Label2"), 16), Qt::LeftButton);
        t_->sound.played.clear();
        QTest::mouseClick(title()->command2(), Qt::LeftButton);
        QCOMPARE(t_->ended, 1);
        QCOMPARE(t_->sound.played, QStringList{kClick});
    }

    void timerReadsTheRegister() {
        QFile reg(t_->worksheets() + QStringLiteral("/track.txt"));
        QVERIFY(reg.open(QIODevice::WriteOnly));
        reg.write(" 2 \r\nMinibeasts\r\n\"Plants, trees\"\r\n");
        reg.close();
        toMenu();
        QTRY_COMPARE(t_->shared().worksheetcount, 2);
        QCOMPARE(t_->shared().worksheetnames[2], QStringLiteral("Plants, trees"));
        QVERIFY(!menu()->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    }

    void missingRegisterIsQuiet() {
        t_ = std::make_unique<TestProgram>(false);
        toMenu();
        QTRY_VERIFY(!menu()->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        QCOMPARE(t_->shared().worksheetcount, 0);
        QVERIFY(t_->dialogs.shown.isEmpty());
    }

    void missingPhotographLeavesTheScreenWhole() {
        QVERIFY(QFile::remove(t_->folder() + QStringLiteral("/images/swan1.jpg")));
        toMenu();
        QVERIFY(!menu()->findChild<PictureBox*>(QStringLiteral("Image1"))->hasPicture());
        QCOMPARE(t_->screens().topMost(), QStringLiteral("intro0"));
    }
};

QTEST_MAIN(TestTitleAndMenu)
#include "tst_title_and_menu.moc"
