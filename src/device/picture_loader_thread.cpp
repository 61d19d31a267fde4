#include "device/picture_loader_thread.h"

#include <atomic>

#include "device/picture_loader.h"

namespace {

std::atomic<int> loaderThreads{0};

} // namespace

PictureLoaderThread::PictureLoaderThread(const PictureLoaderKind& kind, int generation)
    : wxThread(wxTHREAD_DETACHED), kind_(kind), generation_(generation)
{
    ++loaderThreads;
}

PictureLoaderThread::~PictureLoaderThread()
{
    --loaderThreads;
}

wxThread::ExitCode PictureLoaderThread::Entry()
{
    RunPictureLoader(kind_, generation_);
    return 0;
}

int RunningPictureLoaders()
{
    return loaderThreads.load();
}
