#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <string>

namespace wl {

// Turns SIGINT and SIGTERM into a call on the main thread's event loop, so a service manager or
// Ctrl+C closes the program the same way the main window's close does.
//
// Thread: construct and receive on the main thread; the signal handler itself only writes one
// byte to a pipe. One instance per process.
class ShutdownSignals : public QObject {
  public:
    explicit ShutdownSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~ShutdownSignals() override;

    // Why the signals could not be caught (they would then end the program without a close),
    // empty when they are.
    const std::string& failureReason() const { return failureReason_; }

  private:
    std::function<void()> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::string failureReason_;
};

}  // namespace wl
