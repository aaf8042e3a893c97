#include "qt_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

#include "logging.h"
#include "sound_module.h"
#include "speech_module.h"

namespace bt {

namespace {

// Loads a module of the program: from the folder asked for, else beside the program, else from the
// module folder of an installed tree (lib/<architecture>/brambleton). True when loaded.
bool loadModule(QLibrary& module, const QString& name, const QString& moduleFolder) {
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList folders{moduleFolder.isEmpty() ? appDir : moduleFolder, appDir,
                              QDir::cleanPath(appDir + QLatin1String("/../" BRAMBLETON_MODULE_DIR))};
    for (const QString& folder : folders) {
        module.setFileName(folder + QLatin1Char('/') + name);
        if (module.load()) return true;
    }
    return false;
}

}  // namespace

QtSound::QtSound(ContentPaths paths, QString moduleFolder)
    : paths_(std::move(paths)), moduleFolder_(std::move(moduleFolder)) {}

QtSound::~QtSound() {
    if (player_) reinterpret_cast<SoundModuleDestroy>(module_.resolve(kSoundModuleDestroy))(player_);
}

void QtSound::loadPlayer() {
    tried_ = true;
    if (!loadModule(module_, QStringLiteral("brambleton_sound"), moduleFolder_)) {
        qCWarning(lcBrambleton, "Sound is off: %s", qPrintable(module_.errorString()));
        return;
    }
    auto create = reinterpret_cast<SoundModuleCreate>(module_.resolve(kSoundModuleCreate));
    if (create && module_.resolve(kSoundModuleDestroy)) player_ = create(&paths_);
}

void QtSound::preload(const QString& relativePath) {
    if (!tried_) loadPlayer();
    if (!player_) return;
    if (auto preloadIn = reinterpret_cast<SoundModulePreload>(module_.resolve(kSoundModulePreload)))
        preloadIn(player_, relativePath);
}

void QtSound::play(const QString& relativePath) {
    if (!tried_) loadPlayer();
    if (player_) player_->play(relativePath);
}

QtSpeech::QtSpeech(QString moduleFolder) : moduleFolder_(std::move(moduleFolder)) {}

QtSpeech::~QtSpeech() {
    if (reader_) reinterpret_cast<SpeechModuleDestroy>(module_.resolve(kSpeechModuleDestroy))(reader_);
}

Speech* QtSpeech::reader() {
    if (tried_) return reader_;
    tried_ = true;
    if (!loadModule(module_, QStringLiteral("brambleton_speech"), moduleFolder_)) {
        qCWarning(lcBrambleton, "Read-aloud is off: %s", qPrintable(module_.errorString()));
        return nullptr;
    }
    auto create = reinterpret_cast<SpeechModuleCreate>(module_.resolve(kSpeechModuleCreate));
    if (create && module_.resolve(kSpeechModuleDestroy)) reader_ = create();
    return reader_;
}

bool QtSpeech::available() {
    return reader() && reader_->available();
}

bool QtSpeech::prepare() {
    return reader() && reader_->prepare();
}

void QtSpeech::say(const QStringList& texts) {
    if (reader()) reader_->say(texts);
}

void QtSpeech::stop() {
    if (reader_) reader_->stop();
}

void QtDialogs::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kProductName, text, QMessageBox::Ok, window_);
    box.exec();
}

bool QtDialogs::confirm(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kProductName, text, QMessageBox::Ok | QMessageBox::Cancel, window_);
    return box.exec() == QMessageBox::Ok;
}

bool QtDialogs::ask(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kProductName, text, QMessageBox::Yes | QMessageBox::No, window_);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace bt
