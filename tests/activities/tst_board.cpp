#include <QTest>

#include "board.h"
#include "topics.h"

using namespace bt;

namespace {

// Puts every label on the target box of the given item (perm[k] for label k) and returns the board.
Board placed(const BoardLayout& layout, const QList<int>& perm) {
    Board b = boardOf(layout);
    for (int k = 0; k < perm.size(); ++k) b.place(k, {b.target(perm[k]).left, b.target(perm[k]).top});
    return b;
}

const BoardLayout& partslab() {
    return topics()[0].labelling;
}
const BoardLayout& localityord() {
    return topics()[1].ordering;
}

}  // namespace

class TestBoard : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void captureZoneEdges_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<bool>("captured");
        // Box at 1000, 2000, 600 x 300: zone 700 < x < 1600, 1850 < y < 2300.
        QTest::newRow("the box's own corner") << 1000.f << 2000.f << true;
        QTest::newRow("left edge excluded") << 700.f << 2000.f << false;
        QTest::newRow("one twip inside the left edge") << 701.f << 2000.f << true;
        QTest::newRow("right edge excluded") << 1600.f << 2000.f << false;
        QTest::newRow("one twip inside the right edge") << 1599.f << 2000.f << true;
        QTest::newRow("top edge excluded") << 1000.f << 1850.f << false;
        QTest::newRow("one twip below the top edge") << 1000.f << 1851.f << true;
        QTest::newRow("bottom edge excluded") << 1000.f << 2300.f << false;
        QTest::newRow("just inside the bottom edge") << 1000.f << 2299.5f << true;
        QTest::newRow("far away") << 5000.f << 5000.f << false;
    }
    void captureZoneEdges() {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(bool, captured);
        QCOMPARE(BoardBox({1000, 2000, 600, 300}).captures(x, y), captured);
    }

    void oddSizesComputeInSinglePrecision() {
        // Half of an odd width: 1845 / 2 = 922.5, so the left bound of a box at 240 is -682.5.
        const BoardBox box{240, 3240, 1845, 615};
        QVERIFY(!box.captures(-682.5f, 3240));
        QVERIFY(box.captures(-682.0f, 3240));
        QVERIFY(!box.captures(240, 3240 - 307.5f));
        QVERIFY(box.captures(240, 3240 - 307.0f));
    }

    void dragCentresTheLabelOnThePointer() {
        Board b = boardOf(partslab());
        const BoardPoint start = b.label(0);
        b.drag(0, 1965 / 2.0f, 375 / 2.0f);  // pointer at the label's centre: no jump
        QCOMPARE(b.label(0), start);
        b.drag(0, 0, 0);  // pointer at the label's corner: the centre jumps there
        QCOMPARE(b.label(0), (BoardPoint{start.x - 982.5f, start.y - 187.5f}));
        b.drag(0, -100000, -100000);  // no bound
        QVERIFY(b.label(0).x < -90000);
    }

    void dropSnapsAndTheFirstZoneWins() {
        Board b = boardOf(partslab());
        const BoardBox& t0 = b.target(0);
        b.place(0, {t0.left - 10, t0.top + 10});
        QCOMPARE(b.drop(0), 1);
        QCOMPARE(b.label(0), (BoardPoint{t0.left, t0.top}));
        QCOMPARE(b.drop(0), 1);  // released again where it lies: snaps to the same place, with a thud
        b.place(0, {20000, 20000});
        QCOMPARE(b.drop(0), 0);  // outside every zone: stays where it was released
        QCOMPARE(b.label(0), (BoardPoint{20000, 20000}));
        // On another item's home slot.
        b.place(0, {b.home(5).left + 5, b.home(5).top});
        QCOMPARE(b.drop(0), 1);
        QCOMPARE(b.label(0), (BoardPoint{b.home(5).left, b.home(5).top}));
        b.startAgain();
        for (int i = 0; i < b.size(); ++i) QCOMPARE(b.label(i), (BoardPoint{b.home(i).left, b.home(i).top}));
    }

    void snailHomeSlotCapture() {
        Board b = boardOf(localityord());
        QCOMPARE(b.home(0).width, 2565.f);  // the slots take the labels' width
        b.place(0, {3680, 6600});
        b.drop(0);
        QCOMPARE(b.label(0), (BoardPoint{4680, 6600}));  // back to its own slot
        b.place(0, {3360, 6600});
        b.drop(0);
        QCOMPARE(b.label(0), (BoardPoint{2040, 6600}));  // taken by the slot of item 5
    }

    // Marking rules the screens' runs do not reach.
    void marking_data() {
        QTest::addColumn<bool>("grouped");
        QTest::addColumn<QList<int>>("perm");
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("complete");
        QTest::newRow("partslab, two on one box, one box empty")
            << false << QList<int>{0, 0, 2, 3, 4, 5, 6} << 6 << true;
        QTest::newRow("partslab, one label left home") << false << QList<int>{0, 1, 2, 3, 4, 5} << 6 << false;
        QTest::newRow("localityord, two pond animals on one box")
            << true << QList<int>{0, 1, 2, 3, 3, 5, 6, 7, 8} << 9 << true;
        QTest::newRow("localityord, a tree animal in the pond")
            << true << QList<int>{0, 1, 2, 3, 4, 6, 6, 7, 8} << 8 << true;
    }
    void marking() {
        QFETCH(bool, grouped);
        QFETCH(QList<int>, perm);
        QFETCH(int, score);
        QFETCH(bool, complete);
        const Board b = placed(grouped ? localityord() : partslab(), perm);
        QCOMPARE(b.mark(), score);
        QCOMPARE(b.complete(), complete);
        const ActivityResult result = b.result();
        QCOMPARE(result.score, score);
        QCOMPARE(result.outof, grouped ? 9 : 7);
        QVERIFY(!result.quiz && result.certtitle.isEmpty());
    }

    void layoutsAreWhole() {
        for (const Topic& topic : topics())
            for (const BoardLayout* layout : {&topic.labelling, &topic.ordering}) {
                const Board b = boardOf(*layout);
                QCOMPARE(b.pairsOnTargets(), 0);
                // No two target boxes share a place, or two labels could never be told apart.
                for (int i = 0; i < b.size(); ++i)
                    for (int j = i + 1; j < b.size(); ++j)
                        QVERIFY(b.target(i).left != b.target(j).left || b.target(i).top != b.target(j).top);
            }
        QCOMPARE(boardOf(topics()[1].labelling).home(2).height, 615.f);
        QCOMPARE(boardOf(partslab()).home(0).height, 255.f);  // partslab keeps its stored slots
    }
};

QTEST_GUILESS_MAIN(TestBoard)
#include "tst_board.moc"
