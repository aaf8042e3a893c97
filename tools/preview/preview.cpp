// Opens the program at a given screen, for looking at it (screenshots under Xvfb). It gets there the way a
// pupil would, by pressing the screens' own buttons:
//   brambleton_preview title | menu
//   brambleton_preview quiz [question]          the "Parts of a Plant" quiz at a question (1 to 10)
//   brambleton_preview results <right>          that quiz played with that many right answers
//   brambleton_preview wrong <right>            the same, with the wrong answers shown
//   brambleton_preview wizard [filled]          the wizard, empty or editing the plant quiz from the
//   catalogue
//                                               (this adds it to the build folder's register)
//   brambleton_preview catalogue <names>        the catalogue over a register of that many made-up names
//                                               (this writes the build folder's register)
//   brambleton_preview topic <parts|locality> [button]  a topic page, or what one of its buttons opens
//   brambleton_preview board <screen> [solved]  an activity, at the start or with every label placed
//   brambleton_preview guide [page]             the teacher's guide at a page
// With --full anywhere, the window is shown full screen first.

#include <QAbstractButton>
#include <QScreen>
#include <QStringList>
#include <QTimer>

#include "board_screen.h"
#include "brambleton.h"
#include "grey.h"
#include "run.h"
#include "screens.h"
#include "text_file.h"
#include "topics.h"
#include "worksheet_files.h"

namespace {

using namespace bt;

// Presses a control of a loaded screen: a label-button, an option button or a push button.
void press(Brambleton& program, ScreenName on, const char* name, int index = -1) {
    QWidget* screen = program.screens().loaded(on);
    if (!screen) return;
    for (QWidget* c : screen->findChildren<QWidget*>(QString::fromLatin1(name))) {
        if (index >= 0 && c->property("index").toInt() != index) continue;
        if (auto* label = qobject_cast<LabelButton*>(c)) Q_EMIT label->clicked(label->index());
        if (auto* button = qobject_cast<QAbstractButton*>(c)) button->click();
        return;
    }
}

// The plant quiz: the first `right` questions answered right, the rest wrong.
void play(Brambleton& program, int right) {
    const std::optional<Worksheet> w =
        readWorksheetFile(program.context().paths.resolve(QStringLiteral("multiple\\Parts of a Plant.txt")));
    for (int q = 1; q <= kQuestions && w; ++q) {
        const int k = w->questions[q - 1].correct;
        press(program, screen::kQuiz, "Option1", q <= right ? k : k % 4 + 1);
        press(program, screen::kQuiz, "Label3", 1);
    }
}

void arrange(Brambleton& program, const QStringList& args) {
    Context& c = program.context();
    const QString what = args.value(1, QStringLiteral("menu"));
    if (what == QLatin1String("title")) return;
    press(program, screen::kTitle, "Command1");
    const int n = args.value(2).toInt();
    const Topic& plants = topics()[0];
    if (what == QLatin1String("wizard")) {
        if (args.value(2) != QLatin1String("filled")) return press(program, screen::kMenu, "Label2", 17);
        trackworksheets(registerPath(c.paths), QStringLiteral("Parts of a Plant"), c.shared);
        press(program, screen::kMenu, "Label2", 18);
        press(program, screen::kCatalogue, "Check1");
        return press(program, screen::kCatalogue, "Label2", 1);
    }
    if (what == QLatin1String("catalogue")) {
        const char* const kTopics[] = {"Minibeasts",
                                       "Pond life",
                                       "Seeds and growing",
                                       "Trees in autumn",
                                       "Birds in winter",
                                       "Our school garden",
                                       "Habitats, homes and hideaways"};
        RecordWriter empty;
        empty.writeNumber(0);
        empty.commit(registerPath(c.paths));
        for (int i = 0; i < n; ++i)
            trackworksheets(
                registerPath(c.paths),
                QStringLiteral("%1 (Year %2)").arg(QString::fromLatin1(kTopics[i % 7])).arg(3 + i / 7),
                c.shared);
        return press(program, screen::kMenu, "Label2", 18);
    }
    if (what == QLatin1String("topic") || what == QLatin1String("board")) {
        const QString key = args.value(
            2, what == QLatin1String("topic") ? QStringLiteral("parts") : QStringLiteral("partslab"));
        const Topic& topic = key.startsWith(QLatin1String("locality")) ? topics()[1] : plants;
        press(program, screen::kMenu, "Label2", topic.menuEntry);
        if (what == QLatin1String("topic")) {
            if (args.size() > 3) press(program, topic.page(), "Label3", args.value(3).toInt());
            return;
        }
        const bool labelling = key.endsWith(QLatin1String("lab"));
        press(program, topic.page(), "Label3", labelling ? 1 : 3);
        QWidget* board =
            program.screens().loaded(labelling ? topic.labellingScreen() : topic.orderingScreen());
        if (!board || args.value(3) != QLatin1String("solved")) return;
        // Drags every label onto its own box, as a pupil would: the pointer, held at the label's centre,
        // moves to the box's centre, and lets go.
        for (DragLabel* label : board->findChildren<DragLabel*>(QStringLiteral("Label2"))) {
            const int k = label->property("index").toInt();
            for (QWidget* box : board->findChildren<QWidget*>(QStringLiteral("Label1")))
                if (box->property("index").toInt() == k)
                    Q_EMIT label->dragged(k, Qt::LeftButton,
                                          QPointF(box->pos() - label->pos()) + label->rect().center());
            Q_EMIT label->released(k);
        }
        return;
    }
    if (what == QLatin1String("guide")) {
        press(program, screen::kMenu, "Label2", 20);
        for (int p = 1; p < std::max(1, n); ++p) press(program, screen::kGuide, "Label3", 2);
        return;
    }
    if (what == QLatin1String("menu")) return;
    press(program, screen::kMenu, "Label2", plants.menuEntry);
    press(program, plants.page(), "Label3", 0);
    if (what == QLatin1String("quiz")) {
        for (int q = 1; q < std::max(1, n); ++q) press(program, screen::kQuiz, "Label3", 1);
        return press(program, screen::kQuiz, "Option1", 2);
    }
    play(program, n);
    if (what == QLatin1String("wrong"))
        QTimer::singleShot(100, [&program] { press(program, screen::kResults, "Label3", 0); });
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const bool full = args.removeAll(QStringLiteral("--full")) > 0;
    return bt::runBrambleton(
        argc, argv,
        [args, full](bt::Brambleton& program) {
            if (full) {  // without a window manager, full screen is the whole display
                program.grey().setGeometry(program.grey().screen()->geometry());
                program.grey().showFullScreen();
            }
            arrange(program, args);
        },
        bt::CommandLine::Ignored);
}
