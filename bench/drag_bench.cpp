// Drag benchmark: the cost of one pointer move while a pupil drags a name label on the "Parts of a Plant"
// labelling screen, offscreen. Prints the handling of the move event alone and the move with the repaint it
// causes, in microseconds per move (median of several rounds).
//
// Usage: QT_QPA_PLATFORM=offscreen drag_bench [moves]

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "board_screen.h"
#include "context.h"
#include "fonts.h"
#include "grey.h"
#include "topics.h"

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    bt::registerFonts();
    const int moves = argc > 1 ? std::max(100, std::atoi(argv[1])) : 4000;

    bt::Context context;
    context.paths = bt::ContentPaths::locate(QApplication::applicationDirPath());
    bt::RecordingSound sound;
    context.sound = &sound;
    bt::Grey grey;
    const bt::Topic& plants = bt::topics()[0];
    bt::BoardScreen board(context, plants.labellingScreen(), plants.labelling,
                          QString::fromLatin1(plants.title), &grey);
    board.load();
    board.show();
    grey.show();
    QApplication::processEvents();

    bt::DragLabel* label = board.label(0);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(60, 12), label->mapToGlobal(QPointF(60, 12)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label, &press);

    auto round = [&](bool repaint) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < moves; ++i) {
            // Small steps to and fro, as a hand moves: the label follows each one.
            const QPointF at(label->width() / 2.0 + ((i / 40) % 2 ? -3 : 3),
                             label->height() / 2.0 + ((i / 25) % 2 ? -2 : 2));
            QMouseEvent move(QEvent::MouseMove, at, label->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(label, &move);
            if (repaint) QApplication::processEvents();
        }
        return clock.nsecsElapsed() / 1000.0 / moves;
    };
    std::vector<double> handled, painted;
    for (int r = 0; r < 7; ++r) {
        handled.push_back(round(false));
        painted.push_back(round(true));
    }
    std::printf("one pointer move while dragging (median of 7 rounds of %d moves)\n", moves);
    std::printf("  handling the move:          %8.2f us\n", median(handled));
    std::printf("  handling and repainting:    %8.2f us\n", median(painted));
    return 0;
}
