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
    void captureZones_data() {
        QTest::addColumn<QRectF>("box");  // left, top, width, height in twips
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<bool>("captured");
        // A box at 1000, 2000, 600 x 300 captures 700 < x < 1600, 1850 < y < 2300.
        const QRectF box(1000, 2000, 600, 300);
        QTest::newRow("left edge excluded") << box << QPointF(700, 2000) << false;
        QTest::newRow("one twip inside the left edge") << box << QPointF(701, 2000) << true;
        QTest::newRow("right edge excluded") << box << QPointF(1600, 2000) << false;
        QTest::newRow("one twip inside the right edge") << box << QPointF(1599, 2000) << true;
        QTest::newRow("top edge excluded") << box << QPointF(1000, 1850) << false;
        QTest::newRow("bottom edge excluded") << box << QPointF(1000, 2300) << false;
        QTest::newRow("just inside the bottom edge") << box << QPointF(1000, 2299.5) << true;
        // Half of an odd size: 1845 / 2 = 922.5, so a box at 240 reaches left to -682.5 exactly.
        const QRectF odd(240, 3240, 1845, 615);
        QTest::newRow("odd width: the half-twip edge excluded") << odd << QPointF(-682.5, 3240) << false;
        QTest::newRow("odd width: just inside") << odd << QPointF(-682, 3240) << true;
        QTest::newRow("odd height: the half-twip edge excluded")
            << odd << QPointF(240, 3240 - 307.5) << false;
    }
    void captureZones() {
        QFETCH(QRectF, box);
        QFETCH(QPointF, at);
        QFETCH(bool, captured);
        const BoardBox b{float(box.x()), float(box.y()), float(box.width()), float(box.height())};
        QCOMPARE(b.captures(float(at.x()), float(at.y())), captured);
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
    }
};

QTEST_GUILESS_MAIN(TestBoard)
#include "tst_board.moc"
