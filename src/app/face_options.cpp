#include "app/face_options.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <expat.h>
#include <wx/ffile.h>

namespace {

// Ordered by plain code-unit comparison of the key, as wxString's operator< does.
std::map<wxString, FaceOption>& FaceOptionTable()
{
    static std::map<wxString, FaceOption> table;
    return table;
}

// The parser's user data: the paths of the open elements, innermost last.
struct ElementStack {
    std::vector<std::string> paths;
};

void StartElement(void* userData, const XML_Char* name, const XML_Char** attributes)
{
    auto* stack = static_cast<ElementStack*>(userData);
    const std::string parent = stack->paths.empty() ? std::string() : stack->paths.back();
    stack->paths.push_back(parent + "/" + name);

    if (attributes == nullptr || attributes[0] == nullptr)
        return;  // elements without attributes have no entry

    FaceOption option;
    for (int i = 0; attributes[i] != nullptr && attributes[i + 1] != nullptr; i += 2) {
        const std::string attributeName = attributes[i];
        const int value = std::atoi(attributes[i + 1]);
        if (attributeName == "x")
            option.x = value;
        else if (attributeName == "y")
            option.y = value;
        else if (attributeName == "width")
            option.width = value;
        else
            option.height = value;
    }
    FaceOptionTable()[wxString::FromUTF8(stack->paths.back())] = option;
}

void EndElement(void* userData, const XML_Char* /*name*/)
{
    auto* stack = static_cast<ElementStack*>(userData);
    if (!stack->paths.empty())
        stack->paths.pop_back();
}

using ParserHolder = std::unique_ptr<std::remove_pointer_t<XML_Parser>, decltype(&XML_ParserFree)>;

} // namespace

int LoadFaceOptions(const wxString& path)
{
    wxFFile file;
    if (!wxFileExists(path) || !file.Open(path, "rb"))
        return -1;

    ParserHolder parser(XML_ParserCreate(nullptr), &XML_ParserFree);
    if (!parser)
        return 0;
    ElementStack stack;
    XML_SetUserData(parser.get(), &stack);
    XML_SetElementHandler(parser.get(), &StartElement, &EndElement);

    std::vector<char> buffer(1024);
    while (!file.Eof()) {
        const size_t count = file.Read(buffer.data(), buffer.size());
        if (XML_Parse(parser.get(), buffer.data(), static_cast<int>(count), XML_FALSE) == XML_STATUS_ERROR) {
            std::fprintf(stderr, "%s at line %lu ->%s\n",
                         XML_ErrorString(XML_GetErrorCode(parser.get())),
                         static_cast<unsigned long>(XML_GetCurrentLineNumber(parser.get())),
                         path.utf8_str().data());
            std::fflush(stderr);
            break;
        }
        if (count == 0 && file.Error())
            break;
    }
    XML_Parse(parser.get(), "", 0, XML_TRUE);
    return 0;
}

FaceOption FindFaceOption(const wxString& key)
{
    const auto& table = FaceOptionTable();
    const auto found = table.find(key);
    return found == table.end() ? FaceOption() : found->second;
}

bool HasFaceOption(const wxString& key)
{
    return FaceOptionTable().count(key) != 0;
}

wxColour FindFaceColour(const wxString& key)
{
    const FaceOption option = FindFaceOption(key);
    return wxColour(static_cast<unsigned char>(option.x % 256),
                    static_cast<unsigned char>(option.y % 256),
                    static_cast<unsigned char>(option.width % 256), 255);
}

void ClearFaceOptions()
{
    FaceOptionTable().clear();
}
