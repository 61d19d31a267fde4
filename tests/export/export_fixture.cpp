#include "export_fixture.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include <wx/app.h>

#include "device/detection.h"
#include "device/export_handshake.h"
#include "device/device_table.h"
#include "device/thread_events.h"
#include "support/temp_home.h"

FinishedRecorder::FinishedRecorder()
{
    Bind(EVT_EXPORT_FINISHED, [this](wxCommandEvent& event) {
        ++finished;
        lastOutcome = event.GetInt();
    });
}

bool FinishedRecorder::WaitForFinished(int count)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (finished < count && std::chrono::steady_clock::now() < deadline) {
        wxAppConsole::GetInstance()->ProcessPendingEvents();
        if (finished < count)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return finished == count && WaitForExportWorkersToEnd(60000);
}

TestFolderDevice::TestFolderDevice(const std::string& hint) : root(MakeTempFolder(hint))
{
    std::filesystem::create_directories(root + "/files");
}

void TestFolderDevice::AddFile(const std::string& devicePath, const std::string& bytes) const
{
    WriteTextFile(LocalPath(devicePath), bytes);
}

std::string TestFolderDevice::LocalPath(const std::string& devicePath) const
{
    return root + "/files" + devicePath;
}

void DetectDevices(const std::string& folders)
{
    setenv("HANDOVER_DEVICES", folders.c_str(), 1);
    RunDetection(nullptr);
    unsetenv("HANDOVER_DEVICES");
    wxMutexLocker lock(deviceTable.deviceTableMutex);
    deviceTable.currentIndex = 0;
}

std::set<std::string> FolderEntries(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::string DemoDevicePath(const std::string& name)
{
    return HANDOVER_STAGE_DIR "/demo-devices/" + name;
}
