#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "text_file.h"

using namespace bt;
using namespace Qt::StringLiterals;
using Count = std::optional<int>;
using Fields = QStringList;

class TestTextFile : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void readingRule_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<bool>("written");  // the writer makes exactly these bytes from these records
        auto row = [](const char* name, const QByteArray& bytes, const Fields& fields, bool written) {
            QTest::newRow(name) << bytes << fields << written;
        };
        row("leading blanks skipped", " pad \r\n\tx\r\n \r\n"_ba, {"pad ", "x", ""}, false);
        row("comma ends a field", "Plants, animals\r\na,\r\n"_ba, {"Plants", "animals", "a", ""}, false);
        row("quoted field keeps its comma", "  \"a, b\"\r\nc\r\n"_ba, {"a, b", "c"}, false);
        row("after the closing quote, up to the comma is dropped",
            "\"Hi\" you, more\r\n\"The \"best\" plant\r\n"_ba, {"Hi", "more", "The "}, false);
        row("unclosed quote runs to the line's end", "\"a, b\r\nc\r\n"_ba, {"a, b", "c"}, false);
        row("LF and CR line ends, the last missing", "one\ntwo\rthree"_ba, {"one", "two", "three"}, false);
        row("empty file", QByteArray(), {}, true);
        row("CR LF and Windows-1252 when it fits", "caf\xe9 \x80\r\n\r\nit\x92s\r\n"_ba,
            {u"café €"_s, "", u"it’s"_s}, true);
        row("UTF-8 behind a byte-order mark when it does not", "\xEF\xBB\xBF"_ba + u"Łódź\r\n"_s.toUtf8(),
            {u"Łódź"_s}, true);
    }
    void readingRule() {
        QFETCH(QByteArray, bytes);
        QFETCH(Fields, fields);
        QFETCH(bool, written);
        RecordReader reader(bytes);
        Fields read;
        while (std::optional<QString> f = reader.readField()) read.append(*f);
        QCOMPARE(read, fields);
        RecordWriter writer;
        for (const QString& f : fields) writer.write(f);
        if (written) QCOMPARE(writer.bytes(), bytes);
    }

    void commitReplacesTheFileOrLeavesIt() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"f.txt"_s);
        auto contents = [&] {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : "none"_ba;
        };
        RecordWriter longer, shorter;
        for (int i = 0; i < 5000; ++i) longer.write(u"a long version"_s);
        shorter.writeNumber(1);
        shorter.write(u"short"_s);
        QVERIFY(longer.commit(path) && shorter.commit(path));
        QCOMPARE(contents(), " 1 \r\nshort\r\n"_ba);  // a count as the register stores it; no leftovers
        // A full disk, as a limit on file size: the commit fails and the old file stays whole.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit small{4096, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        const bool committed = longer.commit(path);
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(!committed);
        QCOMPARE(contents(), " 1 \r\nshort\r\n"_ba);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"f.txt"_s});  // no temporary left
        QCOMPARE(RecordReader::open(path).value().readNumber(), Count(1));
        QVERIFY(!shorter.commit(dir.path()));  // a folder is not a file
        QVERIFY(!RecordReader::open(dir.filePath(u"missing.txt"_s)));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_text_file.moc"
