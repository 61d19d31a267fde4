#include "device/picture_loader.h"

#include <wx/event.h>
#include <wx/thread.h>

#include "app/trace.h"
#include "device/load_picture_info.h"
#include "device/picture_loader_kind.h"
#include "device/picture_thumbnail.h"
#include "device/sync_objects.h"

namespace {

// The receiver and its number: each change of receiver gives a new number, and
// a loader waits only for answers from the receiver it asked.
wxMutex receiverMutex;
wxEvtHandler* receiver = nullptr;  // guarded by receiverMutex
unsigned receiverEpoch = 0;        // guarded by receiverMutex

unsigned ReceiverEpoch()
{
    wxMutexLocker lock(receiverMutex);
    return receiverEpoch;
}

// Queues the event to the receiver; false when there is none. The receiver
// cannot go away meanwhile: clearing it takes the same mutex.
bool QueueToReceiver(int eventId, LoadPictureInfo* info, unsigned& epoch)
{
    wxMutexLocker lock(receiverMutex);
    if (receiver == nullptr)
        return false;
    auto* event = new wxThreadEvent(wxEVT_THREAD, eventId);
    event->SetPayload(info);
    wxQueueEvent(receiver, event);
    epoch = receiverEpoch;
    return true;
}

// One handshake: queues the event and waits, with the pair's mutex, until the
// receiver has answered. False when there was no receiver or it went away.
bool Ask(wxMutex& mutex, wxCondition& condition, int eventId, LoadPictureInfo& info)
{
    wxMutexLocker lock(mutex);
    info.answered = false;
    unsigned epoch = 0;
    if (!QueueToReceiver(eventId, &info, epoch))
        return false;
    while (!info.answered && ReceiverEpoch() == epoch)
        condition.Wait();
    return info.answered;
}

void WakeAll(wxMutex& mutex, wxCondition& condition)
{
    wxMutexLocker lock(mutex);
    condition.Broadcast();
}

enum class Next { Stop, Pause, Deliver };

// Reads the answer to a request under the generation mutex and, for an item,
// makes its thumbnail there.
Next TakeAnswer(const PictureLoaderKind& kind, int generation, LoadPictureInfo& info)
{
    wxMutexLocker lock(kind.generationMutex);
    if (kind.generation != generation || info.allLoaded)
        return Next::Stop;
    if (info.nothingToLoad)
        return Next::Pause;
    LoadThumbnail(kind, info);
    return Next::Deliver;
}

} // namespace

void SetPictureLoaderReceiver(wxEvtHandler* newReceiver)
{
    RaiseLoaderGenerations();
    {
        wxMutexLocker lock(receiverMutex);
        receiver = newReceiver;
        ++receiverEpoch;
    }
    for (const PictureLoaderKind* kind : {&CameraRollLoaderKind(), &PhotoLoaderKind()}) {
        WakeAll(kind->requestMutex, kind->requestCondition);
        WakeAll(kind->deliveryMutex, kind->deliveryCondition);
    }
}

void RunPictureLoader(const PictureLoaderKind& kind, int generation)
{
    if (kind.entryTrace != nullptr)
        TraceLine(kind.entryTrace);
    if (!kind.IsCurrent(generation))
        return;

    for (;;) {
        LoadPictureInfo info;
        info.generation = generation;
        if (!Ask(kind.requestMutex, kind.requestCondition, kind.requestEventId, info))
            return;
        switch (TakeAnswer(kind, generation, info)) {
        case Next::Stop:
            return;
        case Next::Pause: {
            // Nothing to do now: rest instead of asking again at once.
            wxMutexLocker lock(kind.requestMutex);
            kind.requestCondition.WaitTimeout(kNothingToLoadPauseMs);
            break;
        }
        case Next::Deliver:
            if (!Ask(kind.deliveryMutex, kind.deliveryCondition, kind.deliveryEventId, info))
                return;
            break;
        }
        if (!kind.IsCurrent(generation))
            return;
    }
}
