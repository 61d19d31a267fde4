#include "app/transfer_app.h"

#include <cstdio>

#include <wx/datetime.h>
#include <wx/debugrpt.h>
#include <wx/filesys.h>
#include <wx/fs_arc.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/stdpaths.h>

#include "app/crash_report.h"
#include "app/face_options.h"
#include "app/product_paths.h"
#include "app/trace.h"
#include "device/thread_events.h"
#include "window/transfer_frame.h"
#include "window/update_result.h"

TransferApp::TransferApp()
{
    wxHandleFatalExceptions(true);
}

bool TransferApp::OnInit()
{
    if (!wxApp::OnInit())
        return false;

    // The data lives beside the real binary, even when started through a link.
    SetExecutablePath(wxStandardPaths::Get().GetExecutablePath());
    TraceLine("......Install dir: " + GetInstallDir());
    for (const wxString& file : FindMissingInstallFiles(GetInstallDir()))
        TraceLine("......Missing install file: " + file);

    wxFileSystem::AddHandler(new wxArchiveFSHandler);
    wxImage::AddHandler(new wxPNGHandler);
    wxImage::AddHandler(new wxJPEGHandler);

    LoadFaceOptions(GetInstallDir() + "/Themes/face.xml");
    wxLog::SetLogLevel(wxLOG_FatalError);

    TransferFrame* frame = new TransferFrame(GetMainWindowTitle());
    Register(kMainFrameSlot, frame);
    // The update check queues its result to the top window.
    frame->Bind(EVT_UPDATE_RESULT, [frame](wxCommandEvent& event) { ShowUpdateResult(frame, event.GetString()); });
    frame->Show();
    return true;
}

void TransferApp::OnFatalException()
{
    wxDebugReportCompress* report = new wxDebugReportCompress;
    report->AddAll(wxDebugReport::Context_Exception);

    const wxString folder = report->GetDirectory();
    const wxString stampPath = folder + "/timestamp.my";
    if (FILE* stamp = std::fopen(stampPath.fn_str(), "w")) {
        const wxScopedCharBuffer text = FormatReportTimestamp(wxDateTime::Now()).utf8_str();
        std::fputs(text.data(), stamp);
        std::fclose(stamp);
    }
    report->SetCompressedFileDirectory(folder);
    report->AddFile("timestamp.my", "timestamp of this report");

    const wxString message = BuildCrashMessage(folder);
    if (report->Process()) {
        wxMessageBox(message, wxMessageBoxCaptionStr, wxOK | wxCENTRE, nullptr);
        OpenFolderInExplorer(folder);
        report->Reset();
    }
    delete report;
}

// The factory is registered here rather than beside main() so that tests which
// build their own TransferApp can reach wxGetApp().
wxIMPLEMENT_APP_NO_MAIN(TransferApp);
