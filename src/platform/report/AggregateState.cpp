#include "platform/report/AggregateState.h"

#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportError.h"

namespace vantir {

AggregateState::AggregateState(const ReportDefinition& definition) {
    for (const ReportBand* band : definition.bands()) {
        for (const ReportAggregate& aggregate : band->aggregates()) {
            const QString key = aggregate.name.toUpper();
            if (byName_.contains(key))
                throw ReportError(QStringLiteral("Report aggregate named twice: ") +
                                  aggregate.name);
            byName_.insert(key, slots_.size());
            slots_.append({aggregate, band});
        }
    }
}

void AggregateState::accumulate(const ReportRow& row, int pageNumber) {
    const ReportContext context(row, *this, pageNumber);
    // Every expression sees the values before this row; then all are added together.
    QVariantList values;
    values.reserve(slots_.size());
    for (const Slot& slot : slots_) {
        values.append(slot.definition.kind == AggregateKind::Sum ? slot.definition.value(context)
                                                                 : QVariant());
    }
    for (int i = 0; i < slots_.size(); ++i) {
        ++slots_[i].count;
        if (slots_[i].definition.kind == AggregateKind::Sum) add(slots_[i], values[i]);
    }
}

void AggregateState::add(Slot& slot, const QVariant& value) {
    if (value.isNull()) return;
    bool ok = true;
    switch (value.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
            slot.real = true;
            slot.realSum += value.toDouble();
            return;
        case QMetaType::QString: {
            const qint64 whole = value.toString().trimmed().toLongLong(&ok);
            if (ok) {
                slot.integerSum += whole;
                return;
            }
            const double real = value.toString().trimmed().toDouble(&ok);
            if (ok) {
                slot.real = true;
                slot.realSum += real;
                return;
            }
            break;
        }
        default:
            slot.integerSum += value.toLongLong(&ok);
    }
    if (!ok)
        throw ReportError(QStringLiteral("Report sum %1 cannot add \"%2\"")
                              .arg(slot.definition.name, value.toString()));
}

void AggregateState::resetAfter(const ReportBand& band) {
    for (Slot& slot : slots_) {
        if (slot.band != &band || slot.definition.reset == AggregateReset::Running) continue;
        slot.integerSum = 0;
        slot.realSum = 0.0;
        slot.real = false;
        slot.count = 0;
    }
}

QVariant AggregateState::value(const QString& name) const {
    const int index = byName_.value(name.toUpper(), -1);
    if (index < 0) throw ReportError(QStringLiteral("Unknown report aggregate: ") + name);
    const Slot& slot = slots_[index];
    if (slot.definition.kind == AggregateKind::Count) return slot.count;
    if (slot.real) return slot.realSum + double(slot.integerSum);
    return slot.integerSum;
}

}  // namespace vantir
