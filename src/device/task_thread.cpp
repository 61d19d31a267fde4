#include "device/task_thread.h"

TaskThread::TaskThread(void* argument, EntryFunction entry, CleanupFunction cleanup)
    : wxThread(wxTHREAD_DETACHED), argument_(argument), entry_(entry), cleanup_(cleanup)
{
}

TaskThread::~TaskThread()
{
    if (cleanup_ != nullptr)
        cleanup_(argument_);
}

wxThread::ExitCode TaskThread::Entry()
{
    if (entry_ != nullptr)
        entry_(argument_);
    return 0;
}
