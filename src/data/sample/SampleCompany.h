#pragma once

#include <QString>
#include <QtGlobal>

#include "data/sample/SampleWords.h"
#include "platform/dataset/Result.h"

namespace vantir {

class Connection;

// How large a sample company is, and the seed that makes it: one seed and one today
// give the same company, row for row.
struct SampleCompanyOptions {
    int partners = 60;
    int slips = 3000;
    int months = 3;
    quint32 seed = 1;

    // One of each partner kind at least; a hundred thousand is far beyond any office.
    static constexpr int kMinPartners = 3;
    static constexpr int kMaxPartners = 99'999;
    // Slip numbers are numbered from 1 and have at most six digits.
    static constexpr int kMaxSlips = 999'999;
    // Dates carry a two-digit year; ten years stay well inside its fifty-year window.
    static constexpr int kMaxMonths = 120;
};

// A plausible road-haulage company for trying the program out and for measuring it:
// the company and control records, branches, staff, partners of every kind on several
// closing days, and the slips, receipts and payments of the last months up to today
// (Clock::today()). Everything is drawn from the seed, so the same options give the same
// rows on every machine.
class SampleCompany {
  public:
    // The office the company keys its slips at, for "VantirTenSet.ini".
    static const SampleWords::CodeName& ownOffice();

    // Adds the company to a database that holds the fresh content, all or nothing; the
    // options are within the limits above.
    // Throws DbError.
    static void fill(Connection& connection, const SampleCompanyOptions& options);
    // Creates the database file at path with the fresh content and the company. Refused
    // when a file is already there; a failure leaves no half-made file behind. Throws
    // DbError.
    static Result createFile(const QString& path, const SampleCompanyOptions& options);
};

}  // namespace vantir
