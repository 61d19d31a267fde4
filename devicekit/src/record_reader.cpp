#include "record_reader.h"

#include "folder_device.h"
#include "plist_file.h"

#include <functional>
#include <unordered_map>

namespace devicekit {

namespace {

// Appends records to a singly linked list through the address of the last
// link, so each list is built in file order in one pass.
template <typename Record>
class ListBuilder {
public:
    explicit ListBuilder(Record** head) : tail_(head) { *head = nullptr; }
    void Append(Record* record, Record** nextField)
    {
        *tail_ = record;
        tail_ = nextField;
        ++count_;
    }
    int Count() const { return count_; }

private:
    Record** tail_;
    int count_ = 0;
};

std::string PhoneDigits(const char* phone)
{
    std::string digits;
    for (const char* c = phone; c && *c; ++c) {
        if (*c >= '0' && *c <= '9')
            digits += *c;
    }
    return digits;
}

// Contact names by the digits of each of their property values; the first
// contact with a number wins.
std::unordered_map<std::string, const char*> NamesByNumber(const HandoverContact* contacts)
{
    std::unordered_map<std::string, const char*> names;
    for (const HandoverContact* contact = contacts; contact; contact = contact->next) {
        if (!contact->name)
            continue;
        for (const HandoverProperty* property = contact->properties; property; property = property->next) {
            const std::string digits = PhoneDigits(property->value);
            if (!digits.empty())
                names.emplace(digits, contact->name);
        }
    }
    return names;
}

void SetCount(int* count, int value)
{
    if (count)
        *count = value;
}

} // namespace

HandoverContact* RecordReader::Contacts(RecordArena* arena, int* count) const
{
    PlistPtr file = PlistFile::Read(FolderDevice::RecordPath(folder_, "contacts"));
    HandoverContact* head = nullptr;
    ListBuilder<HandoverContact> contacts(&head);
    PlistFile::ForEachDict(file.get(), [&](plist_t source) {
        HandoverContact* contact = arena->NewContact();
        contact->name = arena->Text(source, "name");
        ListBuilder<HandoverProperty> properties(&contact->properties);
        PlistFile::ForEachDict(PlistFile::GetTyped(source, "properties", PLIST_ARRAY), [&](plist_t item) {
            HandoverProperty* property = arena->NewProperty();
            property->label = arena->Text(item, "label");
            property->value = arena->Text(item, "value");
            properties.Append(property, &property->next);
        });
        contacts.Append(contact, &contact->next);
    });
    SetCount(count, contacts.Count());
    return head;
}

HandoverConversation* RecordReader::Messages(RecordArena* arena, int* count,
                                             const HandoverContact* contactList) const
{
    PlistPtr file = PlistFile::Read(FolderDevice::RecordPath(folder_, "messages"));
    const auto namesByNumber = NamesByNumber(contactList);
    HandoverConversation* head = nullptr;
    ListBuilder<HandoverConversation> conversations(&head);
    PlistFile::ForEachDict(file.get(), [&](plist_t source) {
        HandoverConversation* conversation = arena->NewConversation();
        conversation->phoneNumber = arena->Text(source, "phoneNumber");
        conversation->name = arena->Text(source, "name");
        if (!conversation->name) {
            // A copy: the contact list may be released before this one.
            const auto found = namesByNumber.find(PhoneDigits(conversation->phoneNumber));
            if (found != namesByNumber.end())
                conversation->name = arena->Keep(found->second);
        }
        ListBuilder<HandoverMessage> messages(&conversation->messages);
        PlistFile::ForEachDict(PlistFile::GetTyped(source, "messages", PLIST_ARRAY), [&](plist_t item) {
            HandoverMessage* message = arena->NewMessage();
            message->text = arena->Text(item, "text");
            message->dateTime = arena->Text(item, "dateTime");
            message->sent = PlistFile::GetFlag(item, "sent") ? 1 : 0;
            messages.Append(message, &message->next);
        });
        conversations.Append(conversation, &conversation->next);
    });
    SetCount(count, conversations.Count());
    return head;
}

HandoverNote* RecordReader::Notes(RecordArena* arena, int* count) const
{
    PlistPtr file = PlistFile::Read(FolderDevice::RecordPath(folder_, "notes"));
    HandoverNote* head = nullptr;
    ListBuilder<HandoverNote> notes(&head);
    PlistFile::ForEachDict(file.get(), [&](plist_t source) {
        HandoverNote* note = arena->NewNote();
        note->title = arena->Text(source, "title");
        note->content = arena->Text(source, "content");
        note->contentType = arena->Text(source, "contentType");
        notes.Append(note, &note->next);
    });
    SetCount(count, notes.Count());
    return head;
}

HandoverBookmark* RecordReader::Bookmarks(RecordArena* arena, int* count) const
{
    PlistPtr file = PlistFile::Read(FolderDevice::RecordPath(folder_, "bookmarks"));
    SetCount(count, 0);
    if (!file || plist_get_node_type(file.get()) != PLIST_DICT)
        return nullptr;
    int withUrl = 0;
    std::function<HandoverBookmark*(plist_t, HandoverBookmark*, int)> build =
        [&](plist_t source, HandoverBookmark* parent, int depth) {
            HandoverBookmark* node = arena->NewBookmark();
            node->parent = parent;
            node->title = arena->Text(source, "title");
            node->url = arena->Text(source, "url");
            if (node->url && *node->url)
                ++withUrl;
            if (depth < kMaxBookmarkDepth) {
                ListBuilder<HandoverBookmark> children(&node->firstChild);
                PlistFile::ForEachDict(PlistFile::GetTyped(source, "children", PLIST_ARRAY), [&](plist_t child) {
                    HandoverBookmark* record = build(child, node, depth + 1);
                    children.Append(record, &record->nextSibling);
                });
            }
            return node;
        };
    HandoverBookmark* root = build(file.get(), nullptr, 0);
    SetCount(count, withUrl);
    return root;
}

} // namespace devicekit
