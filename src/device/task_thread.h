#pragma once
// A general worker: calls an entry function with an untyped argument on its
// own thread; its destructor calls the clean-up function with the argument
// when one is set.

#include <wx/thread.h>

class TaskThread : public wxThread {
public:
    using EntryFunction = void (*)(void* argument);
    using CleanupFunction = void (*)(void* argument);

    TaskThread(void* argument, EntryFunction entry, CleanupFunction cleanup);
    ~TaskThread() override;

protected:
    ExitCode Entry() override;

private:
    void* argument_;
    EntryFunction entry_;
    CleanupFunction cleanup_;
};
