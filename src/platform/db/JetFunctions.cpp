#include "platform/db/JetFunctions.h"

#include <sqlite3.h>

#include <QDate>
#include <cmath>
#include <limits>
#include <optional>

#include "platform/dates/DateText.h"
#include "platform/db/DbError.h"

namespace vantir {
namespace {

QString argText(sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QString::fromUtf8(text, sqlite3_value_bytes(value));
}

void resultText(sqlite3_context* context, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(context, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void resultError(sqlite3_context* context, const char* function, const char* problem) {
    const QByteArray message = QByteArray(problem) + " in function " + function + "()";
    sqlite3_result_error(context, message.constData(), int(message.size()));
}

bool anyNull(int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return true;
    }
    return false;
}

// Whole numbers stay inside qint64, with room for rounding.
constexpr double wholeLimit = 9.2e18;

struct Number {
    bool whole;
    qint64 integer;
    double real;
};

// A numeric argument, text read as Jet reads it ("12" is 12); nullopt when it is no number.
std::optional<Number> argNumber(sqlite3_value* value) {
    switch (sqlite3_value_numeric_type(value)) {
        case SQLITE_INTEGER:
            return Number{true, sqlite3_value_int64(value), 0};
        case SQLITE_FLOAT:
            return Number{false, 0, sqlite3_value_double(value)};
        default:
            return std::nullopt;
    }
}

using Rounding = double (*)(double);
const Rounding halfToEven = [](double x) { return std::nearbyint(x); };  // Jet's CLng
const Rounding downward = [](double x) { return std::floor(x); };        // Jet's Int

// The argument made whole; nullopt, with the function's error set, when it cannot be.
std::optional<qint64> argWhole(sqlite3_context* context, sqlite3_value* value, const char* function,
                               Rounding round) {
    const std::optional<Number> number = argNumber(value);
    if (!number) {
        resultError(context, function, "Type mismatch");
        return std::nullopt;
    }
    if (number->whole) return number->integer;
    const double whole = round(number->real);
    if (!(std::fabs(whole) < wholeLimit)) {
        resultError(context, function, "Overflow");
        return std::nullopt;
    }
    return qint64(whole);
}

// Characters of a text argument (code points, so a full-width character counts one).
std::u32string argChars(sqlite3_value* value) { return argText(value).toStdU32String(); }

void resultChars(sqlite3_context* context, const std::u32string& chars) {
    resultText(context, QString::fromStdU32String(chars));
}

void cvDate(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) != SQLITE_TEXT) {
        sqlite3_result_null(context);
        return;
    }
    const QVariant date = jetDateValue(argText(argv[0]));
    if (!date.isValid()) {
        sqlite3_result_null(context);
        return;
    }
    resultText(context, date.toString());
}

void nz(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) != SQLITE_NULL) {
        sqlite3_result_value(context, argv[0]);
    } else if (argc > 1) {
        sqlite3_result_value(context, argv[1]);
    } else {
        sqlite3_result_text(context, "", 0, SQLITE_STATIC);
    }
}

void mid(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (anyNull(argc, argv)) {
        sqlite3_result_null(context);
        return;
    }
    const std::optional<qint64> start = argWhole(context, argv[1], "Mid", halfToEven);
    if (!start) return;
    std::optional<qint64> count = std::numeric_limits<qint64>::max();
    if (argc > 2) count = argWhole(context, argv[2], "Mid", halfToEven);
    if (!count) return;
    if (*start < 1 || *count < 0) {
        resultError(context, "Mid", "Invalid procedure call");
        return;
    }
    const std::u32string chars = argChars(argv[0]);
    if (std::size_t(*start - 1) >= chars.size()) {
        resultChars(context, {});
        return;
    }
    resultChars(context, chars.substr(std::size_t(*start - 1), std::size_t(*count)));
}

void leftOrRight(sqlite3_context* context, sqlite3_value** argv, bool fromLeft) {
    const char* name = fromLeft ? "Left" : "Right";
    if (anyNull(2, argv)) {
        sqlite3_result_null(context);
        return;
    }
    const std::optional<qint64> count = argWhole(context, argv[1], name, halfToEven);
    if (!count) return;
    if (*count < 0) {
        resultError(context, name, "Invalid procedure call");
        return;
    }
    const std::u32string chars = argChars(argv[0]);
    const std::size_t take = std::min(chars.size(), std::size_t(*count));
    resultChars(context, fromLeft ? chars.substr(0, take) : chars.substr(chars.size() - take));
}

void jetLeft(sqlite3_context* context, int, sqlite3_value** argv) {
    leftOrRight(context, argv, true);
}

void jetRight(sqlite3_context* context, int, sqlite3_value** argv) {
    leftOrRight(context, argv, false);
}

void len(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_int64(context, qint64(argChars(argv[0]).size()));
}

// Jet's Val: blanks anywhere are skipped and the longest leading number is read
// ("1 2 3abc" is 123); a text that starts with no number is 0.
double leadingNumber(const QString& text) {
    QString number;
    bool sawDigit = false, sawPoint = false, sawExponent = false;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\r'))
            continue;
        const bool sign = c == QLatin1Char('+') || c == QLatin1Char('-');
        const bool exponentLetter = QStringLiteral("eEdD").contains(c);
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            sawDigit = true;
        } else if (sign && (number.isEmpty() || number.endsWith(QLatin1Char('e')))) {
            // a sign may open the number or its exponent
        } else if (c == QLatin1Char('.') && !sawPoint && !sawExponent) {
            sawPoint = true;
        } else if (exponentLetter && sawDigit && !sawExponent) {
            sawExponent = true;
            number += QLatin1Char('e');
            continue;
        } else {
            break;
        }
        number += c;
    }
    while (!number.isEmpty()) {
        bool ok = false;
        const double value = number.toDouble(&ok);
        if (ok) return value;
        number.chop(1);  // "12e" or "-": drop the unfinished tail
    }
    return 0;
}

void val(sqlite3_context* context, int, sqlite3_value** argv) {
    switch (sqlite3_value_type(argv[0])) {
        case SQLITE_NULL:
            sqlite3_result_null(context);
            return;
        case SQLITE_INTEGER:
        case SQLITE_FLOAT:
            sqlite3_result_value(context, argv[0]);
            return;
        default: {
            const double number = leadingNumber(argText(argv[0]));
            if (number == std::floor(number) && std::fabs(number) < wholeLimit) {
                sqlite3_result_int64(context, qint64(number));
            } else {
                sqlite3_result_double(context, number);
            }
        }
    }
}

void cLng(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
    } else if (const auto whole = argWhole(context, argv[0], "CLng", halfToEven)) {
        sqlite3_result_int64(context, *whole);
    }
}

void jetInt(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
    } else if (const auto whole = argWhole(context, argv[0], "Int", downward)) {
        sqlite3_result_int64(context, *whole);
    }
}

struct JetFunction {
    const char* name;
    int argumentCount;
    void (*function)(sqlite3_context*, int, sqlite3_value**);
    bool deterministic;
};

// CvDate reads today's date for two-digit years, so it is not deterministic.
constexpr JetFunction jetFunctions[] = {
    {"CvDate", 1, cvDate, false},
    {"Nz", 1, nz, true},
    {"Nz", 2, nz, true},
    {"Mid", 2, mid, true},
    {"Mid", 3, mid, true},
    {"JET_LEFT", 2, jetLeft, true},
    {"JET_RIGHT", 2, jetRight, true},
    {"Len", 1, len, true},
    {"Val", 1, val, true},
    {"CLng", 1, cLng, true},
    {"Int", 1, jetInt, true},
};

}  // namespace

QVariant jetDateValue(const QString& text) {
    const QString trimmed = text.trimmed();
    std::optional<QDate> date = parseYyMmDd(trimmed);
    if (!date) {
        for (const auto* format : {"yyyy/MM/dd", "yyyy-MM-dd"}) {
            const QDate full = QDate::fromString(trimmed, QLatin1String(format));
            if (full.isValid()) {
                date = full;
                break;
            }
        }
    }
    if (!date || !date->isValid()) return {};
    return date->toString(Qt::ISODate);
}

void registerJetFunctions(sqlite3* db) {
    for (const JetFunction& f : jetFunctions) {
        const int flags = SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
        const int rc = sqlite3_create_function_v2(db, f.name, f.argumentCount, flags, nullptr,
                                                  f.function, nullptr, nullptr, nullptr);
        if (rc != SQLITE_OK) throw DbError(QString::fromUtf8(sqlite3_errmsg(db)));
    }
}

}  // namespace vantir
