#include "device/device_id.h"

#include "app/text_format.h"

bool IsSafeDeviceId(const wxString& id)
{
    if (id.empty() || id == "." || id == "..")
        return false;
    wxString valid = id;
    MakeValidFileName(valid);
    if (valid != id)
        return false;
    for (wxUniChar c : id) {
        if (c.GetValue() < 0x20 || c.GetValue() == 0x7f)
            return false;
    }
    return true;
}
