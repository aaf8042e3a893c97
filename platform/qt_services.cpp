#include "qt_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

#include "logging.h"
#include "sound_module.h"

namespace bt {

QtSound::QtSound(ContentPaths paths, QString moduleFolder)
    : paths_(std::move(paths)), moduleFolder_(std::move(moduleFolder)) {}

QtSound::~QtSound() {
    if (player_) reinterpret_cast<SoundModuleDestroy>(module_.resolve(kSoundModuleDestroy))(player_);
}

void QtSound::loadPlayer() {
    tried_ = true;
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList folders{moduleFolder_.isEmpty() ? appDir : moduleFolder_, appDir,
                              QDir::cleanPath(appDir + QLatin1String("/../lib/brambleton"))};
    for (const QString& folder : folders) {
        module_.setFileName(folder + QLatin1String("/brambleton_sound"));
        if (module_.load()) break;
    }
    if (!module_.isLoaded()) {
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

void QtDialogs::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kProductName, text, QMessageBox::Ok, window_);
    box.exec();
}

bool QtDialogs::confirm(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kProductName, text, QMessageBox::Ok | QMessageBox::Cancel, window_);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace bt
