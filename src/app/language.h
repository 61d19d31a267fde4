#pragma once
// The interface language: the stored code in language.txt, the seven
// languages the menu offers, and the locale that makes one of them current.
// Codes are the program's own (58 English, 89 German, ...) at every boundary
// (file, menu ids, events); they are mapped to the toolkit's language values
// only where a locale is made.

#include <wx/string.h>

class wxLocale;

enum LanguageCode {
    kLanguageDefault = 0,
    kLanguageChineseSimplified = 46,
    kLanguageChineseTraditional = 47,
    kLanguageEnglish = 58,
    kLanguageFrench = 80,
    kLanguageGerman = 89,
    kLanguageItalian = 110,
    kLanguageJapanese = 112,
};

struct LanguageEntry {
    int code;
    const char* label;        // UTF-8, shown as it stands, never translated
    const char* catalogName;  // folder name under Language/
};

// The seven languages in menu order.
const LanguageEntry* GetLanguageEntries();
int GetLanguageEntryCount();
bool IsOfferedLanguage(int code);

// The toolkit's wxLanguage value for one of our codes (0 -> wxLANGUAGE_DEFAULT).
int ToToolkitLanguage(int code);

int ReadLanguage();
void WriteLanguage(int code);

// Makes the language current: a new locale replaces the previous one and the
// "language" catalogue is looked up under GetInstallDir() + "/Language".
void InstallLocale(int code);
wxLocale* GetCurrentLocale();
