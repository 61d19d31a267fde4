// The tool bar inside the real main window on the demo iPhone: the menus and
// the language items, the search box over the music list, the view toggles
// and the selection summaries in the status bar.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/menu.h>
#include <wx/splitter.h>
#include <wx/srchctrl.h>
#include <wx/timer.h>
#include <wx/treectrl.h>

#include "app/app_registry.h"
#include "app/domain_option.h"
#include "app/language.h"
#include "app/product_paths.h"
#include "support/gui_test.h"
#include "support/temp_home.h"
#include "window/base/sk_menu_bar.h"
#include "window/base/sk_menu_button.h"
#include "window/base/tw_word_button.h"
#include "device/file_export.h"
#include "window/client/client.h"
#include "window/client/content_list_ctrl.h"
#include "window/client/content_list_model.h"
#include "window/client/device_content_view.h"
#include "window/client/left_pane.h"
#include "window/client/picture_icon_view.h"
#include "window/client/right_pane.h"
#include "window/about_dialog.h"
#include "common/image_util.h"
#include "window/export_command.h"
#include "window/tw_progress_dialog.h"
#include "device/export_handshake.h"
#include "window/status_bar.h"
#include "window/tool_bar.h"
#include "window/transfer_frame.h"

namespace {

const std::string kDemo = HANDOVER_STAGE_DIR "/demo-devices/";


std::vector<wxString> TitleLabels(SKMenuBar* bar)
{
    std::vector<wxString> labels;
    for (SkMenuButton* button : bar->GetButtons())
        labels.push_back(button->GetLabel());
    return labels;
}

class ToolBarTest : public testing::Test {
protected:
    // The folder device the window finds.
    virtual std::string DeviceFolder() { return kDemo + "iphone"; }

    void SetUp() override
    {
        WriteLanguage(kLanguageEnglish);
        const std::string device = DeviceFolder();
        if (device.empty())
            GTEST_SKIP() << "no device for this test";
        setenv("HANDOVER_DEVICES", device.c_str(), 1);
        frame = new TransferFrame(GetMainWindowTitle());
        leftPane = frame->GetClient()->GetLeftPane();
        rightPane = frame->GetClient()->GetRightPane();
        toolBar = frame->GetToolBarPanel();
        frame->Show();
        ASSERT_TRUE(WaitForShown(frame));
        ASSERT_TRUE(WaitForDetection(detectionTimeoutMs));
    }

    void TearDown() override
    {
        if (frame == nullptr)
            return;
        EXPECT_TRUE(WaitForDetection(detectionTimeoutMs));
        frame->Destroy();
        EXPECT_TRUE(WaitFor([this] { return wxTopLevelWindows.Find(frame) == nullptr; }));
        unsetenv("HANDOVER_DEVICES");
        InstallLocale(kLanguageEnglish);
    }

    bool WaitForDetection(int timeoutMs = kGuiWaitTimeoutMs)
    {
        return WaitFor([this] { return frame->IsDetectionStarted() && leftPane->GetRefreshButton()->IsEnabled(); },
                       timeoutMs);
    }

    ContentListCtrl* ShowMusic()
    {
        leftPane->GetNavigationTree()->SelectItem(leftPane->GetCategoryNode(0));
        EXPECT_EQ(rightPane->GetShownView(), RightPane::kDeviceContent);
        return rightPane->GetDeviceContentView()->GetMediaList();
    }

    void Command(wxEventType type, int id)
    {
        wxCommandEvent event(type, id);
        event.SetEventObject(toolBar);
        toolBar->ProcessWindowEvent(event);
    }

    wxString Status() const { return frame->GetStatusBarPanel()->GetStatusText(); }

    int detectionTimeoutMs = kGuiWaitTimeoutMs;
    TransferFrame* frame = nullptr;
    LeftPane* leftPane = nullptr;
    RightPane* rightPane = nullptr;
    ToolBar* toolBar = nullptr;
};

} // namespace

TEST_F(ToolBarTest, MenusHoldTheirCommandsAndTheUntranslatedLanguages)
{
    EXPECT_EQ(TitleLabels(toolBar->GetMenuBar()), (std::vector<wxString>{"File", "Edit", "Advanced", "Help"}));
    EXPECT_EQ(GetRegisteredEditMenu(), toolBar->GetEditMenu());
    ASSERT_NE(toolBar->GetEditMenu()->FindItem(ToolBar::ID_EXPORT_MENU), nullptr);

    wxMenu* languages = toolBar->GetLanguageMenu();
    ASSERT_EQ(languages->GetMenuItemCount(), 7u);
    const LanguageEntry* entries = GetLanguageEntries();
    for (size_t i = 0; i < 7; ++i) {
        wxMenuItem* item = languages->FindItemByPosition(i);
        EXPECT_EQ(item->GetId(), entries[i].code);
        EXPECT_EQ(item->GetItemLabelText(), wxString::FromUTF8(entries[i].label));
        EXPECT_TRUE(item->IsRadio());
        EXPECT_EQ(item->IsChecked(), entries[i].code == kLanguageEnglish) << entries[i].code;
    }

    // Social items appear only with their addresses; without them the menu
    // ends with the separator after "About".
    const DomainOption links(GetProductLinksPath());
    wxMenu* help = toolBar->GetHelpMenu();
    const size_t social = !links.GetFacebookUrl().empty() + !links.GetTwitterUrl().empty() +
                          !links.GetGooglePlusUrl().empty();
    ASSERT_EQ(help->GetMenuItemCount(), 8u + social);
    EXPECT_EQ(help->FindItemByPosition(6)->GetId(), wxID_ABOUT);
    EXPECT_TRUE(help->FindItemByPosition(7)->IsSeparator());

    // A detection disables the device commands; its end enables them again.
    toolBar->EnableCommands(false);
    EXPECT_FALSE(toolBar->GetFileMenu()->IsEnabled(wxID_EXIT));
    EXPECT_FALSE(languages->IsEnabled(kLanguageGerman));
    EXPECT_FALSE(help->IsEnabled(ToolBar::ID_CHECK_UPDATE));
    EXPECT_TRUE(help->IsEnabled(ToolBar::ID_SUPPORT));
    toolBar->EnableCommands(true);
    EXPECT_TRUE(languages->IsEnabled(kLanguageGerman));
    EXPECT_TRUE(toolBar->GetExportButton()->IsEnabled());
}

TEST_F(ToolBarTest, LanguageItemSwitchesToGermanAndBack)
{
    ContentListCtrl* music = ShowMusic();
    const size_t songs = music->Model().ShownCount();
    ASSERT_GT(songs, 1u);

    Command(wxEVT_MENU, kLanguageGerman);
    ASSERT_TRUE(WaitFor([this] { return leftPane->GetRefreshButton()->GetLabel() == "Aktualisieren"; }));
    EXPECT_EQ(ReadTextFile(GetLanguageFilePath().utf8_string()), "89");
    EXPECT_EQ(toolBar->GetLanguageCode(), kLanguageGerman);
    EXPECT_EQ(TitleLabels(toolBar->GetMenuBar()),
              (std::vector<wxString>{"Datei", "Bearbeiten", "Erweitert", "Hilfe"}));
    EXPECT_TRUE(toolBar->GetLanguageMenu()->IsChecked(kLanguageGerman));
    EXPECT_FALSE(toolBar->GetLanguageMenu()->IsChecked(kLanguageEnglish));
    EXPECT_EQ(toolBar->GetLanguageMenu()->GetLabelText(kLanguageChineseSimplified),
              wxString::FromUTF8("中文简体"));
    EXPECT_EQ(toolBar->GetExportButton()->GetLabel(), "Exportieren");
    EXPECT_EQ(toolBar->GetSearchBox()->GetDescriptiveText(), "Suchen");
    // The word is a hint: the music list is not filtered by it.
    EXPECT_EQ(toolBar->GetSearchBox()->GetValue(), "");
    EXPECT_EQ(music->Model().ShownCount(), songs);
    SaveScreenshot(frame, "tool-bar-de", true);

    Command(wxEVT_MENU, kLanguageEnglish);
    ASSERT_TRUE(WaitFor([this] { return leftPane->GetRefreshButton()->GetLabel() == "Refresh"; }));
    EXPECT_EQ(ReadTextFile(GetLanguageFilePath().utf8_string()), "58");
    EXPECT_EQ(TitleLabels(toolBar->GetMenuBar()), (std::vector<wxString>{"File", "Edit", "Advanced", "Help"}));
    EXPECT_TRUE(toolBar->GetLanguageMenu()->IsChecked(kLanguageEnglish));
    EXPECT_FALSE(toolBar->GetLanguageMenu()->IsChecked(kLanguageGerman));

    // Choosing the language already marked still relabels (and keeps the mark).
    Command(wxEVT_MENU, kLanguageEnglish);
    ASSERT_TRUE(WaitFor([this] { return toolBar->GetLanguageMenu()->IsChecked(kLanguageEnglish); }));
}

TEST_F(ToolBarTest, SearchBoxFiltersTheMusicListInAnyCase)
{
    ContentListCtrl* music = ShowMusic();
    const size_t songs = music->Model().ShownCount();
    wxSearchCtrl* box = toolBar->GetSearchBox();

    box->SetValue("fErRy");  // typing raises a text event like this
    ASSERT_EQ(music->Model().ShownCount(), 1u);
    EXPECT_EQ(music->Model().ShownRow(0).texts[0], "Last Ferry");

    box->SetValue("no such song anywhere");
    EXPECT_EQ(music->Model().ShownCount(), 0u);

    // The cancel button clears the box and brings every row back.
    wxCommandEvent cancel(wxEVT_SEARCHCTRL_CANCEL_BTN, ToolBar::ID_SEARCH_BOX);
    cancel.SetEventObject(box);
    box->ProcessWindowEvent(cancel);
    EXPECT_EQ(box->GetValue(), "");
    EXPECT_EQ(music->Model().ShownCount(), songs);

    // Nothing to search while the device summary is shown.
    leftPane->GetNavigationTree()->SelectItem(leftPane->GetNavigationTree()->GetRootItem());
    box->SetValue("ferry");
    EXPECT_EQ(music->Model().ShownCount(), songs);
}

TEST_F(ToolBarTest, TogglesSplitAndUnsplitTheMediaPanelOnce)
{
    ShowMusic();
    auto* splitter = FindRegistered<wxSplitterWindow>(kMediaSplitterSlot);
    ASSERT_NE(splitter, nullptr);
    ASSERT_TRUE(splitter->IsSplit());

    Command(wxEVT_BUTTON, ToolBar::ID_LIST_VIEW);
    EXPECT_FALSE(splitter->IsSplit());
    Command(wxEVT_BUTTON, ToolBar::ID_LIST_VIEW);
    EXPECT_FALSE(splitter->IsSplit());

    Command(wxEVT_BUTTON, ToolBar::ID_FILTER_VIEW);
    ASSERT_TRUE(splitter->IsSplit());
    const int sash = splitter->GetSashPosition();
    Command(wxEVT_BUTTON, ToolBar::ID_FILTER_VIEW);
    EXPECT_TRUE(splitter->IsSplit());
    EXPECT_EQ(splitter->GetSashPosition(), sash);
}

TEST_F(ToolBarTest, TickedSongsAreSummarisedInTheStatusBar)
{
    ContentListCtrl* music = ShowMusic();
    auto tick = [music](unsigned row, bool on) {
        music->GetModel()->ChangeValue(wxVariant(on), music->Model().GetItem(row), 0);
    };
    tick(0, true);
    EXPECT_TRUE(Status().StartsWith("Select 1 item")) << Status();
    EXPECT_FALSE(Status().StartsWith("Select 1 items"));
    tick(1, true);
    EXPECT_TRUE(Status().StartsWith("Select 2 items")) << Status();
    tick(0, false);
    tick(1, false);
    EXPECT_EQ(Status(), "");
}

TEST_F(ToolBarTest, SummaryTextsForNoneOneAndMany)
{
    struct Case {
        size_t count;
        std::uint64_t total;
        bool withSize;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, false, ""},
        {0, 0, true, ""},
        {1, 0, true, "Select 1 item"},
        {1, 2048, false, "Select 1 item"},
        {2, 0, false, "Select 2 items"},
        {2, 1024 * 1024 + 512 * 1024, true, "Select 2 items, total 1.50MB"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatSelectionSummary({c.count, c.total}, c.withSize), c.text) << c.count << " " << c.total;

    Command(wxEVT_MENU, kLanguageGerman);
    ASSERT_TRUE(WaitFor([this] { return leftPane->GetRefreshButton()->GetLabel() == "Aktualisieren"; }));
    EXPECT_EQ(FormatSelectionSummary({2, 0}, true), wxString::FromUTF8("2 Elemente ausgewählt"));
    Command(wxEVT_MENU, kLanguageEnglish);
    ASSERT_TRUE(WaitFor([this] { return leftPane->GetRefreshButton()->GetLabel() == "Refresh"; }));
}

namespace {

std::set<std::string> FilesIn(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().u8string());
    return names;
}

} // namespace

TEST_F(ToolBarTest, ExportOfTwoTickedSongsWritesExactlyThoseFiles)
{
    const std::filesystem::path folder = std::filesystem::path(std::getenv("HOME")) / "export-two-songs";
    std::filesystem::create_directories(folder);
    int questions = 0;
    ScopedExportFolderChooser chooser([&](wxWindow*) {
        ++questions;
        return wxString::FromUTF8(folder.u8string());
    });

    ContentListCtrl* music = ShowMusic();
    ASSERT_GT(music->Model().ShownCount(), 3u);
    const unsigned picked[] = {1, 3};
    std::set<std::string> expected;
    std::set<std::string> second;
    for (unsigned row : picked) {
        music->GetModel()->ChangeValue(wxVariant(true), music->Model().GetItem(row), 0);
        const ContentRow& shown = music->Model().ShownRow(row);
        const wxString stem = ExportFileStem(shown.texts[0], shown.path);
        const wxString extension = ExportExtension(shown.path);
        expected.insert((stem + extension).utf8_string());
        second.insert((stem + "(1)" + extension).utf8_string());
    }

    Command(wxEVT_BUTTON, ToolBar::ID_EXPORT_BUTTON);
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(FilesIn(folder), expected);
    for (const std::string& name : expected)
        EXPECT_GT(std::filesystem::file_size(folder / std::filesystem::u8path(name)), 0u) << name;

    // A second export never overwrites: the names take the first free number.
    Command(wxEVT_MENU, ToolBar::ID_EXPORT_MENU);
    std::set<std::string> both = expected;
    both.insert(second.begin(), second.end());
    EXPECT_EQ(FilesIn(folder), both);

    // A cancelled folder question exports nothing.
    ScopedExportFolderChooser cancel([&](wxWindow*) { return wxString(); });
    Command(wxEVT_BUTTON, ToolBar::ID_EXPORT_BUTTON);
    EXPECT_EQ(FilesIn(folder).size(), 4u);
    SaveScreenshot(frame, "tool-bar-en", true);
    std::filesystem::remove_all(folder);
}

TEST_F(ToolBarTest, NothingTickedExportsTheWholeList)
{
    const std::filesystem::path folder = std::filesystem::path(std::getenv("HOME")) / "export-all-songs";
    std::filesystem::create_directories(folder);
    ScopedExportFolderChooser chooser([&](wxWindow*) { return wxString::FromUTF8(folder.u8string()); });
    ContentListCtrl* music = ShowMusic();
    toolBar->GetSearchBox()->SetValue("northern");
    const size_t shown = music->Model().ShownCount();
    ASSERT_GT(shown, 1u);
    EXPECT_EQ(ExportRowsOf(*music).size(), shown);

    Command(wxEVT_BUTTON, ToolBar::ID_EXPORT_BUTTON);
    EXPECT_EQ(FilesIn(folder).size(), shown);
    std::filesystem::remove_all(folder);
}

TEST_F(ToolBarTest, ContactsWithTheSecondRowTickedExportThatContactToAPage)
{
    const std::filesystem::path folder = std::filesystem::path(std::getenv("HOME")) / "export-contacts";
    std::filesystem::create_directories(folder);
    ScopedExportFolderChooser chooser([&](wxWindow*) { return wxString::FromUTF8(folder.u8string()); });
    leftPane->GetNavigationTree()->SelectItem(leftPane->GetCategoryNode(11));
    ContentListCtrl* contacts = rightPane->GetDeviceContentView()->GetContactList();
    ASSERT_EQ(rightPane->GetDeviceContentView()->ShownSubView(), DeviceContentView::kContacts);
    ASSERT_GT(contacts->Model().ShownCount(), 2u);
    contacts->GetModel()->ChangeValue(wxVariant(true), contacts->Model().GetItem(1), 0);
    EXPECT_EQ(ExportRowsOf(*contacts), std::vector<unsigned>{1});

    Command(wxEVT_BUTTON, ToolBar::ID_EXPORT_BUTTON);
    EXPECT_EQ(FilesIn(folder), std::set<std::string>{"Contacts.html"});
    const std::string page = ReadTextFile((folder / "Contacts.html").string());
    EXPECT_NE(page.find(contacts->Model().ShownRow(1).texts[0].utf8_string()), std::string::npos);
    EXPECT_EQ(page.find(contacts->Model().ShownRow(2).texts[0].utf8_string()), std::string::npos);
    std::filesystem::remove_all(folder);
}

TEST_F(ToolBarTest, IconViewExportsTheSelectedPictures)
{
    const std::filesystem::path folder = std::filesystem::path(std::getenv("HOME")) / "export-pictures";
    std::filesystem::create_directories(folder);
    ScopedExportFolderChooser chooser([&](wxWindow*) { return wxString::FromUTF8(folder.u8string()); });
    leftPane->GetNavigationTree()->SelectItem(leftPane->GetCategoryNode(10));
    DeviceContentView* view = rightPane->GetDeviceContentView();
    ASSERT_EQ(view->ShownSubView(), DeviceContentView::kPhotoIcons);
    PictureIconView* icons = view->GetPhotoIconView();
    ASSERT_GT(icons->GetItemCount(), 3);
    icons->Select(0, false);
    icons->Select(2);
    icons->Select(3);

    Command(wxEVT_BUTTON, ToolBar::ID_EXPORT_BUTTON);
    EXPECT_EQ(FilesIn(folder).size(), 2u);
    std::filesystem::remove_all(folder);
}

TEST_F(ToolBarTest, DeviceSummaryExportsAllMusic)
{
    const std::filesystem::path folder = std::filesystem::path(std::getenv("HOME")) / "export-device-music";
    std::filesystem::create_directories(folder);
    ScopedExportFolderChooser chooser([&](wxWindow*) { return wxString::FromUTF8(folder.u8string()); });
    const size_t songs = ShowMusic()->Model().ShownCount();
    leftPane->GetNavigationTree()->SelectItem(leftPane->GetNavigationTree()->GetRootItem());
    ASSERT_EQ(rightPane->GetShownView(), RightPane::kDeviceInfo);

    Command(wxEVT_BUTTON, ToolBar::ID_EXPORT_BUTTON);
    EXPECT_EQ(FilesIn(folder).size(), songs);
    std::filesystem::remove_all(folder);
}

namespace {

// A folder device whose music list starts with a long recording, a sparse
// 1 GiB file (no disk space on the device's side), before two short songs:
// copying it takes long enough to be stopped in the middle.
class ExportStopTest : public ToolBarTest {
protected:
    static constexpr std::uintmax_t kLongBytes = std::uintmax_t(1) << 30;

    std::string DeviceFolder() override
    {
        device_ = std::filesystem::path(std::getenv("HOME")) / "stop-device";
        std::filesystem::remove_all(device_);
        const struct {
            const char* title;
            const char* path;
            std::uintmax_t bytes;
        } songs[] = {
            {"Aria (long take)", "/iTunes_Control/Music/F00/aria.m4a", kLongBytes},
            {"Ballad", "/iTunes_Control/Music/F00/ballad.mp3", 300 * 1024},
            {"Coda", "/iTunes_Control/Music/F01/coda.mp3", 200 * 1024},
        };
        std::string items;
        for (const auto& song : songs) {
            const std::filesystem::path file = device_ / ("files" + std::string(song.path));
            std::filesystem::create_directories(file.parent_path());
            std::ofstream(file, std::ios::binary) << "ID3";
            std::filesystem::resize_file(file, song.bytes);
            items += std::string("<dict><key>title</key><string>") + song.title +
                     "</string><key>genre</key><string>Classical</string>"
                     "<key>artist</key><string>Quartet</string><key>album</key><string>Stops</string>"
                     "<key>path</key><string>" + song.path + "</string><key>time</key><integer>60000</integer>"
                     "<key>size</key><integer>" + std::to_string(song.bytes) + "</integer></dict>";
        }
        const std::string header = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">";
        std::filesystem::create_directories(device_ / "lists");
        std::ofstream(device_ / "device.plist")
            << header << "<dict><key>DeviceName</key><string>Stop iPhone</string>"
            << "<key>Type</key><string>iPhone</string><key>Version</key><string>9.1</string></dict></plist>";
        std::ofstream(device_ / "lists" / "music.plist")
            << header << "<dict><key>number</key><integer>3</integer><key>item</key><array>" << items
            << "</array></dict></plist>";
        return device_.string();
    }

    void TearDown() override
    {
        ToolBarTest::TearDown();
        std::filesystem::remove_all(device_);
    }

    std::filesystem::path device_;
};

TwProgressDialog* ShownProgressDialog()
{
    for (wxWindow* window : wxTopLevelWindows)
        if (auto* dialog = dynamic_cast<TwProgressDialog*>(window); dialog != nullptr && dialog->IsModal())
            return dialog;
    return nullptr;
}

} // namespace

TEST_F(ExportStopTest, ClosingTheProgressDialogMidCopyStopsWithoutAPartialFile)
{
    const std::filesystem::path folder = std::filesystem::path(std::getenv("HOME")) / "export-stopped";
    std::filesystem::create_directories(folder);
    ScopedExportFolderChooser chooser([&](wxWindow*) { return wxString::FromUTF8(folder.u8string()); });
    ContentListCtrl* music = ShowMusic();
    ASSERT_EQ(music->Model().ShownCount(), 3u);
    ASSERT_EQ(music->Model().ShownRow(0).texts[0], "Aria (long take)");

    // The user's close box while the long recording is being copied: the
    // close asks for the stop and waits for the worker, and the dialog stays
    // until the worker's completion event ends it.
    int percentAtClose = -1;
    wxString textAtClose;
    bool shownAfterClose = false;
    wxTimer watcher;
    watcher.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        TwProgressDialog* dialog = ShownProgressDialog();
        if (dialog == nullptr || percentAtClose >= 0)
            return;
        const int percent = dialog->Progress().GetPercent();
        if (percent <= 0 || percent >= 100)
            return;
        percentAtClose = percent;
        textAtClose = dialog->Progress().GetText();
        dialog->Close();
        shownAfterClose = dialog->IsShown() && dialog->IsModal();
        watcher.Stop();
    });
    watcher.Start(5);
    Command(wxEVT_BUTTON, ToolBar::ID_EXPORT_BUTTON);
    watcher.Stop();

    EXPECT_GT(percentAtClose, 0);
    EXPECT_LT(percentAtClose, 100);
    EXPECT_EQ(textAtClose, "Exporting 1 of 3 items: Aria (long take)");
    EXPECT_TRUE(shownAfterClose);
    EXPECT_EQ(ShownProgressDialog(), nullptr);
    EXPECT_FALSE(IsExportRunning());
    // The abandoned copy left nothing behind, and the songs after it were not copied.
    EXPECT_EQ(FilesIn(folder), std::set<std::string>());
    std::filesystem::remove_all(folder);
}

TEST_F(ToolBarTest, AboutShowsTheAboutDialogUntilItsCloseButton)
{
    wxString shownTitle;
    wxSize shownSize;
    // Runs inside the dialog's modal loop (again until the dialog is there).
    std::function<void()> closeAbout = [&] {
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* about = dynamic_cast<AboutDialog*>(window); about != nullptr && about->IsModal()) {
                shownTitle = about->GetTitle();
                shownSize = about->GetSize();
                SaveScreenshot(frame, "about-over-main-window", true);
                wxWindow* close = about->FindWindow(AboutDialogBase::ID_TITLE_CLOSE);
                SendMouse(close, wxEVT_ENTER_WINDOW);
                SendMouse(close, wxEVT_LEFT_DOWN);
                SendMouse(close, wxEVT_LEFT_UP);
                return;
            }
        toolBar->CallAfter(closeAbout);
    };
    toolBar->CallAfter(closeAbout);
    Command(wxEVT_MENU, wxID_ABOUT);
    EXPECT_EQ(shownTitle, "About");
    EXPECT_EQ(shownSize, GetThemeBitmap(kAboutBackgroundName).GetSize());
    for (wxWindow* window : wxTopLevelWindows)
        EXPECT_EQ(dynamic_cast<AboutDialog*>(window), nullptr);
}

namespace {

// The large synthetic device (make -C build demo-device-large), when
// HANDOVER_LARGE_DEVICE names it; skipped otherwise.
class LargeDeviceExportTest : public ToolBarTest {
protected:
    LargeDeviceExportTest() { detectionTimeoutMs = 300000; }

    std::string DeviceFolder() override
    {
        const char* folder = std::getenv("HANDOVER_LARGE_DEVICE");
        return folder != nullptr ? folder : "";
    }
};

} // namespace

TEST_F(LargeDeviceExportTest, ProgressDialogShowsTheRunningExportOfAllSongsUntilItIsStopped)
{
    const std::filesystem::path folder = std::filesystem::path(std::getenv("HOME")) / "export-large";
    std::filesystem::create_directories(folder);
    ScopedExportFolderChooser chooser([&](wxWindow*) { return wxString::FromUTF8(folder.u8string()); });
    const size_t songs = ShowMusic()->Model().ShownCount();
    ASSERT_GT(songs, 1000u);

    // Once the dialog shows a few percent of the export, leave a picture and close it.
    wxString shownText;
    wxTimer watcher;
    watcher.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        TwProgressDialog* dialog = ShownProgressDialog();
        if (dialog == nullptr || !shownText.empty() || dialog->GetShownPercent() == 0 ||
            !dialog->GetShownText().StartsWith("Exporting "))
            return;
        watcher.Stop();
        shownText = dialog->GetShownText();
        SaveScreenshot(frame, "progress-dialog-large-device", true);
        dialog->Close();
    });
    watcher.Start(50);
    Command(wxEVT_BUTTON, ToolBar::ID_EXPORT_BUTTON);
    watcher.Stop();

    EXPECT_TRUE(shownText.StartsWith("Exporting ")) << shownText;
    EXPECT_NE(shownText.Find(wxString::Format(" of %zu items: ", songs)), wxNOT_FOUND) << shownText;
    EXPECT_FALSE(IsExportRunning());
    EXPECT_LT(FilesIn(folder).size(), songs);
    std::filesystem::remove_all(folder);
}
