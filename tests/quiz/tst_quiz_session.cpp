#include <QTest>

#include "quiz_session.h"

using namespace bt;

namespace {

// Question q (1 to 10) has the right answer (q - 1) % 4 + 1.
QuizSession session() {
    Worksheet w{QStringLiteral("Pond life"), {}};
    for (int q = 1; q <= kQuestions; ++q) {
        w.questions[q - 1].text = QStringLiteral("Question %1?").arg(q);
        w.questions[q - 1].correct = (q - 1) % 4 + 1;
    }
    return QuizSession(w, QStringLiteral("Brambleton"));
}

}  // namespace

class TestQuizSession : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void markAnswer_data() {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("mark");
        QTest::newRow("right") << 3 << 3 << 1;
        QTest::newRow("wrong") << 3 << 2 << 0;
        QTest::newRow("none chosen") << 1 << 0 << 0;
        QTest::newRow("a right answer out of range never matches") << 0 << 0 << 0;
        QTest::newRow("a choice out of range") << 4 << 5 << 0;
    }
    void markAnswer() {
        QFETCH(int, correct);
        QFETCH(int, chosen);
        QFETCH(int, mark);
        QCOMPARE(bt::markAnswer(Question{QString(), {}, correct}, chosen), mark);
    }

    // The pupil's moves, as a string: a digit answers (0 for none) and goes on, '<' goes back.
    void moves_data() {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<int>("score");
        QTest::addColumn<QStringList>("wrong");
        QTest::newRow("all right") << QStringLiteral("1234123412") << 10 << QStringList{};
        QTest::newRow("two wrong, one blank")
            << QStringLiteral("2234104412") << 7
            << QStringList{" 1. Question 1?", " 6. Question 6?", " 7. Question 7?"};
        QTest::newRow("nothing chosen") << QStringLiteral("0000000000") << 0 << QStringList{} /* all ten */;
        QTest::newRow("a wrong answer mended by going back")
            << QStringLiteral("2<1234123412") << 10 << QStringList{};
        QTest::newRow("a right answer undone by passing it again blank")
            << QStringLiteral("123412341<02") << 9 << QStringList{" 9. Question 9?"};
        QTest::newRow("back from question 1 stays there")
            << QStringLiteral("<<1234123412") << 10 << QStringList{};
        QTest::newRow("moves after marking change nothing")
            << QStringLiteral("1234123412<0") << 10 << QStringList{};
    }
    void moves() {
        QFETCH(QString, moves);
        QFETCH(int, score);
        QFETCH(QStringList, wrong);
        QuizSession s = session();
        for (const QChar c : moves) {
            if (c == u'<')
                s.previous();
            else
                s.next(c.digitValue());
        }
        QVERIFY(s.marked());
        const ActivityResult r = s.result();
        QCOMPARE(r.score, score);
        QCOMPARE(r.outof, 10);
        QCOMPARE(r.certtitle, QStringLiteral("Brambleton"));
        QCOMPARE(r.title, QStringLiteral("Pond life"));
        QVERIFY(r.quiz);
        QCOMPARE(r.wrongLines.size(), 10 - score);
        if (!wrong.isEmpty()) QCOMPARE(r.wrongLines, wrong);
    }
};

QTEST_GUILESS_MAIN(TestQuizSession)
#include "tst_quiz_session.moc"
