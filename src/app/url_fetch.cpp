#include "app/url_fetch.h"

#include <cstring>
#include <memory>
#include <mutex>
#include <utility>

#include <curl/curl.h>

#include "app/product_paths.h"

namespace {

struct CurlEasyDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
using CurlEasyHandle = std::unique_ptr<CURL, CurlEasyDeleter>;

// libcurl's global set-up is not safe to run from two threads at once; the
// first fetch of the process does it, whichever thread that is.
void InitCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct BodySink {
    std::string* body;
    std::size_t maxBytes;
    bool overflowed = false;
};

// Returning fewer bytes than offered makes libcurl abort the transfer, which
// is how a body over the limit is refused without reading the rest.
size_t AppendToBody(char* data, size_t size, size_t count, void* user)
{
    BodySink* sink = static_cast<BodySink*>(user);
    const size_t bytes = size * count;
    if (bytes > sink->maxBytes - sink->body->size()) {
        sink->overflowed = true;
        return 0;
    }
    sink->body->append(data, bytes);
    return bytes;
}

FetchStatus StatusFromCurl(CURLcode code, bool overflowed)
{
    switch (code) {
    case CURLE_OK:
        return FetchStatus::kOk;
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_URL_MALFORMAT:
        return FetchStatus::kUnsupportedAddress;
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
        return FetchStatus::kConnectFailed;
    case CURLE_OPERATION_TIMEDOUT:
        return FetchStatus::kTimedOut;
    case CURLE_HTTP_RETURNED_ERROR:
        return FetchStatus::kHttpError;
    case CURLE_FILESIZE_EXCEEDED:
        return FetchStatus::kTooLarge;
    case CURLE_WRITE_ERROR:
        return overflowed ? FetchStatus::kTooLarge : FetchStatus::kFailed;
    default:
        return FetchStatus::kFailed;
    }
}

} // namespace

bool IsFetchableAddress(const wxString& url)
{
    const wxString lower = url.Lower();
    for (const char* scheme : {"http://", "https://"}) {
        const size_t length = std::strlen(scheme);
        if (lower.StartsWith(scheme) && lower.length() > length)
            return true;
    }
    return false;
}

FetchResult FetchUrl(const wxString& url, const FetchOptions& options)
{
    FetchResult result;
    if (!IsFetchableAddress(url)) {
        result.status = FetchStatus::kUnsupportedAddress;
        result.error = "not an http:// or https:// address";
        return result;
    }

    InitCurlOnce();
    CurlEasyHandle curl(curl_easy_init());
    if (!curl) {
        result.error = "libcurl could not start a transfer";
        return result;
    }

    std::string body;
    BodySink sink{&body, options.maxBytes};
    char errorText[CURL_ERROR_SIZE] = {};
    const std::string address = url.utf8_string();
    const std::string userAgent = (GetProductDisplayName() + "/" + GetProductVersion()).utf8_string();
    CURL* handle = curl.get();

    curl_easy_setopt(handle, CURLOPT_URL, address.c_str());
    // Redirects are followed, but never away from http and https.
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(handle, CURLOPT_FAILONERROR, 1L);
    // Timeouts must not raise signals: the fetch runs on a worker thread.
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, options.totalTimeoutMs);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, options.connectTimeoutMs);
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(options.maxBytes));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &AppendToBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(handle, CURLOPT_USERAGENT, userAgent.c_str());

    const CURLcode code = curl_easy_perform(handle);
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &result.httpStatus);
    result.status = StatusFromCurl(code, sink.overflowed);
    // A 3xx without a place to go, or a 1xx, ends "successfully" in libcurl.
    if (result.status == FetchStatus::kOk && (result.httpStatus < 200 || result.httpStatus > 299))
        result.status = FetchStatus::kHttpError;

    if (result.status == FetchStatus::kOk)
        result.body = std::move(body);
    else
        result.error = errorText[0] != '\0' ? errorText : curl_easy_strerror(code);
    return result;
}
