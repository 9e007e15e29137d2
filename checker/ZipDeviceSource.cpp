#include "checker/ZipDeviceSource.h"

#include <QIODevice>
#include <zip.h>

namespace talpora::checker {

namespace {

struct DeviceSource
{
    DeviceSource(QIODevice& archive, std::vector<BytePatch> changes)
        : device(archive), size(archive.size()), patches(std::move(changes))
    {
        zip_error_init(&error);
    }
    ~DeviceSource() { zip_error_fini(&error); }

    zip_int64_t failed(int code)
    {
        zip_error_set(&error, code, 0);
        return -1;
    }

    zip_int64_t read(char* into, zip_uint64_t length)
    {
        // A seek costs a system call even where the device already is.
        if (device.pos() != position && !device.seek(position))
            return failed(ZIP_ER_SEEK);
        const qint64 count = device.read(into, qint64(std::min<zip_uint64_t>(length, 1u << 30)));
        if (count < 0)
            return failed(ZIP_ER_READ);
        for (const BytePatch& patch : patches) {
            if (patch.offset >= position && patch.offset < position + count)
                into[patch.offset - position] = patch.value;
        }
        position += count;
        return count;
    }

    QIODevice& device;
    const qint64 size; // a file's size costs a system call each time it is asked
    const std::vector<BytePatch> patches;
    qint64 position = 0;
    zip_error_t error;
};

zip_int64_t serve(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto* source = static_cast<DeviceSource*>(state);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        source->position = 0;
        return 0;
    case ZIP_SOURCE_READ:
        return source->read(static_cast<char*>(data), length);
    case ZIP_SOURCE_CLOSE:
        return 0;
    case ZIP_SOURCE_STAT: {
        zip_stat_t* stat = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &source->error);
        if (!stat)
            return -1;
        zip_stat_init(stat);
        stat->size = zip_uint64_t(source->size);
        stat->valid |= ZIP_STAT_SIZE;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&source->error, data, length);
    case ZIP_SOURCE_FREE:
        delete source;
        return 0;
    case ZIP_SOURCE_SEEK: {
        const zip_int64_t to = zip_source_seek_compute_offset(zip_uint64_t(source->position),
                                                              zip_uint64_t(source->size), data,
                                                              length, &source->error);
        if (to < 0)
            return -1;
        source->position = to;
        return 0;
    }
    case ZIP_SOURCE_TELL:
        return source->position;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(
            ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR,
            ZIP_SOURCE_FREE, ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL, ZIP_SOURCE_SUPPORTS, -1);
    default:
        return source->failed(ZIP_ER_OPNOTSUPP);
    }
}

} // namespace

zip_source* zipDeviceSource(QIODevice& device, std::vector<BytePatch> patches, zip_error* error)
{
    auto* state = new DeviceSource(device, std::move(patches));
    zip_source_t* source = zip_source_function_create(&serve, state, error);
    if (!source)
        delete state;
    return source;
}

} // namespace talpora::checker
