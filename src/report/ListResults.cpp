#include "ListResults.h"

#include "card/FieldBehaviour.h"
#include "platform/Controls.h"
#include "platform/Screen.h"
#include "storage/ListSearch.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QHash>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

// The lines of the list: held, or made a block at a time as the view asks for them.
class ListLinesModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void set(const QStringList& lines)
    {
        beginResetModel();
        m_lines = lines;
        m_count = int(lines.size());
        m_source = {};
        m_blocks.clear();
        m_widest.clear();
        widen(lines, false);
        endResetModel();
    }

    void set(int count, const ListResults::LineSource& linesAt)
    {
        beginResetModel();
        m_lines.clear();
        m_count = std::max(0, count);
        m_source = linesAt;
        m_blocks.clear();
        m_widest.clear();
        endResetModel();
    }

    // The longest line made so far: every row is as wide as it, so no line is cut short.
    const QString& widest() const { return m_widest; }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_count; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || role != Qt::DisplayRole)
            return {};
        return line(index.row());
    }

    QString line(int row) const
    {
        if (row < 0 || row >= m_count)
            return {};
        if (!m_source)
            return m_lines[row];
        // A few blocks are kept: the view asks for the first and the last rows besides those
        // in view.
        const int start = row / kBlock * kBlock;
        auto block = m_blocks.constFind(start);
        if (block == m_blocks.cend()) {
            if (m_blocks.size() >= kBlocksKept)
                m_blocks.clear();
            block = m_blocks.insert(start, m_source(start, std::min(kBlock, m_count - start)));
            widen(*block, true);
        }
        return row - start < block->size() ? block->at(row - start) : QString();
    }

    // Every line; once asked for ("Trova", printing), they are kept, so the next ask is free.
    QStringList all() const
    {
        if (m_source) {
            m_lines = m_source(0, m_count);
            m_lines.resize(m_count);
            widen(m_lines, true);
            m_source = {};
            m_blocks.clear();
        }
        return m_lines;
    }

private:
    // Lines are fixed-width but for their last column (a total, a date), and the view sizes
    // every row like one sample row: a longer line made later lays the rows out again, once the
    // view has finished what it is doing.
    void widen(const QStringList& lines, bool relayout) const
    {
        const qsizetype before = m_widest.size();
        for (const QString& line : lines) {
            if (line.size() > m_widest.size())
                m_widest = line;
        }
        if (relayout && m_widest.size() > before) {
            auto* self = const_cast<ListLinesModel*>(this);
            QMetaObject::invokeMethod(
                self,
                [self] {
                    Q_EMIT self->layoutAboutToBeChanged();
                    Q_EMIT self->layoutChanged();
                },
                Qt::QueuedConnection);
        }
    }

    static constexpr int kBlock = 256; // lines made together as the view scrolls
    static constexpr qsizetype kBlocksKept = 4;
    mutable QStringList m_lines;
    int m_count = 0;
    mutable ListResults::LineSource m_source;
    mutable QHash<int, QStringList> m_blocks; // by first row
    mutable QString m_widest;
};

namespace {
// Every row sized as the widest line made so far would be.
class WidestLineDelegate final : public QStyledItemDelegate {
public:
    WidestLineDelegate(const ListLinesModel* model, QObject* parent) : QStyledItemDelegate(parent), m_model(model) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        if (m_model->widest().size() > opt.text.size())
            opt.text = m_model->widest();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        return style->sizeFromContents(QStyle::CT_ItemViewItem, &opt, QSize(), widget);
    }

private:
    const ListLinesModel* m_model;
};
} // namespace

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
    lstRecords = new QListView(this);
    lstRecords->setObjectName(u"lstRecords"_s);
    m_model = new ListLinesModel(lstRecords);
    lstRecords->setModel(m_model);
    lstRecords->setItemDelegate(new WidestLineDelegate(m_model, lstRecords));
    lstRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRecords->setFont(QFont(u"Courier New"_s, 12));
    lstRecords->setUniformItemSizes(true);
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_column->addWidget(lstRecords, 1);

    if (m_options.enterMovesToTrova)
        FieldBehaviour::enterMovesTo(txtTrova, btnTrova);
    connect(btnTrova, &QPushButton::clicked, this, &ListResults::btnTrovaClick);
    connect(lstRecords, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { Q_EMIT lineDoubleClicked(index.row()); });
}

int ListResults::count() const
{
    return m_model->rowCount();
}

QString ListResults::line(int row) const
{
    return m_model->line(row);
}

QStringList ListResults::lines() const
{
    return m_model->all();
}

int ListResults::currentRow() const
{
    const QModelIndex current = lstRecords->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ListResults::setCurrentRow(int row)
{
    lstRecords->setCurrentIndex(m_model->index(row));
}

void ListResults::setLines(const QStringList& lines)
{
    m_model->set(lines);
    selectFirst();
}

void ListResults::setLines(int count, const LineSource& linesAt)
{
    m_model->set(count, linesAt);
    selectFirst();
}

void ListResults::replaceLines(const QStringList& lines)
{
    m_model->set(lines);
}

void ListResults::replaceLines(int count, const LineSource& linesAt)
{
    m_model->set(count, linesAt);
}

void ListResults::selectFirst()
{
    setCurrentRow(0);
    txtTrova->clear();
    m_ownLastFind.clear();
}

void ListResults::clear()
{
    m_model->set(QStringList());
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
    if (count() == 0) {
        Desktop::show(m_options.emptyListKind, u"Ricerca non applicabile: la lista non contiene nessuna voce."_s);
        return;
    }
    setCurrentRow(ListSearch::findNext(lines(), currentRow(), txtTrova->text(), *m_lastFind));
}

void ListResults::fitWindowToLines()
{
    if (count() == 0)
        return;
    line(0); // the first lines are made, so the widest of them is known
    const QString widest = m_model->widest();
    QWidget* window = this->window();
    if (window->isMaximized() || window->isFullScreen())
        return;
    if (window->layout())
        window->layout()->activate();
    // The line, the item's margins, the list's frame and its vertical scroll bar.
    const int listWidth = lstRecords->fontMetrics().horizontalAdvance(widest) + 16 + 2 * lstRecords->frameWidth() +
                          lstRecords->verticalScrollBar()->sizeHint().width();
    const int needed = listWidth + window->width() - lstRecords->width();
    if (needed <= window->width())
        return;
    fitAndCentre(window, QSize(needed, window->height())); // as wide as the screen allows
}
