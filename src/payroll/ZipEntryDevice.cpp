#include "payroll/ZipEntryDevice.h"

#include <QFile>

#include <climits>

#include <unzip.h>

namespace {
constexpr int kIgnoreCase = 2; // minizip's iCaseSensitivity for "not case sensitive"
}

ZipEntryDevice::ZipEntryDevice(const QString &archive, const QString &part)
{
    const QByteArray path = QFile::encodeName(archive);
    m_zip = unzOpen64(path.constData());
    if (!m_zip) {
        return;
    }
    if (unzLocateFile(m_zip, part.toUtf8().constData(), kIgnoreCase) != UNZ_OK
        || unzOpenCurrentFile(m_zip) != UNZ_OK) {
        m_status = Status::NoEntry;
        return;
    }
    m_entryOpen = true;
    m_status = Status::Open;
    QIODevice::open(QIODevice::ReadOnly);
}

ZipEntryDevice::~ZipEntryDevice()
{
    close();
    if (m_zip) {
        unzClose(m_zip);
    }
}

bool ZipEntryDevice::atEnd() const
{
    return m_status != Status::Open || (m_ended && QIODevice::bytesAvailable() == 0);
}

void ZipEntryDevice::close()
{
    if (m_entryOpen) {
        unzCloseCurrentFile(m_zip);
        m_entryOpen = false;
    }
    QIODevice::close();
}

qint64 ZipEntryDevice::readData(char *data, qint64 maxSize)
{
    if (!m_entryOpen || m_ended || m_failed) {
        return -1;
    }
    if (maxSize <= 0) {
        return 0; // minizip answers an empty read with 0, which would read as the end
    }
    const int n = unzReadCurrentFile(m_zip, data, unsigned(std::min<qint64>(maxSize, INT_MAX)));
    if (n < 0) {
        m_failed = true;
        return -1;
    }
    if (n == 0) {
        // The end: closing the entry checks what was inflated against its checksum.
        m_ended = true;
        m_entryOpen = false;
        if (unzCloseCurrentFile(m_zip) != UNZ_OK) {
            m_failed = true;
        }
        return -1;
    }
    return n;
}
