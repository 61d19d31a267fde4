#include "demo_records.h"

#include <string>
#include <vector>

namespace {

struct ContactData {
    const char* name; // null: no name at all
    const char* phone;
    const char* email;
    const char* address;
};

// In file order: "benjamin", "Alice", "alice" sort as A, a, b.
const ContactData kContacts[] = {
    {"benjamin Ortiz", "+1 415 555 0101", "ben.ortiz@example.com", "12 Harbour Street, San Francisco"},
    {"Alice Martin", "+1 415 555 0102", "alice.martin@example.com", "4 Rue des Lilas, Lyon"},
    {"alice Wong", "+852 5555 0103", "alice.wong@example.hk", nullptr},
    {"Carlos Díaz", "+34 655 550 104", nullptr, nullptr},
    {"王伟", "+86 138 5550 0105", "wang.wei@example.cn", nullptr},
    {"山田 太郎", "+81 90 5550 0106", "taro.yamada@example.jp", "東京都千代田区1-1"},
    {"Дмитрий Иванов", "+7 916 555 0107", "d.ivanov@example.ru", nullptr},
    {"Σοφία Παπαδοπούλου", "+30 690 555 0108", nullptr, nullptr},
    {nullptr, "+1 212 555 0199", nullptr, nullptr},
    {"Zoë Clarke", "+44 7700 900109", "zoe@example.co.uk", "221 Baker Street, London"},
    {"Hannah Becker", "+49 151 5550 0110", "hannah.becker@example.de", nullptr},
    {"محمد علي", "+20 100 555 0111", nullptr, nullptr},
    {"김민준", "+82 10 5555 0112", "minjun.kim@example.kr", nullptr},
    {"Olivia O'Brien", "+353 85 555 0113", "olivia@example.ie", "7 Quay Road, Galway"},
    {"Smith & Sons Plumbing", "+1 503 555 0114", "office@smith-sons.example", nullptr},
};

plist_t StringDict(std::initializer_list<std::pair<const char*, std::string>> members)
{
    plist_t dict = plist_new_dict();
    for (const auto& member : members)
        plist_dict_set_item(dict, member.first, plist_new_string(member.second.c_str()));
    return dict;
}

} // namespace

plist_t DemoRecords::Property(const char* label, const std::string& value)
{
    return StringDict({{"label", label}, {"value", value}});
}

plist_t DemoRecords::Message(const std::string& text, const std::string& dateTime, bool sent)
{
    plist_t message = StringDict({{"text", text}, {"dateTime", dateTime}});
    plist_dict_set_item(message, "sent", plist_new_bool(sent));
    return message;
}

plist_t DemoRecords::Note(const std::string& title, const std::string& content, const char* contentType)
{
    return StringDict({{"title", title}, {"content", content}, {"contentType", contentType}});
}

plist_t DemoRecords::Bookmark(const std::string& title, const std::string& url)
{
    return StringDict({{"title", title}, {"url", url}});
}

plist_t DemoRecords::BookmarkFolder(const std::string& title, plist_t children)
{
    plist_t folder = StringDict({{"title", title}});
    plist_dict_set_item(folder, "children", children);
    return folder;
}

void DemoRecords::WriteContacts(const DeviceWriter& device)
{
    plist_t contacts = plist_new_array();
    for (const ContactData& data : kContacts) {
        plist_t contact = plist_new_dict();
        if (data.name)
            plist_dict_set_item(contact, "name", plist_new_string(data.name));
        plist_t properties = plist_new_array();
        plist_array_append_item(properties, Property("Phone", data.phone));
        if (data.email)
            plist_array_append_item(properties, Property("Email", data.email));
        if (data.address)
            plist_array_append_item(properties, Property("Address", data.address));
        plist_dict_set_item(contact, "properties", properties);
        plist_array_append_item(contacts, contact);
    }
    device.WriteRecords("contacts", contacts);
}

void DemoRecords::WriteMessages(const DeviceWriter& device)
{
    struct Line {
        const char* text;
        bool sent;
    };
    const std::string longText =
        "So here is the whole story. We left the harbour at six, the ferry was late again, and by the time we "
        "reached the island the café had already closed. We walked along the cliffs instead, found the old "
        "lighthouse open for the first time in years, climbed all 143 steps, and watched the fog roll in over "
        "the bay until we could not see the mainland any more. On the way back the ferry broke down halfway, "
        "so we spent an hour drifting while the crew fixed something in the engine room. Nobody minded; "
        "someone had a guitar. Best Saturday in a long time. Next time you are coming with us, no excuses!";
    const struct {
        const char* phone;
        const char* name; // null: taken from the contacts by the service
        std::vector<Line> lines;
    } conversations[] = {
        {"+1 415 555 0102", nullptr,
         {{"Hi!", false}, {"Hey Alice", true}, {"Are we still on for lunch tomorrow?", false},
          {"Yes, 12:30 at the usual place", true}, {"Perfect 👍", false}, {"See you", true}}},
        {"+86 138 5550 0105", "王伟",
         {{"你好！明天的会议改到下午三点。", false}, {"好的，没问题。", true}, {longText.c_str(), false},
          {"哈哈，下次一定去！", true}}},
        {"+1 415 555 0101", "benjamin Ortiz",
         {{"Shopping list:\n- milk\n- eggs\n- bread\n- coffee (the good one)", false},
          {"Got it.\nAnything else?", true},
          {"No\nthanks", false}}},
        {"+1 650 555 0177", nullptr,
         {{"Your verification code is 482913. It expires in 10 minutes.", false},
          {"Your verification code is 771204. It expires in 10 minutes.", false}}},
        {"+353 85 555 0113", "Olivia O'Brien",
         {{"Look what the form let me type: <script>alert('hi')</script>", false},
          {"Ha, hope they escape that. Also a < b && c > d", true}, {"", false}, {"😀", true}}},
    };
    plist_t list = plist_new_array();
    int minute = 0;
    for (const auto& data : conversations) {
        plist_t conversation = plist_new_dict();
        plist_dict_set_item(conversation, "phoneNumber", plist_new_string(data.phone));
        if (data.name)
            plist_dict_set_item(conversation, "name", plist_new_string(data.name));
        plist_t messages = plist_new_array();
        for (const Line& line : data.lines) {
            char dateTime[32];
            std::snprintf(dateTime, sizeof dateTime, "2024-03-%02d %02d:%02d:%02d", 10 + minute / 60 % 18,
                          8 + minute / 5 % 12, minute * 7 % 60, minute * 13 % 60);
            ++minute;
            plist_array_append_item(messages, Message(line.text, dateTime, line.sent));
        }
        plist_dict_set_item(conversation, "messages", messages);
        plist_array_append_item(list, conversation);
    }
    device.WriteRecords("messages", list);
}

void DemoRecords::WriteNotes(const DeviceWriter& device, int count)
{
    plist_t notes = plist_new_array();
    plist_t all[] = {
        Note("Groceries", "Milk, eggs, bread, coffee", "text/plain"),
        Note("Meeting 2024-03-12", "Agenda:\n1. Budget\n2. Hiring\n3. Office move\n\nNext meeting in two weeks.",
             "text/plain"),
        Note("Ideas", "An app that reminds you to water the plants when it has not rained.", "text/plain"),
        Note("日本旅行", "東京 → 京都 → 大阪。新幹線の切符を忘れないこと。", "text/plain"),
        Note("Formatted", "<b>Bold</b>, <i>italic</i> and a <a href=\"https://example.com\">link</a>.", "text/html"),
    };
    for (int i = 0; i < 5; ++i) {
        if (i < count)
            plist_array_append_item(notes, all[i]);
        else
            plist_free(all[i]);
    }
    device.WriteRecords("notes", notes);
}

void DemoRecords::WriteBookmarks(const DeviceWriter& device)
{
    plist_t news = plist_new_array();
    plist_array_append_item(news, Bookmark("World News", "https://news.example.com/world"));
    plist_array_append_item(news, Bookmark("Weather", "https://weather.example.com/?city=Galway"));
    plist_array_append_item(news, Bookmark("Tech & Science", "https://news.example.com/tech?a=1&b=2"));
    plist_t desserts = plist_new_array();
    plist_array_append_item(desserts, Bookmark("Lemon Tart", "https://recipes.example.com/lemon-tart"));
    plist_t recipes = plist_new_array();
    plist_array_append_item(recipes, Bookmark("Weeknight Pasta", "https://recipes.example.com/pasta"));
    plist_array_append_item(recipes, Bookmark("お好み焼き", "https://recipes.example.jp/okonomiyaki"));
    plist_array_append_item(recipes, BookmarkFolder("Desserts", desserts));

    plist_t top = plist_new_array();
    plist_array_append_item(top, Bookmark("Corvane", "https://www.corvane.example/"));
    plist_array_append_item(top, BookmarkFolder("News", news));
    plist_array_append_item(top, BookmarkFolder("Recipes", recipes));
    plist_array_append_item(top, Bookmark("Wikipedia", "https://www.wikipedia.org/"));
    plist_array_append_item(top, BookmarkFolder("Empty folder", plist_new_array()));
    device.WriteRecords("bookmarks", BookmarkFolder("Bookmarks", top));
}
