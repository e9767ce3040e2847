#pragma once

#include <QList>
#include <QString>

namespace vantir {

// The words a sample company is made of. Every word is short enough for its column in
// Shift_JIS bytes when combined as the sample company combines them.
struct SampleWords {
    // Part of a partner's name with its reading in full-width katakana.
    struct NamePart {
        QString name;
        QString reading;
    };
    // An industrial district: postal code head, telephone area code, address.
    struct Place {
        QString prefecture;
        QString city;
        QString town;
        QString zipHead;   // the first three digits
        QString areaCode;  // "03", "045", "0565"
    };
    struct CodeName {
        QString code;
        QString name;
    };

    static const QList<NamePart>& nameHeads();       // "丸山", "東和", ...
    static const QList<NamePart>& customerTrades();  // "商事", "建材", ...
    static const QList<NamePart>& carrierTrades();   // "運輸", "急送", ...
    static const QList<Place>& places();
    static const QList<QString>& banks();      // BANK, at most 18 bytes
    static const QList<CodeName>& branches();  // HIMAS1, the head office first
    static const QList<CodeName>& staff();     // HIMAS2
    static const QList<QString>& routes();     // HATTI, THTTI: at most 20 bytes
    static const QList<QString>& tonnages();   // TON
    static const QList<QString>& cargoes();    // BIKO of slips
    static const QList<QString>& memos();      // SUBM of slips
};

}  // namespace vantir
