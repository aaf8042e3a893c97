#pragma once
// Shared by the start-up probes: once the watched widget has painted for the first time, print the
// monotonic clock (nanoseconds) and the process's peak resident memory (kB), then quit.

#include <QObject>

class QWidget;

namespace bt::bench {

class FirstPaintProbe : public QObject {
  public:
    explicit FirstPaintProbe(QWidget* watched);
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool seen_ = false;
};

}  // namespace bt::bench
