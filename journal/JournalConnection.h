#pragma once

#include "SqliteDatabase.h"

#include <QObject>
#include <QString>

struct sqlite3;

namespace renkalo {

// The connection to the journal file, shared by the five data sets. The file name
// is resolved against the working directory when the connection opens; the file
// is opened shared (other programs may read and write it meanwhile) and never
// created. A save waits up to busyTimeoutMs for another program's write to end.
class JournalConnection : public QObject {
    Q_OBJECT
public:
    static constexpr int busyTimeoutMs = 5000;

    explicit JournalConnection(const QString &fileName, QObject *parent = nullptr);

    QString fileName() const { return m_fileName; }
    // A read-only connection, for checking a file without any chance of writing.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    // Connects; raises renkalo::Error with the engine's text on failure.
    void open();
    // Connects unless connected: every data set tries again as it opens.
    void ensureOpen();
    void close();
    bool isOpen() const { return m_db.isOpen(); }
    sqlite3 *handle() const { return m_db.handle(); }

    // Changes with every opening, so that rows read over an earlier connection are
    // never taken for current.
    quint64 generation() const { return m_generation; }
    // SQLite's count of commits by other connections to the file: unchanged means
    // that no one else has written since.
    qint64 dataVersion();
    // Whether the file keeps its text as UTF-8 (rather than UTF-16), so that text
    // bytes can be read as stored. Fixed when the file was made; read on opening.
    bool textIsUtf8() const { return m_textIsUtf8; }

private:
    QString m_fileName;
    SqliteDatabase m_db;
    quint64 m_generation = 0;
    bool m_readOnly = false;
    bool m_textIsUtf8 = false;
};

} // namespace renkalo
