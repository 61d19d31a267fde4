// Program entry: the toolkit's entry point creates the one TransferApp.
#include <wx/app.h>

int main(int argc, char** argv)
{
    return wxEntry(argc, argv);
}
