#include <QElapsedTimer>
#include <QTest>

#include "guide.h"
#include "intro0.h"
#include "picture_box.h"
#include "screens.h"
#include "teacher.h"
#include "test_program.h"
#include "titlefrm.h"

using namespace bt;
using namespace bt::test;

class TestTeacher : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> t_;

    intro0* menu() { return qobject_cast<intro0*>(t_->screen(screen::kMenu)); }
    teacher* page() { return qobject_cast<teacher*>(t_->screen(QStringLiteral("teacher"))); }
    guide* g() { return qobject_cast<guide*>(t_->screen(QStringLiteral("guide"))); }

    void toMenu() {
        QVERIFY(t_->startAtMenu());
        t_->sound.played.clear();
    }

    // Runs the logo animation until it has shown `ticks` more frames, and lists them.
    QList<int> animate(int ticks) {
        QList<int> frames;
        QMetaObject::Connection c = connect(page()->timer1(), &QTimer::timeout, this,
                                            [this, &frames] { frames << t_->shared().logoframe; });
        QElapsedTimer waited;
        waited.start();
        while (frames.size() < ticks && waited.elapsed() < 5000) QTest::qWait(5);
        disconnect(c);
        return frames.mid(0, ticks);
    }

  private Q_SLOTS:
    void init() { t_ = std::make_unique<TestProgram>(); }
    void cleanup() { t_.reset(); }

    void introduction() {
        toMenu();
        QTest::mouseClick(menu()->entry(15), Qt::LeftButton);
        QCOMPARE(t_->screens().topMost(), QStringLiteral("teacher"));
        QCOMPARE(page()->image1()->source(), QStringLiteral("wmf\\introduction.wmf"));
        QCOMPARE(page()->image2()->source(), QStringLiteral("wmf2\\introduction.wmf"));
        QVERIFY(page()->image1()->hasPage() && page()->image2()->hasPage());
        QVERIFY(!page()->image2()->isVisible());  // the print version is held, not shown
        // The screen page fits the room beside the buttons; the print page is an A4 page, taller.
        QVERIFY(page()->image1()->width() <= 696 && page()->image1()->height() <= 528);
        QVERIFY(page()->image2()->page()->size().height() > page()->image1()->page()->size().height());
        QVERIFY(!page()->timer1()->isActive());
        QVERIFY(!page()->picture1()->isVisible() && !page()->picture2()->isVisible());
        QCOMPARE(page()->palette().color(QPalette::Window), QColor(0, 78, 152));
        // No hover effect, no click sound; Exit closes.
        pointAt(page(), QPoint(790, 300));
        QVERIFY(page()->button(2)->isLit());
        QTest::mouseClick(page()->button(2), Qt::LeftButton);
        settle();
        QCOMPARE(t_->screens().topMost(), screen::kMenu);
        QCOMPARE(t_->sound.played, QStringList{QStringLiteral("wav\\click.wav")});  // the menu's own click
    }

    void acknowledgmentsAnimationResumes() {
        toMenu();
        QTest::mouseClick(menu()->entry(19), Qt::LeftButton);
        QCOMPARE(page()->image1()->source(), QStringLiteral("wmf\\acknowledgments.wmf"));
        QCOMPARE(page()->palette().color(QPalette::Window), QColor(49, 130, 212));
        QVERIFY(page()->picture2()->hasPicture());
        QVERIFY(page()->timer1()->isActive());
        const QList<int> first = animate(21);
        QCOMPARE(first.size(), 21);
        QList<int> expected;
        for (int i = 1; i <= 19; ++i) expected << i;
        expected << 0 << 1;
        QCOMPARE(first, expected);
        QVERIFY(page()->picture1()->isVisible() && page()->picture1()->hasPicture());
        QVERIFY(page()->picture2()->isVisible());

        QTest::mouseClick(page()->button(2), Qt::LeftButton);
        settle();
        const int last = t_->shared().logoframe;
        QTest::mouseClick(menu()->entry(19), Qt::LeftButton);
        QVERIFY(!page()->picture1()->isVisible());  // a fresh screen: hidden until the first tick
        const QList<int> second = animate(2);
        QCOMPARE(second.size(), 2);
        QCOMPARE(second.first(), (last + 1) % 20);  // carries on from the frame after the last one shown
    }

    void frameNames_data() {
        QTest::addColumn<int>("frame");
        QTest::addColumn<QString>("file");
        QTest::newRow("0") << 0 << QStringLiteral("logo\\corv0000.gif");
        QTest::newRow("9") << 9 << QStringLiteral("logo\\corv0009.gif");
        QTest::newRow("10") << 10 << QStringLiteral("logo\\corv0010.gif");
        QTest::newRow("19") << 19 << QStringLiteral("logo\\corv0019.gif");
    }
    void frameNames() {
        QFETCH(int, frame);
        QFETCH(QString, file);
        QCOMPARE(teacher::frameFile(frame), file);
    }

    void guideWalk() {
        toMenu();
        QTest::mouseClick(menu()->entry(20), Qt::LeftButton);
        QCOMPARE(t_->screens().topMost(), QStringLiteral("guide"));
        QCOMPARE(t_->shared().guidepage, 1);
        t_->sound.played.clear();  // the menu's own click
        auto check = [this](int pageNo, const QString& heading, const QString& shown, bool picture,
                            bool print, bool previous, bool next) {
            QCOMPARE(t_->shared().guidepage, pageNo);
            QCOMPARE(g()->counter()->text(), QStringLiteral("Page %1 of 10").arg(pageNo));
            QCOMPARE(g()->heading()->text(), heading);
            QCOMPARE(g()->image1()->source(), shown);
            QCOMPARE(g()->image1()->hasPage(), !shown.isEmpty());
            QCOMPARE(!g()->windowPicture().isNull(), picture);
            QCOMPARE(g()->button(0)->isActive(), print);
            QCOMPARE(g()->button(3)->isActive(), previous);
            QCOMPARE(g()->button(2)->isActive(), next);
        };
        const QStringList headings{"",
                                   "",
                                   "",
                                   "Nutrition for Plants",
                                   "Growth of Plants",
                                   "Reproduction of Plants",
                                   "Plant Survival",
                                   "Healthy Plants",
                                   "Habitats",
                                   "Animals in your Locality"};
        auto expect = [&](int p) {
            const QString shown = p <= 3 ? QStringLiteral("wmf\\guide%1.wmf").arg(p) : QString();
            check(p, headings[p - 1], shown, p >= 4, p <= 3, p > 1, p < 10);
            if (p <= 3) QCOMPARE(g()->image2()->source(), QStringLiteral("wmf2\\guide%1.wmf").arg(p));
        };
        expect(1);
        QTest::mouseClick(g()->button(3), Qt::LeftButton);  // greyed: does nothing
        expect(1);
        for (int p = 2; p <= 10; ++p) {
            QTest::mouseClick(g()->button(2), Qt::LeftButton);
            expect(p);
        }
        QTest::mouseClick(g()->button(2), Qt::LeftButton);  // greyed on the last page
        expect(10);
        for (int p = 9; p >= 1; --p) {
            QTest::mouseClick(g()->button(3), Qt::LeftButton);
            expect(p);
        }
        QVERIFY(t_->sound.played.isEmpty());  // the guide plays no sound
        QTest::mouseClick(g()->button(1), Qt::LeftButton);
        settle();
        QCOMPARE(t_->screens().topMost(), screen::kMenu);
    }

    void guideButtonsOnlyDarken() {
        toMenu();
        QTest::mouseClick(menu()->entry(20), Qt::LeftButton);
        QVERIFY(g()->button(2)->isLit());
        pointAt(g(), QPoint(760, 300));
        for (int i = 0; i < 4; ++i) QVERIFY(!g()->button(i)->isLit());
        pointAt(g()->button(2));
        QVERIFY(!g()->button(2)->isLit());
    }

    void missingPageLeavesTheScreenWhole() {
        QVERIFY(QFile::remove(t_->folder() + QStringLiteral("/wmf/introduction.wmf")));
        toMenu();
        QTest::mouseClick(menu()->entry(15), Qt::LeftButton);
        QVERIFY(!page()->image1()->hasPage());
        QVERIFY(page()->image2()->hasPage());
        QCOMPARE(t_->screens().topMost(), QStringLiteral("teacher"));
    }
};

QTEST_MAIN(TestTeacher)
#include "tst_teacher.moc"
