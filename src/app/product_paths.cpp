#include "app/product_paths.h"

#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/thread.h>
#include <wx/utils.h>

namespace {

wxString& ExecutablePathStore()
{
    static wxString path;
    return path;
}

wxMutex& ExecutablePathMutex()
{
    static wxMutex mutex;
    return mutex;
}

wxString ForwardSlashes(wxString path)
{
    path.Replace("\\", "/");
    return path;
}

// Makes one folder level if it is missing; failure shows up later, where the
// folder is used.
void EnsureFolder(const wxString& folder)
{
    if (!wxDirExists(folder))
        wxMkdir(folder, 0777);
}

wxString DocumentsBaseFolder()
{
    // The toolkit reads the environment for these into one static buffer
    // (wxGetenv), which is not safe from two threads at once; the thumbnail
    // loaders and the detection ask for the user's folder while the window
    // may too.
    static wxMutex environmentMutex;
    wxString documents;
    {
        wxMutexLocker lock(environmentMutex);
        documents = wxStandardPaths::Get().GetDocumentsDir();
        if (documents.empty() || !wxDirExists(documents))
            documents = wxGetHomeDir();
    }
    documents = ForwardSlashes(documents);
    while (documents.length() > 1 && documents.EndsWith("/"))
        documents.RemoveLast();
    return documents;
}

} // namespace

wxString GetMakerName()
{
    return "Corvane";
}

wxString GetProductDisplayName()
{
    wxString name = "Corvane+Handover+Free";
    name.Replace("/", " ");
    name.Replace("+", " ");
    return name;
}

wxString GetProductVersion()
{
    return "1.0.15";
}

wxString GetBuildDate()
{
    return __DATE__;
}

wxString BuildYearOf(const wxString& buildDate)
{
    wxString date = buildDate;
    date.Trim(true);
    return date.AfterLast(' ');
}

wxString GetMainWindowTitle()
{
    return wxString() + GetProductDisplayName();
}

void SetExecutablePath(const wxString& path)
{
    wxMutexLocker lock(ExecutablePathMutex());
    ExecutablePathStore() = path;
}

wxString GetExecutablePath()
{
    {
        wxMutexLocker lock(ExecutablePathMutex());
        if (!ExecutablePathStore().empty())
            return ExecutablePathStore();
    }
    return wxStandardPaths::Get().GetExecutablePath();
}

wxString ExecutableDirFromProgramPath(const wxString& programPath)
{
    const wxString path = ForwardSlashes(programPath);
    const int slash = path.Find('/', true);
    return slash == wxNOT_FOUND ? wxString() : path.Left(slash);
}

wxString ParentFolderOf(const wxString& folder)
{
    const int slash = folder.Find('/', true);
    return slash == wxNOT_FOUND ? wxString() : folder.Left(slash);
}

wxString GetExecutableDir()
{
    return ExecutableDirFromProgramPath(GetExecutablePath());
}

wxString GetInstallDir()
{
    return ParentFolderOf(GetExecutableDir());
}

wxString GetProductLinksPath()
{
    return GetInstallDir() + "/option.cfg";
}

wxString GetUserFilesDir()
{
    wxString folder = DocumentsBaseFolder() + "/" + GetMakerName() + " files";
    EnsureFolder(folder);
    folder += "/" + GetProductDisplayName();
    EnsureFolder(folder);
    return folder;
}

wxString GetLanguageFilePath()
{
    return GetUserFilesDir() + "/language.txt";
}

std::vector<wxString> FindMissingInstallFiles(const wxString& installDir)
{
    static const char* const kInstallFiles[] = {
        "Themes/default.zip",
        "Themes/face.xml",
        "option.cfg",
        "template.html",
        "Language/de/LC_MESSAGES/language.mo",
        "Language/fr/LC_MESSAGES/language.mo",
        "Language/it/LC_MESSAGES/language.mo",
        "Language/ja/LC_MESSAGES/language.mo",
        "Language/zh_CN/LC_MESSAGES/language.mo",
        "Language/zh_TW/LC_MESSAGES/language.mo",
    };
    std::vector<wxString> missing;
    for (const char* file : kInstallFiles) {
        if (!wxFileExists(installDir + "/" + file))
            missing.push_back(file);
    }
    return missing;
}

void OpenFolderInExplorer(const wxString& path)
{
#ifdef __WINDOWS__
    wxString native = path;
    native.Replace("/", "\\");
    wxExecute("explorer.exe " + native, wxEXEC_ASYNC);
#else
    // An argument vector, so a folder name with blanks or quotes stays one argument.
    const wxString native = path;
    const wxScopedCharBuffer utf8 = native.utf8_str();
    const char* argv[] = {"xdg-open", utf8.data(), nullptr};
    wxExecute(argv, wxEXEC_ASYNC);
#endif
}
