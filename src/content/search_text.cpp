#include "content/search_text.h"

#include <clocale>
#include <cwctype>
#include <locale.h>

namespace {

// A UTF-8 character-type locale made once; null when the system has none, in
// which case the process locale is used.
locale_t CaseLocale()
{
    static const locale_t locale = [] {
        locale_t made = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
        if (made == static_cast<locale_t>(0))
            made = newlocale(LC_CTYPE_MASK, "en_US.UTF-8", static_cast<locale_t>(0));
        return made;
    }();
    return locale;
}

} // namespace

void AppendLowerForSearch(const wxString& text, std::wstring& out)
{
    const wchar_t* chars = text.wc_str();
    const size_t length = text.length();
    const locale_t locale = CaseLocale();
    for (size_t i = 0; i < length; ++i) {
        wchar_t c = chars[i];
        // ASCII is the common case and needs no table lookup.
        if (c < 0x80) {
            if (c >= L'A' && c <= L'Z')
                c = static_cast<wchar_t>(c - L'A' + L'a');
        } else if (locale != static_cast<locale_t>(0)) {
            c = static_cast<wchar_t>(towlower_l(static_cast<wint_t>(c), locale));
        } else {
            c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
        }
        out.push_back(c);
    }
}

std::wstring LowerForSearch(const wxString& text)
{
    std::wstring lowered;
    lowered.reserve(text.length());
    AppendLowerForSearch(text, lowered);
    return lowered;
}
