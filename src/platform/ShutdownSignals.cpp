#include "platform/ShutdownSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

namespace wl {

namespace {

int pipeEnds[2] = {-1, -1};  // the only process-wide state: a signal handler can reach nothing else

void onShutdownSignal(int) {
    const int savedErrno = errno;  // the interrupted code may be about to read it
    const char byte = 1;
    [[maybe_unused]] const auto written = write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}

}  // namespace

ShutdownSignals::ShutdownSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        failureReason_ = std::string("no pipe for the signals: ") + std::strerror(errno);
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        while (read(pipeEnds[0], &byte, 1) == 1) {
        }
        onSignal_();
    });
    struct sigaction action {};
    action.sa_handler = onShutdownSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGINT, SIGTERM}) {
        if (sigaction(signal, &action, nullptr) != 0) {
            failureReason_ =
                std::string("cannot catch ") + strsignal(signal) + ": " + std::strerror(errno);
        }
    }
}

ShutdownSignals::~ShutdownSignals() {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    notifier_.reset();
    for (int& end : pipeEnds) {
        if (end >= 0) close(end);
        end = -1;
    }
}

}  // namespace wl
