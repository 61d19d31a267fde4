#pragma once
// The update check behind Help > "Check for Update". The update address comes
// from the product link file (option.cfg); the update file there names the
// version offered for each product. The fetch runs on a worker thread so the
// window stays responsive; the result (the offered version, empty when the
// check failed) comes back through the event queue as EVT_UPDATE_RESULT to the
// application's top window, whose handler shows the message built by
// BuildUpdateMessage.

#include <functional>
#include <string>

#include <wx/string.h>

#include "app/url_fetch.h"

// Version keys: 9 characters whose byte order is the order of dotted versions.
// Each number of the version is written as its digit count followed by its
// digits (0 -> "10", 9 -> "19", 15 -> "215"), so a longer number sorts above a
// shorter one and numbers of equal length sort by their digits. Trailing zero
// numbers are dropped (2, 2.0 and 2.0.0 share a key), and the key is padded
// with '0', which sorts below every digit count, so 1.0 < 1.0.1.
//   1.0.15 -> "111021500"   1.0.16 -> "111021600"   1.1.0 -> "111100000"
//   2.0    -> "120000000"   1.0.9  -> "111019000"   1.0.10 -> "111021000"
// What does not fit is left out, never reordered: a number of more than nine
// digits counts as 999999999, and characters past the ninth are cut off, so
// versions that differ only there (1.0.15.10 and 1.0.15.11) compare equal.
// Reading stops at the first character that does not continue a dotted number
// ("1.0.16-beta" reads as 1.0.16); a text without a leading number has the
// lowest key, "000000000".
std::string MakeVersionKey(const wxString& version);

// Negative when a is older than b, 0 when their keys are equal, positive when newer.
int CompareVersions(const wxString& a, const wxString& b);

// The version an update file offers for the product: in each child element of
// the root, the first attribute whose value is exactly productName, if another
// attribute follows it, gives that attribute's value; a later element that
// names the product overrides an earlier one. Empty when the bytes are not an
// XML document or no element names the product with a version after it.
wxString FindOfferedVersion(const std::string& document, const wxString& productName);

// Fetches the update file and finds the version it offers this product.
// Blocks the calling thread; empty on any failure.
wxString FetchOfferedVersion(const wxString& url, const FetchOptions& options);

enum class UpdateOutcome {
    kFailed,        // nothing usable came back
    kNewerOffered,  // ask whether to open the download page
    kLatest,        // the running version is the offered one or newer
};

struct UpdateMessage {
    UpdateOutcome outcome;
    wxString text;  // translated when built
};

// The message for a check's result (empty = failed), compared with this
// program's own version.
UpdateMessage BuildUpdateMessage(const wxString& offeredVersion);

// Called on the user-interface thread with the offered version (empty on
// failure), after the call that started the check has returned.
using UpdateResultCallback = std::function<void(const wxString& offeredVersion)>;

// Reads the update address from the link file at linksPath and starts the
// fetch on a worker thread. Returns false, and does nothing, while an earlier
// check has not delivered its result yet.
bool StartUpdateCheck(const wxString& linksPath, const FetchOptions& options, UpdateResultCallback onResult);

// The menu command: checks the address in the installation's option.cfg and
// queues EVT_UPDATE_RESULT to the application's top window (to nothing when
// there is none).
void CheckForUpdate();
