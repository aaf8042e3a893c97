#include "run.h"

#include <QApplication>

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
    QtDialogs dialogs;
    Brambleton program(paths, sound, dialogs, defaultPrinter(), [] { QApplication::exit(0); });
    dialogs.setWindow(&program.grey());
    program.start();
    if (afterStart) afterStart(program);
    return QApplication::exec();
}

}  // namespace bt
