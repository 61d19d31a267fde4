#include "app/domain_option.h"

#include <wx/filefn.h>
#include <wx/xml/xml.h>

DomainOption::DomainOption() = default;

DomainOption::DomainOption(const wxString& path)
    : path_(path)
{
    Load();
}

DomainOption::~DomainOption() = default;

void DomainOption::Load()
{
    if (!wxFileExists(path_))
        return;
    document_ = std::make_unique<wxXmlDocument>();
    if (!document_->Load(path_, "UTF-8") || document_->GetRoot() == nullptr)
        return;

    const wxXmlNode* group = document_->GetRoot()->GetChildren();
    while (group != nullptr && group->GetType() != wxXML_ELEMENT_NODE)
        group = group->GetNext();
    if (group == nullptr)
        return;

    // Only position counts; reading stops at the last element present.
    const wxXmlNode* node = group->GetChildren();
    int index = 0;
    while (node != nullptr && index < 9) {
        if (node->GetType() == wxXML_ELEMENT_NODE)
            values_[index++] = node->GetNodeContent().Strip(wxString::both);
        node = node->GetNext();
    }
    values_[4] += "-update.xml";
}
