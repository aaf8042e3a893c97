#include <QFrame>
#include <QTest>

#include "picture_box.h"
#include "test_program.h"

using namespace bt;
using namespace bt::test;

namespace {
const QString kThud = QStringLiteral("wav\\thud3.wav");
}  // namespace

class TestActivities : public ProgramTest {
    Q_OBJECT
    QString board_;

    // Menu, the topic page, then its labelling or ordering button.
    void openBoard(const QString& name) {
        QVERIFY(t_->startAtMenu());
        const bool plants = name.startsWith(QLatin1String("parts"));
        QVERIFY(t_->click(kMenu, "Label2", plants ? 1 : 10));
        QVERIFY(t_->click(plants ? QStringLiteral("parts") : QStringLiteral("locality"),
                          QStringLiteral("Label3"), name.endsWith(QLatin1String("lab")) ? 1 : 3));
        QCOMPARE(t_->top(), name);
        board_ = name;
        t_->sound.played.clear();
    }
    QWidget* label(int k) { return t_->find(board_, "Label2", k); }
    QWidget* target(int i) { return t_->find<QFrame>(board_, "Label1", i); }
    QWidget* home(int i) { return t_->find<QFrame>(board_, "Label4", i); }
    bool press(int button) { return t_->click(board_, "Label3", button); }
    bool checkScoreShown() { return t_->shown(board_, "Label3", 2); }

    // Drags label k with a mouse button, as a pupil does: press at its centre, move in steps until its centre
    // is at the point (pixels on the screen), release.
    void drag(int k, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* l = label(k);
        QWidget* screen = t_->screen(board_);
        const QPoint from = l->mapTo(screen, l->rect().center());
        QTest::mousePress(l, button, {}, l->rect().center());
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(l, l->mapFrom(screen, from + (to - from) * step / 4));
        QTest::mouseRelease(l, button, {}, l->mapFrom(screen, to));
    }
    void dragTo(int k, QWidget* box) { drag(k, box->geometry().center()); }

  private Q_SLOTS:
    void dragAndDrop() {
        openBoard(QStringLiteral("partslab"));
        QCOMPARE(t_->text(board_, "Label6"), QStringLiteral("Parts of a Plant"));
        QCOMPARE(label(0)->pos(), home(0)->pos());
        dragTo(0, target(0));
        QCOMPARE(label(0)->pos(), target(0)->pos());  // snapped exactly
        QCOMPARE(t_->sound.played, QStringList{kThud});
        drag(1, QPoint(400, 20));  // let go far from every box: stays there, silently
        QVERIFY((label(1)->geometry().center() - QPoint(400, 20)).manhattanLength() <= 2);
        QCOMPARE(t_->sound.played, QStringList{kThud});
        QTest::mouseClick(label(0), Qt::LeftButton);  // pressed and let go on its box: snaps again
        QCOMPARE(label(0)->pos(), target(0)->pos());
        QCOMPARE(t_->sound.played.count(kThud), 2);
        drag(2, QPoint(300, 100), Qt::RightButton);  // the right button does not drag, but its release drops
        QCOMPARE(label(2)->pos(), home(2)->pos());
        QCOMPARE(t_->sound.played.count(kThud), 3);
        dragTo(3, home(6));  // another label's home slot takes it too
        QCOMPARE(label(3)->pos(), home(6)->pos());
        QVERIFY(press(1));  // Start Again
        for (int i = 0; i < 7; ++i) QCOMPARE(label(i)->pos(), home(i)->pos());
        QCOMPARE(t_->sound.played.last(), kClick);
    }

    void fullRuns_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QList<int>>("perm");  // label k goes to target perm[k]
        QTest::addColumn<QString>("words");
        QTest::newRow("partslab all right") << QStringLiteral("partslab") << QList<int>{0, 1, 2, 3, 4, 5, 6}
                                            << QStringLiteral("Excellent work. You have scored 7 out of 7.");
        QTest::newRow("partslab two pairs exchanged")
            << QStringLiteral("partslab") << QList<int>{1, 0, 3, 2, 4, 5, 6}
            << QStringLiteral("You have scored 3 out of 7.");
        QTest::newRow("localitylab all right")
            << QStringLiteral("localitylab") << QList<int>{0, 1, 2, 3}
            << QStringLiteral("Excellent work. You have scored 4 out of 4.");
        QTest::newRow("partsord first two exchanged")
            << QStringLiteral("partsord") << QList<int>{0, 4, 2, 3, 1}
            << QStringLiteral("Good work. You have scored 3 out of 5.");
        QTest::newRow("localityord any order in a column")
            << QStringLiteral("localityord") << QList<int>{2, 0, 1, 5, 3, 4, 8, 6, 7}
            << QStringLiteral("Excellent work. You have scored 9 out of 9.");
        QTest::newRow("localityord owl in the pond, toad in a tree")
            << QStringLiteral("localityord") << QList<int>{0, 1, 2, 3, 8, 5, 6, 7, 4}
            << QStringLiteral("Good work. You have scored 7 out of 9.");
    }
    void fullRuns() {
        QFETCH(QString, screen);
        QFETCH(QList<int>, perm);
        QFETCH(QString, words);
        openBoard(screen);
        for (int k = 0; k < perm.size(); ++k) {
            QVERIFY(!checkScoreShown());
            dragTo(k, target(perm[k]));
            QCOMPARE(label(k)->pos(), target(perm[k])->pos());
        }
        QVERIFY(checkScoreShown());  // once every label lies on a target box
        QVERIFY(press(2));
        QCOMPARE(t_->top(), kResults);
        QCOMPARE(t_->text(kResults, "Label1"), words);
        // A board's results offer the certificate for full marks, and no review.
        const bool perfect = words.startsWith(QLatin1String("Excellent"));
        QCOMPARE(t_->shown(kResults, "Label3", 0), perfect);
        QCOMPARE(t_->shown(kResults, "Label6"), !perfect);
        QVERIFY(!t_->shown(kResults, "Label5"));
        QVERIFY(t_->click(kResults, "Label3", 1));
        QCOMPARE(t_->top(), screen);  // the labels where the pupil left them
        QCOMPARE(label(0)->pos(), target(perm[0])->pos());
        drag(0, QPoint(400, 40));  // moving a label off afterwards does not hide Check Score
        QVERIFY(checkScoreShown());
        QVERIFY(press(0));  // Exit
        QCOMPARE(t_->top(), screen.startsWith(QLatin1String("parts")) ? QStringLiteral("parts")
                                                                      : QStringLiteral("locality"));
    }

    // With the sound off: the topic page, its boards and its quiz, and back to the menu.
    void topicRoundTrip() {
        QVERIFY(t_->startAtMenu());
        QTest::mouseClick(t_->find(kMenu, "Option2"), Qt::LeftButton);  // Sound Off
        t_->sound.played.clear();
        const QString page = QStringLiteral("locality");
        QVERIFY(t_->click(kMenu, "Label2", 10));
        auto* picture = t_->find<PictureBox>(page, "Image1");
        QVERIFY(picture->hasPicture());
        QCOMPARE(picture->x(), (800 - picture->width()) / 2);  // centred under the title
        for (int button : {1, 3}) {
            QVERIFY(t_->click(page, "Label3", button));
            QCOMPARE(t_->text(board_ = t_->top(), "Label6"), QStringLiteral("Animals in your Locality"));
            dragTo(0, target(0));
            QVERIFY(press(1) && press(0));  // Start Again, Exit
        }
        QVERIFY(t_->click(page, "Label3", 0));  // the topic quiz
        QCOMPARE(t_->text(kQuiz, "Label6"), QStringLiteral("Animals in your locality"));
        QVERIFY(t_->find<PictureBox>(kQuiz, "Picture1")->hasPicture());
        for (int q = 0; q < 10; ++q) QVERIFY(t_->click(kQuiz, "Label3", 1));
        QVERIFY(t_->click(kResults, "Label3", 1));
        QCOMPARE(t_->top(), page);
        QVERIFY(t_->click(page, "Label3", 2));  // Exit
        QCOMPARE(t_->top(), kMenu);
        QVERIFY(!t_->screen(page));
        QVERIFY(t_->sound.played.isEmpty());
    }

    void quizFileReadOnEveryClick() {
        QVERIFY(t_->startAtMenu());
        QVERIFY(t_->click(kMenu, "Label2", 1));
        QVERIFY(writeFile(t_->worksheets() + QStringLiteral("/Parts of a Plant.txt"), "Damaged\r\n"));
        t_->sound.played.clear();
        QVERIFY(t_->click("parts", "Label3", 0));
        QCOMPARE(t_->dialogs.texts(), QStringList{QStringLiteral("This worksheet seems to be corrupted.")});
        QVERIFY(!t_->screen(kQuiz));
        QCOMPARE(t_->sound.played, QStringList{kClick});
    }
};

QTEST_MAIN(TestActivities)
#include "tst_activities.moc"
