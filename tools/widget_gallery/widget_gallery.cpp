// The widget gallery: opens one frame per section, puts the widgets into
// their states, and saves what the screen shows as <folder>/<section>.png.
// Exit status 0 when every screenshot was written.
#include <cstdio>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/frame.h>
#include <wx/fs_arc.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/panel.h>

#include "app/face_options.h"
#include "app/product_paths.h"
#include "gallery_chrome.h"
#include "gallery_sections.h"
#include "gui_probe/gui_probe.h"

namespace {

class GalleryApp : public wxApp {
public:
    bool OnInit() override
    {
        folder_ = argc > 1 ? wxString(argv[1]) : wxString(HANDOVER_STAGE_DIR "/gallery");
        wxLog::SetActiveTarget(new wxLogStderr);
        wxFileSystem::AddHandler(new wxArchiveFSHandler);
        wxImage::AddHandler(new wxPNGHandler);
        SetExecutablePath(HANDOVER_STAGE_DIR "/bin/" HANDOVER_PROGRAM_NAME);
        if (LoadFaceOptions(GetInstallDir() + "/Themes/face.xml") != 0)
            std::fprintf(stderr, "face.xml not found below %s\n", GetInstallDir().utf8_str().data());
        if (!wxDirExists(folder_) && !wxFileName::Mkdir(folder_, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL)) {
            std::fprintf(stderr, "cannot create %s\n", folder_.utf8_str().data());
            return false;
        }
        SetExitOnFrameDelete(false);
        CallAfter([this] {
            failures_ = 0;
            for (const GallerySection& section : GallerySections())
                ShowSection(section);
            failures_ += ShowChromeWindow(folder_);
            GetMainLoop()->Exit(failures_ == 0 ? 0 : 1);
        });
        return true;
    }

private:
    void ShowSection(const GallerySection& section)
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, section.name, wxPoint(0, 0), wxDefaultSize,
                                  wxDEFAULT_FRAME_STYLE);
        frame->SetClientSize(section.size);
        // A frame stretches a lone child; the section builds on this one.
        auto* root = new wxPanel(frame, wxID_ANY, wxPoint(0, 0), section.size);
        root->SetBackgroundColour(wxColour(11, 15, 22));
        const std::function<void()> setStates = section.build(root);
        frame->Show();
        bool ok = WaitForShown(frame);
        setStates();
        PumpPendingEvents();
        const wxString path = folder_ + "/" + section.name + ".png";
        const wxImage shot = CaptureClientArea(root);
        ok = ok && shot.IsOk() && shot.SaveFile(path, wxBITMAP_TYPE_PNG);
        std::printf("%s %s\n", ok ? "wrote" : "FAILED", path.utf8_str().data());
        failures_ += ok ? 0 : 1;
        frame->Destroy();
        PumpPendingEvents();
    }

    wxString folder_;
    int failures_ = 0;
};

} // namespace

wxIMPLEMENT_APP_NO_MAIN(GalleryApp);

int main(int argc, char** argv)
{
    return wxEntry(argc, argv);
}
