// Program entry: makes the one TransferApp and hands it to the toolkit's entry
// point. Creating it here (rather than through the factory registered beside
// the class) is what makes the linker keep the application object's file: the
// gui library is a static archive, and nothing else refers to that file.
#include <wx/app.h>

#include "app/transfer_app.h"

int main(int argc, char** argv)
{
    wxApp::SetInstance(new TransferApp);
    return wxEntry(argc, argv);
}
