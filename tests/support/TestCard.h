#pragma once

#include "TestRecord.h"
#include "card/CardProtocol.h"
#include "ScriptedDesktop.h"
#include "platform/Desktop.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

using namespace Qt::StringLiterals;


// A card screen of the tests' own: two edit boxes, a check box and the position label.
struct TestCard {
    QWidget screen;
    QLineEdit* nome = new QLineEdit(&screen);
    QLineEdit* note = new QLineEdit(&screen);
    QCheckBox* pagata = new QCheckBox(&screen);
    QLabel* position = new QLabel(&screen);
    CardProtocol protocol;

    explicit TestCard(const QString& path)
        : protocol({[path] { return path; }, &testLayout(), position,
                    [this](Record& r) {
                        r.setText(u"Nome"_s, nome->text());
                        r.setText(u"Seq"_s, u"1"_s);
                        r.setFlag(u"Pagata"_s, pagata->isChecked());
                        r.setText(u"Note"_s, note->text());
                    },
                    [this](const Record& r) {
                        nome->setText(r.text(u"Nome"_s));
                        if (auto flag = r.flag(u"Pagata"_s))
                            pagata->setChecked(*flag);
                        note->setText(r.text(u"Note"_s));
                    },
                    Desktop::Kind::Warning, Desktop::Kind::Error})
    {
    }
};

const ScriptedDesktop::Message kAccessError{Desktop::Kind::Error, CardProtocol::accessMessage()};
const ScriptedDesktop::Message kEmpty{Desktop::Kind::Information,
                                      u"L'archivio non contiene nessuna scheda."_s};
