#pragma once
// The export command behind the export button and Edit > Export: picks the
// rows of the list that is shown (the ticked rows, or every row when none is
// ticked), asks for a folder and runs the export behind the progress dialog.
// Media and picture rows (and the selected pictures of an icon view, or all
// of them) are copied as files; contacts, conversations, notes
// and bookmarks go into one HTML page. The device summary exports every song.
//
// The folder question goes through a chooser that tests can replace; the
// default one is the toolkit's folder dialog.

#include <functional>
#include <vector>

#include <wx/string.h>

class ContentListCtrl;
class wxWindow;

using ExportFolderChooser = std::function<wxString(wxWindow* parent)>;

// While it lives, every folder question goes to the chooser instead of the screen.
class ScopedExportFolderChooser {
public:
    explicit ScopedExportFolderChooser(ExportFolderChooser chooser);
    ~ScopedExportFolderChooser();
    ScopedExportFolderChooser(const ScopedExportFolderChooser&) = delete;
    ScopedExportFolderChooser& operator=(const ScopedExportFolderChooser&) = delete;

private:
    ExportFolderChooser previous_;
};

// The shown positions the command exports from a list: the ticked ones, or
// all of them when none is ticked.
std::vector<unsigned> ExportRowsOf(const ContentListCtrl& list);

// Exports from the list the content view shows; does nothing when no list is
// shown, and nothing when the folder question is cancelled. Returns after
// the export has ended. `parent` is the main frame.
void RunExportCommand(wxWindow* parent);
