#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "text_file.h"

using namespace bt;

namespace {

QStringList readAll(const QByteArray& bytes) {
    RecordReader reader(bytes);
    QStringList fields;
    while (std::optional<QString> f = reader.readField()) fields.append(*f);
    return fields;
}

}  // namespace

class TestTextFile : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void readingRule_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("plain records") << QByteArray("one\r\ntwo\r\n") << QStringList{"one", "two"};
        QTest::newRow("leading blanks skipped, trailing kept")
            << QByteArray("   padded  \r\n\ttabbed\r\n") << QStringList{"padded  ", "tabbed"};
        QTest::newRow("spare record of one blank is empty")
            << QByteArray(" \r\nx\r\n") << QStringList{"", "x"};
        QTest::newRow("empty line is empty") << QByteArray("\r\nx\r\n") << QStringList{"", "x"};
        QTest::newRow("comma ends a field, rest of line is the next")
            << QByteArray("Plants, animals\r\nnext\r\n") << QStringList{"Plants", "animals", "next"};
        QTest::newRow("comma at line end gives an empty field")
            << QByteArray("a,\r\nb\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("quoted field keeps its comma")
            << QByteArray("\"Plants, animals\"\r\nnext\r\n") << QStringList{"Plants, animals", "next"};
        QTest::newRow("after the closing quote, text up to the comma is dropped")
            << QByteArray("\"Hello\" world, more\r\n") << QStringList{"Hello", "more"};
        QTest::newRow("quoted field read only to the next quote")
            << QByteArray("\"The \"best\" plant\r\n") << QStringList{"The "};
        QTest::newRow("unclosed quote runs to the line's end")
            << QByteArray("\"open, still\r\nnext\r\n") << QStringList{"open, still", "next"};
        QTest::newRow("blanks before a quote skipped") << QByteArray("  \"q\"\r\n") << QStringList{"q"};
        QTest::newRow("LF line ends") << QByteArray("one\ntwo\n") << QStringList{"one", "two"};
        QTest::newRow("CR line ends") << QByteArray("one\rtwo\r") << QStringList{"one", "two"};
        QTest::newRow("last line without an end") << QByteArray("one\r\ntwo") << QStringList{"one", "two"};
        QTest::newRow("empty file has no records") << QByteArray() << QStringList{};
        QTest::newRow("Windows-1252 bytes")
            << QByteArray("caf\xe9 \x80 it\x92s\r\n") << QStringList{QStringLiteral("café € it’s")};
        QTest::newRow("UTF-8 behind a byte-order mark") << QByteArray(
                                                               "\xEF\xBB\xBFZo\xC5\x9B"
                                                               "ka\r\n")
                                                        << QStringList{QStringLiteral("Zośka")};
    }
    void readingRule() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        QCOMPARE(readAll(bytes), fields);
    }

    void numbers_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("register count") << QByteArray(" 3 \r\n") << true << 3;
        QTest::newRow("bare digits") << QByteArray("12\r\n") << true << 12;
        QTest::newRow("zero") << QByteArray(" 0 \r\n") << true << 0;
        QTest::newRow("words") << QByteArray("three\r\n") << false << 0;
        QTest::newRow("empty") << QByteArray("\r\n") << false << 0;
        QTest::newRow("nothing") << QByteArray() << false << 0;
    }
    void numbers() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(int, value);
        RecordReader reader(bytes);
        const std::optional<int> n = reader.readNumber();
        QCOMPARE(n.has_value(), ok);
        if (ok) QCOMPARE(*n, value);
    }

    void writing_data() {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CRLF after every record") << QStringList{"a", " ", ""} << QByteArray("a\r\n \r\n\r\n");
        QTest::newRow("Windows-1252 when it fits")
            << QStringList{QStringLiteral("café €")} << QByteArray("caf\xe9 \x80\r\n");
        QTest::newRow("UTF-8 with a mark when it does not") << QStringList{QStringLiteral("Łódź")}
                                                            << QByteArray(
                                                                   "\xEF\xBB\xBF\xC5\x81\xC3\xB3"
                                                                   "d\xC5\xBA\r\n");
    }
    void writing() {
        QFETCH(QStringList, records);
        QFETCH(QByteArray, bytes);
        RecordWriter writer;
        for (const QString& r : records) writer.write(r);
        QCOMPARE(writer.bytes(), bytes);
        QCOMPARE(readAll(writer.bytes()),
                 records.replaceInStrings(QRegularExpression(QStringLiteral("^ $")), QString()));
    }

    void numberRecord() {
        RecordWriter writer;
        writer.writeNumber(0);
        writer.writeNumber(42);
        QCOMPARE(writer.bytes(), QByteArray(" 0 \r\n 42 \r\n"));
    }

    void commitReplacesWholeFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.txt"));
        RecordWriter first;
        for (int i = 0; i < 100; ++i) first.write(QStringLiteral("a long first version"));
        QVERIFY(first.commit(path));
        RecordWriter second;
        second.write(QStringLiteral("short"));
        QVERIFY(second.commit(path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("short\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("f.txt")});  // no leftovers
    }

    void commitFailureLeavesOldFile() {
        QTemporaryDir dir;
        RecordWriter writer;
        writer.write(QStringLiteral("x"));
        QVERIFY(!writer.commit(dir.filePath(QStringLiteral("no/such/folder/f.txt"))));
        QVERIFY(!writer.commit(dir.path()));  // a folder is not a file
        QVERIFY(!writer.commit(QString()));
        QVERIFY(QFileInfo(dir.path()).isDir());
    }

    void openMissingFile() {
        QTemporaryDir dir;
        QVERIFY(!RecordReader::open(dir.filePath(QStringLiteral("missing.txt"))));
        QVERIFY(!RecordReader::open(QString()));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_text_file.moc"
