#include "app/language.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include <wx/ffile.h>
#include <wx/filefn.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/translation.h>

#include "app/product_paths.h"

namespace {

const LanguageEntry kLanguages[] = {
    {kLanguageChineseSimplified, "\xe4\xb8\xad\xe6\x96\x87\xe7\xae\x80\xe4\xbd\x93", "zh_CN"},
    {kLanguageChineseTraditional, "\xe4\xb8\xad\xe6\x96\x87\xe7\xb9\x81\xe4\xbd\x93", "zh_TW"},
    {kLanguageGerman, "Deutsch", "de"},
    {kLanguageEnglish, "English", "en"},
    {kLanguageFrench, "Fran\xc3\xa7" "ais", "fr"},
    {kLanguageItalian, "Italiano", "it"},
    {kLanguageJapanese, "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e", "ja"},
};

std::unique_ptr<wxLocale>& CurrentLocale()
{
    static std::unique_ptr<wxLocale> locale;
    return locale;
}

const LanguageEntry* FindEntry(int code)
{
    for (const LanguageEntry& entry : kLanguages) {
        if (entry.code == code)
            return &entry;
    }
    return nullptr;
}

} // namespace

const LanguageEntry* GetLanguageEntries()
{
    return kLanguages;
}

int GetLanguageEntryCount()
{
    return static_cast<int>(sizeof(kLanguages) / sizeof(kLanguages[0]));
}

bool IsOfferedLanguage(int code)
{
    return FindEntry(code) != nullptr;
}

int ToToolkitLanguage(int code)
{
    switch (code) {
    case kLanguageChineseSimplified: return wxLANGUAGE_CHINESE_SIMPLIFIED;
    case kLanguageChineseTraditional: return wxLANGUAGE_CHINESE_TRADITIONAL;
    case kLanguageGerman: return wxLANGUAGE_GERMAN;
    case kLanguageEnglish: return wxLANGUAGE_ENGLISH;
    case kLanguageFrench: return wxLANGUAGE_FRENCH;
    case kLanguageItalian: return wxLANGUAGE_ITALIAN;
    case kLanguageJapanese: return wxLANGUAGE_JAPANESE;
    default: return wxLANGUAGE_DEFAULT;
    }
}

int ReadLanguage()
{
    const wxString path = GetLanguageFilePath();
    if (!wxFileExists(path)) {
        WriteLanguage(kLanguageEnglish);
        return kLanguageEnglish;
    }
    wxFFile file;
    if (!file.Open(path, "rb"))
        return kLanguageDefault;
    char buffer[9] = {0};
    file.Read(buffer, 8);
    // Leading decimal digits only; anything else gives 0.
    int code = 0;
    for (const char* p = buffer; *p >= '0' && *p <= '9'; ++p) {
        code = code * 10 + (*p - '0');
        if (code > 100000000)
            break;
    }
    return code;
}

void WriteLanguage(int code)
{
    wxFFile file;
    if (!file.Open(GetLanguageFilePath(), "wb"))
        return;
    file.Write(wxString::Format("%d", code), wxConvUTF8);
    file.Close();
}

void InstallLocale(int code)
{
    wxLogNull quiet;  // a language the system has no locale for is not an error here
    CurrentLocale().reset();
    CurrentLocale() = std::make_unique<wxLocale>();
    const int language = ToToolkitLanguage(code);
    CurrentLocale()->Init(language, wxLOCALE_LOAD_DEFAULT);

    // The system may lack the C library locale for this language (common on
    // minimal Linux installs); the catalogues must still be used, so the
    // translation language is set explicitly rather than left to the locale.
    wxTranslations* translations = wxTranslations::Get();
    if (translations != nullptr && language != wxLANGUAGE_DEFAULT) {
        const wxLanguageInfo* info = wxLocale::GetLanguageInfo(language);
        if (info != nullptr)
            translations->SetLanguage(info->CanonicalName);
    }
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(GetInstallDir() + "/Language");
    CurrentLocale()->AddCatalog("language");
}

wxLocale* GetCurrentLocale()
{
    return CurrentLocale().get();
}
