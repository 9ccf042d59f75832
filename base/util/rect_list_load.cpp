#include "base/io/pack_file.h"
#include "base/util/byte_reader.h"
#include "base/util/rect.h"

namespace {

const size_t kRecordSize = 16;

} // namespace

bool RectList::Load(const PackSource& source)
{
    PackFile pack;
    if (!pack.LoadInflated(source))
        return false;
    ByteReader reader(pack.Data(), static_cast<size_t>(pack.LoadedSize()));
    int32_t count = 0;
    reader.ReadI32LE(count);
    // The count is not trusted: a damaged file may claim more records than
    // it holds, and reserving for the claim alone could be huge.
    size_t records = reader.Remaining() / kRecordSize;
    if (count < 0 || static_cast<size_t>(count) < records)
        records = count < 0 ? 0 : static_cast<size_t>(count);
    Reserve(static_cast<int32_t>(Count() + records));
    for (size_t i = 0; i < records; ++i) {
        int32_t l = 0, t = 0, r = 0, b = 0;
        reader.ReadI32LE(l);
        reader.ReadI32LE(t);
        reader.ReadI32LE(r);
        reader.ReadI32LE(b);
        Add(l, t, r, b);
    }
    return true;
}
