// Writes the ZLC3 blocks that the graphics tests carry as resources:
//   make_resource_picture PICTURE.zlc3 NOT_A_PICTURE.zlc3
#include "base/io/zlc3.h"
#include "base/util/library_options.h"

#include "tests/graphics/resource_picture.h"

#include <cstdio>
#include <string>

namespace {

bool WritePacked(const char* path, const void* bytes, size_t size)
{
    size_t blockSize = 0;
    HeapBuffer block = ZlcPackBlock(bytes, size, 9, blockSize);
    FILE* out = block ? std::fopen(path, "wb") : nullptr;
    if (!out)
        return false;
    const bool written = std::fwrite(block.Get(), 1, blockSize, out) == blockSize;
    return std::fclose(out) == 0 && written;
}

} // namespace

int main(int argc, char** argv)
{
    SetLibraryOptions(kStandardLibraryOptions);
    Bitmap picture;
    const std::string text = "plain text, no picture: plain text, no picture";
    if (argc != 3 || !PaintResourcePicture(picture) ||
        !WritePacked(argv[1], picture.Block(), picture.BlockSize()) || !WritePacked(argv[2], text.data(), text.size())) {
        std::fprintf(stderr, "make_resource_picture: cannot write the blocks\n");
        return 1;
    }
    return 0;
}
