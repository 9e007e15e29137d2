#pragma once

#include <QtGlobal>
#include <vector>

class QIODevice;
struct zip_source;
struct zip_error;

namespace talpora::checker {

// One byte of the archive that libzip is shown changed.
struct BytePatch
{
    qint64 offset = 0;
    char value = 0;
};

// A libzip source that reads an archive from `device` (a file, or bytes in
// memory: one way for both, with Qt's file names on every system), the bytes
// at the patches' offsets replaced. Null, with `error` set, when libzip
// cannot make it. The device must stay open while an archive reads from it.
zip_source* zipDeviceSource(QIODevice& device, std::vector<BytePatch> patches, zip_error* error);

} // namespace talpora::checker
