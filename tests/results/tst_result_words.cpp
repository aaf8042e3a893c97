#include <QTest>

#include "result_words.h"

using namespace bt;
using namespace Qt::StringLiterals;
using Kind = ResultWords::Kind;

class TestResultWords : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Full marks offer the certificate, a lower score the review of wrong answers; above them, no change.
    void results_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("outof");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("label1");
        QTest::addColumn<QStringList>("sounds");
        auto row = [](const char* tag, int score, int outof, Kind kind, QString label1, QStringList sounds) {
            QTest::newRow(tag) << score << outof << kind << label1 << sounds;
        };
        row("all right", 10, 10, Kind::Perfect, "Excellent work. You have scored 10 out of 10.",
            {"wav\\fanf2.wav", "wav\\fanf3.wav"});
        row("1 short", 9, 10, Kind::Close, "Good work. You have scored 9 out of 10.",
            {"wav\\crowd.wav", "wav\\cheer2.wav", "wav\\klaxon.wav"});
        row("2 short", 8, 10, Kind::Close, "Good work. You have scored 8 out of 10.",
            {"wav\\flute.wav", "wav\\gong.wav", "wav\\clap2.wav"});
        row("3 short", 7, 10, Kind::Other, "You have scored 7 out of 10.",
            {"wav\\drumroll.wav", "wav\\laser2.wav", "wav\\whizz.wav"});
        row("4 short", 6, 10, Kind::Other, "You have scored 6 out of 10.",
            {"wav\\clap3.wav", "wav\\clown.wav"});
        row("5 of 5, silent", 5, 5, Kind::Perfect, "Excellent work. You have scored 5 out of 5.", {""});
        row("above full marks", 11, 10, Kind::Design, "", {""});
    }
    void results() {
        QFETCH(int, score);
        QFETCH(int, outof);
        QFETCH(Kind, kind);
        QFETCH(QString, label1);
        QFETCH(QStringList, sounds);
        const ResultWords w = resultWords(score, outof);
        QCOMPARE(w.kind, kind);
        QCOMPARE(w.label1, label1);
        const bool low = kind == Kind::Close || kind == Kind::Other;  // below full marks
        if (kind != Kind::Design) QCOMPARE(w.action, low ? u"Check Wrong Answers"_s : u"Print Certificate"_s);
        if (low) QVERIFY(w.label5.startsWith(u"Click the button above"_s));
        for (int i = 0; i < 1800; ++i)  // each sound takes an equal share of [0, 1), in turn
            QCOMPARE(resultSound(score, i / 1800.0), sounds.at(i * sounds.size() / 1800));
    }

    void everyPictureCanBeDrawn() {
        QSet<QString> seen;
        for (int i = 0; i < 9; ++i) seen.insert(resultPicture((i + 0.5) / 9));
        QCOMPARE(seen.size(), 9);
    }
};

QTEST_GUILESS_MAIN(TestResultWords)
#include "tst_result_words.moc"
