// Test main for headless tests: the toolkit's base is initialised (no
// display), HOME points at a temporary folder, and the program's location is
// the staged installation in the build tree.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

#include "app/product_paths.h"
#include "support/temp_home.h"

int main(int argc, char** argv)
{
    TestHome();
    testing::InitGoogleTest(&argc, argv);
    // A console application object, so that queued events can be delivered
    // with wxApp::GetInstance()->ProcessPendingEvents() as the event loop would.
    wxApp::SetInstance(new wxAppConsole);
    wxInitializer initializer(argc, argv);
    if (!initializer.IsOk())
        return 2;
    wxLog::SetLogLevel(wxLOG_FatalError);
    SetExecutablePath(HANDOVER_STAGE_DIR "/bin/" HANDOVER_PROGRAM_NAME);
    return RUN_ALL_TESTS();
}
