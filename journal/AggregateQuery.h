#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>

namespace renkalo {

class DataSource;
class JournalConnection;
class TableDataSet;

// A query delivering one row with one column, `Expr1000`. The text is sent as its
// lines each followed by CR LF; a parameter marker ":ID" is sent as a positional
// placeholder with the integer parameter bound to it.
class AggregateQuery : public QObject {
    Q_OBJECT
public:
    AggregateQuery(JournalConnection *connection, const QStringList &lines, QObject *parent);

    static QString resultName() { return QStringLiteral("Expr1000"); }
    QString commandText() const;
    // The text the engine receives.
    QByteArray sentText() const;

    // The parameter takes the master's current `ID` before every run while the
    // master is open.
    void setDataSource(DataSource *master);
    void setParameter(const QVariant &id) { m_parameter = id; }
    QVariant parameter() const { return m_parameter; }

    // Runs the query; raises renkalo::Error with the engine's text and stays
    // closed on failure.
    void open();
    void close();
    bool active() const { return m_active; }
    // The value of `Expr1000`; null while closed or when the result is empty.
    QVariant value() const { return m_value; }
    QVariant fieldByName(const QString &name) const;

    // The master's current row changed: take its `ID` and run again, while open.
    void followMaster();

signals:
    // Run again or closed.
    void changed();

private:
    JournalConnection *m_connection;
    QStringList m_lines;
    TableDataSet *m_master = nullptr;
    QVariant m_parameter;
    QVariant m_value;
    bool m_active = false;
};

} // namespace renkalo
