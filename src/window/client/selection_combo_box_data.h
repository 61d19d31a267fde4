#pragma once
// What an entry of the device selector carries: a copy of the device's slot
// and the slot's index in the DeviceTable. The copy shares every plist, list
// and device pointer with the table, so it is valid only until the next
// detection starts; the navigation pane empties the selector before that.

#include <wx/clntdata.h>

#include "device/device_slot.h"

class SelectionComboBoxData : public wxClientData {
public:
    SelectionComboBoxData(const DeviceSlot& slot, int slotIndex) : slot(slot), slotIndex(slotIndex) {}

    DeviceSlot slot;
    int slotIndex;
};
