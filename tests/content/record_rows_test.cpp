// Contact, conversation, note and bookmark rows from records built here.
#include <gtest/gtest.h>

#include "content/record_rows.h"

TEST(RecordRows, ContactsShowTheFirstThreePropertyValuesInOrder)
{
    HandoverProperty address{"Address", "1 Main St", nullptr};
    HandoverProperty email{"Email", "a@example.org", &address};
    HandoverProperty phone{"Phone", "+1 555", &email};
    HandoverProperty extra{"Other", "dropped", nullptr};
    HandoverProperty fourthAddress{"Address", "2 Side St", &extra};
    HandoverProperty fourthEmail{"Email", nullptr, &fourthAddress};  // a null value
    HandoverProperty fourthPhone{"Phone", "+1 777", &fourthEmail};
    HandoverProperty onlyEmail{"Email", "only@example.org", nullptr};

    HandoverContact full{"Alice Martin", &phone, nullptr};
    HandoverContact four{"Bob", &fourthPhone, nullptr};
    HandoverContact one{"Chen", &onlyEmail, nullptr};
    HandoverContact bare{nullptr, nullptr, nullptr};
    const std::vector<HandoverContact*> contacts = {&bare, &full, nullptr, &four, &one};

    const std::vector<ContentRow> rows = BuildContactRows(contacts);
    ASSERT_EQ(rows.size(), 4u);
    struct Expected {
        const HandoverContact* record;
        const char* texts[4];
    };
    const Expected expected[] = {
        {&bare, {"", "", "", ""}},
        {&full, {"Alice Martin", "+1 555", "a@example.org", "1 Main St"}},
        {&four, {"Bob", "+1 777", "", "2 Side St"}},
        {&one, {"Chen", "only@example.org", "", ""}},
    };
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].rowRecord, expected[i].record);
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(rows[i].texts[column], expected[i].texts[column]) << i << " " << column;
        EXPECT_TRUE(rows[i].texts[4].empty());
        EXPECT_EQ(rows[i].kind, 0);
    }
}

TEST(RecordRows, ConversationsAndNotesFollowTheirLinks)
{
    HandoverConversation unknown{"+1 415 555 0199", nullptr, nullptr, nullptr};
    HandoverConversation alice{"+14155550102", "Alice Martin", nullptr, &unknown};
    const std::vector<ContentRow> conversations = BuildConversationRows(&alice);
    ASSERT_EQ(conversations.size(), 2u);
    EXPECT_EQ(conversations[0].texts[0], "Alice Martin");
    EXPECT_EQ(conversations[0].texts[1], "+14155550102");
    EXPECT_EQ(conversations[0].rowRecord, &alice);
    EXPECT_TRUE(conversations[1].texts[0].empty());
    EXPECT_EQ(conversations[1].rowRecord, &unknown);

    HandoverNote html{"Menu", "<b>soup</b>", "text/html", nullptr};
    HandoverNote plain{"Shopping", "milk\neggs", nullptr, &html};
    const std::vector<ContentRow> notes = BuildNoteRows(&plain);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].texts[0], "Shopping");
    EXPECT_EQ(notes[0].texts[1], "milk\neggs");
    EXPECT_TRUE(notes[0].texts[2].empty());
    EXPECT_EQ(notes[1].texts[2], "text/html");
    EXPECT_EQ(notes[1].rowRecord, &html);

    EXPECT_TRUE(BuildConversationRows(nullptr).empty());
    EXPECT_TRUE(BuildNoteRows(nullptr).empty());
    EXPECT_TRUE(BuildContactRows({}).empty());
}

// Root "Bookmarks": a top-level bookmark, a folder without URL holding a
// bookmark and a subfolder (which holds one more, too deep to show), and an
// empty folder.
TEST(RecordRows, BookmarksAreWalkedTwoLevelsBelowTheRoot)
{
    HandoverBookmark root{nullptr, nullptr, "Bookmarks", nullptr, nullptr};
    HandoverBookmark corvane{&root, nullptr, "Corvane", "https://corvane.example", nullptr};
    HandoverBookmark recipes{&root, nullptr, "Recipes", nullptr, nullptr};
    HandoverBookmark empty{&root, nullptr, "Empty", "", nullptr};
    HandoverBookmark bread{&recipes, nullptr, "Bread", "https://bread.example", nullptr};
    HandoverBookmark desserts{&recipes, nullptr, "Desserts", nullptr, nullptr};
    HandoverBookmark cake{&desserts, nullptr, "Cake", "https://cake.example", nullptr};
    root.firstChild = &corvane;
    corvane.nextSibling = &recipes;
    recipes.nextSibling = &empty;
    recipes.firstChild = &bread;
    bread.nextSibling = &desserts;
    desserts.firstChild = &cake;

    const std::vector<ContentRow> rows = BuildBookmarkRows(&root);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].texts[0], "Corvane");
    EXPECT_EQ(rows[0].texts[1], "Bookmarks");
    EXPECT_EQ(rows[0].texts[2], "https://corvane.example");
    EXPECT_EQ(rows[0].rowRecord, &corvane);
    EXPECT_EQ(rows[1].texts[0], "Bread");
    EXPECT_EQ(rows[1].texts[1], "Recipes");
    EXPECT_EQ(rows[1].texts[2], "https://bread.example");
    // A subfolder is a child of a top node: it gets a row, without URL.
    EXPECT_EQ(rows[2].texts[0], "Desserts");
    EXPECT_EQ(rows[2].texts[1], "Recipes");
    EXPECT_TRUE(rows[2].texts[2].empty());
    EXPECT_EQ(rows[2].rowRecord, &desserts);

    EXPECT_TRUE(BuildBookmarkRows(nullptr).empty());
    HandoverBookmark lonely{nullptr, nullptr, "Bookmarks", nullptr, nullptr};
    EXPECT_TRUE(BuildBookmarkRows(&lonely).empty());
}
