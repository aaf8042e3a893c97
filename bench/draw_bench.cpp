// Drawing benchmark: every kind of screen drawn whole, as the window repaints it when it fills a display,
// offscreen. For each window size it prints the milliseconds a frame takes for each screen: the first,
// which also fills the caches of drawn text and pictures, and the median of 15 after 3. A frame at 60 Hz
// is 16.7 ms.
//
// Usage: QT_QPA_PLATFORM=offscreen build/default/draw_bench [WxH ...]   (default 1920x1080 3840x2160)

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "brambleton.h"
#include "fonts.h"
#include "grey.h"
#include "label_button.h"
#include "printer.h"
#include "screens.h"
#include "text_file.h"
#include "worksheet_files.h"

namespace {

using namespace bt;

// Presses a control of a loaded screen, as its click would, and lets the program settle.
void press(Brambleton& program, const QString& on, const char* name, int index = -1) {
    if (QWidget* screen = program.screens().loaded(on))
        for (QWidget* c : screen->findChildren<QWidget*>(QString::fromLatin1(name))) {
            if (index >= 0 && c->property("index").toInt() != index) continue;
            if (auto* label = qobject_cast<LabelButton*>(c)) Q_EMIT label->clicked(label->index());
            if (auto* button = qobject_cast<QAbstractButton*>(c)) button->click();
            break;
        }
    QApplication::processEvents();
}

// Lets timers run for a while (the results screen shows its picture and buttons one by one).
void wait(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

// Milliseconds to draw the whole window: the first frame, and the median of 15 frames after 3.
std::pair<double, double> frame(QWidget& window, QImage& target) {
    std::vector<double> times;
    double first = 0;
    for (int i = 0; i < 18; ++i) {
        QElapsedTimer clock;
        clock.start();
        QPainter painter(&target);
        window.render(&painter);
        painter.end();
        if (i == 0) first = clock.nsecsElapsed() / 1e6;
        if (i >= 3) times.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {first, times[times.size() / 2]};
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    registerFonts();
    QStringList sizes;
    for (int i = 1; i < argc; ++i) sizes << QString::fromLocal8Bit(argv[i]);
    if (sizes.isEmpty()) sizes = {QStringLiteral("1920x1080"), QStringLiteral("3840x2160")};

    for (const QString& size : sizes) {
        const int width = size.section(QLatin1Char('x'), 0, 0).toInt();
        const int height = size.section(QLatin1Char('x'), 1, 1).toInt();
        if (width < 800 || height < 600) {
            std::fprintf(stderr, "not a window size: %s\n", qPrintable(size));
            return 2;
        }
        QTemporaryDir worksheets;
        const ContentPaths content = ContentPaths::locate(QApplication::applicationDirPath());
        RecordingSound sound;
        RecordingSpeech speech;
        ScriptedDialogs dialogs;
        Brambleton program(
            ContentPaths::withUserWorksheets(content.root(), worksheets.path()), sound, speech, dialogs,
            [] { return std::make_unique<RecordingPrinter>(); }, [] {});
        // A register of one worksheet, whatever the build folder's holds.
        RecordWriter empty;
        empty.writeNumber(0);
        empty.commit(registerPath(program.context().paths));
        trackworksheets(registerPath(program.context().paths), QStringLiteral("Parts of a Plant"),
                        program.context().shared);
        // Shown but never put on a display: drawn only here, so that the first frame is the first.
        program.grey().setAttribute(Qt::WA_DontShowOnScreen);
        program.start();
        program.grey().resize(width, height);
        QApplication::processEvents();
        QImage target(width, height, QImage::Format_ARGB32_Premultiplied);

        std::printf("%s, milliseconds per frame:      first   after\n", qPrintable(size));
        double slowest = 0, slowestFirst = 0;
        const auto measure = [&](const char* what) {
            const auto [first, ms] = frame(program.grey(), target);
            slowest = std::max(slowest, ms);
            slowestFirst = std::max(slowestFirst, first);
            std::printf("  %-22s %-12s %7.2f %7.2f\n", what, qPrintable(program.screens().topMost().text()),
                        first, ms);
        };
        const QString menu = QStringLiteral("intro0"), parts = QStringLiteral("parts");
        measure("title");
        press(program, QStringLiteral("Titlefrm"), "Command1");
        measure("menu");
        press(program, menu, "Label2", 1);
        measure("topic page");
        press(program, parts, "Label3", 0);
        measure("quiz");
        press(program, QStringLiteral("multiple"), "Label3", 2);
        press(program, parts, "Label3", 1);
        measure("labelling board");
        press(program, QStringLiteral("partslab"), "Label3", 0);
        press(program, parts, "Label3", 3);
        measure("ordering board");
        press(program, QStringLiteral("partsord"), "Label3", 0);
        press(program, parts, "Label3", 2);
        press(program, menu, "Label2", 20);
        measure("guide, text page");
        for (int page = 1; page < 4; ++page) press(program, QStringLiteral("guide"), "Label3", 2);
        measure("guide, picture page");
        press(program, QStringLiteral("guide"), "Label3", 1);
        press(program, menu, "Label2", 15);
        measure("teacher page");
        press(program, QStringLiteral("teacher"), "Label3", 2);
        press(program, menu, "Label2", 17);
        measure("wizard");
        press(program, QStringLiteral("wizard"), "Label3", 0);
        press(program, menu, "Label2", 18);
        measure("catalogue");
        press(program, QStringLiteral("worksheets"), "Label2", 1);
        for (int q = 1; q <= 10; ++q) {
            press(program, QStringLiteral("multiple"), "Option1", q == 3 ? 4 : 1);
            press(program, QStringLiteral("multiple"), "Label3", 1);
        }
        wait(3000);
        measure("results");
        press(program, QStringLiteral("Welldone"), "Label3", 0);
        measure("wrong answers");
        std::printf("  %-35s %7.2f %7.2f\n", "slowest", slowestFirst, slowest);
    }
    return 0;
}
