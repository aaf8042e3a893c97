// Opens the program at a given screen, for looking at it (screenshots under Xvfb):
//   brambleton_preview menu
//   brambleton_preview quiz [question]          the "Parts of a Plant" quiz at a question (1 to 10)
//   brambleton_preview results <right>          a quiz played with that many right answers, on the results
//   brambleton_preview wrong <right>            the same, with the wrong answers shown
//   brambleton_preview handover <score> <outof> the results after an activity
//   brambleton_preview wizard [filled]           the wizard, empty or filled with the plant quiz
//   brambleton_preview catalogue <names>         the catalogue over a register of that many made-up names
//                                                (this writes the build folder's register)
//   brambleton_preview topic <parts|locality> [button]  a topic page, or what one of its buttons opens
//   brambleton_preview board <screen> [solved]   an activity, at the start or with every label placed
//   brambleton_preview guide [page]              the teacher's guide at a page

#include <QRadioButton>
#include <QStringList>
#include <QTimer>

#include "board_screen.h"
#include "brambleton.h"
#include "guide.h"
#include "intro0.h"
#include "multiple.h"
#include "quiz_opener.h"
#include "run.h"
#include "screens.h"
#include "text_file.h"
#include "titlefrm.h"
#include "topic_page.h"
#include "welldone.h"
#include "wizard.h"
#include "worksheet_files.h"

namespace {

using namespace bt;

void next(multiple* quiz) {
    Q_EMIT quiz->button(1)->clicked(1);
}

// Answers the quiz: the first `right` questions right, the rest wrong.
void play(Context& c, int right) {
    auto* quiz = qobject_cast<multiple*>(c.screens->touch(screen::kQuiz));
    for (int q = 1; q <= kQuestions; ++q) {
        const int k = c.shared.correctanswer[q].toInt();
        quiz->option(q <= right ? k : k % 4 + 1)->setChecked(true);
        next(quiz);
    }
}

void arrange(Brambleton& program, const QStringList& args) {
    Context& c = program.context();
    qobject_cast<Titlefrm*>(c.screens->touch(screen::kTitle))->command1()->click();
    const QString what = args.value(1, QStringLiteral("menu"));
    if (what == QLatin1String("menu")) return;
    if (what == QLatin1String("wizard")) {
        c.screens->show(screen::kWizard);
        if (args.value(2) == QLatin1String("filled")) {
            readWorksheetFile(c.paths.resolve(QStringLiteral("multiple\\Parts of a Plant.txt")), c.shared);
            qobject_cast<wizard*>(c.screens->touch(screen::kWizard))->fillFrom(c.shared);
        }
        return;
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
        for (int i = 0; i < args.value(2).toInt(); ++i)
            trackworksheets(
                registerPath(c.paths),
                QStringLiteral("%1 (Year %2)").arg(QString::fromLatin1(kTopics[i % 7])).arg(3 + i / 7),
                c.shared);
        Q_EMIT qobject_cast<intro0*>(c.screens->touch(screen::kMenu))->entry(18)->clicked(18);
        return;
    }
    if (what == QLatin1String("topic")) {
        const QString topic = args.value(2, QStringLiteral("parts"));
        Q_EMIT qobject_cast<intro0*>(c.screens->touch(screen::kMenu))
            ->entry(topic == QLatin1String("parts") ? 1 : 10)
            ->clicked(topic == QLatin1String("parts") ? 1 : 10);
        if (args.size() > 3) {
            const Topic& row = topic == QLatin1String("parts") ? partsTopic() : localityTopic();
            auto* page = qobject_cast<TopicPage*>(c.screens->touch(row.page()));
            Q_EMIT page->button(args.value(3).toInt())->clicked(args.value(3).toInt());
        }
        return;
    }
    if (what == QLatin1String("board")) {
        const QString name = args.value(2, QStringLiteral("partslab"));
        const bool plants = name.startsWith(QLatin1String("parts"));
        Q_EMIT qobject_cast<intro0*>(c.screens->touch(screen::kMenu))
            ->entry(plants ? 1 : 10)
            ->clicked(plants ? 1 : 10);
        const Topic& row = plants ? partsTopic() : localityTopic();
        auto* page = qobject_cast<TopicPage*>(c.screens->touch(row.page()));
        const bool labelling = name.endsWith(QLatin1String("lab"));
        const int button = labelling ? 1 : 3;
        Q_EMIT page->button(button)->clicked(button);
        if (args.value(3) == QLatin1String("solved")) {
            // Drags every label onto its own box, as a pupil would.
            auto* board =
                qobject_cast<BoardScreen*>(c.screens->touch(labelling ? row.labelling() : row.ordering()));
            for (int k = 0; k < board->board().size(); ++k) {
                const BoardPoint at = board->board().label(k);
                const BoardBox& box = board->board().target(k);
                const float w = board->board().labelWidth(), h = board->board().labelHeight();
                Q_EMIT board->label(k)->dragged(
                    k, Qt::LeftButton,
                    QPointF((box.left - at.x + w / 2) / 15.0, (box.top - at.y + h / 2) / 15.0));
                Q_EMIT board->label(k)->released(k);
            }
        }
        return;
    }
    if (what == QLatin1String("guide")) {
        Q_EMIT qobject_cast<intro0*>(c.screens->touch(screen::kMenu))->entry(20)->clicked(20);
        auto* g = qobject_cast<guide*>(c.screens->touch(screen::kGuide));
        for (int p = 1; p < args.value(2, QStringLiteral("1")).toInt(); ++p) Q_EMIT g->button(2)->clicked(2);
        return;
    }
    if (what == QLatin1String("handover")) {
        c.shared.score = args.value(2).toInt();
        c.shared.outof = args.value(3).toInt();
        c.screens->show(screen::kResults);
        return;
    }
    openQuiz(c, QStringLiteral("multiple\\Parts of a Plant.txt"), QStringLiteral("images\\poppies2sm.jpg"));
    auto* quiz = qobject_cast<multiple*>(c.screens->touch(screen::kQuiz));
    if (what == QLatin1String("quiz")) {
        for (int q = 1; q < args.value(2, QStringLiteral("1")).toInt(); ++q) next(quiz);
        quiz->option(2)->setChecked(true);
        return;
    }
    play(c, args.value(2).toInt());
    if (what == QLatin1String("wrong"))
        QTimer::singleShot(100, [&c] {
            Q_EMIT qobject_cast<Welldone*>(c.screens->touch(screen::kResults))->button(0)->clicked(0);
        });
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    return bt::runBrambleton(argc, argv, [args](bt::Brambleton& program) { arrange(program, args); });
}
