#include "device/do_detect_device.h"

#include "device/detection.h"

DoDetectDevice::DoDetectDevice(wxEvtHandler* progressHandler)
    : wxThread(wxTHREAD_DETACHED), progressHandler_(progressHandler)
{
}

wxThread::ExitCode DoDetectDevice::Entry()
{
    RunDetection(progressHandler_);
    return 0;
}
