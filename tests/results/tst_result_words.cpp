#include <QRandomGenerator>
#include <QTest>

#include "result_words.h"

using namespace bt;

Q_DECLARE_METATYPE(ResultWords::Kind)

class TestResultWords : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void words_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("outof");
        QTest::addColumn<ResultWords::Kind>("kind");
        QTest::addColumn<QString>("label1");
        QTest::addColumn<QString>("action");
        const QString review = QStringLiteral("Check Wrong Answers");
        QTest::newRow("10 of 10") << 10 << 10 << ResultWords::Kind::Perfect
                                  << QStringLiteral("Excellent work. You have scored 10 out of 10.")
                                  << QStringLiteral("Print Certificate");
        QTest::newRow("9 of 10") << 9 << 10 << ResultWords::Kind::Close
                                 << QStringLiteral("Good work. You have scored 9 out of 10.") << review;
        QTest::newRow("8 of 10") << 8 << 10 << ResultWords::Kind::Close
                                 << QStringLiteral("Good work. You have scored 8 out of 10.") << review;
        QTest::newRow("7 of 10") << 7 << 10 << ResultWords::Kind::Other
                                 << QStringLiteral("You have scored 7 out of 10.") << review;
        QTest::newRow("0 of 10") << 0 << 10 << ResultWords::Kind::Other
                                 << QStringLiteral("You have scored 0 out of 10.") << review;
        QTest::newRow("5 of 5") << 5 << 5 << ResultWords::Kind::Perfect
                                << QStringLiteral("Excellent work. You have scored 5 out of 5.")
                                << QStringLiteral("Print Certificate");
        QTest::newRow("4 of 5") << 4 << 5 << ResultWords::Kind::Close
                                << QStringLiteral("Good work. You have scored 4 out of 5.") << review;
        QTest::newRow("7 of 9") << 7 << 9 << ResultWords::Kind::Close
                                << QStringLiteral("Good work. You have scored 7 out of 9.") << review;
        QTest::newRow("6 of 9") << 6 << 9 << ResultWords::Kind::Other
                                << QStringLiteral("You have scored 6 out of 9.") << review;
        QTest::newRow("0 of 0") << 0 << 0 << ResultWords::Kind::Perfect
                                << QStringLiteral("Excellent work. You have scored 0 out of 0.")
                                << QStringLiteral("Print Certificate");
        QTest::newRow("above full marks keeps the design")
            << 11 << 10 << ResultWords::Kind::Design << QString() << QString();
    }
    void words() {
        QFETCH(int, score);
        QFETCH(int, outof);
        QFETCH(ResultWords::Kind, kind);
        QFETCH(QString, label1);
        QFETCH(QString, action);
        const ResultWords w = resultWords(score, outof);
        QCOMPARE(w.kind, kind);
        QCOMPARE(w.label1, label1);
        QCOMPARE(w.action, action);
        if (kind == ResultWords::Kind::Close || kind == ResultWords::Kind::Other)
            QCOMPARE(
                w.label5,
                QStringLiteral("Click the button above to check which questions you answered incorrectly."));
        else
            QVERIFY(w.label5.isEmpty());
    }

    void soundRows_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<QStringList>("sounds");
        QTest::newRow("10") << 10 << QStringList{"wav\\fanf2.wav", "wav\\fanf3.wav"};
        QTest::newRow("9") << 9 << QStringList{"wav\\crowd.wav", "wav\\cheer2.wav", "wav\\klaxon.wav"};
        QTest::newRow("8") << 8 << QStringList{"wav\\flute.wav", "wav\\gong.wav", "wav\\clap2.wav"};
        QTest::newRow("7") << 7 << QStringList{"wav\\drumroll.wav", "wav\\laser2.wav", "wav\\whizz.wav"};
        QTest::newRow("6") << 6 << QStringList{"wav\\clap3.wav", "wav\\clown.wav"};
        QTest::newRow("5, even when perfect") << 5 << QStringList{};
        QTest::newRow("0") << 0 << QStringList{};
        QTest::newRow("11") << 11 << QStringList{};
    }
    void soundRows() {
        QFETCH(int, score);
        QFETCH(QStringList, sounds);
        QCOMPARE(resultSounds(score), sounds);
        if (sounds.isEmpty()) QVERIFY(resultSound(score, 0.5).isEmpty());
    }

    // floor(r x n): every value is reached by an equal share of [0, 1), the ends included.
    void drawsAreUniform_data() {
        QTest::addColumn<int>("n");
        QTest::newRow("two sounds") << 2;
        QTest::newRow("three sounds") << 3;
        QTest::newRow("nine pictures") << 9;
    }
    void drawsAreUniform() {
        QFETCH(int, n);
        const int steps = 9 * 2 * 3 * 1000;
        QVector<int> counts(n, 0);
        for (int i = 0; i < steps; ++i) ++counts[drawIndex(double(i) / steps, n)];
        for (int c : counts) QCOMPARE(c, steps / n);
        QCOMPARE(drawIndex(0.0, n), 0);
        QCOMPARE(drawIndex(std::nextafter(1.0, 0.0), n), n - 1);
    }

    void pictureAndSoundDrawsCoverTheirRows() {
        // With the program's generator, 90000 draws over nine pictures land within a chi-square bound
        // (8 degrees of freedom, p = 0.001: 26.12), and every row of every sound table is reached.
        QRandomGenerator random(20261206);
        QHash<QString, int> pictures;
        const int draws = 90000;
        for (int i = 0; i < draws; ++i) ++pictures[resultPicture(random.generateDouble())];
        QCOMPARE(pictures.size(), 9);
        double chi = 0;
        for (int c : pictures) chi += (c - draws / 9.0) * (c - draws / 9.0) / (draws / 9.0);
        QVERIFY2(chi < 26.12, qPrintable(QString::number(chi)));
        for (int score : {6, 7, 8, 9, 10}) {
            QSet<QString> heard;
            for (int i = 0; i < 200; ++i) heard.insert(resultSound(score, random.generateDouble()));
            QCOMPARE(heard.size(), resultSounds(score).size());
        }
    }
};

QTEST_GUILESS_MAIN(TestResultWords)
#include "tst_result_words.moc"
