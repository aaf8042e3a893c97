#include <QTest>

#include "numtext.h"
#include "twips.h"

using namespace bt;

class TestUnits : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void twipsToPixels_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("full screen width") << 12000 << 800;
        QTest::newRow("full screen height") << 9000 << 600;
        QTest::newRow("exact multiple") << 375 << 25;
        QTest::newRow("just under a half rounds down") << 7 << 0;
        QTest::newRow("a half rounds up") << 8 << 1;
        QTest::newRow("title frame width") << 5480 << 365;
        QTest::newRow("negative top") << -90 << -6;
        QTest::newRow("negative, rounds away from zero") << -8 << -1;
    }
    void twipsToPixels() {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(px(twips), pixels);
    }

    void pointsToPixels_data() {
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("pixels");
        QTest::newRow("12") << 12.0 << 16;
        QTest::newRow("14.25") << 14.25 << 19;
        QTest::newRow("15.75") << 15.75 << 21;
        QTest::newRow("32.25") << 32.25 << 43;
        QTest::newRow("9.75") << 9.75 << 13;
        QTest::newRow("8.25") << 8.25 << 11;
    }
    void pointsToPixels() {
        QFETCH(double, points);
        QFETCH(int, pixels);
        QCOMPARE(bt::pointsToPixels(points), pixels);
    }

    void boxesOnScreen() {
        QVERIFY(onScreen({10560, 7920, 1245, 495}));
        QVERIFY(onScreen({0, 0, 12000, 9000}));
        QVERIFY(!onScreen({10560, 7920, 1445, 495}));  // past the right edge
        QVERIFY(!onScreen({0, -90, 5480, 6660}));      // above the top
        QCOMPARE(TwipsBox({120, 2760, 3075, 375}).pixels(), QRect(8, 184, 205, 25));
    }

    void numberTexts_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << QStringLiteral(" 0");
        QTest::newRow("seven") << qint64(7) << QStringLiteral(" 7");
        QTest::newRow("ten") << qint64(10) << QStringLiteral(" 10");
        QTest::newRow("negative has no blank") << qint64(-3) << QStringLiteral("-3");
    }
    void numberTexts() {
        QFETCH(qint64, value);
        QFETCH(QString, text);
        QCOMPARE(numText(value), text);
    }

    void sentenceWithNumbers() {
        QCOMPARE(QStringLiteral("You have scored") + numText(7) + QStringLiteral(" out of") + numText(10) +
                     QStringLiteral("."),
                 QStringLiteral("You have scored 7 out of 10."));
    }
};

QTEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
