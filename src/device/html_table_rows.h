#pragma once
// The table rows of an HTML export: one line of UTF-8 per row, every cell
// text HTML-escaped so that text from a device always shows as text.

#include <string>
#include <vector>

#include <wx/string.h>

class HtmlExportRequest;

// & < > " replaced by their character references; null gives "".
std::string EscapeHtml(const char* utf8);
std::string EscapeHtml(const wxString& text);

// "<tr>" + a <th> (header) or <td> per cell + "</tr>"; the cells are escaped here.
std::string HtmlTableRow(const std::vector<std::string>& cells, bool header);

// The header row and then the rows of each record at rowIndexes, for the
// request's kind. Positions outside records, and null records, are skipped;
// the number column counts the records written, from 1. An unknown kind
// gives no rows.
std::vector<std::string> BuildHtmlRows(const HtmlExportRequest& request);
