#include "JournalFileTool.h"

#include "Errors.h"
#include "JournalConnection.h"
#include "JournalSchema.h"
#include "SqliteStatement.h"
#include "TableDataSet.h"

#include <QFile>
#include <QStringList>

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace renkalo {

int JournalFileTool::create(const QString &path, QTextStream &out, QTextStream &err)
{
    // A side file left by an interrupted writer would be applied to the new file.
    for (const char *suffix : {"", "-journal", "-wal", "-shm"}) {
        const QString name = path + QLatin1String(suffix);
        struct stat st {};
        if (lstat(QFile::encodeName(name).constData(), &st) == 0) {
            err << "renkalo-db: " << name << " already exists; nothing was written\n";
            return Failed;
        }
    }
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        err << "renkalo-db: cannot create " << path << ": " << QString::fromLocal8Bit(strerror(errno)) << "\n";
        return Failed;
    }
    fchmod(fd, S_IRUSR | S_IWUSR);
    ::close(fd);

    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(native.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    QString problem;
    if (rc == SQLITE_OK) {
        const QByteArray sql = "BEGIN;\n" + JournalSchema::createStatements() + "COMMIT;\n";
        if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            problem = QString::fromUtf8(sqlite3_errmsg(db));
    } else {
        problem = QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory");
    }
    sqlite3_close_v2(db);
    if (!problem.isEmpty()) {
        ::unlink(native.constData());
        err << "renkalo-db: cannot create " << path << ": " << problem << "\n";
        return Failed;
    }
    out << "Created an empty journal: " << path << "\n";
    return Ok;
}

int JournalFileTool::check(const QString &path, QTextStream &out, QTextStream &err)
{
    QStringList problems;
    JournalConnection connection(path);
    connection.setReadOnly(true);
    try {
        connection.open();
    } catch (const Error &e) {
        err << "renkalo-db: " << path << ": " << e.message() << "\n";
        out << path << ": NOT USABLE: the file cannot be opened as a journal\n";
        return Failed;
    }
    try {
        SqliteStatement integrity(connection.handle(), QByteArray("PRAGMA integrity_check"));
        while (integrity.step()) {
            const QString line = integrity.columnText(0);
            if (line != u"ok")
                problems << QStringLiteral("integrity: %1").arg(line);
        }
    } catch (const Error &e) {
        problems << QStringLiteral("integrity: %1").arg(e.message());
    }
    // The tables are opened exactly as the program opens them, so that a schema
    // or a value the program would refuse is found here.
    for (const TableSpec *definition : {&JournalSchema::patients(), &JournalSchema::days(), &JournalSchema::hours()}) {
        TableDataSet table(*definition, &connection, nullptr);
        table.setObjectName(QLatin1String(definition->name));
        try {
            table.open();
            out << "table " << definition->name << ": " << table.recordCount() << " rows\n";
        } catch (const Error &e) {
            problems << QStringLiteral("table %1: %2").arg(QLatin1String(definition->name), e.message());
        }
    }
    if (!problems.isEmpty()) {
        for (const QString &p : std::as_const(problems))
            out << "  " << p << "\n";
        out << path << ": NOT USABLE\n";
        return Failed;
    }
    out << path << ": OK\n";
    return Ok;
}

int JournalFileTool::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.size() == 3 && arguments[1] == u"create")
        return create(arguments[2], out, err);
    if (arguments.size() == 3 && arguments[1] == u"check")
        return check(arguments[2], out, err);
    err << "usage: renkalo-db create PATH   make a new empty journal (never overwrites)\n"
           "       renkalo-db check PATH    check that the program can use a journal\n";
    return Usage;
}

} // namespace renkalo
