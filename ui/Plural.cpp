#include "Plural.h"

#include <QCoreApplication>

namespace vwui {

QString Plural(const char* Context, PluralForms Forms, int Count) {
    const QString number = QString::number(Count);
    const QString translated = QCoreApplication::translate(Context, Forms.Many, Forms.One, Count);
    // Untranslated, Qt gives the message back with the count put in.
    if (translated != QString::fromUtf8(Forms.Many).replace(QLatin1String("%n"), number))
        return translated;
    return QString::fromUtf8(Count == 1 ? Forms.One : Forms.Many)
        .replace(QLatin1String("%n"), number);
}

}  // namespace vwui
