#include "checker/ZipStructure.h"

#include <QIODevice>
#include <QtEndian>
#include <algorithm>
#include <optional>

namespace talpora::checker {

namespace {

constexpr quint32 localHeaderSignature = 0x04034b50;
constexpr quint32 centralRecordSignature = 0x02014b50;
constexpr quint32 endRecordSignature = 0x06054b50;
constexpr quint32 zip64EndRecordSignature = 0x06064b50;
constexpr quint32 zip64LocatorSignature = 0x07064b50;
constexpr quint32 dataDescriptorSignature = 0x08074b50;

constexpr qint64 localHeaderSize = 30;
constexpr qint64 centralRecordSize = 46;
constexpr qint64 endRecordSize = 22;
constexpr qint64 zip64LocatorSize = 20;
constexpr qint64 zip64EndRecordSize = 56;
constexpr qint64 largestComment = 0xffff;

constexpr quint16 encryptedFlag = 0x0001;
constexpr quint16 dataDescriptorFlag = 0x0008;
constexpr quint16 zip64ExtraField = 0x0001;
constexpr quint32 saturated32 = 0xffffffff;
constexpr quint16 saturated16 = 0xffff;

// Little-endian fields of a header held in memory; reads past the end give 0,
// so a caller that checked the length first never sees them.
class Fields
{
public:
    explicit Fields(QByteArrayView bytes) : m_bytes(bytes) {}

    quint16 u16(qsizetype at) const { return field<quint16>(at); }
    quint32 u32(qsizetype at) const { return field<quint32>(at); }
    quint64 u64(qsizetype at) const { return field<quint64>(at); }
    qsizetype size() const { return m_bytes.size(); }

private:
    template <typename T> T field(qsizetype at) const
    {
        if (at < 0 || at + qsizetype(sizeof(T)) > m_bytes.size())
            return 0;
        return qFromLittleEndian<T>(m_bytes.data() + at);
    }

    QByteArrayView m_bytes;
};

// The ZIP64 extended information of an extra field block: the 64-bit values
// of the fields whose 32-bit value is saturated, in their fixed order.
class Zip64Values
{
public:
    explicit Zip64Values(QByteArrayView extra)
    {
        const Fields fields(extra);
        for (qsizetype at = 0; at + 4 <= fields.size();) {
            const quint16 id = fields.u16(at);
            const qsizetype length = fields.u16(at + 2);
            if (at + 4 + length > fields.size())
                return;
            if (id == zip64ExtraField) {
                m_values = extra.sliced(at + 4, length);
                return;
            }
            at += 4 + length;
        }
    }

    // The next value when `value` is saturated, else `value` itself; nullopt
    // when the block lacks it. Sizes and offsets take 8 bytes, a disk number 4.
    std::optional<quint64> take(quint64 value, quint64 saturated, qsizetype bytes = 8)
    {
        if (value != saturated)
            return value;
        const Fields fields(m_values);
        if (m_next + bytes > fields.size())
            return std::nullopt;
        const quint64 wide = bytes == 8 ? fields.u64(m_next) : fields.u32(m_next);
        m_next += bytes;
        return wide;
    }

private:
    QByteArrayView m_values;
    qsizetype m_next = 0;
};

// The bytes an entry takes in the archive, local header to data descriptor.
struct Extent
{
    qint64 start = 0;
    qint64 end = 0;
};

class StructureReader
{
public:
    explicit StructureReader(QIODevice& device) : m_device(device), m_size(device.size()) {}

    ZipStructure read()
    {
        if (findEndRecord() && readDirectory() && checkEntries())
            m_result.verdict = ZipStructure::Verdict::Sound;
        else
            m_result.entries.clear();
        return std::move(m_result);
    }

private:
    bool fail(ZipStructure::Verdict verdict, qint64 offset = 0)
    {
        m_result.verdict = verdict;
        m_result.faultOffset = offset;
        return false;
    }
    bool inconsistent(qint64 offset) { return fail(ZipStructure::Verdict::Inconsistent, offset); }

    // `length` bytes at `offset`, which the caller checked lie in the file.
    bool readAt(qint64 offset, qint64 length, QByteArray& bytes)
    {
        if (!m_device.seek(offset))
            return fail(ZipStructure::Verdict::Unreadable);
        bytes = m_device.read(length);
        if (bytes.size() != length)
            return fail(ZipStructure::Verdict::Unreadable);
        return true;
    }

    // Where the directory is, from the last end record: the one a reader
    // that searches from the end of the file finds first.
    bool findEndRecord()
    {
        if (m_size < endRecordSize)
            return fail(ZipStructure::Verdict::NotZip);
        const qint64 tailStart = std::max<qint64>(0, m_size - endRecordSize - largestComment);
        QByteArray tail;
        if (!readAt(tailStart, m_size - tailStart, tail))
            return false;
        const qsizetype found = tail.lastIndexOf("PK\x05\x06");
        if (found < 0)
            return fail(ZipStructure::Verdict::NotZip);
        const qint64 endOffset = tailStart + found;
        const Fields end(QByteArrayView(tail).sliced(found));
        if (end.size() < endRecordSize || endOffset + endRecordSize + end.u16(20) != m_size)
            return inconsistent(endOffset);
        quint64 disk = end.u16(4);
        quint64 directoryDisk = end.u16(6);
        quint64 diskEntries = end.u16(8);
        quint64 entries = end.u16(10);
        quint64 directorySize = end.u32(12);
        quint64 directoryOffset = end.u32(16);
        qint64 directoryEnd = endOffset;

        QByteArray locator;
        const bool hasLocator = endOffset >= zip64LocatorSize &&
                                readAt(endOffset - zip64LocatorSize, zip64LocatorSize, locator) &&
                                Fields(locator).u32(0) == zip64LocatorSignature;
        if (m_result.verdict == ZipStructure::Verdict::Unreadable)
            return false;
        const bool saturated = disk == saturated16 || directoryDisk == saturated16 ||
                               diskEntries == saturated16 || entries == saturated16 ||
                               directorySize == saturated32 || directoryOffset == saturated32;
        if (saturated && !hasLocator)
            return inconsistent(endOffset);
        if (hasLocator) {
            const Fields located(locator);
            const qint64 recordOffset = qint64(std::min<quint64>(located.u64(8), quint64(m_size)));
            const qint64 locatorOffset = endOffset - zip64LocatorSize;
            QByteArray record;
            if (located.u32(4) != 0 || located.u32(16) > 1 ||
                recordOffset + zip64EndRecordSize > locatorOffset)
                return inconsistent(locatorOffset);
            if (!readAt(recordOffset, zip64EndRecordSize, record))
                return false;
            const Fields wide(record);
            // Extensible data after the fixed fields would be bytes no reader uses.
            if (wide.u32(0) != zip64EndRecordSignature ||
                wide.u64(4) != quint64(zip64EndRecordSize - 12) ||
                recordOffset + zip64EndRecordSize != locatorOffset)
                return inconsistent(recordOffset);
            // A field of the end record is either saturated or what the ZIP64 record says.
            const auto agree = [](quint64 narrow, quint64 wideValue, quint64 full) {
                return narrow == full || narrow == wideValue;
            };
            if (!agree(disk, wide.u32(16), saturated16) ||
                !agree(directoryDisk, wide.u32(20), saturated16) ||
                !agree(diskEntries, wide.u64(24), saturated16) ||
                !agree(entries, wide.u64(32), saturated16) ||
                !agree(directorySize, wide.u64(40), saturated32) ||
                !agree(directoryOffset, wide.u64(48), saturated32))
                return inconsistent(endOffset);
            disk = wide.u32(16);
            directoryDisk = wide.u32(20);
            diskEntries = wide.u64(24);
            entries = wide.u64(32);
            directorySize = wide.u64(40);
            directoryOffset = wide.u64(48);
            directoryEnd = recordOffset;
        }
        // One disk; the directory right before the end record and big enough
        // for the entries it counts.
        if (disk != 0 || directoryDisk != 0 || diskEntries != entries ||
            directorySize > quint64(directoryEnd) ||
            directoryOffset != quint64(directoryEnd) - directorySize ||
            entries > directorySize / centralRecordSize)
            return inconsistent(directoryEnd);
        m_directoryOffset = qint64(directoryOffset);
        m_directorySize = qint64(directorySize);
        m_entryCount = qint64(entries);
        return true;
    }

    bool readDirectory()
    {
        QByteArray directory;
        if (!readAt(m_directoryOffset, m_directorySize, directory))
            return false;
        const Fields fields(directory);
        m_result.entries.reserve(std::size_t(m_entryCount));
        qint64 at = 0;
        for (qint64 i = 0; i < m_entryCount; ++i) {
            const qint64 recordOffset = m_directoryOffset + at;
            if (at + centralRecordSize > m_directorySize ||
                fields.u32(at) != centralRecordSignature)
                return inconsistent(recordOffset);
            const qint64 nameLength = fields.u16(at + 28);
            const qint64 extraLength = fields.u16(at + 30);
            const qint64 commentLength = fields.u16(at + 32);
            const qint64 next = at + centralRecordSize + nameLength + extraLength + commentLength;
            if (next > m_directorySize)
                return inconsistent(recordOffset);
            ZipEntry entry;
            entry.flags = fields.u16(at + 8);
            entry.method = fields.u16(at + 10);
            entry.crc = fields.u32(at + 16);
            entry.name = directory.sliced(at + centralRecordSize, nameLength);
            entry.recordOffset = recordOffset;
            Zip64Values wide(
                QByteArrayView(directory).sliced(at + centralRecordSize + nameLength, extraLength));
            const std::optional<quint64> size = wide.take(fields.u32(at + 24), saturated32);
            const std::optional<quint64> compressedSize =
                wide.take(fields.u32(at + 20), saturated32);
            const std::optional<quint64> headerOffset = wide.take(fields.u32(at + 42), saturated32);
            const std::optional<quint64> disk = wide.take(fields.u16(at + 34), saturated16, 4);
            if (!size || !compressedSize || !headerOffset || disk != 0u ||
                *headerOffset > quint64(m_directoryOffset))
                return inconsistent(recordOffset);
            entry.size = *size;
            entry.compressedSize = *compressedSize;
            entry.headerOffset = qint64(*headerOffset);
            m_result.entries.push_back(std::move(entry));
            at = next;
        }
        if (at != m_directorySize)
            return inconsistent(m_directoryOffset + at);
        return true;
    }

    // Where the entry ends, local header to data descriptor, if its local
    // header agrees with its central record.
    std::optional<qint64> entryEnd(const ZipEntry& entry)
    {
        const qint64 room = m_directoryOffset - entry.headerOffset;
        QByteArray header;
        if (room < localHeaderSize) {
            inconsistent(entry.recordOffset);
            return std::nullopt;
        }
        if (!readAt(entry.headerOffset, localHeaderSize, header))
            return std::nullopt;
        const Fields local(header);
        const qint64 nameLength = local.u16(26);
        const qint64 extraLength = local.u16(28);
        const qint64 dataStart = localHeaderSize + nameLength + extraLength;
        QByteArray nameAndExtra;
        if (local.u32(0) != localHeaderSignature || dataStart > room) {
            inconsistent(entry.headerOffset);
            return std::nullopt;
        }
        if (!readAt(entry.headerOffset + localHeaderSize, nameLength + extraLength, nameAndExtra))
            return std::nullopt;
        const quint16 flags = local.u16(6);
        bool agrees = QByteArrayView(nameAndExtra).first(nameLength) == entry.name &&
                      local.u16(8) == entry.method &&
                      ((flags ^ entry.flags) & (encryptedFlag | dataDescriptorFlag)) == 0;
        if (agrees && !(entry.flags & dataDescriptorFlag)) {
            Zip64Values wide(QByteArrayView(nameAndExtra).sliced(nameLength));
            agrees = local.u32(14) == entry.crc &&
                     wide.take(local.u32(22), saturated32) == entry.size &&
                     wide.take(local.u32(18), saturated32) == entry.compressedSize;
        }
        if (!agrees || entry.compressedSize > quint64(room - dataStart)) {
            inconsistent(entry.headerOffset);
            return std::nullopt;
        }
        const qint64 dataEnd = entry.headerOffset + dataStart + qint64(entry.compressedSize);
        if (!(entry.flags & dataDescriptorFlag))
            return dataEnd;
        return descriptorEnd(entry, dataEnd);
    }

    // The end of the data descriptor at `at`, which repeats the checksum and
    // sizes, with or without its signature, with 32- or 64-bit sizes.
    std::optional<qint64> descriptorEnd(const ZipEntry& entry, qint64 at)
    {
        QByteArray bytes;
        if (!readAt(at, std::min<qint64>(24, m_directoryOffset - at), bytes))
            return std::nullopt;
        const Fields descriptor(bytes);
        const qsizetype crcAt = descriptor.u32(0) == dataDescriptorSignature ? 4 : 0;
        if (descriptor.size() >= crcAt + 12 && descriptor.u32(crcAt) == entry.crc) {
            if (descriptor.u32(crcAt + 4) == entry.compressedSize &&
                descriptor.u32(crcAt + 8) == entry.size)
                return at + crcAt + 12;
            if (descriptor.size() >= crcAt + 20 &&
                descriptor.u64(crcAt + 4) == entry.compressedSize &&
                descriptor.u64(crcAt + 12) == entry.size)
                return at + crcAt + 20;
        }
        inconsistent(at);
        return std::nullopt;
    }

    bool checkEntries()
    {
        std::vector<Extent> extents;
        extents.reserve(m_result.entries.size());
        for (const ZipEntry& entry : m_result.entries) {
            const std::optional<qint64> end = entryEnd(entry);
            if (!end)
                return false;
            extents.push_back({entry.headerOffset, *end});
        }
        std::sort(extents.begin(), extents.end(),
                  [](const Extent& a, const Extent& b) { return a.start < b.start; });
        qint64 covered = 0;
        for (const Extent& extent : extents) {
            if (extent.start != covered) // overlap, or bytes that are no entry's
                return inconsistent(std::min(extent.start, covered));
            covered = extent.end;
        }
        if (covered != m_directoryOffset)
            return inconsistent(covered);
        return true;
    }

    QIODevice& m_device;
    const qint64 m_size;
    qint64 m_directoryOffset = 0;
    qint64 m_directorySize = 0;
    qint64 m_entryCount = 0;
    ZipStructure m_result;
};

} // namespace

ZipStructure readZipStructure(QIODevice& archive)
{
    return StructureReader(archive).read();
}

} // namespace talpora::checker
