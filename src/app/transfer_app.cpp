#include "app/transfer_app.h"

#include <cstdio>

#include <wx/datetime.h>
#include <wx/debugrpt.h>
#include <wx/filesys.h>
#include <wx/frame.h>
#include <wx/fs_arc.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/stdpaths.h>

#include "app/crash_report.h"
#include "app/face_options.h"
#include "app/product_paths.h"
#include "app/update_check.h"
#include "device/thread_events.h"
#include "window/update_result.h"

TransferApp::TransferApp()
{
    for (wxWindow*& slot : registry_)
        slot = nullptr;
    wxHandleFatalExceptions(true);
}

wxWindow* TransferApp::GetRegistered(int slot) const
{
    return slot >= 0 && slot < kRegistrySize ? registry_[slot] : nullptr;
}

void TransferApp::Register(int slot, wxWindow* window)
{
    if (slot >= 0 && slot < kRegistrySize)
        registry_[slot] = window;
}

bool TransferApp::OnInit()
{
    if (!wxApp::OnInit())
        return false;

    // The data lives beside the real binary, even when started through a link.
    SetExecutablePath(wxStandardPaths::Get().GetExecutablePath());

    wxFileSystem::AddHandler(new wxArchiveFSHandler);
    wxImage::AddHandler(new wxPNGHandler);
    wxImage::AddHandler(new wxJPEGHandler);

    LoadFaceOptions(GetInstallDir() + "/Themes/face.xml");
    wxLog::SetLogLevel(wxLOG_FatalError);

    // The main window arrives with the window issues; a plain frame holds its place.
    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, GetMainWindowTitle());
    Register(0, frame);
    // Until the tool bar's Help menu exists, a plain menu bar starts the update check.
    wxMenu* help = new wxMenu;
    const int checkForUpdateId = wxWindow::NewControlId();
    help->Append(checkForUpdateId, _("Check for Update"));
    wxMenuBar* menuBar = new wxMenuBar;
    menuBar->Append(help, _("Help"));
    frame->SetMenuBar(menuBar);
    frame->Bind(wxEVT_MENU, [](wxCommandEvent&) { CheckForUpdate(); }, checkForUpdateId);
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
