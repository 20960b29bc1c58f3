#pragma once
// The work files a signal or a console event removes (RemovedOnSignal), as the platform's handler
// reads them: files, a null, folders, a null. The handler enters before it walks the list and
// leaves after; the list is never withdrawn or freed while a handler is inside. Lock-free, so a
// signal handler may call both.

namespace feld::removedlist {

// The list published now, or nullptr; every Enter is followed by one Leave.
const char* const* Enter();
void Leave();

}  // namespace feld::removedlist
