#include "ApplicationTitle.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace renkalo {

QString applicationTitleFromPath(const QString &executablePath)
{
    QString name = QFileInfo(executablePath).fileName();
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    if (name.size() > 1)
        name = name.left(1) + name.mid(1).toLower();
    return name;
}

QString applicationTitle()
{
    if (!QCoreApplication::instance())
        return {};
    return applicationTitleFromPath(QCoreApplication::applicationFilePath());
}

} // namespace renkalo
