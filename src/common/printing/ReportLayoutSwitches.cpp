#include "common/printing/ReportLayoutSwitches.h"

#include "data/AppState.h"
#include "data/DataModule1.h"
#include "platform/dataset/QueryDataset.h"

namespace vantir {

void readReportLayoutSwitches(DataModule1& dm1, AppState& state) {
    QueryDataset& company = dm1.query(QStringLiteral("Q_COP_DAT"));
    company.close();
    company.open();
    if (!company.isEmpty()) {  // without a company record the plain layouts stay
        state.EditRpt_Flg = company.text(QStringLiteral("RPT_FLG"));
        state.EditRpt_Flg2 = company.text(QStringLiteral("RPT_FLG2"));
    }
    company.close();
}

QString chosenLayout(const QString& printout, const AppState& state) {
    return state.EditRpt_Flg == QLatin1String("1") ? printout + QLatin1Char('2') : printout;
}

}  // namespace vantir
