#pragma once

#include <QString>

namespace vantir {

// The staff master and the branch master are one screen over a two-column code table
// (a code and a name); this says which table, columns, captions and list titles.
struct CodeMasterDescription {
    QString modeName;  // the mode name the main menu opens it with
    QString caption;   // window caption
    QString table;     // the table view of DataModule1, ordered by the code
    QString codeColumn;
    QString codeCaption;  // label of the code field, with its accelerator
    QString nameColumn;
    QString nameCaption;    // label of the name field
    QString listCodeTitle;  // column titles of the list
    QString listNameTitle;
    QString codeRegistered;  // refusal of a code another record already has

    static CodeMasterDescription staff();   // 担当者マスタ, HIMAS2
    static CodeMasterDescription branch();  // 店所マスタ, HIMAS1
};

}  // namespace vantir
