#include "support/ReferenceText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <optional>

namespace vantir::test {

namespace {

// The reference file's path, from the test's source file.
QString referencePath(const char* testSourceFile, const QString& referenceName) {
    // __FILE__ is relative to the build directory when the build lies inside the sources
    // ("../tests/..."), while ctest runs a test program in build/tests.
    const QString source =
        QDir(QStringLiteral(VANTIR_BUILD_DIR)).filePath(QString::fromUtf8(testSourceFile));
    const QDir folder(QFileInfo(source).dir().filePath(QStringLiteral("reference")));
    return folder.filePath(referenceName);
}

// With VANTIR_UPDATE_REFERENCES=1 writes the bytes as the new reference and gives
// nullopt; otherwise the reference's bytes, or the failure to read them.
std::optional<::testing::AssertionResult> readReference(const QString& path,
                                                        const QByteArray& actual,
                                                        QByteArray* expected) {
    if (qEnvironmentVariableIntValue("VANTIR_UPDATE_REFERENCES") == 1) {
        QFileInfo(path).dir().mkpath(QStringLiteral("."));
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return ::testing::AssertionFailure() << "cannot write " << path.toStdString();
        out.write(actual);
        return ::testing::AssertionSuccess();
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return ::testing::AssertionFailure()
               << "no reference " << path.toStdString()
               << " (run with VANTIR_UPDATE_REFERENCES=1 to write it)";
    *expected = in.readAll();
    return std::nullopt;
}

}  // namespace

::testing::AssertionResult matchesReferenceBytes(const QByteArray& actual,
                                                 const char* testSourceFile,
                                                 const QString& referenceName) {
    const QString path = referencePath(testSourceFile, referenceName);
    QByteArray expected;
    if (auto done = readReference(path, actual, &expected)) return *done;
    if (expected == actual) return ::testing::AssertionSuccess();
    qsizetype at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    return ::testing::AssertionFailure()
           << path.toStdString() << " differs at byte " << at << " (expected "
           << expected.size() << " bytes, got " << actual.size() << ")\n  expected: "
           << expected.mid(at, 16).toHex(' ').toStdString()
           << "\n  actual:   " << actual.mid(at, 16).toHex(' ').toStdString();
}

::testing::AssertionResult matchesReference(const QString& actual, const char* testSourceFile,
                                            const QString& referenceName) {
    const QString path = referencePath(testSourceFile, referenceName);
    QByteArray expectedBytes;
    if (auto done = readReference(path, actual.toUtf8(), &expectedBytes)) return *done;
    const QString expected = QString::fromUtf8(expectedBytes);
    if (expected == actual) return ::testing::AssertionSuccess();
    const QStringList want = expected.split(QLatin1Char('\n'));
    const QStringList got = actual.split(QLatin1Char('\n'));
    int line = 0;
    while (line < want.size() && line < got.size() && want[line] == got[line]) ++line;
    return ::testing::AssertionFailure() << path.toStdString() << " differs at line " << line + 1
                                         << "\n  expected: " << want.value(line).toStdString()
                                         << "\n  actual:   " << got.value(line).toStdString();
}

}  // namespace vantir::test
