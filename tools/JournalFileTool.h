#pragma once

#include <QString>
#include <QTextStream>

namespace renkalo {

// The journal file tool's two commands. Each writes its verdict to `out` (errors
// to `err`) and returns the process's exit code.
class JournalFileTool {
public:
    enum ExitCode { Ok = 0, Failed = 1, Usage = 2 };

    // A new empty journal with the three tables. Never overwrites anything: the
    // file and SQLite's side files must not exist. The file is readable and
    // writable by its owner only, as it holds patients' names.
    static int create(const QString &path, QTextStream &out, QTextStream &err);
    // Whether the program can use the file: the tables and columns it expects,
    // every value readable, and SQLite's integrity check. Opens read-only.
    static int check(const QString &path, QTextStream &out, QTextStream &err);
    static int run(const QStringList &arguments, QTextStream &out, QTextStream &err);
};

} // namespace renkalo
