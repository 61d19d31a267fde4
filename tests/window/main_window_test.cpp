// The main window on the demo devices: start-up and the first detection, the
// selector and the navigation tree, a failing device, picking another device,
// switching views, the live language switch, resizing and closing.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/gauge.h>
#include <wx/stattext.h>
#include <wx/treectrl.h>

#include "app/app_registry.h"
#include "app/language.h"
#include "app/product_paths.h"
#include "device/device_table.h"
#include "device/thread_events.h"
#include "support/gui_test.h"
#include "support/temp_home.h"
#include "window/base/sk_title_bar.h"
#include "window/client/client.h"
#include "window/client/left_pane.h"
#include "window/client/navigation_tree_ctrl_data.h"
#include "window/client/no_device_view.h"
#include "window/client/content_list_ctrl.h"
#include "window/client/device_content_view.h"
#include "window/client/device_info_view.h"
#include "window/client/picture_icon_view.h"
#include "window/client/tw_kind_message_window.h"
#include "window/client/right_pane.h"
#include "window/client/selection_combo_box_data.h"
#include "window/message_box.h"
#include "window/status_bar.h"
#include "window/tool_bar.h"
#include "window/transfer_frame.h"

namespace {

const std::string kDemo = HANDOVER_STAGE_DIR "/demo-devices/";
const char* const kDetectLine = "TransferFrame::OnIdle detect device: \n";

struct ShownBox {
    wxString message;
    wxString caption;
};

std::vector<wxString> ChildLabels(wxTreeCtrl* tree, const wxTreeItemId& parent)
{
    std::vector<wxString> labels;
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = tree->GetFirstChild(parent, cookie); child.IsOk();
         child = tree->GetNextChild(parent, cookie))
        labels.push_back(tree->GetItemText(child));
    return labels;
}

// Test texts are UTF-8; wxString would read a plain char* in the C library's encoding.
std::vector<wxString> Texts(std::initializer_list<const char*> utf8)
{
    std::vector<wxString> texts;
    for (const char* text : utf8)
        texts.push_back(wxString::FromUTF8(text));
    return texts;
}

std::vector<wxString> SelectorEntries(wxComboBox* selector)
{
    std::vector<wxString> entries;
    for (unsigned i = 0; i < selector->GetCount(); ++i)
        entries.push_back(selector->GetString(i));
    return entries;
}

int CurrentIndex()
{
    wxMutexLocker lock(deviceTable.deviceTableMutex);
    return deviceTable.currentIndex;
}


class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        WriteLanguage(kLanguageEnglish);
        handler = std::make_unique<ScopedMessageBoxHandler>(
            [this](const wxString& message, const wxString& caption, long, wxWindow*) {
                boxes.push_back({message, caption});
                return wxOK;
            });
    }

    void TearDown() override
    {
        if (frame != nullptr) {
            // A detection still running would report to the destroyed pane.
            EXPECT_TRUE(WaitForDetection());
            frame->Destroy();
            EXPECT_TRUE(WaitFor([this] { return wxTopLevelWindows.Find(frame) == nullptr; }));
        }
        unsetenv("HANDOVER_DEVICES");
        InstallLocale(kLanguageEnglish);
    }

    // Builds the frame over the given demo devices, without showing it.
    void Build(const std::vector<std::string>& devices)
    {
        std::string list;
        for (const std::string& device : devices)
            list += (list.empty() ? "" : ":") + kDemo + device;
        setenv("HANDOVER_DEVICES", list.c_str(), 1);
        frame = new TransferFrame(GetMainWindowTitle());
        leftPane = frame->GetClient()->GetLeftPane();
        rightPane = frame->GetClient()->GetRightPane();
        tree = leftPane->GetNavigationTree();
        selector = leftPane->GetDeviceSelector();
    }

    // Shows the frame and waits until its first idle moment has started detection.
    bool ShowAndStart()
    {
        frame->Show();
        return WaitForShown(frame) && WaitFor([this] { return frame->IsDetectionStarted(); });
    }

    bool WaitForDetection()
    {
        return WaitFor([this] { return frame->IsDetectionStarted() && leftPane->GetRefreshButton()->IsEnabled(); });
    }

    void Start(const std::vector<std::string>& devices)
    {
        Build(devices);
        ASSERT_TRUE(ShowAndStart());
        ASSERT_TRUE(WaitForDetection());
    }

    void PickDevice(int index)
    {
        selector->SetSelection(index);
        wxCommandEvent picked(wxEVT_COMBOBOX, selector->GetId());
        picked.SetEventObject(selector);
        picked.SetInt(index);
        selector->GetEventHandler()->ProcessEvent(picked);
    }

    const NavigationTreeCtrlData* DataOf(const wxTreeItemId& item) const
    {
        return static_cast<const NavigationTreeCtrlData*>(tree->GetItemData(item));
    }

    std::vector<ShownBox> boxes;
    std::unique_ptr<ScopedMessageBoxHandler> handler;
    TransferFrame* frame = nullptr;
    LeftPane* leftPane = nullptr;
    RightPane* rightPane = nullptr;
    wxTreeCtrl* tree = nullptr;
    wxComboBox* selector = nullptr;
};

} // namespace

TEST_F(MainWindowTest, StartUpDetectsOnceShowingGettingStartedMeanwhile)
{
    testing::internal::CaptureStdout();
    Build({"iphone", "ipad"});
    EXPECT_EQ(GetRegisteredWindow(kLeftPaneSlot), leftPane);
    EXPECT_EQ(GetRegisteredWindow(kStatusBarSlot), frame->GetStatusBarPanel());
    EXPECT_EQ(rightPane->GetShownView(), RightPane::kNoView);

    // Idle moments before the frame is shown start nothing.
    wxIdleEvent idle;
    frame->ProcessWindowEvent(idle);
    EXPECT_FALSE(frame->IsDetectionStarted());

    StatusBar* statusBar = frame->GetStatusBarPanel();
    {
        // The detection thread waits for the table while we look at the window.
        wxMutexLocker hold(deviceTable.deviceTableMutex);
        ASSERT_TRUE(ShowAndStart());
        EXPECT_EQ(rightPane->GetShownView(), RightPane::kNoDevice);
        EXPECT_TRUE(rightPane->GetNoDeviceView()->IsShownOnScreen());
        EXPECT_EQ(statusBar->GetStatusText(), "Detecting ...");
        EXPECT_TRUE(statusBar->GetGauge()->IsShown());
        EXPECT_FALSE(leftPane->GetRefreshButton()->IsEnabled());
        EXPECT_EQ(selector->GetCount(), 0u);
        EXPECT_EQ(tree->GetCount(), 0u);
        SaveScreenshot(frame, "getting-started-en");
    }
    ASSERT_TRUE(WaitForDetection());
    for (int i = 0; i < 3; ++i)
        frame->ProcessWindowEvent(idle);
    PumpPendingEvents();

    const std::string out = testing::internal::GetCapturedStdout();
    size_t lines = 0;
    for (size_t at = out.find(kDetectLine); at != std::string::npos; at = out.find(kDetectLine, at + 1))
        ++lines;
    EXPECT_EQ(lines, 1u) << out;
    EXPECT_TRUE(boxes.empty());

    EXPECT_EQ(SelectorEntries(selector), (std::vector<wxString>{"Anna's iPhone", "Anna's iPad"}));
    EXPECT_EQ(selector->GetSelection(), 0);
    EXPECT_EQ(statusBar->GetStatusText(), "");
    EXPECT_FALSE(statusBar->GetGauge()->IsShown());
    EXPECT_EQ(statusBar->GetGauge()->GetValue(), 0);

    // The device node, selected, with every category and its count.
    const wxTreeItemId root = tree->GetRootItem();
    ASSERT_TRUE(root.IsOk());
    EXPECT_EQ(tree->GetItemText(root), "Anna's iPhone");
    EXPECT_EQ(tree->GetItemImage(root), 1);
    EXPECT_EQ(tree->GetSelection(), root);
    EXPECT_EQ(ChildLabels(tree, root),
              (std::vector<wxString>{"Music (40)", "Movies (3)", "TV Shows (4)", "Podcasts (4)", "Audiobooks (1)",
                                     "Books (2)", "Ringtones (3)", "Playlists (2)", "Voice Memos (3)",
                                     "Camera Roll (62)", "Photos (30)", "Contacts (15)", "Messages (5)",
                                     "Notes (5)", "Safari (8)"}));
    EXPECT_EQ(ChildLabels(tree, leftPane->GetCategoryNode(5)), (std::vector<wxString>{"Books (4)", "PDFs (2)"}));
    EXPECT_EQ(ChildLabels(tree, leftPane->GetCategoryNode(7)),
              (std::vector<wxString>{"Road Trip (8)", "Late Night Jazz (6)"}));
    EXPECT_TRUE(tree->IsExpanded(leftPane->GetCategoryNode(5)));
    for (int i = 0; i < kCategoryCount; ++i)
        EXPECT_EQ(tree->GetItemImage(leftPane->GetCategoryNode(i)), 4 + i) << i;

    // The device node brings up the device summary with this device's information.
    EXPECT_EQ(rightPane->GetShownView(), RightPane::kDeviceInfo);
    {
        wxMutexLocker lock(deviceTable.deviceTableMutex);
        EXPECT_EQ(rightPane->GetDeviceInfoView()->GetNameText(), deviceTable.slots[0].deviceName);
    }
    SaveScreenshot(frame, "tree-en");
}

TEST_F(MainWindowTest, FailingDeviceIsReportedAndTheOthersStayListed)
{
    Start({"iphone", "locked-iphone", "ipad"});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].message, "Device is protected by passcode,unlock it first.");
    EXPECT_EQ(boxes[0].caption, "Warn!");

    ASSERT_EQ(SelectorEntries(selector), (std::vector<wxString>{"Anna's iPhone", "Anna's iPad"}));
    EXPECT_EQ(static_cast<SelectionComboBoxData*>(selector->GetClientObject(0))->slotIndex, 0);
    EXPECT_EQ(static_cast<SelectionComboBoxData*>(selector->GetClientObject(1))->slotIndex, 2);
    EXPECT_EQ(CurrentIndex(), 0);

    // Picking the iPad rebuilds the tree for it: only its categories.
    PickDevice(1);
    EXPECT_EQ(CurrentIndex(), 2);
    const wxTreeItemId root = tree->GetRootItem();
    ASSERT_TRUE(root.IsOk());
    EXPECT_EQ(tree->GetItemText(root), "Anna's iPad");
    EXPECT_EQ(tree->GetItemImage(root), 0);
    EXPECT_EQ(tree->GetSelection(), root);
    const std::vector<wxString> labels = ChildLabels(tree, root);
    EXPECT_EQ(labels.front(), "Music (12)");
    EXPECT_NE(std::find(labels.begin(), labels.end(), "Camera Roll (20)"), labels.end());
    EXPECT_NE(std::find(labels.begin(), labels.end(), "Photos (10)"), labels.end());
    EXPECT_NE(std::find(labels.begin(), labels.end(), "Notes (2)"), labels.end());
    EXPECT_FALSE(leftPane->GetCategoryNode(12).IsOk());  // no messages on the iPad
    for (int i = 0; i < kCategoryCount; ++i) {
        const wxTreeItemId node = leftPane->GetCategoryNode(i);
        if (node.IsOk()) {
            EXPECT_EQ(tree->GetItemParent(node), root);
        }
    }
    wxMutexLocker lock(deviceTable.deviceTableMutex);
    EXPECT_EQ(rightPane->GetDeviceInfoView()->GetNameText(), deviceTable.slots[2].deviceName);
    EXPECT_EQ(rightPane->GetDeviceInfoView()->GetPicturePath(), "image/client/device-info/ipad.png");
}

TEST_F(MainWindowTest, NoUsableDeviceLeavesGettingStartedAndEverythingEnabled)
{
    Start({"locked-iphone"});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(selector->GetCount(), 0u);
    EXPECT_FALSE(tree->GetRootItem().IsOk());
    EXPECT_EQ(rightPane->GetShownView(), RightPane::kNoDevice);
    EXPECT_TRUE(leftPane->GetRefreshButton()->IsEnabled());
    EXPECT_EQ(frame->GetStatusBarPanel()->GetStatusText(), "");
}

TEST_F(MainWindowTest, RefreshEmptiesSelectorAndTreeBeforeDetecting)
{
    Start({"iphone"});
    ASSERT_TRUE(tree->GetRootItem().IsOk());
    tree->SelectItem(leftPane->GetCategoryNode(0));
    ASSERT_EQ(rightPane->GetShownView(), RightPane::kDeviceContent);
    {
        wxMutexLocker hold(deviceTable.deviceTableMutex);
        wxCommandEvent click(wxEVT_BUTTON, LeftPane::ID_REFRESH_BUTTON);
        click.SetEventObject(leftPane->GetRefreshButton());
        leftPane->GetRefreshButton()->GetEventHandler()->ProcessEvent(click);
        EXPECT_EQ(selector->GetCount(), 0u);
        EXPECT_EQ(tree->GetCount(), 0u);
        for (int i = 0; i < kCategoryCount; ++i)
            EXPECT_FALSE(leftPane->GetCategoryNode(i).IsOk());
        EXPECT_EQ(rightPane->GetShownView(), RightPane::kNoDevice);
        EXPECT_FALSE(leftPane->GetRefreshButton()->IsEnabled());
    }
    ASSERT_TRUE(WaitForDetection());
    EXPECT_EQ(SelectorEntries(selector), std::vector<wxString>{"Anna's iPhone"});
    EXPECT_EQ(tree->GetItemText(tree->GetRootItem()), "Anna's iPhone");
}

TEST_F(MainWindowTest, EveryNodeShowsItsView)
{
    Start({"iphone"});
    struct Case {
        int category;        // -1: the device node
        int view;            // RightPane::ShownView
        int contentPanel;    // sub-view of the content view
    };
    const Case cases[] = {
        {0, RightPane::kDeviceContent, 0},  {4, RightPane::kDeviceContent, 0},
        {5, RightPane::kDeviceContent, 0},  {8, RightPane::kDeviceContent, 0},
        {9, RightPane::kDeviceContent, 1},  {10, RightPane::kDeviceContent, 3},
        {11, RightPane::kDeviceContent, 5}, {12, RightPane::kDeviceContent, 6},
        {13, RightPane::kDeviceContent, 7}, {14, RightPane::kDeviceContent, 8},
        {-1, RightPane::kDeviceInfo, -1},
    };
    DeviceContentView* content = rightPane->GetDeviceContentView();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.category);
        tree->SelectItem(c.category < 0 ? tree->GetRootItem() : leftPane->GetCategoryNode(c.category));
        EXPECT_EQ(rightPane->GetShownView(), c.view);
        if (c.contentPanel >= 0) {
            EXPECT_EQ(content->ShownSubView(), c.contentPanel);
        }
    }

    // Each node fills its list; Messages also shows the first conversation.
    tree->SelectItem(leftPane->GetCategoryNode(0));
    EXPECT_EQ(content->GetMediaList()->Model().ShownCount(), 40u);
    EXPECT_EQ(content->GetGenreList()->GetItemCount() > 1, true);
    tree->SelectItem(leftPane->GetCategoryNode(11));
    EXPECT_EQ(content->GetContactList()->Model().ShownCount(), 15u);
    tree->SelectItem(leftPane->GetCategoryNode(12));
    EXPECT_EQ(content->GetMessageList()->Model().ShownCount(), 5u);
    EXPECT_FALSE(content->GetMessageWindow()->GetBubbles().empty());
    tree->SelectItem(leftPane->GetCategoryNode(13));
    EXPECT_EQ(content->GetNoteList()->Model().ShownCount(), 5u);
    EXPECT_EQ(content->GetCameraRollList()->Model().ShownCount(), 62u);
    EXPECT_EQ(content->GetPhotoIconView()->GetItemCount(), 30);

    // A shelf and a playlist are media lists too.
    wxTreeItemIdValue cookie;
    tree->SelectItem(leftPane->GetCategoryNode(9));
    tree->SelectItem(tree->GetFirstChild(leftPane->GetCategoryNode(5), cookie));
    EXPECT_EQ(DataOf(tree->GetSelection())->kind, kNodeBookShelf);
    EXPECT_EQ(content->ShownSubView(), 0);
    EXPECT_EQ(content->GetMediaList()->Model().ShownCount(), 4u);
    tree->SelectItem(leftPane->GetCategoryNode(9));
    tree->SelectItem(tree->GetFirstChild(leftPane->GetCategoryNode(7), cookie));
    EXPECT_EQ(DataOf(tree->GetSelection())->kind, kNodePlaylist);
    EXPECT_EQ(rightPane->GetShownView(), RightPane::kDeviceContent);
    EXPECT_EQ(content->ShownSubView(), 0);

    // Views outside the table hide all three.
    rightPane->ShowView(12);
    EXPECT_EQ(rightPane->GetShownView(), RightPane::kNoView);
}

TEST_F(MainWindowTest, GermanRelabelsWithoutReloadingTheDevice)
{
    Start({"iphone"});
    tree->SelectItem(leftPane->GetCategoryNode(11));
    const wxTreeItemId root = tree->GetRootItem();
    const wxClientData* entry = selector->GetClientObject(0);

    auto* change = new wxCommandEvent(EVT_LANGUAGE_CHANGED);
    change->SetInt(kLanguageGerman);
    wxQueueEvent(frame, change);
    ASSERT_TRUE(WaitFor([this] { return leftPane->GetRefreshButton()->GetLabel() == "Aktualisieren"; }));

    EXPECT_EQ(ReadTextFile(GetLanguageFilePath().utf8_string()), "89");
    EXPECT_EQ(ChildLabels(tree, root),
              Texts({"Musik (40)", "Filme (3)", "TV-Sendungen (4)", "Podcasts (4)",
                     "Hörbücher (1)", "Bücher (2)", "Klingeltöne (3)", "Wiedergabelisten (2)",
                     "Sprachmemos (3)", "Aufnahmen (62)", "Fotos (30)", "Kontakte (15)",
                     "Nachrichten (5)", "Notizen (5)", "Safari (8)"}));
    // Shelf names are the device's own.
    EXPECT_EQ(ChildLabels(tree, leftPane->GetCategoryNode(5)), (std::vector<wxString>{"Books (4)", "PDFs (2)"}));
    EXPECT_EQ(rightPane->GetNoDeviceView()->GetTitleLabel()->GetLabel(), "Erste Schritte");
    // The device summary and the lists relabel too.
    EXPECT_EQ(rightPane->GetDeviceInfoView()->GetCapacityCaption(), wxString::FromUTF8("Kapazität: "));
    EXPECT_EQ(rightPane->GetDeviceContentView()->GetMediaList()->GetColumn(4)->GetTitle(), wxString::FromUTF8("Größe"));

    // Same device, same nodes, same view: nothing was loaded again.
    EXPECT_EQ(tree->GetRootItem(), root);
    EXPECT_EQ(selector->GetClientObject(0), entry);
    EXPECT_EQ(tree->GetSelection(), leftPane->GetCategoryNode(11));
    EXPECT_EQ(rightPane->GetShownView(), RightPane::kDeviceContent);
    tree->SelectItem(root);
    SaveScreenshot(frame, "tree-de");
}

TEST_F(MainWindowTest, GermanFromTheStartShowsGettingStartedInGerman)
{
    WriteLanguage(kLanguageGerman);
    Build({"iphone"});
    EXPECT_EQ(leftPane->GetRefreshButton()->GetLabel(), "Aktualisieren");
    wxMutexLocker hold(deviceTable.deviceTableMutex);
    ASSERT_TRUE(ShowAndStart());
    EXPECT_EQ(frame->GetStatusBarPanel()->GetStatusText(), wxString::FromUTF8("Erkennung läuft ..."));
    EXPECT_EQ(rightPane->GetNoDeviceView()->GetTitleLabel()->GetLabel(), "Erste Schritte");
    SaveScreenshot(frame, "getting-started-de");
}

TEST_F(MainWindowTest, ResizingGrowsOnlyTheClientAndStopsAtTheFittedSize)
{
    Start({"iphone"});
    const wxSize fitted = frame->GetSize();
    EXPECT_EQ(frame->GetMinSize(), fitted);
    EXPECT_GE(fitted.x, 810);
    EXPECT_GE(fitted.y, 5 + 20 + 42 + 450 + 30 + 5);
    const wxSize clientBefore = frame->GetClient()->GetSize();
    const int leftBefore = leftPane->GetSize().x;

    const wxSize grown = fitted + wxSize(300, 200);
    frame->SetSize(grown);
    ASSERT_TRUE(WaitFor([&] { return frame->GetClient()->GetSize() == clientBefore + wxSize(300, 200); }));
    EXPECT_EQ(frame->GetTitleBar()->GetSize().y, 20);
    EXPECT_EQ(frame->GetToolBarPanel()->GetSize().y, 42);
    EXPECT_EQ(frame->GetStatusBarPanel()->GetSize().y, 30);
    EXPECT_EQ(frame->GetToolBarPanel()->GetSize().x, clientBefore.x + 300);
    // Of the width gained, a fifth goes to the navigation pane.
    EXPECT_TRUE(WaitFor([&] { return std::abs(leftPane->GetSize().x - (leftBefore + 60)) <= 1; }))
        << leftPane->GetSize().x << " from " << leftBefore;

    // Neither the chrome's own resizing nor the toolkit's goes below the fitted size.
    const wxRect before = frame->GetRect();
    frame->SetFrameRect(before.GetPosition(), fitted - wxSize(1, 0));
    frame->SetFrameRect(before.GetPosition(), fitted - wxSize(0, 1));
    EXPECT_EQ(frame->GetRect(), before);
    frame->SetSize(wxSize(300, 200));
    PumpPendingEvents();
    EXPECT_GE(frame->GetSize().x, fitted.x);
    EXPECT_GE(frame->GetSize().y, fitted.y);
}

TEST_F(MainWindowTest, ClosingEndsTheProcessWithStatusZeroEvenWhileDetecting)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Build({"iphone", "ipad"});
            frame->Show();
            WaitFor([this] { return frame->IsDetectionStarted(); });
            std::error_code ignored;
            std::filesystem::remove_all(TestHome(), ignored);
            frame->Close();
            std::exit(3);
        },
        testing::ExitedWithCode(0), "");
}
