#pragma once
// The one process-wide store of what the last detection found: ten slots,
// the number of devices listed and the device chosen in the selector.
// deviceTableMutex guards all of it. The table owns the open devices, the
// plists and the record lists of its slots until the next detection releases
// them; at exit nothing is closed (the services may already be gone).

#include <wx/thread.h>

#include "device/device_slot.h"

class DeviceTable {
public:
    static constexpr int kSlotCount = 10;

    DeviceSlot slots[kSlotCount];
    int deviceCount = 0;     // slots 0 .. deviceCount-1 are meaningful
    int currentIndex = 0;    // the device chosen in the selector
    wxMutex deviceTableMutex;

    // Closes the open devices and frees every list of the slots below
    // deviceCount. Call with deviceTableMutex held.
    void ReleaseContent();
};

extern DeviceTable deviceTable;

// The slot at currentIndex when it is in use, else null. Call with the mutex held.
DeviceSlot* CurrentSlot(DeviceTable& table);
