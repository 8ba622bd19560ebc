#include "ListResults.h"

#include "card/FieldBehaviour.h"
#include "platform/Controls.h"
#include "storage/ListSearch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ListResults::ListResults(QWidget* parent, const Options& options) : QWidget(parent), m_options(options)
{
    m_column = new QVBoxLayout(this);
    m_column->setContentsMargins(0, 0, 0, 0);
    m_instruction =
        Controls::instruction(u"Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e "
                              u"premere il pulsante Trova."_s,
                              this);
    m_column->addWidget(m_instruction);
    m_column->addWidget(
        Controls::instruction(u"Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di "
                              u"nuovo clic su Trova."_s,
                              this));
    auto* findRow = new QHBoxLayout;
    txtTrova = new QLineEdit(this);
    txtTrova->setObjectName(u"txtTrova"_s);
    btnTrova = Controls::button(u"Trova"_s, u"btnTrova"_s, this, QSize(110, 0));
    findRow->addWidget(txtTrova);
    findRow->addWidget(btnTrova);
    m_column->addLayout(findRow);
    lstRecords = new QListWidget(this);
    lstRecords->setObjectName(u"lstRecords"_s);
    lstRecords->setFont(QFont(u"Courier New"_s, 12));
    lstRecords->setUniformItemSizes(true);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_column->addWidget(lstRecords, 1);

    if (m_options.enterMovesToTrova)
        FieldBehaviour::enterMovesTo(txtTrova, btnTrova);
    connect(btnTrova, &QPushButton::clicked, this, &ListResults::btnTrovaClick);
}

QStringList ListResults::lines() const
{
    QStringList all;
    all.reserve(lstRecords->count());
    for (int i = 0; i < lstRecords->count(); ++i)
        all.append(lstRecords->item(i)->text());
    return all;
}

void ListResults::setLines(const QStringList& lines)
{
    lstRecords->clear();
    lstRecords->addItems(lines);
    lstRecords->setCurrentRow(0);
    txtTrova->clear();
    m_ownLastFind.clear();
}

void ListResults::clear()
{
    lstRecords->clear();
}

void ListResults::resetFind()
{
    m_ownLastFind.clear();
}

void ListResults::setFindInstruction(const QString& text)
{
    m_instruction->setText(text);
}

void ListResults::btnTrovaClick()
{
    if (lstRecords->count() == 0) {
        Desktop::show(m_options.emptyListKind, u"Ricerca non applicabile: la lista non contiene nessuna voce."_s);
        return;
    }
    lstRecords->setCurrentRow(ListSearch::findNext(lines(), lstRecords->currentRow(), txtTrova->text(), *m_lastFind));
}
