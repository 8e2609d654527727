#include "Journal.h"

#include "AggregateQuery.h"
#include "DataSource.h"
#include "Dialogs.h"
#include "ErrorReporting.h"
#include "Errors.h"
#include "JournalConnection.h"
#include "JournalSchema.h"
#include "TableDataSet.h"

namespace renkalo {

namespace {
template <typename T> T *named(T *object, const char *name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}
} // namespace

Journal::Journal(QObject *parent, const QString &fileName) : QObject(parent)
{
    ADOConnection1 = named(new JournalConnection(fileName, this), "ADOConnection1");
    ADOTable1 = named(new TableDataSet(JournalSchema::patients(), ADOConnection1, this), "ADOTable1");
    ADOTable2 = named(new TableDataSet(JournalSchema::days(), ADOConnection1, this), "ADOTable2");
    ADOTable3 = named(new TableDataSet(JournalSchema::hours(), ADOConnection1, this), "ADOTable3");
    ADOQuery1 = named(new AggregateQuery(ADOConnection1, {QStringLiteral("Select COUNT(*)"), QStringLiteral("from fio")},
                                         this),
                      "ADOQuery1");
    ADOQuery2 = named(new AggregateQuery(ADOConnection1,
                                         {QStringLiteral("Select SUM(ML)"), QStringLiteral("from VREMIA"),
                                          QStringLiteral("where IDT= :ID")},
                                         this),
                      "ADOQuery2");
    // The value stored with the window; replaced before every run while the days
    // are open.
    ADOQuery2->setParameter(27);
    DataSource1 = named(new DataSource(ADOTable1, this), "DataSource1");
    DataSource2 = named(new DataSource(ADOTable2, this), "DataSource2");
    DataSource3 = named(new DataSource(ADOTable3, this), "DataSource3");
    DataSource4 = named(new DataSource(ADOQuery2, this), "DataSource4");
    DataSource5 = named(new DataSource(ADOQuery1, this), "DataSource5");

    ADOTable2->setMasterSource(DataSource1);
    ADOTable3->setMasterSource(DataSource2);
    ADOQuery2->setDataSource(DataSource2);

    ADOTable1->setBeforePost([this] { ADOTable1BeforePost(); });
    ADOTable1->setAfterPost([this] { ADOTable1AfterPost(); });
    ADOTable1->setBeforeDelete([this] { ADOTable1BeforeDelete(); });
    ADOTable1->setAfterDelete([this] { ADOTable1AfterDelete(); });
    ADOTable2->setBeforePost([this] { ADOTable2BeforePost(); });
    ADOTable2->setBeforeDelete([this] { ADOTable2BeforeDelete(); });
    ADOTable3->setBeforePost([this] { ADOTable3BeforePost(); });
    ADOTable3->setAfterPost([this] { ADOTable3AfterPost(); });
    ADOTable3->setBeforeDelete([this] { ADOTable3BeforeDelete(); });
    ADOTable3->setAfterDelete([this] { ADOTable3AfterDelete(); });
}

Journal::~Journal() = default;

void Journal::open()
{
    const auto attempt = [](auto &&step) {
        try {
            step();
        } catch (const Error &e) {
            reportError(e.message());
        }
    };
    attempt([this] { ADOConnection1->open(); });
    attempt([this] { ADOTable1->open(); });
    attempt([this] { ADOTable2->open(); });
    attempt([this] { ADOTable3->open(); });
    attempt([this] { ADOQuery1->open(); });
    attempt([this] { ADOQuery2->open(); });
}

bool Journal::settlePendingRows()
{
    try {
        ADOTable3->postIfModified();
        ADOTable2->postIfModified();
        ADOTable1->postIfModified();
        return true;
    } catch (const SilentAbort &) {
        return false;
    } catch (const Error &e) {
        reportError(e.message());
        return false;
    }
}

void Journal::DBGrid1CellClick()
{
    // Pending rows are settled, hours first, before anything closes: a refusal
    // ends the gesture with the days and hours still open.
    ADOTable3->checkBrowseMode();
    ADOTable2->checkBrowseMode();
    ADOTable2->close();
    ADOTable2->open();
    ADOTable3->close();
    ADOTable3->open();
}

void Journal::cxGrid1MouseEnter()
{
    // A changed hourly row is settled with the save question before the re-read;
    // on a refusal the hours stay as they are.
    ADOTable3->checkBrowseMode();
    ADOTable3->close();
    ADOTable3->open();
}

void Journal::askSave()
{
    if (Dialogs::ask(Dialogs::questionBox(QStringLiteral("Подтвердите сохранение изменений"),
                                          QStringLiteral("Хотите занести текущую запись в базу данных?"))) !=
        DialogButton::Yes)
        throw SilentAbort{};
}

void Journal::askDelete()
{
    if (Dialogs::ask(Dialogs::questionBox(QStringLiteral("Подтвердите удаление записи"),
                                          QStringLiteral("Действительно хотите удалить запись?"))) != DialogButton::Yes)
        throw SilentAbort{};
}

void Journal::ADOTable1BeforePost()
{
    askSave();
}

void Journal::ADOTable1AfterPost()
{
    ADOQuery1->close();
    ADOQuery1->open();
}

void Journal::ADOTable1BeforeDelete()
{
    askDelete();
}

void Journal::ADOTable1AfterDelete()
{
    ADOQuery1->close();
    ADOQuery1->open();
}

void Journal::ADOTable2BeforePost()
{
    askSave();
}

void Journal::ADOTable2BeforeDelete()
{
    askDelete();
}

void Journal::ADOTable3BeforePost()
{
    askSave();
}

void Journal::ADOTable3AfterPost()
{
    ADOQuery2->close();
    ADOQuery2->open();
}

void Journal::ADOTable3BeforeDelete()
{
    askDelete();
}

void Journal::ADOTable3AfterDelete()
{
    ADOQuery2->close();
    ADOQuery2->open();
}

} // namespace renkalo
