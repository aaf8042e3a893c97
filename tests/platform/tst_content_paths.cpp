#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "content_paths.h"
#include "test_files.h"

using namespace bt;
using namespace bt::test;
using namespace Qt::StringLiterals;

class TestContentPaths : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;  // holds both layouts, program folder to content root: beside it and installed
    const QMap<QString, QString> layouts_{{u"app"_s, u"app/content/"_s},
                                          {u"usr/bin"_s, u"usr/share/brambleton/"_s}};

  private Q_SLOTS:
    void initTestCase() {
        qputenv("XDG_DATA_HOME", dir_.filePath(u"data"_s).toLocal8Bit());  // the user's data folder
        QCoreApplication::setApplicationName(u"brambleton"_s);
        for (const auto& [program, root] : layouts_.asKeyValueRange())
            for (const QString& file : {u"images/swan1.jpg"_s, u"wav/Click.WAV"_s, u"multiple/Plant.txt"_s})
                QVERIFY(writeFile(dir_.filePath(root + file)));
    }

    void resolve_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("expected");  // below the content root; empty for nothing
        QTest::newRow("folder and file in other case") << u"Wav\\click.wav"_s << u"wav/Click.WAV"_s;
        QTest::newRow("missing file kept as written") << u"images\\New.jpg"_s << u"images/New.jpg"_s;
        QTest::newRow("worksheets, any case or slash") << u"Multiple/plant.txt"_s << u"multiple/Plant.txt"_s;
        QTest::newRow("climbing out is refused") << u"multiple\\..\\..\\etc\\passwd"_s << QString();
        QTest::newRow("only separators is nothing") << u"\\\\"_s << QString();
    }
    void resolve() {
        QFETCH(QString, relative);
        QFETCH(QString, expected);
        for (const auto& [program, root] : layouts_.asKeyValueRange()) {
            const ContentPaths paths = ContentPaths::locate(dir_.filePath(program));
            QString found = paths.resolve(relative);
            found.replace(paths.worksheetFolder(), dir_.filePath(root + u"multiple"_s));
            QCOMPARE(found.remove(dir_.filePath(root)), expected);
        }
    }

    // Where worksheets are kept: chosen, beside the program, or the user's data folder, never below an
    // installed tree even when it can be written (an administrator running the program).
    void worksheetFolder_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("chosen");    // below the temporary folder; empty for none
        QTest::addColumn<QString>("expected");  // below the temporary folder
        QTest::newRow("beside the program, writable") << u"app"_s << QString() << u"app/content/multiple"_s;
        QTest::newRow("installed, even when writable")
            << u"usr/bin"_s << QString() << u"data/brambleton/multiple"_s;
        QTest::newRow("chosen, beside the program") << u"app"_s << u"school/sheets"_s << u"school/sheets"_s;
        QTest::newRow("chosen, installed") << u"usr/bin"_s << u"school/sheets"_s << u"school/sheets"_s;
    }
    void worksheetFolder() {
        QFETCH(QString, program);
        QFETCH(QString, chosen);
        QFETCH(QString, expected);
        const QString folder = dir_.filePath(expected);
        if (!expected.contains(u"content"_s)) QDir(folder).removeRecursively();  // to see it seeded
        const ContentPaths paths = ContentPaths::locate(dir_.filePath(program),
                                                        chosen.isEmpty() ? QString() : dir_.filePath(chosen));
        QCOMPARE(paths.worksheetFolder(), folder);
        QVERIFY(QFileInfo::exists(folder + u"/Plant.txt"_s));
    }

    void userWorksheetFolderIsSeededNotOverwritten() {
        const QString user = dir_.filePath(u"home/data/multiple"_s);
        QVERIFY(writeFile(dir_.filePath(u"app/content/multiple/track.txt"_s), " 0 \r\n"));
        QVERIFY(writeFile(user + u"/track.txt"_s, " 1 \r\nMy sheet\r\n"));
        const ContentPaths paths = ContentPaths::withUserWorksheets(dir_.filePath(u"app/content"_s), user);
        QCOMPARE(paths.resolve(u"multiple\\track.txt"_s), user + u"/track.txt"_s);
        QVERIFY(QFileInfo::exists(user + u"/Plant.txt"_s));      // seeded
        QCOMPARE(QFileInfo(user + u"/track.txt"_s).size(), 15);  // the teacher's, kept
    }
};

QTEST_GUILESS_MAIN(TestContentPaths)
#include "tst_content_paths.moc"
