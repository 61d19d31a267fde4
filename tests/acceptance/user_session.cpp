#include "user_session.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include <gtk/gtk.h>
#include <wx/button.h>
#include <wx/dataview.h>
#include <wx/treectrl.h>

#include "app/language.h"
#include "app/product_paths.h"
#include "support/gui_test.h"
#include "window/base/tw_word_button.h"
#include "window/client/client.h"
#include "window/client/content_list_ctrl.h"
#include "window/client/left_pane.h"
#include "window/client/picture_icon_view.h"
#include "window/client/right_pane.h"
#include "window/export_command.h"
#include "window/tool_bar.h"
#include "window/transfer_frame.h"
#include "window/tw_progress_dialog.h"

namespace fs = std::filesystem;

namespace {

wxPoint Centre(const wxRect& rect)
{
    return wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2);
}

bool ProgressDialogOpen()
{
    for (wxWindow* window : wxTopLevelWindows)
        if (dynamic_cast<TwProgressDialog*>(window) != nullptr)
            return true;
    return false;
}

} // namespace

std::string UserSession::DeviceFolder()
{
    return HANDOVER_STAGE_DIR "/demo-devices/iphone";
}

void UserSession::SetUpTestSuite()
{
    const fs::path prefix = fs::path(std::getenv("HOME")) / "installed";
    const fs::path log = fs::path(std::getenv("HOME")) / "install.log";
    const std::string command = std::string("\"" HANDOVER_CMAKE_COMMAND "\" --install \"" HANDOVER_BUILD_DIR
                                            "\" --prefix \"") + prefix.string() + "\" > \"" + log.string() + "\" 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << FileBytes(log);
    const fs::path program = prefix / HANDOVER_DATA_SUBDIR / "bin" / HANDOVER_PROGRAM_NAME;
    ASSERT_TRUE(fs::exists(program)) << program;
    ASSERT_TRUE(fs::exists(prefix / "bin" / HANDOVER_PROGRAM_NAME));
    SetExecutablePath(wxString::FromUTF8(program.u8string()));
    ASSERT_EQ(GetInstallDir(), wxString::FromUTF8((prefix / HANDOVER_DATA_SUBDIR).u8string()));
}

void UserSession::TearDownTestSuite()
{
    SetExecutablePath(HANDOVER_STAGE_DIR "/bin/" HANDOVER_PROGRAM_NAME);
}

void UserSession::SetUp()
{
    WriteLanguage(kLanguageEnglish);
    setenv("HANDOVER_DEVICES", DeviceFolder().c_str(), 1);
    frame = new TransferFrame(GetMainWindowTitle());
    leftPane = frame->GetClient()->GetLeftPane();
    rightPane = frame->GetClient()->GetRightPane();
    toolBar = frame->GetToolBarPanel();
    frame->Show();
    ASSERT_TRUE(WaitForShown(frame));
    frame->Raise();
    ASSERT_TRUE(WaitFor([this] { return frame->IsDetectionStarted() && leftPane->GetRefreshButton()->IsEnabled(); }));
    ASSERT_TRUE(leftPane->GetNavigationTree()->GetRootItem().IsOk()) << "the demo device was not found";
}

void UserSession::TearDown()
{
    EXPECT_TRUE(WaitFor([this] { return leftPane->GetRefreshButton()->IsEnabled(); }));
    frame->Destroy();
    EXPECT_TRUE(WaitFor([this] { return wxTopLevelWindows.Find(frame) == nullptr; }));
    unsetenv("HANDOVER_DEVICES");
    InstallLocale(kLanguageEnglish);
}

void UserSession::ClickAt(wxWindow* window, const wxPoint& point, bool withControl)
{
    simulator.MouseMove(window->ClientToScreen(point));
    if (withControl)
        simulator.KeyDown(WXK_CONTROL);
    simulator.MouseClick();
    if (withControl)
        simulator.KeyUp(WXK_CONTROL);
}

void UserSession::ClickCentre(wxWindow* window)
{
    ClickAt(window, Centre(wxRect(window->GetClientSize())));
}

bool UserSession::Visit(const wxTreeItemId& node)
{
    wxTreeCtrl* tree = leftPane->GetNavigationTree();
    tree->EnsureVisible(node);
    PumpPendingEvents();
    wxRect rect;
    if (!tree->GetBoundingRect(node, rect, true))
        return false;
    ClickAt(tree, Centre(rect));
    return WaitFor([&] { return tree->GetSelection() == node; });
}

bool UserSession::ClickCell(wxDataViewCtrl* list, unsigned row, unsigned column)
{
    // The rows are drawn by GTK's tree view: its own cell geometry, on its
    // own drawing window, is what the pointer must hit.
    GtkTreeView* view = GTK_TREE_VIEW(list->GtkGetTreeView());
    GtkTreeViewColumn* gtkColumn = gtk_tree_view_get_column(view, static_cast<int>(column));
    GtkTreePath* path = gtk_tree_path_new_from_indices(static_cast<int>(row), -1);
    wxPoint target;
    wxRect lastCell;
    int steadyPolls = 0;
    const bool placed = gtkColumn != nullptr && WaitFor([&] {
        GdkWindow* bin = gtk_tree_view_get_bin_window(view);
        if (bin == nullptr)
            return false;
        GdkRectangle cell;
        gtk_tree_view_get_cell_area(view, path, gtkColumn, &cell);
        const int x = cell.x + cell.width / 2;
        const int y = cell.y + cell.height / 2;
        GtkTreePath* under = nullptr;
        if (cell.height <= 0 || cell.y < 0 || cell.y + cell.height > gdk_window_get_height(bin)) {
            // Not (wholly) on screen: scrolled there again, as a scroll
            // asked for before the list had its size is lost.
            gtk_tree_view_scroll_to_cell(view, path, nullptr, TRUE, 0.5, 0);
            return false;
        }
        // GTK measures rows of several lines in idle time: the geometry
        // counts once it has stayed the same for a few rounds of events.
        const wxRect now(cell.x, cell.y, cell.width, cell.height);
        steadyPolls = now == lastCell ? steadyPolls + 1 : 0;
        lastCell = now;
        if (steadyPolls < 3 || !gtk_tree_view_get_path_at_pos(view, x, y, &under, nullptr, nullptr, nullptr))
            return false;
        const bool same = gtk_tree_path_compare(under, path) == 0;
        gtk_tree_path_free(under);
        int originX = 0;
        int originY = 0;
        gdk_window_get_origin(bin, &originX, &originY);
        target = wxPoint(originX + x, originY + y);
        return same;
    });
    gtk_tree_path_free(path);
    if (!placed)
        return false;
    simulator.MouseMove(target);
    simulator.MouseClick();
    return true;
}

bool UserSession::Tick(ContentListCtrl* list, unsigned row)
{
    return ClickCell(list, row, 0) && WaitFor([&] { return list->Model().Ticks().IsTicked(row); });
}

bool UserSession::SelectIcon(PictureIconView* icons, long item, bool withControl)
{
    icons->EnsureVisible(item);
    PumpPendingEvents();
    wxRect rect;
    if (!icons->GetItemRect(item, rect, wxLIST_RECT_ICON))
        return false;
    ClickAt(icons, Centre(rect), withControl);
    return WaitFor([&] { return icons->IsSelected(item); });
}

bool UserSession::ExportInto(const fs::path& folder)
{
    fs::create_directories(folder);
    int questions = 0;
    ScopedExportFolderChooser chooser([&](wxWindow*) {
        ++questions;
        return wxString::FromUTF8(folder.u8string());
    });
    ClickCentre(toolBar->GetExportButton());
    // The progress dialog's own loop runs inside this wait; it ends with the
    // export's completion event.
    return WaitFor([&] { return questions == 1 && !ProgressDialogOpen(); }, 3 * kGuiWaitTimeoutMs) &&
           questions == 1;
}

fs::path UserSession::Target(const char* name) const
{
    const fs::path folder = fs::path(std::getenv("HOME")) / "exports" / name;
    fs::remove_all(folder);
    return folder;
}

DeviceContentView* UserSession::ContentView() const
{
    return rightPane->GetDeviceContentView();
}

std::string FileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> FileNames(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.push_back(entry.path().filename().u8string());
    std::sort(names.begin(), names.end());
    return names;
}

size_t Occurrences(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}
