#pragma once
// The program's handle on the device library: the device service and the
// content service, created once during static initialisation and released at
// exit. Tests may put their own tables in place.

#include <devicekit/devicekit.h>

PodDeviceService* GetPodDeviceService();
HandoverService* GetHandoverService();

// Replaces the tables used from now on (null restores the library's own).
// The caller keeps ownership of what it passes in. Only for use while no
// worker thread runs.
void SetDeviceServices(PodDeviceService* devices, HandoverService* content);
