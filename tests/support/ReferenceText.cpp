#include "support/ReferenceText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace vantir::test {

::testing::AssertionResult matchesReference(const QString& actual, const char* testSourceFile,
                                            const QString& referenceName) {
    // __FILE__ is relative to the build directory when the build lies inside the sources
    // ("../tests/..."), while ctest runs a test program in build/tests.
    const QString source =
        QDir(QStringLiteral(VANTIR_BUILD_DIR)).filePath(QString::fromUtf8(testSourceFile));
    const QDir folder(QFileInfo(source).dir().filePath(QStringLiteral("reference")));
    const QString path = folder.filePath(referenceName);
    if (qEnvironmentVariableIntValue("VANTIR_UPDATE_REFERENCES") == 1) {
        folder.mkpath(QStringLiteral("."));
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return ::testing::AssertionFailure() << "cannot write " << path.toStdString();
        out.write(actual.toUtf8());
        return ::testing::AssertionSuccess();
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return ::testing::AssertionFailure()
               << "no reference " << path.toStdString()
               << " (run with VANTIR_UPDATE_REFERENCES=1 to write it)";
    const QString expected = QString::fromUtf8(in.readAll());
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
