// Every content file the program names exists and decodes: the test reads the program's own sources for
// the relative content paths they name ("images\swan1.jpg", "wav\click.wav", ...), so renaming or losing a
// file, or mistyping a name in the code, fails here.

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QtEndian>

#include "content_paths.h"
#include "metafile.h"
#include "pictures.h"

using namespace bt;

namespace {

const QString kSources = QStringLiteral(BRAMBLETON_SOURCE_DIR);
const ContentPaths kContent(QStringLiteral(BRAMBLETON_SOURCE_DIR "/content"),
                            QStringLiteral(BRAMBLETON_SOURCE_DIR "/content/multiple"));

// The content paths named in the program's sources.
QStringList namedPaths(const QString& folderPattern) {
    const QRegularExpression literal(
        QStringLiteral("\"((?i:%1)\\\\\\\\[^\"\\\\]+\\.[a-zA-Z0-9]+)\"").arg(folderPattern));
    QSet<QString> found;
    for (const char* dir :
         {"platform", "shell", "app", "quiz", "results", "activities", "authoring", "teacher"}) {
        QDirIterator it(kSources + QLatin1Char('/') + QLatin1String(dir),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly)) continue;
            const QString text = QString::fromUtf8(file.readAll());
            for (const QRegularExpressionMatch& m : literal.globalMatch(text))
                found.insert(m.captured(1).replace(QStringLiteral("\\\\"), QStringLiteral("\\")));
        }
    }
    QStringList list(found.begin(), found.end());
    list.sort();
    return list;
}

struct Wav {
    bool ok = false;
    QString problem;
    double seconds = 0;
};

Wav readWav(const QString& path) {
    Wav w;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {false, QStringLiteral("missing"), 0};
    const QByteArray b = f.readAll();
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return {false, QStringLiteral("not RIFF WAVE"), 0};
    quint16 format = 0, channels = 0, bits = 0;
    quint32 rate = 0, dataBytes = 0;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(b.constData() + at + 4);
        if (id == "fmt " && at + 8 + 16 <= b.size()) {
            format = qFromLittleEndian<quint16>(b.constData() + at + 8);
            channels = qFromLittleEndian<quint16>(b.constData() + at + 10);
            rate = qFromLittleEndian<quint32>(b.constData() + at + 12);
            bits = qFromLittleEndian<quint16>(b.constData() + at + 22);
        } else if (id == "data") {
            dataBytes = quint32(qMin<qsizetype>(size, b.size() - at - 8));
        }
        at += 8 + size + (size & 1);
    }
    if (format != 1 || bits != 16 || channels < 1 || channels > 2 || rate < 8000)
        return {false, QStringLiteral("not 16-bit PCM"), 0};
    w.seconds = double(dataBytes) / (rate * channels * 2);
    w.ok = true;
    return w;
}

}  // namespace

class TestContent : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void picturesDecode_data() {
        QTest::addColumn<QString>("path");
        const QStringList paths = namedPaths(QStringLiteral("images|logo"));
        QVERIFY(paths.size() >= 10);  // the reading of the sources itself works
        for (const QString& p : paths) QTest::newRow(qPrintable(p)) << p;
        // The logo animation's frames are named by number.
        for (int i = 0; i < 20; ++i) {
            const QString frame = QStringLiteral("logo\\corv%1.gif").arg(i, 4, 10, QLatin1Char('0'));
            QTest::newRow(qPrintable(frame)) << frame;
        }
    }
    void picturesDecode() {
        QFETCH(QString, path);
        const QImage image = loadPicture(kContent, path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QVERIFY(image.width() >= 16 && image.height() >= 16);
    }

    void pagesParse_data() {
        QTest::addColumn<QString>("path");
        // Pages are named by file, with or without their folder: each is read from wmf and from wmf2.
        const QRegularExpression page(QStringLiteral("\"(?:[^\"]*\\\\)?([^\"\\\\]+\\.wmf)\""));
        QSet<QString> files;
        for (const char* dir : {"app", "activities", "teacher"}) {
            QDirIterator it(kSources + QLatin1Char('/') + QLatin1String(dir), {QStringLiteral("*.cpp")},
                            QDir::Files);
            while (it.hasNext()) {
                QFile file(it.next());
                if (!file.open(QIODevice::ReadOnly)) continue;
                for (const QRegularExpressionMatch& m : page.globalMatch(QString::fromUtf8(file.readAll())))
                    files.insert(m.captured(1));
            }
        }
        QVERIFY(files.size() >= 9);
        for (const QString& f : files)
            for (const char* folder : {"wmf\\", "wmf2\\"})
                QTest::newRow(qPrintable(QLatin1String(folder) + f)) << QLatin1String(folder) + f;
    }
    void pagesParse() {
        QFETCH(QString, path);
        QString why;
        const std::optional<Metafile> page = Metafile::load(kContent.resolve(path), &why);
        QVERIFY2(page, qPrintable(path + QStringLiteral(": ") + why));
        // Screen pages fit beside the buttons; print pages fit an A4 page at 1000, 1000 twips.
        const QSize size = page->size();
        if (path.startsWith(QLatin1String("wmf\\")))
            QVERIFY2(size.width() <= 696 && size.height() <= 528,
                     qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
        else
            QVERIFY(size.width() <= 700 && size.height() <= 1050);
    }

    void soundsArePcm_data() {
        QTest::addColumn<QString>("path");
        const QStringList paths = namedPaths(QStringLiteral("wav"));
        QVERIFY(paths.size() >= 15);
        for (const QString& p : paths) QTest::newRow(qPrintable(p)) << p;
    }
    void soundsArePcm() {
        QFETCH(QString, path);
        const Wav wav = readWav(kContent.resolve(path));
        QVERIFY2(wav.ok, qPrintable(path + QStringLiteral(": ") + wav.problem));
        QVERIFY2(wav.seconds > 0.01 && wav.seconds <= 3.0, qPrintable(QString::number(wav.seconds)));
        if (path.endsWith(QLatin1String("click.wav"))) QVERIFY(wav.seconds < 0.05);
    }
};

QTEST_MAIN(TestContent)
#include "tst_content.moc"
