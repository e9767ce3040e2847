#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "platform/report/PrinterError.h"
#include "platform/report/RawPrinter.h"
#include "support/QtPrinters.h"

namespace vantir::test {
namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Points VANTIR_RAW_PRINTER somewhere for one test and puts it back afterwards.
class RawPrinterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (qEnvironmentVariableIsSet("VANTIR_RAW_PRINTER")) saved_ = qgetenv("VANTIR_RAW_PRINTER");
    }
    void TearDown() override {
        if (saved_)
            qputenv("VANTIR_RAW_PRINTER", *saved_);
        else
            qunsetenv("VANTIR_RAW_PRINTER");
    }
    void printTo(const QString& setting) { qputenv("VANTIR_RAW_PRINTER", setting.toUtf8()); }

    QTemporaryDir dir;
    QString output = dir.filePath(QStringLiteral("printer.bin"));

  private:
    std::optional<QByteArray> saved_;
};

// Every byte value, ESC/P control codes and Shift_JIS kanji among them.
QByteArray everyByte() {
    QByteArray bytes;
    for (int i = 0; i < 256; ++i) bytes.append(char(i));
    return bytes;
}

TEST_F(RawPrinterTest, TheFileReceivesExactlyTheBytesSentWhenTheJobEnds) {
    printTo(QStringLiteral("file:") + output);
    const QByteArray start(
        "\x1b"
        "C"
        "\x3c"
        "\x1c"
        "&",
        5);
    const QByteArray kanji("\x90\xbf\x8b\x81\x8f\x91\r\n", 8);  // 請求書 in Shift_JIS

    RawPrinter printer = RawPrinter::openDefault();
    printer.startJob(QStringLiteral("請求書印刷"));
    printer.write(start);
    printer.write(everyByte());
    printer.write(kanji);
    EXPECT_FALSE(QFile::exists(output)) << "nothing reaches the file before the job ends";
    printer.endJob();
    printer.close();

    EXPECT_EQ(readFile(output), start + everyByte() + kanji);
}

TEST_F(RawPrinterTest, AnAbandonedJobLeavesTheEarlierOutputAsItWas) {
    printTo(QStringLiteral("file:") + output);
    writeFile(output, "earlier job");
    {
        RawPrinter printer = RawPrinter::openDefault();
        printer.startJob(QStringLiteral("請求書印刷"));
        printer.write(everyByte());
    }  // destroyed without ending the job
    EXPECT_EQ(readFile(output), QByteArray("earlier job"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("printer.bin")});
}

TEST_F(RawPrinterTest, AnUnopenableTargetIsAPrinterOutputError) {
    const QString settings[] = {
        QStringLiteral("file:") + dir.filePath(QStringLiteral("no-such-folder/printer.bin")),
        QStringLiteral("file:") + dir.path(),  // a folder, not a file
        QStringLiteral("file:"),
        QStringLiteral("LPT1:"),
    };
    for (const QString& setting : settings) {
        SCOPED_TRACE(setting.toStdString());
        printTo(setting);
        try {
            RawPrinter::printJob(QStringLiteral("請求書印刷"), everyByte());
            ADD_FAILURE() << "no error";
        } catch (const PrinterError& error) {
            EXPECT_EQ(QString::fromUtf8(error.what()), QStringLiteral("プリンタ印字エラー"));
            EXPECT_FALSE(error.cause().isEmpty());
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
}

// A target that fails at a chosen step, recording what the printer asked of it.
class FailingTarget : public RawPrinterTarget {
  public:
    FailingTarget(QString failAt, QStringList* calls) : failAt_(std::move(failAt)), calls_(calls) {}
    void startJob(const QString&) override { step(QStringLiteral("start")); }
    void write(const QByteArray&) override { step(QStringLiteral("write")); }
    void endJob() override { step(QStringLiteral("end")); }
    void abandonJob() noexcept override { calls_->append(QStringLiteral("abandon")); }

  private:
    void step(const QString& name) {
        calls_->append(name);
        if (name == failAt_) throw PrinterError(name + QStringLiteral(" failed"));
    }
    QString failAt_;
    QStringList* calls_;
};

TEST(RawPrinterFailureTest, AnyFailingStepAbandonsTheJob) {
    struct Case {
        const char* failAt;
        QStringList calls;
    };
    for (const Case& c :
         {Case{"start", {"start", "abandon"}}, Case{"write", {"start", "write", "abandon"}},
          Case{"end", {"start", "write", "end", "abandon"}}}) {
        SCOPED_TRACE(c.failAt);
        QStringList calls;
        RawPrinter printer(std::make_unique<FailingTarget>(QString::fromLatin1(c.failAt), &calls));
        EXPECT_THROW(
            {
                printer.startJob(QStringLiteral("請求書印刷"));
                printer.write("x");
                printer.endJob();
            },
            PrinterError);
        EXPECT_FALSE(printer.inJob());
        printer.close();
        EXPECT_EQ(calls, c.calls);
    }
}

TEST(RawPrinterFailureTest, StepsOutOfOrderAreErrorsToo) {
    QStringList calls;
    RawPrinter printer(std::make_unique<FailingTarget>(QString(), &calls));
    EXPECT_THROW(printer.write("x"), PrinterError);
    EXPECT_THROW(printer.endJob(), PrinterError);
    printer.startJob(QStringLiteral("請求書印刷"));
    EXPECT_THROW(printer.startJob(QStringLiteral("請求書印刷")), PrinterError);
    printer.close();
    EXPECT_THROW(printer.startJob(QStringLiteral("請求書印刷")), PrinterError);
    EXPECT_EQ(calls, (QStringList{"start", "abandon"}));
}

}  // namespace
}  // namespace vantir::test
