#include "device/picture_handshake.h"

#include "device/load_picture_info.h"
#include "device/picture_loader_kind.h"

void AnswerPictureRequest(const PictureLoaderKind& kind, LoadPictureInfo& info,
                          const std::function<PictureAnswer()>& choose)
{
    wxMutexLocker lock(kind.requestMutex);
    if (kind.IsCurrent(info.generation)) {
        const PictureAnswer answer = choose();
        info.allLoaded = answer.choice.kind == PictureChoice::kAllLoaded;
        info.nothingToLoad = answer.choice.kind == PictureChoice::kNothingToLoad;
        if (answer.choice.kind == PictureChoice::kItem) {
            info.itemIndex = static_cast<int>(answer.choice.index);
            info.devicePath = answer.devicePath;
        }
    }
    info.answered = true;
    // Broadcast: after a device change an overtaken loader of the same kind
    // may wait on this condition too, and must not take the wake-up meant for
    // the current one.
    kind.requestCondition.Broadcast();
}

bool AcceptPictureDelivery(const PictureLoaderKind& kind, LoadPictureInfo& info,
                           const std::function<void(const LoadPictureInfo&)>& apply)
{
    wxMutexLocker lock(kind.deliveryMutex);
    const bool current = kind.IsCurrent(info.generation);
    if (current)
        apply(info);
    info.answered = true;
    kind.deliveryCondition.Broadcast();
    return current;
}
