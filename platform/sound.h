#pragma once
// The sound service: play a WAV file named by a path relative to the program's content folder
// ("wav\click.wav"). Playing returns at once; nothing ever waits for a sound to end, asks whether one is
// playing, or stops one.

#include <QString>
#include <QStringList>

namespace bt {

class Sound {
  public:
    virtual ~Sound() = default;
    virtual void play(const QString& relativePath) = 0;
};

// Test double: remembers every path it was asked to play, in order.
class RecordingSound final : public Sound {
  public:
    void play(const QString& relativePath) override { played.append(relativePath); }
    QStringList played;
};

}  // namespace bt
