#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "platform/Scheduler.h"

namespace wl {

// Runs a Scheduler on the real clock from the Qt event loop of the owner thread: one precise
// single-shot timer always aimed at the next deadline.
//
// Thread: owner thread (the thread running the Qt event loop). Does not allocate while running.
class QtSchedulerDriver : public QObject {
  public:
    explicit QtSchedulerDriver(Scheduler& scheduler, QObject* parent = nullptr);
    // The scheduler outlives the driver (closing still starts and stops tasks): it must not call
    // back into a driver that is gone.
    ~QtSchedulerDriver() override;

    // Starts following the real clock; the scheduler's time 0 is now.
    void begin();

  private:
    void fire();
    void aimAt(Scheduler::Millis deadline);

    Scheduler& scheduler_;
    QElapsedTimer clock_;
    QTimer timer_;
};

}  // namespace wl
