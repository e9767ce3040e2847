#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "platform/db/Connection.h"

namespace vantir {

// A record filter as the screens write it: "HYMD = '03/05/20'", "code = '12'",
// "KCODE = 'x' AND (DDAY >= 'a' AND DDAY <= 'b')", "KNAME = 'ﾔﾏ*'".
//
// Comparisons (=, <>, <, <=, >, >=) between column names (any case), 'text' literals
// (a quote inside doubled) and numbers, joined by AND, OR, NOT and parentheses. A text
// compared with = or <> that ends in * inside its quotes matches every value that starts
// with the text before the star. "= NULL" and "IS NULL" test for an empty column, "<> NULL"
// and "IS NOT NULL" for a filled one.
//
// The filter becomes an SQL condition whose values are bound parameters, so whatever a
// user typed into a search box never becomes part of the statement's text.
class RecordFilter {
  public:
    // Reads the expression; throws DbError naming what it could not read and where.
    explicit RecordFilter(const QString& expression);
    ~RecordFilter();
    RecordFilter(const RecordFilter&) = delete;
    RecordFilter& operator=(const RecordFilter&) = delete;

    const QString& expression() const { return expression_; }
    bool isEmpty() const { return !root_; }  // a blank expression keeps every row

    struct Sql {
        QString condition;  // for a WHERE clause, with parameters :filter1, :filter2, ...
        Params params;
    };
    // The condition over the given columns; a name is matched without regard to case and
    // written as the column spells it. Throws DbError for a name not among them.
    Sql toSql(const QStringList& columns) const;

    struct Node;

  private:
    QString expression_;
    std::unique_ptr<Node> root_;
};

}  // namespace vantir
