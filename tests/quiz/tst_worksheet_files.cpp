#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "content_paths.h"
#include "text_file.h"
#include "worksheet_files.h"

using namespace bt;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

WorksheetDraft sampleDraft(const QString& title = QStringLiteral("Minibeasts")) {
    WorksheetDraft d;
    d.title = title;
    for (int q = 0; q < kQuestions; ++q) {
        QuestionDraft& question = d.questions[q];
        question.text = QStringLiteral("Question %1?").arg(q + 1);
        question.answers = {QStringLiteral("A%1").arg(q + 1), QStringLiteral("B%1").arg(q + 1),
                            QStringLiteral("C%1").arg(q + 1), QStringLiteral("D%1").arg(q + 1)};
        question.ticked = q % 4 + 1;
    }
    return d;
}

// A register file holding the given names, as the program writes one.
QByteArray registerBytes(const QStringList& names) {
    QByteArray out = " " + QByteArray::number(names.size()) + " \r\n";
    for (const QString& n : names) out += n.toLatin1() + "\r\n";
    return out;
}

}  // namespace

class TestWorksheetFiles : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString sheet_;
    QString reg_;

  private Q_SLOTS:
    void init() {
        sheet_ = dir_.filePath(QStringLiteral("sheet.txt"));
        reg_ = dir_.filePath(QStringLiteral("track.txt"));
        QFile::remove(sheet_);
        QFile::remove(reg_);
    }

    // ---- worksheets ----

    void writesRecordsExactly() {
        WorksheetDraft d = sampleDraft(QStringLiteral("Plants, trees"));
        d.questions[0].text = QStringLiteral("Which, of these?");
        d.questions[0].answers[2] = QStringLiteral("Salt & pepper");
        QVERIFY(writeWorksheet(sheet_, d));
        const QByteArray bytes = bytesOf(sheet_);
        QVERIFY(bytes.startsWith(
            "Plants& trees\r\n \r\nWhich& of these?\r\nA1\r\nB1\r\nSalt & pepper\r\nD1\r\n1\r\n \r\n"
            "Question 2?\r\n"));
        QVERIFY(bytes.endsWith("Question 10?\r\nA10\r\nB10\r\nC10\r\nD10\r\n2\r\n \r\n"));
        QCOMPARE(bytes.count("\r\n"), 72);
        QCOMPARE(bytes.count('\n'), 72);
    }

    void roundTripUnescapes() {
        WorksheetDraft d = sampleDraft(QStringLiteral("Plants, trees"));
        d.questions[4].text = QStringLiteral("Which, of these?");
        d.questions[4].answers[1] = QStringLiteral("Salt & pepper");
        d.questions[9].answers[3] = QString();  // texts may be empty
        d.questions[2].text = QStringLiteral("Does a Zośka’s plant grow?");
        QVERIFY(writeWorksheet(sheet_, d));
        SharedValues m;
        QVERIFY(readWorksheetFile(sheet_, m));
        QCOMPARE(m.worktitle, QStringLiteral("Plants, trees"));
        QCOMPARE(m.questtext[5], QStringLiteral("Which, of these?"));
        QCOMPARE(m.answerb[5], QStringLiteral("Salt , pepper"));  // no text keeps an ampersand
        QCOMPARE(m.answerd[10], QString());
        QCOMPARE(m.questtext[3], QStringLiteral("Does a Zośka’s plant grow?"));
        for (int q = 1; q <= kQuestions; ++q) {
            QCOMPARE(m.correctanswer[q], QString::number((q - 1) % 4 + 1));
            QCOMPARE(m.answera[q], QStringLiteral("A%1").arg(q));
            QCOMPARE(m.answerc[q], q == 5 ? QStringLiteral("C5") : QStringLiteral("C%1").arg(q));
        }
        QVERIFY(m.questtext[0].isEmpty());  // slot 0 is never used
    }

    void quotedRecordReadToNextQuote() {
        WorksheetDraft d = sampleDraft();
        d.questions[0].text = QStringLiteral("\"Snails\" are molluscs. True?");
        QVERIFY(writeWorksheet(sheet_, d));
        SharedValues m;
        QVERIFY(readWorksheetFile(sheet_, m));
        QCOMPARE(m.questtext[1], QStringLiteral("Snails"));
        QCOMPARE(m.answera[1], QStringLiteral("A1"));  // the records after it are not disturbed
    }

    void foreignLineEndsRead() {
        QVERIFY(writeWorksheet(sheet_, sampleDraft()));
        QByteArray bytes = bytesOf(sheet_);
        writeBytes(sheet_, bytes.replace("\r\n", "\n"));
        SharedValues m;
        QVERIFY(readWorksheetFile(sheet_, m));
        QCOMPARE(m.answerd[10], QStringLiteral("D10"));
    }

    void damagedWorksheetsRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QVERIFY(writeWorksheet(dir_.filePath(QStringLiteral("good.txt")), sampleDraft()));
        const QByteArray good = bytesOf(dir_.filePath(QStringLiteral("good.txt")));
        const qsizetype lastLine = good.lastIndexOf("\r\n", good.size() - 3) + 2;
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("71 records") << good.left(lastLine);
        QTest::newRow("half a worksheet") << good.left(good.size() / 2);
        QByteArray badDigit = good;
        badDigit.replace("\r\nD1\r\n1\r\n", "\r\nD1\r\n5\r\n");
        QTest::newRow("answer digit 5") << badDigit;
        QByteArray letter = good;
        letter.replace("\r\nD1\r\n1\r\n", "\r\nD1\r\nA\r\n");
        QTest::newRow("answer letter") << letter;
        QByteArray noDigit = good;
        noDigit.replace("\r\nD1\r\n1\r\n", "\r\nD1\r\n\r\n");
        QTest::newRow("answer missing") << noDigit;
        QByteArray twoDigits = good;
        twoDigits.replace("\r\nD1\r\n1\r\n", "\r\nD1\r\n12\r\n");
        QTest::newRow("answer 12") << twoDigits;
        QByteArray garbage(4096, '\0');
        for (int i = 0; i < garbage.size(); ++i) garbage[i] = char((i * 37 + 11) % 256);
        QTest::newRow("garbage") << garbage;
    }
    void damagedWorksheetsRefused() {
        QFETCH(QByteArray, bytes);
        writeBytes(sheet_, bytes);
        SharedValues m;
        m.worktitle = QStringLiteral("the quiz before");
        m.questtext[1] = QStringLiteral("kept");
        QVERIFY(!readWorksheetFile(sheet_, m));
        QCOMPARE(m.worktitle, QStringLiteral("the quiz before"));  // nothing half-read reaches the quiz
        QCOMPARE(m.questtext[1], QStringLiteral("kept"));
    }

    void missingWorksheet() {
        SharedValues m;
        QVERIFY(!readWorksheetFile(dir_.filePath(QStringLiteral("nowhere.txt")), m));
    }

    void shippedTopicWorksheetsAreSound_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("plants") << QStringLiteral("Parts of a Plant.txt");
        QTest::newRow("locality") << QStringLiteral("Animals in your locality.txt");
    }
    void shippedTopicWorksheetsAreSound() {
        QFETCH(QString, file);
        const ContentPaths paths(QStringLiteral(BRAMBLETON_SOURCE_CONTENT),
                                 QStringLiteral(BRAMBLETON_SOURCE_CONTENT "/multiple"));
        const QString path = paths.resolve(QStringLiteral("multiple\\") + file);
        SharedValues m;
        QVERIFY(readWorksheetFile(path, m));
        QCOMPARE(m.worktitle + QStringLiteral(".txt"), file);
        QCOMPARE(bytesOf(path).count("\r\n"), 72);
        for (int q = 1; q <= kQuestions; ++q) {
            QVERIFY(!m.questtext[q].isEmpty());
            const QStringList answers{m.answera[q], m.answerb[q], m.answerc[q], m.answerd[q]};
            QCOMPARE(QSet<QString>(answers.begin(), answers.end()).size(), 4);  // four different answers
        }
    }

    // ---- the register ----

    void readRegister_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("empty register") << QByteArray(" 0 \r\n") << true << QStringList{};
        QTest::newRow("three names") << QByteArray(" 3 \r\nA\r\nB\r\nC\r\n") << true
                                     << QStringList{"A", "B", "C"};
        QTest::newRow("extra names ignored") << QByteArray(" 1 \r\nA\r\nB\r\n") << true << QStringList{"A"};
        QTest::newRow("quoted name with comma")
            << QByteArray(" 2 \r\n\"Plants, trees\"\r\nB\r\n") << true << QStringList{"Plants, trees", "B"};
        QTest::newRow("count above the names keeps what was read")
            << QByteArray(" 4 \r\nA\r\nB\r\n") << false << QStringList{"A", "B"};
        QTest::newRow("truncated mid-name") << QByteArray(" 2 \r\nA\r\nB") << true << QStringList{"A", "B"};
        QTest::newRow("garbage count") << QByteArray("\x01\x02garbage\r\nA\r\n") << false << QStringList{};
        QTest::newRow("negative count") << QByteArray(" -2 \r\nA\r\n") << false << QStringList{};
        QTest::newRow("empty file") << QByteArray() << false << QStringList{};
    }
    void readRegister() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(QStringList, names);
        writeBytes(reg_, bytes);
        SharedValues m;
        QCOMPARE(bt::readRegister(reg_, m), ok);
        QCOMPARE(m.worksheetcount, names.size());
        for (int i = 0; i < names.size(); ++i) QCOMPARE(m.worksheetnames[i + 1], names[i]);
    }

    void missingRegisterLeavesCount() {
        SharedValues m;
        QVERIFY(!bt::readRegister(reg_, m));
        QCOMPARE(m.worksheetcount, 0);
        m.worksheetcount = 2;
        QVERIFY(!bt::readRegister(reg_, m));
        QCOMPARE(m.worksheetcount, 2);
    }

    void overLongRegisterStopsAtTheLimit() {
        QStringList names;
        for (int i = 1; i <= 1005; ++i) names << QStringLiteral("Sheet %1").arg(i);
        writeBytes(reg_, registerBytes(names));
        SharedValues m;
        QVERIFY(!bt::readRegister(reg_, m));
        QCOMPARE(m.worksheetcount, kMaxWorksheets);
        QCOMPARE(m.worksheetnames[kMaxWorksheets], QStringLiteral("Sheet 1000"));
    }

    void tracking_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("first name") << QStringList{} << QStringLiteral("Minibeasts")
                                    << QByteArray(" 1 \r\nMinibeasts\r\n");
        QTest::newRow("appended last")
            << QStringList{"A", "B"} << QStringLiteral("C") << QByteArray(" 3 \r\nA\r\nB\r\nC\r\n");
        QTest::newRow("already there: unchanged")
            << QStringList{"A", "B"} << QStringLiteral("A") << QByteArray(" 2 \r\nA\r\nB\r\n");
        QTest::newRow("other case is another name")
            << QStringList{"Plants"} << QStringLiteral("plants") << QByteArray(" 2 \r\nPlants\r\nplants\r\n");
        QTest::newRow("comma title is quoted") << QStringList{"A"} << QStringLiteral("Plants, trees")
                                               << QByteArray(" 2 \r\nA\r\n\"Plants, trees\"\r\n");
        QTest::newRow("ampersand kept in the register")
            << QStringList{} << QStringLiteral("Cats & dogs") << QByteArray(" 1 \r\nCats & dogs\r\n");
    }
    void tracking() {
        QFETCH(QStringList, before);
        QFETCH(QString, title);
        QFETCH(QByteArray, after);
        writeBytes(reg_, registerBytes(before));
        SharedValues m;
        QVERIFY(trackworksheets(reg_, title, m));
        QCOMPARE(bytesOf(reg_), after);
        QCOMPARE(m.worksheetcount, before.size());  // the count read, as the register held it
    }

    void commaTitleNeverDisplacesANameOnReading() {
        writeBytes(reg_, registerBytes({"First", "Second"}));
        SharedValues m;
        QVERIFY(trackworksheets(reg_, QStringLiteral("Plants, trees and flowers"), m));
        QVERIFY(trackworksheets(reg_, QStringLiteral("Last"), m));
        QVERIFY(bt::readRegister(reg_, m));
        QCOMPARE(m.worksheetcount, 4);
        QCOMPARE(m.worksheetnames[3], QStringLiteral("Plants, trees and flowers"));
        QCOMPARE(m.worksheetnames[4], QStringLiteral("Last"));
        QVERIFY(trackworksheets(reg_, QStringLiteral("Plants, trees and flowers"), m));  // found: not doubled
        QVERIFY(bt::readRegister(reg_, m));
        QCOMPARE(m.worksheetcount, 4);
    }

    void trackingWithoutRegisterFails() {
        SharedValues m;
        QVERIFY(!trackworksheets(reg_, QStringLiteral("A"), m));
        QVERIFY(!QFile::exists(reg_));
    }

    void thousandNameLimit() {
        QStringList names;
        for (int i = 1; i <= 999; ++i) names << QStringLiteral("Sheet %1").arg(i);
        writeBytes(reg_, registerBytes(names));
        SharedValues m;
        QVERIFY(trackworksheets(reg_, QStringLiteral("Sheet 1000"), m));
        const QByteArray full = bytesOf(reg_);
        QVERIFY(full.startsWith(" 1000 \r\n"));
        QVERIFY(!trackworksheets(reg_, QStringLiteral("Sheet 1001"), m));
        QCOMPARE(bytesOf(reg_), full);                                   // unchanged
        QVERIFY(trackworksheets(reg_, QStringLiteral("Sheet 500"), m));  // a known name still saves
    }

    void deleting_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("second of three")
            << QStringList{"A", "B", "C"} << QStringLiteral("B") << QStringList{"A", "C"};
        QTest::newRow("only name") << QStringList{"A"} << QStringLiteral("A") << QStringList{};
        QTest::newRow("last name") << QStringList{"A", "B"} << QStringLiteral("B") << QStringList{"A"};
        QTest::newRow("absent: unchanged")
            << QStringList{"A", "B"} << QStringLiteral("Z") << QStringList{"A", "B"};
        QTest::newRow("case must match")
            << QStringList{"A", "B"} << QStringLiteral("a") << QStringList{"A", "B"};
        QTest::newRow("the last of equal names goes")
            << QStringList{"A", "B", "A", "C"} << QStringLiteral("A") << QStringList{"A", "B", "C"};
        QTest::newRow("quoted name") << QStringList{"\"Plants, trees\"", "B"}
                                     << QStringLiteral("Plants, trees") << QStringList{"B"};
    }
    void deleting() {
        QFETCH(QStringList, before);
        QFETCH(QString, name);
        QFETCH(QStringList, after);
        writeBytes(reg_, registerBytes(before));
        const QString sheet = dir_.filePath(name + QStringLiteral(".txt"));
        writeBytes(sheet, "x");
        SharedValues m;
        m.deletename = name;
        QVERIFY(delworksheet(reg_, m));
        QCOMPARE(bytesOf(reg_), registerBytes(after));
        QCOMPARE(m.worksheetcount, after.size());  // memory equals the rewritten register
        for (int i = 0; i < after.size(); ++i)
            QCOMPARE(m.worksheetnames[i + 1], QString(after[i]).remove(u'"'));
        QVERIFY(QFile::exists(sheet));  // the worksheet file itself stays
    }

    void deletingWithoutRegisterFails() {
        SharedValues m;
        m.deletename = QStringLiteral("A");
        QVERIFY(!delworksheet(reg_, m));
        QVERIFY(!QFile::exists(reg_));
    }

    void nonLatinTitlesSurvive() {
        writeBytes(reg_, registerBytes({"Old"}));
        SharedValues m;
        QVERIFY(trackworksheets(reg_, QStringLiteral("Łąka i staw"), m));
        QVERIFY(bt::readRegister(reg_, m));
        QCOMPARE(m.worksheetcount, 2);
        QCOMPARE(m.worksheetnames[1], QStringLiteral("Old"));
        QCOMPARE(m.worksheetnames[2], QStringLiteral("Łąka i staw"));
        m.deletename = QStringLiteral("Łąka i staw");
        QVERIFY(delworksheet(reg_, m));
        QCOMPARE(bytesOf(reg_), QByteArray(" 1 \r\nOld\r\n"));  // back to plain Windows-1252
    }

    // ---- titles ----

    void titles_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("problemStartsWith");  // empty: the title is fine
        const QString chars = QStringLiteral("A worksheet title cannot contain any of these characters");
        QTest::newRow("plain") << QStringLiteral("Minibeasts") << QString();
        QTest::newRow("comma") << QStringLiteral("Plants, trees") << QString();
        QTest::newRow("ampersand") << QStringLiteral("Cats & dogs") << QString();
        QTest::newRow("accented") << QStringLiteral("Łąka") << QString();
        QTest::newRow("topic quiz name") << QStringLiteral("Parts of a Plant") << QString();
        QTest::newRow("inner dots") << QStringLiteral("Year 3. Part 2") << QString();
        QTest::newRow("empty") << QString() << QStringLiteral("You have not chosen a title");
        QTest::newRow("leading blank")
            << QStringLiteral(" Plants") << QStringLiteral("A worksheet title cannot begin or end");
        QTest::newRow("trailing blank")
            << QStringLiteral("Plants ") << QStringLiteral("A worksheet title cannot begin or end");
        QTest::newRow("only blanks") << QStringLiteral("   ")
                                     << QStringLiteral("A worksheet title cannot begin or end");
        QTest::newRow("slash") << QStringLiteral("a/b") << chars;
        QTest::newRow("climbing out") << QStringLiteral("../../evil") << chars;
        QTest::newRow("backslash") << QStringLiteral("a\\b") << chars;
        QTest::newRow("colon") << QStringLiteral("Test: one") << chars;
        QTest::newRow("question mark") << QStringLiteral("Why?") << chars;
        QTest::newRow("double quote") << QStringLiteral("\"Bugs\"") << chars;
        QTest::newRow("dot") << QStringLiteral(".") << QStringLiteral("A worksheet title needs letters");
        QTest::newRow("two dots") << QStringLiteral("..")
                                  << QStringLiteral("A worksheet title needs letters");
        QTest::newRow("tab inside") << QStringLiteral("a\tb")
                                    << QStringLiteral("A worksheet title cannot contain a control");
        QTest::newRow("line feed inside")
            << QStringLiteral("a\nb") << QStringLiteral("A worksheet title cannot contain a control");
        QTest::newRow("the register's own name")
            << QStringLiteral("Track") << QStringLiteral("The title \"Track\" is used");
        QTest::newRow("too long") << QString(300, u'x') << QStringLiteral("This worksheet title is too long");
    }
    void titles() {
        QFETCH(QString, title);
        QFETCH(QString, problemStartsWith);
        const QString problem = titleProblem(title);
        if (problemStartsWith.isEmpty())
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        else
            QVERIFY2(problem.startsWith(problemStartsWith), qPrintable(problem));
    }

    void acceptedTitlesMakeFilesInTheFolder() {
        // Every accepted title names a file directly inside the worksheet folder, and reads back.
        const QString folder = dir_.filePath(QStringLiteral("multiple"));
        QDir().mkpath(folder);
        const ContentPaths paths(dir_.path(), folder);
        for (const QString& title : {QStringLiteral("Plants, trees"), QStringLiteral("Cats & dogs"),
                                     QStringLiteral("Łąka"), QStringLiteral("Year 3. Part 2")}) {
            QVERIFY(titleProblem(title).isEmpty());
            const QString path = worksheetPath(paths, title);
            QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(folder).absoluteFilePath());
            QVERIFY(writeWorksheet(path, sampleDraft(title)));
            SharedValues m;
            QVERIFY(readWorksheetFile(
                paths.resolve(QStringLiteral("multiple/") + title + QStringLiteral(".txt")), m));
        }
    }
};

QTEST_GUILESS_MAIN(TestWorksheetFiles)
#include "tst_worksheet_files.moc"
