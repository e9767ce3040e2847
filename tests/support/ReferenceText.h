#pragma once

#include <gtest/gtest.h>

#include <QString>

namespace vantir::test {

// Compares a text (a page model's dump, say) with a reference file kept in the folder
// "reference" beside the test's source file (pass __FILE__):
//   EXPECT_TRUE(matchesReference(dumpPageModel(model), __FILE__, "receipt_list.txt"));
// Run with VANTIR_UPDATE_REFERENCES=1 to write the texts as the new references, then
// review the difference in git before committing it.
::testing::AssertionResult matchesReference(const QString& actual, const char* testSourceFile,
                                            const QString& referenceName);

// The same for bytes (a printer's raw stream), kept as they are; a difference names the
// first offset at which the two part.
::testing::AssertionResult matchesReferenceBytes(const QByteArray& actual,
                                                 const char* testSourceFile,
                                                 const QString& referenceName);

}  // namespace vantir::test
