#include "DatasetFixture.h"
#include "platform/dataset/RecordFilter.h"

namespace vantir::test {
namespace {

struct SqlCase {
    const char* expression;
    const char* condition;
    QVariantList params;
};
void PrintTo(const SqlCase& c, std::ostream* os) {
    *os << caseName(QString::fromUtf8(c.expression));
}

class RecordFilterSqlTest : public ::testing::TestWithParam<SqlCase> {};

// Values typed by a user travel as parameters; the condition holds only column names
// spelt as the table spells them.
TEST_P(RecordFilterSqlTest, WritesAConditionWithBoundValues) {
    const SqlCase& c = GetParam();
    const RecordFilter filter(QString::fromUtf8(c.expression));
    const RecordFilter::Sql sql =
        filter.toSql({QStringLiteral("HYMD"), QStringLiteral("KNAME"), QStringLiteral("UKING")});
    EXPECT_EQ(sql.condition, QString::fromUtf8(c.condition));
    QVariantList params;
    for (const auto& [name, value] : sql.params) params << value;
    ASSERT_EQ(params, c.params);
    for (int i = 0; i < params.size(); ++i) EXPECT_EQ(params[i].typeId(), c.params[i].typeId());
}

INSTANTIATE_TEST_SUITE_P(Cases, RecordFilterSqlTest,
                         ::testing::Values(SqlCase{"hymd = '03/05/20'",
                                                   "(HYMD = :filter1)",
                                                   {QStringLiteral("03/05/20")}},
                                           SqlCase{"KNAME = 'ﾔﾏ*'",
                                                   "(substr(KNAME, 1, :filter1) = :filter2)",
                                                   {qint64(2), QStringLiteral("ﾔﾏ")}},
                                           SqlCase{"KNAME = 'x'' OR ''1''=''1'",
                                                   "(KNAME = :filter1)",
                                                   {QStringLiteral("x' OR '1'='1")}},
                                           SqlCase{"UKING > -5 AND UKING <= 2.5",
                                                   "((UKING > :filter1) AND (UKING <= :filter2))",
                                                   {qint64(-5), 2.5}},
                                           SqlCase{"NOT (KNAME = NULL OR UKING != 1)",
                                                   "(NOT ((KNAME IS NULL) OR (UKING <> :filter1)))",
                                                   {qint64(1)}},
                                           SqlCase{"", "", {}}));

}  // namespace
}  // namespace vantir::test
