#pragma once

#include <QString>
#include <QVariant>

namespace vantir {

// A display mask for numbers as the reports write them: "#,##0" (yen with thousands
// separators), "#,##0.00" and "##0.00" (rates). '0' is a digit always shown, '#' a digit
// shown when significant, ',' before the point asks for thousands separators.
//
// Whole numbers (qint64) are formatted exactly, however large. Fractions are rounded
// half away from zero at the last place of the mask, on the decimal value as it reads
// (2.675 -> "2.68"), not on its binary approximation. NULL, and a value that is not a
// finite number (a rate divided by zero), print as empty text; text that is not a number
// prints as it is.
class NumberMask {
  public:
    explicit NumberMask(const QString& pattern);  // throws ReportError for another pattern

    const QString& pattern() const { return pattern_; }
    QString format(const QVariant& value) const;

  private:
    QString formatInteger(qint64 value) const;
    QString formatReal(double value) const;
    QString compose(bool negative, QString integerDigits, QString fractionDigits) const;

    QString pattern_;
    bool grouping_ = false;
    int minIntegerDigits_ = 0;
    int minFractionDigits_ = 0;
    int maxFractionDigits_ = 0;
};

}  // namespace vantir
