#include <QTest>

#include "board_screen.h"
#include "intro0.h"
#include "multiple.h"
#include "picture_box.h"
#include "screens.h"
#include "teacher.h"
#include "test_program.h"
#include "titlefrm.h"
#include "topic_page.h"
#include "welldone.h"

using namespace bt;
using namespace bt::test;

namespace {
const QString kThud = QStringLiteral("wav\\thud3.wav");
const QString kClick = QStringLiteral("wav\\click.wav");
}  // namespace

class TestActivities : public QObject {
    Q_OBJECT
    std::unique_ptr<TestProgram> t_;

    intro0* menu() { return qobject_cast<intro0*>(t_->screen(screen::kMenu)); }
    TopicPage* topic(const QString& name) { return qobject_cast<TopicPage*>(t_->screen(name)); }
    BoardScreen* board(const QString& name) { return qobject_cast<BoardScreen*>(t_->screen(name)); }
    Welldone* results() { return qobject_cast<Welldone*>(t_->screen(screen::kResults)); }

    void toMenu() { QVERIFY(t_->startAtMenu()); }
    // Menu, the topic page, then one of its buttons.
    BoardScreen* openBoard(const QString& name) {
        toMenu();
        const bool plants = name.startsWith(QLatin1String("parts"));
        QTest::mouseClick(menu()->entry(plants ? 1 : 10), Qt::LeftButton);
        TopicPage* page = topic(plants ? QStringLiteral("parts") : QStringLiteral("locality"));
        QTest::mouseClick(page->button(name.endsWith(QLatin1String("lab")) ? 1 : 3), Qt::LeftButton);
        t_->sound.played.clear();
        return board(name);
    }

    // Drags label k with the left button, as a pupil does: press at its centre, move in steps so that its
    // centre ends at the point (pixels on the screen), release.
    void drag(BoardScreen* b, int k, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        DragLabel* label = b->label(k);
        const QPoint grip = label->rect().center();
        QTest::mousePress(label, button, {}, grip);
        const QPoint from = label->mapTo(b, grip);
        for (int step = 1; step <= 4; ++step) {
            const QPoint at = from + (to - from) * step / 4;
            QTest::mouseMove(label, label->mapFrom(b, at));
        }
        QTest::mouseRelease(label, button, {}, label->mapFrom(b, to));
    }
    // The centre of item i's target box, in screen pixels.
    QPoint targetCentre(BoardScreen* b, int i) { return b->targetBox(i)->geometry().center(); }
    bool onTarget(BoardScreen* b, int k, int i) { return b->board().onTarget(k, i); }
    void press(BoardScreen* b, int button) { QTest::mouseClick(b->button(button), Qt::LeftButton); }

  private Q_SLOTS:
    void init() { t_ = std::make_unique<TestProgram>(); }
    void cleanup() { t_.reset(); }

    void boardStartsLaidOut() {
        BoardScreen* b = openBoard(QStringLiteral("partslab"));
        QVERIFY(b);
        QCOMPARE(b->title(), QStringLiteral("Parts of a Plant"));
        QCOMPARE(t_->shared().outof, 7);
        QCOMPARE(b->label(0)->text(), QStringLiteral("Stem"));
        QCOMPARE(b->label(0)->pos(), b->homeSlot(0)->pos());
        QVERIFY(!b->button(2)->isVisible());
        QVERIFY(b->findChildren<PictureBox*>(QStringLiteral("Image1")).size() == 7);
        for (PictureBox* p : b->findChildren<PictureBox*>(QStringLiteral("Image1"))) QVERIFY(p->hasPicture());
    }

    void dragAndDrop() {
        BoardScreen* b = openBoard(QStringLiteral("partslab"));
        drag(b, 0, targetCentre(b, 0));
        QVERIFY(onTarget(b, 0, 0));  // snapped exactly
        QCOMPARE(b->label(0)->pos(), b->targetBox(0)->pos());
        QCOMPARE(t_->sound.played, QStringList{kThud});
        // Released far from every box: it stays where it was let go, silently.
        drag(b, 1, QPoint(400, 20));
        QVERIFY((b->label(1)->geometry().center() - QPoint(400, 20)).manhattanLength() <= 2);
        QCOMPARE(t_->sound.played, QStringList{kThud});
        // Pressed and released without moving on a box: snaps there again, with a thud.
        QTest::mouseClick(b->label(0), Qt::LeftButton);
        QVERIFY(onTarget(b, 0, 0));
        QCOMPARE(t_->sound.played.count(kThud), 2);
    }

    void rightButtonDoesNotDragButItsReleaseDrops() {
        BoardScreen* b = openBoard(QStringLiteral("partslab"));
        const QPoint home = b->label(2)->pos();
        drag(b, 2, QPoint(300, 100), Qt::RightButton);
        QCOMPARE(b->label(2)->pos(), home);              // not moved
        QCOMPARE(t_->sound.played, QStringList{kThud});  // but dropped: back onto its home slot
    }

    void otherHomeSlotThenStartAgain() {
        BoardScreen* b = openBoard(QStringLiteral("partslab"));
        drag(b, 0, b->homeSlot(6)->geometry().center());
        QCOMPARE(b->label(0)->pos(), b->homeSlot(6)->pos());
        drag(b, 1, targetCentre(b, 1));
        press(b, 1);  // Start Again
        for (int i = 0; i < 7; ++i) QCOMPARE(b->label(i)->pos(), b->homeSlot(i)->pos());
        QCOMPARE(t_->shared().score, 0);
        QCOMPARE(t_->sound.played.last(), kClick);
    }

    void fullRuns_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QList<int>>("perm");  // label k goes to target perm[k]
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("outof");
        QTest::newRow("partslab all right")
            << QStringLiteral("partslab") << QList<int>{0, 1, 2, 3, 4, 5, 6} << 7 << 7;
        QTest::newRow("partslab two exchanged")
            << QStringLiteral("partslab") << QList<int>{1, 0, 2, 3, 4, 5, 6} << 5 << 7;
        QTest::newRow("localitylab all right")
            << QStringLiteral("localitylab") << QList<int>{0, 1, 2, 3} << 4 << 4;
        QTest::newRow("partsord in order")
            << QStringLiteral("partsord") << QList<int>{0, 1, 2, 3, 4} << 5 << 5;
        QTest::newRow("partsord first two exchanged")
            << QStringLiteral("partsord") << QList<int>{0, 4, 2, 3, 1} << 3 << 5;
        QTest::newRow("localityord any order in a column")
            << QStringLiteral("localityord") << QList<int>{2, 0, 1, 5, 3, 4, 8, 6, 7} << 9 << 9;
        QTest::newRow("localityord Owl in the pond, Toad in a tree")
            << QStringLiteral("localityord") << QList<int>{0, 1, 2, 3, 8, 5, 6, 7, 4} << 7 << 9;
    }
    void fullRuns() {
        QFETCH(QString, screen);
        QFETCH(QList<int>, perm);
        QFETCH(int, score);
        QFETCH(int, outof);
        BoardScreen* b = openBoard(screen);
        for (int k = 0; k < perm.size(); ++k) {
            QVERIFY(!b->button(2)->isVisible());
            drag(b, k, targetCentre(b, perm[k]));
            QVERIFY(onTarget(b, k, perm[k]));
        }
        QVERIFY(b->button(2)->isVisible());  // Check Score once the board is complete
        QCOMPARE(t_->sound.played.count(kThud), perm.size());
        press(b, 2);
        QCOMPARE(t_->shared().score, score);
        QCOMPARE(t_->shared().outof, outof);
        QCOMPARE(t_->screens().topMost(), screen::kResults);
        QVERIFY(t_->screens().isLoaded(screen));  // the board stays beneath
        const QString words = score == outof
                                  ? QStringLiteral("Excellent work. You have scored")
                                  : (score >= outof - 2 ? QStringLiteral("Good work. You have scored")
                                                        : QStringLiteral("You have scored"));
        QVERIFY(results()->label(QStringLiteral("Label1"))->text().startsWith(words));
        QTest::mouseClick(results()->button(1), Qt::LeftButton);
        settle();
        QCOMPARE(t_->screens().topMost(), screen);  // labels where the pupil left them
        QVERIFY(onTarget(b, 0, perm[0]));
        press(b, 2);  // Check Score again: counted afresh from 0
        QCOMPARE(t_->shared().score, score);
    }

    void twoLabelsOnOneBoxCompleteTheBoard() {
        BoardScreen* b = openBoard(QStringLiteral("localityord"));
        const QList<int> perm{0, 1, 2, 3, 3, 5, 6, 7, 8};
        for (int k = 0; k < perm.size(); ++k) drag(b, k, targetCentre(b, perm[k]));
        QVERIFY(b->button(2)->isVisible());
        press(b, 2);
        QCOMPARE(t_->shared().score, 9);
        // Moving a label off its box afterwards does not hide Check Score.
        QTest::mouseClick(results()->button(1), Qt::LeftButton);
        settle();
        drag(b, 0, QPoint(400, 40));
        QVERIFY(b->button(2)->isVisible());
        press(b, 0);  // Exit
        settle();
        QCOMPARE(t_->shared().score, 0);
        QCOMPARE(t_->screens().topMost(), QStringLiteral("locality"));
    }

    void roundTripAndTitles() {
        toMenu();
        QTest::mouseClick(menu()->entry(10), Qt::LeftButton);
        TopicPage* page = topic(QStringLiteral("locality"));
        QVERIFY(page && page->picture()->hasPicture());
        QCOMPARE(page->picture()->x(), (800 - page->picture()->width()) / 2);  // centred
        for (int button : {1, 3}) {
            QTest::mouseClick(page->button(button), Qt::LeftButton);
            auto* b = board(button == 1 ? QStringLiteral("localitylab") : QStringLiteral("localityord"));
            QCOMPARE(b->title(), QStringLiteral("Animals in your Locality"));  // the page's title, capital L
            QTest::mouseClick(b->button(0), Qt::LeftButton);
            settle();
        }
        QTest::mouseClick(page->button(0), Qt::LeftButton);  // the topic quiz
        auto* quiz = qobject_cast<multiple*>(t_->screen(screen::kQuiz));
        QVERIFY(quiz);
        QCOMPARE(t_->shared().worktitle, QStringLiteral("Animals in your locality"));
        QVERIFY(quiz->picture()->hasPicture());
        for (int q = 0; q < 10; ++q) QTest::mouseClick(quiz->button(1), Qt::LeftButton);
        settle();
        QCOMPARE(t_->screens().topMost(), screen::kResults);
        QTest::mouseClick(results()->button(1), Qt::LeftButton);
        settle();
        QCOMPARE(t_->screens().topMost(), QStringLiteral("locality"));
        QTest::mouseClick(page->button(2), Qt::LeftButton);  // Exit
        settle();
        QCOMPARE(t_->screens().topMost(), screen::kMenu);
        QVERIFY(!t_->screens().isLoaded(QStringLiteral("locality")));
    }

    void quizFileReadOnEveryClick() {
        toMenu();
        QTest::mouseClick(menu()->entry(1), Qt::LeftButton);
        QFile f(t_->worksheets() + QStringLiteral("/Parts of a Plant.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Damaged\r\n");
        f.close();
        t_->sound.played.clear();
        QTest::mouseClick(topic(QStringLiteral("parts"))->button(0), Qt::LeftButton);
        QCOMPARE(t_->dialogs.texts(), QStringList{QStringLiteral("This worksheet seems to be corrupted.")});
        QVERIFY(!t_->screens().isLoaded(screen::kQuiz));
        QCOMPARE(t_->sound.played, QStringList{kClick});
    }

    void teacherPagesFromATopic_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("topicName");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("printed");
        QTest::newRow("plant key facts") << 1 << "parts" << 4 << "wmf\\key parts.wmf"
                                         << "wmf2\\key parts.wmf";
        QTest::newRow("plant notes") << 1 << "parts" << 5 << "wmf\\parts.wmf"
                                     << "wmf2\\parts.wmf";
        QTest::newRow("locality key facts") << 10 << "locality" << 4 << "wmf\\key locality.wmf"
                                            << "wmf2\\key locality.wmf";
        QTest::newRow("locality notes") << 10 << "locality" << 5 << "wmf\\locality.wmf"
                                        << "wmf2\\locality.wmf";
    }
    void teacherPagesFromATopic() {
        QFETCH(int, entry);
        QFETCH(QString, topicName);
        QFETCH(int, button);
        QFETCH(QString, shown);
        QFETCH(QString, printed);
        toMenu();
        QTest::mouseClick(menu()->entry(entry), Qt::LeftButton);
        QTest::mouseClick(topic(topicName)->button(button), Qt::LeftButton);
        auto* page = qobject_cast<teacher*>(t_->screen(QStringLiteral("teacher")));
        QVERIFY(page);
        QCOMPARE(t_->screens().topMost(), QStringLiteral("teacher"));
        QCOMPARE(page->image1()->source(), shown);
        QCOMPARE(page->image2()->source(), printed);
        QVERIFY(page->image1()->hasPage() && page->image2()->hasPage());
        QVERIFY(!page->timer1()->isActive());
        QTest::mouseClick(page->button(2), Qt::LeftButton);  // Exit
        settle();
        QCOMPARE(t_->screens().topMost(), topicName);
    }

    void soundOffSilencesTheBoard() {
        BoardScreen* b = openBoard(QStringLiteral("partsord"));
        t_->shared().soundon = 0;
        drag(b, 0, targetCentre(b, 0));
        press(b, 1);
        QVERIFY(t_->sound.played.isEmpty());
    }
};

QTEST_MAIN(TestActivities)
#include "tst_activities.moc"
