#include "run.h"

#include <QApplication>
#include <QTimer>

#include "brambleton.h"
#include "fonts.h"
#include "grey.h"
#include "qt_printer.h"
#include "qt_services.h"

namespace bt {

int runBrambleton(int& argc, char** argv, const std::function<void(Brambleton&)>& afterStart) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brambleton"));
    QApplication::setApplicationDisplayName(QStringLiteral("Brambleton"));
    registerFonts();

    const ContentPaths paths = ContentPaths::locate(QApplication::applicationDirPath());
    QtSound sound(paths);
    QtSpeech speech;
    QtDialogs dialogs;
    Brambleton program(paths, sound, speech, dialogs, defaultPrinter(), [] { QApplication::exit(0); });
    dialogs.setWindow(&program.grey());
    program.start();
    // Once the title screen is up, the sound player and the click are made ready, so that the first click
    // of a button does not wait for them.
    QTimer::singleShot(300, &program.grey(), [&sound] { sound.preload(kClickSound); });
    if (afterStart) afterStart(program);
    return QApplication::exec();
}

}  // namespace bt
