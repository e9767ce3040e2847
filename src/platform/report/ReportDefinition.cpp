#include "platform/report/ReportDefinition.h"

namespace vantir {

ReportDefinition::ReportDefinition(QString name, PageSetup pageSetup)
    : name_(std::move(name)), pageSetup_(pageSetup) {}

ReportBand& ReportDefinition::setPageHeader(double height) { return pageHeader_.emplace(height); }

ReportBand& ReportDefinition::setTitle(double height) { return titleBand_.emplace(height); }

ReportBand& ReportDefinition::setColumnHeader(double height) {
    return columnHeader_.emplace(height);
}

ReportBand& ReportDefinition::setDetail(double height) { return detail_.emplace(height); }

ReportBand& ReportDefinition::setSummary(double height) { return summary_.emplace(height); }

ReportBand& ReportDefinition::setPageFooter(double height) { return pageFooter_.emplace(height); }

ReportGroup& ReportDefinition::addGroup(const QString& keyColumn) {
    return addGroup(columnValue(keyColumn));
}

ReportGroup& ReportDefinition::addGroup(ReportExpression key) {
    return groups_.emplace_back(std::move(key));
}

QList<const ReportBand*> ReportDefinition::bands() const {
    QList<const ReportBand*> all;
    for (const ReportBand* b :
         {pageHeader(), titleBand(), columnHeader(), detail(), summary(), pageFooter()}) {
        if (b) all.append(b);
    }
    for (const ReportGroup& group : groups_) {
        if (group.header()) all.append(group.header());
        if (group.footer()) all.append(group.footer());
    }
    return all;
}

}  // namespace vantir
