#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "content_paths.h"

using namespace bt;

namespace {

void touchFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

}  // namespace

class TestContentPaths : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString root_;
    QString sheets_;

  private Q_SLOTS:
    void initTestCase() {
        root_ = dir_.filePath(QStringLiteral("content"));
        sheets_ = dir_.filePath(QStringLiteral("sheets"));
        touchFile(root_ + QStringLiteral("/images/swan1.jpg"));
        touchFile(root_ + QStringLiteral("/wav/Click.WAV"));
        touchFile(sheets_ + QStringLiteral("/track.txt"));
        touchFile(sheets_ + QStringLiteral("/Parts of a Plant.txt"));
    }

    void resolve_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("expected");  // below the temporary folder; empty for nothing
        QTest::newRow("backslashes") << QStringLiteral("images\\swan1.jpg")
                                     << QStringLiteral("content/images/swan1.jpg");
        QTest::newRow("forward slashes")
            << QStringLiteral("images/swan1.jpg") << QStringLiteral("content/images/swan1.jpg");
        QTest::newRow("folder in other case")
            << QStringLiteral("Images\\swan1.jpg") << QStringLiteral("content/images/swan1.jpg");
        QTest::newRow("file in other case")
            << QStringLiteral("wav\\click.wav") << QStringLiteral("content/wav/Click.WAV");
        QTest::newRow("missing file kept as written")
            << QStringLiteral("images\\New.jpg") << QStringLiteral("content/images/New.jpg");
        QTest::newRow("worksheets go to their folder")
            << QStringLiteral("multiple\\track.txt") << QStringLiteral("sheets/track.txt");
        QTest::newRow("worksheets, mixed separators") << QStringLiteral("Multiple/parts of a plant.txt")
                                                      << QStringLiteral("sheets/Parts of a Plant.txt");
        QTest::newRow("climbing out is refused")
            << QStringLiteral("multiple\\..\\..\\etc\\passwd") << QString();
        QTest::newRow("empty is nothing") << QString() << QString();
        QTest::newRow("only separators is nothing") << QStringLiteral("\\\\") << QString();
    }
    void resolve() {
        QFETCH(QString, relative);
        QFETCH(QString, expected);
        const ContentPaths paths(root_, sheets_);
        QCOMPARE(paths.resolve(relative), expected.isEmpty() ? QString() : dir_.filePath(expected));
    }

    void locateBesideProgram() {
        QTemporaryDir app;
        touchFile(app.filePath(QStringLiteral("content/multiple/track.txt")));
        const ContentPaths paths = ContentPaths::locate(app.path());
        QCOMPARE(paths.root(), app.filePath(QStringLiteral("content")));
        QCOMPARE(paths.worksheetFolder(), app.filePath(QStringLiteral("content/multiple")));
    }

    void locateInstalledTree() {
        QTemporaryDir prefix;
        QDir().mkpath(prefix.filePath(QStringLiteral("bin")));
        touchFile(prefix.filePath(QStringLiteral("share/brambleton/images/swan1.jpg")));
        const ContentPaths paths = ContentPaths::locate(prefix.filePath(QStringLiteral("bin")));
        QCOMPARE(paths.root(), prefix.filePath(QStringLiteral("share/brambleton")));
    }

    void userWorksheetFolderIsSeededNotOverwritten() {
        // An installed program cannot write its own folder: worksheets then live in the user's data folder,
        // seeded from the shipped ones.
        QTemporaryDir app;
        const QString shipped = app.filePath(QStringLiteral("content/multiple"));
        touchFile(shipped + QStringLiteral("/track.txt"));
        touchFile(shipped + QStringLiteral("/Parts of a Plant.txt"));
        QTemporaryDir home;
        const QString user = home.filePath(QStringLiteral("data/multiple"));
        touchFile(user + QStringLiteral("/track.txt"));
        QFile teacherRegister(user + QStringLiteral("/track.txt"));
        QVERIFY(teacherRegister.open(QIODevice::WriteOnly));
        teacherRegister.write(" 1 \r\nMy sheet\r\n");
        teacherRegister.close();

        const ContentPaths paths =
            ContentPaths::withUserWorksheets(app.filePath(QStringLiteral("content")), user);
        QCOMPARE(paths.worksheetFolder(), user);
        QVERIFY(QFileInfo::exists(user + QStringLiteral("/Parts of a Plant.txt")));
        QCOMPARE(QFileInfo(user + QStringLiteral("/track.txt")).size(), qint64(15));  // the teacher's, kept
        QCOMPARE(paths.resolve(QStringLiteral("multiple\\track.txt")), user + QStringLiteral("/track.txt"));
    }
};

QTEST_GUILESS_MAIN(TestContentPaths)
#include "tst_content_paths.moc"
