#include "platform/QtSchedulerDriver.h"

#include <algorithm>

namespace wl {

QtSchedulerDriver::QtSchedulerDriver(Scheduler& scheduler, QObject* parent)
    : QObject(parent), scheduler_(scheduler) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &QtSchedulerDriver::fire);
    scheduler_.setWakeUp([this](Scheduler::Millis deadline) { aimAt(deadline); });
}

QtSchedulerDriver::~QtSchedulerDriver() {
    scheduler_.setWakeUp(nullptr);
}

void QtSchedulerDriver::begin() {
    clock_.start();
    aimAt(scheduler_.nextDeadline());
}

void QtSchedulerDriver::fire() {
    scheduler_.runDue(scheduler_.now() + std::max<qint64>(0, clock_.elapsed() - scheduler_.now()));
    aimAt(scheduler_.nextDeadline());
}

void QtSchedulerDriver::aimAt(Scheduler::Millis deadline) {
    if (!clock_.isValid()) return;
    if (deadline < 0) {
        timer_.stop();
        return;
    }
    const auto wait = std::max<qint64>(0, deadline - clock_.elapsed());
    timer_.start(static_cast<int>(std::min<qint64>(wait, 1'000'000)));
}

}  // namespace wl
