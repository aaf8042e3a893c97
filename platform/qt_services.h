#pragma once
// The Qt implementations of the sound, read-aloud and dialog services.

#include <QLibrary>
#include <memory>

#include "content_paths.h"
#include "dialogs.h"
#include "sound.h"
#include "speech.h"

class QWidget;

namespace bt {

// Plays WAV files through Qt Multimedia, which lives in the module "brambleton_sound" beside the program
// (or in lib/<architecture>/brambleton of an installed tree). The module, and with it the multimedia
// libraries, is loaded on the first play, so that start-up does not pay for them. Without the module the
// program is silent.
class QtSound final : public Sound {
  public:
    // moduleFolder: where to look for the module first; the program's folder when empty.
    explicit QtSound(ContentPaths paths, QString moduleFolder = QString());
    ~QtSound() override;
    void play(const QString& relativePath) override;
    // Loads the module and makes the sound ready without playing it, so that its first play does not wait.
    void preload(const QString& relativePath);

    // True once the module has been loaded and its player made.
    bool hasPlayer() const { return player_ != nullptr; }

  private:
    void loadPlayer();

    ContentPaths paths_;
    QString moduleFolder_;
    QLibrary module_;
    bool tried_ = false;
    Sound* player_ = nullptr;
};

// Reads aloud in the flite voice, which lives in the module "brambleton_speech", found as the sound module
// is. The module is loaded when the program first asks whether there is a voice; the voice is made
// when it is first needed. Without the module, or without a voice, there is no read-aloud.
class QtSpeech final : public Speech {
  public:
    explicit QtSpeech(QString moduleFolder = QString());
    ~QtSpeech() override;
    bool available() override;
    bool prepare() override;
    void say(const QStringList& texts) override;
    void stop() override;

    // True once the module has been loaded and its reader made.
    bool hasReader() const { return reader_ != nullptr; }

  private:
    Speech* reader();

    QString moduleFolder_;
    QLibrary module_;
    bool tried_ = false;
    Speech* reader_ = nullptr;
};

// Message boxes over the given window, captioned "Brambleton".
class QtDialogs final : public Dialogs {
  public:
    explicit QtDialogs(QWidget* window = nullptr) : window_(window) {}
    void setWindow(QWidget* window) { window_ = window; }
    void message(const QString& text) override;
    bool confirm(const QString& text) override;
    bool ask(const QString& text) override;

  private:
    QWidget* window_;
};

}  // namespace bt
