// Test main for GUI tests: a plain wxApp on the X display, the archive and
// image handlers the theme needs, HOME in a temporary folder, the staged build
// tree as the program's location and the theme options loaded. The tests run
// from the application's main loop, so WaitFor can pump a live loop.
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/filesys.h>
#include <wx/fs_arc.h>
#include <wx/image.h>
#include <wx/log.h>

#include "app/face_options.h"
#include "app/product_paths.h"
#include "support/gui_test.h"
#include "support/temp_home.h"

namespace {

int testResult = 1;

void OnAssertion(const wxString& file, int line, const wxString& function, const wxString& condition,
                 const wxString& message)
{
    const wxString text = message.empty() ? condition : message;
    if (AssertionCatcher::Record(text))
        return;
    ADD_FAILURE_AT(file.utf8_str().data(), line)
        << "toolkit assertion in " << function.utf8_str().data() << ": " << text.utf8_str().data();
}

class GuiTestApp : public wxApp {
public:
    bool OnInit() override
    {
        // Not wxApp::OnInit: the command line belongs to GoogleTest.
        wxLog::SetActiveTarget(new wxLogStderr);
        wxSetAssertHandler(OnAssertion);
        wxFileSystem::AddHandler(new wxArchiveFSHandler);
        wxImage::AddHandler(new wxPNGHandler);
        wxImage::AddHandler(new wxJPEGHandler);
        SetExecutablePath(HANDOVER_STAGE_DIR "/bin/" HANDOVER_PROGRAM_NAME);
        LoadFaceOptions(GetInstallDir() + "/Themes/face.xml");
        SetExitOnFrameDelete(false);
        CallAfter([this] {
            testResult = RUN_ALL_TESTS();
            ExitMainLoop();
        });
        return true;
    }
};

} // namespace

int main(int argc, char** argv)
{
    TestHome();
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests (done by the build) needs no display.
    if (testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();

    if (std::getenv("DISPLAY") == nullptr) {
        std::fprintf(stderr, "GUI tests need an X display: run them under xvfb-run.\n");
        return 2;
    }
    wxApp::SetInstance(new GuiTestApp);
    return wxEntry(argc, argv) == 0 ? testResult : 1;
}
