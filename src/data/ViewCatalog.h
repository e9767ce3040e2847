#pragma once

#include <QList>
#include <QString>

namespace vantir {

// Which data module a named view belongs to. Most views are declared once for both.
enum class ModuleSide { Both, MainOnly, WorkOnly };

// A table view: a table with record access, maybe in a fixed order ("KCODE").
struct TableViewSpec {
    QString view;
    QString table;  // empty: set at run time (Table1)
    QString index;  // the fixed ordering; empty keeps the stored order
    QString dataSource;
    ModuleSide side = ModuleSide::Both;
};

// A statement view with fixed SQL, maybe with one named parameter (":KCODE").
struct QueryViewSpec {
    QString view;
    QString sql;  // empty: a scratch statement written before each use
    QString dataSource;
    ModuleSide side = ModuleSide::Both;
};

// The named views of the two data modules, as one table each for table and statement
// views; a view whose SQL or ordering differs between the modules is listed once per side.
struct ViewCatalog {
    static const QList<TableViewSpec>& tableViews();
    static const QList<QueryViewSpec>& queryViews();
    static bool belongsTo(ModuleSide side, bool mainModule) {
        return side == ModuleSide::Both || (side == ModuleSide::MainOnly) == mainModule;
    }
};

}  // namespace vantir
