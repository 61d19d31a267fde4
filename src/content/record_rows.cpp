#include "content/record_rows.h"

#include "app/text_format.h"

namespace {

// The folder cell names the node the walk came from, which is the node's parent.
ContentRow BookmarkRow(HandoverBookmark* node, const HandoverBookmark* parent)
{
    ContentRow row;
    row.texts[0] = Utf8ToString(node->title);
    row.texts[1] = Utf8ToString(parent->title);
    row.texts[2] = Utf8ToString(node->url);
    row.rowRecord = node;
    return row;
}

// One row per record from the head along the next links; fill sets the texts.
template <typename Record, typename Fill>
std::vector<ContentRow> RowsOfLinkedList(Record* head, Fill fill)
{
    std::vector<ContentRow> rows;
    for (Record* record = head; record != nullptr; record = record->next) {
        ContentRow row;
        fill(*record, row);
        row.rowRecord = record;
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

std::vector<ContentRow> BuildContactRows(const std::vector<HandoverContact*>& sortedContacts)
{
    std::vector<ContentRow> rows;
    rows.reserve(sortedContacts.size());
    for (HandoverContact* contact : sortedContacts) {
        if (contact == nullptr)
            continue;
        ContentRow row;
        row.texts[0] = Utf8ToString(contact->name);
        int column = 1;
        for (const HandoverProperty* property = contact->properties; property != nullptr && column <= 3;
             property = property->next)
            row.texts[column++] = Utf8ToString(property->value);
        row.rowRecord = contact;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<ContentRow> BuildConversationRows(HandoverConversation* head)
{
    return RowsOfLinkedList(head, [](const HandoverConversation& conversation, ContentRow& row) {
        row.texts[0] = Utf8ToString(conversation.name);
        row.texts[1] = Utf8ToString(conversation.phoneNumber);
    });
}

std::vector<ContentRow> BuildNoteRows(HandoverNote* head)
{
    return RowsOfLinkedList(head, [](const HandoverNote& note, ContentRow& row) {
        row.texts[0] = Utf8ToString(note.title);
        row.texts[1] = Utf8ToString(note.content);
        row.texts[2] = Utf8ToString(note.contentType);
    });
}

std::vector<ContentRow> BuildBookmarkRows(HandoverBookmark* root)
{
    std::vector<ContentRow> rows;
    if (root == nullptr)
        return rows;
    for (HandoverBookmark* top = root->firstChild; top != nullptr; top = top->nextSibling) {
        if (top->url != nullptr && top->url[0] != '\0')
            rows.push_back(BookmarkRow(top, root));
        for (HandoverBookmark* child = top->firstChild; child != nullptr; child = child->nextSibling)
            rows.push_back(BookmarkRow(child, top));
    }
    return rows;
}
