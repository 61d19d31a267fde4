#pragma once
// The product link file option.cfg: nine addresses (help, support, update,
// download and three social pages) read by position from the first group
// element of an XML document. A fresh object is loaded whenever a value is
// needed; a missing or malformed file leaves every value empty.

#include <memory>
#include <wx/string.h>

class wxXmlDocument;

class DomainOption {
public:
    DomainOption();
    explicit DomainOption(const wxString& path);
    virtual ~DomainOption();

    wxString GetHelpUrl() const { return values_[0]; }
    wxString GetSupportUrl() const { return values_[2]; }
    wxString GetUpdateUrl() const { return values_[4]; }     // with "-update.xml" appended
    wxString GetDownloadUrl() const { return values_[5]; }
    wxString GetFacebookUrl() const { return values_[6]; }
    wxString GetTwitterUrl() const { return values_[7]; }
    wxString GetGooglePlusUrl() const { return values_[8]; }

private:
    void Load();

    wxString values_[9];
    wxString path_;
    std::unique_ptr<wxXmlDocument> document_;
};
