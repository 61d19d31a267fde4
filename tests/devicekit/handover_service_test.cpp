// Contacts, messages, notes and bookmarks as linked records.

#include "devicekit_fixture.h"

#include "support/temp_home.h"

#include <atomic>
#include <thread>

namespace {

std::string Text(const char* text)
{
    return text ? text : "<null>";
}

std::vector<std::string> ContactNames(const HandoverContact* head)
{
    std::vector<std::string> names;
    for (const HandoverContact* c = head; c; c = c->next)
        names.push_back(Text(c->name));
    return names;
}

int PropertyCount(const HandoverContact* contact)
{
    int count = 0;
    for (const HandoverProperty* p = contact->properties; p; p = p->next)
        ++count;
    return count;
}

} // namespace

TEST_F(DeviceKitTest, DemoContactsComeInFileOrderWithTheirProperties)
{
    std::string id;
    ASSERT_NE(Open(DemoDeviceFolder("iphone"), &id), nullptr);
    int count = -1;
    HandoverContact* contacts = handover_->GetContacts(nullptr, id.c_str(), &count);
    ASSERT_NE(contacts, nullptr);
    EXPECT_EQ(count, 15);
    const std::vector<std::string> names = ContactNames(contacts);
    ASSERT_EQ(names.size(), 15u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 3),
              (std::vector<std::string>{"benjamin Ortiz", "Alice Martin", "alice Wong"}));
    EXPECT_EQ(names[4], "王伟");
    EXPECT_EQ(names[8], "<null>");

    std::vector<int> properties;
    for (const HandoverContact* c = contacts; c; c = c->next)
        properties.push_back(PropertyCount(c));
    EXPECT_EQ(properties, (std::vector<int>{3, 3, 2, 1, 2, 3, 2, 1, 1, 3, 2, 1, 2, 3, 2}));
    const HandoverProperty* first = contacts->properties;
    EXPECT_EQ(Text(first->label), "Phone");
    EXPECT_EQ(Text(first->value), "+1 415 555 0101");
    EXPECT_EQ(Text(first->next->label), "Email");
    EXPECT_EQ(Text(first->next->next->label), "Address");
    handover_->FreeContacts(contacts);
}

TEST_F(DeviceKitTest, DemoConversationsKeepTheirMessagesAndTakeMissingNamesFromContacts)
{
    std::string id;
    ASSERT_NE(Open(DemoDeviceFolder("iphone"), &id), nullptr);
    int contactCount = 0, count = -1;
    HandoverContact* contacts = handover_->GetContacts(nullptr, id.c_str(), &contactCount);
    HandoverConversation* conversations = handover_->GetMessages(nullptr, id.c_str(), &count, contacts);
    // The names are copies: the contacts may go first.
    handover_->FreeContacts(contacts);
    ASSERT_NE(conversations, nullptr);
    EXPECT_EQ(count, 5);

    std::vector<std::string> names, phones;
    bool script = false, multiLine = false, sentAndReceived[2] = {false, false};
    size_t longest = 0;
    for (const HandoverConversation* c = conversations; c; c = c->next) {
        names.push_back(Text(c->name));
        phones.push_back(Text(c->phoneNumber));
        for (const HandoverMessage* m = c->messages; m; m = m->next) {
            const std::string text = Text(m->text);
            script = script || text.find("<script>") != std::string::npos;
            multiLine = multiLine || text.find('\n') != std::string::npos;
            longest = std::max(longest, text.size());
            sentAndReceived[m->sent ? 1 : 0] = true;
            EXPECT_EQ(Text(m->dateTime).size(), 19u) << Text(m->dateTime);
        }
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Alice Martin", "王伟", "benjamin Ortiz", "<null>", "Olivia O'Brien"}));
    EXPECT_EQ(phones[3], "+1 650 555 0177");
    EXPECT_TRUE(script);
    EXPECT_TRUE(multiLine);
    EXPECT_GT(longest, 400u);
    EXPECT_TRUE(sentAndReceived[0] && sentAndReceived[1]);
    EXPECT_EQ(Text(conversations->messages->text), "Hi!");
    EXPECT_EQ(conversations->messages->sent, 0);
    EXPECT_NE(conversations->messages->next->sent, 0);
    handover_->FreeMessages(conversations);
}

TEST_F(DeviceKitTest, DemoNotesAndBookmarkTree)
{
    std::string id;
    ASSERT_NE(Open(DemoDeviceFolder("iphone"), &id), nullptr);
    int count = -1;
    HandoverNote* notes = handover_->GetNotes(nullptr, id.c_str(), &count);
    EXPECT_EQ(count, 5);
    std::vector<std::string> titles, types;
    for (const HandoverNote* n = notes; n; n = n->next) {
        titles.push_back(Text(n->title));
        types.push_back(Text(n->contentType));
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"Groceries", "Meeting 2024-03-12", "Ideas", "日本旅行", "Formatted"}));
    EXPECT_EQ(types.back(), "text/html");
    handover_->FreeNotes(notes);

    HandoverBookmark* root = handover_->GetBookmarks(nullptr, id.c_str(), &count);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(count, 8);
    EXPECT_EQ(Text(root->title), "Bookmarks");
    EXPECT_EQ(root->parent, nullptr);
    EXPECT_EQ(root->url, nullptr);
    std::vector<std::string> top;
    for (const HandoverBookmark* b = root->firstChild; b; b = b->nextSibling) {
        top.push_back(Text(b->title) + "|" + Text(b->url));
        EXPECT_EQ(b->parent, root);
        for (const HandoverBookmark* child = b->firstChild; child; child = child->nextSibling)
            EXPECT_EQ(child->parent, b);
    }
    EXPECT_EQ(top, (std::vector<std::string>{"Corvane|https://www.corvane.example/", "News|<null>", "Recipes|<null>",
                                             "Wikipedia|https://www.wikipedia.org/", "Empty folder|<null>"}));
    const HandoverBookmark* recipes = root->firstChild->nextSibling->nextSibling;
    const HandoverBookmark* desserts = recipes->firstChild->nextSibling->nextSibling;
    EXPECT_EQ(Text(desserts->title), "Desserts");
    EXPECT_EQ(Text(desserts->firstChild->title), "Lemon Tart");
    handover_->FreeBookmarks(root);
}

TEST_F(DeviceKitTest, MissingRecordsAndUnknownDevicesGiveNullAndZero)
{
    std::string id;
    ASSERT_NE(Open(DemoDeviceFolder("ipad"), &id), nullptr);
    int count = -1;
    EXPECT_EQ(handover_->GetContacts(nullptr, id.c_str(), &count), nullptr);
    EXPECT_EQ(count, 0);
    count = -1;
    EXPECT_EQ(handover_->GetMessages(nullptr, id.c_str(), &count, nullptr), nullptr);
    EXPECT_EQ(count, 0);
    count = -1;
    EXPECT_EQ(handover_->GetNotes(nullptr, "folder-unknown", &count), nullptr);
    EXPECT_EQ(count, 0);
    count = -1;
    EXPECT_EQ(handover_->GetBookmarks(nullptr, nullptr, &count), nullptr);
    EXPECT_EQ(count, 0);
    // Unknown heads and null are accepted by the Free entries.
    HandoverNote stranger{};
    handover_->FreeNotes(&stranger);
    handover_->FreeNotes(nullptr);
    handover_->FreeContacts(nullptr);
    handover_->FreeMessages(nullptr);
    handover_->FreeBookmarks(nullptr);
}

TEST_F(DeviceKitTest, RecordMembersOfTheWrongTypeBecomeNullTexts)
{
    const std::string folder = MakeTempFolder("records");
    WriteDeviceFile(folder, "records/contacts.plist",
                    XmlPlist("<array><dict><key>name</key><integer>7</integer>"
                             "<key>properties</key><array><string>not a dict</string>"
                             "<dict><key>label</key><string>Phone</string>"
                             "<key>value</key><string>+1 (555) 0100</string></dict>"
                             "</array></dict><string>skipped</string>"
                             "<dict><key>name</key><string>Named</string><key>properties</key><array>"
                             "<dict><key>value</key><string>555-0199</string></dict></array></dict></array>"));
    WriteDeviceFile(folder, "records/messages.plist",
                    XmlPlist("<array><dict><key>phoneNumber</key><string>+15550100</string>"
                             "<key>messages</key><array>"
                             "<dict><key>text</key><true/><key>sent</key><integer>1</integer></dict>"
                             "<dict><key>text</key><string>hi</string><key>sent</key><string>yes</string></dict>"
                             "</array>"
                             "</dict><dict><key>phoneNumber</key><string>(555) 0199</string>"
                             "<key>messages</key><string>not an array</string></dict></array>"));
    WriteDeviceFile(folder, "records/notes.plist", XmlPlist("<dict><key>title</key><string>x</string></dict>"));
    WriteDeviceFile(folder, "records/bookmarks.plist", XmlPlist("<array/>"));
    std::string id;
    ASSERT_NE(Open(folder, &id), nullptr);

    int count = -1;
    HandoverContact* contacts = handover_->GetContacts(nullptr, id.c_str(), &count);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(contacts->name, nullptr);
    EXPECT_EQ(PropertyCount(contacts), 1);
    EXPECT_EQ(Text(contacts->next->name), "Named");
    EXPECT_EQ(Text(contacts->next->properties->label), "<null>");

    HandoverConversation* conversations = handover_->GetMessages(nullptr, id.c_str(), &count, contacts);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(conversations->name, nullptr); // the contact it matches has no name
    const HandoverMessage* message = conversations->messages;
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text, nullptr);
    EXPECT_EQ(message->dateTime, nullptr);
    EXPECT_NE(message->sent, 0);
    EXPECT_EQ(Text(message->next->text), "hi");
    EXPECT_EQ(message->next->sent, 0);
    EXPECT_EQ(Text(conversations->next->name), "Named"); // matched by digits, whatever the formatting
    EXPECT_EQ(conversations->next->messages, nullptr);

    EXPECT_EQ(handover_->GetNotes(nullptr, id.c_str(), &count), nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(handover_->GetBookmarks(nullptr, id.c_str(), &count), nullptr);
    EXPECT_EQ(count, 0);
    handover_->FreeMessages(conversations);
    handover_->FreeContacts(contacts);
}

TEST_F(DeviceKitTest, OneDeviceServesSeveralThreadsAtOnce)
{
    std::string id;
    PodDevice* device = Open(DemoDeviceFolder("iphone"), &id);
    ASSERT_NE(device, nullptr);
    const std::string target = MakeTempFolder("threads");
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 5; ++round) {
                PlistHolder music(device->GetMusic(device, 0, 0));
                int count = 0;
                HandoverContact* contacts = handover_->GetContacts(nullptr, id.c_str(), &count);
                HandoverConversation* messages = handover_->GetMessages(nullptr, id.c_str(), &count, contacts);
                const std::string local = target + "/" + std::to_string(t) + "-" + std::to_string(round) + ".jpg";
                if (!music || count != 5 ||
                    device->CopyFileToLocal(device, "/DCIM/100APPLE/IMG_0007.JPG", local.c_str(), nullptr) != 0)
                    ++failures;
                handover_->FreeContacts(contacts);
                handover_->FreeMessages(messages);
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(failures.load(), 0);
}
