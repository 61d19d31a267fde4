#pragma once
// Fetches one small file over http:// or https:// (libcurl). The caller's
// thread blocks until the transfer ends, at the latest after the total
// timeout; the body is refused once it grows past the size limit. The
// toolkit's own URL class speaks plain HTTP only, which is why the program
// goes through libcurl here.

#include <cstddef>
#include <string>

#include <wx/string.h>

enum class FetchStatus {
    kOk,
    kUnsupportedAddress,  // not an http:// or https:// address
    kConnectFailed,       // name not resolved, connection refused
    kTimedOut,
    kHttpError,           // the server answered with a status that is not 2xx
    kTooLarge,
    kFailed,              // anything else (TLS, broken transfer, too many redirects)
};

struct FetchOptions {
    long totalTimeoutMs = 10000;
    long connectTimeoutMs = 5000;
    std::size_t maxBytes = 256 * 1024;
};

struct FetchResult {
    FetchStatus status = FetchStatus::kFailed;
    long httpStatus = 0;    // the last response's status, 0 without one
    std::string body;       // the raw bytes; empty unless the status is kOk
    std::string error;      // libcurl's description, for trace lines
};

// True for an address this fetcher accepts: http:// or https:// (any case)
// followed by at least one character.
bool IsFetchableAddress(const wxString& url);

// Safe from any thread; each call has its own transfer.
FetchResult FetchUrl(const wxString& url, const FetchOptions& options = FetchOptions());
