#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "content_paths.h"
#include "test_files.h"
#include "worksheet_files.h"

using namespace bt;
using namespace bt::test;

namespace {

// Question q (1 to 10) reads "Question q?" with answers "Aq" to "Dq", the right one (q - 1) % 4 + 1.
Worksheet sample(const QString& title = QStringLiteral("Minibeasts")) {
    Worksheet w{title, {}};
    for (int q = 1; q <= kQuestions; ++q)
        w.questions[q - 1] = {QStringLiteral("Question %1?").arg(q),
                              {QStringLiteral("A%1").arg(q), QStringLiteral("B%1").arg(q),
                               QStringLiteral("C%1").arg(q), QStringLiteral("D%1").arg(q)},
                              (q - 1) % 4 + 1};
    return w;
}

QStringList namesIn(const SharedValues& m) {
    return QStringList(m.worksheetnames.begin() + 1, m.worksheetnames.begin() + 1 + m.worksheetcount);
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

    void readsBackWhatWasWritten() {
        Worksheet w = sample(QStringLiteral("Plants, trees"));
        w.questions[4].answers[1] = QStringLiteral("Salt & pepper");
        w.questions[9].answers[3] = QString();  // texts may be empty
        w.questions[2].text = QStringLiteral("Does a Zośka’s plant grow?");
        QVERIFY(writeWorksheet(sheet_, w));
        std::optional<Worksheet> read = readWorksheetFile(sheet_);
        QVERIFY(read);
        QCOMPARE(read->questions[4].answers[1],
                 QStringLiteral("Salt , pepper"));  // no text keeps an ampersand
        read->questions[4].answers[1] = w.questions[4].answers[1];
        QCOMPARE(worksheetRecords(*read), worksheetRecords(w));
        // Lines ended by LF alone, as other programs write them, read the same.
        QVERIFY(writeFile(sheet_, fileBytes(sheet_).replace("\r\n", "\n")));
        QCOMPARE(readWorksheetFile(sheet_)->questions[9].answers[2], QStringLiteral("C10"));
    }

    void damagedWorksheetsRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QVERIFY(writeWorksheet(dir_.filePath(QStringLiteral("good.txt")), sample()));
        const QByteArray good = fileBytes(dir_.filePath(QStringLiteral("good.txt")));
        QTest::newRow("missing") << QByteArray("-");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("71 records") << good.left(good.lastIndexOf("\r\n", good.size() - 3) + 2);
        QTest::newRow("half a worksheet") << good.left(good.size() / 2);
        for (const char* digit : {"5", "A", "", "12", "0"})
            QTest::newRow(qPrintable(QStringLiteral("answer '%1'").arg(QLatin1String(digit))))
                << QByteArray(good).replace("\r\nD1\r\n1\r\n", "\r\nD1\r\n" + QByteArray(digit) + "\r\n");
        QByteArray garbage(4096, '\0');
        for (int i = 0; i < garbage.size(); ++i) garbage[i] = char((i * 37 + 11) % 256);
        QTest::newRow("garbage") << garbage;
    }
    void damagedWorksheetsRefused() {
        QFETCH(QByteArray, bytes);
        if (bytes != "-") QVERIFY(writeFile(sheet_, bytes));
        QVERIFY(!readWorksheetFile(sheet_));
    }

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
        QTest::newRow("no line end after the last name")
            << QByteArray(" 2 \r\nA\r\nB") << true << QStringList{"A", "B"};
        QTest::newRow("garbage count") << QByteArray("\x01\x02garbage\r\nA\r\n") << false << QStringList{};
        QTest::newRow("negative count") << QByteArray(" -2 \r\nA\r\n") << false << QStringList{};
        QTest::newRow("more than 1000 stops at 1000")
            << registerBytes(sheetNames(1005)) << false << sheetNames(1000);
    }
    void readRegister() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(QStringList, names);
        QVERIFY(writeFile(reg_, bytes));
        SharedValues m;
        QCOMPARE(bt::readRegister(reg_, m), ok);
        QCOMPARE(namesIn(m), names);
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
        QTest::newRow("comma title found, not doubled")
            << QStringList{"Plants, trees", "B"} << QStringLiteral("Plants, trees")
            << QByteArray(" 2 \r\n\"Plants, trees\"\r\nB\r\n");
        QTest::newRow("the 1000th name")
            << sheetNames(999) << QStringLiteral("Sheet 1000") << registerBytes(sheetNames(1000));
        QTest::newRow("full: no 1001st name")
            << sheetNames(1000) << QStringLiteral("Sheet 1001") << QByteArray();
        QTest::newRow("full, but a known name saves")
            << sheetNames(1000) << QStringLiteral("Sheet 500") << registerBytes(sheetNames(1000));
        QTest::newRow("no register") << QStringList{QStringLiteral("-")} << QStringLiteral("A")
                                     << QByteArray();
    }
    void tracking() {
        QFETCH(QStringList, before);
        QFETCH(QString, title);
        QFETCH(QByteArray, after);
        const bool noRegister = before == QStringList{QStringLiteral("-")};
        if (!noRegister) QVERIFY(writeFile(reg_, registerBytes(before)));
        const QByteArray was = fileBytes(reg_);
        SharedValues m;
        QCOMPARE(trackworksheets(reg_, title, m), !after.isEmpty());
        QCOMPARE(fileBytes(reg_), after.isEmpty() ? was : after);  // a refusal leaves the register as it was
        QCOMPARE(QFile::exists(reg_), !noRegister);
        if (!noRegister)
            QCOMPARE(m.worksheetcount, before.size());  // the count read, as the register held it
    }

    void deleting_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("second of three")
            << QStringList{"A", "B", "C"} << QStringLiteral("B") << QStringList{"A", "C"};
        QTest::newRow("only name") << QStringList{"A"} << QStringLiteral("A") << QStringList{};
        QTest::newRow("absent: unchanged")
            << QStringList{"A", "B"} << QStringLiteral("Z") << QStringList{"A", "B"};
        QTest::newRow("case must match")
            << QStringList{"A", "B"} << QStringLiteral("a") << QStringList{"A", "B"};
        QTest::newRow("the last of equal names goes")
            << QStringList{"A", "B", "A", "C"} << QStringLiteral("A") << QStringList{"A", "B", "C"};
        QTest::newRow("quoted name") << QStringList{"Plants, trees", "B"} << QStringLiteral("Plants, trees")
                                     << QStringList{"B"};
        QTest::newRow("no register: fails") << QStringList{"-"} << QStringLiteral("A") << QStringList{};
    }
    void deleting() {
        QFETCH(QStringList, before);
        QFETCH(QString, name);
        QFETCH(QStringList, after);
        const bool noRegister = before == QStringList{QStringLiteral("-")};
        if (!noRegister) QVERIFY(writeFile(reg_, registerBytes(before)));
        SharedValues m;
        QCOMPARE(delworksheet(reg_, name, m), !noRegister);
        QCOMPARE(QFile::exists(reg_), !noRegister);
        if (noRegister) return;
        QCOMPARE(fileBytes(reg_), registerBytes(after));
        QCOMPARE(namesIn(m), after);  // memory matches the file
    }

    void nonLatinTitlesSurvive() {
        QVERIFY(writeFile(reg_, registerBytes({"Old"})));
        SharedValues m;
        QVERIFY(trackworksheets(reg_, QStringLiteral("Łąka i staw"), m));
        QVERIFY(bt::readRegister(reg_, m));
        QCOMPARE(namesIn(m), (QStringList{"Old", "Łąka i staw"}));
        QVERIFY(delworksheet(reg_, QStringLiteral("Łąka i staw"), m));
        QCOMPARE(fileBytes(reg_), QByteArray(" 1 \r\nOld\r\n"));  // back to plain Windows-1252
    }

    void titles_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("problemStartsWith");  // empty: the title is fine
        const QString chars = QStringLiteral("A worksheet title cannot contain any of these characters");
        const QString blank = QStringLiteral("A worksheet title cannot begin or end");
        const QString control = QStringLiteral("A worksheet title cannot contain a control");
        for (const char* fine : {"Plants, trees", "Cats & dogs", "Parts of a Plant", "Year 3. Part 2"})
            QTest::newRow(fine) << QString::fromLatin1(fine) << QString();
        QTest::newRow("accented") << QStringLiteral("Łąka") << QString();
        QTest::newRow("empty") << QString() << QStringLiteral("You have not chosen a title");
        QTest::newRow("leading blank") << QStringLiteral(" Plants") << blank;
        QTest::newRow("climbing out") << QStringLiteral("../../evil") << chars;
        QTest::newRow("double quote") << QStringLiteral("\"Bugs\"") << chars;
        QTest::newRow("dot") << QStringLiteral(".") << QStringLiteral("A worksheet title needs letters");
        QTest::newRow("tab inside") << QStringLiteral("a\tb") << control;
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
        if (!problem.isEmpty()) return;
        // An accepted title names a file directly inside the worksheet folder, which reads back.
        const QString folder = dir_.filePath(QStringLiteral("multiple"));
        QDir().mkpath(folder);
        const ContentPaths paths(dir_.path(), folder);
        const QString path = worksheetPath(paths, title);
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(folder).absoluteFilePath());
        QVERIFY(writeWorksheet(path, sample(title)));
        QVERIFY(
            readWorksheetFile(paths.resolve(QStringLiteral("multiple/") + title + QStringLiteral(".txt"))));
    }
};

QTEST_GUILESS_MAIN(TestWorksheetFiles)
#include "tst_worksheet_files.moc"
