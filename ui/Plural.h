#pragma once
// A text that shows a count. Its message is marked with
// QT_TRANSLATE_N_NOOP3(context, "English for many %n", "English for one %n"): the
// English singular is the message's disambiguation, so translators see it, and a
// catalog holds every form its language has (Polish and Russian three, Chinese and
// Japanese one). With no catalog, English takes the singular for a count of one.

#include <QString>

namespace vwui {

struct PluralForms {
    const char* Many;
    const char* One;
};

QString Plural(const char* Context, PluralForms Forms, int Count);

}  // namespace vwui
