// The paragraphs of the disclaimer screen for each product built on this code, chosen by
// the product name.
#pragma once

#include <QString>

namespace korvel {

struct DisclaimerTexts {
    QString disclaimer;  // the warranty disclaimer
    QString notice;      // what the results can and cannot be relied on for
    QString support;     // how to get help and report a problem
    QString contact;     // one line: who to contact
    QString description; // one line: what the program does
};

// The texts for programName; a name missing from the table gets the general texts with
// that name in them.
DisclaimerTexts Disclaimer_Texts(const QString& programName);

} // namespace korvel
