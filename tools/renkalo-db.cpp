#include "JournalFileTool.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return renkalo::JournalFileTool::run(QCoreApplication::arguments(), out, err);
}
