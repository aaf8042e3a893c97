#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include "colours.h"
#include "content_paths.h"
#include "fonts.h"
#include "label_button.h"
#include "picture_box.h"
#include "pictures.h"
#include "qt_services.h"
#include "screen.h"

using namespace bt;

namespace {

// A one-pixel GIF (white), written byte by byte: Qt reads GIF but cannot write it.
const QByteArray kGif = QByteArray::fromHex(
    "474946383961010001008000000000"
    "00ffffff"
    "2c000000000100010000"
    "0202440100"
    "3b");

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

class TestWidgets : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    ContentPaths paths_;

  private Q_SLOTS:
    void initTestCase() {
        QDir().mkpath(dir_.filePath(QStringLiteral("images")));
        paths_ = ContentPaths(dir_.path(), dir_.filePath(QStringLiteral("multiple")));
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(QColor(200, 10, 10));
        QVERIFY(image.save(dir_.filePath(QStringLiteral("images/red.jpg")), "JPEG"));
        QVERIFY(image.save(dir_.filePath(QStringLiteral("images/red.bmp")), "BMP"));
        QVERIFY(image.save(dir_.filePath(QStringLiteral("images/misnamed.jpg")), "BMP"));
        writeBytes(dir_.filePath(QStringLiteral("images/dot.gif")), kGif);
        writeBytes(dir_.filePath(QStringLiteral("images/broken.jpg")),
                   QByteArray("\xff\xd8\xff\xe0 not really a jpeg"));
        writeBytes(dir_.filePath(QStringLiteral("images/empty.bmp")), QByteArray());
        // A BMP header that claims a picture of 60000 x 60000 pixels.
        QByteArray huge = QByteArray::fromHex("424d") + QByteArray(52, '\0');
        qToLittleEndian<quint32>(40, huge.data() + 14);
        qToLittleEndian<qint32>(60000, huge.data() + 18);
        qToLittleEndian<qint32>(60000, huge.data() + 22);
        qToLittleEndian<quint16>(1, huge.data() + 26);
        qToLittleEndian<quint16>(24, huge.data() + 28);
        writeBytes(dir_.filePath(QStringLiteral("images/huge.bmp")), huge);
    }

    void pictures_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");  // empty: no picture
        QTest::newRow("JPEG") << QStringLiteral("images\\red.jpg") << QSize(40, 30);
        QTest::newRow("BMP") << QStringLiteral("images\\red.bmp") << QSize(40, 30);
        QTest::newRow("GIF") << QStringLiteral("images\\dot.gif") << QSize(1, 1);
        QTest::newRow("folder in other case") << QStringLiteral("Images\\RED.JPG") << QSize(40, 30);
        QTest::newRow("content decides, not the name")
            << QStringLiteral("images\\misnamed.jpg") << QSize(40, 30);
        QTest::newRow("missing") << QStringLiteral("images\\nothing.jpg") << QSize();
        QTest::newRow("damaged") << QStringLiteral("images\\broken.jpg") << QSize();
        QTest::newRow("empty file") << QStringLiteral("images\\empty.bmp") << QSize();
        QTest::newRow("absurd size") << QStringLiteral("images\\huge.bmp") << QSize();
        QTest::newRow("a folder") << QStringLiteral("images") << QSize();
    }
    void pictures() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image = loadPicture(paths_, path);
        QCOMPARE(image.isNull() ? QSize() : image.size(), size);
    }

    void pictureBoxLoadsAndClears() {
        PictureBox box(QStringLiteral("Picture1"), nullptr);
        box.resize(60, 40);
        box.setPicture(paths_, QStringLiteral("images\\red.jpg"));
        QVERIFY(box.hasPicture());
        const QImage shown = box.grab().toImage();
        QVERIFY(qAbs(shown.pixelColor(5, 5).red() - 200) < 12);  // drawn from the top-left corner
        box.setPicture(paths_, QString());
        QVERIFY(!box.hasPicture());
        box.setPicture(paths_, QStringLiteral("images\\red.jpg"));
        box.setPicture(paths_, QStringLiteral("images\\nothing.jpg"));
        QVERIFY(!box.hasPicture());
    }

    void shippedTitlePhotograph() {
        const ContentPaths shipped(QStringLiteral(BRAMBLETON_SOURCE_CONTENT), QString());
        QCOMPARE(loadPicture(shipped, QStringLiteral("images\\swan1.jpg")).size(), QSize(320, 240));
    }

    void labelButtonClicksWithLeftButtonOnly() {
        QWidget screen;
        screen.resize(300, 200);
        auto* label = new LabelButton(QStringLiteral("Label3"), 4, QStringLiteral("Exit"), &screen);
        label->setGeometry(10, 10, 100, 30);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QSignalSpy clicks(label, &LabelButton::clicked);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks.at(0).at(0).toInt(), 4);
        QTest::mouseClick(label, Qt::RightButton);
        QCOMPARE(clicks.count(), 1);
        // Pressed on the label, released elsewhere: no click.
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(150, 100));
        QCOMPARE(clicks.count(), 1);
    }

    void labelButtonLitAndUnlitLook() {
        QWidget screen;
        setBackground(&screen, colours::kScreen);
        screen.resize(200, 100);
        auto* label = new LabelButton(QStringLiteral("Label3"), 0, QStringLiteral("Go"), &screen);
        label->setGeometry(0, 0, 100, 40);
        QVERIFY(label->isLit());  // lit at first display
        QCOMPARE(screen.grab().toImage().pixelColor(3, 3), QColor(Qt::black));
        label->setLit(false);
        QCOMPARE(screen.grab().toImage().pixelColor(3, 3), colours::kScreen);
        label->setBackColour(colours::kNavy);
        label->setLit(true);
        QCOMPARE(screen.grab().toImage().pixelColor(3, 3), colours::kNavy);
    }

    void inactiveLabelPassesThePointerOn() {
        QWidget screen;
        screen.setMouseTracking(true);
        screen.resize(300, 200);
        auto* label = new LabelButton(QStringLiteral("Label2"), 0, QStringLiteral("Habitats"), &screen);
        label->setGeometry(10, 10, 100, 30);
        label->setActive(false);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QSignalSpy clicks(label, &LabelButton::clicked);
        QSignalSpy hovers(label, &LabelButton::hovered);
        QTest::mouseMove(&screen, QPoint(60, 25));
        QTest::mouseClick(&screen, Qt::LeftButton, {}, QPoint(60, 25));
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(hovers.count(), 0);
        QCOMPARE(screen.childAt(60, 25), nullptr);  // the screen's background is what is under the pointer
    }

    void setupformSizesAndColours() {
        QWidget host;
        host.resize(1000, 700);
        QWidget plain(&host);
        setupform(&plain);
        QCOMPARE(plain.size(), QSize(800, 600));
        QCOMPARE(plain.pos(), QPoint(100, 50));
        QCOMPARE(plain.palette().color(QPalette::Window), colours::kScreen);
        QVERIFY(plain.autoFillBackground());

        QWidget withPanel(&host);
        auto* panel = new PictureBox(QStringLiteral("Picture1"), &withPanel);
        auto* frame = new QWidget(&withPanel);
        frame->setObjectName(QStringLiteral("Picture1Frame"));
        setupform(&withPanel);
        QCOMPARE(panel->backColour(), colours::kPanel);
        QCOMPARE(withPanel.size(), QSize(800, 600));
        QVERIFY(!frame->autoFillBackground());  // only the control named Picture1
    }

    void messageBoxes_data() {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("press");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<bool>("answer");
        QTest::newRow("message") << false << QStringLiteral("OK") << QStringList{"OK"} << true;
        QTest::newRow("confirm, OK") << true << QStringLiteral("OK") << QStringList{"OK", "Cancel"} << true;
        QTest::newRow("confirm, Cancel")
            << true << QStringLiteral("Cancel") << QStringList{"OK", "Cancel"} << false;
    }
    void messageBoxes() {
        QFETCH(bool, confirm);
        QFETCH(QString, press);
        QFETCH(QStringList, buttons);
        QFETCH(bool, answer);
        QtDialogs dialogs;
        QString caption, text;
        QStringList shownButtons;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            poll.stop();
            caption = box->windowTitle();
            text = box->text();
            for (QAbstractButton* b : box->buttons()) shownButtons << b->text().remove(u'&');
            for (QAbstractButton* b : box->buttons())
                if (b->text().remove(u'&') == press) b->click();
        });
        poll.start();
        const bool result = confirm ? dialogs.confirm(QStringLiteral("Delete it?"))
                                    : (dialogs.message(QStringLiteral("Saved.")), true);
        QCOMPARE(caption, QStringLiteral("Brambleton"));
        QCOMPARE(text, confirm ? QStringLiteral("Delete it?") : QStringLiteral("Saved."));
        shownButtons.sort();
        buttons.sort();
        QCOMPARE(shownButtons, buttons);
        QCOMPARE(result, answer);
    }

    void fontsAreTheLayoutsOwn_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("resolved");
        QTest::newRow("Tahoma") << QStringLiteral("Tahoma") << QStringLiteral("Tahoma");
        QTest::newRow("MS Sans Serif") << QStringLiteral("MS Sans Serif") << QStringLiteral("MS Sans Serif");
        QTest::newRow("Times New Roman")
            << QStringLiteral("Times New Roman") << QStringLiteral("Liberation Serif");
    }
    void fontsAreTheLayoutsOwn() {
        QFETCH(QString, family);
        QFETCH(QString, resolved);
        static const int added = registerFonts();
        QCOMPARE(added, 3);
        const QFont font = screenFont(family, 14.25, true);
        QCOMPARE(font.pixelSize(), 19);
        QCOMPARE(QFontInfo(font).family(), resolved);
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
