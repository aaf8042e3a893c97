// The read-aloud module: says texts in flite's offline "slt" voice, a little slower than its usual pace for
// young readers, and plays them through Qt Multimedia. The texts of one request are made into speech on a
// thread of their own, joined by short pauses, and played as one sound; a new request or a stop cuts short
// what is playing. Where there is no sound output, or a sound cannot be played, the reader has no voice
// and stays silent from then on. The sound stream is held only while speech plays.
//
// Qt TextToSpeech's own flite engine (Qt 6.4) fails on about half of short texts ("Audio streaming error.",
// from its first write to a sound stream that is not yet ready), so the voice is driven directly.

#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QThread>
#include <memory>

#include "speech_module.h"

extern "C" {
#include <flite/flite.h>
cst_voice* register_cmu_us_slt(const char* voxdir);
}

namespace {

constexpr float kStretch = 1.2f;  // of the voice's own durations: slower than its usual pace
constexpr int kPauseMs = 350;     // between one text and the next

// Runs on the worker thread: the texts as 16-bit mono samples at the voice's rate.
QByteArray speechOf(const QStringList& texts, int* rate) {
    static cst_voice* const voice = [] {
        flite_init();
        cst_voice* v = register_cmu_us_slt(nullptr);
        feat_set_float(v->features, "duration_stretch", kStretch);
        return v;
    }();
    QByteArray pcm;
    for (const QString& text : texts) {
        cst_wave* wave = flite_text_to_wave(text.toUtf8().constData(), voice);
        if (!wave) continue;
        if (!pcm.isEmpty()) pcm.append(QByteArray(qsizetype(wave->sample_rate) * kPauseMs / 1000 * 2, '\0'));
        *rate = wave->sample_rate;
        pcm.append(reinterpret_cast<const char*>(wave->samples), qsizetype(wave->num_samples) * 2);
        delete_wave(wave);
    }
    return pcm;
}

class Reader final : public bt::Speech {
  public:
    ~Reader() override {
        stopPlaying();
        if (worker_) {
            worker_->quit();
            worker_->wait();
        }
    }

    bool available() override { return !failed_; }

    bool prepare() override {
        if (worker_ || failed_) return !failed_;
        output_ = QMediaDevices::defaultAudioOutput();
        if (output_.isNull()) {
            failed_ = true;
            return false;
        }
        worker_ = std::make_unique<QThread>();
        workerContext_.moveToThread(worker_.get());
        worker_->start();
        return true;
    }

    void say(const QStringList& texts) override {
        stop();
        if (texts.isEmpty() || !prepare()) return;
        const int generation = generation_;
        QMetaObject::invokeMethod(&workerContext_, [this, texts, generation] {
            int rate = 16000;
            const QByteArray pcm = speechOf(texts, &rate);
            QMetaObject::invokeMethod(
                &receiver_, [this, pcm, rate, generation] { play(pcm, rate, generation); },
                Qt::QueuedConnection);
        });
    }

    void stop() override {
        ++generation_;
        stopPlaying();
    }

  private:
    void play(const QByteArray& pcm, int rate, int generation) {
        if (generation != generation_ || pcm.isEmpty()) return;
        stopPlaying();
        QAudioFormat format;
        format.setSampleRate(rate);
        format.setChannelConfig(QAudioFormat::ChannelConfigMono);
        format.setSampleFormat(QAudioFormat::Int16);
        buffer_.setData(pcm);
        buffer_.open(QIODevice::ReadOnly);
        sink_ = std::make_unique<QAudioSink>(output_, format);
        // Once all is played the sound stream is given back, after the sink's own signal has returned.
        QObject::connect(sink_.get(), &QAudioSink::stateChanged, &receiver_,
                         [this, generation](QAudio::State s) {
                             if (s == QAudio::IdleState)
                                 QMetaObject::invokeMethod(
                                     &receiver_,
                                     [this, generation] {
                                         if (generation == generation_) stopPlaying();
                                     },
                                     Qt::QueuedConnection);
                         });
        sink_->start(&buffer_);
        if (sink_->error() != QAudio::NoError) {
            failed_ = true;
            stopPlaying();
        }
    }

    void stopPlaying() {
        if (sink_) sink_->stop();
        sink_.reset();
        buffer_.close();
    }

    QAudioDevice output_;
    std::unique_ptr<QThread> worker_;
    QObject workerContext_;  // lives on the worker thread: what is queued to it runs there
    QObject receiver_;       // lives on the program's thread: what is queued to it runs there
    QBuffer buffer_;
    std::unique_ptr<QAudioSink> sink_;
    int generation_ = 0;  // of the latest request; the speech of an earlier one is not played
    bool failed_ = false;
};

}  // namespace

extern "C" Q_DECL_EXPORT bt::Speech* brambleton_speech_create() {
    return new Reader;
}

extern "C" Q_DECL_EXPORT void brambleton_speech_destroy(bt::Speech* reader) {
    delete reader;
}
