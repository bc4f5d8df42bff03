// For the start-up probes: once the first window has been exposed and painted, writes the
// moment and the processor time spent so far (CLOCK_MONOTONIC and CLOCK_PROCESS_CPUTIME_ID
// nanoseconds, one line on standard output) and ends the event loop.
#pragma once

#include <QObject>

namespace kestrava::bench {

class FirstExpose : public QObject {
  public:
    // Watches every window of the application from now on.
    FirstExpose();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool seen_ = false;
};

}  // namespace kestrava::bench
