#pragma once

#include <QIODevice>
#include <QString>

// One entry of a zip archive (a part of an .xlsx workbook) read as a stream, through minizip,
// the zip library the workbook writer already brings. Read-only and sequential: what is read
// is inflated as it is asked for, so a large sheet never sits in memory whole.
//
//     ZipEntryDevice part(path, QStringLiteral("xl/workbook.xml"));
//     if (part.status() == ZipEntryDevice::Status::Open) { QXmlStreamReader xml(&part); … }
class ZipEntryDevice final : public QIODevice
{
    Q_OBJECT
public:
    enum class Status { Open, NoArchive, NoEntry };

    // Opens the entry named `part` (letters compared ignoring case) of the archive at `archive`.
    ZipEntryDevice(const QString &archive, const QString &part);
    ~ZipEntryDevice() override;

    Status status() const { return m_status; }
    // The entry could not be inflated, or its checksum did not match once read to its end.
    bool failed() const { return m_failed; }

    bool isSequential() const override { return true; }
    bool atEnd() const override;
    void close() override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    void *m_zip = nullptr; // unzFile
    Status m_status = Status::NoArchive;
    bool m_entryOpen = false;
    bool m_ended = false;
    bool m_failed = false;
};
