#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "content_paths.h"
#include "test_files.h"
#include "worksheet_files.h"

using namespace bt;
using namespace bt::test;
using namespace Qt::StringLiterals;

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

    // A text in the title or an answer either reads back exactly, or is refused and nothing is written.
    // Quotes are written only where needed: a plain worksheet's bytes are as earlier versions wrote them.
    void textsReadBackExactly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<bool>("plainBytes");
        const auto row = [](const char* name, const QString& text, bool fits, bool plain) {
            QTest::newRow(name) << text << fits << plain;
        };
        row("plain", u"Roots"_s, true, true);
        row("comma", u"Roots, stems"_s, true, true);
        row("empty", QString(), true, true);
        row("double quote inside", u"The \"root\" hairs"_s, true, true);
        row("trailing blank", u"Roots "_s, true, true);
        row("beyond Windows-1252", u"Does a Zośka’s plant grow?"_s, true, true);
        row("leading zero-width no-break space", QChar(0xFEFF) + u"Roots"_s, true, true);
        row("beginning as a byte-order mark does in Windows-1252", u"ï»¿Roots"_s, true, true);
        row("ampersand", u"Salt & pepper"_s, true, false);
        row("ampersand and comma", u"Salt & pepper, please"_s, true, false);
        row("leading blank", u" Roots"_s, true, false);
        row("leading tab", u"\tRoots"_s, true, false);
        row("blanks only", u"   "_s, true, false);
        row("leading double quote", u"\"Roots"_s, false, false);
        row("line feed", u"Roots\nor stems"_s, false, false);
        row("carriage return", u"Roots\ror stems"_s, false, false);
        row("unpaired surrogate", u"Roots"_s + QChar(0xD800), false, false);
        row("quoted and a quote inside", u"\"Roots\" they say"_s, false, false);
        row("ampersand and a quote", u"Salt & \"pepper\""_s, false, false);
    }
    void textsReadBackExactly() {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        QFETCH(bool, plainBytes);
        for (const bool inTitle : {false, true}) {
            QFile::remove(sheet_);
            Worksheet w = sample(inTitle ? text : u"Plants"_s);
            w.questions[4].answers[1] = text;
            QCOMPARE(textFitsFile(text), fits);
            QCOMPARE(writeWorksheet(sheet_, w), fits);
            if (!fits) {
                QVERIFY(!QFile::exists(sheet_));
                continue;
            }
            QCOMPARE(readWorksheetFile(sheet_), w);
            QCOMPARE(fileBytes(sheet_).split('\n').value(1), plainBytes ? " \r" : "2\r");  // the spare
        }
        // Lines ended by LF alone, as other programs write them, read the same.
        if (fits && !text.contains(u'\t')) {
            QVERIFY(writeFile(sheet_, fileBytes(sheet_).replace("\r\n", "\n")));
            QCOMPARE(readWorksheetFile(sheet_)->questions[4].answers[1], text);
        }
    }

    // Files written by earlier versions read as they always did: "&" as ",", a leading quote dropped with
    // whatever follows its partner.
    void earlierFilesReadTheSame() {
        QVERIFY(writeWorksheet(sheet_, sample()));
        QByteArray old = fileBytes(sheet_);
        old.replace("\r\nB5\r\n", "\r\nSalt & pepper\r\n").replace("\r\nC5\r\n", "\r\n\"A&B\" more\r\n");
        QVERIFY(writeFile(sheet_, old));
        const std::optional<Worksheet> read = readWorksheetFile(sheet_);
        QCOMPARE(read->questions[4].answers[1], u"Salt , pepper"_s);
        QCOMPARE(read->questions[4].answers[2], u"A,B"_s);
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

    // The register: the bytes it holds before ("-" for no file); what is done ("" reads it, "+T" adds the
    // title T, "-T" deletes it); whether that works; the bytes after (empty: as before); the names then in
    // memory. Adding reads the register first, so memory holds the names as the register held them.
    void registerFile_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QStringList>("names");
        const auto row = [](const char* name, const QByteArray& before, const QString& action, bool ok,
                            const QByteArray& after, const QStringList& names) {
            QTest::newRow(name) << before << action << ok << after << names;
        };
        const QByteArray ab = registerBytes({"A", "B"}), full = registerBytes(sheetNames(1000));
        const QString lake = QStringLiteral("Łąka i staw");
        row("read: none", " 0 \r\n", "", true, {}, {});
        row("read: three names", " 3 \r\nA\r\nB\r\nC\r\n", "", true, {}, {"A", "B", "C"});
        row("read: extra names ignored", " 1 \r\nA\r\nB\r\n", "", true, {}, {"A"});
        row("read: quoted name with comma", registerBytes({"A, b"}), "", true, {}, {"A, b"});
        row("read: count above the names keeps what was read", " 4 \r\nA\r\nB\r\n", "", false, {},
            {"A", "B"});
        row("read: no line end after the last name", " 2 \r\nA\r\nB", "", true, {}, {"A", "B"});
        row("read: garbage count", "\x01\x02garbage\r\nA\r\n", "", false, {}, {});
        row("read: negative count", " -2 \r\nA\r\n", "", false, {}, {});
        row("read: more than 1000 stops at 1000", registerBytes(sheetNames(1005)), "", false, {},
            sheetNames(1000));
        row("add: the first", " 0 \r\n", "+Minibeasts", true, " 1 \r\nMinibeasts\r\n", {});
        row("add: appended last", ab, "+C", true, registerBytes({"A", "B", "C"}), {"A", "B"});
        row("add: already there", ab, "+A", true, {}, {"A", "B"});
        row("add: other case is another name", ab, "+a", true, registerBytes({"A", "B", "a"}), {"A", "B"});
        row("add: a comma title quoted", ab, "+A, b", true, " 3 \r\nA\r\nB\r\n\"A, b\"\r\n", {"A", "B"});
        row("add: a comma title found, not doubled", registerBytes({"A, b"}), "+A, b", true, {}, {"A, b"});
        row("add: a leading blank kept in quotes", ab, "+ C", true, " 3 \r\nA\r\nB\r\n\" C\"\r\n",
            {"A", "B"});
        row("read: a quoted leading blank", " 1 \r\n\" C\"\r\n", "", true, {}, {" C"});
        row("add: the 1000th", registerBytes(sheetNames(999)), "+Sheet 1000", true, full, sheetNames(999));
        row("add: full, no 1001st", full, "+Sheet 1001", false, {}, sheetNames(1000));
        row("add: full, but a known name saves", full, "+Sheet 500", true, {}, sheetNames(1000));
        row("add: no register", "-", "+A", false, {}, {});
        row("add: a register that does not read whole changes nothing", " 4 \r\nA\r\nB\r\n", "+C", false, {},
            {});
        row("delete: a register that does not read whole changes nothing", " 4 \r\nA\r\nB\r\n", "-A", false,
            {}, {});
        row("add: beyond Windows-1252", ab, "+" + lake, true,
            "\xEF\xBB\xBF" + (u" 3 \r\nA\r\nB\r\n"_s + lake + u"\r\n"_s).toUtf8(), {"A", "B"});
        row("delete: the second of three", registerBytes({"A", "B", "C"}), "-B", true,
            registerBytes({"A", "C"}), {"A", "C"});
        row("delete: the only name", registerBytes({"A"}), "-A", true, " 0 \r\n", {});
        row("delete: absent", ab, "-Z", true, {}, {"A", "B"});
        row("delete: case must match", ab, "-a", true, {}, {"A", "B"});
        row("delete: the last of equal names", registerBytes({"A", "B", "A", "C"}), "-A", true,
            registerBytes({"A", "B", "C"}), {"A", "B", "C"});
        row("delete: a quoted name", registerBytes({"A, b", "B"}), "-A, b", true, registerBytes({"B"}),
            {"B"});
        row("delete: back to Windows-1252", "\xEF\xBB\xBF" + (u" 2 \r\nA\r\n"_s + lake + u"\r\n"_s).toUtf8(),
            "-" + lake, true, registerBytes({"A"}), {"A"});
        row("delete: no register", "-", "-A", false, {}, {});
    }
    void registerFile() {
        QFETCH(QByteArray, before);
        QFETCH(QString, action);
        QFETCH(bool, ok);
        QFETCH(QByteArray, after);
        QFETCH(QStringList, names);
        if (before != "-") QVERIFY(writeFile(reg_, before));
        SharedValues m;
        const QString title = action.mid(1);
        QCOMPARE(action.isEmpty()          ? bt::readRegister(reg_, m)
                 : action.startsWith(u'+') ? trackworksheets(reg_, title, m)
                                           : delworksheet(reg_, title, m),
                 ok);
        QCOMPARE(QFile::exists(reg_), before != "-");
        if (before != "-") QCOMPARE(fileBytes(reg_), after.isEmpty() ? before : after);
        QCOMPARE(namesIn(m), names);
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
        QTest::newRow("unpaired surrogate")
            << u"Pond"_s + QChar(0xDC00) << QStringLiteral("This worksheet title holds a character");
        QTest::newRow("invisible only")
            << QString(2, QChar(0x200B)) << QStringLiteral("A worksheet title needs letters");
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
