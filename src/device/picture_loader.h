#pragma once
// The loop of a thumbnail loader (DoLoadCameraRollPicture and
// DoLoadPhotoPicture run it on their own threads) and where its events go.
//
// The loader does not choose the pictures: before each one it asks the
// receiver (event requestEventId, answered with AnswerPictureRequest), makes
// the thumbnail and hands it over (event deliveryEventId, answered with
// AcceptPictureDelivery), waiting for each answer. It ends when told
// allLoaded, when its generation is overtaken, or when the receiver goes.

class wxEvtHandler;
struct PictureLoaderKind;

// How long a loader told nothingToLoad waits before it asks again, unless
// another answer or the receiver's departure wakes it first.
constexpr int kNothingToLoadPauseMs = 200;

// The handler that receives the loaders' events (the navigation pane, while it
// exists). Setting it, and above all clearing it, overtakes the generations of
// both loaders and wakes every loader that waits for an answer from the old
// receiver, so none waits for ever on events that died with it.
void SetPictureLoaderReceiver(wxEvtHandler* receiver);

// The loader's entry: runs until it ends (see above).
void RunPictureLoader(const PictureLoaderKind& kind, int generation);
