#include "TypedText.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace TypedText {

namespace {

bool isSeparator(QChar c)
{
    return c == u'.' || c == u',';
}

// "1.250", "12.000,50", "-1.234.567": a first group of one to three digits not starting with
// 0, then groups of exactly three.
QString withoutThousandsDots(const QString& text)
{
    static const QRegularExpression grouped(u"^-?[1-9]\\d{0,2}(\\.\\d{3})+(,\\d*)?$"_s);
    QString number; // what may make up a number, whatever stands around it ("€ 1.250,50")
    for (const QChar c : text) {
        if ((c >= u'0' && c <= u'9') || isSeparator(c) || c == u'-')
            number += c;
    }
    if (!grouped.match(number).hasMatch())
        return text;
    QString plain = text;
    plain.remove(u'.');
    return plain;
}

} // namespace

Typed filter(const QString& text, const Rule& rule)
{
    Typed typed;
    const bool commaAccepted = rule.accepts && rule.accepts(u',');
    for (QChar c : withoutThousandsDots(text)) {
        if (rule.separatorMovesOn && isSeparator(c)) {
            typed.movesOn = true; // a second separator has nowhere further to go
            continue;
        }
        if (c == u'.' && commaAccepted)
            c = u',';
        if (rule.accepts && rule.accepts(c))
            (typed.movesOn ? typed.next : typed.here) += c;
    }
    return typed;
}

} // namespace TypedText
