#include "app/update_check.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include <expat.h>
#include <wx/app.h>
#include <wx/intl.h>
#include <wx/window.h>

#include "app/domain_option.h"
#include "app/product_paths.h"
#include "app/trace.h"
#include "device/task_thread.h"
#include "device/thread_events.h"

namespace {

constexpr size_t kVersionKeyLength = 9;
constexpr size_t kMaxNumberDigits = 9;
constexpr size_t kParseChunkBytes = 64 * 1024;

// Splits the leading dotted number of a version text into its numbers, each
// as a digit string without leading zeros ("0" for zero).
std::vector<std::string> ReadVersionNumbers(const wxString& version)
{
    const std::string text = version.Strip(wxString::both).utf8_string();
    std::vector<std::string> numbers;
    size_t at = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        std::string digits;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
            if (!(digits.empty() && text[at] == '0'))
                digits += text[at];
            ++at;
        }
        numbers.push_back(digits.empty() ? "0" : digits);
        // A dot continues the version only when a number follows it.
        if (at + 1 < text.size() && text[at] == '.' && text[at + 1] >= '0' && text[at + 1] <= '9')
            ++at;
        else
            break;
    }
    while (!numbers.empty() && numbers.back() == "0")
        numbers.pop_back();
    return numbers;
}

// Reads an update file as it streams past, so that no document tree is built
// and no depth of nesting can exhaust the stack.
struct OfferedVersionReader {
    std::string productName;  // UTF-8, as Expat hands out attribute values
    std::string offered;
    int depth = 0;            // 1 inside the root element, 2 inside one of its children
};

void XMLCALL OnElementStart(void* user, const XML_Char* /*name*/, const XML_Char** attributes)
{
    OfferedVersionReader* reader = static_cast<OfferedVersionReader*>(user);
    if (++reader->depth != 2)
        return;
    // Attributes come as name, value, name, value, ..., null, in document order.
    for (size_t i = 0; attributes[i] != nullptr; i += 2) {
        if (reader->productName == attributes[i + 1] && attributes[i + 2] != nullptr) {
            reader->offered = attributes[i + 3];
            return;
        }
    }
}

void XMLCALL OnElementEnd(void* user, const XML_Char* /*name*/)
{
    --static_cast<OfferedVersionReader*>(user)->depth;
}

// Receives the worker's result on the user-interface thread. Created on first
// use and never destroyed, so a check that is still running when the windows
// go away always has a live place to queue its result.
wxEvtHandler& ResultRelay()
{
    static wxEvtHandler* const relay = new wxEvtHandler;
    return *relay;
}

// Set from the start of a check until its result has been handed over.
std::atomic<bool> checkRunning{false};

// What the worker thread owns while it fetches; freed by its clean-up.
struct UpdateCheckInfo {
    wxString url;
    FetchOptions options;
    UpdateResultCallback onResult;
};

void DeliverResult(UpdateResultCallback onResult, const wxString& version)
{
    ResultRelay().CallAfter([onResult = std::move(onResult), version]() {
        checkRunning = false;
        onResult(version);
    });
}

void DoCheckForUpdate(void* argument)
{
    UpdateCheckInfo* info = static_cast<UpdateCheckInfo*>(argument);
    DeliverResult(info->onResult, FetchOfferedVersion(info->url, info->options));
}

void FreeUpdateCheckInfo(void* argument)
{
    delete static_cast<UpdateCheckInfo*>(argument);
}

void QueueResultToTopWindow(const wxString& version)
{
    wxApp* app = dynamic_cast<wxApp*>(wxApp::GetInstance());
    wxWindow* top = app != nullptr ? app->GetTopWindow() : nullptr;
    if (top == nullptr)
        return;
    wxCommandEvent* event = new wxCommandEvent(EVT_UPDATE_RESULT);
    event->SetString(version);
    wxQueueEvent(top, event);
}

} // namespace

std::string MakeVersionKey(const wxString& version)
{
    std::string key;
    for (const std::string& number : ReadVersionNumbers(version)) {
        if (number.size() > kMaxNumberDigits)
            key += std::string(1 + kMaxNumberDigits, '9');
        else
            key += static_cast<char>('0' + number.size()) + number;
        if (key.size() >= kVersionKeyLength)
            break;
    }
    key.resize(kVersionKeyLength, '0');
    return key;
}

int CompareVersions(const wxString& a, const wxString& b)
{
    const int order = std::memcmp(MakeVersionKey(a).data(), MakeVersionKey(b).data(), kVersionKeyLength);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

wxString FindOfferedVersion(const std::string& document, const wxString& productName)
{
    std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(XML_ParserCreate(nullptr), &XML_ParserFree);
    if (!parser)
        return wxString();
    OfferedVersionReader reader;
    reader.productName = productName.utf8_string();
    XML_SetUserData(parser.get(), &reader);
    XML_SetElementHandler(parser.get(), &OnElementStart, &OnElementEnd);

    size_t at = 0;
    do {
        const size_t chunk = std::min(document.size() - at, kParseChunkBytes);
        const bool last = at + chunk == document.size();
        if (XML_Parse(parser.get(), document.data() + at, static_cast<int>(chunk), last) != XML_STATUS_OK)
            return wxString();  // a document that does not load lists nothing
        at += chunk;
    } while (at < document.size());
    return wxString::FromUTF8(reader.offered);
}

wxString FetchOfferedVersion(const wxString& url, const FetchOptions& options)
{
    const FetchResult fetched = FetchUrl(url, options);
    if (fetched.status != FetchStatus::kOk) {
        TraceLine("......Update check failed: " + url + " (" + wxString::FromUTF8(fetched.error) + ")");
        return wxString();
    }
    const wxString offered = FindOfferedVersion(fetched.body, GetProductDisplayName());
    TraceLine("......Update check: " + url + " offers \"" + offered + "\"");
    return offered;
}

UpdateMessage BuildUpdateMessage(const wxString& offeredVersion)
{
    if (offeredVersion.empty())
        return {UpdateOutcome::kFailed, _("Update failed!Please check if the network is available.")};
    const wxString ownVersion = GetProductVersion();
    if (CompareVersions(ownVersion, offeredVersion) < 0)
        return {UpdateOutcome::kNewerOffered, _("A new version of ") + GetProductDisplayName() + "(" +
                                                  offeredVersion +
                                                  _(") is available. Click Yes to open download page.")};
    return {UpdateOutcome::kLatest,
            _("This version of ") + GetProductDisplayName() + "(" + ownVersion + _(") is the latest version.")};
}

bool StartUpdateCheck(const wxString& linksPath, const FetchOptions& options, UpdateResultCallback onResult)
{
    if (checkRunning.exchange(true))
        return false;
    ResultRelay();  // made here, on the user-interface thread

    const DomainOption links(linksPath);
    UpdateCheckInfo* info = new UpdateCheckInfo{links.GetUpdateUrl(), options, std::move(onResult)};
    TaskThread* thread = new TaskThread(info, &DoCheckForUpdate, &FreeUpdateCheckInfo);
    if (thread->Run() != wxTHREAD_NO_ERROR) {
        // The result still arrives through the queue, as a failed check.
        DeliverResult(info->onResult, wxString());
        delete thread;
    }
    return true;
}

void CheckForUpdate()
{
    StartUpdateCheck(GetProductLinksPath(), FetchOptions(), &QueueResultToTopWindow);
}
