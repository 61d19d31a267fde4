#pragma once
// Rows of the contact, conversation, note and bookmark lists: one row per
// record in list order, each carrying the record itself as rowRecord (owned
// by the DeviceTable). Null texts of a record give empty cells.

#include <vector>

#include <devicekit/devicekit.h>

#include "content/content_row.h"

// Name, then the values of the first three properties in list order as
// Phone, Email and Address; fewer properties leave the cells empty, further
// ones are not shown. Null entries of the vector are skipped.
std::vector<ContentRow> BuildContactRows(const std::vector<HandoverContact*>& sortedContacts);

// Name, Phone; from the head along the next links.
std::vector<ContentRow> BuildConversationRows(HandoverConversation* head);

// Title, Content, ContentType; from the head along the next links.
std::vector<ContentRow> BuildNoteRows(HandoverNote* head);

// Title, Folder (the parent's title), Url, for two levels below the root:
// each top node that has a non-empty URL, then every child of that top node
// whatever its URL. The root and deeper levels get no row.
std::vector<ContentRow> BuildBookmarkRows(HandoverBookmark* root);
