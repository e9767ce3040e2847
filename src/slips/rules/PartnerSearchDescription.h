#pragma once

#include <QString>
#include <QStringList>

#include "data/HandBack.h"
#include "slips/rules/PartnerSearchBoxes.h"

namespace vantir {

// The customer search and the carrier search are one dialog over the partner master; this
// says which query it rewrites, which partners it lists, by which code and what it hands
// back.
struct PartnerSearchDescription {
    QString name;     // the name it is made under at start and its control name
    QString caption;  // window caption
    QString query;    // the statement view of DataModule1 it rewrites
    QString codeColumn;
    QString codeTitle;      // title of the code column in the list
    QString kindCondition;  // the WHERE line that keeps the partners of this side
    QStringList sortKeys;   // items of the sort-key box, the code order first
    // What "確定" hands to a screen that takes a code; a list screen takes the code as its
    // search value instead.
    HandBack code = HandBack::CustomerCode;
    // The boxes as the dialog first shows them.
    PartnerSearchBoxes opening = {};

    static PartnerSearchDescription customer();  // 得意先検索, Q_HIM3TSK, KCODE
    static PartnerSearchDescription carrier();   // 傭車先検索, Q_HIM3YSK, YCODE
};

}  // namespace vantir
