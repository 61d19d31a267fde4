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
    std::vector<ContentRow> rows;
    for (HandoverConversation* conversation = head; conversation != nullptr; conversation = conversation->next) {
        ContentRow row;
        row.texts[0] = Utf8ToString(conversation->name);
        row.texts[1] = Utf8ToString(conversation->phoneNumber);
        row.rowRecord = conversation;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<ContentRow> BuildNoteRows(HandoverNote* head)
{
    std::vector<ContentRow> rows;
    for (HandoverNote* note = head; note != nullptr; note = note->next) {
        ContentRow row;
        row.texts[0] = Utf8ToString(note->title);
        row.texts[1] = Utf8ToString(note->content);
        row.texts[2] = Utf8ToString(note->contentType);
        row.rowRecord = note;
        rows.push_back(std::move(row));
    }
    return rows;
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
