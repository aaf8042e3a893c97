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

    // A border of five nested rectangles round the page and a frame of three within it, all on the page.
    void borderAndFrame() {
        RecordingPrinter p(kWidth, kHeight);
        print(p, 0);
        QList<QRectF> lines, rects;  // each line as the thin rectangle it covers; those four of them close
        for (const QString& op : p.ops)
            if (double a, b, c, d;
                std::sscanf(op.toLatin1().constData(), "line %lf %lf %lf %lf", &a, &b, &c, &d) == 4)
                lines << QRectF(QPointF(a, b), QPointF(c, d)).normalized();
        auto drawn = [&](QPointF from, QPointF to) { return lines.contains(QRectF(from, to)); };
        for (const QRectF& a : lines)
            for (const QRectF& b : lines)
                if (const QRectF r = a | b;
                    !r.isEmpty() && !rects.contains(r) && drawn(r.topLeft(), r.topRight()) &&
                    drawn(r.topLeft(), r.bottomLeft()) && drawn(r.topRight(), r.bottomRight()) &&
                    drawn(r.bottomLeft(), r.bottomRight()))
                    rects << r;
        QCOMPARE(rects.size() * 4, lines.size());
        QCOMPARE(rects.size(), 8);
        std::sort(rects.begin(), rects.end(),
                  [](const QRectF& a, const QRectF& b) { return a.width() > b.width(); });
        // Each inside the one before, the first on the page; five round the page, three within.
        for (int i = 0; i < 8; ++i)
            QVERIFY((i ? rects[i - 1] : QRectF(0, 0, kWidth, kHeight)).contains(rects[i]) &&
                    (rects[i].height() > kHeight / 2) == (i < 5));
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
