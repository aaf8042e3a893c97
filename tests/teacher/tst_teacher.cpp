#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "page_view.h"
#include "picture_box.h"
#include "test_program.h"

using namespace bt;
using namespace bt::test;

class TestTeacher : public ProgramTest {
    Q_OBJECT

    PageView* page(const QString& on, const char* name) {
        return t_->find<PageView>(on, QString::fromLatin1(name));
    }
    PictureBox* picture(const char* name) {
        return t_->find<PictureBox>(kTeacher, QString::fromLatin1(name));
    }
    QTimer* logoTimer() { return t_->screen(kTeacher)->findChild<QTimer*>(QStringLiteral("Timer1")); }
    LabelButton* guideButton(int i) { return t_->find<LabelButton>(kGuide, "Label3", i); }

    // The frames the logo animation shows over the next `ticks` ticks; -1 for a frame whose file did not
    // load.
    QList<int> animate(int ticks) {
        QList<int> frames;
        QMetaObject::Connection c = connect(logoTimer(), &QTimer::timeout, this, [this, &frames] {
            frames << (picture("Picture1")->hasPicture() ? t_->context().shared.logoframe : -1);
        });
        QElapsedTimer waited;
        waited.start();
        while (frames.size() < ticks && waited.elapsed() < 5000) QTest::qWait(5);
        disconnect(c);
        return frames.mid(0, ticks);
    }

  private Q_SLOTS:
    void pagesFromTheMenu_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QColor>("background");
        QTest::newRow("introduction") << 15 << QStringLiteral("wmf\\introduction.wmf") << QColor(0, 78, 152);
        QTest::newRow("acknowledgments")
            << 19 << QStringLiteral("wmf\\acknowledgments.wmf") << QColor(49, 130, 212);
    }
    void pagesFromTheMenu() {
        QFETCH(int, entry);
        QFETCH(QString, shown);
        QFETCH(QColor, background);
        QVERIFY(t_->startAtMenu());
        QVERIFY(t_->click(kMenu, "Label2", entry));
        QCOMPARE(t_->top(), kTeacher);
        QCOMPARE(page(kTeacher, "Image1")->source(), shown);
        QCOMPARE(page(kTeacher, "Image2")->source(),
                 QString(shown).replace(QLatin1String("wmf\\"), QLatin1String("wmf2\\")));
        QVERIFY(page(kTeacher, "Image1")->hasPage() && page(kTeacher, "Image2")->hasPage());
        QVERIFY(!page(kTeacher, "Image2")->isVisible());  // the print version is held, not shown
        QVERIFY(page(kTeacher, "Image1")->width() <= 696 && page(kTeacher, "Image1")->height() <= 528);
        QCOMPARE(t_->screen(kTeacher)->palette().color(QPalette::Window), background);
        QCOMPARE(logoTimer()->isActive(), entry == 19);
        // No hover effect, no click sound; Exit closes.
        pointAt(t_->screen(kTeacher), QPoint(790, 300));
        QVERIFY(t_->find<LabelButton>(kTeacher, "Label3", 2)->isLit());
        t_->sound.played.clear();
        QVERIFY(t_->click(kTeacher, "Label3", 2));
        QCOMPARE(t_->top(), kMenu);
        QVERIFY(t_->sound.played.isEmpty());
    }

    void logoAnimationLoopsAndResumes() {
        QVERIFY(t_->startAtMenu());
        const int before = t_->context().shared.logoframe;
        QVERIFY(t_->click(kMenu, "Label2", 19));
        // Hidden until the first tick, which a slow machine may have had already.
        QCOMPARE(picture("Picture1")->isVisible(), t_->context().shared.logoframe != before);
        QVERIFY(picture("Picture2")->hasPicture());  // the logo itself
        QList<int> expected;  // on from the frame shown now, round past the last frame to the first
        for (int i = 1; i <= 21; ++i) expected << (t_->context().shared.logoframe + i) % 20;
        QCOMPARE(animate(21), expected);
        QVERIFY(picture("Picture1")->isVisible() && picture("Picture2")->isVisible());
        QVERIFY(t_->click(kTeacher, "Label3", 2));
        const int last = t_->context().shared.logoframe;
        QVERIFY(t_->click(kMenu, "Label2", 19));
        QCOMPARE(animate(1), QList<int>{(last + 1) % 20});  // carries on after the last frame shown
    }

    void guideWalk() {
        QVERIFY(t_->startAtMenu());
        QVERIFY(t_->click(kMenu, "Label2", 20));
        QCOMPARE(t_->top(), kGuide);
        t_->sound.played.clear();
        const QStringList headings = QStringLiteral(
                                         "|||Nutrition for Plants|Growth of Plants|Reproduction of Plants|"
                                         "Plant Survival|Healthy Plants|Habitats|Animals in your Locality")
                                         .split(u'|');
        auto expect = [&](int p) {
            QCOMPARE(t_->text(kGuide, "Label1"), QStringLiteral("Page %1 of 10").arg(p));
            QCOMPARE(t_->text(kGuide, "Label2"), headings[p - 1]);
            QCOMPARE(page(kGuide, "Image1")->source(),
                     p <= 3 ? QStringLiteral("wmf\\guide%1.wmf").arg(p) : QString());
            QCOMPARE(page(kGuide, "Image1")->hasPage(), p <= 3);
            if (p <= 3)
                QCOMPARE(page(kGuide, "Image2")->source(), QStringLiteral("wmf2\\guide%1.wmf").arg(p));
            QCOMPARE(guideButton(0)->isActive(), p <= 3);  // Print
            QCOMPARE(guideButton(3)->isActive(), p > 1);   // Previous Page
            QCOMPARE(guideButton(2)->isActive(), p < 10);  // Next Page
        };
        expect(1);
        QTest::mouseClick(guideButton(3), Qt::LeftButton);  // greyed: does nothing
        expect(1);
        for (int p = 2; p <= 10; ++p) {
            QVERIFY(t_->click(kGuide, "Label3", 2));
            expect(p);
        }
        QTest::mouseClick(guideButton(2), Qt::LeftButton);  // greyed on the last page
        expect(10);
        for (int p = 9; p >= 1; --p) {
            QVERIFY(t_->click(kGuide, "Label3", 3));
            expect(p);
        }
        // The buttons only darken with the pointer, and the guide plays no sound.
        pointAt(t_->screen(kGuide), QPoint(760, 300));
        pointAt(guideButton(2));
        QVERIFY(!guideButton(2)->isLit());
        QVERIFY(t_->click(kGuide, "Label3", 1));
        QCOMPARE(t_->top(), kMenu);
        QVERIFY(t_->sound.played.isEmpty());
    }

    void missingPageLeavesTheScreenWhole() {
        QVERIFY(QFile::remove(t_->folder() + QStringLiteral("/wmf/introduction.wmf")));
        QVERIFY(t_->startAtMenu());
        QVERIFY(t_->click(kMenu, "Label2", 15));
        QVERIFY(!page(kTeacher, "Image1")->hasPage());
        QVERIFY(page(kTeacher, "Image2")->hasPage());
        QCOMPARE(t_->top(), kTeacher);
    }
};

QTEST_MAIN(TestTeacher)
#include "tst_teacher.moc"
