#include "platform/report/NumberMask.h"

#include <algorithm>
#include <cmath>

#include "platform/report/ReportError.h"

namespace vantir {

namespace {

bool isIntegerType(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::Short:
        case QMetaType::UShort:
            return true;
        default:
            return false;
    }
}

// The decimal digits of |value| as it reads with 15 significant digits, split at the
// point: 2.675 -> ("2", "675"), 0.0012 -> ("0", "0012").
void decimalDigits(double value, QString* integerPart, QString* fractionPart) {
    const QString scientific = QString::number(std::fabs(value), 'e', 14);  // d.dddde+XX
    const int e = scientific.indexOf(QLatin1Char('e'));
    const QString mantissa = scientific.left(e).remove(QLatin1Char('.'));
    const int exponent = scientific.mid(e + 1).toInt();
    const int pointAt = exponent + 1;  // digits of mantissa before the point
    if (pointAt <= 0) {
        *integerPart = QStringLiteral("0");
        *fractionPart = QString(-pointAt, QLatin1Char('0')) + mantissa;
    } else if (pointAt >= mantissa.size()) {
        *integerPart = mantissa + QString(pointAt - mantissa.size(), QLatin1Char('0'));
        fractionPart->clear();
    } else {
        *integerPart = mantissa.left(pointAt);
        *fractionPart = mantissa.mid(pointAt);
    }
}

// Adds one to a string of decimal digits ("199" -> "200", "99" -> "100").
QString incremented(QString digits) {
    int i = digits.size() - 1;
    for (; i >= 0; --i) {
        if (digits[i] != QLatin1Char('9')) {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = QLatin1Char('0');
    }
    return QLatin1Char('1') + digits;
}

}  // namespace

NumberMask::NumberMask(const QString& pattern) : pattern_(pattern) {
    bool afterPoint = false;
    bool anyDigit = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('.') && !afterPoint) {
            afterPoint = true;
        } else if (c == QLatin1Char(',') && !afterPoint) {
            grouping_ = true;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            anyDigit = true;
            const bool required = c == QLatin1Char('0');
            if (afterPoint) {
                ++maxFractionDigits_;
                if (required) minFractionDigits_ = maxFractionDigits_;
            } else if (required) {
                ++minIntegerDigits_;
            }
        } else {
            anyDigit = false;
            break;
        }
    }
    if (!anyDigit) throw ReportError(QStringLiteral("Unknown number mask: ") + pattern);
}

QString NumberMask::format(const QVariant& value) const {
    if (value.isNull()) return {};
    if (isIntegerType(value)) return formatInteger(value.toLongLong());
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
        return formatReal(value.toDouble());
    const QString text = value.toString().trimmed();
    bool ok = false;
    const qint64 whole = text.toLongLong(&ok);
    if (ok) return formatInteger(whole);
    const double real = text.toDouble(&ok);
    return ok ? formatReal(real) : value.toString();
}

QString NumberMask::formatInteger(qint64 value) const {
    // The magnitude of the most negative qint64 does not fit a qint64; go through text.
    QString digits = QString::number(value);
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative) digits.remove(0, 1);
    return compose(negative, digits, QString(minFractionDigits_, QLatin1Char('0')));
}

QString NumberMask::formatReal(double value) const {
    if (!std::isfinite(value)) return {};
    QString integer;
    QString fraction;
    decimalDigits(value, &integer, &fraction);
    // Rounding half away from zero at the mask's last place, on the decimal digits.
    if (fraction.size() > maxFractionDigits_) {
        const bool roundUp = fraction[maxFractionDigits_] >= QLatin1Char('5');
        fraction.truncate(maxFractionDigits_);
        if (roundUp) {
            const QString bumped = incremented(integer + fraction);
            integer = bumped.left(bumped.size() - maxFractionDigits_);
            fraction = bumped.right(maxFractionDigits_);
        }
    }
    while (fraction.size() > minFractionDigits_ && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    while (fraction.size() < minFractionDigits_) fraction.append(QLatin1Char('0'));
    return compose(value < 0, integer, fraction);
}

QString NumberMask::compose(bool negative, QString integerDigits, QString fractionDigits) const {
    while (integerDigits.size() > 1 && integerDigits.startsWith(QLatin1Char('0')))
        integerDigits.remove(0, 1);
    if (integerDigits == QLatin1String("0") && minIntegerDigits_ == 0) integerDigits.clear();
    while (integerDigits.size() < minIntegerDigits_) integerDigits.prepend(QLatin1Char('0'));
    if (grouping_) {
        for (int at = integerDigits.size() - 3; at > 0; at -= 3)
            integerDigits.insert(at, QLatin1Char(','));
    }
    QString text = integerDigits;
    if (!fractionDigits.isEmpty()) text += QLatin1Char('.') + fractionDigits;
    // A value that rounds to zero prints without a sign.
    const bool allZero = std::all_of(text.begin(), text.end(), [](QChar c) {
        return c == QLatin1Char('0') || c == QLatin1Char(',') || c == QLatin1Char('.');
    });
    if (negative && !allZero) text.prepend(QLatin1Char('-'));
    return text;
}

}  // namespace vantir
