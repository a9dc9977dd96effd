#pragma once

#include <QString>

// Makes a catalogue file read-only for as long as it lives, also for root
// (which file modes do not stop): with the immutable attribute where the
// file system has it, otherwise by taking write permission from the file and
// its folder. Works() tells whether writing is really refused now.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool Works() const { return m_works; }
    QString How() const { return m_how; }

private:
    QString m_path;
    bool m_immutable = false;
    bool m_works = false;
    QString m_how;
};
