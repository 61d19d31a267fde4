#pragma once
// A detached thread that runs one thumbnail loader with the generation number
// its creator read (see picture_loader.h); DoLoadCameraRollPicture and
// DoLoadPhotoPicture only choose the kind. Deletes itself when it ends.

#include <wx/thread.h>

struct PictureLoaderKind;

class PictureLoaderThread : public wxThread {
public:
    PictureLoaderThread(const PictureLoaderKind& kind, int generation);
    ~PictureLoaderThread() override;

protected:
    ExitCode Entry() override;

private:
    const PictureLoaderKind& kind_;
    const int generation_;
};

// Loader threads that exist right now, of both kinds: created and not yet
// deleted (a detached thread is deleted when its loop has ended).
int RunningPictureLoaders();

// Waits until no loader thread exists, at most timeoutMs; true when none is
// left. Loaders never wait for the user-interface thread once their receiver
// is gone, so it may wait here.
bool WaitForPictureLoaders(int timeoutMs);
