#include <QLineF>
#include <QTest>
#include <cstdio>

#include "certificate.h"
#include "printer.h"

using namespace bt;
using namespace Qt::StringLiterals;

constexpr double kWidth = 11520, kHeight = 15840;  // a page of 8 x 11 inches, not the double's own size

// A certificate for Amy Li, 7 out of 7, whose title the results screen shows at the given width.
static void print(RecordingPrinter& p, double titleWidth) {
    printCertificate(p, u"Parts of a Plant"_s, u"Amy Li"_s, 7, 7, [=](const QString&) { return titleWidth; });
}

class TestCertificate : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // The lines of text, each where it is centred at the size in force; the title at 36 points, or at 28 when
    // the screen shows it wider than a quarter of the printable width.
    void linesCentred_data() {
        QTest::addColumn<double>("titleWidth");
        QTest::addColumn<QString>("title");
        QTest::newRow("narrow title") << 100.0 << u"Parts of a Plant, 36 pt"_s;
        QTest::newRow("a quarter of the width keeps 36") << kWidth / 4 << u"Parts of a Plant, 36 pt"_s;
        QTest::newRow("wider than a quarter") << kWidth / 4 + 0.01 << u"Parts of a Plant, 28 pt"_s;
    }
    void linesCentred() {
        QFETCH(double, titleWidth);
        QFETCH(QString, title);
        RecordingPrinter p(kWidth, kHeight), at;  // `at` measures text at the size in force
        print(p, titleWidth);
        QString size;
        QStringList centred;
        for (int i = 1; i < p.ops.size(); ++i) {
            const QString text = p.ops[i].section(u'\'', 1, -2);
            if (p.ops[i].startsWith(u"size ")) at.setFontSize((size = p.ops[i].mid(5)).toDouble());
            if (p.ops[i].startsWith(u"print") && !text.trimmed().isEmpty() &&
                p.ops[i - 1].startsWith(u"x ") &&
                p.ops[i - 1].mid(2).toDouble() == (kWidth - at.textWidth(text)) / 2)
                centred << text + u", "_s + size + u" pt"_s;
        }
        QCOMPARE(centred, (QStringList{"Brambleton, 36 pt", title, "Excellent Work, 28 pt", "Amy Li, 28 pt",
                                       "You have scored 7 out of 7., 28 pt"}));
    }

    // A border of five rectangles round the page and a frame of three within it: 32 straight lines, each
    // on the page, the frame's across the middle of the page shorter than the border's.
    void borderAndFrame() {
        RecordingPrinter p(kWidth, kHeight);
        print(p, 0);
        QList<QLineF> lines;
        for (const QString& op : p.ops)
            if (double a, b, c, d;
                std::sscanf(op.toLatin1().constData(), "line %lf %lf %lf %lf", &a, &b, &c, &d) == 4)
                lines << QLineF(a, b, c, d);
        QCOMPARE(lines.size(), 32);
        const QRectF page(-0.5, -0.5, kWidth + 1, kHeight + 1);
        int across = 0;
        for (const QLineF& l : lines) {
            QVERIFY((l.dx() == 0 || l.dy() == 0) && page.contains(l.p1()) && page.contains(l.p2()));
            across += l.dy() == 0 && l.length() > kWidth / 2;
        }
        QCOMPARE(across, 2 * 5 + 2 * 3);  // the top and bottom of each rectangle
    }

    // The document is ended once, last; a printer failing at any operation stops there, with no end.
    void endedOnceOrStoppedAtAFailure() {
        RecordingPrinter whole(kWidth, kHeight);
        print(whole, 0);
        QCOMPARE(whole.ops.indexOf(u"end"_s), whole.ops.size() - 1);
        for (int failAt = 1; failAt <= whole.ops.size(); ++failAt) {
            RecordingPrinter p(kWidth, kHeight);
            p.failAt = failAt;
            QVERIFY_THROWS_EXCEPTION(PrinterError, print(p, 0));
            QCOMPARE(p.ops, whole.ops.mid(0, failAt - 1));
        }
    }
};

QTEST_GUILESS_MAIN(TestCertificate)
#include "tst_certificate.moc"
