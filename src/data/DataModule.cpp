#include "data/DataModule.h"

#include <stdexcept>

#include "data/ViewCatalog.h"
#include "platform/dataset/LookupSource.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"

namespace vantir {

namespace {

std::out_of_range unknown(const char* what, const QString& name) {
    return std::out_of_range(std::string(what) + " " + name.toStdString() +
                             " is not in the data module");
}

}  // namespace

DataModule::DataModule(const QString& dataSourceName, const QString& databasePath, bool mainModule)
    : database_(dataSourceName, databasePath) {
    for (const TableViewSpec& spec : ViewCatalog::tableViews()) {
        if (!ViewCatalog::belongsTo(spec.side, mainModule)) continue;
        addView(std::make_unique<TableDataset>(database_, spec.view, spec.table, spec.index),
                spec.dataSource);
    }
    for (const QueryViewSpec& spec : ViewCatalog::queryViews()) {
        if (!ViewCatalog::belongsTo(spec.side, mainModule)) continue;
        const QStringList sql = spec.sql.isEmpty() ? QStringList() : QStringList{spec.sql};
        addView(std::make_unique<QueryDataset>(database_, spec.view, sql), spec.dataSource);
    }
    addLookupFields();
}

DataModule::~DataModule() = default;

void DataModule::addView(std::unique_ptr<Dataset> view, const QString& dataSource) {
    byName_.insert(view->name().toUpper(), view.get());
    if (!dataSource.isEmpty()) dataSources_.insert(dataSource, view.get());
    views_.push_back(std::move(view));
}

// Values shown in a view but taken from another by key: the customer's address on the
// invoice tables, the billing class's name on the receipt and payment lists. Each source
// is read by a statement of its own, never through the shared HIMAS3 or f_SeikyuK views,
// which a screen may have narrowed.
void DataModule::addLookupFields() {
    const auto partners = std::make_shared<LookupSource>(
        database_, QStringLiteral("HIMAS3"),
        QStringLiteral("SELECT KCODE,KZIP,KADD1,KADD2 FROM HIMAS3"), QStringLiteral("KCODE"));
    const ColumnInfo address[] = {{QStringLiteral("KZIP"), ColumnType::Text, 8},
                                  {QStringLiteral("KADD1"), ColumnType::Text, 40},
                                  {QStringLiteral("KADD2"), ColumnType::Text, 20}};
    for (const char* name : {"WK_SEIKYU", "WK_SEK_HED", "QWK_Seikyu"}) {
        Dataset& invoice = view(QString::fromLatin1(name));
        for (const ColumnInfo& field : address)
            invoice.addLookupField(field, partners, QStringLiteral("KCODE"), field.name);
    }
    // The billing classes as the list query of the drop-downs gives them.
    const auto billingClasses = std::make_shared<LookupSource>(
        database_, QStringLiteral("f_SeikyuK"),
        query(QStringLiteral("f_SeikyuK")).sql().join(QLatin1Char('\n')), QStringLiteral("FDATA"));
    const ColumnInfo className{QStringLiteral("SEKBN_N"), ColumnType::Text, 10};
    for (const char* name : {"Q_HIT2R", "Q_HIT3R"}) {
        view(QString::fromLatin1(name))
            .addLookupField(className, billingClasses, QStringLiteral("SEKBN"),
                            QStringLiteral("FNAME"));
    }
}

Dataset* DataModule::findView(const QString& name) const { return byName_.value(name.toUpper()); }

Dataset& DataModule::view(const QString& name) const {
    Dataset* found = findView(name);
    if (!found) throw unknown("view", name);
    return *found;
}

TableDataset& DataModule::table(const QString& name) const {
    auto* found = dynamic_cast<TableDataset*>(findView(name));
    if (!found) throw unknown("table view", name);
    return *found;
}

QueryDataset& DataModule::query(const QString& name) const {
    auto* found = dynamic_cast<QueryDataset*>(findView(name));
    if (!found) throw unknown("statement view", name);
    return *found;
}

Dataset& DataModule::dataSource(const QString& dataSourceName) const {
    Dataset* found = dataSources_.value(dataSourceName);
    if (!found) throw unknown("data source", dataSourceName);
    return *found;
}

QStringList DataModule::viewNames() const {
    QStringList names;
    for (const auto& view : views_) names.append(view->name());
    return names;
}

QueryDataset& DataModule::query1() const { return query(QStringLiteral("Query1")); }
QueryDataset& DataModule::query2() const { return query(QStringLiteral("Query2")); }
QueryDataset& DataModule::qExpr() const { return query(QStringLiteral("Q_Expr")); }
QueryDataset& DataModule::querySum() const { return query(QStringLiteral("QuerySum")); }
TableDataset& DataModule::table1() const { return table(QStringLiteral("Table1")); }

void DataModule::closeAll() {
    for (const auto& view : views_) view->close();
}

}  // namespace vantir
