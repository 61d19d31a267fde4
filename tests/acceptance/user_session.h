#pragma once
// A user's session with the real main window of the installed program on a
// demo device, driven with
// the real pointer and keyboard (XTest, through wxUIActionSimulator): clicks
// on tree nodes, check boxes, icons and buttons, typing into the search box,
// menus opened from their titles. The folder question of an export is the one
// thing answered without a person (the export command's seam); everything
// after it (the progress dialog, the worker, the completion) runs as it does
// for a user.

#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <wx/treebase.h>
#include <wx/uiaction.h>

class ContentListCtrl;
class DeviceContentView;
class LeftPane;
class PictureIconView;
class RightPane;
class ToolBar;
class TransferFrame;
class wxDataViewCtrl;
class wxWindow;

class UserSession : public testing::Test {
public:
    // The demo device the session looks at, below the staged build tree.
    static std::string DeviceFolder();

    // Installs the build into a prefix below the temporary home and has the
    // program take its data from there; the end of the suite goes back to
    // the build tree.
    static void SetUpTestSuite();
    static void TearDownTestSuite();

protected:
    void SetUp() override;
    void TearDown() override;

    // Moves the pointer over a point of a window (client coordinates) and
    // clicks there, with Ctrl held when asked.
    void ClickAt(wxWindow* window, const wxPoint& point, bool withControl = false);
    void ClickCentre(wxWindow* window);

    // Clicks a node of the navigation tree and waits until it is selected.
    bool Visit(const wxTreeItemId& node);
    // Clicks the middle of a cell of a data-view list (scrolled into view).
    bool ClickCell(wxDataViewCtrl* list, unsigned row, unsigned column);
    // Clicks the check box of a shown row and waits until the row is ticked.
    bool Tick(ContentListCtrl* list, unsigned row);
    // Clicks an icon (Ctrl-click adds to the selection) and waits until the
    // icon is selected.
    bool SelectIcon(PictureIconView* icons, long item, bool withControl);
    // Clicks the export button with the folder question answered by
    // `folder` (made first), and waits until the export's progress dialog has
    // come and gone.
    bool ExportInto(const std::filesystem::path& folder);

    // A fresh folder below the session's temporary home.
    std::filesystem::path Target(const char* name) const;
    DeviceContentView* ContentView() const;

    TransferFrame* frame = nullptr;
    LeftPane* leftPane = nullptr;
    RightPane* rightPane = nullptr;
    ToolBar* toolBar = nullptr;
    wxUIActionSimulator simulator;
};

// The bytes of a file; empty when it cannot be read.
std::string FileBytes(const std::filesystem::path& path);
// The names of the files in a folder, sorted.
std::vector<std::string> FileNames(const std::filesystem::path& folder);
// How often `part` occurs in `text`.
size_t Occurrences(const std::string& text, const std::string& part);
