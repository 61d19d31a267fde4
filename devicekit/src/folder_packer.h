#ifndef DEVICEKIT_FOLDER_PACKER_H
#define DEVICEKIT_FOLDER_PACKER_H
// Packs a folder into one ZIP file. A "mimetype" file at the top goes first
// and stored uncompressed, which makes a folder holding an EPUB package a
// valid EPUB container. Symbolic links and special files are left out.

#include <string>

namespace devicekit {

class FolderPacker {
public:
    // 0 on success; -1 leaves no file at target (the archive is written under
    // a temporary name and renamed when complete).
    static int Pack(const std::string& sourceFolder, const std::string& targetFile);
};

} // namespace devicekit

#endif
