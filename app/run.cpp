#include "run.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <optional>

#include "brambleton.h"
#include "fonts.h"
#include "grey.h"
#include "qt_printer.h"
#include "qt_services.h"

// The icons are in this static library: the reference keeps them from being left out of the program.
static void initIcons() {
    Q_INIT_RESOURCE(icons);
}

namespace bt {

void showBrambletonIcon() {
    initIcons();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

namespace {

struct Options {
    QCommandLineParser parser;
    QCommandLineOption worksheets{
        QStringLiteral("worksheets"),
        QStringLiteral(
            "Keeps teachers' worksheets in <folder>, for example a shared school folder, instead of "
            "the user's own data folder. BRAMBLETON_WORKSHEETS does the same."),
        QStringLiteral("folder")};
    Options() {
        parser.setApplicationDescription(
            QStringLiteral("Primary science activities for pupils, and worksheets for their teachers."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(worksheets);
    }
};

// Answers --help and --version before there is a window, so that they work without a display. Returns
// the exit code when the program should end here.
std::optional<int> answeredAtOnce(int argc, char** argv) {
    Options options;
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    options.parser.parse(arguments);  // the toolkit's own options are not known yet: errors come later
    if (options.parser.isSet(QStringLiteral("help"))) {
        QString help = options.parser.helpText();
        help.replace(QLatin1String("<executable_name>"), QLatin1String("brambleton"));
        std::fputs(qPrintable(help), stdout);
        return 0;
    }
    if (options.parser.isSet(QStringLiteral("version"))) {
        std::printf("Brambleton %s\n", BRAMBLETON_VERSION);
        return 0;
    }
    return std::nullopt;
}

// The worksheet folder asked for on the command line or in the environment, made absolute; empty for
// the usual one. Ends the program with a message on an option it does not know.
QString chosenWorksheetFolder(const QApplication& app, CommandLine commandLine) {
    QString folder = qEnvironmentVariable("BRAMBLETON_WORKSHEETS");
    if (commandLine == CommandLine::Read) {
        Options options;
        options.parser.process(app);
        if (options.parser.isSet(options.worksheets)) folder = options.parser.value(options.worksheets);
    }
    return folder.isEmpty() ? QString() : QDir::cleanPath(QDir::current().absoluteFilePath(folder));
}

}  // namespace

int runBrambleton(int& argc, char** argv, const std::function<void(Brambleton&)>& afterStart,
                  CommandLine commandLine) {
    QApplication::setApplicationName(QStringLiteral("brambleton"));
    QApplication::setApplicationVersion(QStringLiteral(BRAMBLETON_VERSION));
    if (commandLine == CommandLine::Read)
        if (const std::optional<int> exitCode = answeredAtOnce(argc, argv)) return *exitCode;
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Brambleton"));
    QApplication::setDesktopFileName(QStringLiteral("uk.co.corvane.Brambleton"));
    const QString worksheetFolder = chosenWorksheetFolder(app, commandLine);
    registerFonts();

    const ContentPaths paths = ContentPaths::locate(QApplication::applicationDirPath(), worksheetFolder);
    QtSound sound(paths);
    QtSpeech speech;
    QtDialogs dialogs;
    Brambleton program(paths, sound, speech, dialogs, defaultPrinter(), [] { QApplication::exit(0); });
    dialogs.setWindow(&program.grey());
    program.start();
    // Once the title screen is up, the sound player and the click are made ready, so that the first click
    // of a button does not wait for them, and the window is given its icon (decoding it at start would
    // hold the first paint back by some milliseconds).
    QTimer::singleShot(300, &program.grey(), [&sound] {
        sound.preload(kClickSound);
        showBrambletonIcon();
    });
    if (afterStart) afterStart(program);
    return QApplication::exec();
}

}  // namespace bt
