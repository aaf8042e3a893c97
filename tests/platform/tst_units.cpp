#include <QTest>

#include "twips.h"

using namespace bt;

class TestUnits : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void twipsToPixels_data() {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("full screen width") << 12000.0 << 800;
        QTest::newRow("just under a half rounds down") << 7.0 << 0;
        QTest::newRow("a half rounds up") << 7.5 << 1;
        QTest::newRow("negative top") << -90.0 << -6;
        QTest::newRow("negative half rounds away from zero") << -7.5 << -1;
        QTest::newRow("a dragged label's fraction") << 982.5 << 66;
    }
    void twipsToPixels() {
        QFETCH(double, twips);
        QFETCH(int, pixels);
        QCOMPARE(px(twips), pixels);
    }

    void pointsAndBoxes() {
        QCOMPARE(pointsToPixels(14.25), 19);
        QCOMPARE(pointsToPixels(15.75), 21);
        QCOMPARE(pointsToPixels(8.25), 11);
        QVERIFY(onScreen({10560, 7920, 1245, 495}));
        QVERIFY(!onScreen({10560, 7920, 1445, 495}));  // past the right edge
        QVERIFY(!onScreen({0, -90, 5480, 6660}));      // above the top
        QCOMPARE(TwipsBox({120, 2760, 3075, 375}).pixels(), QRect(8, 184, 205, 25));
    }
};

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
