#include "device/html_table_rows.h"

#include <devicekit/devicekit.h>
#include <wx/intl.h>

#include "device/html_export_request.h"

namespace {

using Cells = std::vector<std::string>;

std::string Text(const char* utf8)
{
    return utf8 != nullptr ? std::string(utf8) : std::string();
}

std::string Utf8(const wxString& text)
{
    return text.utf8_string();
}

std::string Number(int number)
{
    return wxString::Format("%d", number).utf8_string();
}

Cells HeaderCells(int kind)
{
    switch (kind) {
    case kHtmlContacts:
        return {Utf8(_("ID")), Utf8(_("Name")), Utf8(_("Type")), Utf8(_("Value"))};
    case kHtmlMessages:
        return {Utf8(_("ID")), Utf8(_("Name")), Utf8(_("Phone Number")), Utf8(_("Message")),
                Utf8(_("Date Time")), Utf8(_("Type")), Utf8(_("Text"))};
    case kHtmlNotes:
        return {Utf8(_("ID")), Utf8(_("Title")), Utf8(_("Content")), Utf8(_("ContentType"))};
    case kHtmlBookmarks:
        return {Utf8(_("Title")), Utf8(_("Folder")), Utf8(_("Url"))};
    default:
        return {};
    }
}

void AddContactRows(const HandoverContact& contact, int number, std::vector<std::string>& rows)
{
    rows.push_back(HtmlTableRow({Number(number), Text(contact.name), "-", "-"}, false));
    for (const HandoverProperty* property = contact.properties; property != nullptr; property = property->next)
        rows.push_back(HtmlTableRow({"", "", Text(property->label), Text(property->value)}, false));
}

void AddConversationRows(const HandoverConversation& conversation, int number, std::vector<std::string>& rows)
{
    rows.push_back(HtmlTableRow(
        {Number(number), Text(conversation.name), Text(conversation.phoneNumber), "->", "-", "-", "-"}, false));
    const std::string sent = Utf8(_("Sent"));
    const std::string received = Utf8(_("Received"));
    for (const HandoverMessage* message = conversation.messages; message != nullptr; message = message->next)
        rows.push_back(HtmlTableRow(
            {"", "", "", "->", Text(message->dateTime), message->sent ? sent : received, Text(message->text)},
            false));
}

void AddNoteRow(const HandoverNote& note, int number, std::vector<std::string>& rows)
{
    rows.push_back(
        HtmlTableRow({Number(number), Text(note.title), Text(note.content), Text(note.contentType)}, false));
}

void AddBookmarkRow(const HandoverBookmark& bookmark, std::vector<std::string>& rows)
{
    const std::string folder = bookmark.parent != nullptr ? Text(bookmark.parent->title) : std::string();
    rows.push_back(HtmlTableRow({Text(bookmark.title), folder, Text(bookmark.url)}, false));
}

void AddRecordRows(int kind, const void* record, int number, std::vector<std::string>& rows)
{
    switch (kind) {
    case kHtmlContacts:
        AddContactRows(*static_cast<const HandoverContact*>(record), number, rows);
        break;
    case kHtmlMessages:
        AddConversationRows(*static_cast<const HandoverConversation*>(record), number, rows);
        break;
    case kHtmlNotes:
        AddNoteRow(*static_cast<const HandoverNote*>(record), number, rows);
        break;
    case kHtmlBookmarks:
        AddBookmarkRow(*static_cast<const HandoverBookmark*>(record), rows);
        break;
    default:
        break;
    }
}

} // namespace

std::string EscapeHtml(const char* utf8)
{
    std::string escaped;
    if (utf8 == nullptr)
        return escaped;
    for (const char* c = utf8; *c != '\0'; ++c) {
        switch (*c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += *c; break;
        }
    }
    return escaped;
}

std::string EscapeHtml(const wxString& text)
{
    return EscapeHtml(text.utf8_str().data());
}

std::string HtmlTableRow(const std::vector<std::string>& cells, bool header)
{
    const char* open = header ? "<th>" : "<td>";
    const char* close = header ? "</th>" : "</td>";
    std::string row = "<tr>";
    for (const std::string& cell : cells)
        row.append(open).append(EscapeHtml(cell.c_str())).append(close);
    row += "</tr>";
    return row;
}

std::vector<std::string> BuildHtmlRows(const HtmlExportRequest& request)
{
    std::vector<std::string> rows;
    const Cells header = HeaderCells(request.kind);
    if (header.empty())
        return rows;
    rows.push_back(HtmlTableRow(header, true));
    if (request.records == nullptr)
        return rows;

    int number = 0;
    for (unsigned index : request.rowIndexes) {
        if (index >= request.records->size() || (*request.records)[index] == nullptr)
            continue;
        AddRecordRows(request.kind, (*request.records)[index], ++number, rows);
    }
    return rows;
}
