#pragma once
// The Qt implementations of the sound and dialog services.

#include <QLibrary>
#include <memory>

#include "content_paths.h"
#include "dialogs.h"
#include "sound.h"

class QWidget;

namespace bt {

// Plays WAV files through Qt Multimedia, which lives in the module "brambleton_sound" beside the program
// (or in lib/brambleton of an installed tree). The module, and with it the multimedia libraries, is loaded
// on the first play, so that start-up does not pay for them. Without the module the program is silent.
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

// Message boxes over the given window, captioned "Brambleton".
class QtDialogs final : public Dialogs {
  public:
    explicit QtDialogs(QWidget* window = nullptr) : window_(window) {}
    void setWindow(QWidget* window) { window_ = window; }
    void message(const QString& text) override;
    bool confirm(const QString& text) override;

  private:
    QWidget* window_;
};

}  // namespace bt
