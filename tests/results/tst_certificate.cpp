#include <QTest>

#include "certificate.h"
#include "printer.h"

using namespace bt;

namespace {

// The recording printer's page is 11000 x 15000 twips.
constexpr double kW = 11000;

QStringList certificate(const QString& title, const QString& name, int score, int outof, double titleWidth) {
    RecordingPrinter p;
    printCertificate(p, title, name, score, outof, [titleWidth](const QString&) { return titleWidth; });
    return p.ops;
}

// The position a centred line starts at, for the recording printer's widths (10 twips a character a point).
QString centredAt(const QString& text, double points) {
    return QStringLiteral("x ") + QString::number((kW - 10 * points * text.size()) / 2, 'g', 10);
}

}  // namespace

class TestCertificate : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void wholeCertificateInOrder() {
        const QStringList ops = certificate(QStringLiteral("Brambleton"), QStringLiteral("Amy"), 10, 10, 100);
        const QString band = kWellDoneBand + kWellDoneBand;
        QCOMPARE(band.size(), 118);
        const QStringList text{"colour 0 0 255",
                               "size 25",
                               "font Times New Roman",
                               "x 1375",
                               "print ' ' end",
                               "print '" + band + "'",
                               "print ' ' end",
                               "print ' ' end",
                               "print ' ' end",
                               "colour 255 0 0",
                               "size 36",
                               "font Times New Roman",
                               centredAt("Brambleton", 36),
                               "print 'Brambleton' end",
                               "print ' ' end",
                               "colour 0 0 255",
                               "size 36",
                               centredAt("Brambleton", 36),
                               "print 'Brambleton' end",
                               centredAt("", 36),
                               "print '' end",
                               "size 36",
                               "print ' ' end",
                               "print ' ' end",
                               "print ' ' end",
                               "colour 0 0 128",
                               "size 28",
                               centredAt("Excellent Work", 28),
                               "print 'Excellent Work' end",
                               "size 28",
                               "print ' ' end",
                               centredAt("Amy", 28),
                               "print 'Amy' end",
                               centredAt("", 28),
                               "print '' end",
                               "size 28",
                               centredAt("You have scored 10 out of 10.", 28),
                               "print 'You have scored 10 out of 10.' end",
                               "print ' ' end",
                               "size 36",
                               "print ' ' end",
                               "print ' ' end",
                               "colour 0 0 255",
                               "size 25",
                               "font Times New Roman",
                               "print ' ' end",
                               "colour 0 0 0",
                               "print '" + band + "'",
                               "width 2"};
        QCOMPARE(ops.mid(0, text.size()), text);
        QCOMPARE(ops.last(), QStringLiteral("end"));
        QCOMPARE(ops.size(), text.size() + 8 * 4 + 1);  // five outer and three inner rectangles
    }

    void frames() {
        const QStringList lines = certificate(QString(), QString(), 7, 7, 0).filter(QStringLiteral("line "));
        QCOMPARE(lines.size(), 32);
        // Outer 1, inner 1, outer 2, inner 2, outer 3, inner 3, outer 4, outer 5; each top, left, right,
        // bottom.
        QCOMPARE(lines.mid(0, 4), (QStringList{"line 45 270 10955 270", "line 45 270 45 14730",
                                               "line 10955 270 10955 14730", "line 45 14730 10955 14730"}));
        QCOMPARE(lines.mid(4, 4), (QStringList{"line 645 7320 10355 7320", "line 645 7320 645 10980",
                                               "line 10355 7320 10355 10980", "line 645 10980 10355 10980"}));
        QCOMPARE(lines[8], QStringLiteral("line 90 315 10910 315"));
        QCOMPARE(lines[20], QStringLiteral("line 735 7410 10265 7410"));  // inner 3
        QCOMPARE(lines[24], QStringLiteral("line 180 405 10820 405"));    // outer 4
        QCOMPARE(lines[28], QStringLiteral("line 225 450 10775 450"));    // outer 5
        QCOMPARE(lines[31], QStringLiteral("line 225 14550 10775 14550"));
    }

    void titleSize_data() {
        QTest::addColumn<double>("screenWidth");
        QTest::addColumn<QString>("size");
        QTest::newRow("narrow title") << 900.0 << QStringLiteral("size 36");
        QTest::newRow("exactly a quarter keeps 36") << kW / 4 << QStringLiteral("size 36");
        QTest::newRow("just over a quarter") << kW / 4 + 0.01 << QStringLiteral("size 28");
    }
    void titleSize() {
        QFETCH(double, screenWidth);
        QFETCH(QString, size);
        const QStringList ops =
            certificate(QStringLiteral("A long worksheet title"), QString(), 10, 10, screenWidth);
        const int title = int(ops.indexOf(QStringLiteral("print 'A long worksheet title' end")));
        QVERIFY(title > 0);
        QCOMPARE(ops[title - 2], size);  // the size in force when the title is measured and printed
        QCOMPARE(ops[title - 1], centredAt(QStringLiteral("A long worksheet title"), size.mid(5).toDouble()));
    }

    void labellingCertificate() {
        // No quiz marked yet: an empty, centred title line; the score line of the activity.
        const QStringList ops = certificate(QString(), QStringLiteral("Jo"), 7, 7, 0);
        QVERIFY(ops.contains(QStringLiteral("print 'You have scored 7 out of 7.' end")));
        QCOMPARE(ops.count(QStringLiteral("print '' end")), 3);
    }

    void printerFailureStopsAtOnce() {
        RecordingPrinter p;
        p.failAt = 20;
        QVERIFY_THROWS_EXCEPTION(PrinterError, printCertificate(p, QString(), QString(), 5, 5,
                                                                [](const QString&) { return 0.0; }));
        QCOMPARE(p.ops.size(), 19);
        QVERIFY(!p.ops.contains(QStringLiteral("end")));
    }
};

QTEST_GUILESS_MAIN(TestCertificate)
#include "tst_certificate.moc"
