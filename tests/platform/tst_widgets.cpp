#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "colours.h"
#include "fonts.h"
#include "label_button.h"
#include "large_indicators.h"
#include "picture_box.h"
#include "qt_services.h"
#include "twips.h"

using namespace bt;
using namespace Qt::StringLiterals;

// A BMP of one red pixel, and a BMP header that claims 60000 x 60000 pixels with none behind it.
const QByteArray kRedDot = QByteArray::fromHex(
    "424d3a0000000000000036000000280000000100000001000000010018000000000004000000000000000000000000000000"
    "000000000000ff00");
const QByteArray kHugeHeader = QByteArray::fromHex(
    "424d0000000000000000000000002800000060ea000060ea0000010018000000000000000000000000000000000000000000"
    "00000000");

class TestWidgets : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // Files that go wrong (the content test decodes the shipped ones), shown where a picture was before.
    void pictures_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QByteArray>("bytes");  // of the file "picture.jpg"; empty for no file
        QTest::newRow("content decides, not the name") << QSize(1, 1) << kRedDot;
        QTest::newRow("missing") << QSize(0, 0) << QByteArray();
        QTest::newRow("damaged") << QSize(0, 0) << "\xff\xd8\xff\xe0 not really a jpeg"_ba;
        QTest::newRow("lying huge header refused") << QSize(0, 0) << kHugeHeader;
    }
    void pictures() {
        QFETCH(QSize, size);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QFile file(dir.filePath(u"picture.jpg"_s));
        QVERIFY(bytes.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(bytes) && file.flush()));
        PictureBox box(u"Picture1"_s, nullptr);
        box.setImage(QImage::fromData(kRedDot).scaled(60, 60));  // the picture shown before
        box.setPicture(ContentPaths(dir.path(), QString()), u"picture.jpg"_s);
        QCOMPARE(box.image().size(), size);
        QCOMPARE(box.grab().toImage().pixelColor(0, 0) == Qt::red, !size.isEmpty());
    }

    // On a large screen a picture comes from its high-resolution copy where there is one.
    void picturesAtScale_data() {
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("withCopy");
        QTest::addColumn<QColor>("shown");
        QTest::newRow("as designed") << 1.0 << true << QColor(Qt::red);
        QTest::newRow("larger, from the copy") << 3.0 << true << QColor(Qt::blue);
        QTest::newRow("larger, no copy: scaled") << 3.0 << false << QColor(Qt::red);
    }
    void picturesAtScale() {
        QFETCH(double, scale);
        QFETCH(bool, withCopy);
        QFETCH(QColor, shown);
        QTemporaryDir dir;
        QVERIFY(QImage::fromData(kRedDot).scaled(2, 2).save(dir.filePath(u"picture.bmp"_s)));
        QImage copy(6, 6, QImage::Format_RGB32);
        copy.fill(Qt::blue);
        QVERIFY(!withCopy ||
                (QDir(dir.path()).mkdir(u"hd"_s) && copy.save(dir.filePath(u"hd/picture.png"_s))));
        setDisplayScale(scale);
        PictureBox box(u"Picture1"_s, nullptr);
        box.setPicture(ContentPaths(dir.path(), QString()), u"picture.bmp"_s);
        box.resize(box.shownSize());
        const QImage drawn = box.grab().toImage();
        setDisplayScale(1);
        QCOMPARE(drawn.size(), QSize(2, 2) * scale);
        QCOMPARE(drawn.pixelColor(drawn.width() - 1, drawn.height() - 1), shown);
    }

    // The packaged bold Tahoma is barely heavier than the regular face; drawn, bold must carry clearly more
    // ink.
    void boldReadsAsBold() {
        registerFonts();
        useShownStyle();
        const auto ink = [](bool bold) {
            QLabel label(u"Next Question"_s);
            label.setFont(screenFont(u"Tahoma"_s, 36, bold));
            label.setStyleSheet(u"background: white; color: black"_s);
            const QImage image = label.grab().toImage();
            int dark = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
            return dark;
        };
        QVERIFY2(ink(true) > ink(false) * 1.4, qPrintable(u"%1 / %2"_s.arg(ink(true)).arg(ink(false))));
    }

    // A fitted picture larger than its box shows whole, smaller and centred: left half red, right half blue.
    void fittedPicture() {
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::red);
        for (int y = 0; y < 20; ++y)
            for (int x = 20; x < 40; ++x) picture.setPixelColor(x, y, Qt::blue);
        PictureBox box(u"Picture1"_s, nullptr);
        box.setBackColour(Qt::white);
        box.setFitted(true);
        box.setImage(picture);
        box.resize(10, 10);
        const QImage drawn = box.grab().toImage();
        QCOMPARE(drawn.pixelColor(1, 5), QColor(Qt::red));
        QCOMPARE(drawn.pixelColor(8, 5), QColor(Qt::blue));
        QCOMPARE(drawn.pixelColor(5, 1), QColor(Qt::white));
    }

    // Text too large for the toolkit's glyph cache is drawn once and kept: a change of colour still shows.
    void largeTextKeptAndRedrawn() {
        LabelButton label(u"Label3"_s, 0, u"Go"_s, nullptr);
        label.setFont(screenFont(u"Tahoma"_s, 63, true));
        label.resize(200, 120);
        const auto shows = [&](QColor colour) {
            const QImage image = label.grab().toImage();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y) == colour) return true;
            return false;
        };
        for (bool active : {true, false, true}) {
            label.setActive(active);
            QCOMPARE(shows(colours::kYellow), active);
            QCOMPARE(shows(colours::kInactive), !active);
        }
    }

    void labelLitAndUnlit() {
        PictureBox screen(u"Picture1"_s, nullptr);
        screen.setBackColour(colours::kScreen);
        auto* label = new LabelButton(u"Label3"_s, 0, u"Go"_s, &screen);
        auto shown = [&] { return screen.grab().toImage().pixelColor(3, 3); };
        QCOMPARE(shown(), QColor(Qt::black));  // lit at first display
        label->setLit(false);
        QCOMPARE(shown(), colours::kScreen);
    }

    // OK and Cancel for a confirmation, Yes and No for a question; Enter alone answers a question No.
    void confirmAndAsk() {
        using Press = QMessageBox::StandardButton;
        for (const auto& [press, yes] :
             {std::pair(Press::Ok, true), std::pair(Press::Cancel, false), std::pair(Press::Yes, true),
              std::pair(Press::No, false), std::pair(Press::NoButton, false)}) {
            QString shown;
            QTimer::singleShot(0, this, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                shown = box->windowTitle() + u": "_s + box->text();
                if (press == Press::NoButton)
                    QTest::keyClick(box, Qt::Key_Return);
                else
                    box->button(press)->click();  // no such button: a crash, not a hang
            });
            const bool question = press != Press::Ok && press != Press::Cancel;
            QCOMPARE(question ? QtDialogs().ask(u"Delete it?"_s) : QtDialogs().confirm(u"Delete it?"_s), yes);
            QCOMPARE(shown, u"Brambleton: Delete it?"_s);
        }
    }

    void fonts_data() {
        QCOMPARE(registerFonts(), 3);  // Tahoma, its bold and MS Sans Serif
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("resolved");
        QTest::newRow("Tahoma") << u"Tahoma"_s << u"Tahoma"_s;
        QTest::newRow("MS Sans Serif") << u"MS Sans Serif"_s << u"MS Sans Serif"_s;
        QTest::newRow("Times New Roman, by its metric twin") << u"Times New Roman"_s << u"Liberation Serif"_s;
    }
    void fonts() {
        QFETCH(QString, family);
        QFETCH(QString, resolved);
        const QFont font = screenFont(family, 14.25, true);
        QCOMPARE(QFontInfo(font).family(), resolved);
        // Three times larger on screen, the text is about three times as wide (never wider: it must fit).
        setDisplayScale(3);
        const QFont large = shownFont(font);
        setDisplayScale(1);
        const double grown = QFontMetricsF(large).horizontalAdvance(u"Next Question"_s) /
                             QFontMetricsF(font).horizontalAdvance(u"Next Question"_s);
        QVERIFY2(grown > 2.7 && grown < 3.03, qPrintable(QString::number(grown)));
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
