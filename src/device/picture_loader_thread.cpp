#include "device/picture_loader_thread.h"

#include <wx/stopwatch.h>

#include "device/picture_loader.h"

namespace {

// The mutex is defined before the condition bound to it.
wxMutex loaderThreadsMutex;
wxCondition loaderThreadsGone(loaderThreadsMutex);
int loaderThreads = 0;  // guarded by loaderThreadsMutex

} // namespace

PictureLoaderThread::PictureLoaderThread(const PictureLoaderKind& kind, int generation)
    : wxThread(wxTHREAD_DETACHED), kind_(kind), generation_(generation)
{
    wxMutexLocker lock(loaderThreadsMutex);
    ++loaderThreads;
}

PictureLoaderThread::~PictureLoaderThread()
{
    wxMutexLocker lock(loaderThreadsMutex);
    if (--loaderThreads == 0)
        loaderThreadsGone.Broadcast();
}

wxThread::ExitCode PictureLoaderThread::Entry()
{
    RunPictureLoader(kind_, generation_);
    return 0;
}

int RunningPictureLoaders()
{
    wxMutexLocker lock(loaderThreadsMutex);
    return loaderThreads;
}

bool WaitForPictureLoaders(int timeoutMs)
{
    const wxStopWatch watch;
    wxMutexLocker lock(loaderThreadsMutex);
    while (loaderThreads > 0) {
        const long left = timeoutMs - watch.Time();
        if (left <= 0 || loaderThreadsGone.WaitTimeout(left) == wxCOND_TIMEOUT)
            break;
    }
    return loaderThreads == 0;
}
