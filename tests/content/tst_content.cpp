// Every content file the program names exists and decodes: the test reads the program's own sources for
// the relative content paths they name ("images\swan1.jpg", "wav\click.wav", ...) and the teacher pages
// they name by file alone ("key parts.wmf", read from wmf and wmf2), so renaming or losing a file, or
// mistyping a name in the code, fails here.

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QTest>
#include <QtEndian>

#include "content_paths.h"
#include "metafile.h"
#include "pictures.h"

using namespace bt;
using namespace Qt::StringLiterals;

const ContentPaths kContent(QStringLiteral(BRAMBLETON_SOURCE_DIR "/content"), QString());

// The length in seconds of a 16-bit PCM WAV file; 0 for anything else.
static double pcmSeconds(const QString& path) {
    QFile file(path);
    const QByteArray b = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const qsizetype fmt = b.indexOf("fmt ") + 8, data = b.indexOf("data") + 8;  // where their contents start
    if (!b.startsWith("RIFF") || b.mid(8, 4) != "WAVE" || fmt < 8 || data < fmt + 24 || data > b.size())
        return 0;
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    if (u16(fmt) != 1 || u16(fmt + 14) != 16) return 0;                  // PCM, 16 bits a sample
    return qMin<double>(u32(data - 4), b.size() - data) / u32(fmt + 8);  // over the bytes a second
}

class TestContent : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void namedFilesDecode_data() {
        QTest::addColumn<QString>("path");
        const QRegularExpression literal(
            u"\"((?i:images|logo|wmf2?|wav)\\\\\\\\[^\"\\\\]+\\.[a-zA-Z0-9]+)\""_s);
        const QRegularExpression page(u"\"([^\"\\\\]+\\.wmf)\""_s);
        QSet<QString> found;
        for (const char* dir :
             {"platform", "shell", "app", "quiz", "results", "activities", "authoring", "teacher"}) {
            QDirIterator it(QStringLiteral(BRAMBLETON_SOURCE_DIR "/") + QLatin1String(dir),
                            {u"*.cpp"_s, u"*.h"_s}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QString text = QString::fromUtf8(file.readAll());
                for (const QRegularExpressionMatch& m : literal.globalMatch(text))
                    found.insert(m.captured(1).replace(u"\\\\"_s, u"\\"_s));
                for (const QRegularExpressionMatch& m : page.globalMatch(text))
                    found << u"wmf\\"_s + m.captured(1) << u"wmf2\\"_s + m.captured(1);
            }
        }
        QVERIFY2(found.size() >= 45, qPrintable(QString::number(found.size())));  // the sources were read
        for (const QString& path : found) QTest::newRow(qPrintable(path)) << path;
        for (int i = 0; i < 20; ++i)  // the logo animation's frames, named by number
            QTest::addRow("logo\\corv%04d.gif", i) << u"logo\\corv%1.gif"_s.arg(i, 4, 10, QLatin1Char('0'));
    }
    // By folder: a picture; a page that fits its place (a screen page beside the buttons, a print page on A4
    // at 1000, 1000 twips); a short sound in a format every player takes, a click over at once.
    void namedFilesDecode() {
        QFETCH(QString, path);
        const QString folder = path.section(u'\\', 0, 0).toLower(), file = kContent.resolve(path);
        if (folder == u"wav") {
            const double seconds = pcmSeconds(file);  // 0: not 16-bit PCM
            QVERIFY(seconds > 0.01 && seconds <= (path.endsWith(u"click.wav"_s) ? 0.05 : 3.0));
        } else if (folder.startsWith(u"wmf")) {
            QString why;
            const std::optional<Metafile> page = Metafile::load(file, &why);
            QVERIFY2(page, qPrintable(why));
            const QSize room = folder == u"wmf" ? QSize(696, 528) : QSize(700, 1050);
            QCOMPARE(page->size().boundedTo(room), page->size());
        } else {
            const QSize size = loadPicture(kContent, path).size();
            QCOMPARE(size.boundedTo(QSize(16, 16)), QSize(16, 16));
            QVERIFY2(!pictureDescription(path).isEmpty(), "no words for a screen reader");
            // Its copy for large screens, 3.6 times as large (a 4K display's 2160 lines for 600): the same
            // name in "hd", or as PNG.
            const QString name = u"\\hd\\"_s + path.section(u'\\', 1);
            QString copy = kContent.resolve(folder + name);
            if (!QFileInfo(copy).isFile())
                copy = kContent.resolve(folder + name.section(u'.', 0, 0) + u".png"_s);
            const QSize big = QImageReader(copy).size();
            QVERIFY2(
                qAbs(big.width() - size.width() * 3.6) <= 1 && qAbs(big.height() - size.height() * 3.6) <= 1,
                qPrintable(copy));
        }
    }
};

QTEST_MAIN(TestContent)
#include "tst_content.moc"
