#pragma once
// Merges a title and table rows into the template page, line by line: the
// line after the first line holding "<title" gets the title, the lines after
// a line holding "<table" get the rows. Everything else of the template is
// copied byte for byte.

#include <string>
#include <vector>

#include <wx/string.h>

// title and rows are UTF-8 and already HTML-escaped. The page is written
// under a temporary name beside outputPath and renamed over it when complete,
// so a failure leaves no partial page and an existing page stays until then.
// Returns false, writing nothing, when the template cannot be read or the
// page cannot be written.
bool MergeHtmlTemplate(const std::string& title, const wxString& templatePath, const wxString& outputPath,
                       const std::vector<std::string>& rows);
