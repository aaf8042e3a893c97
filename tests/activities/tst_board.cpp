#include <QTest>

#include "board.h"
#include "board_layouts.h"

using namespace bt;

namespace {

// Puts every label on the target box of the given item (perm[k] for label k) and returns the board.
Board placed(const BoardLayout& layout, const QList<int>& perm) {
    Board b = boardOf(layout);
    for (int k = 0; k < perm.size(); ++k) b.place(k, {b.target(perm[k]).left, b.target(perm[k]).top});
    return b;
}

QList<int> identity(int n) {
    QList<int> p;
    for (int i = 0; i < n; ++i) p << i;
    return p;
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
        Board b = boardOf(partslabLayout());
        const BoardPoint start = b.label(0);
        b.drag(0, 1965 / 2.0f, 375 / 2.0f);  // pointer at the label's centre: no jump
        QCOMPARE(b.label(0), start);
        b.drag(0, 0, 0);  // pointer at the label's corner: the centre jumps there
        QCOMPARE(b.label(0), (BoardPoint{start.x - 982.5f, start.y - 187.5f}));
        b.drag(0, -100000, -100000);  // no bound
        QVERIFY(b.label(0).x < -90000);
    }

    void dropSnapsAndTheFirstZoneWins() {
        Board b = boardOf(partslabLayout());
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
        Board b = boardOf(localityordLayout());
        QCOMPARE(b.home(0).width, 2565.f);  // the slots take the labels' width
        b.place(0, {3680, 6600});
        b.drop(0);
        QCOMPARE(b.label(0), (BoardPoint{4680, 6600}));  // back to its own slot
        b.place(0, {3360, 6600});
        b.drop(0);
        QCOMPARE(b.label(0), (BoardPoint{2040, 6600}));  // taken by the slot of item 5
    }

    void marking_data() {
        QTest::addColumn<int>("which");  // 0 partslab, 1 partsord, 2 localityord
        QTest::addColumn<QList<int>>("perm");
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("complete");
        QTest::newRow("partslab all right") << 0 << identity(7) << 7 << true;
        QTest::newRow("partslab, 0 and 1 exchanged") << 0 << QList<int>{1, 0, 2, 3, 4, 5, 6} << 5 << true;
        QTest::newRow("partsord in order") << 1 << identity(5) << 5 << true;
        QTest::newRow("partsord, Roots and Stem exchanged") << 1 << QList<int>{0, 4, 2, 3, 1} << 3 << true;
        QTest::newRow("localityord as laid out") << 2 << identity(9) << 9 << true;
        QTest::newRow("localityord, any order within a column")
            << 2 << QList<int>{2, 0, 1, 5, 3, 4, 8, 6, 7} << 9 << true;
        QTest::newRow("localityord, Owl in the pond and Toad in a tree")
            << 2 << QList<int>{0, 1, 2, 3, 8, 5, 6, 7, 4} << 7 << true;
        QTest::newRow("localityord, two pond animals on one box")
            << 2 << QList<int>{0, 1, 2, 3, 3, 5, 6, 7, 8} << 9 << true;
        QTest::newRow("partslab, two on one box, one box empty")
            << 0 << QList<int>{0, 0, 2, 3, 4, 5, 6} << 6 << true;
        QTest::newRow("partslab, one label left home") << 0 << QList<int>{0, 1, 2, 3, 4, 5} << 6 << false;
    }
    void marking() {
        QFETCH(int, which);
        QFETCH(QList<int>, perm);
        QFETCH(int, score);
        QFETCH(bool, complete);
        const BoardLayout* layouts[] = {&partslabLayout(), &partsordLayout(), &localityordLayout()};
        const Board b = placed(*layouts[which], perm);
        QCOMPARE(b.mark(), score);
        QCOMPARE(b.complete(), complete);
    }

    void layoutsAreWhole() {
        for (const BoardLayout* layout :
             {&partslabLayout(), &localitylabLayout(), &partsordLayout(), &localityordLayout()}) {
            const Board b = boardOf(*layout);
            QCOMPARE(b.pairsOnTargets(), 0);
            // No two target boxes share a place, or two labels could never be told apart.
            for (int i = 0; i < b.size(); ++i)
                for (int j = i + 1; j < b.size(); ++j)
                    QVERIFY(b.target(i).left != b.target(j).left || b.target(i).top != b.target(j).top);
        }
        QCOMPARE(boardOf(localitylabLayout()).home(2).height, 615.f);
        QCOMPARE(boardOf(partslabLayout()).home(0).height, 255.f);  // partslab keeps its stored slots
    }
};

QTEST_GUILESS_MAIN(TestBoard)
#include "tst_board.moc"
