// The sound module: plays WAV files with QSoundEffect. Each file gets one player, made on its first use;
// playing a file that is still sounding starts it again. play() returns at once and never waits; a missing
// or unplayable file stays silent.

#include <QSoundEffect>
#include <QUrl>
#include <map>
#include <memory>

#include "sound_module.h"

namespace {

class EffectPlayer final : public bt::Sound {
  public:
    explicit EffectPlayer(const bt::ContentPaths& paths) : paths_(paths) {}

    void play(const QString& relativePath) override {
        QSoundEffect& effect = effectFor(relativePath);
        effect.stop();
        effect.play();
    }

    // The player of a file, made (and the file loaded) on first use.
    QSoundEffect& effectFor(const QString& relativePath) {
        std::unique_ptr<QSoundEffect>& effect = effects_[relativePath.toLower()];
        if (!effect) {
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(QUrl::fromLocalFile(paths_.resolve(relativePath)));
        }
        return *effect;
    }

  private:
    const bt::ContentPaths& paths_;
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
};

}  // namespace

extern "C" Q_DECL_EXPORT bt::Sound* brambleton_sound_create(const bt::ContentPaths* paths) {
    return new EffectPlayer(*paths);
}

extern "C" Q_DECL_EXPORT void brambleton_sound_destroy(bt::Sound* player) {
    delete player;
}

extern "C" Q_DECL_EXPORT void brambleton_sound_preload(bt::Sound* player, const QString& relativePath) {
    static_cast<EffectPlayer*>(player)->effectFor(relativePath);
}
