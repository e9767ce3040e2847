#include "platform/db/JetFunctions.h"

#include "platform/dates/DateText.h"
#include "platform/db/DbError.h"

#include <QDate>
#include <cmath>
#include <limits>
#include <sqlite3.h>

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

// A whole-number argument (a count or a position), as Jet rounds it.
bool argWhole(sqlite3_value* value, qint64* out) {
    switch (sqlite3_value_numeric_type(value)) {
    case SQLITE_INTEGER:
        *out = sqlite3_value_int64(value);
        return true;
    case SQLITE_FLOAT:
        *out = qint64(std::nearbyint(sqlite3_value_double(value)));
        return true;
    default:
        return false;
    }
}

void putDouble(sqlite3_context* context, double value) {
    constexpr double limit = 9.2e18;  // inside qint64 with room for rounding
    if (value == std::floor(value) && std::fabs(value) < limit) {
        sqlite3_result_int64(context, qint64(value));
    } else {
        sqlite3_result_double(context, value);
    }
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
    qint64 start = 0;
    qint64 count = std::numeric_limits<qint64>::max();
    if (!argWhole(argv[1], &start) || (argc > 2 && !argWhole(argv[2], &count))) {
        resultError(context, "Mid", "Type mismatch");
        return;
    }
    if (start < 1 || count < 0) {
        resultError(context, "Mid", "Invalid procedure call");
        return;
    }
    const std::u32string chars = argChars(argv[0]);
    if (std::size_t(start - 1) >= chars.size()) {
        resultChars(context, {});
        return;
    }
    resultChars(context, chars.substr(std::size_t(start - 1), std::size_t(count)));
}

void leftOrRight(sqlite3_context* context, sqlite3_value** argv, bool fromLeft) {
    const char* name = fromLeft ? "Left" : "Right";
    if (anyNull(2, argv)) {
        sqlite3_result_null(context);
        return;
    }
    qint64 count = 0;
    if (!argWhole(argv[1], &count)) {
        resultError(context, name, "Type mismatch");
        return;
    }
    if (count < 0) {
        resultError(context, name, "Invalid procedure call");
        return;
    }
    const std::u32string chars = argChars(argv[0]);
    const std::size_t take = std::min(chars.size(), std::size_t(count));
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

// Jet's Val: blanks anywhere are skipped, the longest leading number is read.
double leadingNumber(const QString& text) {
    QString digits;
    bool seenDigit = false, seenPoint = false, seenExponent = false;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\r'))
            continue;
        const bool signAllowed =
            digits.isEmpty() || digits.endsWith(QLatin1Char('e'));
        if (c.isDigit() && c.unicode() < 0x80) {
            seenDigit = true;
        } else if ((c == QLatin1Char('+') || c == QLatin1Char('-')) && signAllowed) {
        } else if (c == QLatin1Char('.') && !seenPoint && !seenExponent) {
            seenPoint = true;
        } else if ((c == QLatin1Char('e') || c == QLatin1Char('E') || c == QLatin1Char('d') ||
                    c == QLatin1Char('D')) &&
                   seenDigit && !seenExponent) {
            seenExponent = true;
            digits += QLatin1Char('e');
            continue;
        } else {
            break;
        }
        digits += c;
    }
    while (!digits.isEmpty()) {
        bool ok = false;
        const double value = digits.toDouble(&ok);
        if (ok) return value;
        digits.chop(1);  // "12e" or "-": drop the unfinished tail
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
    default:
        putDouble(context, leadingNumber(argText(argv[0])));
    }
}

// A numeric argument, text converted as Jet converts it; false when it is no number.
bool argNumber(sqlite3_value* value, double* out, bool* isInteger, qint64* integer) {
    switch (sqlite3_value_numeric_type(value)) {
    case SQLITE_INTEGER:
        *isInteger = true;
        *integer = sqlite3_value_int64(value);
        return true;
    case SQLITE_FLOAT:
        *isInteger = false;
        *out = sqlite3_value_double(value);
        return true;
    default:
        return false;
    }
}

void roundedToWhole(sqlite3_context* context, sqlite3_value** argv, const char* name,
                    double (*round)(double)) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    double number = 0;
    bool isInteger = false;
    qint64 integer = 0;
    if (!argNumber(argv[0], &number, &isInteger, &integer)) {
        resultError(context, name, "Type mismatch");
        return;
    }
    if (isInteger) {
        sqlite3_result_int64(context, integer);
        return;
    }
    const double whole = round(number);
    if (!(std::fabs(whole) < 9.2e18)) {
        resultError(context, name, "Overflow");
        return;
    }
    sqlite3_result_int64(context, qint64(whole));
}

void cLng(sqlite3_context* context, int, sqlite3_value** argv) {
    roundedToWhole(context, argv, "CLng", [](double x) { return std::nearbyint(x); });
}

void jetInt(sqlite3_context* context, int, sqlite3_value** argv) {
    roundedToWhole(context, argv, "Int", [](double x) { return std::floor(x); });
}

struct JetFunction {
    const char* name;
    int argumentCount;  // -1: any
    void (*function)(sqlite3_context*, int, sqlite3_value**);
    bool deterministic;
};

// CvDate reads today's date for two-digit years, so it is not deterministic.
constexpr JetFunction jetFunctions[] = {
    {"CvDate", 1, cvDate, false}, {"Nz", 1, nz, true},        {"Nz", 2, nz, true},
    {"Mid", 2, mid, true},        {"Mid", 3, mid, true},      {"JET_LEFT", 2, jetLeft, true},
    {"JET_RIGHT", 2, jetRight, true}, {"Len", 1, len, true},  {"Val", 1, val, true},
    {"CLng", 1, cLng, true},      {"Int", 1, jetInt, true},
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
