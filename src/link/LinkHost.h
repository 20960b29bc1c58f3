#pragma once
// What the link asks of the object that owns it (the session): the port text in the status bar and
// the busy window around a long operation.

namespace feld {

class LinkHost {
public:
    virtual ~LinkHost() = default;
    // 1: show the "not connected" icon; 0: show the port text.
    virtual void ShowPortStatus(int disconnected) = 0;
    // Operation start time = now, busy = 1.
    virtual void BeginOperation() = 0;
    // Operation end time = now, catch up a missed collection time, busy = 0.
    virtual void EndOperation() = 0;
    // Busy = 0 only (an operation that ended before it really began).
    virtual void AbortOperation() = 0;
};

}  // namespace feld
