#pragma once
// Where the program finds its files and what it calls itself. Every path is
// derived anew on each call, from the executable's location or from the
// user's documents folder; paths use forward slashes inside the program.

#include <vector>

#include <wx/string.h>

// Identity.
wxString GetMakerName();
wxString GetProductDisplayName();
wxString GetProductVersion();
wxString GetMainWindowTitle();

// The date the program was built, "Oct 23 2015" (the compiler's form, with a
// blank before a one-digit day: "Dec  1 2026").
wxString GetBuildDate();
// The year of such a date: its last blank-separated word; empty for a date
// without one.
wxString BuildYearOf(const wxString& buildDate);

// The executable's own path. The program sets it at start-up from the real
// location of its binary (so that a launcher link elsewhere still finds the
// data); tests set it to a staged installation.
void SetExecutablePath(const wxString& path);
wxString GetExecutablePath();

// Pure derivations, kept apart so they can be checked with any input.
wxString ExecutableDirFromProgramPath(const wxString& programPath);
wxString ParentFolderOf(const wxString& folder);

wxString GetExecutableDir();
wxString GetInstallDir();
wxString GetProductLinksPath();
wxString GetUserFilesDir();     // creates its two folders on demand
wxString GetLanguageFilePath();

// The files an installation must hold below installDir (theme, options,
// page template, the six catalogues) that are not there, as relative paths.
std::vector<wxString> FindMissingInstallFiles(const wxString& installDir);

// Opens a folder in the platform's file browser without waiting for it.
void OpenFolderInExplorer(const wxString& path);
