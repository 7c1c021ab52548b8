#pragma once

namespace wl {

class CaptureFtdiDriver;
class System;

// While a capture file stands in for the USB board, a capture that cannot be made or written any
// more is shown on the main window's status bar (`kStatusFaultPanel`, also on the headless status
// line) and written to the event log, once; the output runs on.
//
// Thread: the engine; the check runs as a scheduler task once a second. Allocates when it
// registers the task and once when it reports.
void watchDmxCapture(System& system, const CaptureFtdiDriver& capture);

}  // namespace wl
